#include "TfrmMessage.h"

#include "ApplySkin.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumMsgBoxWindow.h"
#include "TLumResButton.h"

#include <QKeyEvent>

TfrmMessage::TfrmMessage(const SkinRecord& skin, std::function<QString(int)> uiText, QWidget* parent)
    : QWidget(parent, Qt::Window), m_uiText(std::move(uiText))
{
    SetupSkinWindow(this, QSize(495, 304));

    lumMsgBox = new TLumMsgBoxWindow(this);
    lumMsgBox->setObjectName(QStringLiteral("lumMsgBox"));
    lumMsgBox->setIcon(TIconType::icoInformation);

    Polecenie = WhiteLabel(this, "Polecenie", QRect(97, 75, 368, 140), QStringLiteral("Trebuchet MS"), 19, true);
    btnOK = DialogButton(this, "btnOK", QRect(304, 245, 115, 32), QStringLiteral("OK"));
    btnSkip = DialogButton(this, "btnSkip", QRect(183, 245, 115, 32), QString());
    connect(btnOK, &TLumResButton::clicked, this, [this] { finish(1); });
    connect(btnSkip, &TLumResButton::clicked, this, [this] { finish(0); });

    ApplySkin(this, skin);
}

void TfrmMessage::showEvent(QShowEvent*)
{
    if (m_uiText) {
        lumMsgBox->setCaption(m_uiText(59));
        btnSkip->setCaption(m_uiText(185));
    }
    m_result = 0;
    CentreOnScreen(this);
}

void TfrmMessage::finish(int result)
{
    m_result = result;
    close();
    emit finished(result);
}

void TfrmMessage::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape || e->key() == Qt::Key_Space)
        finish(0);
    e->accept(); // every key ends here
}
