// The result panel and its charts, the statistics notebook and the speech bubble.
#include "ArtFamilies.h"
#include "SkinStyle.h"

#include <QRadialGradient>
#include <QPainterPathStroker>
#include <QRegularExpression>

#include <cmath>

using namespace art;

namespace {

const QColor ResultGreen(0, 154, 43);

// The result panel background, 259 × 90, opaque.
QImage resultBackground()
{
    const int w = 259, h = 90;
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    const QLinearGradient g = vertical(0, h, colour::White, QColor(228, 239, 250));
    p.fillRect(QRect(0, 0, w, h), g);
    QRadialGradient halo(147, 36, 44);
    halo.setColorAt(0, withAlpha(Qt::white, 1));
    halo.setColorAt(1, withAlpha(Qt::white, 0));
    p.fillRect(QRect(0, 0, w, h), halo);
    const QLinearGradient accent = vertical(0, h, colour::Sky, colour::DeepBlue);
    p.fillRect(QRectF(1, 1, 4, h - 2), accent);
    p.setPen(QPen(withAlpha(Qt::white, 0.9), 1));
    p.drawLine(QPointF(5.5, 1.5), QPointF(w - 1.5, 1.5));
    p.setPen(QPen(QColor(169, 198, 230), 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(QRect(0, 0, w - 1, h - 1));
    return img;
}

// A ring chart of `percent`, 68 × 68, transparent around the ring.
QImage resultChart(int percent)
{
    const int size = 68;
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    const QPointF centre(34, 34);
    const double radius = 26.5, width = 9;
    const QRectF arcBox(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);

    QPainterPath outer;
    outer.addEllipse(centre, radius + width / 2 + 1, radius + width / 2 + 1);
    softShadow(p, outer, withAlpha(colour::Navy, 0.22), 2, 0, 1);
    QPainterPath track;
    track.addEllipse(arcBox);
    p.strokePath(track, QPen(QColor(214, 227, 242), width));
    p.strokePath(track, QPen(withAlpha(colour::Navy, 0.08), 1.2));

    if (percent > 0) {
        QPen pen(Qt::NoPen);
        pen.setWidthF(width);
        pen.setCapStyle(Qt::RoundCap);
        if (percent >= 100) {
            const QLinearGradient g = vertical(4, 64, QColor(60, 200, 100), ResultGreen);
            pen.setBrush(g);
            QPainterPath ring;
            ring.addEllipse(arcBox);
            QPainterPathStroker stroker;
            stroker.setWidth(width);
            softShadow(p, stroker.createStroke(ring), withAlpha(QColor(60, 200, 100), 0.7), 2);
            pen.setStyle(Qt::SolidLine);
            p.strokePath(ring, pen);
        } else {
            // Clockwise from the top, cyan turning green, in short flat
            // segments (a conical gradient would show its seam at the top),
            // with round ends.
            const double sweep = 3.6 * percent;
            const int steps = std::max(2, int(sweep / 2));
            // The colour follows the position on the whole ring: a short arc stays cyan.
            auto colourAt = [percent](double t) { return mix(colour::Cyan, ResultGreen, t * percent / 100.0); };
            for (int i = 0; i < steps; ++i) {
                const double a0 = 90 - sweep * i / steps;
                const double span = -(sweep / steps) * (i + 1 < steps ? 1.4 : 1.0);
                QPainterPath seg;
                seg.arcMoveTo(arcBox, a0);
                seg.arcTo(arcBox, a0, span);
                QPen flat(colourAt((i + 0.5) / steps), width);
                flat.setCapStyle(Qt::FlatCap);
                p.strokePath(seg, flat);
            }
            for (const auto& [angle, t] : {std::pair{90.0, 0.0}, std::pair{90 - sweep, 1.0}}) {
                const double rad = angle * M_PI / 180;
                QPainterPath cap;
                cap.addEllipse(QPointF(centre.x() + radius * std::cos(rad), centre.y() - radius * std::sin(rad)),
                               width / 2, width / 2);
                p.fillPath(cap, colourAt(t));
            }
        }
    }
    // The glossy centre.
    QPainterPath centreDisc;
    centreDisc.addEllipse(centre, radius - width / 2 - 2, radius - width / 2 - 2);
    const QLinearGradient face = vertical(14, 54, colour::White, QColor(226, 237, 248));
    p.fillPath(centreDisc, face);
    p.strokePath(centreDisc, QPen(withAlpha(colour::Navy, 0.12), 1));
    QPainterPath shine;
    shine.addEllipse(QRectF(24, 16, 20, 9));
    p.fillPath(shine, withAlpha(Qt::white, 0.8));
    return img;
}

QImage notebookSeparator()
{
    QImage img = canvas(155, 6);
    QPainter p(&img);
    QLinearGradient line(0, 0, 155, 0);
    line.setColorAt(0, withAlpha(QColor(122, 152, 186), 0));
    line.setColorAt(0.15, QColor(122, 152, 186));
    line.setColorAt(0.85, QColor(122, 152, 186));
    line.setColorAt(1, withAlpha(QColor(122, 152, 186), 0));
    p.fillRect(QRectF(0, 2, 155, 1), line);
    p.fillRect(QRectF(0, 3, 155, 1), fade({0, 0}, {155, 0}, withAlpha(Qt::white, 0.95)));
    return img;
}

QImage notebookIcon(const QString& kind)
{
    QImage img = canvas(22, 22);
    QPainter p(&img);
    prepare(p);
    const QColor base = kind == u"OK" ? colour::Green : kind == u"BAD" ? colour::Red : colour::Blue;
    QPainterPath disc;
    disc.addEllipse(QRectF(1.5, 1, 19, 19));
    softShadow(p, disc, withAlpha(colour::Navy, 0.35), 1, 0, 1);
    paintFace(p, QRectF(1.5, 1, 19, 19), 9.5, faceFor(base, 'N'));
    const QRectF box(3, 2.5, 16, 16);
    if (kind == u"OK")
        glyph::check(p, box, colour::White, 2.4);
    else if (kind == u"BAD")
        glyph::cross(p, box, colour::White, 2.4);
    else
        glyph::sigma(p, box, colour::White, 2);
    return img;
}

// The speech bubble, 332 wide: a 5-pixel top, a stretchable 8-pixel middle and
// an 18-pixel bottom whose tail points down at its left end.
QImage bubblePiece(int piece)
{
    const int w = 332, h = 31;
    QImage full = canvas(w, h);
    {
        QPainter p(&full);
        prepare(p);
        QPainterPath body = rounded(QRectF(0.5, 0.5, w - 1, 19), 5);
        QPainterPath tail;
        tail.moveTo(13, 18);
        tail.quadTo(12, 25, 4.5, 30.5);
        tail.quadTo(20, 27, 30, 18);
        tail.closeSubpath();
        const QPainterPath bubble = body.united(tail).simplified();
        p.fillPath(bubble, colour::White);
        p.strokePath(bubble, QPen(QColor(110, 164, 222), 1));
        p.fillRect(QRectF(1, 1.5, w - 2, 1), withAlpha(colour::Sky, 0.35));
    }
    switch (piece) {
    case 1: return crop(full, QRect(0, 0, w, 5));
    case 2: return crop(full, QRect(0, 5, w, 8));
    default: return crop(full, QRect(0, 13, w, 18));
    }
}

} // namespace

std::optional<QImage> DrawPanelPicture(const QString& name)
{
    static const QRegularExpression chart(QStringLiteral("^WYKRES_(00|05|[1-9][05]|100)$"));
    static const QRegularExpression notebook(QStringLiteral("^ZESZYT_(OK|BAD|XFA)$"));
    static const QRegularExpression bubble(QStringLiteral("^DYMEK_0([1-3])$"));

    if (name == u"WYKRES_BG")
        return resultBackground();
    if (const auto m = chart.match(name); m.hasMatch())
        return resultChart(m.captured(1).toInt());
    if (name == u"ZESZYT_SEP")
        return notebookSeparator();
    if (const auto m = notebook.match(name); m.hasMatch())
        return notebookIcon(m.captured(1));
    if (const auto m = bubble.match(name); m.hasMatch())
        return bubblePiece(m.captured(1).toInt());
    return std::nullopt;
}
