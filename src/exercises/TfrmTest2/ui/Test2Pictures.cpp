#include "Test2Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSize = 20;

QImage disc(const QColor& top, const QColor& bottom)
{
    QImage img(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 1, 0, kSize - 1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(bottom.darker(130), 1));
    p.setBrush(g);
    p.drawEllipse(QRectF(1.5, 1.5, kSize - 3, kSize - 3));
    return img;
}

// A disc with a mark drawn over it, antialiased.
template <class Mark>
QImage markedDisc(const QColor& top, const QColor& bottom, Mark mark)
{
    QImage i = disc(top, bottom);
    QPainter p(&i);
    p.setRenderHint(QPainter::Antialiasing);
    mark(p);
    return i;
}

} // namespace

QImage OdpIcon()
{
    static const QImage img = markedDisc(QColor(0xE8, 0xF2, 0xFC), QColor(0x9E, 0xC4, 0xE8), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2F, 0x6F, 0xB5));
        p.drawEllipse(QRectF(7, 7, 6, 6));
    });
    return img;
}

QImage OdpIconOK()
{
    static const QImage img = markedDisc(QColor(0x7C, 0xE0, 0x8A), QColor(0x2E, 0x9C, 0x40), [](QPainter& p) {
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(5.5, 10.5);
        tick.lineTo(8.5, 13.5);
        tick.lineTo(14.5, 6.5);
        p.drawPath(tick);
    });
    return img;
}

QImage OdpIconWrong()
{
    static const QImage img = markedDisc(QColor(0xF4, 0x8A, 0x80), QColor(0xC0, 0x30, 0x28), [](QPainter& p) {
        p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
        p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
    });
    return img;
}
