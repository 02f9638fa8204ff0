#include "DialogParts.h"

#include "FormPictures.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumCheckBox.h"

#include <QLineEdit>

QLineEdit* DialogEdit(QWidget* parent, const char* name, const QRect& geometry, int maxLength, bool password)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setGeometry(geometry);
    e->setMaxLength(maxLength);
    e->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    e->setFrame(false);
    if (password)
        e->setEchoMode(QLineEdit::Password);
    e->setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; color: black; border: 1px solid rgb(111,182,240); border-radius: 3px;"
        " padding: 1px 4px; selection-background-color: rgb(47,127,214); }"
        "QLineEdit:focus { border: 1px solid rgb(2,173,228); }"
        "QLineEdit:disabled { background: rgb(214,224,236); }"));
    return e;
}

TLumCheckBox* DialogCheckBox(QWidget* parent, const char* name, const QPoint& at, bool radio)
{
    auto* c = new TLumCheckBox(parent);
    c->setObjectName(QLatin1String(name));
    const QString kind = radio ? QStringLiteral("RAD_") : QStringLiteral("CHK_");
    c->setFont(PixelFont(QStringLiteral("Tahoma"), 13));
    c->setGfxChecked(FormPicture(kind + QStringLiteral("ON")));
    c->setGfxUnChecked(FormPicture(kind + QStringLiteral("OFF")));
    c->setGfxHotChecked(FormPicture(kind + QStringLiteral("ON_H")));
    c->setGfxHotUnChecked(FormPicture(kind + QStringLiteral("OFF_H")));
    c->setRadioStyle(radio);
    c->setFontColor(Qt::white);
    c->setChecked(false);
    c->move(at);
    return c;
}

TAALabel* DialogLabel(QWidget* parent, const char* name, const QPoint& at, int pixels)
{
    return WhiteLabel(parent, name, QRect(at, QSize()), QStringLiteral("Tahoma"), pixels, false);
}

