#pragma once

#include <QWidget>

// An invisible area of a window that takes clicks (a paint box of the layout):
// it reports the mouse entering and leaving it and a left click released on it.
class HotArea : public QWidget {
    Q_OBJECT
public:
    HotArea(QWidget* parent, const char* name, const QRect& geometry);

signals:
    void entered();
    void left();
    void clicked();

protected:
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
};
