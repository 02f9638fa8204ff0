// The pictures kept with the shell's windows: the login list's highlight and
// icons, the profile window's figure frame, style arrows and check boxes, the
// main window's entry pictures and title-bar glyphs, the publisher's mark and
// the settings window's flags.
#include "FormArtFamilies.h"
#include "SkinStyle.h"

#include <QHash>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <functional>

using namespace art;
using art::glyph::roundPen;

namespace {

// --- login list -----------------------------------------------------------

// The highlight behind the entry under the mouse: a light glass plate with a
// cyan edge on the left.
QImage listHighlight()
{
    QImage img = canvas(334, 75);
    QPainter p(&img);
    prepare(p);
    const QRectF plate(3, 4, 327, 67);
    const QPainterPath shape = rounded(plate, 10);
    softShadow(p, shape, withAlpha(colour::NavyDeep, 0.35), 3, 0, 1);
    p.fillPath(shape, vertical(plate.top(), plate.bottom(), withAlpha(Qt::white, 0.30), withAlpha(Qt::white, 0.12)));
    gloss(p, shape, QRectF(plate.left(), plate.top(), plate.width(), plate.height() * 0.45), 0.22, 0.04);
    p.strokePath(shape, QPen(withAlpha(Qt::white, 0.65), 1));
    QPainterPath accent = rounded(QRectF(plate.left() + 5, plate.top() + 12, 4, plate.height() - 24), 2);
    p.fillPath(accent, colour::Cyan);
    return img;
}

QImage configIcon()
{
    QImage img = canvas(11, 11);
    QPainter p(&img);
    prepare(p);
    glyph::gear(p, QRectF(-0.5, -0.5, 12, 12), colour::White);
    return img;
}

QImage binIcon()
{
    QImage img = canvas(8, 10);
    QPainter p(&img);
    prepare(p);
    const QColor c = colour::White;
    p.setPen(roundPen(c, 1.2));
    p.drawLine(QPointF(0.8, 1.8), QPointF(7.2, 1.8));
    p.drawLine(QPointF(3, 0.7), QPointF(5, 0.7));
    QPainterPath body;
    body.moveTo(1.3, 3);
    body.lineTo(6.7, 3);
    body.lineTo(6.1, 9.6);
    body.lineTo(1.9, 9.6);
    body.closeSubpath();
    p.fillPath(body, c);
    p.setPen(QPen(withAlpha(colour::DeepBlue, 0.8), 0.8));
    p.drawLine(QPointF(3.2, 4.2), QPointF(3.3, 8.6));
    p.drawLine(QPointF(4.8, 4.2), QPointF(4.7, 8.6));
    return img;
}

// --- small arrow buttons ----------------------------------------------------

// A small glossy arrow button; direction 0 left, 1 right, 2 down, 3 up.
QImage arrowButton(int w, int h, int direction, char state = 'N')
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    paintFace(p, QRectF(0.5, 0.5, w - 1, h - 1), 4, faceFor(colour::Blue, state));
    const QRectF box((w - 12) / 2.0, (h - 12) / 2.0, 12, 12);
    if (direction == 3) {
        p.translate(w / 2.0, h / 2.0);
        p.rotate(180);
        p.translate(-w / 2.0, -h / 2.0);
        glyph::chevron(p, box, colour::White, 2, 2);
    } else {
        glyph::chevron(p, box, colour::White, 2, direction);
    }
    return img;
}

// --- profile window ---------------------------------------------------------

QImage figureFrame()
{
    QImage img = canvas(72, 71);
    QPainter p(&img);
    prepare(p);
    const QRectF r(1.5, 1.5, 69, 68);
    const QPainterPath shape = rounded(r, 8);
    softShadow(p, shape, withAlpha(colour::NavyDeep, 0.4), 2, 0, 1);
    p.fillPath(shape, vertical(r.top(), r.bottom(), colour::White, colour::Ice));
    p.strokePath(shape, QPen(colour::Sky, 1.5));
    QPainterPath inner = rounded(r.adjusted(3, 3, -3, -3), 6);
    p.strokePath(inner, QPen(withAlpha(colour::Sky, 0.35), 1));
    return img;
}

// Check boxes (square) and radio buttons (round), 16 × 16.
QImage checkPicture(bool radio, bool checked, bool hot)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    prepare(p);
    const QRectF r(1.5, 1.5, 13, 13);
    QPainterPath shape;
    if (radio)
        shape.addEllipse(r);
    else
        shape = rounded(r, 3);
    if (hot)
        softShadow(p, shape, withAlpha(colour::Cyan, 0.9), 2);
    if (checked)
        p.fillPath(shape, vertical(r.top(), r.bottom(), shade(colour::Blue, 0.15), colour::DeepBlue));
    else
        p.fillPath(shape, vertical(r.top(), r.bottom(), colour::White, colour::Ice));
    gloss(p, shape, QRectF(r.left(), r.top(), r.width(), r.height() / 2), 0.35, 0.05);
    p.strokePath(shape, QPen(hot ? colour::Cyan : shade(colour::DeepBlue, -0.1), 1.2));
    if (checked) {
        if (radio) {
            QPainterPath dot;
            dot.addEllipse(QPointF(8, 8), 3, 3);
            p.fillPath(dot, colour::White);
        } else {
            glyph::check(p, QRectF(2, 2, 12, 12), colour::White, 2);
        }
    }
    return img;
}

// --- main window ------------------------------------------------------------

// A glossy round badge with a white sign, for the four entries of the main window.
QImage entryPicture(const QColor& base, const std::function<void(QPainter&, const QRectF&)>& sign)
{
    QImage img = canvas(100, 100);
    QPainter p(&img);
    prepare(p);
    QPainterPath disc;
    disc.addEllipse(QRectF(8, 6, 84, 84));
    softShadow(p, disc, withAlpha(colour::NavyDeep, 0.55), 5, 0, 3);
    QRadialGradient g(QPointF(38, 30), 80);
    g.setColorAt(0, shade(base, 0.35));
    g.setColorAt(0.6, base);
    g.setColorAt(1, shade(base, -0.35));
    p.fillPath(disc, g);
    p.strokePath(disc, QPen(withAlpha(Qt::white, 0.8), 2.5));
    gloss(p, disc, QRectF(8, 6, 84, 40), 0.45, 0.05);
    sign(p, QRectF(25, 23, 50, 50));
    return img;
}

void reviewSign(QPainter& p, const QRectF& b)
{
    // two arrows chasing each other round a circle
    const QRectF ring = b.adjusted(6, 6, -6, -6);
    const QPen pen = roundPen(colour::White, 5);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 30 * 16, 130 * 16);
    p.drawArc(ring, 210 * 16, 130 * 16);
    auto head = [&](double angleDeg, double turn) {
        const double a = angleDeg * M_PI / 180;
        const QPointF c = ring.center();
        const double rx = ring.width() / 2, ry = ring.height() / 2;
        const QPointF tip(c.x() + rx * std::cos(a), c.y() - ry * std::sin(a));
        // tangent direction of travel (counter-clockwise)
        const QPointF dir(-std::sin(a) * turn, -std::cos(a) * turn);
        const QPointF normal(dir.y(), -dir.x());
        QPainterPath tri;
        tri.moveTo(tip + dir * 7);
        tri.lineTo(tip + normal * 6);
        tri.lineTo(tip - normal * 6);
        tri.closeSubpath();
        p.fillPath(tri, colour::White);
    };
    head(160, 1);
    head(340, 1);
}

void microphoneSign(QPainter& p, const QRectF& b)
{
    const QColor c = colour::White;
    const double cx = b.center().x();
    QPainterPath head = rounded(QRectF(cx - 7, b.top() + 4, 14, 24), 7);
    p.fillPath(head, c);
    p.setPen(roundPen(c, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 12, b.top() + 8, 24, 26), 200 * 16, 140 * 16);
    p.drawLine(QPointF(cx, b.top() + 34), QPointF(cx, b.top() + 41));
    p.drawLine(QPointF(cx - 8, b.top() + 42), QPointF(cx + 8, b.top() + 42));
    // sound waves at the sides
    p.setPen(roundPen(withAlpha(c, 0.85), 2.5));
    p.drawArc(QRectF(cx + 6, b.top() + 6, 18, 20), -50 * 16, 100 * 16);
    p.drawArc(QRectF(cx - 24, b.top() + 6, 18, 20), 130 * 16, 100 * 16);
}

QImage titleGlyph(const std::function<void(QPainter&, const QRectF&)>& sign)
{
    QImage img = canvas(28, 28);
    QPainter p(&img);
    prepare(p);
    sign(p, QRectF(0, 0, 28, 28));
    return img;
}

void logoutSign(QPainter& p, const QRectF& b)
{
    const QColor c = colour::White;
    // an open door frame and an arrow leaving it
    p.setPen(roundPen(c, 2.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath frame;
    frame.moveTo(b.left() + 15, b.top() + 7);
    frame.lineTo(b.left() + 6, b.top() + 7);
    frame.lineTo(b.left() + 6, b.top() + 21);
    frame.lineTo(b.left() + 15, b.top() + 21);
    p.drawPath(frame);
    glyph::arrow(p, QRectF(b.left() + 8, b.top() + 4, 20, 20), c, 2.2, true);
}

// The publisher's mark: a ring and three waves on a glass plate (no lettering).
QImage publisherMark()
{
    QImage img = canvas(95, 28);
    QPainter p(&img);
    prepare(p);
    const QPainterPath plate = rounded(QRectF(0.5, 0.5, 94, 27), 6);
    p.fillPath(plate, vertical(0, 28, withAlpha(Qt::white, 0.22), withAlpha(Qt::white, 0.08)));
    p.strokePath(plate, QPen(withAlpha(Qt::white, 0.5), 1));
    QPainterPath ring;
    ring.addEllipse(QPointF(15, 14), 8, 8);
    p.strokePath(ring, QPen(colour::Cyan, 3));
    p.setPen(roundPen(withAlpha(Qt::white, 0.9), 2));
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave;
        const double y = 8 + i * 6;
        wave.moveTo(31, y);
        for (int k = 0; k < 4; ++k)
            wave.cubicTo(31 + k * 14 + 4, y - 3, 31 + k * 14 + 10, y + 3, 31 + (k + 1) * 14, y);
        p.drawPath(wave);
    }
    return img;
}

// --- settings window: flags, 22 × 15 -----------------------------------------

void finishFlag(QPainter& p)
{
    const QRectF r(0.5, 0.5, 21, 14);
    gloss(p, rounded(r, 1.5), QRectF(0, 0, 22, 7), 0.25, 0.02);
    p.strokePath(rounded(r, 1.5), QPen(QColor(120, 120, 120), 1));
}

QImage flag(int id)
{
    QImage img = canvas(22, 15);
    QPainter p(&img);
    prepare(p);
    const QRectF r(0, 0, 22, 15);
    switch (id) {
    case 0: // Polish
        p.fillRect(QRectF(0, 0, 22, 7.5), QColor(250, 250, 250));
        p.fillRect(QRectF(0, 7.5, 22, 7.5), QColor(220, 20, 60));
        break;
    case 1: { // English: the Union Flag
        p.fillRect(r, QColor(1, 33, 105));
        p.setClipRect(r);
        p.setPen(QPen(Qt::white, 3.2));
        p.drawLine(QPointF(0, 0), QPointF(22, 15));
        p.drawLine(QPointF(22, 0), QPointF(0, 15));
        p.setPen(QPen(QColor(200, 16, 46), 1.1));
        p.drawLine(QPointF(0, 0), QPointF(22, 15));
        p.drawLine(QPointF(22, 0), QPointF(0, 15));
        p.fillRect(QRectF(8.5, 0, 5, 15), Qt::white);
        p.fillRect(QRectF(0, 5, 22, 5), Qt::white);
        p.fillRect(QRectF(9.5, 0, 3, 15), QColor(200, 16, 46));
        p.fillRect(QRectF(0, 6, 22, 3), QColor(200, 16, 46));
        p.setClipping(false);
        break;
    }
    case 2: // German
        p.fillRect(QRectF(0, 0, 22, 5), QColor(20, 20, 20));
        p.fillRect(QRectF(0, 5, 22, 5), QColor(221, 0, 0));
        p.fillRect(QRectF(0, 10, 22, 5), QColor(255, 206, 0));
        break;
    case 4: // Spanish
        p.fillRect(QRectF(0, 0, 22, 3.75), QColor(170, 21, 27));
        p.fillRect(QRectF(0, 3.75, 22, 7.5), QColor(241, 191, 0));
        p.fillRect(QRectF(0, 11.25, 22, 3.75), QColor(170, 21, 27));
        p.fillRect(QRectF(5, 5.5, 3, 4), QColor(170, 21, 27, 200));
        break;
    }
    finishFlag(p);
    return img;
}

using Drawer = std::function<QImage()>;

const QList<QPair<QString, Drawer>>& drawers()
{
    static const QList<QPair<QString, Drawer>> table = [] {
        QList<QPair<QString, Drawer>> t;
        auto add = [&t](const char* name, Drawer d) { t.append({QLatin1String(name), std::move(d)}); };
        // login window
        add("BTN", listHighlight);
        add("IMG_Config", configIcon);
        add("IMG_Kosz", binIcon);
        // profile window
        add("LUDZIK_RAMKA", figureFrame);
        for (const char state : {'N', 'H'}) {
            const QString s = QString(QLatin1Char(state));
            t.append({QStringLiteral("ARROW_L_") + s, [state] { return arrowButton(18, 18, 0, state); }});
            t.append({QStringLiteral("ARROW_R_") + s, [state] { return arrowButton(18, 18, 1, state); }});
        }
        for (bool radio : {false, true})
            for (bool checked : {false, true})
                for (bool hot : {false, true}) {
                    QString name = QString::fromLatin1(radio ? "RAD_" : "CHK_")
                                   + QString::fromLatin1(checked ? "ON" : "OFF") + (hot ? QStringLiteral("_H") : QString());
                    t.append({name, [=] { return checkPicture(radio, checked, hot); }});
                }
        // main window
        add("IMG_Nauka", [] {
            return entryPicture(colour::Blue, [](QPainter& p, const QRectF& b) { glyph::list(p, b, colour::White, 5); });
        });
        add("IMG_Powtorki", [] { return entryPicture(colour::Green, reviewSign); });
        add("IMG_Podrecznik", [] {
            return entryPicture(colour::Amber, [](QPainter& p, const QRectF& b) { glyph::book(p, b, colour::White); });
        });
        add("IMG_Trener", [] { return entryPicture(QColor(142, 92, 196), microphoneSign); });
        add("IMG_Ustawienia", [] {
            return titleGlyph([](QPainter& p, const QRectF& b) { glyph::gear(p, b.adjusted(1, 1, -1, -1), colour::White); });
        });
        add("IMG_Wyloguj", [] { return titleGlyph(logoutSign); });
        add("IMG_Logo", publisherMark);
        // settings window
        for (int id : {0, 1, 2, 4})
            t.append({QStringLiteral("F%1").arg(id), [id] { return flag(id); }});
        return t;
    }();
    return table;
}

} // namespace

std::optional<QImage> DrawShellPicture(const QString& name)
{
    for (const auto& [n, draw] : drawers())
        if (n == name)
            return draw();
    return std::nullopt;
}

QStringList ShellPictureNames()
{
    QStringList names;
    for (const auto& entry : drawers())
        names << entry.first;
    return names;
}
