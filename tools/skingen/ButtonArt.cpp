// Button faces: the G-family face sets, title-bar buttons, tabs, the numbered
// exercise tabs, the package navigation buttons and the language arrow.
#include "ArtFamilies.h"
#include "SkinPictureNames.h"
#include "SkinStyle.h"

#include <QRegularExpression>

using namespace art;

namespace {

QColor faceBase(int index)
{
    switch (index) {
    case 2: return QColor(69, 168, 232);   // azure, for the blue dialogs
    case 7: return QColor(226, 233, 241);  // silver, dark captions
    case 10: return colour::Green;
    default: return colour::Blue;
    }
}

// One piece of a face set: the whole face is drawn at a reference width and
// cut into corners, edges and narrow middles (stretched by the button).
QImage facePiece(int piece, char state, bool nine, const SkinFaceSet& set)
{
    const int c = set.corner(), m = set.middle(), h = set.height;
    const int w = 2 * c + 12;
    QImage full = canvas(w, h);
    {
        QPainter p(&full);
        paintFace(p, QRectF(0, 0, w, h), c <= 4 ? 4 : 7.5, faceFor(faceBase(set.index), state));
    }
    const int col = nine ? (piece - 1) % 3 : piece - 1;
    const int row = nine ? (piece - 1) / 3 : 0;
    const int xs[] = {0, c + 4, w - c};
    const int ws[] = {c, 4, c};
    const int ys[] = {0, c, c + m};
    const int hs[] = {c, m, c};
    return nine ? crop(full, QRect(xs[col], ys[row], ws[col], hs[row])) : crop(full, QRect(xs[col], 0, ws[col], h));
}

// Title-bar buttons (48 high, 4-wide ends): a translucent glow over the bar.
QImage barButtonPiece(int piece, char state)
{
    const int c = 4, w = 20, h = 48;
    QImage full = canvas(w, h);
    {
        QPainter p(&full);
        prepare(p);
        const QRectF r(0.5, 1.5, w - 1, h - 3);
        const QPainterPath shape = rounded(r, 4);
        QLinearGradient fill;
        QColor border;
        switch (state) {
        case 'H':
            fill = vertical(0, h, withAlpha(Qt::white, 0.26), withAlpha(Qt::white, 0.06));
            border = withAlpha(Qt::white, 0.38);
            break;
        case 'P':
            fill = vertical(0, h, withAlpha(colour::NavyDeep, 0.45), withAlpha(colour::NavyDeep, 0.22));
            border = withAlpha(colour::NavyDeep, 0.55);
            break;
        case 'D':
            fill = vertical(0, h, withAlpha(colour::Grey, 0.18), withAlpha(colour::Grey, 0.08));
            border = withAlpha(Qt::white, 0.12);
            break;
        default:
            fill = vertical(0, h, withAlpha(Qt::white, 0.08), withAlpha(Qt::white, 0.02));
            border = withAlpha(Qt::white, 0.14);
        }
        p.fillPath(shape, fill);
        p.setClipPath(shape);
        if (state == 'H')
            p.fillRect(QRectF(0, h - 5, w, 2), withAlpha(colour::Cyan, 0.85));
        if (state == 'P') {
            const QLinearGradient inner = vertical(0, 10, withAlpha(Qt::black, 0.3), withAlpha(Qt::black, 0));
            p.fillRect(QRectF(0, 0, w, 10), inner);
        }
        p.setClipping(false);
        p.strokePath(shape, QPen(border, 1));
    }
    const int xs[] = {0, c + 4, w - c};
    const int ws[] = {c, 4, c};
    return crop(full, QRect(xs[piece - 1], 0, ws[piece - 1], h));
}

// Tabs (23 high, 11-wide ends): sloped sides and rounded top corners; the
// pressed (selected) tab is white and open at the bottom.
QImage tabPiece(int piece, char state)
{
    const int c = 11, w = 2 * c + 12, h = 23;
    QImage full = canvas(w, h);
    {
        QPainter p(&full);
        prepare(p);
        QPainterPath shape;
        shape.moveTo(0.5, h);
        shape.lineTo(4.5, 5);
        shape.quadTo(5.8, 0.5, 10.5, 0.5);
        shape.lineTo(w - 10.5, 0.5);
        shape.quadTo(w - 5.8, 0.5, w - 4.5, 5);
        shape.lineTo(w - 0.5, h);
        QColor top, bottom, border;
        switch (state) {
        case 'H': top = QColor(246, 251, 255); bottom = QColor(214, 232, 249); border = QColor(98, 160, 222); break;
        case 'P': top = colour::White; bottom = QColor(246, 250, 254); border = QColor(122, 163, 210); break;
        case 'D': top = QColor(232, 235, 239); bottom = QColor(216, 221, 227); border = QColor(180, 188, 197); break;
        default: top = QColor(226, 237, 249); bottom = QColor(196, 215, 238); border = QColor(134, 171, 214);
        }
        const QLinearGradient g = vertical(0, h, top, bottom);
        p.fillPath(shape, g);
        gloss(p, shape, QRectF(0, 1, w, h * 0.5), 0.7, 0);
        p.setClipPath(shape);
        if (state == 'P')
            p.fillRect(QRectF(0, 0, w, 2.5), colour::Blue);
        if (state == 'H')
            p.fillRect(QRectF(0, 0, w, 2), withAlpha(colour::Cyan, 0.8));
        p.setClipping(false);
        QPainterPath edge = shape;
        if (state != 'P') {
            edge.lineTo(0.5, h - 0.5); // closes along the bottom for unselected tabs
            p.strokePath(edge, QPen(border, 1));
            p.fillRect(QRectF(0, h - 1, w, 1), border);
        } else {
            p.strokePath(edge, QPen(border, 1));
        }
    }
    const int xs[] = {0, c + 4, w - c};
    const int ws[] = {c, 4, c};
    return crop(full, QRect(xs[piece - 1], 0, ws[piece - 1], h));
}

// The numbered exercise tabs (59 × 42) and the tagged tabs (70 × 50). The
// disabled state marks the current exercise: filled blue.
QImage numberTab(char state, int w, int h, const QColor& accent)
{
    QImage img = canvas(w, h);
    QPainter p(&img);
    prepare(p);
    const QRectF body(3.5, 2.5, w - 7, h - 9);
    const QPainterPath shape = rounded(body, 8);
    softShadow(p, shape, withAlpha(colour::Navy, 0.35), 2, 0, 2);
    Face f;
    switch (state) {
    case 'H': f = {QColor(255, 255, 255), QColor(221, 238, 253), colour::Cyan, 0.6, withAlpha(colour::Cyan, 0.35), false}; break;
    case 'P': f = {QColor(196, 219, 243), QColor(229, 240, 251), QColor(80, 130, 190), 0.2, {}, true}; break;
    case 'D': f = faceFor(accent, 'N'); break;
    default: f = {QColor(255, 255, 255), QColor(226, 237, 249), QColor(150, 184, 222), 0.6, {}, false};
    }
    paintFace(p, body, 8, f);
    if (state != 'D') {
        // The accent line along the bottom of the tab.
        p.setClipPath(shape);
        p.fillRect(QRectF(body.left(), body.bottom() - 4, body.width(), 4), withAlpha(accent, state == 'N' ? 0.55 : 0.9));
    }
    return img;
}

// Round package navigation buttons (32 × 32) with a white glyph.
QImage naviButton(const QString& which, char state)
{
    QImage img = canvas(32, 32);
    QPainter p(&img);
    prepare(p);
    QPainterPath circle;
    circle.addEllipse(QRectF(2, 1.5, 28, 28));
    softShadow(p, circle, withAlpha(colour::Navy, 0.4), 1, 0, 1);
    paintFace(p, QRectF(2, 1.5, 28, 28), 14, faceFor(colour::Blue, state));
    const QColor ink = state == 'D' ? withAlpha(Qt::white, 0.75) : colour::White;
    const QRectF box(7, 6.5, 18, 18);
    if (which == u"PREV")
        glyph::arrow(p, box, ink, 2.6, false);
    else if (which == u"NEXT")
        glyph::arrow(p, box, ink, 2.6, true);
    else
        glyph::list(p, box, ink, 2.2);
    return img;
}

// The language-choice arrow (30 × 70), drawn over a 70-high blue face.
QImage blueArrow()
{
    QImage img = canvas(30, 70);
    QPainter p(&img);
    prepare(p);
    p.fillRect(QRectF(1, 8, 1, 54), fade({0, 8}, {0, 62}, withAlpha(Qt::white, 0.45)));
    p.fillRect(QRectF(0, 8, 1, 54), fade({0, 8}, {0, 62}, withAlpha(colour::Navy, 0.4)));
    QPainterPath circle;
    circle.addEllipse(QPointF(16, 35), 11, 11);
    p.fillPath(circle, withAlpha(colour::NavyDeep, 0.35));
    p.strokePath(circle, QPen(withAlpha(Qt::white, 0.4), 1));
    glyph::chevron(p, QRectF(8, 27, 16, 16), colour::White, 2.6, 2);
    return img;
}

const SkinFaceSet* faceSet(int index)
{
    for (const SkinFaceSet& s : SkinFaceSets())
        if (s.index == index)
            return &s;
    return nullptr;
}

} // namespace

std::optional<QImage> DrawButtonPicture(const QString& name)
{
    static const QRegularExpression face(QStringLiteral("^G0([1-9])_([NHPD])_(9|3)_(\\d+)$"));
    static const QRegularExpression bar(QStringLiteral("^BB0([1-3])_([NHPD])$"));
    static const QRegularExpression tab(QStringLiteral("^TAB_([NHPD])_0([1-3])$"));
    static const QRegularExpression selko(QStringLiteral("^TAB_SELKO_([NHPD])(?:_(\\d+))?$"));
    static const QRegularExpression navi(QStringLiteral("^PACZKA_NAVI_(PREV|NEXT|ZAWARTOSC)_([NHPD])$"));

    if (const auto m = face.match(name); m.hasMatch()) {
        const int piece = m.captured(1).toInt();
        const bool nine = m.captured(3) == u"9";
        const SkinFaceSet* set = faceSet(m.captured(4).toInt());
        if (!set || (!nine && piece > 3))
            return std::nullopt;
        return facePiece(piece, m.captured(2).at(0).toLatin1(), nine, *set);
    }
    if (const auto m = bar.match(name); m.hasMatch())
        return barButtonPiece(m.captured(1).toInt(), m.captured(2).at(0).toLatin1());
    if (const auto m = tab.match(name); m.hasMatch())
        return tabPiece(m.captured(2).toInt(), m.captured(1).at(0).toLatin1());
    if (const auto m = selko.match(name); m.hasMatch()) {
        const char state = m.captured(1).at(0).toLatin1();
        if (m.captured(2).isEmpty())
            return numberTab(state, 59, 42, colour::Blue);
        return numberTab(state, 70, 50, FigureColour((m.captured(2).toInt() - 1) % 6));
    }
    if (const auto m = navi.match(name); m.hasMatch())
        return naviButton(m.captured(1), m.captured(2).at(0).toLatin1());
    if (name == u"BLUE_ARROW")
        return blueArrow();
    return std::nullopt;
}
