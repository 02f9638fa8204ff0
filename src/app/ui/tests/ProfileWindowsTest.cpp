// The profile window and the password window, driven with mouse and keys.
#include "ShellTestKit.h"

#include "PictureBox.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumResButton.h"
#include "TfrmInputPass.h"
#include "TfrmNewUser.h"
#include "UserLine.h"
#include "UserList.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace uidrive;

namespace {

TfrmNewUser& profile(QDialog& d)
{
    return static_cast<TfrmNewUser&>(d);
}

UserList listWith(std::initializer_list<const char*> lines)
{
    UserList list;
    for (const char* l : lines)
        list.lines << QByteArray(l);
    return list;
}

} // namespace

TEST(ProfileWindow, EachCheckKeepsTheWindowOpenWithItsMessageAndFocus)
{
    ShellTestKit kit;
    const UserList list = listWith({"1=Ala=K=0==10"});
    struct Case {
        const char* name;
        QString login, password, repeat;
        bool protect;
        int text;               // interface text of the message
        const char* focused;    // the box the window focuses
        bool repeatCleared;
    } cases[] = {
        {"login taken, ASCII case ignored", QStringLiteral("  ALA "), {}, {}, false, 60, "eLogin", false},
        {"password too short", QStringLiteral("Ola"), QStringLiteral("ab"), QStringLiteral("ab"), true, 61, "eHaslo", false},
        {"passwords differ", QStringLiteral("Ola"), QStringLiteral("abc1"), QStringLiteral("abc2"), true, 62, "eHaslo2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit.messages.shown.clear();
        TUser user;
        kit.modal.queue([&](QDialog& d) {
            TfrmNewUser& w = profile(d);
            type(w.eLogin, c.login);
            if (c.protect) {
                click(w.chPass);
                type(w.eHaslo, c.password);
                type(w.eHaslo2, c.repeat);
            }
            click(w.btnOK);
            ASSERT_TRUE(w.isVisible());
            ASSERT_EQ(kit.messages.shown.size(), 1);
            EXPECT_EQ(kit.messages.shown[0].text, kit.ctx.UiText(c.text));
            EXPECT_EQ(kit.messages.shown[0].caption, kit.ctx.UiText(59));
            EXPECT_EQ(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(),
                      QLatin1String(c.focused));
            EXPECT_EQ(w.eHaslo2->text().isEmpty(), c.repeatCleared || c.repeat.isEmpty());
            if (c.text == 60)
                EXPECT_EQ(w.eLogin->selectedText(), c.login);
            click(w.btnCancel);
        });
        EXPECT_FALSE(EditProfile(kit.ctx, kit.modal, kit.hooks, list, user, ProfileMode::Create));
    }
}

// A blank login never gets past the disabled OK button; a login the user list
// cannot store is refused with a message of its own.
TEST(ProfileWindow, BlankOrUnstorableLoginIsNotAccepted)
{
    ShellTestKit kit;
    const UserList list;
    TUser user;
    kit.modal.queue([&](QDialog& d) {
        TfrmNewUser& w = profile(d);
        EXPECT_FALSE(w.btnOK->isEnabled());
        type(w.eLogin, QStringLiteral("   "));
        EXPECT_FALSE(w.btnOK->isEnabled());
        key(w.eLogin, Qt::Key_Return);
        EXPECT_TRUE(w.isVisible());
        type(w.eLogin, QStringLiteral("a=b"));
        EXPECT_TRUE(w.btnOK->isEnabled());
        key(w.eLogin, Qt::Key_Return);
        EXPECT_TRUE(w.isVisible());
        ASSERT_EQ(kit.messages.shown.size(), 1);
        EXPECT_TRUE(kit.messages.shown[0].text.contains(u'='));
        key(w.eLogin, Qt::Key_Escape);
    });
    EXPECT_FALSE(EditProfile(kit.ctx, kit.modal, kit.hooks, list, user, ProfileMode::Create));
    EXPECT_EQ(user, TUser());
}

TEST(ProfileWindow, CreatesWithGenderStyleColourAndPassword)
{
    ShellTestKit kit;
    TUser user;
    kit.modal.queue([&](QDialog& d) {
        TfrmNewUser& w = profile(d);
        EXPECT_EQ(w.DialogWindow->Caption(), kit.ctx.UiText(73));
        EXPECT_EQ(w.FigureName(), QStringLiteral("CK11"));
        EXPECT_FALSE(w.eHaslo->isVisible());
        type(w.eLogin, QStringLiteral("Żaneta "));
        click(w.chPlec_M);
        EXPECT_FALSE(w.chPlec_K->Checked());
        EXPECT_EQ(w.FigureName(), QStringLiteral("CM11"));
        click(w.LumResButton2); // style 20
        click(w.kolor, QPoint(w.kolor->width() - 5, 9)); // right arrow: next colour
        click(w.kolor, QPoint(w.kolor->width() - 5, 9));
        EXPECT_EQ(w.FigureName(), QStringLiteral("CM23"));
        EXPECT_EQ(w.Ludzik->picture().text(QStringLiteral("name")), QStringLiteral("CM23"));
        click(w.chPass);
        EXPECT_TRUE(w.eHaslo->isVisible());
        EXPECT_TRUE(w.lblAby->isVisible());
        type(w.eHaslo, QStringLiteral("ab!ć 9"));   // only letters A-Z a-z and digits stay
        EXPECT_EQ(w.eHaslo->text(), QStringLiteral("ab9"));
        type(w.eHaslo2, QStringLiteral("ab9"));
        key(w.eHaslo2, Qt::Key_Return);
    });
    ASSERT_TRUE(EditProfile(kit.ctx, kit.modal, kit.hooks, UserList(), user, ProfileMode::Create));
    EXPECT_TRUE(kit.messages.shown.isEmpty());
    EXPECT_EQ(user.Login, QStringLiteral("Żaneta"));
    EXPECT_EQ(user.Gender, QStringLiteral("M"));
    EXPECT_EQ(user.Figure, 22); // file form: style 20 + colour 2
    EXPECT_TRUE(user.HasPassword);
    EXPECT_EQ(user.Password, QStringLiteral("ab9"));
}

TEST(ProfileWindow, ChangeShowsTheProfileAndKeepsItsId)
{
    ShellTestKit kit;
    const UserList list = listWith({"3=Ola=M=1=tajne1=24", "4=Ala=K=0==10"});
    TUser user = list.user(0); // Figure 25 in memory form: style 20, colour 4
    kit.modal.queue([&](QDialog& d) {
        TfrmNewUser& w = profile(d);
        EXPECT_EQ(w.DialogWindow->Caption(), kit.ctx.UiText(74));
        EXPECT_EQ(w.eLogin->text(), QStringLiteral("Ola"));
        EXPECT_TRUE(w.chPlec_M->Checked());
        EXPECT_EQ(w.FigureName(), QStringLiteral("CM25"));
        EXPECT_EQ(w.kolor->Position(), 4);
        EXPECT_TRUE(w.chPass->Checked());
        EXPECT_TRUE(w.eHaslo->isVisible() && w.eHaslo->isEnabled());
        EXPECT_EQ(w.eHaslo->text(), QStringLiteral("tajne1"));
        EXPECT_EQ(w.eHaslo2->text(), QStringLiteral("tajne1"));
        EXPECT_TRUE(w.btnOK->isEnabled());
        click(w.LumResButton1); // style 10
        click(w.chPass);       // no password any more
        EXPECT_FALSE(w.eHaslo->isVisible());
        click(w.btnOK);
    });
    ASSERT_TRUE(EditProfile(kit.ctx, kit.modal, kit.hooks, list, user, ProfileMode::Change));
    EXPECT_EQ(user.Id, 3);
    EXPECT_EQ(user.Figure, 14);
    EXPECT_FALSE(user.HasPassword);
    EXPECT_EQ(user.Password, QString());
}

TEST(ProfileWindow, CancelCloseAndEscapeAcceptNothingAndF1OpensHelp)
{
    ShellTestKit kit;
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        TUser user;
        kit.modal.queue([&](QDialog& d) {
            TfrmNewUser& w = profile(d);
            type(w.eLogin, QStringLiteral("Ewa"));
            key(w.eLogin, Qt::Key_F1);
            if (way == 0)
                click(w.btnCancel);
            else if (way == 1)
                click(w.LumResButton3);
            else
                key(w.eLogin, Qt::Key_Escape);
        });
        EXPECT_FALSE(EditProfile(kit.ctx, kit.modal, kit.hooks, UserList(), user, ProfileMode::Create));
        EXPECT_TRUE(user.Login.isEmpty());
    }
    EXPECT_EQ(kit.helpPages, QStringList(3, QStringLiteral("h_log.html")));
}

TEST(PasswordWindow, AnswersTheTrimmedTextOnlyForOK)
{
    ShellTestKit kit;
    struct Case {
        const char* name;
        std::function<void(TfrmInputPass&)> finish;
        bool ok;
        QString text;
    } cases[] = {
        {"OK button", [](TfrmInputPass& w) { click(w.btnOk); }, true, QStringLiteral("abc")},
        {"Enter", [](TfrmInputPass& w) { key(w.ePass, Qt::Key_Return); }, true, QStringLiteral("abc")},
        {"Cancel", [](TfrmInputPass& w) { click(w.btnAnuluj); }, false, QString()},
        {"close button", [](TfrmInputPass& w) { click(w.btnClose); }, false, QString()},
        {"Escape", [](TfrmInputPass& w) { key(w.ePass, Qt::Key_Escape); }, false, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit.modal.queue([&](QDialog& d) {
            auto& w = static_cast<TfrmInputPass&>(d);
            EXPECT_EQ(w.DialogWindow->Caption(), kit.ctx.UiText(81));
            EXPECT_EQ(w.ePass->echoMode(), QLineEdit::Password);
            type(w.ePass, QStringLiteral(" abc "));
            c.finish(w);
        });
        const PasswordAnswer a = AskPassword(kit.ctx, kit.modal, kit.hooks);
        EXPECT_EQ(a.ok, c.ok);
        EXPECT_EQ(a.text, c.text);
    }
    kit.modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmInputPass&>(d);
        key(w.ePass, Qt::Key_F1);
        click(w.btnAnuluj);
    });
    (void)AskPassword(kit.ctx, kit.modal, kit.hooks);
    EXPECT_EQ(kit.helpPages, QStringList{QStringLiteral("h_index.html")});
}
