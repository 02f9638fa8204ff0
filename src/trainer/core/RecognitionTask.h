#pragma once

#include "Failure.h"
#include "TDictionary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class ISpeechRecognizer;

// The per-phrase recognition task: the files the trainer writes for the
// recognizer and the preparation the lesson window runs for every phrase.
// All four files live in one folder, the working folder of the program.
inline constexpr char SlownikFile[] = "slownik.dct";      // the course's pronunciations
inline constexpr char BaseDictionaryFile[] = "tmp0.dct";  // fixed start of every task dictionary
inline constexpr char TaskDictionaryFile[] = "tmp.dct";
inline constexpr char TaskLatticeFile[] = "tmp.lat";

// The words of a phrase from the word field of a lesson line: "/"-separated
// fields from the first up to the first empty one, kept exactly as written.
QStringList PhraseWordList(const QString& wordField);

// The bytes of "tmp.lat" for a phrase of one or more words (CR LF lines): the
// garbage sub-lattice, ".", the phrase lattice and a final empty line. An empty
// list gives empty bytes; the writers refuse it.
QByteArray TaskLatticeBytes(const QStringList& words);

// The bytes of "tmp.dct": `baseDictionary` unchanged, CR LF, then one line
// "word [word] phones" per word, phones from `dictionary` (empty when missing).
QByteArray TaskDictionaryBytes(const QByteArray& baseDictionary, const QStringList& words,
                               const TDictionary& dictionary);

// Writes "tmp.dct" and "tmp.lat" into `dir` ("" = the working folder) from the
// entries of `dictionary` and "tmp0.dct" of that folder. On failure neither task
// file is left behind, so no stale task of an earlier phrase can be loaded.
Status WriteRecognitionTask(const TDictionary& dictionary, const QStringList& words, const QString& dir);

// Prepares a phrase for recognition: replaces `dictionary` with a new one loaded
// from "slownik.dct" of `dir`, writes the task files and loads them into the
// recognizer. Returns
//  - a file failure ("Błąd") when a file cannot be read or written, or when the
//    word list is empty; the recognizer is then left without a task;
//  - the plain message "Słownik nie został poprawnie załadowany!" when the
//    recognizer refuses the task (the lesson goes on; attempts are rejected);
//  - success otherwise.
Status PreparePhrase(std::unique_ptr<TDictionary>& dictionary, const QStringList& words,
                     ISpeechRecognizer& recognizer, const QString& dir);

// The message shown when the recognizer refuses the task.
Failure TaskRefusedMessage();
