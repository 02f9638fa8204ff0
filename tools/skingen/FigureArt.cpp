// The learners' figures (two styles, six colours, woman or man), their small
// title-bar versions and the colour swatches of the profile window.
#include "ArtFamilies.h"
#include "SkinStyle.h"

#include <QRadialGradient>
#include <QRegularExpression>

using namespace art;

namespace {

const QColor HairWoman(120, 70, 40);
const QColor HairMan(62, 44, 32);
const QColor Eyes(59, 42, 34);

// A head centred at the painter's origin (9.5 × 10.5 radii at scale 1).
void paintHead(QPainter& p, bool woman)
{
    const QColor hair = woman ? HairWoman : HairMan;
    QRadialGradient skin(QPointF(-3, -4), 14);
    skin.setColorAt(0, shade(colour::Skin, 0.25));
    skin.setColorAt(1, shade(colour::Skin, -0.06));
    if (!woman) {
        for (double x : {-9.4, 9.4}) {
            QPainterPath ear;
            ear.addEllipse(QPointF(x, 1.5), 2, 2.6);
            p.fillPath(ear, shade(colour::Skin, -0.08));
        }
    }
    QPainterPath head;
    head.addEllipse(QPointF(0, 0), 9.5, 10.5);
    p.fillPath(head, skin);

    QPainterPath cap;
    const QLinearGradient hairShade = vertical(-11, 3, shade(hair, 0.18), hair);
    if (woman) {
        cap.moveTo(-10.2, 3);
        cap.cubicTo(-12.5, -16, 12.5, -16, 10.2, 3);
        cap.cubicTo(8, -5, 3, -7, -3, -5.5);
        cap.cubicTo(-7, -4, -9, -1, -10.2, 3);
    } else {
        cap.moveTo(-9.7, -1);
        cap.cubicTo(-11.5, -14.5, 11.5, -14.5, 9.7, -1);
        cap.cubicTo(8.5, -6, 5, -7.5, 1, -7);
        cap.cubicTo(-3, -6.5, -7, -6, -9.7, -1);
    }
    p.fillPath(cap, hairShade);
    QPainterPath shine;
    shine.addEllipse(QPointF(-3.5, -8.5), 3.2, 1.3);
    p.fillPath(shine, withAlpha(Qt::white, 0.25));

    for (double x : {-3.7, 3.7}) {
        QPainterPath eye;
        eye.addEllipse(QPointF(x, 1.2), 1.2, 1.35);
        p.fillPath(eye, Eyes);
    }
    if (woman) {
        for (double x : {-5.6, 5.6}) {
            QPainterPath cheek;
            cheek.addEllipse(QPointF(x, 4.6), 1.9, 1.3);
            p.fillPath(cheek, withAlpha(QColor(240, 110, 120), 0.3));
        }
    }
    QPainterPath smile;
    smile.moveTo(-3.2, 5.2);
    smile.quadTo(0, 7.8, 3.2, 5.2);
    QPen pen(QColor(176, 96, 80), 1.1);
    pen.setCapStyle(Qt::RoundCap);
    p.strokePath(smile, pen);
}

// Long hair behind the head and neck, drawn first.
void paintBackHair(QPainter& p)
{
    const QLinearGradient g = vertical(-10, 17, shade(HairWoman, 0.1), shade(HairWoman, -0.2));
    p.fillPath(rounded(QRectF(-12.5, -9, 25, 26), 10), g);
}

// Style 1: the figure inside a round coloured badge, in a white top.
void badgeFigure(QPainter& p, bool woman, const QColor& c)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(30, 29), 26, 26);
    softShadow(p, disc, withAlpha(colour::Navy, 0.35), 2, 0, 1.5);
    QRadialGradient bg(QPointF(24, 17), 38);
    bg.setColorAt(0, shade(c, 0.38));
    bg.setColorAt(1, shade(c, -0.18));
    p.fillPath(disc, bg);

    p.save();
    QPainterPath inner;
    inner.addEllipse(QPointF(30, 29), 25, 25);
    p.setClipPath(inner);
    if (woman) {
        p.save();
        p.translate(30, 27);
        paintBackHair(p);
        p.restore();
    }
    QPainterPath torso;
    torso.addEllipse(QPointF(30, 57.5), 21, 16.5);
    const QLinearGradient shirt = vertical(41, 58, colour::White, QColor(222, 232, 243));
    p.fillPath(torso, shirt);
    QPainterPath neckline;
    neckline.moveTo(26, 41.2);
    neckline.lineTo(34, 41.2);
    neckline.lineTo(30, 46.5);
    neckline.closeSubpath();
    p.fillPath(neckline, shade(colour::Skin, -0.08));
    p.fillPath(rounded(QRectF(26.5, 33, 7, 9), 3), shade(colour::Skin, -0.08));
    p.translate(30, 27);
    paintHead(p, woman);
    p.restore();

    QPainterPath ring;
    ring.addEllipse(QPointF(30, 29), 25.5, 25.5);
    p.strokePath(ring, QPen(withAlpha(Qt::white, 0.9), 2));
    QPainterPath edge;
    edge.addEllipse(QPointF(30, 29), 26.6, 26.6);
    p.strokePath(edge, QPen(shade(c, -0.45), 1));
    QPainterPath shine;
    shine.addEllipse(QRectF(12, 6, 36, 16));
    p.fillPath(shine.intersected(disc), withAlpha(Qt::white, 0.14));
}

// Style 2: the whole figure in a coloured top, standing on a soft shadow.
void standingFigure(QPainter& p, bool woman, const QColor& c)
{
    QPainterPath ground;
    ground.addEllipse(QPointF(30, 56), 17, 2.6);
    softShadow(p, ground, withAlpha(colour::Navy, 0.35), 2);
    if (woman) {
        p.save();
        p.translate(30, 21.5);
        p.scale(1.15, 1.15);
        paintBackHair(p);
        p.restore();
    }
    QPainterPath torso;
    torso.moveTo(11, 57);
    torso.lineTo(11, 49);
    torso.cubicTo(11, 42, 17, 38.5, 24, 37.5);
    torso.lineTo(36, 37.5);
    torso.cubicTo(43, 38.5, 49, 42, 49, 49);
    torso.lineTo(49, 57);
    torso.closeSubpath();
    const QLinearGradient shirt = vertical(37, 57, shade(c, 0.22), shade(c, -0.16));
    p.fillPath(torso, shirt);
    gloss(p, torso, QRectF(0, 37, 60, 9), 0.35, 0);
    p.strokePath(torso, QPen(shade(c, -0.4), 1));
    p.fillPath(rounded(QRectF(26.5, 30, 7, 9.5), 3), shade(colour::Skin, -0.08));
    QPainterPath collar;
    if (woman) {
        collar.moveTo(24.5, 37.6);
        collar.quadTo(30, 44, 35.5, 37.6);
        collar.closeSubpath();
        p.fillPath(collar, shade(colour::Skin, -0.08));
        p.strokePath(collar, QPen(withAlpha(Qt::white, 0.9), 1.3));
    } else {
        collar.moveTo(24, 37.6);
        collar.lineTo(30, 44.5);
        collar.lineTo(36, 37.6);
        collar.lineTo(33, 37.6);
        collar.lineTo(30, 41);
        collar.lineTo(27, 37.6);
        collar.closeSubpath();
        p.fillPath(collar, colour::White);
    }
    p.save();
    p.translate(30, 21.5);
    p.scale(1.15, 1.15);
    paintHead(p, woman);
    p.restore();
}

QImage swatch(int position)
{
    QImage img = canvas(12, 12);
    QPainter p(&img);
    prepare(p);
    paintFace(p, QRectF(0, 0, 12, 12), 2.5, faceFor(FigureColour(position), 'N'));
    return img;
}

} // namespace

void PaintUserFigure(QPainter& p, const QRectF& box, bool woman, int figure)
{
    p.save();
    prepare(p);
    p.translate(box.topLeft());
    p.scale(box.width() / 60, box.height() / 59);
    const QColor c = FigureColour(figure % 10 - 1);
    if (figure / 10 == 2)
        standingFigure(p, woman, c);
    else
        badgeFigure(p, woman, c);
    p.restore();
}

std::optional<QImage> DrawFigurePicture(const QString& name)
{
    static const QRegularExpression figure(QStringLiteral("^C([KM])([12][1-6])$"));
    static const QRegularExpression small(QStringLiteral("^BELKA_LUDZIK_([KM])_([12][1-6])$"));
    static const QRegularExpression colour(QStringLiteral("^COLOR([1-6])$"));

    if (const auto m = figure.match(name); m.hasMatch()) {
        QImage img = canvas(60, 59);
        QPainter p(&img);
        PaintUserFigure(p, QRectF(0, 0, 60, 59), m.captured(1) == u"K", m.captured(2).toInt());
        return img;
    }
    if (const auto m = small.match(name); m.hasMatch()) {
        QImage img = canvas(36, 40);
        QPainter p(&img);
        PaintUserFigure(p, QRectF(0, 2.5, 36, 35.4), m.captured(1) == u"K", m.captured(2).toInt());
        return img;
    }
    if (const auto m = colour.match(name); m.hasMatch())
        return swatch(m.captured(1).toInt() - 1);
    return std::nullopt;
}
