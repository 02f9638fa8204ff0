// orvanta-cli dictionary, run as a program on the fixture dictionary.
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using CliOutcome = testsupport::ProgramRun;

CliOutcome runCli(const QStringList& args)
{
    return testsupport::runProgram(QStringLiteral(ORVANTA_CLI), QStringList{QStringLiteral("dictionary")} + args);
}

const QString fixture = QStringLiteral(FIXTURES_DIR "/Slownik.txt");

} // namespace

TEST(CliDictionary, PrintsTheListInTheWindowsOrder)
{
    struct Case {
        QStringList args;
        const char* out;
    } cases[] = {
        {{"cats"}, "5\tcat\t[1] kot\n4\tcat food\t[1] karma dla kota\n3\twild cat\t[1] żbik\n6\ttop cat\t[1] szef\n"
                   "2\tcatalogue\t[1] katalog\n1\tbobcat\t[1] ryś rudy\n"},
        {{"--whole-words", "cat"}, "5\tcat\t[1] kot\n4\tcat food\t[1] karma dla kota\n3\twild cat\t[1] żbik\n"
                                   "6\ttop cat\t[1] szef\n"},
        {{"--translations", "kot"}, "4\tcat food\t[1] karma dla kota\n5\tcat\t[1] kot\n"},
        {{"--prefix", "P"}, "16\tparish\t[1] parafia\n17\tParis\t[1] Paryż\n22\tpig\t[1] świnia\n"},
        {{"--prefix", "--translations", "b"}, "12\twhite\t[2] biały\n14\tshoe\t[1] but\n"},
        {{"zzz"}, ""},
        {{"--form", "(Walked)!"}, "Walk\n"},
        {{"--form", "1984"}, "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const CliOutcome r = runCli(c.args + QStringList{"--file", fixture});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, QString::fromUtf8(c.out));
    }

    const CliOutcome all = runCli({"--file", fixture});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.out.count(u'\n'), 22);
}

TEST(CliDictionary, ReadsTheInstallationsDictionary)
{
    QTemporaryDir app;
    QDir(app.path()).mkpath("Config");
    ASSERT_TRUE(QFile::copy(fixture, app.path() + "/Config/slownik.txt"));
    const CliOutcome r = runCli({"--app-dir", app.path(), "bus"});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "13\tbus\t[1] autobus\n");
}

TEST(CliDictionary, ReportsFailuresOnStandardError)
{
    QTemporaryDir dir;
    CliOutcome r = runCli({"--file", dir.path() + "/none.txt", "cat"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains(QStringLiteral("Brak pliku słownika!"))) << r.err.toStdString();

    r = runCli({"--file", fixture, "--prefix"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.isEmpty());

    // Lines that cannot be loaded are named; the rest is searched.
    testsupport::writeAll(dir.path() + "/bad.txt", QByteArray("@@ 1 [1]dog=pies\r\n@@ x [1]cat=kot\r\n"));
    r = runCli({"--file", dir.path() + "/bad.txt", "dog"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, "1\tdog\tpies\n");
    EXPECT_TRUE(r.err.contains("line 2 skipped")) << r.err.toStdString();
}
