#include "Cli.h"

#include "ProfileValidation.h"
#include "UserList.h"
#include "UserProfiles.h"

// profiles list|create|change|remove: the learners' profiles of an installation,
// changed with the same checks and files as the login and profile windows.

namespace {

const QStringList kFormOptions = {"app-dir", "login", "gender", "figure", "password"};

bool onlyOptions(const CliArgs& args, const QStringList& allowed, CliIo& io)
{
    for (const QString& name : args.options.keys() + args.flags.values()) {
        if (!allowed.contains(name)) {
            CliFail(io, QStringLiteral("option --%1 is not used by this command").arg(name));
            return false;
        }
    }
    return true;
}

// Applies --login, --gender, --figure, --password and --no-password to `form`;
// false (after reporting) when a value is out of range.
bool applyFormOptions(const CliArgs& args, ProfileForm& form, CliIo& io)
{
    if (args.options.contains("login"))
        form.login = args.value("login");
    if (args.options.contains("gender")) {
        form.gender = args.value("gender");
        if (form.gender != u"K" && form.gender != u"M") {
            CliFail(io, QStringLiteral("--gender must be K or M"));
            return false;
        }
    }
    if (args.options.contains("figure")) {
        const auto figure = CliIntOption(args, "figure", io);
        if (!figure)
            return false;
        if (!((*figure >= 10 && *figure <= 15) || (*figure >= 20 && *figure <= 25))) {
            CliFail(io, QStringLiteral("--figure must be 10..15 or 20..25 (style base plus colour position)"));
            return false;
        }
        form.figure = quint8(*figure);
    }
    if (args.options.contains("password")) {
        form.hasPassword = true;
        form.password = form.passwordRepeat = args.value("password");
    }
    if (args.flags.contains("no-password")) {
        form.hasPassword = false;
        form.password = form.passwordRepeat = QString();
    }
    return true;
}

// Reports the profile window's message. Interface texts come from the
// definitions file, which the tool does not read; their number stands in.
int failValidation(const ProfileProblem& p, CliIo& io)
{
    if (!p.text.isEmpty())
        return CliFail(io, p.text);
    const char* what = p.uiTextId == 58   ? "the login is empty"
                       : p.uiTextId == 60 ? "another profile has this login"
                       : p.uiTextId == 61 ? "the password is shorter than 3 characters"
                                          : "the passwords differ";
    return CliFail(io, QStringLiteral("%1 (interface text %2)").arg(QLatin1String(what)).arg(p.uiTextId));
}

std::optional<qsizetype> profileIndex(const CliArgs& args, const UserList& list, CliIo& io)
{
    if (!args.options.contains("id")) {
        CliFail(io, QStringLiteral("--id is required"));
        return std::nullopt;
    }
    const auto id = CliIntOption(args, "id", io);
    if (!id)
        return std::nullopt;
    const qsizetype index = list.indexOfId(*id);
    if (index < 0) {
        CliFail(io, QStringLiteral("no profile has Id %1").arg(*id));
        return std::nullopt;
    }
    return index;
}

int listProfiles(const UserList& list, CliIo& io)
{
    for (qsizetype i = 0; i < list.count(); ++i) {
        const TUser u = list.user(i);
        io.out << u.Id << '\t' << u.Login << '\t' << u.Gender << '\t' << (u.HasPassword ? 1 : 0) << '\t' << u.Figure
               << '\n';
    }
    return 0;
}

int createProfile(const CliArgs& args, const Installation& inst, UserList& list, CliIo& io)
{
    for (const char* required : {"login", "gender", "figure"})
        if (!args.options.contains(required))
            return CliFail(io, QStringLiteral("--%1 is required").arg(QLatin1String(required)));
    ProfileForm form;
    if (!applyFormOptions(args, form, io))
        return 1;
    if (const auto problem = ValidateProfile(form, list, inst.uiTexts))
        return failValidation(*problem, io);
    TUser user = AcceptedProfile(form);
    user.Id = NewUserId(list);
    if (Status s = CreateProfile(inst, list, user); !s)
        return CliFail(io, s.failure());
    io.out << user.Id << '\n';
    return 0;
}

int changeProfile(const CliArgs& args, const Installation& inst, UserList& list, CliIo& io)
{
    const auto index = profileIndex(args, list, io);
    if (!index)
        return 1;
    // The profile window filled with the profile, as in change mode.
    const TUser current = list.user(*index);
    ProfileForm form;
    form.id = current.Id;
    form.login = current.Login;
    form.gender = current.Gender;
    form.figure = FigureFileForm(current.Figure);
    form.hasPassword = current.HasPassword;
    if (current.HasPassword)
        form.password = form.passwordRepeat = current.Password;
    if (!applyFormOptions(args, form, io))
        return 1;
    if (const auto problem = ValidateProfile(form, list, inst.uiTexts))
        return failValidation(*problem, io);
    if (Status s = ReplaceProfile(inst, list, *index, AcceptedProfile(form)); !s)
        return CliFail(io, s.failure());
    return 0;
}

int removeProfile(const CliArgs& args, const Installation& inst, UserList& list, CliIo& io)
{
    const auto index = profileIndex(args, list, io);
    if (!index)
        return 1;
    if (Status s = RemoveProfile(inst, list, *index); !s)
        return CliFail(io, s.failure());
    return 0;
}

} // namespace

int CliProfiles(const CliArgs& args, CliIo& io)
{
    const QString action = args.positional.value(0);
    if (args.positional.size() != 1)
        return CliFail(io, QStringLiteral("profiles needs one of list, create, change, remove"));
    const QStringList allowed = action == u"list"     ? QStringList{"app-dir"}
                                : action == u"create" ? kFormOptions
                                : action == u"change" ? kFormOptions + QStringList{"id", "no-password"}
                                : action == u"remove" ? QStringList{"app-dir", "id"}
                                                      : QStringList{};
    if (allowed.isEmpty())
        return CliFail(io, QStringLiteral("unknown profiles command \"%1\"").arg(action));
    if (!onlyOptions(args, allowed, io))
        return 1;

    const Installation inst = CliInstallation(args);
    Expected<UserList> list = LoadUserList(inst);
    if (!list)
        return CliFail(io, list.failure());
    if (action == u"list")
        return listProfiles(*list, io);
    if (action == u"create")
        return createProfile(args, inst, *list, io);
    if (action == u"change")
        return changeProfile(args, inst, *list, io);
    return removeProfile(args, inst, *list, io);
}
