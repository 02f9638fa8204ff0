#pragma once

#include "ShellHooks.h"
#include "TUser.h"

#include <QDialog>

class IModalRunner;
class PictureBox;
class QLineEdit;
class TAALabel;
class TALScrollBar;
class TLumCheckBox;
class TLumDialogWindow;
class TLumResButton;
struct ShellContext;
struct UserList;

enum class ProfileMode { Create, Change };

// The profile window (572 × 348): login, gender, figure style and colour and
// an optional password of a new or an existing profile.
class TfrmNewUser : public QDialog {
    Q_OBJECT
public:
    // `list` is the user list the login must be unique in; `user` the profile
    // being changed (Figure in memory form), ignored when creating.
    TfrmNewUser(ShellContext& ctx, const ShellHooks& hooks, const UserList& list, ProfileMode mode,
                const TUser& user, QWidget* parent = nullptr);

    bool Accepted() const { return m_accepted; }
    // The accepted profile: login trimmed, Figure in file form, the edited Id.
    TUser Result() const { return m_result; }

    // The figure's skin picture now shown: "C" + gender + (position + style + 1).
    QString FigureName() const;
    int Style() const { return m_style; }
    int ColourPosition() const;

    TLumDialogWindow* DialogWindow;
    TAALabel *lblNazwa, *lblPlec, *lblPass, *lblPowtorzPass, *lblAby;
    QLineEdit* eLogin;
    TLumCheckBox *chPlec_K, *chPlec_M, *chPass;
    QLineEdit *eHaslo, *eHaslo2;
    PictureBox* Image13;
    PictureBox* Ludzik;
    PictureBox* Kolor[6];
    TALScrollBar* kolor;
    TLumResButton *LumResButton1, *LumResButton2, *LumResButton3;
    TLumResButton *btnOK, *btnCancel;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void showPasswordPart();
    void showFigure();
    void setStyle(int style);
    void pressOK();

    ShellContext& m_ctx;
    const ShellHooks& m_hooks;
    const UserList& m_list;
    qint32 m_id = 0;
    int m_style = 10;
    bool m_accepted = false;
    TUser m_result;
};

// Runs the profile window. On acceptance writes Login, Gender, Figure (file
// form), HasPassword and Password into `user` and returns true; the Id stays.
bool EditProfile(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, const UserList& list, TUser& user,
                 ProfileMode mode, QWidget* parent = nullptr);
