#include "ParentFit.h"

#include <QEvent>
#include <QWidget>

ParentFit::ParentFit(QWidget* child, Mode mode) : QObject(child), m_child(child), m_mode(mode)
{
    if (QWidget* parent = child->parentWidget())
        parent->installEventFilter(this);
    fit();
}

void ParentFit::fit()
{
    QWidget* parent = m_child->parentWidget();
    if (!parent)
        return;
    if (m_mode == Top)
        m_child->setGeometry(0, 0, parent->width(), m_child->height());
    else
        m_child->setGeometry(parent->rect());
}

bool ParentFit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == m_child->parentWidget())
        fit();
    return false;
}
