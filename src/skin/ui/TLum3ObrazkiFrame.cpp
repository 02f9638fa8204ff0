#include "TLum3ObrazkiFrame.h"

#include "SkinCanvas.h"

#include <QPainter>

TLum3ObrazkiFrame::TLum3ObrazkiFrame(QWidget* parent) : QWidget(parent)
{
    setFixedSize(248, 296);
}

void TLum3ObrazkiFrame::setLibrary(const ISkinImages* library) { m_library = library; update(); }
void TLum3ObrazkiFrame::setStylRamki(T3ObFrameType v) { m_styl = v; update(); }
void TLum3ObrazkiFrame::setStanRamki(T3ObFrameState v) { m_stan = v; update(); }

void TLum3ObrazkiFrame::paintEvent(QPaintEvent*)
{
    if (m_stan == T3ObFrameState::fsNone)
        return;
    QPainter p(this);
    SkinCanvas c(p, m_library, this);
    if (c.placeholderWithoutLibrary(rect()))
        return;
    const char letter = m_stan == T3ObFrameState::fsHover ? 'H' : m_stan == T3ObFrameState::fsDobrze ? 'D' : 'Z';
    const QString base = QStringLiteral("RAMKA5_%1%2").arg(int(m_styl) + 1).arg(QLatin1Char(letter));
    c.pictureAt(base + u'1', {0, 24});
    const QImage right = c.fetch(base + u'2');
    c.drawFetched(base + u'2', right, {width() - right.width(), 24});
    c.pictureAt(base + u'3', {0, 0});
    const QImage bottom = c.fetch(base + u'4');
    c.drawFetched(base + u'4', bottom, {0, height() - bottom.height()});
}

void TLum3ObrazkiFrame::enterEvent(QEnterEvent*)
{
    emit mouseEntered();
}

void TLum3ObrazkiFrame::leaveEvent(QEvent*)
{
    emit mouseLeft();
}
