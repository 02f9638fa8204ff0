#include "ProfileValidation.h"

#include "UserLine.h"

#include <algorithm>

namespace {

constexpr qsizetype kMaxLogin = 15;
constexpr qsizetype kMinPassword = 3;
constexpr qsizetype kMaxPassword = 30;

bool isPasswordCharacter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9');
}

} // namespace

QString TrimBlanks(const QString& text)
{
    qsizetype b = 0;
    qsizetype e = text.size();
    while (b < e && text.at(b).unicode() <= 0x20)
        ++b;
    while (e > b && text.at(e - 1).unicode() <= 0x20)
        --e;
    return text.mid(b, e - b);
}

TUser AcceptedProfile(const ProfileForm& form)
{
    TUser u;
    u.Id = form.id;
    u.Login = TrimBlanks(form.login);
    u.Gender = form.gender;
    u.Figure = form.figure;
    u.HasPassword = form.hasPassword;
    u.Password = form.hasPassword ? form.password : QString();
    return u;
}

std::optional<ProfileProblem> ValidateProfile(const ProfileForm& form, const UserList& list,
                                              const UiTextTable& texts)
{
    const auto uiText = [&](int id, ProfileBox box) { return ProfileProblem{texts.text(id), id, box}; };
    const auto fixed = [](const QString& text, ProfileBox box) { return ProfileProblem{text, 0, box}; };

    TUser user = AcceptedProfile(form);
    if (user.Id == 0)
        user.Id = NewUserId(list);

    if (user.Login.isEmpty())
        return uiText(58, ProfileBox::Login);
    if (user.Login.size() > kMaxLogin)
        return fixed(QStringLiteral("Nazwa użytkownika może mieć najwyżej %1 znaków.").arg(kMaxLogin),
                     ProfileBox::Login);
    if (const auto problem = LoginCharacterProblem(user.Login))
        return fixed(*problem, ProfileBox::Login);
    if (IsLoginTaken(list, user.Login, form.id))
        return uiText(60, ProfileBox::Login);

    if (form.hasPassword) {
        const QString password = TrimBlanks(form.password);
        if (password.size() < kMinPassword)
            return uiText(61, ProfileBox::Password);
        if (!std::all_of(form.password.begin(), form.password.end(), isPasswordCharacter))
            return fixed(QStringLiteral("Hasło może zawierać tylko litery A-Z, a-z i cyfry 0-9."), ProfileBox::Password);
        if (form.password.size() > kMaxPassword)
            return fixed(QStringLiteral("Hasło może mieć najwyżej %1 znaków.").arg(kMaxPassword), ProfileBox::Password);
        if (password != TrimBlanks(form.passwordRepeat))
            return uiText(62, ProfileBox::PasswordRepeat);
    }

    if (const auto problem = UserLineProblem(user))
        return fixed(*problem, ProfileBox::Login);
    return std::nullopt;
}
