#pragma once

#include <QImage>
#include <QWidget>

// A picture component of a window: draws its picture at its top-left, or
// stretched over the whole component. By default it takes no mouse clicks
// (they reach the window underneath); with setReportsMouse it reports the
// left button's presses, moves and releases with the pointer's position in
// the component (the player's slider, track and mark buttons).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const char* name = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& img);
    void setStretch(bool v);
    void setReportsMouse(bool v);

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
    bool m_stretch = false;
};
