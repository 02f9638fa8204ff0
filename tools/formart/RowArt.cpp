// The table of contents' pictures: group and exercise rows, the books of a
// group row, plus and minus, level marks, result bars and the scroll bar.
#include "FormArtFamilies.h"
#include "SkinStyle.h"

#include <QRegularExpression>

using namespace art;
using glyph::polyline;

namespace {

constexpr int RowW = 798;
constexpr int RowH = 24;

// A group row: a light blue tab across the list, rounded at the left end,
// with a cyan accent while the mouse is over it.
QImage groupRow(bool hover)
{
    QImage img = canvas(RowW, RowH);
    QPainter p(&img);
    prepare(p);
    const QRectF body(0.5, 1.5, RowW - 1, RowH - 2);
    const QPainterPath shape = rounded(body, 5);
    const QColor top = hover ? QColor(248, 252, 255) : QColor(226, 237, 249);
    const QColor bottom = hover ? QColor(210, 231, 250) : QColor(190, 211, 236);
    p.fillPath(shape, vertical(body.top(), body.bottom(), top, bottom));
    gloss(p, shape, QRectF(0, 1, RowW, RowH * 0.45), 0.75, 0.1);
    p.setClipPath(shape);
    p.fillRect(QRectF(0, 0, 6, RowH), hover ? colour::Cyan : colour::Blue);
    if (hover)
        p.fillRect(QRectF(0, RowH - 2, RowW, 2), withAlpha(colour::Cyan, 0.7));
    p.setClipping(false);
    p.strokePath(shape, QPen(hover ? QColor(98, 160, 222) : QColor(134, 171, 214), 1));
    return img;
}

// An exercise row (level 1) or a child row (level 2): a white strip with a
// soft separator; a child row is indented by a darker band with a tree line.
QImage exerciseRow(int level, bool hover)
{
    QImage img = canvas(RowW, RowH);
    QPainter p(&img);
    prepare(p);
    const QColor top = hover ? QColor(236, 246, 255) : QColor(252, 253, 254);
    const QColor bottom = hover ? QColor(206, 228, 249) : QColor(234, 239, 245);
    p.fillRect(QRectF(0, 0, RowW, RowH), vertical(0, RowH, top, bottom));
    p.fillRect(QRectF(0, 0, RowW, RowH * 0.45), vertical(0, RowH * 0.45, withAlpha(Qt::white, 0.7), withAlpha(Qt::white, 0)));
    p.fillRect(QRectF(0, RowH - 1, RowW, 1), QColor(201, 212, 225));
    if (level == 2) {
        p.fillRect(QRectF(0, 0, 76, RowH), vertical(0, RowH, QColor(226, 234, 244), QColor(210, 221, 235)));
        p.fillRect(QRectF(0, RowH - 1, 76, 1), QColor(190, 203, 219));
        polyline(p, QRectF(0, 0, 1, 1), {{64, 0}, {64, 12}, {74, 12}}, QColor(134, 171, 214), 1.2);
    }
    if (hover) {
        p.fillRect(QRectF(0, 0, 3, RowH), colour::Cyan);
        p.fillRect(QRectF(0, RowH - 1, RowW, 1), withAlpha(colour::Blue, 0.55));
    }
    return img;
}

// Three books leaning on each other (32 × 24).
QImage books()
{
    QImage img = canvas(32, 24);
    QPainter p(&img);
    prepare(p);
    struct Book {
        QRectF r;
        QColor c;
        double angle;
    } const stack[] = {
        {QRectF(5, 4, 6, 18), colour::Blue, 0},
        {QRectF(12, 6, 6, 16), colour::Green, 0},
        {QRectF(19, 3, 6, 19), colour::Amber, 12},
    };
    for (const Book& b : stack) {
        p.save();
        p.translate(b.r.center().x(), b.r.bottom());
        p.rotate(b.angle);
        const QRectF r(-b.r.width() / 2, -b.r.height(), b.r.width(), b.r.height());
        paintFace(p, r, 1.5, faceFor(b.c, 'N'));
        p.fillRect(QRectF(r.left() + 1, r.top() + 3, r.width() - 2, 1.2), withAlpha(Qt::white, 0.8));
        p.fillRect(QRectF(r.left() + 1, r.bottom() - 4, r.width() - 2, 1.2), withAlpha(Qt::white, 0.8));
        p.restore();
    }
    p.fillRect(QRectF(3, 22, 26, 1.5), withAlpha(colour::Navy, 0.5));
    return img;
}

// The 9 × 9 expand and collapse boxes.
QImage plusMinus(bool plus)
{
    QImage img = canvas(9, 9);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 9, 9), QColor(134, 171, 214));
    p.fillRect(QRect(1, 1, 7, 7), QColor(248, 251, 255));
    p.fillRect(QRect(2, 4, 5, 1), colour::DeepBlue);
    if (plus)
        p.fillRect(QRect(4, 2, 1, 5), colour::DeepBlue);
    return img;
}

// The level mark: four rising bars (12 × 16), `level` of them filled.
QImage levelMark(int level)
{
    QImage img = canvas(12, 16);
    QPainter p(&img);
    prepare(p);
    for (int i = 0; i < 4; ++i) {
        const double h = 4 + i * 3.5;
        const QRectF bar(0.5 + i * 3, 15 - h, 2.2, h);
        if (i < level)
            p.fillRect(bar, vertical(bar.top(), bar.bottom(), colour::Sky, colour::DeepBlue));
        else
            p.fillRect(bar, QColor(200, 210, 222));
    }
    return img;
}

// The result bar (52 × 6): the empty track, and the full bar whose first 50
// columns are what a result of 100 shows.
QImage resultBar(bool full)
{
    QImage img = canvas(52, 6);
    QPainter p(&img);
    prepare(p);
    const QRectF r(0.5, 0.5, 51, 5);
    if (full) {
        p.fillPath(rounded(r, 2.5), vertical(0, 6, QColor(120, 214, 142), QColor(28, 140, 64)));
        p.fillRect(QRectF(1, 1, 50, 1.5), withAlpha(Qt::white, 0.45));
    } else {
        p.fillPath(rounded(r, 2.5), vertical(0, 6, QColor(176, 188, 201), QColor(222, 229, 237)));
        p.strokePath(rounded(r, 2.5), QPen(QColor(150, 164, 180), 1));
    }
    return img;
}

// Scroll bar pieces, 21 wide: arrows, thumb and track.
QImage scrollArrow(bool up)
{
    QImage img = canvas(21, 21);
    QPainter p(&img);
    prepare(p);
    paintFace(p, QRectF(1, 1, 19, 19), 5, faceFor(colour::Blue, 'N'));
    if (up)
        polyline(p, QRectF(3, 3, 15, 15), {{0.24, 0.62}, {0.5, 0.36}, {0.76, 0.62}}, colour::White, 2.2);
    else
        polyline(p, QRectF(3, 3, 15, 15), {{0.24, 0.38}, {0.5, 0.64}, {0.76, 0.38}}, colour::White, 2.2);
    return img;
}

QImage scrollThumb()
{
    QImage img = canvas(21, 30);
    QPainter p(&img);
    prepare(p);
    paintFace(p, QRectF(3, 0.5, 15, 29), 6, faceFor(colour::Sky, 'N'));
    for (int y : {11, 14, 17})
        p.fillRect(QRectF(7, y, 7, 1), withAlpha(colour::Navy, 0.4));
    return img;
}

QImage scrollTrack(int piece)
{
    const int h = piece == 2 ? 4 : 6;
    QImage img = canvas(21, h);
    QPainter p(&img);
    prepare(p);
    QRectF r(6.5, 0, 8, h);
    if (piece == 1)
        r = QRectF(6.5, 2, 8, h + 4);
    if (piece == 3)
        r = QRectF(6.5, -4, 8, h + 2);
    p.fillPath(rounded(r, 4), withAlpha(colour::NavyDeep, 0.28));
    return img;
}

} // namespace

std::optional<QImage> DrawRowPicture(const QString& name)
{
    static const QRegularExpression level(QStringLiteral("^img_poz([1-4])$"));
    if (name == u"Tabka_UP" || name == u"Tabka_Hover")
        return groupRow(name.endsWith(u"Hover"));
    if (name == u"Wiersz_L1_UP" || name == u"Wiersz_L1_Hover")
        return exerciseRow(1, name.endsWith(u"Hover"));
    if (name == u"Wiersz_L2_Up" || name == u"Wiersz_L2_Hover")
        return exerciseRow(2, name.endsWith(u"Hover"));
    if (name == u"IMG_Books")
        return books();
    if (name == u"IMG_Plus" || name == u"IMG_Minus")
        return plusMinus(name == u"IMG_Plus");
    if (const auto m = level.match(name); m.hasMatch())
        return levelMark(m.captured(1).toInt());
    if (name == u"img_prtlo" || name == u"img_pr")
        return resultBar(name == u"img_pr");
    if (name == u"SB_UP" || name == u"SB_DOWN")
        return scrollArrow(name == u"SB_UP");
    if (name == u"SB_SUWAK")
        return scrollThumb();
    if (name == u"SB_RYNNA1" || name == u"SB_RYNNA2" || name == u"SB_RYNNA3")
        return scrollTrack(name.back().digitValue());
    return std::nullopt;
}
