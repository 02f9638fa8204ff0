#pragma once

#include "ShellHooks.h"
#include "TUser.h"
#include "UserList.h"

#include <QImage>
#include <QWidget>

class IModalRunner;
class PictureBox;
class QListWidgetItem;
class TAALabel;
class TfrmPodklad;
class TLumBelka;
class TLumListBox;
class TLumResButton;
class TWOwnrScrllBar;
struct ShellContext;

// The login window (1024 × 768): the profiles as figures with names. A click
// on an entry logs its learner in; the two small icons of the entry under the
// mouse change or remove the profile; a button creates a new one. The window
// owns the user list while it is open, saves it whenever it changes and when
// the window closes, and frees itself when it closes.
class TfrmLogowanie : public QWidget {
    Q_OBJECT
public:
    TfrmLogowanie(ShellContext& ctx, IModalRunner& modal, const ShellHooks& hooks, TfrmPodklad* background = nullptr);

    // Reads AppDir\Users\usr.txt into the list. A file that exists but cannot
    // be read is reported, and the list is then left alone: nothing is saved
    // over it and profiles cannot be created, changed or removed.
    void LoadUserList();
    // Copies the lines into the list box and sizes it and its scroll bar.
    void FillList();

    const UserList& users() const { return m_users; }
    bool listUsable() const { return m_listUsable; }

    // The entry shown at `index` (0-based row of the list), its rectangles.
    static QRect ConfigIconRect(int visibleRow);
    static QRect BinIconRect(int visibleRow);

    // What a click on the list at `pos` (list coordinates) does.
    enum class ClickTarget { Nothing, LogIn, Change, Remove };
    struct Hit {
        ClickTarget target = ClickTarget::Nothing;
        int index = -1;
    };
    Hit HitTest(const QPoint& pos) const;

    // The actions of an entry, each behind the password gate.
    void LogIn(int index);
    void ChangeProfile(int index);
    void RemoveProfileAt(int index);
    void CreateProfileClicked();

    // Draws entry `row` into `p` at `r` as the list shows it.
    void DrawItem(QPainter& p, const QRect& r, int row, bool selected) const;

    TLumBelka* LumBelka1;
    TLumResButton* btnBelkaHelp;
    TLumResButton* btnClose;
    TLumResButton* btnMinimize;
    PictureBox* IMG_Tlo;
    TAALabel* lblWybierz;
    TAALabel* lblAby;
    TLumResButton* btnStworzProfil;
    TLumListBox* Lista;
    TWOwnrScrllBar* SB;
    QImage BTN, IMG_Config, IMG_Kosz;

signals:
    // The learner passed the password gate of `user` (Figure in memory form):
    // the program logs the learner in and closes this window.
    void loginRequested(const TUser& user);

protected:
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool passwordGate(const TUser& user);
    bool ensureUsable();
    void refreshScrollBar();
    void applyTexts();

    ShellContext& m_ctx;
    IModalRunner& m_modal;
    const ShellHooks& m_hooks;
    TfrmPodklad* m_background;
    UserList m_users;
    bool m_listUsable = true;
    QImage m_bg; // AppDir\Gfx\bg.bmp
};
