#include "TfrmProgress.h"

#include "ControlGeometry.h"
#include "SkinCanvas.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

// The default pictures: a dark blue panel with a lighter edge, a green bar.
static QImage defaultBackground()
{
    QImage img(220, 50, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(16, 52, 98));
    QPainter p(&img);
    p.setPen(QColor(70, 130, 190));
    p.drawRect(0, 0, 219, 49);
    p.fillRect(10, 28, 202, 12, QColor(8, 30, 60));
    return img;
}

static QImage defaultBar()
{
    QImage img(1, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, 10);
    g.setColorAt(0, QColor(140, 230, 120));
    g.setColorAt(1, QColor(0, 140, 40));
    p.fillRect(0, 0, 1, 10, g);
    return img;
}

TfrmProgress::TfrmProgress(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), m_background(defaultBackground()), m_bar(defaultBar())
{
    SetupSkinWindow(this, QSize(220, 50));
    Label1 = WhiteLabel(this, "Label1", QRect(11, 8, 0, 0), QStringLiteral("Trebuchet MS"), 12, false, true);
    Label1->setCaption(QString());
    CentreOnScreen(this);
}

void TfrmProgress::setPictures(const QImage& background, const QImage& bar)
{
    m_background = background;
    m_bar = bar;
    update();
}

void TfrmProgress::Start(int total, const QString& text)
{
    m_total = total;
    Label1->setCaption(text);
    m_barWidth = 0;
    show();
    update();
    QCoreApplication::processEvents();
}

void TfrmProgress::Step(int n)
{
    if (m_total <= 0)
        return;
    m_barWidth = ProgressBarWidth(n, m_total);
    update(QRect(11, 29, 200, 10));
}

void TfrmProgress::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    SkinCanvas c(p, nullptr, this);
    c.ownPicture(m_background, {0, 0}, QStringLiteral("background"));
    c.ownPictureInto(m_bar, QRect(11, 29, m_barWidth, 10), QStringLiteral("IMG_Progress"));
}
