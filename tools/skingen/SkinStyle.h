#pragma once

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <initializer_list>

// The look of the sample skin: a blue and white palette with a cyan accent,
// soft vertical gradients, glossy rounded faces and soft shadows. Every
// picture family is drawn with these helpers so that they match. Everything
// here is plain arithmetic on QPainter paths (no fonts), so the pictures come
// out the same on every run.
namespace art {

namespace colour {
inline const QColor Navy(11, 37, 69);
inline const QColor NavyDeep(8, 26, 50);
inline const QColor Blue(47, 127, 214);
inline const QColor DeepBlue(27, 95, 175);
inline const QColor Sky(111, 182, 240);
inline const QColor Cyan(2, 173, 228); // the caption colour of the blue dialogs
inline const QColor Ice(234, 243, 252);
inline const QColor White(255, 255, 255);
inline const QColor Grey(140, 153, 166);
inline const QColor Green(46, 173, 91);
inline const QColor Red(214, 69, 69);
inline const QColor Amber(245, 166, 35);
inline const QColor Skin(243, 205, 169);
} // namespace colour

// The six colours of the profile window's swatches and figures.
QColor FigureColour(int position); // 0..5

// A transparent w × h picture in premultiplied ARGB.
QImage canvas(int w, int h);
// A painter with antialiasing and smooth picture scaling.
void prepare(QPainter& p);

QColor mix(const QColor& a, const QColor& b, double t);   // t = 0 → a, 1 → b
QColor shade(const QColor& c, double amount);             // > 0 toward white, < 0 toward black
QColor withAlpha(const QColor& c, double alpha);          // alpha 0..1

QPainterPath rounded(const QRectF& r, double radius);

// A vertical gradient: c0 at y0, c1 at y1.
QLinearGradient vertical(double y0, double y1, const QColor& c0, const QColor& c1);
// A line colour that fades in from a and out towards b: transparent at both
// ends, `c` in the middle.
QLinearGradient fade(const QPointF& a, const QPointF& b, const QColor& c);
// White light over `band`, clipped to `shape`: alpha `top` at the band's top
// to `bottom` at its bottom.
void gloss(QPainter& p, const QPainterPath& shape, const QRectF& band, double top, double bottom);

// The colours of a glossy face in one button state.
struct Face {
    QColor top, bottom, border;
    double gloss = 0.5;     // strength of the upper highlight
    QColor glow;            // bottom glow (hot state); invalid for none
    bool pressed = false;   // inner shadow along the top
};
// State letters: 'N' normal, 'H' hot, 'P' pressed, 'D' disabled.
Face faceFor(const QColor& base, char state);

// A glossy rounded face filling `r`.
void paintFace(QPainter& p, const QRectF& r, double radius, const Face& f);

// A soft shadow or glow: `shape` filled with `c`, blurred by `radius` pixels,
// drawn offset by (dx, dy).
void softShadow(QPainter& p, const QPainterPath& shape, const QColor& c, int radius, double dx = 0, double dy = 0);

// Box blur (three passes, close to a gaussian) of a premultiplied picture.
QImage blurred(const QImage& src, int radius);

// A sub-rectangle of a picture as a picture of its own.
QImage crop(const QImage& src, const QRect& r);

// Glyphs, drawn into a box: stroked with round caps or filled.
namespace glyph {
// The point at fractions (x, y) of box `b`.
QPointF at(const QRectF& b, double x, double y);
// A pen with round caps and joins.
QPen roundPen(const QColor& c, double width);
// A stroked line through points given as fractions of `b`.
void polyline(QPainter& p, const QRectF& b, std::initializer_list<QPointF> pts, const QColor& c, double width);
// A closed path through points given as fractions of `b`.
QPainterPath polygon(const QRectF& b, std::initializer_list<QPointF> pts);
// A filled disc at fractions (x, y) of `b`, radius r × the box's smaller side.
void dot(QPainter& p, const QRectF& b, double x, double y, double r, const QColor& c);

void check(QPainter& p, const QRectF& box, const QColor& c, double width);
void cross(QPainter& p, const QRectF& box, const QColor& c, double width);
void info(QPainter& p, const QRectF& box, const QColor& c);
void exclamation(QPainter& p, const QRectF& box, const QColor& c);
void question(QPainter& p, const QRectF& box, const QColor& c, double width);
void chevron(QPainter& p, const QRectF& box, const QColor& c, double width, int direction); // 0 left 1 right 2 down
void arrow(QPainter& p, const QRectF& box, const QColor& c, double width, bool right);
void list(QPainter& p, const QRectF& box, const QColor& c, double width);
void user(QPainter& p, const QRectF& box, const QColor& c);
void lock(QPainter& p, const QRectF& box, const QColor& c);
void gear(QPainter& p, const QRectF& box, const QColor& c);
void book(QPainter& p, const QRectF& box, const QColor& c);
void sigma(QPainter& p, const QRectF& box, const QColor& c, double width);
} // namespace glyph

} // namespace art
