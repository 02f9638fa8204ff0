#include "TestSupport.h"
#include "Utf16Text.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using CliOutcome = testsupport::ProgramRun;

CliOutcome cli(const QStringList& args)
{
    return testsupport::runProgram(QStringLiteral(ORVANTA_CLI), args);
}

QString copySelko(QTemporaryDir& tmp)
{
    return testsupport::copyFixture(QStringLiteral(FIXTURES_DIR "/selko"), tmp);
}

} // namespace

TEST(Cli, TreeListsTheCourseAndAsksForTheModeWhenNamesDoNotDecide)
{
    QTemporaryDir tmp;
    const QString dir = copySelko(tmp);
    const CliOutcome ask = cli({"tree", "--app-dir", dir});
    EXPECT_EQ(ask.exitCode, 1);
    EXPECT_TRUE(ask.err.contains("pass --mode")) << ask.err.toStdString();

    const CliOutcome tree = cli({"tree", "--app-dir", dir, "--mode", "1"});
    ASSERT_EQ(tree.exitCode, 0) << tree.err.toStdString();
    const QStringList lines = tree.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines[4], QStringLiteral("4\t2\t3\t3\t0\t1\tPaczki\\pc_a.xml\t\t0\t0\t\t\t1"));
    EXPECT_EQ(lines[1].split('\t')[7], "Trzy obrazki");

    const CliOutcome english = cli({"tree", "--app-dir", dir, "--mode", "1", "--lang", "1"});
    EXPECT_EQ(english.out.split('\n')[0].split('\t')[7], "Listening");
}

TEST(Cli, RecordWritesTheUsersResultsAndTreeShowsThem)
{
    QTemporaryDir tmp;
    const QString dir = copySelko(tmp);
    // A learner logs in by the profile's Id: create one (Id 1), then take its
    // results file away so the first recording recreates it.
    const CliOutcome created = cli({"profiles", "create", "--app-dir", dir, "--login", "Ala", "--gender", "K",
                                    "--figure", "12"});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    ASSERT_EQ(created.out, "1\n");
    QFile::remove(dir + "/Users/1_stat.xml");
    const QStringList base{"--app-dir", dir, "--mode", "1", "--user", "1"};
    const CliOutcome rec = cli(QStringList{"record"} + base +
                        QStringList{"--file", "dial_01.xml", "--kind", "14", "--score", "50", "--today", "2024-03-10"});
    ASSERT_EQ(rec.exitCode, 0) << rec.err.toStdString();
    // The results file did not exist: recreated with the notice, then written.
    EXPECT_TRUE(rec.err.contains(QStringLiteral("Brak pliku ze statystykami!")));
    EXPECT_EQ(rec.out, QStringLiteral("9\t2\t3\t14\t0\t2\tdial_01.xml\tRozumienie\t50\t1\t10-03-2024\t2024-03-13\t1\n"));
    EXPECT_TRUE(decodeUtf16Le(testsupport::readAll(dir + "/Users/1_stat.xml"))
                    .contains("<datapowtorka>2024-03-13=1</datapowtorka>"));

    const CliOutcome again = cli(QStringList{"record"} + base +
                          QStringList{"--file", "dial_01.xml", "--kind", "14", "--score", "50", "--today", "2024-03-13"});
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.err.isEmpty()) << again.err.toStdString();
    EXPECT_TRUE(again.out.endsWith("\t50\t1\t13-03-2024\t2024-03-19\t2\n")) << again.out.toStdString();

    const CliOutcome tree = cli(QStringList{"tree"} + base);
    ASSERT_EQ(tree.exitCode, 0);
    EXPECT_TRUE(tree.out.contains("7\t1\t2\t102\t2\t2\tdial_01.xml\tDialog w sklepie\t16\t1\t13-03-2024\t\t1\n"))
        << tree.out.toStdString();

    const CliOutcome missing = cli(QStringList{"record"} + base + QStringList{"--file", "nope.xml", "--kind", "3", "--score", "1"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no exercise nope.xml of kind 3"));

    testsupport::writeAll(dir + "/Users/1_stat.xml", "<cwiczenia>");
    const CliOutcome broken = cli(QStringList{"record"} + base +
                           QStringList{"--file", "dial_01.xml", "--kind", "14", "--score", "50"});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.err.contains(QStringLiteral("Plik ze statystykami jest uszkodzony")));
    EXPECT_EQ(testsupport::readAll(dir + "/Users/1_stat.xml"), QByteArray("<cwiczenia>"));

    const CliOutcome nobody = cli({"tree", "--app-dir", dir, "--mode", "1", "--user", "9"});
    EXPECT_EQ(nobody.exitCode, 1);
    EXPECT_TRUE(nobody.err.contains("no profile with Id 9")) << nobody.err.toStdString();
}

TEST(Cli, RecordAndTreeUseTheLearnersOwnSettings)
{
    QTemporaryDir tmp;
    const QString dir = copySelko(tmp);
    ASSERT_EQ(cli({"profiles", "create", "--app-dir", dir, "--login", "Ola", "--gender", "K", "--figure", "10"}).exitCode, 0);
    // English interface, reviews end above 40 %.
    const QString cfgPath = dir + "/Users/1_config.xml";
    QString cfg = decodeUtf16Le(testsupport::readAll(cfgPath));
    cfg.replace("<value id=\"1\">0</value>", "<value id=\"1\">1</value>");
    cfg.replace("<value id=\"5\">61</value>", "<value id=\"5\">40</value>");
    testsupport::writeAll(cfgPath, encodeUtf16LeWithBom(cfg));

    const QStringList base{"--app-dir", dir, "--mode", "1", "--user", "1"};
    const CliOutcome rec = cli(QStringList{"record"} + base +
                               QStringList{"--file", "dial_01.xml", "--kind", "14", "--score", "50", "--today", "2024-03-10"});
    ASSERT_EQ(rec.exitCode, 0) << rec.err.toStdString();
    // The first recording schedules a review; the second, above 40 %, ends them.
    EXPECT_TRUE(rec.out.endsWith("\t50\t1\t10-03-2024\t2024-03-13\t1\n")) << rec.out.toStdString();
    const CliOutcome again = cli(QStringList{"record"} + base +
                                 QStringList{"--file", "dial_01.xml", "--kind", "14", "--score", "50", "--today", "2024-03-11"});
    EXPECT_TRUE(again.out.endsWith("\t50\t1\t11-03-2024\t0\t1\n")) << again.out.toStdString();

    const CliOutcome tree = cli(QStringList{"tree"} + base);
    ASSERT_EQ(tree.exitCode, 0) << tree.err.toStdString();
    EXPECT_EQ(tree.out.split('\n')[0].split('\t')[7], "Listening"); // the learner's interface language
}

TEST(Cli, NormalizeAndCheck)
{
    QTemporaryDir tmp;
    const QString dir = copySelko(tmp);
    const CliOutcome n = cli({"normalize", "--app-dir", dir, "I dont know"});
    EXPECT_EQ(n.exitCode, 0);
    EXPECT_EQ(n.out, "I do not know\n");

    // The course fixture is no whole installation (no skin, help, trainer...):
    // only its course problems are looked at here.
    const QString missingItem = "problem: Dane\\pc_01.xml: package element file Dane\\Paczki\\pc_b.xml is missing";
    const CliOutcome check = cli({"check", "--app-dir", dir, "--mode", "1"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains(missingItem));
    EXPECT_FALSE(check.out.contains("media root")) << check.out.toStdString(); // cd is relative to the installation

    testsupport::writeAll(dir + "/Dane/Paczki/pc_b.xml",
                          "<cwiczenie><config><grupa>1</grupa><poziom>1</poziom><typ_cw>31</typ_cw></config></cwiczenie>");
    const CliOutcome fixed = cli({"check", "--app-dir", dir, "--mode", "1"});
    EXPECT_FALSE(fixed.out.contains(missingItem)) << fixed.out.toStdString();
    EXPECT_FALSE(fixed.out.contains("Paczki\\pc_b.xml")) << fixed.out.toStdString();
}
