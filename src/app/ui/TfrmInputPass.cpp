#include "TfrmInputPass.h"

#include "ApplySkin.h"
#include "DialogParts.h"
#include "ModalRunner.h"
#include "ProfileValidation.h"
#include "ShellContext.h"
#include "SkinWindow.h"
#include "TAALabel.h"
#include "TLumDialogWindow.h"
#include "TLumResButton.h"

#include <QKeyEvent>
#include <QLineEdit>

TfrmInputPass::TfrmInputPass(ShellContext& ctx, const ShellHooks& hooks, QWidget* parent)
    : QDialog(parent), m_hooks(hooks)
{
    SetupSkinWindow(this, QSize(326, 177));
    setModal(true);

    DialogWindow = new TLumDialogWindow(this);
    DialogWindow->setObjectName(QStringLiteral("DialogWindow"));
    DialogWindow->setGeometry(rect());
    DialogWindow->setCaption(ctx.UiText(81));

    lblPrompt = DialogLabel(this, "lblPrompt", QPoint(24, 58), 15);
    lblPrompt->setCaption(ctx.UiText(80));
    ePass = DialogEdit(this, "ePass", QRect(24, 82, 278, 24), 30, true);
    btnOk = DialogButton(this, "btnOk", QRect(96, 127, 100, 32), QStringLiteral("OK"));
    btnAnuluj = DialogButton(this, "btnAnuluj", QRect(202, 127, 100, 32), ctx.UiText(32));
    btnClose = FrameCloseButton(this, "btnClose", 326);

    connect(btnOk, &TLumResButton::clicked, this, [this] { finish(true); });
    connect(btnAnuluj, &TLumResButton::clicked, this, [this] { finish(false); });
    connect(btnClose, &TLumResButton::clicked, this, [this] { finish(false); });
    connect(ePass, &QLineEdit::returnPressed, btnOk, &TLumResButton::ClickIfEnabled);

    ApplySkin(this, ctx.skin);
    CentreOnScreen(this);
    ePass->setFocus();
}

QString TfrmInputPass::Text() const
{
    return m_ok ? TrimBlanks(ePass->text()) : QString();
}

void TfrmInputPass::finish(bool ok)
{
    m_ok = ok;
    done(ok ? Accepted : Rejected);
}

void TfrmInputPass::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        btnAnuluj->ClickIfEnabled();
        break;
    case Qt::Key_F1:
        m_hooks.help(QStringLiteral("h_index.html"), this);
        break;
    default:
        QDialog::keyPressEvent(e);
        return;
    }
    e->accept();
}

PasswordAnswer AskPassword(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, QWidget* parent)
{
    TfrmInputPass window(ctx, hooks, parent);
    modal.run(window);
    return {window.OK(), window.Text()};
}
