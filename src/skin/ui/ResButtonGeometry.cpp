#include "ResButtonGeometry.h"

#include "SmoothText.h"

FaceMetrics RozmiarMetrics(TRozmiar r)
{
    switch (r) {
    case TRozmiar::roz22: return {4, 14};
    case TRozmiar::roz32: return {4, 24};
    case TRozmiar::roz50: return {8, 34};
    case TRozmiar::roz64: return {8, 48};
    case TRozmiar::roz70: return {8, 54};
    case TRozmiar::roz80: return {8, 64};
    case TRozmiar::roz100: return {8, 84};
    case TRozmiar::rozBelka: return {4, 40};
    case TRozmiar::rozTabka: return {11, 0};
    case TRozmiar::rozPaczkaNaviPrev:
    case TRozmiar::rozPaczkaNaviNext:
    case TRozmiar::rozPaczkaNaviZawartosc: return {4, 40};
    case TRozmiar::rozWyborJezyka: return {8, 54};
    case TRozmiar::rozTabka_Selko:
    case TRozmiar::rozUndefined:
    case TRozmiar::rozTabka_Kestun: return {0, 0};
    }
    return {0, 0};
}

RozmiarSize RozmiarSizeOf(TRozmiar r)
{
    switch (r) {
    case TRozmiar::roz22: return {22};
    case TRozmiar::roz32: return {32};
    case TRozmiar::roz50: return {50};
    case TRozmiar::roz64: return {64};
    case TRozmiar::roz70: return {70};
    case TRozmiar::roz80: return {80};
    case TRozmiar::roz100: return {100};
    case TRozmiar::rozBelka: return {48};
    case TRozmiar::rozTabka: return {23};
    case TRozmiar::rozTabka_Selko: return {42, 59};
    case TRozmiar::rozPaczkaNaviPrev:
    case TRozmiar::rozPaczkaNaviNext:
    case TRozmiar::rozPaczkaNaviZawartosc: return {32, 32};
    case TRozmiar::rozUndefined: return {};
    case TRozmiar::rozTabka_Kestun: return {50, 70};
    case TRozmiar::rozWyborJezyka: return {70};
    }
    return {};
}

static FacePiece at(const QString& name, int x, int y)
{
    return {name, QRect(x, y, 0, 0), false};
}

static FacePiece into(const QString& name, int l, int t, int r, int b)
{
    return {name, Ltrb(l, t, r, b), true};
}

// Left piece, stretched middle and right piece of a three-piece face.
static void threePieces(QVector<FacePiece>& out, const QString& first, const QString& middle,
                        const QString& last, int c, int w, int h)
{
    out += at(first, 0, 0);
    out += into(middle, c, 0, w - c, h);
    out += at(last, w - c, 0);
}

QVector<FacePiece> ResButtonFace(const FaceInput& in)
{
    QVector<FacePiece> out;
    const QString& s = in.suffix;
    const int w = in.width, h = in.height;
    const FaceMetrics fm = RozmiarMetrics(in.rozmiar);
    const int c = fm.c, m = fm.m;
    const QString i = QString::number(in.grafikaIndex);
    const bool flatHides = in.flat && (s == u"_N" || s == u"_D");

    if (in.skladowe == TElementy::el9) {
        if (in.flat && s == u"_N")
            return out;
        auto g = [&](int piece) { return QStringLiteral("G0%1%2_9_%3").arg(piece).arg(s, i); };
        out += at(g(1), 0, 0);
        out += into(g(2), c, 0, w - c, c);
        out += at(g(3), w - c, 0);
        out += at(g(4), 0, c);
        out += into(g(5), c, c, w - c, c + m);
        out += at(g(6), w - c, c);
        out += at(g(7), 0, m + c);
        out += into(g(8), c, m + c, w - c, 2 * c + m);
        out += at(g(9), w - c, m + c);
        return out;
    }

    auto g3 = [&](int piece) { return QStringLiteral("G0%1%2_3_%3").arg(piece).arg(s, i); };
    switch (in.rozmiar) {
    case TRozmiar::rozBelka:
        if (s != u"_N")
            threePieces(out, "BB01" + s, "BB02" + s, "BB03" + s, c, w, h);
        break;
    case TRozmiar::rozTabka:
        threePieces(out, "TAB" + s + "_01", "TAB" + s + "_02", "TAB" + s + "_03", 11, w, h);
        break;
    case TRozmiar::rozTabka_Selko:
        out += at("TAB_SELKO" + s, 0, 0);
        break;
    case TRozmiar::rozPaczkaNaviPrev:
        out += at("PACZKA_NAVI_PREV" + s, 0, 0);
        break;
    case TRozmiar::rozPaczkaNaviNext:
        out += at("PACZKA_NAVI_NEXT" + s, 0, 0);
        break;
    case TRozmiar::rozPaczkaNaviZawartosc:
        out += at("PACZKA_NAVI_ZAWARTOSC" + s, 0, 0);
        break;
    case TRozmiar::rozTabka_Kestun:
        out += at("TAB_SELKO" + s + "_" + QString::number(in.tag), 0, 0);
        break;
    case TRozmiar::rozWyborJezyka:
        if (!flatHides) {
            threePieces(out, g3(1), g3(2), g3(3), c, w, h);
            out += at(QStringLiteral("BLUE_ARROW"), 200, 0);
        }
        break;
    default:
        if (!flatHides)
            threePieces(out, g3(1), g3(2), g3(3), c, w, h);
        break;
    }
    return out;
}

ButtonLook ChooseButtonLook(bool enabled, ButtonMouse mouse, bool down)
{
    if (!enabled)
        return {QStringLiteral("_D"), GlyphChoice::Disabled};
    ButtonLook look;
    switch (mouse) {
    case ButtonMouse::Normal:
        look = {QStringLiteral("_N"), GlyphChoice::Normal};
        break;
    case ButtonMouse::Hot:
        // a latched button keeps the glyph of its previous paint while hot
        look = down ? ButtonLook{QString(), GlyphChoice::Keep} : ButtonLook{QStringLiteral("_H"), GlyphChoice::Hot};
        break;
    case ButtonMouse::Pressed:
        look = {QStringLiteral("_P"), GlyphChoice::Down};
        break;
    }
    if (down)
        look.suffix = QStringLiteral("_P");
    return look;
}

CaptionLayout LayoutResButton(const CaptionInput& in)
{
    const int w = in.width, h = in.height;
    const int gw = in.glyph.width(), gh = in.glyph.height();
    const int g4 = in.glyph.isEmpty() ? 4 : gw + 4;
    const int y = h / 2 - in.textHeight / 2;
    const int glyphY = h / 2 - gh / 2;

    CaptionLayout out;
    int x = 0;
    switch (in.alignment) {
    case TLumResButtonAlignment::taLeftJustify:
        x = in.spacing + g4;
        out.glyph = {x - g4, glyphY};
        break;
    case TLumResButtonAlignment::taLeftFixed:
        out.glyph = {in.fixedGlyphX, glyphY};
        out.caption = {in.fixedTekstX, y + in.korektaCaptionY};
        return out;
    case TLumResButtonAlignment::taRightJustify:
        // glyph at the right edge, the caption ending 4 pixels before it (or at
        // the margin when there is no glyph)
        out.glyph = {w - in.spacing - g4, glyphY};
        x = (in.glyph.isEmpty() ? w - in.spacing : out.glyph.x() - 4) - in.textWidth - in.korekta;
        break;
    case TLumResButtonAlignment::taCenter:
        x = w / 2 + g4 / 2 - (in.textWidth + in.korekta) / 2;
        out.glyph = in.showCaption ? QPoint(x - g4, glyphY) : QPoint(w / 2 - gw / 2, glyphY);
        break;
    }
    out.caption = {x + in.korektaCaption, y + in.korektaCaptionY};
    return out;
}
