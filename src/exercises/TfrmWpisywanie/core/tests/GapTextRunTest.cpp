#include "ExerciseText.h"
#include "GapText.h"
#include "GapTextRun.h"
#include "TElement.h"
#include "TestSupport.h"
#include "WpisywanieBody.h"

#include <gtest/gtest.h>

namespace {

GapTextRun runOf(const char* text)
{
    GapTextRun run;
    run.Reset(ParseGapText(QString::fromUtf8(text)));
    return run;
}

const char* const kFourGaps = "<one> and <two> , <three> . <four>";

} // namespace

TEST(GapTextRun, EnterMovesToTheNextEmptyGapSkippingFilledOnes)
{
    GapTextRun run = runOf(kFourGaps);
    ASSERT_EQ(run.StartEditing(), 0);
    EXPECT_EQ(run.OpenGap(0), QString());

    // Gap 3 was filled before (a click on it, text, a click elsewhere).
    run.CommitOnly(QString());
    EXPECT_EQ(run.OpenGap(2), QString());
    run.CommitOnly(QStringLiteral("  three   "));
    EXPECT_EQ(run.gap(2).Input, QStringLiteral("three"));
    EXPECT_EQ(run.activeGap(), -1);

    run.OpenGap(0);
    EXPECT_EQ(run.CommitAndAdvance(QStringLiteral("żółw")), 1);
    EXPECT_EQ(run.CommitAndAdvance(QStringLiteral("two")), 3); // gap 3 (index 2) is skipped
    EXPECT_EQ(run.CommitAndAdvance(QStringLiteral("four")), -1); // all filled: no gap active
    EXPECT_EQ(run.activeGap(), -1);
    EXPECT_EQ(run.gap(0).Input, QStringLiteral("żółw"));
}

TEST(GapTextRun, AdvancingWrapsAroundToAnEarlierEmptyGap)
{
    GapTextRun run = runOf(kFourGaps);
    run.OpenGap(2);
    EXPECT_EQ(run.CommitAndAdvance(QStringLiteral("x")), 3);
    EXPECT_EQ(run.CommitAndAdvance(QStringLiteral("y")), 0);
}

TEST(GapTextRun, OpeningAFilledGapHandsItsTextToTheBoxAndEmptiesIt)
{
    GapTextRun run = runOf(kFourGaps);
    run.OpenGap(1);
    run.CommitOnly(QStringLiteral("two"));
    EXPECT_EQ(run.OpenGap(1), QStringLiteral("two"));
    EXPECT_TRUE(run.gap(1).Input.isEmpty());
    EXPECT_EQ(run.StartEditing(), 0);
}

TEST(GapTextRun, ScoresRoundHalvesToEvenAndATextWithoutGapsHasNone)
{
    struct Case {
        const char* text;
        QStringList inputs;
        int right, wrong;
        std::optional<int> percent;
    } cases[] = {
        {kFourGaps, {"one", "two", "three", "five"}, 3, 1, 75},
        {"<a> <c> <d> <e> <f> <g> <h> <k>", {"a"}, 1, 7, 12}, // 12.5
        {"<a> <c> <d> <e> <f> <g> <h> <k>", {"a", "c", "d"}, 3, 5, 38}, // 37.5
        {"<a> <c> <d>", {"a", "c"}, 2, 1, 67},
        {"<a>", {"a"}, 1, 0, 100},
        {"<a>", {}, 0, 1, 0},
        {"no gaps at all", {}, 0, 0, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        GapTextRun run = runOf(c.text);
        for (int g = 0; g < c.inputs.size(); ++g) {
            run.OpenGap(g);
            run.CommitOnly(c.inputs.at(g));
        }
        const GapTextRun::Score s = run.Check(AnswerRules{});
        EXPECT_EQ(s.right, c.right);
        EXPECT_EQ(s.wrong, c.wrong);
        EXPECT_EQ(s.percent, c.percent);
        EXPECT_EQ(run.state(), GapTextRun::State::Checked);
    }
}

TEST(GapTextRun, AnswersAreShownOnlyAfterTheCheckAndTheHintNamesWhatWasTyped)
{
    GapTextRun run = runOf("I <am> a <student> <here>");
    run.OpenGap(0);
    run.CommitOnly(QStringLiteral("am"));
    run.OpenGap(1);
    run.CommitOnly(QStringLiteral("studnet"));
    run.ShowAnswers();
    EXPECT_EQ(run.state(), GapTextRun::State::Input);
    run.Check(AnswerRules{});
    EXPECT_TRUE(run.gapRight(0));
    EXPECT_FALSE(run.gapRight(1));

    const QString typed = QStringLiteral("Wpisałeś:"), nothing = QStringLiteral("Nic nie wpisano");
    EXPECT_EQ(run.HintForItem(run.gapItem(1), typed, nothing), QString()); // not yet: answers hidden
    run.ShowAnswers();
    EXPECT_EQ(run.state(), GapTextRun::State::Solution);
    EXPECT_EQ(run.HintForItem(run.gapItem(0), typed, nothing), QString());
    EXPECT_EQ(run.HintForItem(run.gapItem(1), typed, nothing), QStringLiteral("Wpisałeś: <B>studnet</B>"));
    EXPECT_EQ(run.HintForItem(run.gapItem(2), typed, nothing), QStringLiteral("<B>Nic nie wpisano</B>"));
    EXPECT_EQ(run.HintForItem(0, typed, nothing), QString());
}

TEST(GapTextRun, PrintShowsBlanksBeforeTheCheckAndWholeAnswersAfter)
{
    GapTextRun run = runOf("<IMG RIGHT> tree.bmp </IMG> <B>Łucja</B> is <AK=40> <younger/smaller> , <I>really</I> "
                           "<young> .");
    EXPECT_EQ(run.PrintBody(), QStringLiteral("<P> <B> &#321;ucja </B> is __________ , <I> really </I> __________ .</P>"));
    run.Check(AnswerRules{});
    EXPECT_EQ(run.PrintBody(), QStringLiteral("<P> <B> &#321;ucja </B> is younger/smaller, <I> really </I> young.</P>"));
    // A new run prints blanks again.
    run.Reset(ParseGapText(QStringLiteral("<a>")));
    EXPECT_EQ(run.PrintBody(), QStringLiteral("<P> __________ </P>"));
}

TEST(GapTextBody, LoadsTheBodyOfAFile)
{
    const Expected<GapTextContent> c =
        LoadGapTextFile(QStringLiteral(FIXTURES_DIR "/wpis.xml"), QStringLiteral("TfrmWpisywanie"), 1, 2);
    ASSERT_TRUE(c.ok()) << c.failure().text.toStdString();
    EXPECT_EQ(c->media, QStringLiteral("rodzina.mp3"));
    EXPECT_EQ(c->html, QStringLiteral("slownictwo\\rodzina.html"));
    EXPECT_EQ(c->instruction, QStringLiteral("Fill in the text."));
    EXPECT_EQ(c->translation, QStringLiteral("Ergänze den Text."));
    EXPECT_EQ(c->phrases, QStringLiteral("<B>older</B> <AK> starszy"));
    EXPECT_EQ(c->text.gaps.size(), 3);
    EXPECT_EQ(c->text.items.at(c->text.gaps.at(2)).Answer, QStringLiteral("younger/smaller"));
    EXPECT_EQ(c->text.items.last().Text, QStringLiteral("."));

    const Expected<GapTextContent> none =
        LoadGapTextFile(QStringLiteral(FIXTURES_DIR "/wpis.xml"), QStringLiteral("TfrmWpisywanie"), 1, 255);
    ASSERT_TRUE(none.ok());
    EXPECT_EQ(none->translation, QString());
}

TEST(GapTextBody, FilesThatCannotBeReadGiveTheWindowsMessages)
{
    struct Case {
        const char* file;
        const char* message;
    } cases[] = {
        {"missing.xml", "Brak pliku ćwiczenia! (4)"},
        {"broken.xml", "Błąd podczas wczytywania pliku ćwiczenia! (broken.xml)"},
        {"bad-language.xml", "Błąd podczas wczytywania pliku ćwiczenia! (bad-language.xml)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Expected<GapTextContent> r = LoadGapTextFile(QStringLiteral(FIXTURES_DIR "/") + QString::fromUtf8(c.file),
                                                           QStringLiteral("TfrmWpisywanie"), 1, 0);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.failure().text, QString::fromUtf8(c.message));
        EXPECT_EQ(r.failure().caption, QStringLiteral("Błąd"));
    }
    EXPECT_EQ(GapTextMediaName(QStringLiteral("a.wav.wav")), QStringLiteral("a.wav.mp3"));
    EXPECT_EQ(GapTextMediaName(QStringLiteral("film.mpg")), QStringLiteral("film.mpg"));
}

TEST(GapTextBody, TitleComesFromTheNodeInModeTwoAndFromTheContainerOtherwise)
{
    TElement container;
    container.Caption = QStringLiteral("Lekcja 1=Część A=Wycieczka do Londynu");
    TElement node;
    node.Caption = QStringLiteral("[04] Czas przeszły] i tyle");
    EXPECT_EQ(GapTextTitle(2, &node, &container), QStringLiteral(" Czas przeszły] i tyle"));
    EXPECT_EQ(GapTextTitle(1, &node, &container), QStringLiteral("Wycieczka do Londynu"));
    EXPECT_EQ(GapTextTitle(1, &node, nullptr), QString());
    node.Caption = QStringLiteral("Bez klamry");
    EXPECT_EQ(GapTextTitle(2, &node, nullptr), QStringLiteral("Bez klamry"));
}
