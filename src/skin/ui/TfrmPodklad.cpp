#include "TfrmPodklad.h"

#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TfrmPodklad::TfrmPodklad(QWidget* parent) : QWidget(parent, Qt::Window)
{
    SetupSkinWindow(this);
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? screen->geometry() : QRect(0, 0, 1024, 768));
    setEnabled(false);

    lblWait = WhiteLabel(this, "lblWait", QRect(), QStringLiteral("Tahoma"), 16, false);
    lblWait->setAlignment(TAlignment::taCenter);
    lblWait->hide();
    centreWait();

    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1.stop();
        emit openExercise();
        m_busy = false;
    });
}

void TfrmPodklad::centreWait()
{
    lblWait->move((width() - lblWait->width()) / 2, (height() - lblWait->height()) / 2);
}

void TfrmPodklad::ShowWait(const QString& text)
{
    lblWait->setCaption(text);
    centreWait();
    lblWait->show();
}

void TfrmPodklad::HideWait()
{
    lblWait->hide();
}

bool TfrmPodklad::RequestOpen()
{
    if (m_busy)
        return false;
    m_busy = true;
    Timer1.start();
    return true;
}

void TfrmPodklad::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::black);
}
