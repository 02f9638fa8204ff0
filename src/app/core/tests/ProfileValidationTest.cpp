#include "ProfileValidation.h"

#include "AnsiText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

UiTextTable profileTexts()
{
    UiTextTable t;
    t.append(58, "Podaj nazwę");
    t.append(60, "Nazwa zajęta");
    t.append(61, "Hasło za krótkie");
    t.append(62, "Hasła różne");
    return t;
}

ProfileForm form(qint32 id, const QString& login, const QString& password = {}, const QString& repeat = {})
{
    ProfileForm f;
    f.id = id;
    f.login = login;
    f.hasPassword = !password.isNull();
    f.password = password;
    f.passwordRepeat = repeat.isNull() ? password : repeat;
    return f;
}

// Password boxes still holding text after "protect with a password" was unchecked.
ProfileForm unprotected(const QString& login, const QString& password, const QString& repeat)
{
    ProfileForm f = form(0, login, password, repeat);
    f.hasPassword = false;
    return f;
}

} // namespace

TEST(ProfileValidation, ChecksInTheOrderOfTheProfileWindow)
{
    // Ids 1 and 2 exist: a new profile gets 3.
    UserList list;
    list.lines = {*encodeAnsi(QStringLiteral("1=Ala=K=0==10")), *encodeAnsi(QStringLiteral("2=Łucja=K=1=abc=10"))};
    const UiTextTable texts = profileTexts();
    struct Case {
        const char* what;
        ProfileForm form;
        int uiTextId;        // -1: accepted; 0: a fixed message
        const char* fixed;   // part of the fixed message
        ProfileBox box;
    } const cases[] = {
        {"blank login", form(0, " \t "), 58, nullptr, ProfileBox::Login},
        {"blank login before a short password", form(0, "", "a"), 58, nullptr, ProfileBox::Login},
        {"trimmed login of 15", form(0, "  abcdefghijklmno  "), -1, nullptr, ProfileBox::Login},
        {"login of 16", form(0, "abcdefghijklmnop"), 0, "15 znaków", ProfileBox::Login},
        {"equals sign", form(0, "a=b"), 0, "„=”", ProfileBox::Login},
        {"outside the code page", form(0, QStringLiteral("Ωmega")), 0, "„Ω”", ProfileBox::Login},
        {"taken in another case", form(0, " ALA "), 60, nullptr, ProfileBox::Login},
        {"own login while changing", form(1, "ala"), -1, nullptr, ProfileBox::Login},
        {"Polish letter case differs", form(0, QStringLiteral("łucja")), -1, nullptr, ProfileBox::Login},
        {"password too short", form(0, "Ola", "ab"), 61, nullptr, ProfileBox::Password},
        {"password with a blank", form(0, "Ola", " abc"), 0, "A-Z", ProfileBox::Password},
        {"password with a Polish letter", form(0, "Ola", QStringLiteral("hasło")), 0, "A-Z", ProfileBox::Password},
        {"password of 31", form(0, "Ola", QString(31, u'x')), 0, "30 znaków", ProfileBox::Password},
        {"password of 30", form(0, "Ola", QString(30, u'x')), -1, nullptr, ProfileBox::Login},
        {"passwords differ", form(0, "Ola", "abc", "abd"), 62, nullptr, ProfileBox::PasswordRepeat},
        {"no password, boxes ignored", unprotected("Ola", "=!", "x"), -1, nullptr, ProfileBox::Login},
        // "3=Ała": "ł" meets the key byte "M" and becomes a NUL on disk.
        {"new login that scrambles into NUL", form(0, QStringLiteral("Ała")), 0, "nie da się", ProfileBox::Login},
        {"same login under Id 10", form(10, QStringLiteral("Ała")), -1, nullptr, ProfileBox::Login},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto problem = ValidateProfile(c.form, list, texts);
        if (c.uiTextId < 0) {
            EXPECT_FALSE(problem.has_value()) << problem->text.toStdString();
            continue;
        }
        ASSERT_TRUE(problem.has_value());
        EXPECT_EQ(problem->uiTextId, c.uiTextId);
        EXPECT_EQ(problem->box, c.box);
        if (c.uiTextId > 0)
            EXPECT_EQ(problem->text, texts.text(c.uiTextId));
        else
            EXPECT_TRUE(problem->text.contains(QString::fromUtf8(c.fixed))) << problem->text.toStdString();
    }
}

TEST(ProfileValidation, AcceptedRecordKeepsAPasswordOnlyWhenProtected)
{
    ProfileForm f = form(4, "  Ola  ", "abc");
    f.gender = "M";
    f.figure = 23;
    const TUser protectedUser = AcceptedProfile(f);
    EXPECT_EQ(protectedUser, (TUser{4, "Ola", "M", 23, true, "abc"}));

    // Unchecking the password leaves the old text in the boxes; it is not stored.
    f.hasPassword = false;
    EXPECT_EQ(AcceptedProfile(f), (TUser{4, "Ola", "M", 23, false, ""}));
}
