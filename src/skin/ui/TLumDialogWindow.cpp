#include "TLumDialogWindow.h"

#include "ParentFit.h"
#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QMouseEvent>
#include <QPainter>

TLumDialogWindow::TLumDialogWindow(QWidget* parent) : QWidget(parent)
{
    new ParentFit(this, ParentFit::Fill);
}

void TLumDialogWindow::setSkin(const SkinRecord& skin) { m_skin = skin; update(); }
void TLumDialogWindow::setCaption(const QString& v) { m_caption = v; update(); }
void TLumDialogWindow::setBelkaSize(TBelkaSize v) { m_belkaSize = v; update(); }
void TLumDialogWindow::setIconIndex(int v) { m_iconIndex = v; update(); }
void TLumDialogWindow::setDialogStyle(TDialogStyle v) { m_style = v; update(); }

QRect TLumDialogWindow::barRect() const
{
    return QRect(0, 0, width(), m_belkaSize == TBelkaSize::bs40 ? 40 : 60);
}

void TLumDialogWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, m_skin.library, this);
    if (c.placeholderWithoutLibrary(rect()))
        return;
    const QString s = m_style == TDialogStyle::dsBlue ? QStringLiteral("_B") : QStringLiteral("_W");
    const int W = width(), H = height();
    const int w1 = m_skin.Dial01Width, h1 = m_skin.Dial01Height;
    const int w3 = m_skin.Dial03Width, h3 = m_skin.Dial03Height;
    const int w7 = m_skin.Dial07Width, h7 = m_skin.Dial07Height;
    const int w9 = m_skin.Dial09Width, h9 = m_skin.Dial09Height;
    auto name = [&](const char* base) { return QLatin1String(base) + s; };

    c.pictureAt(name("DIAL01"), {0, 0});
    c.pictureInto(name("DIAL02"), Ltrb(w1, 0, W - w3, h1));
    c.pictureAt(name("DIAL03"), {W - w3, 0});
    c.pictureInto(name("DIAL04"), Ltrb(0, h1, w1, H - h7));
    c.pictureInto(name("DIAL05"), Ltrb(w1, h1, W - w3, H - h7));
    c.pictureInto(name("DIAL06"), Ltrb(W - w3, h3, W, H - h7));
    c.pictureAt(name("DIAL07"), {0, H - h7});
    c.pictureInto(name("DIAL08"), Ltrb(w7, H - h7, W - w9, H));
    c.pictureAt(name("DIAL09"), {W - w9, H - h9});

    const bool small = m_belkaSize == TBelkaSize::bs40;
    const int b = small ? 39 : 59;
    c.pictureInto(name("DIAL_BELKA"), Ltrb(w1, h1, W - w3, h1 + b));

    int x = w1 + 17;
    if (m_iconIndex >= 0) {
        const QString icon = QStringLiteral("DIAL_ICO_%1").arg(m_iconIndex);
        const QImage img = c.fetch(icon);
        const QSize drawn = c.drawFetched(icon, img, QPoint(x, (w1 + b) / 2 + 2 - img.height() / 2));
        if (!drawn.isEmpty())
            x += drawn.width() + 14;
    }
    const QFont font = SkinFont(QStringLiteral("Tahoma"), small ? 12 : 18);
    c.setFont(font, m_style == TDialogStyle::dsBlue ? QColor(2, 173, 228) : QColor(79, 79, 79));
    c.text(x, b / 2 - TextHeight(font, m_caption) / 2, m_caption);

    paintExtras(c);
}

void TLumDialogWindow::paintExtras(SkinCanvas&) {}

void TLumDialogWindow::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && barRect().contains(e->position().toPoint())) {
        m_dragging = true;
        m_dragStartGlobal = e->globalPosition().toPoint();
        m_windowStart = window()->pos();
    }
}

void TLumDialogWindow::mouseMoveEvent(QMouseEvent* e)
{
    if (m_dragging && m_allowMove)
        window()->move(m_windowStart + (e->globalPosition().toPoint() - m_dragStartGlobal));
}

void TLumDialogWindow::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_dragging = false;
}
