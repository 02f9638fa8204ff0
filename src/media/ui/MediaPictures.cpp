#include "MediaPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

const QColor kDeep(16, 64, 128);
const QColor kBlue(40, 110, 190);
const QColor kCyan(90, 200, 235);
const QColor kPale(232, 240, 250);

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// A rounded panel: a blue bar across the top, a pale body, a thin frame.
QImage panel(int w, int h)
{
    QImage img = blank(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0, Qt::white);
    body.setColorAt(1, kPale);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 6, 6);
    p.fillPath(outline, body);
    QLinearGradient bar(0, 0, 0, 20);
    bar.setColorAt(0, kBlue);
    bar.setColorAt(1, kDeep);
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRect(0, 0, w, 20), bar);
    p.restore();
    p.setPen(QPen(kDeep, 1));
    p.drawPath(outline);
    return img;
}

// A round glossy face with a white symbol drawn by `symbol`.
QImage roundGlyph(int size, const std::function<void(QPainter&, const QRectF&)>& symbol)
{
    QImage img = blank(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size - 2, size - 2);
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, kCyan);
    g.setColorAt(1, kDeep);
    p.setBrush(g);
    p.setPen(QPen(kDeep, 1));
    p.drawEllipse(r);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    symbol(p, r);
    return img;
}

} // namespace

namespace MediaPictures {

QImage VideoBackground() { return panel(360, 363); }
QImage SoundBackground() { return panel(360, 74); }

QImage Slider()
{
    QImage img = blank(6, 12);
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 6, 12), kDeep);
    p.fillRect(QRect(1, 1, 4, 10), kCyan);
    return img;
}

QImage Track()
{
    QImage img = blank(227, 6);
    QPainter p(&img);
    p.fillRect(img.rect(), QColor(200, 210, 225));
    p.setPen(QColor(150, 165, 190));
    p.drawRect(0, 0, 226, 5);
    return img;
}

QImage BarLeft()
{
    QImage img = blank(2, 6);
    img.fill(kDeep);
    return img;
}

QImage BarMiddle()
{
    QImage img = blank(4, 6);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 6);
    g.setColorAt(0, kCyan);
    g.setColorAt(1, kBlue);
    p.fillRect(img.rect(), g);
    return img;
}

QImage BarRight() { return BarLeft(); }

QImage Mark(int k)
{
    QImage img = blank(30, 14);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(kBlue);
    p.setPen(QPen(kDeep, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 29, 13), 3, 3);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.drawText(img.rect(), Qt::AlignCenter, QString::number(k));
    return img;
}

QImage PlayGlyph()
{
    return roundGlyph(38, [](QPainter& p, const QRectF& r) {
        const QPointF c = r.center();
        const QPointF tri[] = {{c.x() - 5, c.y() - 8}, {c.x() - 5, c.y() + 8}, {c.x() + 9, c.y()}};
        p.drawPolygon(tri, 3);
    });
}

QImage PauseGlyph()
{
    return roundGlyph(28, [](QPainter& p, const QRectF& r) {
        const QPointF c = r.center();
        p.drawRect(QRectF(c.x() - 5, c.y() - 6, 3.5, 12));
        p.drawRect(QRectF(c.x() + 1.5, c.y() - 6, 3.5, 12));
    });
}

QImage StopGlyph()
{
    return roundGlyph(28, [](QPainter& p, const QRectF& r) {
        const QPointF c = r.center();
        p.drawRect(QRectF(c.x() - 5.5, c.y() - 5.5, 11, 11));
    });
}

QImage CloseGlyph()
{
    QImage img = blank(34, 18);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.drawLine(QPointF(13, 5), QPointF(21, 13));
    p.drawLine(QPointF(21, 5), QPointF(13, 13));
    return img;
}

} // namespace MediaPictures
