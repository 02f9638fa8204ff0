#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

// Signs shared by the glyph and kind-icon families, drawn into a box.
namespace formglyph {
// A loudspeaker with two sound waves of line width `w`.
void speaker(QPainter& p, const QRectF& b, const QColor& c, double w);
} // namespace formglyph
