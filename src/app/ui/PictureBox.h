#pragma once

#include <QImage>
#include <QWidget>

// A picture component of a window: draws its picture at its top-left, or
// stretched over the whole component. Takes no mouse clicks of its own unless
// asked (they reach the window underneath).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr, const char* name = nullptr);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& img);
    void setStretch(bool v);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_picture;
    bool m_stretch = false;
};
