#pragma once

// Lesson phrases spoken by the espeak-ng synthesizer, for the recognition tests
// and the recognizer benchmark.

#include "AnsiText.h"
#include "FieldOf.h"
#include "RecognitionTask.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <vector>

namespace spoken {

struct Phrase {
    QString text;        // as the lesson shows it
    QStringList words;   // the lesson's word list
    int swapAt = 0;      // a word to replace ...
    QString swapWith;    // ... with this one, for the substitution test
};

// The lesson phrases of the fixture (text=hint=words=model) with a
// substitution for each.
inline std::vector<Phrase> LessonPhrases(const QString& fixtures)
{
    static const struct {
        int at;
        const char* with;
    } swaps[] = {{1, "EVENING"}, {3, "HOSPITAL"}, {6, "WATER"},     {3, "SUSAN"},    {4, "WEIGH"},    {3, "TERRIBLE"},
                 {2, "FIND"},    {5, "MARKET"},   {5, "GARDEN"},    {4, "THERE"},    {4, "TEACHER"},  {2, "SO"},
                 {4, "NINE"},    {3, "GERMAN"},   {4, "MAGAZINE"},  {2, "DOOR"},     {4, "PIANO"},    {2, "SNOWING"},
                 {3, "LIVE"},    {3, "BROTHERS"}, {5, "FRIDAY"},    {3, "DINNER"},   {1, "FILM"},     {2, "LATER"}};
    std::vector<Phrase> phrases;
    const auto lines = readAnsiLines(fixtures + "/phrases.txt");
    if (!lines)
        return phrases;
    for (qsizetype i = 0; i < lines->size() && i < qsizetype(std::size(swaps)); ++i) {
        const QString& line = (*lines)[i];
        phrases.push_back({FieldOf(1, line, u'='), PhraseWordList(FieldOf(3, line, u'=')), swaps[i].at,
                           QString::fromLatin1(swaps[i].with)});
    }
    return phrases;
}

// The phrase with its substitution made, as text to speak.
inline QString SwappedText(const Phrase& p)
{
    QStringList words = p.words;
    words[p.swapAt] = p.swapWith;
    return words.join(u' ').toLower();
}

inline bool SynthesizerAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("espeak-ng")).isEmpty();
}

// Speaks `text` with an espeak-ng voice into a wave file; false when it failed.
inline bool Speak(const QString& voice, const QString& text, const QString& wavePath)
{
    QProcess p;
    p.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), voice, QStringLiteral("-w"), wavePath, text});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0 &&
           QFile::exists(wavePath);
}

} // namespace spoken
