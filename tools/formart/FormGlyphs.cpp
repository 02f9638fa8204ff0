#include "FormGlyphs.h"

#include "SkinStyle.h"

namespace formglyph {

void speaker(QPainter& p, const QRectF& b, const QColor& c, double w)
{
    using art::glyph::polyline;
    p.fillPath(art::glyph::polygon(b, {{0.14, 0.38}, {0.3, 0.38}, {0.5, 0.2}, {0.5, 0.8}, {0.3, 0.62}, {0.14, 0.62}}), c);
    polyline(p, b, {{0.62, 0.36}, {0.68, 0.5}, {0.62, 0.64}}, c, w);
    polyline(p, b, {{0.74, 0.26}, {0.84, 0.5}, {0.74, 0.74}}, c, w);
}

} // namespace formglyph
