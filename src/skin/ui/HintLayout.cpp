#include "HintLayout.h"

#include "SmoothText.h"

HintLayout LayoutHintText(const QString& text, const QFont& font)
{
    HintLayout out;
    QFont current = font;
    int x = 10;
    QString rest = text;
    while (!rest.isEmpty()) {
        const qsizetype space = rest.indexOf(u' ');
        QString word = space < 0 ? rest : rest.left(space);
        rest = space < 0 ? QString() : rest.mid(space + 1);

        const qsizetype open = word.indexOf(QLatin1String("<B>"));
        if (open >= 0) {
            current.setBold(true);
            word.remove(open, 3);
        }
        const qsizetype close = word.indexOf(QLatin1String("</B>"));
        if (close >= 0)
            word.remove(close, 4);
        const int w = TextWidth(current, word);
        const bool lineBreak = word == QLatin1String("<BR>");
        if (lineBreak) {
            x = 10;
            ++out.lines;
        } else {
            out.words.append({word, QPoint(x, 20 * out.lines - 18), current.bold()});
        }
        if (close >= 0)
            current.setBold(false);
        if (!lineBreak)
            x += w + 4;
        out.width = std::max(out.width, x);
    }
    return out;
}
