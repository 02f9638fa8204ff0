// Window chrome: the title bar pieces and styled bars, the dialog frames in
// blue and white, the dialog-bar icons and the message-box icons.
#include "ArtFamilies.h"
#include "SkinStyle.h"

#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRegularExpression>

using namespace art;

namespace {

constexpr int BarHeight = 50;

// The dark zone at the left of the title bar that holds the user's figure.
void paintUserZone(QPainter& p, const QRectF& r)
{
    QLinearGradient g(0, 0, 0, BarHeight);
    g.setColorAt(0, QColor(28, 55, 88));
    g.setColorAt(0.5, QColor(19, 40, 67));
    g.setColorAt(1, QColor(12, 28, 50));
    p.fillRect(r, g);
    p.fillRect(QRectF(r.left(), 0, r.width(), 1), QColor(52, 88, 130));
    p.fillRect(QRectF(r.left(), BarHeight - 1, r.width(), 1), QColor(6, 15, 28));
}

// The glossy body of a bar in colour `c`.
void paintBarBody(QPainter& p, const QRectF& r, const QColor& c)
{
    QLinearGradient g(0, 0, 0, BarHeight);
    g.setColorAt(0, shade(c, 0.22));
    g.setColorAt(0.5, shade(c, -0.08));
    g.setColorAt(1, shade(c, -0.34));
    p.fillRect(r, g);
    const QLinearGradient gloss = vertical(1, BarHeight * 0.5, withAlpha(Qt::white, 0.2), withAlpha(Qt::white, 0.04));
    p.fillRect(QRectF(r.left(), 1, r.width(), BarHeight * 0.5 - 1), gloss);
    p.fillRect(QRectF(r.left(), 0, r.width(), 1), shade(c, 0.45));
    p.fillRect(QRectF(r.left(), BarHeight - 1, r.width(), 1), shade(c, -0.6));
}

// The wave from the user zone into the bar's body, starting at x.
void paintWave(QPainter& p, double x)
{
    QPainterPath zone;
    zone.moveTo(x, 0);
    zone.lineTo(x + 18, 0);
    zone.cubicTo(x + 34, 0, x + 30, BarHeight, x + 46, BarHeight);
    zone.lineTo(x, BarHeight);
    zone.closeSubpath();
    p.save();
    p.setClipPath(zone);
    paintUserZone(p, QRectF(x, 0, 64, BarHeight));
    p.restore();

    QPainterPath edge;
    edge.moveTo(x + 18, 0);
    edge.cubicTo(x + 34, 0, x + 30, BarHeight, x + 46, BarHeight);
    QPainterPathStroker stroker;
    stroker.setWidth(2);
    softShadow(p, stroker.createStroke(edge), withAlpha(colour::Cyan, 0.8), 2);
    p.strokePath(edge, QPen(colour::Cyan, 1.6));
    QPainterPath echo;
    echo.moveTo(x + 26, 0);
    echo.cubicTo(x + 42, 0, x + 38, BarHeight, x + 54, BarHeight);
    p.strokePath(echo, QPen(withAlpha(Qt::white, 0.16), 1));
}

QColor barColour(int style)
{
    static const QColor colours[] = {colour::Blue, QColor(21, 151, 165), QColor(46, 158, 91),
                                     QColor(106, 85, 194), QColor(224, 123, 36), QColor(74, 85, 99)};
    return colours[style % 6];
}

QImage styledBar(int style, bool withUserZone)
{
    const QColor c = barColour(style);
    QImage img = canvas(1024, BarHeight);
    QPainter p(&img);
    prepare(p);
    paintBarBody(p, QRectF(0, 0, 1024, BarHeight), c);
    // Soft light over the right half.
    for (const auto& [cx, cy, r] : {std::tuple{720.0, -20.0, 260.0}, std::tuple{930.0, 70.0, 170.0}}) {
        QRadialGradient light(cx, cy, r);
        light.setColorAt(0, withAlpha(Qt::white, 0.16));
        light.setColorAt(1, withAlpha(Qt::white, 0));
        p.fillRect(QRectF(0, 1, 1024, BarHeight - 2), light);
    }
    if (withUserZone) {
        // An emblem, then the figure's zone from 105 and the wave at 330.
        QPainterPath ring;
        ring.addEllipse(QPointF(52, 25), 15, 15);
        softShadow(p, ring, withAlpha(colour::NavyDeep, 0.5), 2, 0, 1);
        p.strokePath(ring, QPen(withAlpha(Qt::white, 0.9), 3.2));
        QPainterPath core;
        core.addEllipse(QPointF(52, 25), 6, 6);
        p.fillPath(core, colour::Cyan);
        paintUserZone(p, QRectF(105, 0, 225, BarHeight));
        paintWave(p, 330);
        p.fillRect(QRectF(105, 0, 1, BarHeight), withAlpha(colour::Cyan, 0.6));
    }
    return img;
}

QImage barPiece(const QString& name)
{
    if (name == u"BELKA_BODY") {
        QImage img = canvas(8, BarHeight);
        QPainter p(&img);
        paintBarBody(p, QRectF(0, 0, 8, BarHeight), colour::Blue);
        return img;
    }
    if (name == u"BELKA_BODY2") {
        QImage img = canvas(4, BarHeight);
        QPainter p(&img);
        paintUserZone(p, QRectF(0, 0, 4, BarHeight));
        return img;
    }
    QImage img = canvas(64, BarHeight); // BELKA_FALA
    QPainter p(&img);
    prepare(p);
    paintWave(p, 0);
    return img;
}

// Dialog frames: the whole frame is drawn once (6-pixel corners, a 64-pixel
// middle whose vertical gradient the stretched pieces keep) and cut up.
constexpr int Corner = 6;
constexpr int MiddleH = 64;
constexpr int FrameW = 2 * Corner + 12;
constexpr int FrameH = 2 * Corner + MiddleH;

QImage dialogFrame(bool blue)
{
    QImage img = canvas(FrameW, FrameH);
    QPainter p(&img);
    prepare(p);
    const QPainterPath shape = rounded(QRectF(0.5, 0.5, FrameW - 1, FrameH - 1), Corner);
    const QLinearGradient body = vertical(Corner, FrameH - Corner, blue ? QColor(32, 96, 170) : colour::White, blue ? QColor(15, 60, 114) : QColor(236, 242, 249));
    p.fillPath(shape, body);
    const QPainterPath inner = rounded(QRectF(1.5, 1.5, FrameW - 3, FrameH - 3), Corner - 1);
    p.strokePath(inner, QPen(withAlpha(Qt::white, blue ? 0.22 : 0.9), 1));
    p.strokePath(shape, QPen(blue ? QColor(9, 33, 64) : QColor(163, 185, 210), 1));
    return img;
}

QImage dialogPiece(int piece, bool blue)
{
    const QImage frame = dialogFrame(blue);
    const int col = (piece - 1) % 3, row = (piece - 1) / 3;
    const int xs[] = {0, Corner + 4, FrameW - Corner};
    const int ws[] = {Corner, 4, Corner};
    const int ys[] = {0, Corner, Corner + MiddleH};
    const int hs[] = {Corner, MiddleH, Corner};
    return crop(frame, QRect(xs[col], ys[row], ws[col], hs[row]));
}

// The dialog bar, stretched over the frame's width (39 or 59 high).
QImage dialogBar(bool blue)
{
    const int h = 39;
    QImage img = canvas(8, h);
    QPainter p(&img);
    const QLinearGradient g = vertical(0, h, blue ? QColor(17, 52, 92) : QColor(250, 252, 255), blue ? QColor(9, 33, 62) : QColor(225, 234, 244));
    p.fillRect(QRectF(0, 0, 8, h), g);
    const QLinearGradient gloss = vertical(0, h * 0.5, withAlpha(Qt::white, blue ? 0.12 : 0.6), withAlpha(Qt::white, 0.0));
    p.fillRect(QRectF(0, 0, 8, h * 0.5), gloss);
    p.fillRect(QRectF(0, h - 3, 8, 1), blue ? withAlpha(colour::Cyan, 0.8) : withAlpha(colour::Blue, 0.6));
    p.fillRect(QRectF(0, h - 2, 8, 2), blue ? withAlpha(Qt::black, 0.28) : QColor(206, 218, 232));
    return img;
}

// Small round icons for the dialog bars (24 × 24).
QImage dialogIcon(int index)
{
    QImage img = canvas(24, 24);
    QPainter p(&img);
    prepare(p);
    paintFace(p, QRectF(1, 1, 22, 22), 11, {QColor(58, 196, 240), QColor(8, 128, 190), QColor(5, 84, 130), 0.45, {}, false});
    const QRectF box(5, 5, 14, 14);
    switch (index % 6) {
    case 0: glyph::user(p, box, colour::White); break;
    case 1: glyph::lock(p, box, colour::White); break;
    case 2: glyph::gear(p, box, colour::White); break;
    case 3: glyph::info(p, box, colour::White); break;
    case 4: glyph::question(p, box, colour::White, 2.2); break;
    default: glyph::book(p, box, colour::White); break;
    }
    return img;
}

// Message icons (64 × 64): glossy round badges and a warning triangle.
QImage messageIcon(const QString& kind)
{
    QImage img = canvas(64, 64);
    QPainter p(&img);
    prepare(p);
    const QRectF disc(4, 3, 56, 56);
    const QRectF box(14, 13, 36, 36);
    if (kind == u"EXCLAMATION") {
        QPainterPath tri;
        tri.moveTo(32, 7);
        tri.lineTo(59, 55);
        tri.lineTo(5, 55);
        tri.closeSubpath();
        QPainterPathStroker round;
        round.setWidth(8);
        round.setJoinStyle(Qt::RoundJoin);
        const QPainterPath shape = tri.united(round.createStroke(tri)).simplified();
        softShadow(p, shape, withAlpha(colour::Navy, 0.45), 2, 0, 2);
        const QLinearGradient g = vertical(3, 59, QColor(255, 211, 98), QColor(236, 132, 0));
        p.fillPath(shape, g);
        gloss(p, shape, QRectF(0, 3, 64, 31), 0.55, 0.05);
        p.strokePath(shape, QPen(QColor(178, 98, 0), 1));
        glyph::exclamation(p, QRectF(14, 18, 36, 36), QColor(92, 52, 0));
        return img;
    }
    QPainterPath circle;
    circle.addEllipse(disc);
    softShadow(p, circle, withAlpha(colour::Navy, 0.45), 2, 0, 2);
    QColor base = kind == u"ERROR" ? QColor(214, 58, 52) : kind == u"QUESTION" ? QColor(44, 124, 214) : QColor(16, 150, 214);
    paintFace(p, disc, 28, faceFor(base, 'N'));
    p.strokePath(rounded(disc.adjusted(2.5, 2.5, -2.5, -2.5), 25.5), QPen(withAlpha(Qt::white, 0.55), 1.5));
    if (kind == u"ERROR")
        glyph::cross(p, box, colour::White, 6.5);
    else if (kind == u"QUESTION")
        glyph::question(p, box, colour::White, 6);
    else
        glyph::info(p, box, colour::White);
    return img;
}

} // namespace

std::optional<QImage> DrawChromePicture(const QString& name)
{
    static const QRegularExpression style(QStringLiteral("^BELKA_BODY_(NEW_)?STYLE_([0-5])$"));
    static const QRegularExpression dial(QStringLiteral("^DIAL0([1-9])_([BW])$"));
    static const QRegularExpression dialBar(QStringLiteral("^DIAL_BELKA_([BW])$"));
    static const QRegularExpression dialIcon(QStringLiteral("^DIAL_ICO_(\\d+)$"));
    static const QRegularExpression msg(QStringLiteral("^MSG_ICON_(ERROR|QUESTION|INFORMATION|EXCLAMATION)$"));

    if (name == u"BELKA_BODY" || name == u"BELKA_BODY2" || name == u"BELKA_FALA")
        return barPiece(name);
    if (const auto m = style.match(name); m.hasMatch())
        return styledBar(m.captured(2).toInt(), !m.captured(1).isEmpty());
    if (const auto m = dial.match(name); m.hasMatch())
        return dialogPiece(m.captured(1).toInt(), m.captured(2) == u"B");
    if (const auto m = dialBar.match(name); m.hasMatch())
        return dialogBar(m.captured(1) == u"B");
    if (const auto m = dialIcon.match(name); m.hasMatch())
        return dialogIcon(m.captured(1).toInt());
    if (const auto m = msg.match(name); m.hasMatch())
        return messageIcon(m.captured(1));
    return std::nullopt;
}
