#include "FormPictures.h"

#include "TLumResButton.h"

#include <QApplication>
#include <QHash>
#include <QTransform>
#include <QWidget>

// The compiled-in collection lives in a static library: register it once.
static void registerFormPictures()
{
    Q_INIT_RESOURCE(form_pictures);
}

QImage FormPicture(const QString& name)
{
    static const bool registered = (registerFormPictures(), true);
    (void)registered;
    static QHash<QString, QImage> cache;
    const auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QImage picture;
    if (!name.isEmpty() && !name.contains(u'/'))
        picture.load(QStringLiteral(":/forms/") + name + QStringLiteral(".png"));
    if (!picture.isNull())
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cache.insert(name, picture);
    return picture;
}

void SetButtonGlyph(TLumResButton* button, const QString& imageName, int state)
{
    if (!button)
        return;
    const QImage picture = FormPicture(imageName);
    if (picture.isNull())
        return;
    switch (state) {
    case 1: button->setGlyph(picture); break;
    case 2: button->setGlyphHot(picture); break;
    case 3: button->setGlyphDown(picture); break;
    default: break;
    }
}

void SetWindowButtonGlyphs(TLumResButton* button, const QString& prefix)
{
    SetButtonGlyph(button, prefix + QStringLiteral("_N"), 1);
    SetButtonGlyph(button, prefix + QStringLiteral("_H"), 2);
    SetButtonGlyph(button, prefix + QStringLiteral("_D"), 3);
}

void MinimizeApplication()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !(w->windowFlags() & Qt::ToolTip))
            w->showMinimized();
}

ScrollBarPictures FormScrollBarPictures(bool horizontal)
{
    auto picture = [horizontal](const char* name) {
        const QImage img = FormPicture(QLatin1String(name));
        return horizontal ? img.transformed(QTransform().rotate(-90)) : img;
    };
    ScrollBarPictures p;
    p.IMG_UP = picture("SB_UP");
    p.IMG_DOWN = picture("SB_DOWN");
    p.IMG_SUWAK = picture("SB_SUWAK");
    p.IMG_RYNNA1 = picture("SB_RYNNA1");
    p.IMG_RYNNA2 = picture("SB_RYNNA2");
    p.IMG_RYNNA3 = picture("SB_RYNNA3");
    p.rynna1 = horizontal ? p.IMG_RYNNA1.width() : p.IMG_RYNNA1.height();
    p.rynna3 = horizontal ? p.IMG_RYNNA3.width() : p.IMG_RYNNA3.height();
    return p;
}
