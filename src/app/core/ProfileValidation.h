#pragma once

#include "TUser.h"
#include "UiTextTable.h"
#include "UserList.h"

#include <optional>

// What the profile window checks before a profile is created or changed, kept
// here so that the window only shows the answer.

// The contents of the profile window when OK is pressed.
struct ProfileForm {
    qint32 id = 0;           // the edited profile's Id; 0 for a new profile
    QString login;           // the login box as typed
    QString gender = QStringLiteral("K");
    quint8 figure = 10;      // file form: style base 10 or 20 plus colour position 0..5
    bool hasPassword = false; // "protect with a password" is checked
    QString password;        // first password box as typed
    QString passwordRepeat;  // second password box as typed
};

// The box a problem concerns: the window focuses it, selecting all of the
// login or clearing the repeated password.
enum class ProfileBox { Login, Password, PasswordRepeat };

struct ProfileProblem {
    QString text;      // shown in a message box titled interface text 59, with an OK button
    int uiTextId = 0;  // 58, 60, 61 or 62 when `text` is that interface text; 0 for a fixed message
    ProfileBox box = ProfileBox::Login;
};

// The first problem of the form, or nullopt when it may be accepted. In order:
//  - trimmed login empty (interface text 58);
//  - login longer than 15 characters, holding "=", a control character or a
//    character outside Windows-1250 (fixed messages);
//  - another profile has the same login, a-z upper-cased (interface text 60);
//  with a password:
//  - trimmed password shorter than 3 (interface text 61); a character other
//    than A-Z, a-z, 0-9 or more than 30 characters (fixed messages);
//  - the trimmed passwords differ (interface text 62);
//  and last, the line the profile would be stored as scrambles into a line
//  break or NUL (a fixed message asking for a slightly different login). For a
//  new profile that line is checked with the Id NewUserId will give it.
// Trimming removes leading and trailing characters up to U+0020.
std::optional<ProfileProblem> ValidateProfile(const ProfileForm& form, const UserList& list,
                                              const UiTextTable& texts);

// The record an accepted form hands over: login trimmed, Figure in file form,
// Id as in the form. The password is kept only when the profile is protected:
// an unprotected profile stores an empty password field, whatever the boxes
// held, so no stale password is left readable in the user list.
TUser AcceptedProfile(const ProfileForm& form);

// Leading and trailing characters up to U+0020 removed.
QString TrimBlanks(const QString& text);
