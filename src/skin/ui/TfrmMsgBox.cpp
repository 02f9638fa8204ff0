#include "TfrmMsgBox.h"

#include "ApplySkin.h"
#include "SkinWindow.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TLumMsgBoxWindow.h"
#include "TLumResButton.h"

#include <QKeyEvent>

TfrmMsgBox::TfrmMsgBox(const SkinRecord& skin, std::function<int()> interfaceLanguage, QWidget* parent)
    : QDialog(parent), m_language(std::move(interfaceLanguage))
{
    SetupSkinWindow(this, QSize(423, 226));
    setModal(true);

    Body = new TLumMsgBoxWindow(this);
    Body->setObjectName(QStringLiteral("Body"));

    lblTresc = WhiteLabel(this, "lblTresc", QRect(93, 65, 305, 109), QStringLiteral("Trebuchet MS"), 16, true);
    btnTak = DialogButton(this, "btnTak", QRect(193, 182, 100, 32), QString());
    btnNie = DialogButton(this, "btnNie", QRect(300, 182, 100, 32), QString());
    btnOK = DialogButton(this, "btnOK", QRect(299, 182, 100, 32), QStringLiteral("OK"));

    LumResButton1 = FrameCloseButton(this, "LumResButton1", 423);

    connect(btnTak, &TLumResButton::clicked, this, [this] { finish(1); });
    connect(btnOK, &TLumResButton::clicked, this, [this] { finish(1); });
    connect(btnNie, &TLumResButton::clicked, this, [this] { finish(0); });
    connect(LumResButton1, &TLumResButton::clicked, this, [this] { finish(0); });

    ApplySkin(this, skin);
}

void TfrmMsgBox::Prepare(const QString& text, const QString& title, MsgBoxKind kind)
{
    lblTresc->setCaption(text);
    Body->setCaption(title);
    const bool polish = m_language && m_language() == 0;
    btnTak->setCaption(polish ? QStringLiteral("Tak") : QStringLiteral("Yes"));
    btnNie->setCaption(polish ? QStringLiteral("Nie") : QStringLiteral("No"));
    m_kind = kind;
    const bool question = kind == MsgBoxKind::Question;
    Body->setIcon(question ? TIconType::icoQuestion : TIconType::icoInformation);
    btnTak->setVisible(question);
    btnNie->setVisible(question);
    btnOK->setVisible(!question);
    m_result = 0;
    CentreOnScreen(this);
}

int TfrmMsgBox::ShowMessageBox(const QString& text, const QString& title, MsgBoxKind kind)
{
    Prepare(text, title, kind);
    exec();
    return m_result;
}

void TfrmMsgBox::finish(int result)
{
    m_result = result;
    done(result);
}

void TfrmMsgBox::keyPressEvent(QKeyEvent* e)
{
    const bool question = m_kind == MsgBoxKind::Question;
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        (question ? btnTak : btnOK)->ClickIfEnabled();
        break;
    case Qt::Key_Escape:
        (question ? btnNie : btnOK)->ClickIfEnabled();
        break;
    default:
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
}
