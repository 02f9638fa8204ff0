#include "HtkDictionary.h"

#include <QRegularExpression>

Expected<std::vector<HtkPronunciation>> ParseHtkDictionary(const QString& text)
{
    std::vector<HtkPronunciation> entries;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    int lineNo = 0;
    for (const QString& raw : lines) {
        ++lineNo;
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        auto bad = [&](const QString& what) {
            return Failure::error(QStringLiteral("Błędny słownik wymowy (wiersz %1): %2.").arg(lineNo).arg(what));
        };
        HtkPronunciation p;
        QString rest;
        const qsizetype open = line.indexOf(u'[');
        if (open >= 0) {
            const qsizetype close = line.indexOf(u']', open);
            if (close < 0)
                return bad(QStringLiteral("brak nawiasu zamykającego"));
            p.word = line.left(open).trimmed();
            p.output = line.mid(open + 1, close - open - 1);
            rest = line.mid(close + 1);
        } else {
            const qsizetype blank = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
            p.word = blank < 0 ? line : line.left(blank);
            rest = blank < 0 ? QString() : line.mid(blank);
        }
        if (p.word.isEmpty())
            return bad(QStringLiteral("brak słowa"));
        p.phones = rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        bool isNumber = false;
        if (!p.phones.isEmpty())
            p.phones.first().toDouble(&isNumber);
        if (isNumber)
            p.phones.removeFirst();
        entries.push_back(std::move(p));
    }
    return entries;
}
