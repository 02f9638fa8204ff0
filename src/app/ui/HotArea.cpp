#include "HotArea.h"

#include <QMouseEvent>

HotArea::HotArea(QWidget* parent, const char* name, const QRect& geometry) : QWidget(parent)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setCursor(Qt::PointingHandCursor);
}

void HotArea::enterEvent(QEnterEvent*)
{
    emit entered();
}

void HotArea::leaveEvent(QEvent*)
{
    emit left();
}

void HotArea::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}
