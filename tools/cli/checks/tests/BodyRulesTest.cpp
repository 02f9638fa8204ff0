// The rules by which the body checkers find a kind's files, where they depend
// on more than a folder: name changes, markup, program mode, hiding mode.
#include "BodyCheckers.h"
#include "BodyFiles.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(BodyRules, NameChanges)
{
    struct Case {
        QString name, mp3, wavAsMp3;
    } const cases[] = {
        {"a.wav", "a.mp3", "a.mp3"},
        {"a.WAV", "a.mp3", "a.WAV"}, // the ".wav" rule is exact
        {"a.b.ogg", "a.b.mp3", "a.b.ogg"},
        {"a", "a.mp3", "a"},
        {"dir.v2\\a", "dir.v2\\a.mp3", "dir.v2\\a"},
        {"", ".mp3", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(ChangeFileExt(c.name, ".mp3"), c.mp3);
        EXPECT_EQ(WavAsMp3(c.name), c.wavAsMp3);
    }
    EXPECT_EQ(ExerciseBaseName("Paczki\\odk_01.xml"), "odk_01");
}

TEST(BodyRules, PicturesOfGapTexts)
{
    struct Case {
        const char* tresc;
        QStringList listening, fullText;
    } const cases[] = {
        {"<IMG LEFT> a.bmp b.bmp </IMG> text <IMG RIGHT>c.bmp</IMG>", {"a.bmp", "b.bmp", "c.bmp"}, {"a.bmp", "b.bmp", "c.bmp"}},
        // "<IMG>" opens a block only in the full-text window; elsewhere it is a gap.
        {"<IMG> a.bmp </IMG> b.bmp", {}, {"a.bmp"}},
        {"<img left>a.bmp<I>b.bmp</I></img> c.bmp", {"a.bmp", "b.bmp"}, {"a.bmp", "b.bmp"}},
        // A gap inside a block names no picture; an unclosed block runs on.
        {"<IMG LEFT> <gap/answer> a.bmp", {"a.bmp"}, {"a.bmp"}},
        {"no pictures <at> all", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tresc);
        EXPECT_EQ(GapTextPictureNames(c.tresc, false), c.listening);
        EXPECT_EQ(GapTextPictureNames(c.tresc, true), c.fullText);
    }
}

TEST(BodyRules, PicturesOfChoiceTexts)
{
    struct Case {
        const char* tresc;
        QStringList paths;
    } const cases[] = {
        {"Look <IMG> Gfx\\a.png at <b/c> it", {"Gfx\\a.png"}},
        {"<IMG><b>Gfx\\a.png</b> x <img> y.png", {"Gfx\\a.png", "y.png"}},
        {"<IMG LEFT> a.png", {}}, // a gap in this window
        {"end <IMG>", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tresc);
        EXPECT_EQ(ChoiceTextPicturePaths(c.tresc), c.paths);
    }
}

namespace {

// Runs `checker` on an exercise whose body is `body` in an installation with
// an empty media root and nothing else.
QStringList run(BodyChecker checker, int mode, const QString& config, const QString& body)
{
    QTemporaryDir tmp;
    testsupport::writeAll(tmp.path() + "/cd/Media/Teksty/ok.mp3", "");
    testsupport::writeAll(tmp.path() + "/Gfx/Wpis_gfx/ok.bmp", "");
    Installation inst;
    inst.appDir = tmp.path();
    inst.cdDir = tmp.path() + "/cd/";
    inst.programMode = mode;
    const QString xml = "<cwiczenie><config><typ_cw>1</typ_cw>" + config + "</config><body>" + body + "</body></cwiczenie>";
    const auto doc = ExerciseDocument::parse(xml.toUtf8());
    EXPECT_TRUE(doc.ok());
    QStringList problems;
    checker(BodyCheckContext{inst, "x_01.xml", 1, *doc}, problems);
    return problems;
}

} // namespace

TEST(BodyRules, GapTypingInEachProgramMode)
{
    const QString config = "<multimedia>ok.wav</multimedia>";
    const QString body = "<html>a.html</html><tresc>&lt;IMG&gt; ok.bmp lost.bmp &lt;/IMG&gt;</tresc>";
    // The listening window has no handbook button and takes "<IMG>" for a gap.
    EXPECT_EQ(run(CheckGapTextFiles, 1, config, body), QStringList());
    EXPECT_EQ(run(CheckGapTextFiles, 2, config, body),
              (QStringList{"handbook page Podrecznik\\a.html is missing", "picture Gfx\\Wpis_gfx\\lost.bmp is missing"}));
    EXPECT_EQ(run(CheckGapTextFiles, 1, "<multimedia>ok.mp3.wmv</multimedia>", ""),
              (QStringList{"video Media\\Teksty\\ok.mp3.mpg is missing", "video Media\\Teksty\\ok.mp3.wmv is missing"}));
    // A Flash movie without its sound track plays silently.
    EXPECT_EQ(run(CheckGapTextFiles, 1, "<multimedia>ok.swf</multimedia>", ""),
              QStringList{"Flash movie Media\\Teksty\\ok.swf is missing"});
    // A body the window cannot read is the window's load message.
    EXPECT_EQ(run(CheckGapTextFiles, 1, config, "<polecenie id='jeden'>Fill in.</polecenie><tresc>a &lt;b&gt;</tresc>"),
              QStringList{"Błąd podczas wczytywania pliku ćwiczenia! (x_01.xml)"});
}

TEST(BodyRules, MultipleChoiceTestsLoadAsTheWindowLoadsThem)
{
    const QString right = "<grupa id='1'><naglowek>I &lt;am&gt; here.</naglowek><poprawne>9</poprawne>"
                          "<odpowiedz id='1'>is</odpowiedz></grupa>";
    struct Case {
        const char* name;
        QString body;
        QStringList problems;
    } const cases[] = {
        {"a gap is always a correct row", "<grupy>" + right + "</grupy>", {}},
        {"a language id that is not a number",
         "<polecenie id='en'>Choose.</polecenie><grupy>" + right + "</grupy>",
         {"the multiple-choice test window cannot load it ('en' is not a valid integer value: id)"}},
        {"no questions", "<grupy/>", {"the test has no questions"}},
        {"questions that cannot be answered right",
         "<grupy>" + right
             + "<grupa><naglowek>Q</naglowek><poprawne>1</poprawne><odpowiedz/></grupa>"
               "<grupa><naglowek>Q</naglowek><poprawne>5</poprawne><odpowiedz>a</odpowiedz>"
               "<odpowiedz>b</odpowiedz><odpowiedz>c</odpowiedz><odpowiedz>d</odpowiedz><odpowiedz>e</odpowiedz></grupa>"
               "</grupy>",
         {"question 2 has no answers", "question 3 has no correct answer among its rows (poprawne \"5\")"}},
        {"recordings are looked for in Media\\Zdania",
         "<grupy><grupa><media>q.wav</media><naglowek>&lt;a&gt;</naglowek></grupa></grupy>",
         {"recording Media\\Zdania\\q.wav is missing"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(run(CheckTestFiles, 1, "", c.body), c.problems);
    }
}

TEST(BodyRules, DialogueComprehensionNeedsTheLinesItMayHide)
{
    const QString lines = "<kwestia sampel='a.wav' visible='1'/><kwestia sampel='b.wav' visible='0'/>";
    const QString a = "recording Media\\Dialogi\\a.mp3 is missing";
    const QString b = "recording Media\\Dialogi\\b.mp3 is missing";
    struct Case {
        const char* hiding;
        QStringList problems;
    } const cases[] = {
        {"<tryb_znikania>1</tryb_znikania>", {b}},
        {"<tryb_znikania>2</tryb_znikania>", {a, b}},
        {"<tryb_znikania>3</tryb_znikania>", {a, b}},
        {"<tryb_znikania>x</tryb_znikania>", {a, b}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hiding);
        EXPECT_EQ(run(CheckDialogueComprehensionFiles, 1, "", c.hiding + lines), c.problems);
    }
    EXPECT_EQ(run(CheckDialoguePresentationFiles, 1, "", "<kwestia osoba='1'/>"),
              (QStringList{"line 1 names no recording", "silence recording Media\\Teksty\\cisza.wav is missing"}));
}

TEST(BodyRules, NoMediaRootNoMediaProblems)
{
    QTemporaryDir tmp;
    Installation inst;
    inst.appDir = tmp.path();
    inst.programMode = 1;
    const auto doc = ExerciseDocument::parse("<cwiczenie><config/><body><grupy><grupa><media>a.wav</media><naglowek>Q</naglowek>"
                                             "<poprawne>1</poprawne><odpowiedz id='1'>a</odpowiedz></grupa></grupy>"
                                             "<html>a.html</html></body></cwiczenie>");
    ASSERT_TRUE(doc.ok());
    QStringList problems;
    CheckTestFiles(BodyCheckContext{inst, "t.xml", 3, *doc}, problems);
    EXPECT_EQ(problems, QStringList{"handbook page Podrecznik\\a.html is missing"});
}
