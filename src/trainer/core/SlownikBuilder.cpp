#include "SlownikBuilder.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "ISpeechRecognizer.h"
#include "RecognitionTask.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

Expected<std::vector<CmuPronunciation>> ReadCmuDictionary(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("Nie można odczytać pliku %1.").arg(QDir::toNativeSeparators(path)), path);
    std::vector<CmuPronunciation> out;
    QSet<QString> seen;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression variant(QStringLiteral("\\(\\d+\\)$"));
    while (!f.atEnd()) {
        QString line = QString::fromUtf8(f.readLine());
        if (const qsizetype hash = line.indexOf(u'#'); hash >= 0)
            line.truncate(hash);
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QStringLiteral(";;;")))
            continue;
        const qsizetype blank = line.indexOf(blanks);
        if (blank <= 0)
            continue;
        QString word = line.left(blank);
        word.remove(variant);
        const QString key = word.toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        out.push_back({word, line.mid(blank).split(blanks, Qt::SkipEmptyParts).join(u' ')});
    }
    return out;
}

QByteArray SlownikBytes(const std::vector<CmuPronunciation>& entries, const QSet<QString>& onlyWords)
{
    QSet<QString> wanted;
    for (const QString& w : onlyWords)
        wanted.insert(w.toLower());
    QByteArray out;
    for (const CmuPronunciation& e : entries) {
        if (!wanted.isEmpty() && !wanted.contains(e.word.toLower()))
            continue;
        if (const auto line = encodeAnsi(e.word + QStringLiteral(";;") + e.phones))
            out += *line + "\r\n";
    }
    return out;
}

QStringList PhoneSet(const std::vector<CmuPronunciation>& entries)
{
    QSet<QString> set;
    for (const CmuPronunciation& e : entries)
        for (const QString& p : e.phones.split(u' ', Qt::SkipEmptyParts))
            set.insert(p);
    QStringList phones(set.begin(), set.end());
    std::sort(phones.begin(), phones.end());
    return phones;
}

QByteArray BaseDictionaryBytes(const QStringList& phones)
{
    QByteArray out = "<s> []\r\n</s> []\r\n_GV_GBGEMARKER_ []\r\n";
    for (const QString& p : phones)
        out += QByteArray(LkGarbageWord) + " [" + LkGarbageWord + "] " + p.toLatin1() + "\r\n";
    return out;
}

QStringList LessonWords(const QStringList& lessonLines)
{
    QStringList words;
    for (const QString& line : lessonLines)
        for (const QString& w : PhraseWordList(FieldOf(3, line, u'=')))
            if (!words.contains(w.toUpper()))
                words.append(w.toUpper());
    return words;
}
