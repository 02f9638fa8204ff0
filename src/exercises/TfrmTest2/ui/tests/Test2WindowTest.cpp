// The multiple-choice test window opened from the course as the learner
// opens it: answering by mouse and keys, the end of the test, leaving it, and
// what is stored and shown afterwards.
#include "ExerciseWindowTest.h"
#include "RecordingMarks.h"
#include "SkinCanvas.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumOdpList.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TestExerciseWindow.h"
#include "TestSupport.h"
#include "TfrmNawigacja.h"
#include "TfrmPomoc.h"
#include "TfrmTest2.h"
#include "TfrmWyborCwiczenia.h"
#include "TocRows.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTest>

using courseui::click;
using courseui::settle;

namespace {

// Three questions: a gap (its text the first, correct row; row 3 correct
// too), one right row of two, two right rows of three.
const char* const ExerciseBody = R"(<body><html>czasy\past.html</html>
<polecenie id="1">Choose the correct answer.</polecenie><polecenie id="0">Wybierz poprawną odpowiedź.</polecenie>
<grupy>
 <grupa id="1"><media>q1.wav</media><naglowek>Yesterday I &lt;went&gt; home.</naglowek><poprawne>1</poprawne>
  <odpowiedz id="1">go</odpowiedz><odpowiedz id="2">gone</odpowiedz></grupa>
 <grupa id="2"><media>q2.wav</media><naglowek>Which colour is the sky?</naglowek><poprawne>2</poprawne>
  <odpowiedz id="1">green</odpowiedz><odpowiedz id="2">blue</odpowiedz></grupa>
 <grupa id="3"><media></media><naglowek>Which two are animals?</naglowek><poprawne>1,3</poprawne>
  <odpowiedz id="1">dog</odpowiedz><odpowiedz id="2">tree</odpowiedz><odpowiedz id="3">cat</odpowiedz></grupa>
</grupy></body>)";

class Test2Window : public ExerciseWindowTest {
protected:
    void SetUp() override
    {
        ExerciseWindowTest::SetUp();
        addInterfaceTexts({{3, "Jeszcze raz"}, {4, "Posłuchaj"}, {41, "Sprawdź"}, {43, "Dalej"}, {46, "Twój wynik:"},
                           {47, "Drukuj"}, {120, "Podręcznik"}, {155, "Pytania"}});
        setBody(QString::fromUtf8(ExerciseBody));
        const QString package = appDir + "/Dane/pc_01.xml";
        testsupport::writeAll(package, testsupport::readAll(package).replace("1;4;9", "12#40#75"));

        savePicture("Gfx/Background_cw/tlo.bmp", {64, 48}, QColor(200, 220, 255));
        savePicture("Gfx/Test_gfx/pc_a_1_L.png", {60, 90}, Qt::darkGreen);
        testsupport::writeAll(appDir + "/cd/Media/Zdania/q1.wav", "x");
        testsupport::writeAll(appDir + "/Pomoc - Selko/h_exer.html", "<html><body><a name=\"a10\">Test</a></body></html>");

        startCourse();
        nav->RegisterOpener(QStringLiteral("TfrmTFGr"), TestOpener(*nav, QStringLiteral("TfrmTFGr")));
        registerKind<TfrmTest2>(QStringLiteral("TfrmTest2"));
    }

    void setBody(const QString& body)
    {
        const QString file = appDir + "/Dane/Paczki/pc_a.xml";
        QString exercise = QString::fromUtf8(testsupport::readAll(file));
        exercise.replace(QRegularExpression("<body>.*</body>", QRegularExpression::DotMatchesEverythingOption), body);
        testsupport::writeAll(file, exercise.toUtf8());
    }

    TElement* testNode() { return nodeOf(*nav, "Paczki\\pc_a.xml", 3); }

    TfrmTest2* open()
    {
        nav->OpenNode(testNode());
        return shown();
    }

    static TfrmTest2* shown() { return shownWindow<TfrmTest2>(); }

    // The current question's first row that is (or is not) correct.
    static int rowOf(const TfrmTest2* w, bool correct)
    {
        const TGrupa& g = w->run().currentQuestion();
        for (int i = 0; i < g.rows.size(); ++i)
            if (g.rows[i].correct == correct)
                return i + 1;
        return -1;
    }

    static void clickRow(TfrmTest2* w, int row)
    {
        QTest::mouseClick(w->odpList, Qt::LeftButton, {}, w->odpList->RowFrame(row).center());
    }

    static void key(TfrmTest2* w, char c) { QTest::keyClick(w, c); }

    static QString statLine(const QString& stat)
    {
        const qsizetype at = stat.indexOf("<plik nazwa=\"Paczki\\pc_a.xml\">");
        return at < 0 ? QString() : stat.mid(at, stat.indexOf("</plik>", at) - at);
    }

    // What the table of contents draws in the row of the test's package (its
    // elements are opened from there and their results averaged into it).
    QStringList tableOfContentsRow()
    {
        TfrmWyborCwiczenia toc(ctx, *nav);
        toc.SetLearningMode();
        toc.FillFromRoot();
        toc.ExpandAll();
        for (int row = 0; row < toc.RowCount(); ++row) {
            if (toc.NodeAtRow(row) != testNode()->Parent)
                continue;
            SkinPaintLog log;
            QImage canvas(798, TocRowHeight, QImage::Format_ARGB32_Premultiplied);
            QPainter p(&canvas);
            toc.DrawRow(p, QRect(0, 0, 798, TocRowHeight), row, false);
            QStringList texts;
            for (const SkinDrawn& d : log.items)
                if (d.kind == SkinDrawn::Text)
                    texts << d.name;
            return texts;
        }
        return {};
    }
};

} // namespace

TEST_F(Test2Window, OpensFromTheCourseWithTheFirstQuestionAndItsRows)
{
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->objectName(), "frmTest2");
    EXPECT_EQ(w->recordingMarks(), "12#40#75"); // the package's marks
    EXPECT_EQ(w->Polecenie->Caption(), "Choose the correct answer.");
    EXPECT_EQ(w->instructionHint(), "Wybierz poprawną odpowiedź.");
    EXPECT_TRUE(w->btnPodrecznik->isVisible());
    EXPECT_FALSE(w->btnSpr->isVisible());
    EXPECT_TRUE(w->btn_Spr->isVisible());
    EXPECT_EQ(w->btn_Spr->Caption(), "Sprawdź");
    EXPECT_FALSE(w->btnMedia->isVisible());
    EXPECT_FALSE(nav->ResultPending());
    EXPECT_EQ(w->run().questionCount(), 3);
    EXPECT_EQ(w->ResultSourcesNow().xFactor, 0);

    const TGrupa& q = w->run().currentQuestion();
    ASSERT_EQ(w->odpList->rowCount(), q.rows.size());
    for (int i = 0; i < q.rows.size(); ++i)
        EXPECT_EQ(w->odpList->RowText(i + 1), q.rows[i].text);
    EXPECT_EQ(w->odpList->SelectedItem(), -1);
    EXPECT_EQ(w->odpList->Correct(), -1);
    EXPECT_TRUE(w->odpList->isEnabled());
    // The list stands below the painted question.
    EXPECT_EQ(w->odpList->y(), w->questionLayout().height + 20);
}

TEST_F(Test2Window, AnsweringByKeysAndMouseUntilEveryQuestionIsRight)
{
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    QSet<int> askedBefore;
    int lastWrong = -1;
    bool mouse = false;
    for (int step = 0; step < 20 && !w->finished(); ++step) {
        SCOPED_TRACE(step);
        const TGrupa& q = w->run().currentQuestion();
        const int number = q.number;
        // Never the question just answered wrongly while others are left.
        if (w->run().questions().size() - w->run().Poprawnie() > 1) {
            EXPECT_NE(number, lastWrong);
        }
        // Each question is answered wrongly the first time, by key or mouse.
        const bool right = askedBefore.contains(number);
        const int row = rowOf(w, right);
        device.clearLog();
        if (mouse)
            clickRow(w, row);
        else
            key(w, char('0' + row));
        mouse = !mouse;

        EXPECT_EQ(w->odpList->SelectedItem(), row);
        EXPECT_EQ(w->odpList->Correct(), right ? row : rowOf(w, true));
        EXPECT_FALSE(w->odpList->isEnabled());
        EXPECT_EQ(w->btn_Spr->Caption(), "Dalej");
        EXPECT_TRUE(nav->ResultPending());
        // The question's recording plays at once and its button shows, when
        // the file exists (only q1.wav does).
        EXPECT_EQ(device.log().contains("open q1.wav"), q.media == "q1.wav") << device.log().join(", ").toStdString();
        EXPECT_EQ(w->btnMedia->isVisible(), q.media == "q1.wav");
        if (q.media == "q1.wav") {
            // The listen button plays it again, with the package's marks.
            device.clearLog();
            click(w, "btnMedia");
            EXPECT_TRUE(device.log().contains("open q1.wav")) << device.log().join(", ").toStdString();
            EXPECT_EQ(player.player().marks(), ParseRecordingMarks("12#40#75"));
            EXPECT_EQ(player.player().marks().count(), 3);
        }

        // A second pick is ignored; Enter moves on.
        key(w, '1');
        EXPECT_EQ(w->odpList->SelectedItem(), row);
        askedBefore.insert(number);
        lastWrong = right ? lastWrong : number;
        QTest::keyClick(w, Qt::Key_Return);
        if (!w->finished()) {
            EXPECT_EQ(w->btn_Spr->Caption(), "Sprawdź");
            EXPECT_FALSE(w->btnMedia->isVisible());
            EXPECT_EQ(w->odpList->SelectedItem(), -1);
        }
    }
    ASSERT_TRUE(w->finished());
    // 3 right of 3 questions with 3 wrong answers on the way: 3 / 6.
    EXPECT_TRUE(w->Panel_Wynik->isVisible());
    EXPECT_EQ(w->Panel_Wynik->Wynik(), 50);
    EXPECT_FALSE(w->btn_Spr->isVisible());
    EXPECT_FALSE(w->btnSpr->isVisible());
    EXPECT_EQ(sounds, QStringList{"WAV_WYNIK"});
    EXPECT_TRUE(statLine(statText()).contains("<dane id=\"3\"><data>10-03-2024</data><postep>50</postep>"))
        << statText().toStdString();
    EXPECT_EQ(testNode()->Progress, 50);

    // After the result Enter leaves like the back button; the table of
    // contents shows the result.
    QPointer<TfrmTest2> guard(w);
    QTest::keyClick(w, Qt::Key_Return);
    settle();
    EXPECT_TRUE(guard.isNull() || !guard->isVisible());
    EXPECT_TRUE(tableOfContentsRow().contains("25%")) << tableOfContentsRow().join(" | ").toStdString(); // (50 + 0) / 2
}

TEST_F(Test2Window, TheNextButtonWithoutAnAnswerShowsTheCorrectRowAndCountsItWrong)
{
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    const int rows = int(w->run().currentQuestion().rows.size());
    key(w, char('0' + rows + 1)); // no such row
    QTest::keyClick(w, Qt::Key_Return); // nothing selected: Enter does nothing
    EXPECT_EQ(w->run().answersGiven(), 0);
    EXPECT_EQ(w->btn_Spr->Caption(), "Sprawdź");

    const int question = w->run().current();
    click(w, "btn_Spr");
    EXPECT_EQ(w->run().Blednie(), 1);
    EXPECT_EQ(w->odpList->SelectedItem(), -1);
    EXPECT_EQ(w->odpList->Correct(), rowOf(w, true));
    EXPECT_FALSE(w->odpList->isEnabled());
    EXPECT_EQ(w->btn_Spr->Caption(), "Dalej");
    clickRow(w, 1); // the list takes no pick now
    EXPECT_EQ(w->run().answersGiven(), 1);
    click(w, "btn_Spr");
    EXPECT_NE(w->run().current(), question);
    EXPECT_EQ(w->ResultSourcesNow().xFactor, 0); // 0 / (3 + 1)
}

TEST_F(Test2Window, LeavingThroughASiblingRecordsTheCurrentScoreAndBackRecordsNothing)
{
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    key(w, char('0' + rowOf(w, false)));
    QTest::keyClick(w, Qt::Key_Return);
    QTest::keyClick(w, Qt::Key_Escape); // back: the answer given is not stored
    settle();
    EXPECT_FALSE(statText().contains("Paczki\\pc_a.xml"));

    w = open();
    ASSERT_NE(w, nullptr);
    key(w, char('0' + rowOf(w, true)));
    QTest::keyClick(w, Qt::Key_Return);
    key(w, char('0' + rowOf(w, false)));
    EXPECT_EQ(w->ResultSourcesNow().xFactor, 25); // 1 / (3 + 1)
    click(w, "btn_nawigacja_2");
    settle();
    EXPECT_TRUE(statLine(statText()).contains("<postep>25</postep>")) << statText().toStdString();
    ASSERT_NE(shownExerciseWindow(), nullptr);
    EXPECT_EQ(shownExerciseWindow()->request.kind, 31);
    // The package shows the average of its two elements: (25 + 0) / 2, halves to even.
    EXPECT_TRUE(tableOfContentsRow().contains("12%")) << tableOfContentsRow().join(" | ").toStdString();
}

TEST_F(Test2Window, TheQuestionPaintsItsWordsAndItsPictureAndLooksWordsUp)
{
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    // Until the question from the file's first place comes up, answer right.
    for (int i = 0; i < 3 && w->run().currentQuestion().number != 1; ++i) {
        key(w, char('0' + rowOf(w, true)));
        QTest::keyClick(w, Qt::Key_Return);
    }
    ASSERT_EQ(w->run().currentQuestion().number, 1);
    w->Obszar->grab();
    const QuestionLayout& l = w->questionLayout();
    // pc_a_1_L.png at the left edge of the question's card (inset 16, 8).
    EXPECT_EQ(l.picture, QRect(16, 8 + 3, 60, 90));
    ASSERT_FALSE(l.words.isEmpty());
    EXPECT_EQ(l.words[0].word, "Yesterday");
    EXPECT_EQ(l.words[0].rect.x(), 16 + 60 + 36);
    EXPECT_EQ(l.words[2].word, "________");
    EXPECT_EQ(w->words().Count(), l.words.size());
    EXPECT_EQ(w->Obszar->grab().toImage().pixelColor(46, 50), QColor(Qt::darkGreen));

    QTest::mouseClick(w->Obszar, Qt::RightButton, {}, l.words[0].rect.center());
    QTest::mouseClick(w->Obszar, Qt::RightButton, {}, QPoint(700, 5));
    EXPECT_EQ(lookedUp, QStringList{"Yesterday"});
    EXPECT_EQ(w->run().answersGiven(), w->run().Poprawnie()); // a right click changes nothing
}

TEST_F(Test2Window, ALongQuestionScrollsWithItsAnswers)
{
    setBody(QStringLiteral("<body><grupy><grupa><naglowek>%1The end.</naglowek><poprawne>1</poprawne>"
                           "<odpowiedz>yes</odpowiedz><odpowiedz>no</odpowiedz></grupa></grupy></body>")
                .arg(QStringLiteral("Line&lt;BR&gt;").repeated(30)));
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    w->Obszar->grab();
    ASSERT_GT(w->questionLayout().height, w->Obszar->height());
    EXPECT_TRUE(w->ScrollBar->isVisible());
    const int listTop = w->odpList->y();
    const QRect lastWord = w->questionLayout().words.last().rect;
    w->ScrollBar->setPosition(3);
    w->Obszar->grab();
    EXPECT_EQ(w->odpList->y(), listTop - 30); // 10 pixels a step
    // Words are looked up where they are painted now.
    QTest::mouseClick(w->Obszar, Qt::RightButton, {}, lastWord.center() - QPoint(0, 30));
    EXPECT_EQ(lookedUp, QStringList{"end."});
    // The answers still work after scrolling.
    clickRow(w, 1);
    EXPECT_EQ(w->run().answersGiven(), 1);
}

TEST_F(Test2Window, HelpPrintingAndATestWithoutQuestions)
{
    TfrmTest2* w = open();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, Qt::Key_F1);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(helpWindow()->navigator().history().value(0), appDir + "\\Pomoc - Selko\\h_exer.html#a10");

    // The printed sheet lists the questions in file order; once the test is
    // over the correct rows are marked.
    click(w, "btnDrukuj");
    ASSERT_EQ(printer.pages().size(), 1);
    const QString before = printer.pages().last();
    EXPECT_TRUE(before.contains("<p class=\"kwestia\">1. Yesterday I ________ home.</p>")) << before.toStdString();
    EXPECT_LT(before.indexOf("2. Which colour"), before.indexOf("3. Which two"));
    EXPECT_FALSE(before.contains("<b>"));
    for (int i = 0; i < 3; ++i) {
        key(w, char('0' + rowOf(w, true)));
        QTest::keyClick(w, Qt::Key_Return);
    }
    ASSERT_TRUE(w->finished());
    EXPECT_EQ(w->Panel_Wynik->Wynik(), 100);
    click(w, "btnDrukuj");
    const QString after = printer.pages().last();
    for (const char* right : {"<li><b>went</b></li>", "<li><b>blue</b></li>", "<li><b>dog</b></li>", "<li><b>cat</b></li>"})
        EXPECT_TRUE(after.contains(right)) << right;
    EXPECT_TRUE(after.contains("<li>tree</li>"));
    w->close();

    setBody("<body><polecenie id=\"1\">Choose.</polecenie><grupy/></body>");
    w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->btn_Spr->isVisible());
    EXPECT_FALSE(w->odpList->isVisible());
    key(w, '1');
    QTest::keyClick(w, Qt::Key_Return);
    click(w, "btn_Spr");
    EXPECT_FALSE(nav->ResultPending());
    EXPECT_FALSE(w->Panel_Wynik->isVisible());
    EXPECT_TRUE(w->isVisible());
}
