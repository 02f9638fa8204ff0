#include "Installation.h"
#include "ProgramMode.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(UiText, LooksUpTheFirstEntryAndKeepsLaterEqualsSigns)
{
    UiTextTable t;
    t.append(41, "Sprawdź");
    t.append(42, "");                 // a hint without a text in this language
    t.append(41, "second");           // duplicate id: the first wins
    t.append(7, "a=b=c");             // everything after the first "=" is the text
    t.appendRaw("noequals");
    EXPECT_EQ(t.text(41), QStringLiteral("Sprawdź"));
    EXPECT_EQ(t.text(42), "");
    EXPECT_EQ(t.text(7), "a=b=c");
    EXPECT_EQ(t.text(999), "");
    EXPECT_EQ(t.text(4), "");         // "41" is not "4"
}

TEST(Installation, ScreenSizeCheckUsesThe1000By760Limit)
{
    struct Case {
        int w, h;
        bool ok;
    } const cases[] = {{1000, 760, true}, {1024, 768, true}, {999, 768, false}, {1024, 759, false}, {800, 600, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
        const Status s = CheckScreenSize(c.w, c.h);
        EXPECT_EQ(s.ok(), c.ok);
        if (!s.ok()) {
            EXPECT_EQ(s.failure().caption, "Ostrzeżenie");
            EXPECT_EQ(s.failure().icon, MessageIcon::Warning);
            EXPECT_EQ(s.failure().text,
                      QStringLiteral("Program należy uruchamiać w rozdzielczości 1024 x 768 punktów lub większej."));
        }
    }
}

TEST(Installation, MediaRootFromCfgIni)
{
    QTemporaryDir tmp;
    Installation inst;
    inst.appDir = tmp.path();
    inst.programMode = 1;

    // No cfg.ini, no DEFAULT section, empty CD: the configuration error.
    for (const QByteArray& cfg : {QByteArray(), QByteArray("[OTHER]\r\nCD=x\r\n"), QByteArray("[DEFAULT]\r\nCD=\r\n")}) {
        if (!cfg.isNull())
            testsupport::writeAll(tmp.path() + "/Config/cfg.ini", cfg);
        const Status s = ReadMediaRoot(inst);
        ASSERT_FALSE(s.ok());
        EXPECT_EQ(s.failure().text, QStringLiteral("Błąd pliku konfiguracyjnego!"));
        EXPECT_EQ(s.failure().caption, QStringLiteral("Błąd"));
    }

    // A root with and without its final separator gives the same CdDir.
    QDir().mkpath(tmp.path() + "/cd/Media");
    for (const QString& cd : {tmp.path() + "/cd", tmp.path() + "/cd\\"}) {
        testsupport::writeAll(tmp.path() + "/Config/cfg.ini", ("[DEFAULT]\r\nCD=" + cd + "\r\n").toUtf8());
        ASSERT_TRUE(ReadMediaRoot(inst).ok());
        ASSERT_TRUE(CheckMediaRoot(inst).ok());
        EXPECT_EQ(inst.cdDir, tmp.path() + "/cd\\");
        EXPECT_EQ(inst.mediaPath("\\Teksty"), tmp.path() + "/cd/Media/Teksty");
    }

    // A relative root is taken from AppDir, whatever the working folder.
    QDir().mkpath(tmp.path() + "/app/Config");
    QDir().mkpath(tmp.path() + "/media/Media/Teksty");
    Installation rel;
    rel.appDir = tmp.path() + "/app";
    testsupport::writeAll(rel.appDir + "/Config/cfg.ini", "[DEFAULT]\r\nCD=..\\media\r\n");
    ASSERT_TRUE(ReadMediaRoot(rel).ok());
    ASSERT_TRUE(CheckMediaRoot(rel).ok());
    EXPECT_EQ(rel.mediaPath("\\teksty"), tmp.path() + "/app/../media/Media/Teksty");

    // Missing Media folder: the message names the detected course.
    inst.cdDir = tmp.path() + "/nocd";
    inst.programMode = 2;
    const Status s = CheckMediaRoot(inst);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().text, QStringLiteral("Brak płyty CD-ROM programu Orvanta 6.0 Varda. Proszę umieścić płytę "
                                               "w napędzie CD-ROM i uruchomić program ponownie."));
}

TEST(Installation, ModeTables)
{
    EXPECT_EQ(ModeTitle(1), QStringLiteral("Orvanta 6.0 Selko ze słuchu i konwersacje"));
    EXPECT_EQ(ModeTitle(3), QStringLiteral("Orvanta 6.0 Tolvar"));
    EXPECT_EQ(ModeWord(2), QStringLiteral("Varda"));
    EXPECT_EQ(ModeWord(0), "");
    EXPECT_EQ(HelpDirForMode(1), QStringLiteral("\\Pomoc - Selko"));
    EXPECT_EQ(HelpDirForMode(2), QStringLiteral("\\Pomoc - Varda"));
    EXPECT_EQ(HelpDirForMode(3), QStringLiteral("\\Pomoc - Brenn"));
}

TEST(ProgramMode, ScoresTheFileNameFragments)
{
    struct Case {
        QStringList files;
        int mode; // 0: ask
    } const cases[] = {
        {{"tf_01.xml"}, 2},
        {{"odk_01.xml"}, 1},
        {{"tek_01.xml"}, 3},
        {{"tf_01.xml", "odk_01.xml"}, 3}, // 2 + 1 without a question
        {{"dial_01.xml"}, 0},             // "dial" holds "dia": 1 + 3
        {{}, 0},                          // empty folder
        {{"TF_01.xml"}, 0},               // case-sensitive
        {{"tf_01.xml", "tek_01.xml"}, 0}, // 2 + 3
        {{"readme.xml"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files.join(",").toStdString());
        EXPECT_EQ(ScoreProgramMode(c.files), c.mode);
    }
}

TEST(ProgramMode, ListsOnlyXmlFilesOfTheDataFolder)
{
    QTemporaryDir tmp;
    testsupport::writeAll(tmp.path() + "/Dane/b_tf.xml", "x");
    testsupport::writeAll(tmp.path() + "/Dane/A_odk.XML", "x");
    testsupport::writeAll(tmp.path() + "/Dane/notes.txt", "x");
    QDir().mkpath(tmp.path() + "/Dane/dir_tf.xml");
    testsupport::writeAll(tmp.path() + "/Dane/Paczki/pc.xml", "x");
    EXPECT_EQ(ListExerciseFiles(tmp.path()), (QStringList{"A_odk.XML", "b_tf.xml"}));
}

#include "UserFiles.h"

TEST(UserFiles, NewFilesAreByteExact)
{
    QTemporaryDir tmp;
    QDir().mkpath(tmp.path() + "/Users");
    Installation inst;
    inst.appDir = tmp.path();
    ASSERT_TRUE(WriteEmptyResultsFile(inst, 7).ok());
    ASSERT_TRUE(WriteDefaultConfigFile(inst, 7).ok());

    const QByteArray stat = testsupport::readAll(tmp.path() + "/Users/7_stat.xml");
    QByteArray expected("\xFF\xFE");
    for (char c : QByteArray("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>\r\n"))
        expected.append(c).append('\0');
    EXPECT_EQ(stat, expected);

    const QByteArray cfg = testsupport::readAll(tmp.path() + "/Users/7_config.xml");
    QByteArray plain;
    for (qsizetype i = 2; i < cfg.size(); i += 2) {
        ASSERT_EQ(cfg[i + 1], '\0');
        plain.append(cfg[i]);
    }
    EXPECT_TRUE(cfg.startsWith("\xFF\xFE"));
    EXPECT_EQ(plain, QByteArray("<?xml version=\"1.0\"?>\r\n<config>\r\n<value id=\"1\">0</value>\r\n"
                                "<value id=\"2\">0</value>\r\n<value id=\"3\">0</value>\r\n"
                                "<value id=\"4\">1</value>\r\n<value id=\"5\">61</value>\r\n"
                                "<value id=\"6\">3</value>\r\n<value id=\"7\">1</value>\r\n"
                                "<value id=\"8\">1</value>\r\n<value id=\"9\">1</value>\r\n"
                                "<value id=\"10\">0</value>\r\n<value id=\"11\">1</value>\r\n</config>\r\n"));
    // Missing Users folder: a failure, not a crash.
    inst.appDir = tmp.path() + "/none";
    EXPECT_FALSE(WriteEmptyResultsFile(inst, 1).ok());
}
