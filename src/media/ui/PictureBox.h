#pragma once

#include <QImage>
#include <QWidget>

// A picture control of the player window: draws its picture stretched over
// itself and reports presses, moves and releases with the pointer's position
// in the control (for the slider, the track and the mark buttons).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

signals:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released(QPoint at);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage m_picture;
};
