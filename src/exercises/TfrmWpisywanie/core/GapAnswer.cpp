#include "GapAnswer.h"

#include "FieldOf.h"

QString StripPunctuation(const QString& text)
{
    static const QString punctuation = QStringLiteral("!()+{}:\"<>?[];,.");
    QString out;
    const QString trimmed = text.trimmed();
    out.reserve(trimmed.size());
    for (const QChar c : trimmed)
        if (!punctuation.contains(c))
            out.append(c);
    return out;
}

QString NormalizeTypedAnswer(const QString& text)
{
    return text.simplified();
}

bool IsGapCorrect(const QString& input, const QString& answer, const AnswerRules& rules)
{
    QString a = input;
    QString e = answer;
    if (!rules.letterCase) {
        a = a.toLower();
        e = e.toLower();
    }
    if (!rules.punctuationRules) {
        a = StripPunctuation(a);
        e = StripPunctuation(e);
    }
    a = NormalizeTypedAnswer(a);
    if (a.isEmpty())
        return false;
    for (int n = 1;; ++n) {
        const QString alternative = FieldOf(n, e, u'/');
        if (alternative.isEmpty())
            return false;
        if (a == NormalizeTypedAnswer(alternative))
            return true;
    }
}
