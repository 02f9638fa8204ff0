#include "TLumCheckBox.h"

#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QMouseEvent>
#include <QPainter>

TLumCheckBox::TLumCheckBox(QWidget* parent) : QWidget(parent)
{
    resize(97, 25);
    setFocusPolicy(Qt::NoFocus);
}

void TLumCheckBox::setKorekta(int v) { m_korekta = v; fitWidth(); update(); }
void TLumCheckBox::setKorektaY(int v) { m_korektaY = v; update(); }
void TLumCheckBox::setCaption(const QString& v) { m_caption = v; fitWidth(); update(); }
void TLumCheckBox::setSpacing(int v) { m_spacing = v; update(); }
void TLumCheckBox::setFontColor(const QColor& c) { m_fontColor = c; update(); }
void TLumCheckBox::setGfxChecked(const QImage& v) { setPicture(m_checkedPic, v); }
void TLumCheckBox::setGfxUnChecked(const QImage& v) { setPicture(m_unCheckedPic, v); }
void TLumCheckBox::setGfxHotChecked(const QImage& v) { setPicture(m_hotCheckedPic, v); }
void TLumCheckBox::setGfxHotUnChecked(const QImage& v) { setPicture(m_hotUnCheckedPic, v); }

void TLumCheckBox::setPicture(QImage& slot, const QImage& v)
{
    slot = v;
    if (!v.isNull())
        resize(width(), v.height());
    update();
}

void TLumCheckBox::setChecked(bool v)
{
    m_checked = v;
    const QImage& pic = v ? m_checkedPic : m_unCheckedPic;
    resize(TextWidth(font(), m_caption) + pic.width() + m_spacing + m_korekta, height());
    update();
}

// The caption and Korekta setters size the box by the checked picture.
void TLumCheckBox::fitWidth()
{
    resize(TextWidth(font(), m_caption) + m_checkedPic.width() + m_spacing + m_korekta, height());
}

void TLumCheckBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, nullptr, this);
    const QImage& pic = m_hot ? (m_checked ? m_hotCheckedPic : m_hotUnCheckedPic)
                              : (m_checked ? m_checkedPic : m_unCheckedPic);
    c.ownPicture(pic, QPoint(0, 0), m_hot ? (m_checked ? QStringLiteral("GfxHotChecked") : QStringLiteral("GfxHotUnChecked"))
                                          : (m_checked ? QStringLiteral("GfxChecked") : QStringLiteral("GfxUnChecked")));
    const int picWidth = (m_checked ? m_checkedPic : m_unCheckedPic).width();
    c.setFont(font(), m_fontColor);
    c.text(picWidth + m_spacing, height() / 2 + m_korektaY - TextHeight(font(), QStringLiteral("XX")) / 2, m_caption);
}

void TLumCheckBox::enterEvent(QEnterEvent*)
{
    m_hot = true;
    update();
}

void TLumCheckBox::leaveEvent(QEvent*)
{
    m_hot = false;
    update();
}

void TLumCheckBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        click();
}

void TLumCheckBox::click()
{
    if (m_radioStyle) {
        if (!m_checked && parentWidget()) {
            for (QObject* o : parentWidget()->children()) {
                auto* other = qobject_cast<TLumCheckBox*>(o);
                if (other && other != this && other->m_radioStyle && other->m_radioGroup == m_radioGroup
                    && other->m_checked)
                    other->setChecked(false);
            }
        }
        setChecked(true);
    } else {
        setChecked(!m_checked);
    }
    update();
    emit clicked();
}
