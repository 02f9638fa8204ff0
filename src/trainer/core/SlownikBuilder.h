#pragma once

#include "Failure.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// Builds the course's pronunciation files from a CMU-style dictionary (lines
// "word PH PH ...", further pronunciations as "word(2) ...", ";;;" or "#"
// comments), such as the one that comes with the acoustic model.

struct CmuPronunciation {
    QString word;   // without the "(n)" of a further pronunciation
    QString phones; // blank-separated
};

// Reads the dictionary in file order, keeping only each word's first
// pronunciation. Fails when the file cannot be read.
Expected<std::vector<CmuPronunciation>> ReadCmuDictionary(const QString& path);

// "slownik.dct": one line "word;;phones" (CR LF, ANSI) per entry, in order;
// with a non-empty `onlyWords` (compared ignoring case) just those words.
// Words the ANSI code page cannot hold are left out.
QByteArray SlownikBytes(const std::vector<CmuPronunciation>& entries, const QSet<QString>& onlyWords = {});

// The distinct phones of the entries, sorted.
QStringList PhoneSet(const std::vector<CmuPronunciation>& entries);

// "tmp0.dct", the base of every task dictionary: the sentence boundaries and the
// garbage marker as words that take no time and report nothing ("<s> []"), and
// the garbage word once per phone, so that the garbage loop can spell any
// sequence of phones.
QByteArray BaseDictionaryBytes(const QStringList& phones);

// The words of the word fields of lesson lines ("text=hint=W1/W2/...=file"),
// upper-cased, in first-seen order.
QStringList LessonWords(const QStringList& lessonLines);
