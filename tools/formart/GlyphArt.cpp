// The navigation form's glyphs (white on the blue faces and the dark title
// bar, coloured badges for right and wrong) and the help window's pictures.
#include "FormArtFamilies.h"
#include "FormGlyphs.h"
#include "SkinStyle.h"

#include <QHash>
#include <QPainterPathStroker>

#include <functional>

using namespace art;
using glyph::at;
using glyph::dot;
using glyph::polyline;
using glyph::roundPen;

namespace {

using Ink = std::function<void(QPainter&, const QRectF&, const QColor&)>;

// A glyph in `ink` over a soft navy shadow one pixel lower, so that it reads
// on light and dark faces alike.
QImage shadowed(int w, int h, const QColor& ink, const Ink& draw)
{
    QImage img = canvas(w, h);
    QImage shape = canvas(w, h);
    {
        QPainter p(&shape);
        prepare(p);
        draw(p, QRectF(0, 0, w, h), Qt::black);
    }
    QPainter p(&img);
    prepare(p);
    QImage shadow = shape;
    {
        QPainter s(&shadow);
        s.setCompositionMode(QPainter::CompositionMode_SourceIn);
        s.fillRect(shadow.rect(), withAlpha(colour::NavyDeep, 0.55));
    }
    p.drawImage(QPointF(0, 1), blurred(shadow, 1));
    draw(p, QRectF(0, 0, w, h), ink);
    return img;
}

// A round glossy badge in `base` with a white glyph inside.
QImage badge(int size, const QColor& base, const Ink& draw)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    const QRectF disc(1.5, 1, size - 3, size - 3);
    QPainterPath circle;
    circle.addEllipse(disc);
    softShadow(p, circle, withAlpha(colour::Navy, 0.45), 1, 0, 1);
    paintFace(p, disc, disc.width() / 2, faceFor(base, 'N'));
    draw(p, disc.adjusted(disc.width() * 0.18, disc.height() * 0.18, -disc.width() * 0.18, -disc.height() * 0.18),
         colour::White);
    return img;
}

void microphone(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath head;
    head.addRoundedRect(QRectF(at(b, 0.38, 0.12), at(b, 0.62, 0.56)), b.width() * 0.12, b.width() * 0.12);
    p.fillPath(head, c);
    QPainterPath cradle;
    const QRectF arc(at(b, 0.27, 0.3), at(b, 0.73, 0.68));
    cradle.arcMoveTo(arc, 180);
    cradle.arcTo(arc, 180, 180);
    p.strokePath(cradle, roundPen(c, b.width() * 0.07));
    polyline(p, b, {{0.5, 0.68}, {0.5, 0.82}}, c, b.width() * 0.07);
    polyline(p, b, {{0.36, 0.84}, {0.64, 0.84}}, c, b.width() * 0.07);
}

void film(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath body;
    body.addRoundedRect(QRectF(at(b, 0.12, 0.3), at(b, 0.64, 0.72)), b.width() * 0.06, b.width() * 0.06);
    p.fillPath(body, c);
    const QPainterPath lens = glyph::polygon(b, {{0.66, 0.46}, {0.88, 0.32}, {0.88, 0.7}, {0.66, 0.56}});
    p.fillPath(lens, c);
}

void printer(QPainter& p, const QRectF& b, const QColor& c)
{
    const double w = b.width() * 0.07;
    QPainterPath paper;
    paper.addRect(QRectF(at(b, 0.3, 0.14), at(b, 0.7, 0.36)));
    p.strokePath(paper, roundPen(c, w));
    QPainterPath body;
    body.addRoundedRect(QRectF(at(b, 0.12, 0.36), at(b, 0.88, 0.7)), b.width() * 0.06, b.width() * 0.06);
    QPainterPath slot;
    slot.addRect(QRectF(at(b, 0.26, 0.56), at(b, 0.74, 0.86)));
    p.fillPath(body.subtracted(slot), c);
    QPainterPath sheet;
    sheet.addRect(QRectF(at(b, 0.32, 0.6), at(b, 0.68, 0.86)));
    p.strokePath(sheet, roundPen(c, w));
    dot(p, b, 0.78, 0.45, 0.035, withAlpha(colour::Cyan, 1));
}

void waveform(QPainter& p, const QRectF& b, const QColor& c)
{
    const double heights[] = {0.16, 0.36, 0.6, 0.3, 0.5, 0.22, 0.12};
    for (int i = 0; i < 7; ++i) {
        const double x = 0.16 + i * 0.113;
        polyline(p, b, {{x, 0.5 - heights[i] / 2}, {x, 0.5 + heights[i] / 2}}, c, b.width() * 0.07);
    }
}

void redo(QPainter& p, const QRectF& b, const QColor& c)
{
    QPainterPath arc;
    const QRectF r(at(b, 0.2, 0.2), at(b, 0.8, 0.8));
    arc.arcMoveTo(r, 60);
    arc.arcTo(r, 60, 270);
    p.strokePath(arc, roundPen(c, b.width() * 0.09));
    // The arrow head at the end of the arc.
    QPainterPath head;
    const QPointF tip = at(b, 0.66, 0.2);
    head.moveTo(tip + QPointF(b.width() * 0.16, b.height() * 0.02));
    head.lineTo(tip + QPointF(-b.width() * 0.06, -b.height() * 0.12));
    head.lineTo(tip + QPointF(-b.width() * 0.02, b.height() * 0.16));
    head.closeSubpath();
    p.fillPath(head, c);
}

void ringed(QPainter& p, const QRectF& b, const QColor& c, const Ink& inner)
{
    QPainterPath ring;
    ring.addEllipse(b.adjusted(b.width() * 0.08, b.height() * 0.08, -b.width() * 0.08, -b.height() * 0.08));
    p.strokePath(ring, roundPen(c, b.width() * 0.07));
    inner(p, b.adjusted(b.width() * 0.16, b.height() * 0.16, -b.width() * 0.16, -b.height() * 0.16), c);
}

// The close and minimise glyphs of the navigation bar: 18 × 18, light on the
// bar, a red (close) or cyan (minimise) disc while hot and pressed.
QImage windowGlyph(bool close, char state)
{
    QImage img = canvas(18, 18);
    QPainter p(&img);
    prepare(p);
    const QRectF box(0, 0, 18, 18);
    if (state != 'N') {
        QPainterPath disc;
        disc.addEllipse(QRectF(1, 1, 16, 16));
        const QColor base = close ? colour::Red : colour::Blue;
        paintFace(p, QRectF(1, 1, 16, 16), 8, faceFor(base, state == 'H' ? 'H' : 'P'));
    }
    const QColor ink = state == 'N' ? QColor(205, 220, 236) : colour::White;
    if (close)
        glyph::cross(p, box.adjusted(1, 1, -1, -1), ink, 2.2);
    else
        polyline(p, box, {{0.3, 0.66}, {0.7, 0.66}}, ink, 2.4);
    return img;
}

// The help window's own picture: an open book on a glossy blue tile with a
// question badge.
QImage helpPicture()
{
    QImage img = canvas(128, 128);
    QPainter p(&img);
    prepare(p);
    const QRectF tile(10, 8, 108, 108);
    const QPainterPath shape = rounded(tile, 22);
    softShadow(p, shape, withAlpha(colour::Navy, 0.5), 5, 0, 4);
    paintFace(p, tile, 22, faceFor(colour::Blue, 'N'));
    glyph::book(p, QRectF(22, 26, 84, 76), colour::White);
    const QRectF disc(78, 6, 40, 40);
    QPainterPath badgeShape;
    badgeShape.addEllipse(disc);
    softShadow(p, badgeShape, withAlpha(colour::Navy, 0.45), 2, 0, 2);
    paintFace(p, disc, 20, faceFor(colour::Amber, 'N'));
    glyph::question(p, disc.adjusted(8, 8, -8, -8), colour::White, 3.2);
    return img;
}

// The empty field of a gap: a white box with a soft blue border and a faint
// line along its bottom, where the word will be typed.
QImage gapField()
{
    QImage img = canvas(93, 21);
    QPainter p(&img);
    prepare(p);
    const QRectF box(0.5, 0.5, 92, 20);
    p.setPen(QPen(mix(colour::Sky, colour::Grey, 0.35), 1));
    p.setBrush(colour::White);
    p.drawPath(rounded(box, 3));
    p.setPen(QPen(withAlpha(colour::Blue, 0.35), 1));
    p.drawLine(QPointF(6, 16.5), QPointF(87, 16.5));
    return img;
}

} // namespace

std::optional<QImage> DrawGlyphPicture(const QString& name)
{
    const QColor white = colour::White;
    static const QHash<QString, std::function<QImage()>> glyphs = {
        {QStringLiteral("IMG_Sprawdz"),
         [=] { return shadowed(24, 24, white, [](QPainter& p, const QRectF& b, const QColor& c) { glyph::check(p, b, c, 3.2); }); }},
        {QStringLiteral("IMG_JeszczeRaz"), [=] { return shadowed(24, 24, white, redo); }},
        {QStringLiteral("IMG_Zle"),
         [] { return badge(24, colour::Red, [](QPainter& p, const QRectF& b, const QColor& c) { glyph::cross(p, b, c, 2.6); }); }},
        {QStringLiteral("IMG_OK"),
         [] { return badge(24, colour::Green, [](QPainter& p, const QRectF& b, const QColor& c) { glyph::check(p, b, c, 2.6); }); }},
        {QStringLiteral("IMG_Video"), [=] { return shadowed(24, 24, white, film); }},
        {QStringLiteral("IMG_Glosnik"),
         [=] {
             return shadowed(24, 24, white, [](QPainter& p, const QRectF& b, const QColor& c) {
                 formglyph::speaker(p, b, c, b.width() * 0.075);
             });
         }},
        {QStringLiteral("IMG_Info"), [] { return badge(24, colour::Blue, glyph::info); }},
        {QStringLiteral("IMG_Help"),
         [=] {
             return shadowed(28, 28, white, [](QPainter& p, const QRectF& b, const QColor& c) {
                 ringed(p, b, c, [](QPainter& q, const QRectF& r, const QColor& k) { glyph::question(q, r, k, 2.2); });
             });
         }},
        {QStringLiteral("IMG_Wroc"),
         [=] {
             return shadowed(28, 28, white, [](QPainter& p, const QRectF& b, const QColor& c) {
                 ringed(p, b, c, [](QPainter& q, const QRectF& r, const QColor& k) { glyph::arrow(q, r, k, 2.4, false); });
             });
         }},
        {QStringLiteral("IMG_Slownik"), [=] { return shadowed(28, 28, white, glyph::book); }},
        {QStringLiteral("IMG_Drukuj"), [=] { return shadowed(24, 24, white, printer); }},
        {QStringLiteral("IMG_Mikrofon1"), [=] { return shadowed(24, 24, white, microphone); }},
        {QStringLiteral("IMG_Mikrofon2"), [] { return shadowed(24, 24, QColor(255, 92, 92), microphone); }},
        {QStringLiteral("IMG_Analizator"), [=] { return shadowed(24, 24, white, waveform); }},
        {QStringLiteral("IMG_Close_N"), [] { return windowGlyph(true, 'N'); }},
        {QStringLiteral("IMG_Close_H"), [] { return windowGlyph(true, 'H'); }},
        {QStringLiteral("IMG_Close_D"), [] { return windowGlyph(true, 'D'); }},
        {QStringLiteral("IMG_Min_N"), [] { return windowGlyph(false, 'N'); }},
        {QStringLiteral("IMG_Min_H"), [] { return windowGlyph(false, 'H'); }},
        {QStringLiteral("IMG_Min_D"), [] { return windowGlyph(false, 'D'); }},
        {QStringLiteral("IMG_Pole"), gapField},
        {QStringLiteral("Pomoc_Image2"), helpPicture},
        {QStringLiteral("Pomoc_btnWroc"),
         [=] { return shadowed(32, 32, white, [](QPainter& p, const QRectF& b, const QColor& c) { glyph::arrow(p, b, c, 3.6, false); }); }},
    };
    const auto it = glyphs.constFind(name);
    if (it == glyphs.constEnd())
        return std::nullopt;
    return (*it)();
}
