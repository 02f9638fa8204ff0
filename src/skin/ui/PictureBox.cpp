#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent, const char* name) : QWidget(parent)
{
    if (name)
        setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const QImage& img)
{
    m_picture = img;
    update();
}

void PictureBox::setStretch(bool v)
{
    m_stretch = v;
    update();
}

void PictureBox::setReportsMouse(bool v)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, !v);
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch)
        p.drawImage(rect(), m_picture);
    else
        p.drawImage(0, 0, m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit pressed(e->position().toPoint());
}

void PictureBox::mouseMoveEvent(QMouseEvent* e)
{
    if (e->buttons() & Qt::LeftButton)
        emit moved(e->position().toPoint());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        emit released(e->position().toPoint());
}
