#pragma once

#include "ShellHooks.h"

#include <QDialog>

class IModalRunner;
class QLineEdit;
class TAALabel;
class TLumDialogWindow;
class TLumResButton;
struct ShellContext;

// The password window (326 × 177): asks for the password of a protected
// profile before it is logged in, changed or removed.
class TfrmInputPass : public QDialog {
    Q_OBJECT
public:
    TfrmInputPass(ShellContext& ctx, const ShellHooks& hooks, QWidget* parent = nullptr);

    bool OK() const { return m_ok; }
    // The password box, trimmed.
    QString Text() const;

    TLumDialogWindow* DialogWindow;
    TAALabel* lblPrompt;
    QLineEdit* ePass;
    TLumResButton* btnOk;
    TLumResButton* btnAnuluj;
    TLumResButton* btnClose;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void finish(bool ok);

    const ShellHooks& m_hooks;
    bool m_ok = false;
};

struct PasswordAnswer {
    bool ok = false; // OK was pressed
    QString text;    // trimmed; empty when cancelled
};

// Runs the password window; ok only when OK was pressed.
PasswordAnswer AskPassword(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, QWidget* parent = nullptr);
