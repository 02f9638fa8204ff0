#include "Test2Questions.h"

int TGrupa::firstCorrectRow() const
{
    for (int i = 0; i < rows.size(); ++i)
        if (rows[i].correct)
            return i + 1;
    return -1;
}

QuestionText SplitQuestion(const QString& naglowek)
{
    QuestionText out;
    QStringList parts;
    qsizetype pos = 0;
    while (pos < naglowek.size()) {
        const qsizetype open = naglowek.indexOf(u'<', pos);
        if (open < 0) {
            out.text += naglowek.mid(pos);
            break;
        }
        out.text += naglowek.mid(pos, open - pos);
        const qsizetype close = naglowek.indexOf(u'>', open + 1);
        if (close < 0) {
            out.text += naglowek.mid(open);
            break;
        }
        const QString fragment = naglowek.mid(open, close + 1 - open);
        if (fragment.startsWith(QLatin1String("<BR"), Qt::CaseInsensitive)) {
            out.text += fragment;
        } else {
            out.text += kGapMark;
            const QString inner = fragment.mid(1, fragment.size() - 2).trimmed();
            if (!inner.isEmpty())
                parts.append(inner);
        }
        pos = close + 1;
    }
    out.gapAnswer = parts.join(QStringLiteral(" ... "));
    return out;
}

bool IsCorrectRowNumber(int row, const QString& poprawne)
{
    for (const QString& field : poprawne.split(u',')) {
        bool ok = false;
        const int n = field.trimmed().toInt(&ok);
        if (ok && n == row)
            return true;
    }
    return false;
}

TGrupa BuildGrupa(int number, const QString& media, const QString& naglowek, const QString& poprawne,
                  const QStringList& answers)
{
    TGrupa g;
    g.number = number;
    g.media = media;
    g.poprawne = poprawne;
    const QuestionText q = SplitQuestion(naglowek);
    g.text = q.text;
    if (!q.gapAnswer.isEmpty())
        g.rows.append(TGrupaItem{q.gapAnswer, false, true});
    int taken = 0;
    for (const QString& a : answers) {
        if (a.isEmpty())
            continue;
        if (taken == kMaxAnswers)
            break;
        ++taken;
        const int row = int(g.rows.size()) + 1;
        g.rows.append(TGrupaItem{a, false, IsCorrectRowNumber(row, poprawne)});
    }
    return g;
}
