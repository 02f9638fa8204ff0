#include "GapTextLayout.h"

#include "FieldOf.h"
#include "GapText.h"

#include <QFontMetrics>

QColor FormColour(int bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

QFont GapTextFont()
{
    QFont f(QStringLiteral("Tahoma"));
    f.setPixelSize(15);
    return f;
}

int GapTextLineHeight(const QFont& font)
{
    // The height of a text is the font's full height, whatever its letters.
    return QFontMetrics(font).height() + 8;
}

int GapTextScrollMaximum(int contentHeight, int areaHeight, int lineHeight)
{
    if (contentHeight <= areaHeight - 10 || lineHeight <= 0)
        return 0;
    const int over = contentHeight - areaHeight;
    return over <= 0 ? 1 : (over + lineHeight - 1) / lineHeight;
}

namespace {

// The pen that walks the page: position, margins beside pictures, style.
class Pen {
public:
    Pen(const QFont& font, int areaWidth) : m_base(font), m_width(areaWidth)
    {
        lineHeight = GapTextLineHeight(font);
        spaceWidth = QFontMetrics(font).horizontalAdvance(u' ');
        spacing = spaceWidth;
    }

    QFont font(bool forceBold = false) const
    {
        QFont f = m_base;
        f.setBold(bold || forceBold);
        f.setItalic(italic);
        return f;
    }
    int textWidth(const QString& text, bool forceBold = false) const
    {
        return QFontMetrics(font(forceBold)).horizontalAdvance(text);
    }
    int textHeight() const { return QFontMetrics(m_base).height(); }
    int rightEdge() const { return m_width - rightReduction; }

    void newLine()
    {
        y += lineHeight;
        if (y >= pictureBottom) {
            leftMargin = 0;
            rightReduction = 0;
        }
        x = leftMargin;
        lineHasContent = false;
    }
    // Takes `w` pixels of the line, wrapping first when they would pass the
    // right edge; returns the left of the space taken.
    int take(int w)
    {
        if (lineHasContent && x + w > rightEdge())
            newLine();
        const int left = x;
        x += w + spacing;
        lineHasContent = true;
        return left;
    }
    int contentHeight() const { return std::max(y + lineHeight, pictureBottom); }

    int x = 0, y = 0;
    int leftMargin = 0, rightReduction = 0;
    int pictureBottom = 0;
    int lineHeight = 0, spaceWidth = 0, spacing = 0;
    bool bold = false, italic = false;
    bool lineHasContent = false;

private:
    QFont m_base;
    int m_width;
};

// "<I>", "</I>", "<B>", "</B>": the pen's style (italics also widen the
// spacing by 4). False for any other item.
bool applyStyleTag(Pen& pen, int marker)
{
    switch (marker) {
    case mkItalic:
    case mkItalicEnd:
        pen.italic = marker == mkItalic;
        pen.spacing += marker == mkItalic ? 4 : -4;
        return true;
    case mkBold:
    case mkBoldEnd:
        pen.bold = marker == mkBold;
        return true;
    default:
        return false;
    }
}

} // namespace

GapTextLayout LayoutGapText(const GapTextRun& run, const GapTextLayoutInput& in)
{
    GapTextLayout out;
    Pen pen(in.font, in.areaWidth);
    out.lineHeight = pen.lineHeight;
    const int textHeight = pen.textHeight();
    const QList<TWyrazTekstu>& items = run.items();
    out.itemRects.resize(items.size());

    bool inBlock = false;
    bool blockRight = false;
    int blockTop = 0;       // where the block's first picture went
    int nextPictureTop = 0; // below the block's last picture

    const auto addText = [&](int item, const QString& text, int left, bool bold, const QColor& colour) {
        QFont f = pen.font(bold);
        const QRect r(left, pen.y, QFontMetrics(f).horizontalAdvance(text), textHeight);
        out.pieces.append({GapTextPiece::Text, r, text, bold || pen.bold, pen.italic, colour, item});
        out.words.append({text, r});
        return r;
    };

    for (int i = 0; i < items.size(); ++i) {
        const TWyrazTekstu& w = items.at(i);
        if (applyStyleTag(pen, w.Marker))
            continue;
        switch (w.Marker) {
        case mkBR:
            pen.newLine();
            continue;
        case mkImgLeft:
        case mkImgRight:
            pen.x = 0;
            inBlock = true;
            blockRight = w.Marker == mkImgRight;
            blockTop = -1;
            continue;
        case mkImgEnd:
            if (inBlock && blockTop >= 0) {
                pen.y = blockTop; // the text flows beside the pictures
                pen.lineHasContent = false;
            }
            pen.x = pen.leftMargin;
            inBlock = false;
            continue;
        case mkAK: {
            const int step = AkStep(w.Text, pen.x);
            if (pen.lineHasContent && pen.x + step > pen.rightEdge())
                pen.newLine();
            pen.x += step;
            continue;
        }
        default:
            break;
        }

        if (inBlock && !w.IsGap) {
            const QSize size = in.pictureSize ? in.pictureSize(w.Text) : QSize();
            if (!size.isValid() || size.isEmpty())
                continue;
            if (blockTop < 0) {
                if (pen.lineHasContent)
                    pen.newLine();
                blockTop = pen.y;
                nextPictureTop = pen.y;
            }
            const int left = blockRight ? in.areaWidth - size.width() : pen.x;
            const QRect r(QPoint(left, nextPictureTop), size);
            out.pieces.append({GapTextPiece::Picture, r, w.Text, false, false, QColor(), i});
            if (blockRight)
                pen.rightReduction = std::max(pen.rightReduction, size.width() + 10);
            else
                pen.leftMargin = std::max(pen.leftMargin, size.width() + 10);
            nextPictureTop = r.bottom() + 1;
            pen.pictureBottom = std::max(pen.pictureBottom, nextPictureTop);
            continue;
        }

        if (!w.IsGap) {
            const int width = pen.textWidth(w.Text);
            const bool pulledBack = (w.Text == u"," || w.Text == u".") && pen.lineHasContent;
            if (pulledBack) {
                const int left = pen.x - pen.spaceWidth;
                pen.x = left + width + pen.spacing;
                out.itemRects[i] = addText(i, w.Text, left, false, FormColour(GapTextColours::Text));
            } else {
                const int left = pen.take(width);
                out.itemRects[i] = addText(i, w.Text, left, false, FormColour(GapTextColours::Text));
            }
            continue;
        }

        // A gap.
        const int g = run.gapOfItem(i);
        const bool right = run.gapRight(g);
        switch (run.state()) {
        case GapTextRun::State::Input:
            if (w.Input.isEmpty()) {
                const int left = pen.take(in.field.width());
                const QRect r(QPoint(left, pen.y), in.field);
                out.pieces.append({GapTextPiece::Field, r, QStringLiteral("IMG_Pole"), false, false, QColor(), i});
                out.itemRects[i] = r;
            } else {
                const int left = pen.take(pen.textWidth(w.Input, true));
                out.itemRects[i] = addText(i, w.Input, left, true, FormColour(GapTextColours::Typed));
            }
            break;
        case GapTextRun::State::Checked:
        case GapTextRun::State::Solution: {
            const bool solution = run.state() == GapTextRun::State::Solution;
            QString icon;
            QSize iconSize;
            if (!solution) {
                icon = right ? QStringLiteral("IMG_OK") : QStringLiteral("IMG_Zle");
                iconSize = right ? in.okIcon : in.wrongIcon;
            } else if (!right) {
                icon = QStringLiteral("IMG_Info");
                iconSize = in.infoIcon;
            }
            QString text = w.Input.isEmpty() ? QStringLiteral("______") : w.Input;
            if (solution && !right)
                text = FieldOf(1, w.Answer, u'/');
            const QColor colour = FormColour(right || solution ? GapTextColours::Right : GapTextColours::Wrong);
            const int iconWidth = icon.isEmpty() ? 0 : iconSize.width() + pen.spacing;
            const int left = pen.take(iconWidth + pen.textWidth(text, true));
            QRect whole;
            if (!icon.isEmpty()) {
                const QRect ir(QPoint(left, pen.y), iconSize);
                out.pieces.append({GapTextPiece::Icon, ir, icon, false, false, QColor(), i});
                whole = ir;
            }
            whole |= addText(i, text, left + iconWidth, true, colour);
            // Only the wrong gaps of the solution keep a place, for the hint.
            if (solution && !right)
                out.itemRects[i] = whole;
            break;
        }
        }
    }
    out.contentHeight = pen.contentHeight();
    return out;
}

GapTextLayout LayoutPhraseList(const GapTextItems& phrases, const QFont& font, int areaWidth)
{
    GapTextLayout out;
    Pen pen(font, areaWidth);
    out.lineHeight = pen.lineHeight;
    const int textHeight = pen.textHeight();
    out.itemRects.resize(phrases.items.size());
    for (int i = 0; i < phrases.items.size(); ++i) {
        const TWyrazTekstu& w = phrases.items.at(i);
        if (applyStyleTag(pen, w.Marker))
            continue;
        switch (w.Marker) {
        case mkBR:
        case mkImgLeft:
        case mkImgRight:
            pen.y += pen.lineHeight;
            pen.x = 0;
            continue;
        case mkImgEnd:
            pen.x = 0;
            continue;
        case mkAK:
            pen.x += 20;
            continue;
        default:
            break;
        }
        for (const QString& word : w.Text.split(u' ', Qt::SkipEmptyParts)) {
            const int width = pen.textWidth(word);
            if (pen.x > 0 && pen.x + width > areaWidth) {
                pen.y += pen.lineHeight;
                pen.x = pen.bold ? 0 : 20;
            }
            const QRect r(pen.x, pen.y, width, textHeight);
            out.pieces.append({GapTextPiece::Text, r, word, pen.bold, pen.italic, FormColour(GapTextColours::Text), i});
            out.words.append({word, r});
            pen.x += width + pen.spacing;
        }
    }
    out.contentHeight = pen.y + pen.lineHeight;
    return out;
}
