#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using CliResult = testsupport::ProgramRun;

// Runs orvanta-cli on the installation `appDir`.
CliResult cli(const QString& appDir, QStringList args)
{
    args << "--app-dir" << appDir;
    return testsupport::runProgram(QStringLiteral(ORVANTA_CLI), args);
}

} // namespace

TEST(CliProfiles, CreatesListsChangesAndRemovesProfiles)
{
    QTemporaryDir tmp;
    const QString app = tmp.path();
    const QString users = app + "/Users/";
    QDir().mkpath(users);

    EXPECT_EQ(cli(app, {"profiles", "list"}).out, "");
    CliResult r = cli(app, {"profiles", "create", "--login", "Ala", "--gender", "K", "--figure", "12"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "1\n");
    r = cli(app, {"profiles", "create", "--login", QStringLiteral(" Łucja "), "--gender", "M", "--figure", "25",
                  "--password", "abc123"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "2\n");
    EXPECT_TRUE(QFileInfo(users + "2_Media_temp").isDir());
    EXPECT_EQ(cli(app, {"profiles", "list"}).out, QStringLiteral("1\tAla\tK\t0\t13\n2\tŁucja\tM\t1\t26\n"));

    // Options not given keep their values.
    ASSERT_EQ(cli(app, {"profiles", "change", "--id", "2", "--login", "Ola", "--no-password"}).exitCode, 0);
    ASSERT_EQ(cli(app, {"profiles", "change", "--id", "1", "--figure", "20"}).exitCode, 0);
    EXPECT_EQ(cli(app, {"profiles", "list"}).out, QStringLiteral("1\tAla\tK\t0\t21\n2\tOla\tM\t0\t26\n"));

    r = cli(app, {"profiles", "remove", "--id", "1"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(users + "1_config.xml"));
    EXPECT_EQ(cli(app, {"profiles", "list"}).out, QStringLiteral("2\tOla\tM\t0\t26\n"));
}

TEST(CliProfiles, RefusesWithExitCode1AndAMessage)
{
    QTemporaryDir tmp;
    const QString app = tmp.path();
    QDir().mkpath(app + "/Users");
    ASSERT_EQ(cli(app, {"profiles", "create", "--login", "Ala", "--gender", "K", "--figure", "10"}).exitCode, 0);
    const QByteArray list = testsupport::readAll(app + "/Users/usr.txt");

    struct Case {
        QStringList args;
        const char* message;
    } const cases[] = {
        {{"profiles", "create", "--login", "ALA", "--gender", "K", "--figure", "10"}, "another profile has this login"},
        {{"profiles", "create", "--login", "  ", "--gender", "K", "--figure", "10"}, "the login is empty"},
        {{"profiles", "create", "--login", "Ewa", "--gender", "K", "--figure", "10", "--password", "ab"},
         "shorter than 3"},
        {{"profiles", "create", "--login", "a=b", "--gender", "K", "--figure", "10"}, "„=”"},
        {{"profiles", "create", "--login", "Ewa", "--gender", "X", "--figure", "10"}, "--gender"},
        {{"profiles", "create", "--login", "Ewa", "--gender", "K", "--figure", "16"}, "--figure"},
        {{"profiles", "create", "--login", "Ewa", "--gender", "K"}, "--figure is required"},
        {{"profiles", "change", "--id", "9", "--login", "Ewa"}, "no profile has Id 9"},
        {{"profiles", "remove", "--id", "x"}, "--id"},
        {{"profiles", "remove", "--id", "1", "--login", "Ala"}, "--login"},
        {{"profiles", "rename"}, "unknown profiles command"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliResult r = cli(app, c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
    }
    EXPECT_EQ(testsupport::readAll(app + "/Users/usr.txt"), list);

    // An installation without its Users folder.
    const CliResult r = cli(app + "/none", {"profiles", "create", "--login", "Ewa", "--gender", "K", "--figure", "10"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.isEmpty());
}
