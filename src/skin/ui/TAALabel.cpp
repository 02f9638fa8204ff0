#include "TAALabel.h"

#include "SkinCanvas.h"
#include "SmoothText.h"
#include "TMyHint.h"

#include <QPainter>

TAALabel::TAALabel(QWidget* parent) : QWidget(parent)
{
    resize(100, 18);
    setFocusPolicy(Qt::NoFocus);
}

void TAALabel::setHintW(const QString& v)
{
    m_hintW = v;
    // the hint window is shown only for a control that carries some hint
    setToolTip(v.isEmpty() ? QString() : QStringLiteral(" "));
}

void TAALabel::setExtraWidth(int v) { m_extraWidth = v; adjustToCaption(); update(); }
void TAALabel::setAutoSize(bool v) { m_autoSize = v; adjustToCaption(); update(); }
void TAALabel::setUseAntiAlias(bool v) { m_useAntiAlias = v; update(); }
void TAALabel::setWordWrap(bool v) { m_wordWrap = v; adjustToCaption(); update(); }
void TAALabel::setTransparent(bool v) { m_transparent = v; update(); }
void TAALabel::setAlignment(TAlignment v) { m_alignment = v; update(); }
void TAALabel::setCaption(const QString& v) { m_caption = v; adjustToCaption(); update(); }
void TAALabel::setFontColor(const QColor& c) { m_fontColor = c; update(); }
void TAALabel::setColor(const QColor& c) { m_color = c; update(); }

void TAALabel::setLabelFont(const QFont& f)
{
    setFont(f);
    adjustToCaption();
    update();
}

QRect TAALabel::wrappedRect() const
{
    const int format = int(m_alignment == TAlignment::taCenter ? DT_CENTER
                           : m_alignment == TAlignment::taRightJustify ? DT_RIGHT : DT_LEFT);
    return MeasureTextRect(font(), rect(), format | DT_WORDBREAK, m_caption + QStringLiteral("   "));
}

// The auto-size rules, applied when a property changes rather than while painting.
void TAALabel::adjustToCaption()
{
    if (!m_autoSize)
        return;
    if (!m_wordWrap)
        resize(TextWidth(font(), m_caption) + m_extraWidth, TextHeight(font(), m_caption));
    else
        resize(width(), wrappedRect().height());
}

void TAALabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, nullptr, this);
    if (!m_transparent)
        p.fillRect(rect(), m_color);

    const int tw = TextWidth(font(), m_caption);
    int x = 0, format = DT_LEFT;
    if (m_alignment == TAlignment::taRightJustify) {
        x = width() - tw;
        format = DT_RIGHT;
    } else if (m_alignment == TAlignment::taCenter) {
        x = width() / 2 - tw / 2;
        format = DT_CENTER;
    }
    QFont f = font();
    if (!m_useAntiAlias)
        f.setStyleStrategy(QFont::NoAntialias);
    c.setFont(f, m_fontColor);
    if (!m_wordWrap)
        c.text(x, 0, m_caption);
    else
        c.textRect(wrappedRect(), 0, 0, format | DT_WORDBREAK, m_caption);
    emit painted();
}

void TAALabel::enterEvent(QEnterEvent*)
{
    if (!m_hintW.isEmpty())
        HintText() = m_hintW;
}

void TAALabel::leaveEvent(QEvent*)
{
    if (!m_hintW.isEmpty())
        HintText().clear();
}
