// The kind icons of the table of contents: a glossy tile per exercise kind
// (21 × 21) or container (24 × 24) with a white sign of what the learner does
// there. Program mode 2 ("Typ_g_") draws the same signs on squarer tiles in
// warmer colours.
#include "FormArtFamilies.h"
#include "FormGlyphs.h"
#include "SkinStyle.h"

#include <QRegularExpression>

using namespace art;
using glyph::at;
using glyph::dot;
using glyph::polyline;
using glyph::roundPen;

namespace {

const QColor Violet(142, 92, 196);
const QColor Teal(23, 162, 184);

// The tile colour of a kind's family; the grammar course (program mode 2)
// has a warmer set of its own.
QColor familyColour(const QString& suffix, bool grammar)
{
    const int kind = suffix.section(u'_', 0, 0).toInt();
    const QColor rose(224, 80, 106), orange(224, 123, 36);
    switch (kind) {
    case 8: case 52: return colour::Green;
    case 11: case 12: case 14: case 18: case 26: case 102: return grammar ? rose : Violet;
    case 21: case 22: case 24: case 103: return Teal;
    case 41: case 42: case 44: case 48: case 104: return grammar ? Violet : colour::Amber;
    case 0: return colour::Grey;
    default: return grammar ? orange : colour::Blue;
    }
}

void bubble(QPainter& p, const QRectF& b, const QColor& c, bool filled, double w)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(at(b, 0.1, 0.14), at(b, 0.9, 0.66)), b.width() * 0.14, b.width() * 0.14);
    const QPainterPath tail = glyph::polygon(b, {{0.28, 0.6}, {0.24, 0.88}, {0.5, 0.62}});
    path = path.united(tail);
    if (filled)
        p.fillPath(path, c);
    else
        p.strokePath(path, roundPen(c, w));
}

void grid(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    QPainterPath frame;
    frame.addRect(QRectF(at(b, 0.16, 0.2), at(b, 0.84, 0.8)));
    p.strokePath(frame, roundPen(c, w));
    polyline(p, b, {{0.16, 0.4}, {0.84, 0.4}}, c, w);
    polyline(p, b, {{0.16, 0.6}, {0.84, 0.6}}, c, w);
    polyline(p, b, {{0.5, 0.2}, {0.5, 0.8}}, c, w);
}

void blocks(QPainter& p, const QRectF& b, const QColor& c, int count)
{
    const double gap = 0.06, width = (0.76 - gap * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const double x = 0.12 + i * (width + gap);
        QPainterPath r;
        r.addRoundedRect(QRectF(at(b, x, 0.36 - (i % 2) * 0.06), at(b, x + width, 0.64 - (i % 2) * 0.06)), 1, 1);
        p.fillPath(r, c);
    }
}

void pencil(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    polyline(p, b, {{0.28, 0.72}, {0.72, 0.28}}, c, w * 1.6);
    const QPainterPath tip = glyph::polygon(b, {{0.22, 0.78}, {0.25, 0.64}, {0.36, 0.75}});
    p.fillPath(tip, c);
    polyline(p, b, {{0.5, 0.84}, {0.82, 0.84}}, c, w * 0.8);
}

void twoWays(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    polyline(p, b, {{0.2, 0.36}, {0.8, 0.36}}, c, w);
    polyline(p, b, {{0.66, 0.24}, {0.8, 0.36}, {0.66, 0.48}}, c, w);
    polyline(p, b, {{0.8, 0.64}, {0.2, 0.64}}, c, w);
    polyline(p, b, {{0.34, 0.52}, {0.2, 0.64}, {0.34, 0.76}}, c, w);
}

void eye(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    QPainterPath lid;
    lid.moveTo(at(b, 0.12, 0.5));
    lid.quadTo(at(b, 0.5, 0.12), at(b, 0.88, 0.5));
    lid.quadTo(at(b, 0.5, 0.88), at(b, 0.12, 0.5));
    p.strokePath(lid, roundPen(c, w));
    dot(p, b, 0.5, 0.5, 0.14, c);
}

void threePictures(QPainter& p, const QRectF& b, const QColor& c)
{
    for (int i = 0; i < 3; ++i) {
        const double x = 0.1 + i * 0.28;
        QPainterPath r;
        r.addRect(QRectF(at(b, x, 0.3), at(b, x + 0.22, 0.7)));
        p.fillPath(r, withAlpha(c, i == 1 ? 1.0 : 0.75));
    }
}

void dots(QPainter& p, const QRectF& b, const QColor& c, int count)
{
    for (int i = 0; i < count; ++i)
        dot(p, b, 0.5 + (i - (count - 1) / 2.0) * 0.2, 0.5, 0.08, c);
}

void package(QPainter& p, const QRectF& b, const QColor& c, double w, int variant)
{
    QPainterPath back, front;
    back.addRoundedRect(QRectF(at(b, 0.26, 0.16), at(b, 0.86, 0.66)), 1.5, 1.5);
    front.addRoundedRect(QRectF(at(b, 0.14, 0.32), at(b, 0.74, 0.84)), 1.5, 1.5);
    p.strokePath(back, roundPen(withAlpha(c, 0.8), w));
    p.fillPath(front, c);
    if (variant == 2)
        polyline(p, b, {{0.26, 0.58}, {0.62, 0.58}}, withAlpha(colour::Navy, 0.5), w);
}

// The sign of a kind (or container) in white inside `b`.
void sign(QPainter& p, const QRectF& b, const QString& suffix, const QColor& c)
{
    const double w = std::max(1.4, b.width() * 0.11);
    const int kind = suffix.section(u'_', 0, 0).toInt();
    switch (kind) {
    case 1: case 32: grid(p, b, c, w * 0.8); break;
    case 2: dot(p, b, 0.24, 0.3, 0.09, c); dot(p, b, 0.76, 0.7, 0.09, c); polyline(p, b, {{0.24, 0.3}, {0.76, 0.7}}, c, w); break;
    case 3: glyph::list(p, b, c, w); break;
    case 4: case 10: pencil(p, b, c, w); break;
    case 5: blocks(p, b, c, 2); polyline(p, b, {{0.2, 0.82}, {0.8, 0.82}}, c, w * 0.8); break;
    case 7: twoWays(p, b, c, w); break;
    case 8: threePictures(p, b, c); break;
    case 9: case 21: case 103: blocks(p, b, c, 3); break;
    case 11: bubble(p, b, c, true, w); break;
    case 12: bubble(p, b, c, false, w); dots(p, QRectF(at(b, 0, -0.1), b.size()), c, 2); break;
    case 14: bubble(p, b, c, false, w); glyph::check(p, QRectF(at(b, 0.2, 0.02), b.size() * 0.6), c, w); break;
    case 18: bubble(p, b, c, false, w); polyline(p, b, {{0.3, 0.4}, {0.7, 0.4}}, c, w * 0.8); break;
    case 26: case 102:
        bubble(p, QRectF(at(b, 0, 0), b.size() * 0.7), c, true, w);
        bubble(p, QRectF(at(b, 0.3, 0.3), b.size() * 0.7), withAlpha(c, 0.75), true, w);
        break;
    case 22: formglyph::speaker(p, b, c, w); break;
    case 24: twoWays(p, b, c, w); break;
    case 31: glyph::check(p, QRectF(at(b, -0.1, -0.05), b.size() * 0.7), c, w);
             glyph::cross(p, QRectF(at(b, 0.38, 0.36), b.size() * 0.6), c, w); break;
    case 33: glyph::list(p, b, c, w * 0.8); break;
    case 41: dots(p, b, c, 1); break;
    case 42: dots(p, b, c, 2); break;
    case 44: dots(p, b, c, 3); break;
    case 48: dots(p, b, c, 4); break;
    case 50: grid(p, b, c, w * 0.8); break;
    case 52: eye(p, b, c, w * 0.8); break;
    case 101: package(p, b, c, w * 0.8, suffix.section(u'_', 1, 1).toInt()); break;
    case 104: package(p, b, c, w * 0.8, 1); break;
    default: dot(p, b, 0.5, 0.5, 0.16, c); break;
    }
}

QImage kindIcon(const QString& suffix, bool grammar)
{
    const bool container = suffix.section(u'_', 0, 0).toInt() > 100;
    const int size = container ? 24 : 21;
    QImage img = canvas(size, size);
    QPainter p(&img);
    prepare(p);
    const QColor base = familyColour(suffix, grammar);
    const QRectF tile(1, 1, size - 2, size - 3);
    const double radius = grammar ? 3 : (container ? 6 : 5);
    softShadow(p, rounded(tile, radius), withAlpha(colour::Navy, 0.4), 1, 0, 1);
    paintFace(p, tile, radius, faceFor(base, 'N'));
    if (container) {
        // Containers carry a second, lighter edge: a stack of exercises.
        p.strokePath(rounded(tile.adjusted(2, 2, -2, -2), radius - 2), QPen(withAlpha(Qt::white, 0.35), 1));
    }
    const double inset = size * 0.2;
    sign(p, tile.adjusted(inset, inset, -inset, -inset), suffix, colour::White);
    return img;
}

} // namespace

QStringList KindIconSuffixes()
{
    return {QStringLiteral("0"),  QStringLiteral("1"),  QStringLiteral("2"),  QStringLiteral("3"),
            QStringLiteral("4"),  QStringLiteral("5"),  QStringLiteral("7"),  QStringLiteral("8"),
            QStringLiteral("9"),  QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12"),
            QStringLiteral("14"), QStringLiteral("18"), QStringLiteral("21"), QStringLiteral("22"),
            QStringLiteral("24"), QStringLiteral("26"), QStringLiteral("31"), QStringLiteral("32"),
            QStringLiteral("33"), QStringLiteral("41"), QStringLiteral("42"), QStringLiteral("44"),
            QStringLiteral("48"), QStringLiteral("50"), QStringLiteral("52"), QStringLiteral("101_1"),
            QStringLiteral("101_2"), QStringLiteral("102"), QStringLiteral("103"), QStringLiteral("104")};
}

std::optional<QImage> DrawKindIcon(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^Typ_(g_)?(\\d+(?:_\\d+)?)$"));
    const auto m = pattern.match(name);
    if (!m.hasMatch() || !KindIconSuffixes().contains(m.captured(2)))
        return std::nullopt;
    return kindIcon(m.captured(2), m.hasCaptured(1) && !m.captured(1).isEmpty());
}
