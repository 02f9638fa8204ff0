#include "PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter p(this);
    p.drawImage(rect(), m_picture);
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
