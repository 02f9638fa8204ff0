#include "ExerciseWindowTest.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TElement.h"
#include "TLumDialogWindow.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TMyHint.h"
#include "TestSupport.h"
#include "TfrmMiniSlownik.h"
#include "TfrmNawigacja.h"
#include "TfrmWpisywanie.h"
#include "TLumListBox.h"
#include "TfrmWyborCwiczenia.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

using courseui::click;
using courseui::settle;

namespace {

QByteArray gapFile(const char* title, const char* instruction, const char* phrases, const char* tresc)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><id>1</id>"
                      "<multimedia>t01.wav</multimedia><nazwa id=\"0\">")
           + title + "</nazwa><grupa>1</grupa><poziom>1</poziom><typ_cw>4</typ_cw></config><body><html>x.html</html>"
           + "<minislownik>" + phrases + "</minislownik><polecenie id=\"1\">" + instruction
           + "</polecenie><polecenie id=\"0\">Uzupełnij.</polecenie><tresc>" + tresc + "</tresc></body></cwiczenie>\n";
}

// The fixture course's package pc_01.xml turned into two gap texts (a and
// b), a third file without gaps; backgrounds, a picture and the recording.
class GapTyping : public ExerciseWindowTest {
protected:
    void SetUp() override
    {
        ExerciseWindowTest::SetUp();
        // The texts the window shows that the course fixture's definitions lack.
        addInterfaceTexts({{1, "Twoja odpowiedź:"}, {2, "Brak odpowiedzi"}, {3, "Jeszcze raz"}, {4, "Odtwórz"},
                           {41, "Sprawdź"}, {42, "Nagranie"}, {46, "Twój wynik:"}, {47, "Drukuj"}, {51, "Popraw"},
                           {77, "Przydatne zwroty"}, {113, "Zwroty"}});

        const QString package = appDir + "/Dane/pc_01.xml";
        QString pc = QString::fromUtf8(testsupport::readAll(package));
        pc.replace("<typ_cw>3</typ_cw><plik>pc_a.xml", "<typ_cw>4</typ_cw><plik>pc_a.xml");
        pc.replace("<typ_cw>31</typ_cw><plik>pc_b.xml", "<typ_cw>4</typ_cw><plik>pc_b.xml");
        pc.replace("<nazwa id=\"0\">Paczka: rodzina</nazwa>", "<nazwa id=\"0\">Paczka=1=Rodzina Kowalskich</nazwa>");
        testsupport::writeAll(package, pc.toUtf8());
        testsupport::writeAll(appDir + "/Dane/Paczki/pc_a.xml",
                              gapFile("Rodzina", "Listen and fill in.",
                                      "&lt;B&gt;older&lt;/B&gt; &lt;AK&gt; starszy &lt;BR&gt; &lt;B&gt;twins&lt;/B&gt; "
                                      "&lt;AK&gt; bliźnięta",
                                      "&lt;IMG LEFT&gt; drzewo.bmp &lt;/IMG&gt; My &lt;father&gt; is a &lt;doctor&gt;"
                                      ". Łucja is &lt;younger/smaller&gt; , she likes &lt;żółwie&gt; ."));
        testsupport::writeAll(appDir + "/Dane/Paczki/pc_b.xml",
                              gapFile("Rodzina 2", "Listen again.", "", "I &lt;am&gt; a student."));
        testsupport::writeAll(appDir + "/Dane/Paczki/pusty.xml", gapFile("Pusty", "Nothing.", "", "No gaps here."));

        savePicture("Gfx/Background_selko/jasne.bmp", {64, 48}, QColor(230, 240, 250));
        savePicture("Gfx/Wpis_gfx/drzewo.bmp", {80, 60}, Qt::green);
        QDir().mkpath(appDir + "/cd/Media/Teksty");
        testsupport::writeAll(appDir + "/cd/Media/Teksty/t01.mp3", "x");

        startCourse();
        toc = std::make_unique<TfrmWyborCwiczenia>(ctx, *nav);
        nav->AddNavigationBar(toc.get(), 30);
        toc->SetLearningMode();
        toc->FillFromRoot();
        toc->show();
        registerKind<TfrmWpisywanie>(QStringLiteral("TfrmWpisywanie"));
    }

    void TearDown() override
    {
        closeExerciseWindows();
        toc.reset();
        ExerciseWindowTest::TearDown();
    }

    static TfrmWpisywanie* shownWindow() { return ExerciseWindowTest::shownWindow<TfrmWpisywanie>(); }

    // Opens the package's first gap text from the table of contents: the
    // package's title opens its first element.
    TfrmWpisywanie* openFromToc()
    {
        toc->ExpandAll();
        for (int r = 0; r < toc->RowCount(); ++r)
            if (toc->NodeAtRow(r)->FileName == u"pc_01.xml") {
                const QPoint at(100, r * 24 + 12);
                QTest::mouseClick(toc->DrzewoLista->viewport(), Qt::LeftButton, {}, at);
                break;
            }
        return shownWindow();
    }

    TfrmWpisywanie* openFile(const QString& name)
    {
        ExerciseOpenRequest r;
        r.kind = 4;
        r.fileName = "Paczki\\" + name;
        r.fullPath = appDir + "/Dane/Paczki/" + name;
        return qobject_cast<TfrmWpisywanie*>(OpenerFor<TfrmWpisywanie>(*services)(r));
    }

    // Types `text` into the focused edit box one character at a time (Polish
    // letters included), then presses `key` (0: none).
    static void type(TfrmWpisywanie* w, const QString& text, Qt::Key key = Qt::Key_Return)
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w->Edit1, Qt::Key_unknown, QString(c), Qt::NoModifier);
        if (key)
            QTest::keyClick(w->Edit1, key);
    }

    static void clickArea(TfrmWpisywanie* w, QPoint at) { QTest::mouseClick(w->Obszar, Qt::LeftButton, {}, at); }
    static QPoint centreOfGap(TfrmWpisywanie* w, int g) { return w->gapRectOnArea(g).center(); }

    static QStringList inputs(const TfrmWpisywanie* w)
    {
        QStringList out;
        for (int g = 0; g < w->run().gapCount(); ++g)
            out << w->run().gap(g).Input;
        return out;
    }

    TElement* node(const char* file) { return nodeOf(*nav, QString::fromUtf8(file), 4); }

    std::unique_ptr<TfrmWyborCwiczenia> toc;
};

} // namespace

TEST_F(GapTyping, OpensFromTheTableOfContentsReadyToType)
{
    TfrmWpisywanie* w = openFromToc();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(toc->isVisible());
    EXPECT_EQ(w->objectName(), "frmWpisywanie");
    EXPECT_EQ(nav->NavState().currentNode(), node("Paczki\\pc_a.xml"));
    EXPECT_EQ(w->Polecenie->Caption(), "Listen and fill in.");
    EXPECT_EQ(w->instructionHint(), "Uzupełnij.");
    EXPECT_EQ(w->content().media, "t01.mp3");
    EXPECT_TRUE(w->btnMedia->isVisible());
    EXPECT_TRUE(w->btnMedia2->isVisible());
    EXPECT_EQ(w->Polecenie->x(), 100 + w->btnMedia2->width() + 10);
    EXPECT_TRUE(w->btnZwroty->isVisible());
    EXPECT_EQ(w->btnZwroty->Caption(), "Zwroty");
    EXPECT_FALSE(w->btnPopraw->isVisible());
    EXPECT_TRUE(w->Obszar->isVisible());
    EXPECT_TRUE(w->backgroundFile().endsWith("jasne.bmp"));
    // The edit box waits on the first gap, over its field.
    EXPECT_EQ(w->run().activeGap(), 0);
    EXPECT_TRUE(w->Edit1->isVisible());
    EXPECT_EQ(w->Edit1->geometry().topLeft(), w->Obszar->pos() + w->gapRectOnArea(0).topLeft());
    EXPECT_EQ(w->Edit1->width(), 93);
    // The picture block put the text beside the picture.
    EXPECT_GE(w->gapRectOnArea(0).left(), 80 + 10);
}

TEST_F(GapTyping, AnswersByKeyboardAndMouseThenCheckShowAnswersAndTryAgain)
{
    TfrmWpisywanie* w = openFromToc();
    ASSERT_NE(w, nullptr);
    // Gap 3 is filled first with the mouse; a click on blank space commits it.
    clickArea(w, centreOfGap(w, 2));
    EXPECT_EQ(w->run().activeGap(), 2);
    type(w, "  smaller  ", Qt::Key(0));
    clickArea(w, QPoint(w->Obszar->width() - 5, w->Obszar->height() - 5));
    EXPECT_EQ(w->run().activeGap(), -1);
    EXPECT_FALSE(w->Edit1->isVisible());
    EXPECT_EQ(inputs(w), (QStringList{"", "", "smaller", ""}));

    // Back to gap 1 by mouse; Enter walks the empty gaps, skipping gap 3.
    clickArea(w, centreOfGap(w, 0));
    type(w, "Father");
    EXPECT_EQ(w->run().activeGap(), 1);
    type(w, "doctor", Qt::Key_Tab);
    EXPECT_EQ(w->run().activeGap(), 3);
    type(w, "żółwie");
    EXPECT_EQ(w->run().activeGap(), -1); // all filled
    EXPECT_FALSE(w->Edit1->isVisible());
    EXPECT_EQ(inputs(w), (QStringList{"Father", "doctor", "smaller", "żółwie"}));

    // Reopening a filled gap hands its text back to the box.
    clickArea(w, centreOfGap(w, 1));
    EXPECT_EQ(w->Edit1->text(), "doctor");
    EXPECT_EQ(w->Edit1->selectedText(), "doctor");

    // The check commits the box; "Father" is wrong while letter case counts.
    click(w, "btnSpr");
    EXPECT_EQ(w->run().state(), GapTextRun::State::Checked);
    EXPECT_TRUE(w->Panel_Wynik->isVisible());
    EXPECT_EQ(w->Panel_Wynik->Wynik(), 75);
    EXPECT_EQ(sounds, QStringList{"WAV_WYNIK"});
    EXPECT_TRUE(nav->ResultPending());
    EXPECT_EQ(node("Paczki\\pc_a.xml")->Progress, 75);
    EXPECT_TRUE(statText().contains("<plik nazwa=\"Paczki\\pc_a.xml\"><dane id=\"4\"><data>10-03-2024</data>"
                                    "<postep>75</postep>"))
        << statText().toStdString();
    EXPECT_EQ(w->btnSpr->Caption(), "Jeszcze raz");
    EXPECT_TRUE(w->btnPopraw->isVisible());
    EXPECT_FALSE(w->Edit1->isVisible());
    // No gap takes clicks after the check.
    clickArea(w, centreOfGap(w, 0));
    EXPECT_EQ(w->run().activeGap(), -1);

    // Show answers: the wrong gap hints what was typed.
    click(w, "btnPopraw");
    EXPECT_EQ(w->run().state(), GapTextRun::State::Solution);
    EXPECT_FALSE(w->btnPopraw->isVisible());
    const QPoint wrong = centreOfGap(w, 0);
    QMouseEvent move(QEvent::MouseMove, wrong, w->Obszar->mapToGlobal(wrong), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(w->Obszar, &move);
    EXPECT_EQ(HintText(), "Twoja odpowiedź: <B>Father</B>");
    EXPECT_EQ(w->Obszar->cursor().shape(), Qt::PointingHandCursor);

    // Try again: a fresh run, nothing typed, the box on the first gap.
    click(w, "btnSpr");
    EXPECT_EQ(w->run().state(), GapTextRun::State::Input);
    EXPECT_EQ(inputs(w), (QStringList{"", "", "", ""}));
    EXPECT_EQ(w->run().activeGap(), 0);
    EXPECT_TRUE(w->Edit1->isVisible());
    EXPECT_FALSE(w->Panel_Wynik->isVisible());
    EXPECT_FALSE(w->btnPopraw->isVisible());
    EXPECT_FALSE(nav->ResultPending());

    // Leaving through a sibling without a check records nothing for this run.
    type(w, "father");
    click(w, "btn_nawigacja_2");
    settle();
    EXPECT_EQ(node("Paczki\\pc_a.xml")->Progress, 75);
    TfrmWpisywanie* next = shownWindow();
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, w);
    EXPECT_EQ(nav->NavState().currentNode(), node("Paczki\\pc_b.xml"));

    // All right: 100, no answers to show; Back shows the table of contents.
    type(next, "am");
    click(next, "btnSpr");
    EXPECT_EQ(next->Panel_Wynik->Wynik(), 100);
    EXPECT_FALSE(next->btnPopraw->isVisible());
    click(next, "btn_nawigacja_wroc");
    settle();
    EXPECT_TRUE(toc->isVisible());
    EXPECT_EQ(shownWindow(), nullptr);
    EXPECT_EQ(node("Paczki\\pc_b.xml")->Progress, 100);
    EXPECT_EQ(node("Paczki\\pc_a.xml")->Progress, 75);
    EXPECT_TRUE(statText().contains("<plik nazwa=\"Paczki\\pc_b.xml\"><dane id=\"4\"><data>10-03-2024</data>"
                                    "<postep>100</postep>"));
}

TEST_F(GapTyping, LearnersSettingsDecideHowStrictlyAnswersAreCompared)
{
    settings.LetterCase = false;
    settings.PunctuationRules = false;
    TfrmWpisywanie* w = openFile("pc_a.xml");
    ASSERT_NE(w, nullptr);
    type(w, " FATHER! ");
    type(w, "doctor.");
    type(w, "Younger");
    type(w, "ŻÓŁWIE");
    click(w, "btnSpr");
    EXPECT_EQ(w->Panel_Wynik->Wynik(), 100);
}

TEST_F(GapTyping, PrintingShowsBlanksBeforeTheCheckAndTheAnswersAfter)
{
    TfrmWpisywanie* w = openFromToc();
    ASSERT_NE(w, nullptr);
    click(w, "btnDrukuj");
    ASSERT_EQ(printer.pages().size(), 1);
    const QString before = printer.pages().last();
    EXPECT_TRUE(before.contains("<H2>Rodzina Kowalskich</h2>")) << before.toStdString();
    EXPECT_TRUE(before.contains("<P> My __________  is a __________ . &#321;ucja is __________ , she likes __________ .</P>"))
        << before.toStdString();
    EXPECT_FALSE(before.contains("drzewo.bmp"));
    EXPECT_GT(QFileInfo(printer.pdfPath()).size(), 0);

    type(w, "father");
    click(w, "btnSpr");
    click(w, "btnDrukuj");
    ASSERT_EQ(printer.pages().size(), 2);
    const QString after = printer.pages().last();
    EXPECT_TRUE(after.contains("<P> My father is a doctor. &#321;ucja is younger/smaller, she likes &#380;ó&#322;wie.</P>"))
        << after.toStdString();
    EXPECT_EQ(printer.lastPages().last(), 40);
}

TEST_F(GapTyping, PhraseListOpensTheMiniDictionary)
{
    TfrmWpisywanie* w = openFromToc();
    ASSERT_NE(w, nullptr);
    int shown = 0;
    w->setModalRunner([&](QDialog& d) {
        ++shown;
        auto* mini = qobject_cast<TfrmMiniSlownik*>(&d);
        ASSERT_NE(mini, nullptr);
        d.show();
        EXPECT_EQ(mini->DialogWindow->Caption(), "Przydatne zwroty");
        QStringList texts;
        for (const GapTextPiece& p : mini->layout().pieces)
            texts << p.name;
        EXPECT_EQ(texts, (QStringList{"older", "starszy", "twins", "bliźnięta"}));
        EXPECT_TRUE(mini->layout().pieces[0].bold);
        EXPECT_FALSE(mini->ScrollBar->isVisible()); // four words fit
        click(mini, "btnClose");
        EXPECT_FALSE(d.isVisible());
    });
    type(w, "father", Qt::Key(0));
    click(w, "btnZwroty");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(w->run().gap(0).Input, "father"); // opening it committed the box

    TfrmWpisywanie* b = openFile("pc_b.xml");
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(b->btnZwroty->isVisible()); // no phrase list

    // A list taller than its area scrolls a line per step, by bar or wheel.
    QString longList;
    for (int i = 0; i < 30; ++i)
        longList += QStringLiteral("<B>word%1</B> <AK> słowo <BR> ").arg(i);
    TfrmMiniSlownik mini(ctx, longList, GapTextFont());
    mini.show();
    EXPECT_TRUE(mini.ScrollBar->isVisible());
    EXPECT_EQ(mini.ScrollBar->Max(), (mini.layout().contentHeight - mini.Obszar->height() + mini.layout().lineHeight - 1)
                                         / mini.layout().lineHeight);
    QWheelEvent wheel(QPointF(10, 10), mini.Obszar->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(mini.Obszar, &wheel);
    EXPECT_EQ(mini.scrollOffset(), mini.layout().lineHeight);
}

TEST_F(GapTyping, ATextWithoutGapsGivesANoticeAndRecordsNothing)
{
    TfrmWpisywanie* w = openFile("pusty.xml");
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(w->Edit1->isVisible());
    const QString stat = statText();
    click(w, "btnSpr");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, NoGapsNotice());
    EXPECT_EQ(messages.shown[0].caption, "Informacja");
    EXPECT_FALSE(w->Panel_Wynik->isVisible());
    EXPECT_FALSE(nav->ResultPending());
    EXPECT_EQ(w->btnSpr->Tag(), 0);
    EXPECT_EQ(statText(), stat);
}

TEST_F(GapTyping, KeysMouseAndMedia)
{
    TfrmWpisywanie* w = openFromToc();
    ASSERT_NE(w, nullptr);
    // A right click on a word looks it up; on a field or blank space it does
    // nothing, and the exercise does not change.
    w->Obszar->grab();
    QPoint onWord;
    for (const GapTextPiece& p : w->layout().pieces)
        if (p.name == u"Łucja")
            onWord = p.rect.center() - QPoint(0, w->ScrollBar->Position());
    ASSERT_FALSE(onWord.isNull());
    type(w, "fath", Qt::Key(0));
    for (QPoint at : {w->gapRectOnArea(1).center(), QPoint(w->Obszar->width() - 3, w->Obszar->height() - 3), onWord})
        QTest::mouseClick(w->Obszar, Qt::RightButton, {}, at);
    EXPECT_EQ(lookedUp, QStringList{"Łucja"});
    EXPECT_EQ(w->run().activeGap(), 0);
    EXPECT_EQ(w->Edit1->text(), "fath");

    // The listen button plays the text recording with the player shown.
    click(w, "btnMedia2");
    EXPECT_TRUE(device.log().contains("open t01.mp3")) << device.log().join(", ").toStdString();

    // Escape presses the back button.
    QTest::keyClick(w->Edit1, Qt::Key_Escape);
    settle();
    EXPECT_EQ(shownWindow(), nullptr);
    EXPECT_TRUE(toc->isVisible());
}

TEST_F(GapTyping, ALongInstructionPushesTheAreaDown)
{
    TfrmWpisywanie* shortOne = openFile("pc_a.xml");
    ASSERT_NE(shortOne, nullptr);
    const QRect area = shortOne->Obszar->geometry(); // a one-line instruction leaves it where the form has it
    testsupport::writeAll(appDir + "/Dane/Paczki/pc_b.xml",
                          gapFile("Długie", "Listen to the recording twice, then type the missing words into the "
                                            "gaps of the text below; use Enter to move on to the next empty gap, "
                                            "and check your answers when every gap is filled. If you are not sure of a word, "
                                            "listen to the recording once more, open the list of useful phrases, and "
                                            "remember that every gap holds exactly one word or a short phrase.",
                                  "", "I &lt;am&gt; a student."));
    TfrmWpisywanie* w = openFile("pc_b.xml");
    ASSERT_NE(w, nullptr);
    ASSERT_GT(w->Polecenie->geometry().bottom() + 1 + 20, area.top()); // four lines reach below the area's top
    EXPECT_EQ(w->Obszar->y(), w->Polecenie->geometry().bottom() + 1 + 20);
    const int moved = w->Obszar->y() - area.top();
    EXPECT_EQ(w->Obszar->height(), area.height() - moved - 20);
    EXPECT_EQ(w->ScrollBar->y(), w->Obszar->y());
    EXPECT_EQ(w->Edit1->y(), w->Obszar->y() + w->gapRectOnArea(0).top());
}
