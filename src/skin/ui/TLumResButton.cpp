#include "TLumResButton.h"

#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QMouseEvent>
#include <QPainter>

TLumResButton::TLumResButton(QWidget* parent) : QWidget(parent)
{
    resize(120, 22);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void TLumResButton::setLibrary(const ISkinImages* library)
{
    m_library = m_rozmiar == TRozmiar::rozUndefined ? nullptr : library;
    update();
}

void TLumResButton::setFlat(bool v) { m_flat = v; update(); }
void TLumResButton::setDown(bool v) { m_down = v; update(); }
void TLumResButton::setGrafikaIndex(int v) { m_grafikaIndex = v; update(); }
void TLumResButton::setShowCaption(bool v) { m_showCaption = v; update(); }
void TLumResButton::setGlyphHot(const QImage& v) { m_glyphHot = v; update(); }
void TLumResButton::setGlyphDisabled(const QImage& v) { m_glyphDisabled = v; update(); }
void TLumResButton::setGlyphDown(const QImage& v) { m_glyphDown = v; update(); }
void TLumResButton::setKorekta(int v) { m_korekta = v; update(); }
void TLumResButton::setKorektaCaption(int v) { m_korektaCaption = v; update(); }
void TLumResButton::setKorektaCaptionY(int v) { m_korektaCaptionY = v; update(); }
void TLumResButton::setFixedTekstX(int v) { m_fixedTekstX = v; update(); }
void TLumResButton::setFixedGlyphX(int v) { m_fixedGlyphX = v; update(); }
void TLumResButton::setSpacing(int v) { m_spacing = v; update(); }
void TLumResButton::setAlignment(TLumResButtonAlignment v) { m_alignment = v; update(); }
void TLumResButton::setSkladowe(TElementy v) { m_skladowe = v; update(); }
void TLumResButton::setCaption(const QString& v) { m_caption = v; update(); }
void TLumResButton::setTag(int v) { m_tag = v; update(); }
void TLumResButton::setFontColor(const QColor& c) { m_fontColor = c; update(); }

void TLumResButton::setGlyph(const QImage& v)
{
    m_glyph = v;
    applyAutoSize();
    update();
}

void TLumResButton::setAutoSize(bool v)
{
    m_autoSize = v;
    applyAutoSize();
    update();
}

void TLumResButton::applyAutoSize()
{
    if (m_autoSize && m_rozmiar == TRozmiar::rozUndefined && !m_glyph.isNull())
        resize(m_glyph.size());
}

void TLumResButton::setRozmiar(TRozmiar v)
{
    if (v == m_rozmiar)
        return;
    m_rozmiar = v;
    const RozmiarSize s = RozmiarSizeOf(v);
    resize(s.width >= 0 ? s.width : width(), s.height >= 0 ? s.height : height());
    if (v == TRozmiar::rozBelka)
        m_skladowe = TElementy::el3;
    if (v == TRozmiar::rozUndefined)
        m_library = nullptr;
    update();
}

void TLumResButton::ClickIfEnabled()
{
    if (isEnabled())
        emit clicked();
}

void TLumResButton::enterEvent(QEnterEvent*)
{
    if (!isEnabled())
        return;
    m_mouse = ButtonMouse::Hot;
    m_hover = true;
    update();
}

void TLumResButton::leaveEvent(QEvent*)
{
    if (!isEnabled())
        return;
    m_mouse = ButtonMouse::Normal;
    m_hover = false;
    update();
}

void TLumResButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_mouse = ButtonMouse::Pressed;
    update();
}

void TLumResButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_mouse = m_hover ? ButtonMouse::Hot : ButtonMouse::Normal;
    update();
    if (rect().contains(e->position().toPoint()) && isEnabled())
        emit clicked();
}

void TLumResButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas canvas(p, m_library, this);
    const QFont font = this->font();

    const ButtonLook look = ChooseButtonLook(isEnabled(), m_mouse, m_down);
    auto orGlyph = [this](const QImage& img) { return img.isNull() ? m_glyph : img; };
    switch (look.glyph) {
    case GlyphChoice::Normal: m_currentGlyph = m_glyph; break;
    case GlyphChoice::Hot: m_currentGlyph = orGlyph(m_glyphHot); break;
    case GlyphChoice::Down: m_currentGlyph = orGlyph(m_glyphDown); break;
    case GlyphChoice::Disabled: m_currentGlyph = orGlyph(m_glyphDisabled); break;
    case GlyphChoice::Keep: break;
    }

    if (canvas.hasLibrary()) {
        FaceInput face;
        face.rozmiar = m_rozmiar;
        face.skladowe = m_skladowe;
        face.flat = m_flat;
        face.suffix = look.suffix;
        face.grafikaIndex = m_grafikaIndex;
        face.tag = m_tag;
        face.width = width();
        face.height = height();
        for (const FacePiece& piece : ResButtonFace(face)) {
            if (piece.stretched)
                canvas.pictureInto(piece.name, piece.rect);
            else
                canvas.pictureAt(piece.name, piece.rect.topLeft());
        }
    }

    CaptionInput in;
    in.alignment = m_alignment;
    in.width = width();
    in.height = height();
    in.textWidth = TextWidth(font, m_caption);
    in.textHeight = TextHeight(font, QStringLiteral("XX"));
    in.glyph = m_currentGlyph.size();
    in.showCaption = m_showCaption;
    in.spacing = m_spacing;
    in.korekta = m_korekta;
    in.korektaCaption = m_korektaCaption;
    in.korektaCaptionY = m_korektaCaptionY;
    in.fixedTekstX = m_fixedTekstX;
    in.fixedGlyphX = m_fixedGlyphX;
    const CaptionLayout layout = LayoutResButton(in);

    canvas.ownPicture(m_currentGlyph, layout.glyph, QStringLiteral("glyph"));
    canvas.setFont(font, isEnabled() ? m_fontColor : QColor(192, 192, 192));
    if (m_showCaption)
        canvas.text(layout.caption.x(), layout.caption.y(), m_caption);
}
