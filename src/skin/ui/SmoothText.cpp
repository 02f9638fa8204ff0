#include "SmoothText.h"

#include <QFontMetrics>
#include <QPainter>

QFont SkinFont(const QString& family, int points, bool bold)
{
    // MulDiv(points, 96, 72), rounded half away from zero
    return PixelFont(family, (points * 96 + 36) / 72, bold);
}

QFont PixelFont(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int TextHeight(const QFont& font, const QString& text)
{
    return QFontMetrics(font).height();
}

static int qtAlignment(int format)
{
    int flags = Qt::AlignTop;
    if (format & DT_CENTER)
        flags |= Qt::AlignHCenter;
    else if (format & DT_RIGHT)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    return flags;
}

void DrawSmoothText(QPainter& p, int x, int y, const QString& text)
{
    // The original supersampled the text two by two on a copy of the canvas;
    // Qt's antialiased rasteriser gives the same smoothed edges directly.
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.drawText(QPoint(x, y + QFontMetrics(p.font()).ascent()), text);
    p.restore();
}

void DrawSmoothTextRect(QPainter& p, const QRect& rect, int x, int y, int format, const QString& text)
{
    p.save();
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setClipRect(QRect(x, y, rect.width(), rect.height()), Qt::IntersectClip);
    const QRect box = Ltrb(x - 1, rect.top() + 2 * y, rect.right() + 1, rect.bottom() + 1);
    p.drawText(box, qtAlignment(format), text);
    p.restore();
}

QRect MeasureTextRect(const QFont& font, const QRect& rect, int format, const QString& text)
{
    const QFontMetrics fm(font);
    const int flags = (qtAlignment(format) & ~Qt::AlignHorizontal_Mask) | Qt::AlignLeft;
    const QRect bounds = fm.boundingRect(QRect(rect.left(), rect.top(), rect.width(), 1 << 20), flags, text);
    const int lines = text.isEmpty() ? 1 : 0;
    return QRect(rect.left(), rect.top(), std::max(rect.width(), bounds.width()),
                 std::max(bounds.height(), lines * fm.height()));
}
