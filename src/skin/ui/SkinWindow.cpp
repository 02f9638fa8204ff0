#include "SkinWindow.h"

#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumResButton.h"

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

TAALabel* WhiteLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& family, int pixels,
                     bool wrap, bool bold)
{
    auto* l = new TAALabel(parent);
    l->setObjectName(QLatin1String(name));
    if (wrap) {
        l->setGeometry(geometry);
        l->setWordWrap(true);
    } else {
        l->move(geometry.topLeft());
        l->setAutoSize(true);
    }
    l->setLabelFont(PixelFont(family, pixels, bold));
    l->setFontColor(Qt::white);
    return l;
}

TLumResButton* DialogButton(QWidget* parent, const char* name, const QRect& geometry, const QString& caption)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setRozmiar(TRozmiar::roz32);
    b->setGeometry(geometry);
    b->setGrafikaIndex(2);
    b->setFontColor(Qt::white);
    b->setCaption(caption);
    return b;
}

TLumResButton* FrameCloseButton(QWidget* parent, const char* name, int dialogWidth)
{
    auto* b = new TLumResButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setSkladowe(TElementy::el9);
    b->setFlat(true);
    b->setGeometry(dialogWidth - 46, 10, 22, 22);
    b->setCaption(QStringLiteral("X"));
    b->setFontColor(Qt::white);
    return b;
}
