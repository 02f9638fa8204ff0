#include "SkinStyle.h"

#include <QLinearGradient>

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

QColor FigureColour(int position)
{
    static const QColor colours[] = {
        QColor(47, 127, 214), // blue
        QColor(46, 173, 91),  // green
        QColor(243, 156, 18), // orange
        QColor(224, 80, 106), // rose
        QColor(142, 92, 196), // violet
        QColor(23, 162, 184), // teal
    };
    return colours[std::clamp(position, 0, 5)];
}

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    auto lerp = [t](double x, double y) { return x + (y - x) * t; };
    return QColor::fromRgbF(float(lerp(a.redF(), b.redF())), float(lerp(a.greenF(), b.greenF())),
                            float(lerp(a.blueF(), b.blueF())), float(lerp(a.alphaF(), b.alphaF())));
}

QColor shade(const QColor& c, double amount)
{
    QColor target = amount >= 0 ? QColor(255, 255, 255, c.alpha()) : QColor(0, 0, 0, c.alpha());
    return mix(c, target, std::abs(amount));
}

QColor withAlpha(const QColor& c, double alpha)
{
    QColor r = c;
    r.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return r;
}

QPainterPath rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

QLinearGradient vertical(double y0, double y1, const QColor& c0, const QColor& c1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, c0);
    g.setColorAt(1, c1);
    return g;
}

QLinearGradient fade(const QPointF& a, const QPointF& b, const QColor& c)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, withAlpha(c, 0));
    g.setColorAt(0.5, c);
    g.setColorAt(1, withAlpha(c, 0));
    return g;
}

void gloss(QPainter& p, const QPainterPath& shape, const QRectF& band, double top, double bottom)
{
    p.save();
    p.setClipPath(shape);
    p.fillRect(band, vertical(band.top(), band.bottom(), withAlpha(Qt::white, top), withAlpha(Qt::white, bottom)));
    p.restore();
}

Face faceFor(const QColor& base, char state)
{
    switch (state) {
    case 'H':
        return {shade(base, 0.42), shade(base, 0.02), shade(base, -0.38), 0.55, withAlpha(colour::Cyan, 0.55), false};
    case 'P':
        return {shade(base, -0.28), shade(base, 0.06), shade(base, -0.55), 0.18, {}, true};
    case 'D': {
        const QColor grey = mix(base, colour::Grey, 0.82);
        return {shade(grey, 0.22), shade(grey, -0.06), shade(grey, -0.32), 0.25, {}, false};
    }
    default:
        return {shade(base, 0.28), shade(base, -0.12), shade(base, -0.45), 0.5, {}, false};
    }
}

void paintFace(QPainter& p, const QRectF& r, double radius, const Face& f)
{
    p.save();
    prepare(p);
    const QPainterPath shape = rounded(r.adjusted(0.5, 0.5, -0.5, -0.5), radius);

    const QLinearGradient body = vertical(r.top(), r.bottom(), f.top, f.bottom);
    p.fillPath(shape, body);

    p.setClipPath(shape);
    // The highlight over the upper half, with a crisp lower edge.
    const QRectF gloss(r.left() + 1, r.top() + 1, r.width() - 2, r.height() * 0.48);
    const QLinearGradient g = vertical(gloss.top(), gloss.bottom(), withAlpha(Qt::white, f.gloss), withAlpha(Qt::white, f.gloss * 0.22));
    p.fillPath(rounded(gloss, std::max(0.0, radius - 1)), g);
    if (f.glow.isValid()) {
        const QLinearGradient glow = vertical(r.bottom(), r.top() + r.height() * 0.45, f.glow, withAlpha(f.glow, 0));
        p.fillRect(r, glow);
    }
    if (f.pressed) {
        const QLinearGradient inner = vertical(r.top(), r.top() + std::min(8.0, r.height() * 0.35), withAlpha(Qt::black, 0.28), withAlpha(Qt::black, 0));
        p.fillRect(r, inner);
    }
    p.setClipping(false);

    QLinearGradient rim(0, r.top(), 0, r.bottom());
    rim.setColorAt(0, withAlpha(Qt::white, f.pressed ? 0.10 : 0.50));
    rim.setColorAt(0.5, withAlpha(Qt::white, 0.08));
    rim.setColorAt(1, withAlpha(Qt::white, 0.22));
    if (r.width() > 4 && r.height() > 4)
        p.strokePath(rounded(r.adjusted(1.5, 1.5, -1.5, -1.5), std::max(0.0, radius - 1.5)), QPen(QBrush(rim), 1));
    p.strokePath(shape, QPen(f.border, 1));
    p.restore();
}

QImage blurred(const QImage& src, int radius)
{
    QImage img = src.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius < 1)
        return img;
    const int w = img.width(), h = img.height();
    std::vector<int> line(std::max(w, h) * 4);
    auto pass = [&](bool horizontal) {
        const int n = horizontal ? w : h;
        const int lines = horizontal ? h : w;
        for (int l = 0; l < lines; ++l) {
            auto px = [&](int i) -> QRgb& {
                return reinterpret_cast<QRgb*>(img.scanLine(horizontal ? l : i))[horizontal ? i : l];
            };
            for (int i = 0; i < n; ++i) {
                const QRgb c = px(i);
                line[4 * i] = qAlpha(c);
                line[4 * i + 1] = qRed(c);
                line[4 * i + 2] = qGreen(c);
                line[4 * i + 3] = qBlue(c);
            }
            const int span = 2 * radius + 1;
            for (int i = 0; i < n; ++i) {
                int s[4] = {0, 0, 0, 0};
                for (int k = i - radius; k <= i + radius; ++k) {
                    if (k < 0 || k >= n)
                        continue;
                    for (int ch = 0; ch < 4; ++ch)
                        s[ch] += line[4 * k + ch];
                }
                px(i) = qRgba(s[1] / span, s[2] / span, s[3] / span, s[0] / span);
            }
        }
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    return img;
}

void softShadow(QPainter& p, const QPainterPath& shape, const QColor& c, int radius, double dx, double dy)
{
    const QRectF b = shape.boundingRect().adjusted(-3 * radius - 1, -3 * radius - 1, 3 * radius + 1, 3 * radius + 1);
    const QRect area = b.toAlignedRect();
    QImage layer = canvas(area.width(), area.height());
    {
        QPainter lp(&layer);
        prepare(lp);
        lp.translate(-area.topLeft());
        lp.fillPath(shape, c);
    }
    p.drawImage(QPointF(area.left() + dx, area.top() + dy), blurred(layer, radius));
}

QImage crop(const QImage& src, const QRect& r)
{
    return src.copy(r);
}

namespace glyph {

QPointF at(const QRectF& b, double x, double y)
{
    return {b.left() + x * b.width(), b.top() + y * b.height()};
}

QPen roundPen(const QColor& c, double width)
{
    QPen pen(c, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void polyline(QPainter& p, const QRectF& b, std::initializer_list<QPointF> pts, const QColor& c, double width)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        const QPointF q = at(b, pt.x(), pt.y());
        if (first)
            path.moveTo(q);
        else
            path.lineTo(q);
        first = false;
    }
    p.strokePath(path, roundPen(c, width));
}

QPainterPath polygon(const QRectF& b, std::initializer_list<QPointF> pts)
{
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : pts) {
        if (first)
            path.moveTo(at(b, pt.x(), pt.y()));
        else
            path.lineTo(at(b, pt.x(), pt.y()));
        first = false;
    }
    path.closeSubpath();
    return path;
}

void dot(QPainter& p, const QRectF& b, double x, double y, double r, const QColor& c)
{
    const double rr = r * std::min(b.width(), b.height());
    QPainterPath path;
    path.addEllipse(at(b, x, y), rr, rr);
    p.fillPath(path, c);
}

void check(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    polyline(p, b, {{0.2, 0.54}, {0.42, 0.75}, {0.8, 0.3}}, c, w);
}

void cross(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    polyline(p, b, {{0.28, 0.28}, {0.72, 0.72}}, c, w);
    polyline(p, b, {{0.72, 0.28}, {0.28, 0.72}}, c, w);
}

void info(QPainter& p, const QRectF& b, const QColor& c)
{
    dot(p, b, 0.5, 0.25, 0.085, c);
    QPainterPath stem;
    stem.addRoundedRect(QRectF(at(b, 0.42, 0.4), at(b, 0.58, 0.8)), 0.04 * b.width(), 0.04 * b.width());
    p.fillPath(stem, c);
}

void exclamation(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath stem;
    stem.moveTo(at(b, 0.42, 0.2));
    stem.lineTo(at(b, 0.58, 0.2));
    stem.lineTo(at(b, 0.54, 0.62));
    stem.lineTo(at(b, 0.46, 0.62));
    stem.closeSubpath();
    p.fillPath(stem, c);
    p.strokePath(stem, roundPen(c, 0.04 * b.width()));
    dot(p, b, 0.5, 0.77, 0.075, c);
}

void question(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    QPainterPath path;
    const QRectF arc(at(b, 0.32, 0.17), at(b, 0.68, 0.53));
    path.arcMoveTo(arc, 165);
    path.arcTo(arc, 165, -225); // over the top and down the right side
    path.quadTo(at(b, 0.5, 0.55), at(b, 0.5, 0.63));
    p.strokePath(path, roundPen(c, w));
    dot(p, b, 0.5, 0.8, 0.075, c);
}

void chevron(QPainter& p, const QRectF& b, const QColor& c, double w, int direction)
{
    if (direction == 0)
        polyline(p, b, {{0.62, 0.22}, {0.36, 0.5}, {0.62, 0.78}}, c, w);
    else if (direction == 1)
        polyline(p, b, {{0.38, 0.22}, {0.64, 0.5}, {0.38, 0.78}}, c, w);
    else
        polyline(p, b, {{0.24, 0.38}, {0.5, 0.64}, {0.76, 0.38}}, c, w);
}

void arrow(QPainter& p, const QRectF& b, const QColor& c, double w, bool right)
{
    if (right) {
        polyline(p, b, {{0.24, 0.5}, {0.74, 0.5}}, c, w);
        polyline(p, b, {{0.52, 0.28}, {0.76, 0.5}, {0.52, 0.72}}, c, w);
    } else {
        polyline(p, b, {{0.76, 0.5}, {0.26, 0.5}}, c, w);
        polyline(p, b, {{0.48, 0.28}, {0.24, 0.5}, {0.48, 0.72}}, c, w);
    }
}

void list(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    for (double y : {0.3, 0.5, 0.7}) {
        dot(p, b, 0.27, y, 0.055, c);
        polyline(p, b, {{0.4, y}, {0.76, y}}, c, w);
    }
}

void user(QPainter& p, const QRectF& b, const QColor& c)
{
    dot(p, b, 0.5, 0.36, 0.17, c);
    QPainterPath body;
    body.moveTo(at(b, 0.18, 0.86));
    body.cubicTo(at(b, 0.2, 0.6), at(b, 0.8, 0.6), at(b, 0.82, 0.86));
    body.closeSubpath();
    p.fillPath(body, c);
}

void lock(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath shackle;
    const QRectF arc(at(b, 0.32, 0.16), at(b, 0.68, 0.56));
    shackle.moveTo(at(b, 0.32, 0.46));
    shackle.arcTo(arc, 180, -180);
    shackle.lineTo(at(b, 0.68, 0.46));
    p.strokePath(shackle, roundPen(c, 0.09 * b.width()));
    QPainterPath body;
    body.addRoundedRect(QRectF(at(b, 0.22, 0.44), at(b, 0.78, 0.84)), 0.06 * b.width(), 0.06 * b.width());
    p.fillPath(body, c);
}

void gear(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath g;
    const QPointF centre = at(b, 0.5, 0.5);
    const double outer = 0.36 * b.width(), inner = 0.27 * b.width();
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = (i - 0.5) * M_PI * 2 / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            g.moveTo(pt);
        else
            g.lineTo(pt);
    }
    g.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 0.11 * b.width(), 0.11 * b.width());
    p.fillPath(g.subtracted(hole), c);
}

void book(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath left, right;
    left.moveTo(at(b, 0.48, 0.3));
    left.cubicTo(at(b, 0.38, 0.22), at(b, 0.24, 0.22), at(b, 0.16, 0.26));
    left.lineTo(at(b, 0.16, 0.76));
    left.cubicTo(at(b, 0.24, 0.72), at(b, 0.38, 0.72), at(b, 0.48, 0.8));
    left.closeSubpath();
    right.moveTo(at(b, 0.52, 0.3));
    right.cubicTo(at(b, 0.62, 0.22), at(b, 0.76, 0.22), at(b, 0.84, 0.26));
    right.lineTo(at(b, 0.84, 0.76));
    right.cubicTo(at(b, 0.76, 0.72), at(b, 0.62, 0.72), at(b, 0.52, 0.8));
    right.closeSubpath();
    p.fillPath(left, c);
    p.fillPath(right, withAlpha(c, c.alphaF() * 0.8));
}

void sigma(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    polyline(p, b, {{0.7, 0.26}, {0.3, 0.26}, {0.54, 0.5}, {0.3, 0.74}, {0.7, 0.74}}, c, w);
}

} // namespace glyph

} // namespace art
