#include "SkinWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void SetupSkinWindow(QWidget* window, QSize fixedSize)
{
    window->setWindowFlag(Qt::FramelessWindowHint, true);
    window->setWindowTitle(QStringLiteral("Orvanta 6.0"));
    if (fixedSize.isValid())
        window->setFixedSize(fixedSize);
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect s = screen->geometry();
    window->move(s.left() + s.width() / 2 - window->width() / 2, s.top() + s.height() / 2 - window->height() / 2);
}
