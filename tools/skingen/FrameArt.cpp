// Group frames (blue, white, background, board), the puzzle board tiles and
// the frames of the three-pictures exercise.
#include "ArtFamilies.h"
#include "SkinStyle.h"

#include <QPainterPathStroker>
#include <QRegularExpression>

using namespace art;

namespace {

// A frame drawn whole and cut into nine pieces: corners `cw` wide, the top
// row `top` high and the bottom row `bottom` high, 4-pixel stretchable middles.
struct NineSlice {
    int cw, top, bottom;
    int middleH = 40;
    int width() const { return 2 * cw + 12; }
    int height() const { return top + middleH + bottom; }
    QImage piece(const QImage& full, int n) const
    {
        const int col = (n - 1) % 3, row = (n - 1) / 3;
        const int xs[] = {0, cw + 4, width() - cw};
        const int ws[] = {cw, 4, cw};
        const int ys[] = {0, top, top + middleH};
        const int hs[] = {top, middleH, bottom};
        return crop(full, QRect(xs[col], ys[row], ws[col], hs[row]));
    }
};

QImage blueFrame(const NineSlice& s)
{
    QImage img = canvas(s.width(), s.height());
    QPainter p(&img);
    prepare(p);
    const QRectF r(2.5, 2.5, s.width() - 5, s.height() - 5);
    const QPainterPath shape = rounded(r, 7);
    softShadow(p, shape, withAlpha(colour::Blue, 0.35), 2);
    const QLinearGradient fill = vertical(s.top, s.height() - s.bottom, withAlpha(Qt::white, 0.66), withAlpha(colour::Ice, 0.58));
    p.fillPath(shape, fill);
    p.strokePath(rounded(r.adjusted(1, 1, -1, -1), 6), QPen(withAlpha(Qt::white, 0.85), 1));
    p.strokePath(shape, QPen(QColor(74, 144, 217), 1.4));
    return img;
}

QImage whiteFrame(const NineSlice& s)
{
    QImage img = canvas(s.width(), s.height());
    QPainter p(&img);
    prepare(p);
    const QRectF r(1.5, 0.5, s.width() - 3, s.height() - 2.5);
    const QPainterPath shape = rounded(r, 5);
    softShadow(p, shape, withAlpha(colour::Navy, 0.22), 1, 0, 1);
    const QLinearGradient fill = vertical(s.top, s.height() - s.bottom, colour::White, QColor(247, 250, 254));
    p.fillPath(shape, fill);
    p.strokePath(shape, QPen(QColor(197, 213, 230), 1));
    return img;
}

QImage backgroundFrame(const NineSlice& s)
{
    QImage img = canvas(s.width(), s.height());
    QPainter p(&img);
    prepare(p);
    const QPainterPath shape = rounded(QRectF(0.5, 0.5, s.width() - 1, s.height() - 1), 8);
    const QLinearGradient fill = vertical(s.top, s.height() - s.bottom, withAlpha(QColor(240, 246, 252), 0.94), withAlpha(QColor(224, 235, 246), 0.94));
    p.fillPath(shape, fill);
    p.strokePath(rounded(QRectF(1.5, 1.5, s.width() - 3, s.height() - 3), 7), QPen(withAlpha(Qt::white, 0.75), 1));
    p.strokePath(shape, QPen(QColor(200, 216, 233), 1));
    return img;
}

// A white board in a brushed-metal frame with a tray (and a marker) below.
QImage boardFrame(const NineSlice& s)
{
    const int w = s.width(), h = s.height();
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    const QRectF outer(2.5, 2.5, w - 5, h - 22);
    const QPainterPath frame = rounded(outer, 6);
    softShadow(p, frame, withAlpha(colour::Navy, 0.35), 2, 0, 2);
    const QLinearGradient metal = vertical(s.top, h - s.bottom, QColor(236, 240, 245), QColor(190, 201, 213));
    p.fillPath(frame, metal);
    p.strokePath(frame, QPen(QColor(138, 152, 168), 1));
    const QRectF surface = outer.adjusted(8, 8, -8, -8);
    const QLinearGradient board = vertical(s.top, h - s.bottom, colour::White, QColor(243, 248, 253));
    p.fillRect(surface, board);
    p.fillRect(QRectF(surface.left(), surface.top(), surface.width(), 1), withAlpha(colour::Navy, 0.18));
    p.fillRect(QRectF(surface.left(), surface.top(), 1, surface.height()), withAlpha(colour::Navy, 0.12));
    // The tray.
    const QRectF tray(0.5, h - 21.5, w - 1, 12);
    const QPainterPath ledge = rounded(tray, 4);
    softShadow(p, ledge, withAlpha(colour::Navy, 0.3), 2, 0, 2);
    const QLinearGradient t = vertical(tray.top(), tray.bottom(), QColor(246, 248, 251), QColor(170, 183, 197));
    p.fillPath(ledge, t);
    p.strokePath(ledge, QPen(QColor(130, 145, 162), 1));
    // A blue marker resting in the bottom-left corner of the tray.
    const QRectF cap(8, h - 25, 9, 5.5), pen(16, h - 25, 20, 5.5);
    p.fillPath(rounded(pen, 2.5), QColor(232, 236, 241));
    p.strokePath(rounded(pen, 2.5), QPen(QColor(150, 160, 172), 0.8));
    p.fillPath(rounded(cap, 2.5), colour::Blue);
    return img;
}

// Puzzle board tiles, 40 × 40: frame bands on the outer sides, slots inside.
QImage puzzleTile(const QString& piece)
{
    QImage img = canvas(40, 40);
    QPainter p(&img);
    prepare(p);
    p.fillRect(QRectF(0, 0, 40, 40), QColor(234, 242, 251));
    const bool top = piece.startsWith(u"01") || piece.startsWith(u"02") || piece.startsWith(u"03");
    const bool bottom = piece.startsWith(u"07") || piece.startsWith(u"08") || piece.startsWith(u"09");
    const bool left = piece == u"01" || piece == u"04" || piece == u"07";
    const bool right = piece == u"03" || piece == u"06" || piece == u"09";
    const QLinearGradient band = vertical(0, 40, shade(colour::Blue, 0.15), colour::DeepBlue);
    if (top)
        p.fillRect(QRectF(0, 0, 40, 10), band);
    if (bottom)
        p.fillRect(QRectF(0, 30, 40, 10), band);
    if (left)
        p.fillRect(QRectF(0, 0, 10, 40), band);
    if (right)
        p.fillRect(QRectF(30, 0, 10, 40), band);
    const QString variant = piece.mid(3);
    if (piece.startsWith(u"05")) {
        const QRectF slot(4.5, 4.5, 31, 31);
        QPainterPath s = rounded(slot, 5);
        if (variant == u"L")
            s = s.united(rounded(QRectF(0, 15, 8, 10), 3));
        if (variant == u"R")
            s = s.united(rounded(QRectF(32, 15, 8, 10), 3));
        const QLinearGradient g = vertical(4, 36, QColor(206, 222, 240), QColor(226, 236, 248));
        p.fillPath(s, g);
        QPen edge(QColor(150, 182, 220), 1);
        if (variant == u"D")
            edge.setStyle(Qt::DashLine);
        p.strokePath(s, edge);
    } else if (!variant.isEmpty()) {
        // Edge tiles of the top and bottom rows: rivets and a divider.
        const double y = top ? 5 : 35;
        if (variant == u"L" || variant == u"R") {
            QPainterPath rivet;
            rivet.addEllipse(QPointF(variant == u"L" ? 8 : 32, y), 2.2, 2.2);
            p.fillPath(rivet, withAlpha(Qt::white, 0.8));
        }
        if (variant == u"D")
            p.fillRect(QRectF(19, top ? 10 : 22, 2, 8), withAlpha(colour::DeepBlue, 0.6));
    }
    p.fillRect(QRectF(0, top ? 10 : 0, 40, 1), top ? withAlpha(Qt::black, 0.15) : QColor(Qt::transparent));
    return img;
}

// Three-pictures frames, 248 × 296, cut into top, bottom and the two sides.
QImage pictureFrame(int style, char state)
{
    const int w = 248, h = 296;
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    const QColor c = state == 'D' ? colour::Green : state == 'Z' ? colour::Red : colour::Blue;
    const QRectF r(4, 4, w - 8, h - 8);
    const QLinearGradient g = vertical(0, h, shade(c, 0.25), shade(c, -0.15));
    if (style == 1) {
        const QPainterPath ring = rounded(r, 12);
        QPainterPathStroker stroker;
        stroker.setWidth(5);
        softShadow(p, stroker.createStroke(ring), withAlpha(c, 0.5), 2);
        p.strokePath(ring, QPen(QBrush(g), 5));
        p.strokePath(rounded(r.adjusted(-2, -2, 2, 2), 14), QPen(withAlpha(Qt::white, 0.55), 1));
    } else if (style == 2) {
        p.strokePath(rounded(r.adjusted(-1.5, -1.5, 1.5, 1.5), 3), QPen(QBrush(g), 3));
        p.strokePath(rounded(r.adjusted(3.5, 3.5, -3.5, -3.5), 2), QPen(withAlpha(c, 0.7), 1));
        QPen bracket(QBrush(g), 5);
        bracket.setCapStyle(Qt::SquareCap);
        p.setPen(bracket);
        for (const QPointF& corner : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()}) {
            const double sx = corner.x() < w / 2 ? 1 : -1, sy = corner.y() < h / 2 ? 1 : -1;
            p.drawLine(corner, corner + QPointF(18 * sx, 0));
            p.drawLine(corner, corner + QPointF(0, 18 * sy));
        }
    } else {
        const QPainterPath ring = rounded(r, 8);
        QPainterPathStroker stroker;
        stroker.setWidth(6);
        softShadow(p, stroker.createStroke(ring), withAlpha(c, 0.9), 3);
        p.strokePath(ring, QPen(shade(c, 0.15), 2.5));
        p.strokePath(ring, QPen(withAlpha(Qt::white, 0.6), 0.8));
    }
    if (state == 'D' || state == 'Z') {
        const QRectF badge(w - 28, 3, 21, 21);
        QPainterPath disc;
        disc.addEllipse(badge);
        softShadow(p, disc, withAlpha(colour::Navy, 0.4), 1, 0, 1);
        paintFace(p, badge, 10.5, faceFor(c, 'N'));
        if (state == 'D')
            glyph::check(p, badge, colour::White, 2.6);
        else
            glyph::cross(p, badge, colour::White, 2.6);
    }
    return img;
}

} // namespace

std::optional<QImage> DrawFramePicture(const QString& name)
{
    static const QRegularExpression group(QStringLiteral("^RAMKA([1236])_0([1-9])$"));
    static const QRegularExpression puzzle(QStringLiteral("^RAMKA4_(0[1-9](?:_[LSRD])?)$"));
    static const QRegularExpression three(QStringLiteral("^RAMKA5_([1-3])([HDZ])([1-4])$"));

    if (const auto m = group.match(name); m.hasMatch()) {
        const int set = m.captured(1).toInt(), piece = m.captured(2).toInt();
        switch (set) {
        case 1: { const NineSlice s{10, 10, 10}; return s.piece(blueFrame(s), piece); }
        case 6: { const NineSlice s{7, 7, 7}; return s.piece(whiteFrame(s), piece); }
        case 2: { const NineSlice s{9, 9, 9}; return s.piece(backgroundFrame(s), piece); }
        default: { const NineSlice s{40, 20, 35}; return s.piece(boardFrame(s), piece); }
        }
    }
    if (const auto m = puzzle.match(name); m.hasMatch())
        return puzzleTile(m.captured(1));
    if (const auto m = three.match(name); m.hasMatch()) {
        const QImage full = pictureFrame(m.captured(1).toInt(), m.captured(2).at(0).toLatin1());
        switch (m.captured(3).toInt()) {
        case 1: return crop(full, QRect(0, 24, 10, 248));   // left side, drawn at (0, 24)
        case 2: return crop(full, QRect(238, 24, 10, 248)); // right side
        case 3: return crop(full, QRect(0, 0, 248, 24));    // top, with the badge
        default: return crop(full, QRect(0, 272, 248, 24)); // bottom
        }
    }
    return std::nullopt;
}
