// The login window: the list of profiles, hovering, the icons, the password
// gate, creating, changing and removing profiles and the files they write.
#include "ShellTestKit.h"

#include "TAALabel.h"
#include "TLumCheckBox.h"
#include "TLumListBox.h"
#include "TLumResButton.h"
#include "TWOwnrScrllBar.h"
#include "TfrmInputPass.h"
#include "TfrmLogowanie.h"
#include "TfrmNewUser.h"
#include "UserFiles.h"
#include "UserLine.h"
#include "UserList.h"
#include "UserProfiles.h"

#include <QDir>
#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace uidrive;

namespace {

// Writes usr.txt with `n` profiles "User1".. (no passwords) and the files of each.
void makeProfiles(ShellTestKit& kit, int n, const QString& passwordOf3 = {})
{
    UserList list;
    for (int i = 1; i <= n; ++i) {
        TUser u;
        u.Id = i;
        u.Login = QStringLiteral("User%1").arg(i);
        u.Gender = i % 2 ? QStringLiteral("K") : QStringLiteral("M");
        u.Figure = quint8(10 + (i % 6));
        if (i == 3 && !passwordOf3.isEmpty()) {
            u.HasPassword = true;
            u.Password = passwordOf3;
        }
        ASSERT_TRUE(CreateProfile(kit.inst, list, u).ok());
    }
}

struct LoginFixture {
    explicit LoginFixture(ShellTestKit& kit) : w(new TfrmLogowanie(kit.ctx, kit.modal, kit.hooks))
    {
        w->LoadUserList();
        w->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(w));
    }
    ~LoginFixture()
    {
        if (w)
            w->close();
    }
    QWidget* viewport() const { return w->Lista->viewport(); }
    // A point inside entry `row` of the visible page: its name, or an icon.
    QPoint onName(int visibleRow) const { return QPoint(150, 75 * visibleRow + 30); }
    QPoint onConfig(int visibleRow) const { return QPoint(92, 75 * visibleRow + 60); }
    QPoint onBin(int visibleRow) const { return QPoint(110, 75 * visibleRow + 60); }

    QPointer<TfrmLogowanie> w;
};

} // namespace

TEST(LoginWindow, ListSizeAndScrollBarFollowTheNumberOfProfiles)
{
    ShellTestKit kit;
    struct Case {
        int profiles, height;
        bool bar;
        int max;
    } cases[] = {{0, 0, false, 0}, {3, 225, false, 0}, {5, 375, false, 0}, {6, 375, true, 1}, {9, 375, true, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.profiles);
        QFile::remove(kit.file(QStringLiteral("Users/usr.txt")));
        makeProfiles(kit, c.profiles);
        LoginFixture f(kit);
        EXPECT_EQ(f.w->Lista->count(), c.profiles);
        EXPECT_EQ(f.w->Lista->height(), c.height);
        EXPECT_EQ(f.w->SB->isVisible(), c.bar);
        if (c.bar)
            EXPECT_EQ(f.w->SB->Max(), c.max);
        EXPECT_EQ(f.w->lblWybierz->Caption(), kit.ctx.UiText(63));
        EXPECT_EQ(f.w->btnStworzProfil->Caption(), kit.ctx.UiText(65));
    }
}

TEST(LoginWindow, HoverSelectsTheEntryAndShowsItsIcons)
{
    ShellTestKit kit;
    makeProfiles(kit, 3);
    LoginFixture f(kit);
    hover(f.viewport(), f.onName(1));
    EXPECT_EQ(f.w->Lista->currentRow(), 1);
    // the highlight and the icons are drawn on the selected entry only
    const QImage selected = f.viewport()->grab().toImage().copy(0, 75, 334, 75);
    hover(f.viewport(), f.onName(2));
    EXPECT_EQ(f.w->Lista->currentRow(), 2);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(f.viewport(), &leave);
    EXPECT_EQ(f.w->Lista->currentRow(), -1);
    EXPECT_TRUE(f.w->Lista->selectedItems().isEmpty());
    const QImage plain = f.viewport()->grab().toImage().copy(0, 75, 334, 75);
    EXPECT_NE(selected.copy(88, 55, 27, 11), plain.copy(88, 55, 27, 11));
}

// The icon rectangles count from the first visible entry: with the list
// scrolled by 2, the change icon of the third visible entry is item 4.
TEST(LoginWindow, IconsOfAScrolledListHitTheEntryShown)
{
    ShellTestKit kit;
    makeProfiles(kit, 8);
    LoginFixture f(kit);
    click(f.w->SB, QPoint(9, 375 - 5)); // down arrow, twice
    click(f.w->SB, QPoint(9, 375 - 5));
    ASSERT_EQ(f.w->SB->Position(), 2);
    EXPECT_EQ(f.w->Lista->topIndex(), 2);
    const auto hit = f.w->HitTest(f.onConfig(2));
    EXPECT_EQ(hit.target, TfrmLogowanie::ClickTarget::Change);
    EXPECT_EQ(hit.index, 4);
    EXPECT_EQ(f.w->HitTest(f.onBin(0)).target, TfrmLogowanie::ClickTarget::Remove);
    EXPECT_EQ(f.w->HitTest(f.onBin(0)).index, 2);
    EXPECT_EQ(f.w->HitTest(QPoint(99, 75 + 55)).target, TfrmLogowanie::ClickTarget::LogIn); // right edge excluded
    EXPECT_EQ(f.w->HitTest(f.onName(0)).index, 2);

    kit.modal.queue([&](QDialog& d) {
        EXPECT_EQ(static_cast<TfrmNewUser&>(d).eLogin->text(), QStringLiteral("User5"));
        click(static_cast<TfrmNewUser&>(d).btnCancel);
    });
    click(f.viewport(), f.onConfig(2));
    EXPECT_EQ(kit.modal.ran, QStringList{QStringLiteral("TfrmNewUser")});
}

TEST(LoginWindow, CreatingAProfileWritesItsFilesAndShowsIt)
{
    ShellTestKit kit;
    LoginFixture f(kit);
    kit.modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmNewUser&>(d);
        type(w.eLogin, QStringLiteral("Ola"));
        click(w.btnOK);
    });
    click(f.w->btnStworzProfil);
    ASSERT_EQ(f.w->Lista->count(), 1);
    EXPECT_EQ(f.w->Lista->height(), 75);
    const UserList saved = LoadUserList(kit.inst).value();
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved.lines[0], QByteArray("1=Ola=K=0==10"));
    EXPECT_EQ(testsupport::readAll(kit.file(QStringLiteral("Users/1_stat.xml"))), EmptyResultsFileBytes());
    EXPECT_EQ(testsupport::readAll(kit.file(QStringLiteral("Users/1_config.xml"))), DefaultConfigFileBytes());
    EXPECT_TRUE(QDir(kit.file(QStringLiteral("Users/1_Media_arch"))).exists());
    EXPECT_TRUE(QDir(kit.file(QStringLiteral("Users/1_Media_temp"))).exists());
}

TEST(LoginWindow, PasswordGateGuardsLoginChangeAndRemoval)
{
    ShellTestKit kit;
    makeProfiles(kit, 3, QStringLiteral("tajne"));
    LoginFixture f(kit);
    QSignalSpy logins(f.w.data(), &TfrmLogowanie::loginRequested);
    auto answer = [&](const QString& text, bool ok = true) {
        kit.modal.queue([=](QDialog& d) {
            auto& w = static_cast<TfrmInputPass&>(d);
            type(w.ePass, text);
            click(ok ? w.btnOk : w.btnAnuluj);
        });
    };
    // wrong password: the message, nothing else
    answer(QStringLiteral("zle"));
    click(f.viewport(), f.onName(2));
    EXPECT_EQ(logins.count(), 0);
    EXPECT_EQ(kit.shownTexts(), QStringList{kit.ctx.UiText(75)});
    // cancelled: silently nothing
    answer(QString(), false);
    click(f.viewport(), f.onBin(2));
    EXPECT_EQ(kit.messages.shown.size(), 1);
    // the change icon asks too
    answer(QStringLiteral("zle"));
    click(f.viewport(), f.onConfig(2));
    EXPECT_EQ(kit.modal.ran.count(QStringLiteral("TfrmNewUser")), 0);
    // right password: logged in with the parsed record
    answer(QStringLiteral(" tajne "));
    click(f.viewport(), f.onName(2));
    ASSERT_EQ(logins.count(), 1);
    const TUser user = logins[0][0].value<TUser>();
    EXPECT_EQ(user.Id, 3);
    EXPECT_EQ(user.Login, QStringLiteral("User3"));
    EXPECT_EQ(user.Figure, 14); // memory form
    // a profile without a password logs in at once
    click(f.viewport(), f.onName(0));
    EXPECT_EQ(logins.count(), 2);
    EXPECT_EQ(kit.modal.ran.count(QStringLiteral("TfrmInputPass")), 4);
}

TEST(LoginWindow, ChangeKeepsTheIdAndFilesRemovalAsksAndDeletes)
{
    ShellTestKit kit;
    makeProfiles(kit, 3);
    testsupport::writeAll(kit.file(QStringLiteral("Users/2_Media_temp/usr_a.wav")), "RIFF");
    LoginFixture f(kit);
    kit.modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmNewUser&>(d);
        w.eLogin->clear();
        type(w.eLogin, QStringLiteral("Basia"));
        click(w.chPlec_K);
        click(w.btnOK);
    });
    click(f.viewport(), f.onConfig(1));
    UserList saved = LoadUserList(kit.inst).value();
    EXPECT_EQ(saved.lines[1], QByteArray("2=Basia=K=0==12"));
    EXPECT_EQ(f.w->Lista->item(1)->text(), QStringLiteral("2=Basia=K=0==12"));
    EXPECT_TRUE(QFile::exists(kit.file(QStringLiteral("Users/2_config.xml"))));

    kit.messages.queueAnswer(0); // No
    click(f.viewport(), f.onBin(1));
    EXPECT_EQ(LoadUserList(kit.inst).value().count(), 3);
    kit.messages.queueAnswer(1); // Yes
    click(f.viewport(), f.onBin(1));
    EXPECT_EQ(kit.shownTexts(), QStringList(2, kit.ctx.UiText(76)));
    saved = LoadUserList(kit.inst).value();
    ASSERT_EQ(saved.count(), 2);
    EXPECT_EQ(saved.user(1).Login, QStringLiteral("User3"));
    EXPECT_EQ(f.w->Lista->count(), 2);
    EXPECT_FALSE(QFile::exists(kit.file(QStringLiteral("Users/2_config.xml"))));
    EXPECT_FALSE(QDir(kit.file(QStringLiteral("Users/2_Media_temp"))).exists());
}

TEST(LoginWindow, KeysAndTitleBarButtons)
{
    ShellTestKit kit;
    LoginFixture f(kit);
    key(f.w, Qt::Key_F1);
    click(f.w->btnBelkaHelp);
    click(f.w->btnMinimize);
    click(f.w->btnClose);
    EXPECT_EQ(kit.helpPages, QStringList(2, QStringLiteral("h_log.html")));
    EXPECT_EQ(kit.minimized, 1);
    EXPECT_EQ(kit.exitQuestions, 1);
    EXPECT_TRUE(f.w->isVisible());
}

// A user list that cannot be read is reported; the window then writes no
// list, so the profiles in it are not lost.
TEST(LoginWindow, UnreadableListIsReportedAndNotWritten)
{
    ShellTestKit kit;
    makeProfiles(kit, 2);
    const QString path = kit.file(QStringLiteral("Users/usr.txt"));
    const QString kept = kit.file(QStringLiteral("Users/usr.bak"));
    QFile::rename(path, kept);
    QDir().mkpath(path); // there, but not a file that can be read
    {
        LoginFixture f(kit);
        EXPECT_EQ(kit.messages.shown.size(), 1);
        EXPECT_FALSE(f.w->listUsable());
        EXPECT_EQ(f.w->Lista->count(), 0);
        click(f.w->btnStworzProfil); // refused: reported again, no profile window
        EXPECT_EQ(kit.messages.shown.size(), 2);
        EXPECT_TRUE(kit.modal.ran.isEmpty());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST(LoginWindow, ClosingSavesTheListAndFreesTheWindow)
{
    ShellTestKit kit;
    makeProfiles(kit, 2);
    QFile::remove(kit.file(QStringLiteral("Users/usr.txt")));
    QPointer<TfrmLogowanie> w = new TfrmLogowanie(kit.ctx, kit.modal, kit.hooks);
    w->LoadUserList(); // empty now
    w->show();
    w->close();
    EXPECT_TRUE(QFile::exists(kit.file(QStringLiteral("Users/usr.txt"))));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}
