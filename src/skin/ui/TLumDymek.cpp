#include "TLumDymek.h"

#include "ControlGeometry.h"
#include "SkinCanvas.h"
#include "SmoothText.h"

#include <QPainter>

TLumDymek::TLumDymek(QWidget* parent) : QWidget(parent)
{
    setFixedWidth(332);
    resize(332, 60);
    hide();
}

void TLumDymek::setLibrary(const ISkinImages* library) { m_library = library; }

void TLumDymek::ShowBubble(int x, int y, const QString& text)
{
    m_tekst = text;
    const int W = width();
    const QRect measured = MeasureTextRect(font(), Ltrb(8, 5, W - 8, 5), DT_WORDBREAK, text);
    const int bottom = measured.bottom() + 1;
    setGeometry(BubbleRect(x, y, W, bottom));

    // The pictures' transparent parts let the parent show through: the bubble
    // is drawn on a transparent picture rather than over a copy of the screen.
    m_picture = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    m_picture.fill(Qt::transparent);
    QPainter p(&m_picture);
    SkinCanvas c(p, m_library, this);
    if (c.hasLibrary()) {
        c.pictureAt(QStringLiteral("DYMEK_01"), {0, 0});
        c.pictureInto(QStringLiteral("DYMEK_02"), Ltrb(0, 5, W, bottom));
        c.pictureAt(QStringLiteral("DYMEK_03"), {0, bottom});
    } else {
        c.placeholder(rect());
    }
    c.setFont(font(), m_fontColor);
    c.wrappedText(Ltrb(8, 5, W - 8, bottom + 3), text);
    p.end();

    raise();
    show();
    update();
}

void TLumDymek::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_picture);
}
