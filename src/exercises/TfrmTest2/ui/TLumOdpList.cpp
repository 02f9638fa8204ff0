#include "TLumOdpList.h"

#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TLumOdpList::TLumOdpList(QWidget* parent) : QWidget(parent), m_rows(4)
{
    setMouseTracking(true);
    setFont(SkinFont(QStringLiteral("Verdana"), 10));
}

// Windows colour values (0x00BBGGRR) of the frames.
QColor TLumOdpList::lightFill() { return QColor(0xF8, 0xF8, 0xF8); } // 16316664
QColor TLumOdpList::lightPen() { return QColor(0xC3, 0xC3, 0xC3); }  // 12829635
QColor TLumOdpList::greenFill() { return QColor(0x3F, 0xD2, 0x57); } // 5755455
QColor TLumOdpList::greenPen() { return QColor(0x49, 0x9C, 0x3F); }  // 4168777

void TLumOdpList::setCzyZmiennaLiczbaOdpowiedzi(bool on)
{
    m_variable = on;
    m_rows.resize(on ? m_ile : 4);
    layoutRows();
    update();
}

void TLumOdpList::setIleOdpowiedzi(int count)
{
    m_ile = std::max(0, count);
    if (m_variable)
        m_rows.resize(m_ile);
    if (m_selected > rowCount())
        m_selected = -1;
    if (m_correct > rowCount())
        m_correct = -1;
    setHovered(-1);
    layoutRows();
    update();
}

void TLumOdpList::setSelectedItem(int row)
{
    m_selected = row >= 1 && row <= rowCount() ? row : -1;
    if (m_selected != -1)
        setHovered(-1);
    update();
}

void TLumOdpList::setCorrect(int row)
{
    m_correct = row >= 1 && row <= rowCount() ? row : -1;
    update();
}

void TLumOdpList::setHighLightCorrect(bool on)
{
    m_highlight = on;
    update();
}

void TLumOdpList::setMargines(int px)
{
    m_margines = px;
    layoutRows();
    update();
}

void TLumOdpList::setInterlinia(int px)
{
    m_interlinia = px;
    layoutRows();
    update();
}

void TLumOdpList::setMarginesImage(int px)
{
    m_marginesImage = px;
    layoutRows();
    update();
}

void TLumOdpList::setIcon(const QImage& icon)
{
    m_icon = icon;
    layoutRows();
    update();
}

void TLumOdpList::setIconOK(const QImage& icon)
{
    m_iconOK = icon;
    update();
}

void TLumOdpList::setIconWrong(const QImage& icon)
{
    m_iconWrong = icon;
    update();
}

void TLumOdpList::SetRowText(int row, const QString& text)
{
    if (row < 1 || row > rowCount())
        return;
    m_rows[row - 1].text = text;
    layoutRows();
    update();
}

QString TLumOdpList::RowText(int row) const
{
    return row >= 1 && row <= rowCount() ? m_rows[row - 1].text : QString();
}

QRect TLumOdpList::RowRect(int row) const
{
    return row >= 1 && row <= rowCount() ? m_rows[row - 1].rect : QRect();
}

QRect TLumOdpList::RowFrame(int row) const
{
    const QRect r = RowRect(row);
    if (r.isEmpty())
        return {};
    const int grow = std::max(0, m_interlinia - 3);
    return QRect(QPoint(m_margines, r.top() - grow), QPoint(width() - m_margines - 1, r.bottom() + grow));
}

int TLumOdpList::RowAt(const QPoint& p) const
{
    for (int row = 1; row <= rowCount(); ++row)
        if (RowFrame(row).contains(p))
            return row;
    return -1;
}

int TLumOdpList::contentHeight() const
{
    int bottom = 0;
    for (int row = 1; row <= rowCount(); ++row)
        if (!RowFrame(row).isEmpty())
            bottom = RowFrame(row).bottom() + 1;
    return bottom;
}

int TLumOdpList::iconWidth() const
{
    return m_icon.isNull() ? 0 : m_icon.width();
}

// Rows with text are laid top to bottom: each word-wrapped between the icon
// column and the right margin, Interlinia + 2 pixels below the row before; the
// first starts where its frame touches the top edge.
void TLumOdpList::layoutRows()
{
    const int left = m_marginesImage + iconWidth() + m_margines;
    const int right = width() - m_margines;
    int y = std::max(0, m_interlinia - 3);
    for (Row& r : m_rows) {
        if (r.text.isEmpty() || right <= left) {
            r.rect = QRect();
            continue;
        }
        const QRect need = MeasureTextRect(font(), QRect(left, y, right - left, 100000), DT_WORDBREAK, r.text);
        r.rect = QRect(left, y, right - left, std::max(1, need.height()));
        y = r.rect.bottom() + 1 + m_interlinia + 2;
    }
}

void TLumOdpList::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas canvas(p, nullptr, this);
    canvas.setFont(font(), Qt::black);
    const int lineHeight = TextHeight(font(), QStringLiteral("W"));
    for (int row = 1; row <= rowCount(); ++row) {
        const Row& r = m_rows[row - 1];
        if (r.rect.isEmpty())
            continue;
        const bool light = row == m_selected || (m_selected == -1 && row == m_hovered);
        const bool green = m_highlight && row == m_correct && row != m_selected;
        if (light || green) {
            const QRect f = RowFrame(row);
            p.save();
            p.setPen(green ? greenPen() : lightPen());
            p.setBrush(green ? greenFill() : lightFill());
            p.drawRect(f.adjusted(0, 0, -1, -1));
            p.restore();
        }
        const QImage* icon = nullptr;
        QString label;
        if (row == m_correct) {
            icon = &m_iconOK;
            label = QStringLiteral("IconOK");
        } else if (row == m_selected) {
            icon = &m_iconWrong;
            label = QStringLiteral("IconWrong");
        } else if (m_selected == -1) {
            icon = &m_icon;
            label = QStringLiteral("Icon");
        }
        if (icon && !icon->isNull())
            canvas.ownPicture(*icon, QPoint(m_marginesImage, r.rect.top() + (lineHeight - icon->height()) / 2),
                              label);
        canvas.wrappedText(r.rect, r.text);
    }
}

void TLumOdpList::setHovered(int row)
{
    if (row == m_hovered)
        return;
    m_hovered = row;
    setCursor(m_hovered != -1 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
}

void TLumOdpList::mouseMoveEvent(QMouseEvent* e)
{
    setHovered(m_selected == -1 ? RowAt(e->position().toPoint()) : -1);
}

void TLumOdpList::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || m_selected != -1)
        return;
    const int row = RowAt(e->position().toPoint());
    if (row != -1)
        emit rowClicked(row);
}

void TLumOdpList::leaveEvent(QEvent*)
{
    setHovered(-1);
}

void TLumOdpList::resizeEvent(QResizeEvent*)
{
    layoutRows();
}

void TLumOdpList::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange)
        layoutRows();
    if (e->type() == QEvent::EnabledChange && !isEnabled())
        setHovered(-1);
    QWidget::changeEvent(e);
}
