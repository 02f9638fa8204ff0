// Course commands: tree, record, normalize.
#include "Cli.h"
#include "CliCourse.h"

#include "Course.h"
#include "ProgramMode.h"
#include "ResultsStore.h"
#include "UserConfig.h"
#include "UserList.h"

#include <QDate>

std::optional<int> CliProgramMode(const CliArgs& args, const Installation& inst, CliIo& io)
{
    if (args.has(QStringLiteral("mode"))) {
        const auto mode = CliIntOption(args, QStringLiteral("mode"), io);
        if (!mode)
            return std::nullopt;
        if (*mode < 1 || *mode > 3) {
            CliFail(io, QStringLiteral("--mode must be 1, 2 or 3"));
            return std::nullopt;
        }
        return mode;
    }
    const int mode = ScoreProgramMode(ListExerciseFiles(inst.appDir));
    if (mode == 0) {
        CliFail(io, QStringLiteral("the exercise file names do not decide the program mode (the program would ask "
                                   "the learner); pass --mode 1, 2 or 3"));
        return std::nullopt;
    }
    return mode;
}

std::optional<int> CliInterfaceLanguage(const CliArgs& args, CliIo& io)
{
    if (!args.has(QStringLiteral("lang")))
        return 0;
    const auto lang = CliIntOption(args, QStringLiteral("lang"), io);
    if (lang && (*lang < 0 || *lang > 255)) {
        CliFail(io, QStringLiteral("--lang must be a language id from 0 to 255"));
        return std::nullopt;
    }
    return lang;
}

std::optional<Installation> CliCourseInstallation(const CliArgs& args, CliIo& io)
{
    Installation inst = CliInstallation(args);
    const auto mode = CliProgramMode(args, inst, io);
    if (!mode)
        return std::nullopt;
    const auto lang = CliInterfaceLanguage(args, io);
    if (!lang)
        return std::nullopt;
    inst.programMode = *mode;
    inst.interfaceLanguage = *lang;
    return inst;
}

namespace {

// Logs `userId` in as the login window does: the profile must be in the user
// list; its settings file gives the interface language (unless --lang names
// one) and the review settings. A settings file that had to be written anew is
// reported on standard error and the defaults are used. nullopt after reporting.
std::optional<TUstawienia> logIn(const CliArgs& args, Installation& inst, int userId, CliIo& io)
{
    const Expected<UserList> list = LoadUserList(inst);
    if (!list.ok()) {
        CliFail(io, list.failure());
        return std::nullopt;
    }
    const qsizetype index = list->indexOfId(userId);
    if (index < 0) {
        CliFail(io, QStringLiteral("there is no profile with Id %1 in Users\\usr.txt").arg(userId));
        return std::nullopt;
    }
    TUstawienia settings;
    settings.User = list->user(index);
    const UserConfigRead read = ReadUserConfig(inst, settings);
    if (read.notice)
        io.err << "orvanta-cli: " << read.notice->text.trimmed() << Qt::endl;
    if (!args.has(QStringLiteral("lang")))
        inst.interfaceLanguage = settings.InterfaceLanguage;
    return settings;
}

ReviewSettings reviewSettingsOf(const TUstawienia& settings)
{
    return ReviewSettings{settings.ReviewsOn, settings.ReviewThreshold};
}

QString oneLine(QString s)
{
    s.replace(u'\t', u' ');
    s.replace(u'\n', u' ');
    s.replace(u'\r', u' ');
    return s;
}

void printNode(QTextStream& out, const TElement& n)
{
    out << n.FlatIndex << '\t' << n.Depth << '\t' << n.NodeType << '\t' << n.Kind << '\t' << n.NodeId << '\t'
        << n.GroupId << '\t' << oneLine(n.FileName) << '\t' << oneLine(n.Caption) << '\t' << n.Progress << '\t'
        << (n.HasResult ? 1 : 0) << '\t' << oneLine(n.ResultDate) << '\t' << oneLine(n.ReviewDate) << '\t'
        << n.ReviewStep << '\n';
}

// Builds the course as the program does at login: in `interfaceLanguage`,
// with the results of `userId` when one is given. Returns false (after
// reporting) when the course or the results cannot be read; a scan error is
// reported and the part of the course read so far is kept (`scanFailed`).
bool loadCourse(Installation& inst, int interfaceLanguage, std::optional<int> userId, const IClock& clock,
                Course& course, bool& scanFailed, CliIo& io)
{
    inst.interfaceLanguage = interfaceLanguage;
    const CourseLoadOutcome out = ReloadCourse(inst, course);
    if (out.definitionsFailure) {
        CliFail(io, *out.definitionsFailure);
        return false;
    }
    scanFailed = out.scanFailure.has_value();
    if (scanFailed)
        CliFail(io, *out.scanFailure);
    if (!userId)
        return true;
    ResultsStore store(inst, *userId, clock);
    const ResultsReadOutcome read = store.ReadAllResults(course.flatList);
    if (read.message) {
        CliFail(io, *read.message);
        if (read.fileExisted)
            return false; // the file is damaged and was left as it is
    }
    return true;
}

std::optional<int> userOption(const CliArgs& args, CliIo& io)
{
    if (!args.has(QStringLiteral("user")))
        return std::nullopt;
    return CliIntOption(args, QStringLiteral("user"), io);
}

} // namespace

int CliTree(const CliArgs& args, CliIo& io)
{
    std::optional<Installation> inst = CliCourseInstallation(args, io);
    if (!inst)
        return 1;
    std::optional<int> user;
    if (args.has(QStringLiteral("user")) && !(user = userOption(args, io)))
        return 1;
    if (user && !logIn(args, *inst, *user, io))
        return 1;

    SystemClock clock;
    Course course;
    bool scanFailed = false;
    if (!loadCourse(*inst, inst->interfaceLanguage, user, clock, course, scanFailed, io))
        return 1;
    for (const TElement* n : course.flatList)
        printNode(io.out, *n);
    return scanFailed ? 1 : 0;
}

int CliRecord(const CliArgs& args, CliIo& io)
{
    for (const char* required : {"user", "file", "kind", "score"})
        if (!args.has(QLatin1String(required)))
            return CliFail(io, QStringLiteral("record needs --%1").arg(QLatin1String(required)));
    const auto user = CliIntOption(args, QStringLiteral("user"), io);
    const auto kind = user ? CliIntOption(args, QStringLiteral("kind"), io) : std::nullopt;
    const auto score = kind ? CliIntOption(args, QStringLiteral("score"), io) : std::nullopt;
    if (!score)
        return 1;
    if (*score < 0 || *score > 255)
        return CliFail(io, QStringLiteral("--score must be from 0 to 255"));
    QDate today = QDate::currentDate();
    if (args.has(QStringLiteral("today"))) {
        today = QDate::fromString(args.value(QStringLiteral("today")), QStringLiteral("yyyy-MM-dd"));
        if (!today.isValid())
            return CliFail(io, QStringLiteral("--today needs a date written YYYY-MM-DD"));
    }
    std::optional<Installation> installation = CliCourseInstallation(args, io);
    if (!installation)
        return 1;
    Installation& inst = *installation;
    const std::optional<TUstawienia> settings = logIn(args, inst, *user, io);
    if (!settings)
        return 1;

    FixedClock clock(today);
    Course course;
    bool scanFailed = false;
    if (!loadCourse(inst, inst.interfaceLanguage, *user, clock, course, scanFailed, io))
        return 1;

    QString file = args.value(QStringLiteral("file"));
    file.replace(u'/', u'\\');
    TElement* node = nullptr;
    for (TElement* n : course.flatList)
        if (n->FileName == file && n->Kind == *kind) {
            node = n;
            break;
        }
    if (!node)
        return CliFail(io, QStringLiteral("the course has no exercise %1 of kind %2").arg(file).arg(*kind));

    TNawigacjaDrzewa nav(course.tree);
    nav.SetCurrent(node);
    nav.ResultPending = true;
    ResultSources window{true, 0, *score, false, 0};
    ResultsStore store(inst, *user, clock);
    if (const Status s = store.RecordResult(nav, window, reviewSettingsOf(*settings)); !s.ok())
        return CliFail(io, s.failure());
    printNode(io.out, *node);
    return 0;
}

int CliNormalize(const CliArgs& args, CliIo& io)
{
    if (args.positional.size() != 1)
        return CliFail(io, QStringLiteral("normalize needs one TEXT argument (quote it)"));
    const Installation inst = CliInstallation(args);
    ShortcutTable table;
    table.load(inst);
    if (!table.enabled())
        io.err << "orvanta-cli: no Config\\Skroty_1.txt; the text stays as it is" << Qt::endl;
    io.out << table.NormalizeShortcuts(args.positional.first()) << '\n';
    return 0;
}
