#include "ExerciseWindowTest.h"
#include "ExerciseText.h"
#include "FrameTestKind.h"
#include "PictureBox.h"
#include "RecordingMarks.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumBelka.h"
#include "TLumDymek.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TMyHint.h"
#include "TestSupport.h"
#include "UserConfig.h"
#include "TfrmHelp.h"
#include "TfrmNawigacja.h"
#include "TfrmSlownik.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QEnterEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using courseui::click;
using courseui::settle;

namespace {

// The body every fixture exercise gets: instructions in languages 1 and 0,
// a handbook page and the words the test kind paints.
const char* const Body =
    "<body><polecenie id=\"1\">Read the words.</polecenie><polecenie id=\"0\">Przeczytaj słowa.</polecenie>"
    "<html>g01.html</html><slowa>(Walked)! dogs house tree</slowa></body>";

// The texts of the frame that the course fixture's definitions lack.
const char* const FrameTexts[][2] = {
    {"3", "Jeszcze raz"}, {"4", "Posłuchaj"}, {"41", "Sprawdź"}, {"46", "Twój wynik:"}, {"47", "Drukuj"},
    {"51", "Popraw"}, {"92", "Kliknij prawym przyciskiem słowo, aby sprawdzić je w słowniku."},
    {"120", "Podręcznik"}, {"155", "Zdanie"},
};

// The fixture course with the test kind registered for the dialogue modes of
// dial_01.xml (a container of three siblings, 11, 14 and 26), a player over a
// fake device, a dictionary over the reference fixture, a recording printer,
// seeded randomness and recorded skin sounds.
class ExerciseFrame : public ExerciseWindowTest {
protected:
    void SetUp() override
    {
        ExerciseWindowTest::SetUp();
        FrameTestKind::resetCounters();
        FrameTestKind::nextOptions = options();

        // Texts, the exercise body, backgrounds, the handbook page, a recording.
        const QString defs = appDir + "/Config/definitions.xml";
        QString xml = QString::fromUtf8(testsupport::readAll(defs));
        QString extra;
        for (const auto& t : FrameTexts)
            extra += QStringLiteral("<hint id=\"%1\"><tlumaczenie id=\"0\">%2</tlumaczenie></hint>")
                         .arg(QLatin1String(t[0]), QString::fromUtf8(t[1]));
        xml.replace("</hinty>", extra + "</hinty>");
        testsupport::writeAll(defs, xml.toUtf8());
        const QString dial = appDir + "/Dane/dial_01.xml";
        QString exercise = QString::fromUtf8(testsupport::readAll(dial));
        exercise.replace("<nazwa id=\"0\">Na zakupach</nazwa>", "<nazwa id=\"0\">Zakupy w sklepie z żółwiami</nazwa>");
        exercise.replace("<body></body>", QString::fromUtf8(Body));
        testsupport::writeAll(dial, exercise.toUtf8());
        savePicture("Gfx/Background_cw/czerwone.bmp", {64, 48}, Qt::red);
        savePicture("Gfx/Background_cw/niebieskie.bmp", {64, 48}, Qt::blue);
        testsupport::writeAll(appDir + "/Gfx/Background_cw/opis.txt", "not a picture");
        QDir().mkpath(appDir + "/Podrecznik");
        testsupport::writeAll(appDir + "/Podrecznik/g01.html", "<html><body>Past simple</body></html>");
        QDir().mkpath(appDir + "/cd/Media/Teksty");
        testsupport::writeAll(appDir + "/cd/Media/Teksty/t01.mp3", "x");

        startCourse();
        dictionary = std::make_unique<TfrmSlownik>(ctx, QStringLiteral(SLOWNIK_FIXTURE));
        for (const char* cls : {"TfrmDialogi_Prez", "TfrmDialogi_Rozum", "TfrmDialogi_Ukl"})
            registerKind<FrameTestKind>(QString::fromLatin1(cls));
    }

    void TearDown() override
    {
        closeExerciseWindows();
        dictionary.reset();
        ExerciseWindowTest::TearDown();
    }

    void lookUpWord(const QString& word) override { dictionary->ShowWord(word); }

    static ExerciseFrameOptions options()
    {
        ExerciseFrameOptions o;
        o.windowClass = QStringLiteral("TfrmDialogi_Rozum");
        o.formName = QStringLiteral("frmDialogi_Rozum");
        o.backgroundFolder = QStringLiteral("\\Background_cw");
        o.rightClick = ExerciseFrameOptions::RightClick::DictionaryLookup;
        o.helpPage = QStringLiteral("h_foto.html");
        return o;
    }

    // Opens mode `kind` of dial_01.xml through the dispatch.
    FrameTestKind* open(int kind)
    {
        nav->OpenNode(nodeOf(*nav, "dial_01.xml", kind));
        return shownKind();
    }

    // Opens dial_01.xml with the test kind's opener directly, with marks.
    FrameTestKind* openWithMarks(const QString& marks)
    {
        ExerciseOpenRequest r;
        r.kind = 14;
        r.fileName = QStringLiteral("dial_01.xml");
        r.fullPath = appDir + QStringLiteral("/Dane/dial_01.xml");
        r.recordingMarks = marks;
        return qobject_cast<FrameTestKind*>(OpenerFor<FrameTestKind>(*services)(r));
    }

    static FrameTestKind* shownKind() { return shownWindow<FrameTestKind>(); }

    // Paints the exercise area now, as showing it would.
    static void paint(FrameTestKind* w) { w->Obszar->grab(); }

    static void pressOn(QWidget* w, Qt::MouseButton button, QPoint at)
    {
        QTest::mousePress(w, button, {}, at);
        QTest::mouseRelease(w, button, {}, at);
    }

    std::unique_ptr<TfrmSlownik> dictionary;
};

} // namespace

TEST_F(ExerciseFrame, OpeningBuildsTheFrame)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Orvanta 6.0");
    EXPECT_EQ(w->size(), QSize(1024, 768));
    EXPECT_EQ(w->objectName(), "frmDialogi_Rozum");
    EXPECT_EQ(w->windowRole(), "frmDialogi_Rozum");
    EXPECT_EQ(w->Belka->Zalogowany(), "Ola");
    EXPECT_EQ(w->Polecenie->Caption(), "Read the words.");
    EXPECT_EQ(w->instructionHint(), "Przeczytaj słowa.");
    EXPECT_EQ(w->btnSpr->Caption(), "Sprawdź");
    EXPECT_EQ(w->btnSpr->Tag(), 0);
    EXPECT_EQ(w->btnDrukuj->Caption(), "Drukuj");
    EXPECT_TRUE(w->btnPodrecznik->isVisible()); // the body names a handbook page
    EXPECT_FALSE(w->Panel_Wynik->isVisible());
    EXPECT_NE(w->findChild<TLumResButton*>("btn_nawigacja_wroc"), nullptr);
    EXPECT_EQ(FrameTestKind::loads, 1);
    EXPECT_EQ(FrameTestKind::runs, 1);

    // A background picked from the kind's folder, and the scroll bar's own
    // background cut out of it where the bar stands.
    EXPECT_TRUE(w->backgroundFile().endsWith(".bmp")) << w->backgroundFile().toStdString();
    EXPECT_FALSE(w->backgroundPicture().isNull());
    const QImage bkg = w->ScrollBar->pictures().IMG_BKG;
    ASSERT_FALSE(bkg.isNull());
    EXPECT_EQ(bkg.size(), w->ScrollBar->size());
    EXPECT_EQ(bkg.pixelColor(5, 5), w->backgroundPicture().pixelColor(0, 0));
}

TEST_F(ExerciseFrame, MissingOrEmptyBackgroundFolderKeepsThePlainBackground)
{
    QDir(appDir + "/Gfx/Background_cw").removeRecursively();
    QDir().mkpath(appDir + "/Gfx/Background_selko");
    for (const char* folder : {"\\Background_cw", "\\Background_selko"}) {
        SCOPED_TRACE(folder);
        FrameTestKind::nextOptions.backgroundFolder = QString::fromLatin1(folder);
        FrameTestKind* w = openWithMarks({});
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->backgroundPicture().isNull());
        QTest::keyClick(w, Qt::Key_F4);
        EXPECT_TRUE(w->backgroundPicture().isNull());
        EXPECT_TRUE(w->ScrollBar->pictures().IMG_BKG.isNull());
        w->close();
    }
}

TEST_F(ExerciseFrame, UnreadableFilesOpenNoWindow)
{
    testsupport::writeAll(appDir + "/Dane/broken.xml", "<cwiczenie><config>");
    testsupport::writeAll(appDir + "/Dane/bad_body.xml",
                          "<cwiczenie><config><typ_cw>11</typ_cw></config><body><zepsute/></body></cwiczenie>");
    const struct {
        const char* file;
        const char* message;
    } cases[] = {
        {"none.xml", "Brak pliku ćwiczenia!"},
        {"broken.xml", "Błąd podczas wczytywania pliku ćwiczenia! "},
        {"bad_body.xml", "Błąd podczas wczytywania pliku ćwiczenia! "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        messages.shown.clear();
        ExerciseOpenRequest r;
        r.fullPath = appDir + "/Dane/" + c.file;
        EXPECT_EQ(OpenerFor<FrameTestKind>(*services)(r), nullptr);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_TRUE(messages.shown[0].text.startsWith(QString::fromUtf8(c.message))) << messages.shown[0].text.toStdString();
        EXPECT_EQ(FrameTestKind::alive, 0);
    }
}

TEST_F(ExerciseFrame, CheckRecordsTryAgainStartsAFreshRunThatLeavingDoesNotRecord)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    w->score = 80;
    click(w, "btnSpr");
    EXPECT_TRUE(w->Panel_Wynik->isVisible());
    EXPECT_EQ(w->Panel_Wynik->Wynik(), 80);
    EXPECT_EQ(w->resultPanelTag(), 1); // the shown result is stored
    EXPECT_EQ(sounds, QStringList{"WAV_WYNIK"});
    EXPECT_TRUE(nav->ResultPending());
    EXPECT_TRUE(statText().contains("<dane id=\"14\"><data>10-03-2024</data><postep>80</postep>")) << statText().toStdString();
    EXPECT_EQ(w->btnSpr->Tag(), 1);
    EXPECT_EQ(w->btnSpr->Caption(), "Jeszcze raz");
    EXPECT_EQ(TfrmCwiczenie::MarkupHint(w->btnSpr), "Jeszcze raz");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), w->btnSpr->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w->btnSpr, &enter);
    EXPECT_EQ(HintText(), "Jeszcze raz"); // what the hint window shows over it
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w->btnSpr, &leave);
    EXPECT_TRUE(HintText().isEmpty());

    // Try again: the model is released and loaded again, a new run starts.
    click(w, "btnSpr");
    EXPECT_EQ(FrameTestKind::releases, 1);
    EXPECT_EQ(FrameTestKind::loads, 2);
    EXPECT_EQ(FrameTestKind::runs, 2);
    EXPECT_FALSE(w->Panel_Wynik->isVisible());
    EXPECT_EQ(w->resultPanelTag(), 0);
    EXPECT_FALSE(nav->ResultPending());
    EXPECT_EQ(w->btnSpr->Tag(), 0);
    EXPECT_EQ(w->btnSpr->Caption(), "Sprawdź");
    EXPECT_TRUE(TfrmCwiczenie::MarkupHint(w->btnSpr).isEmpty());

    // Leaving through a sibling without checking records nothing for this run.
    w->score = 10;
    click(w, "btn_nawigacja_3");
    settle();
    EXPECT_EQ(nodeOf(*nav, "dial_01.xml", 14)->Progress, 80);
    EXPECT_TRUE(statText().contains("<dane id=\"14\"><data>10-03-2024</data><postep>80</postep>"));
    EXPECT_EQ(FrameTestKind::releases, 2); // closing released the model
    EXPECT_EQ(FrameTestKind::alive, 1);    // the old window went, the sibling's came
    ASSERT_NE(shownKind(), nullptr);
    EXPECT_EQ(nav->NavState().currentNode(), nodeOf(*nav, "dial_01.xml", 26));
}

TEST_F(ExerciseFrame, AnExerciseWithoutAScoreShowsItsNoticeAndRecordsNothing)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    w->noScore = QStringLiteral("Nie ma czego sprawdzić.");
    const QString stat = statText();
    click(w, "btnSpr");
    EXPECT_EQ(FrameTestKind::checkPresses, 1); // the kind's hook ran first
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "Nie ma czego sprawdzić.");
    EXPECT_EQ(messages.shown[0].caption, "Informacja");
    EXPECT_FALSE(w->Panel_Wynik->isVisible());
    EXPECT_TRUE(sounds.isEmpty());
    EXPECT_FALSE(nav->ResultPending());
    EXPECT_EQ(w->btnSpr->Tag(), 0);
    EXPECT_EQ(statText(), stat);
    EXPECT_EQ(FrameTestKind::runs, 1);

    // Once it can be scored, the same button checks.
    w->noScore.clear();
    click(w, "btnSpr");
    EXPECT_EQ(FrameTestKind::checkPresses, 2);
    EXPECT_TRUE(w->Panel_Wynik->isVisible());
    EXPECT_EQ(w->btnSpr->Tag(), 1);
}

TEST_F(ExerciseFrame, RightClickOnAWordLooksItUpAndBlankDoesNothing)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    paint(w);
    pressOn(w->Obszar, Qt::RightButton, QPoint(w->Obszar->width() - 5, w->Obszar->height() - 5));
    EXPECT_FALSE(dictionary->isVisible());

    pressOn(w->Obszar, Qt::RightButton, w->wordRect(0).center()); // "(Walked)!"
    EXPECT_TRUE(dictionary->isVisible());
    EXPECT_EQ(dictionary->edtSzukaj->text(), "Walk");
    EXPECT_EQ(FrameTestKind::areaPresses, 0); // the exercise never sees the right click
    EXPECT_TRUE(messages.shown.isEmpty());

    // A left press reaches the kind.
    pressOn(w->Obszar, Qt::LeftButton, w->wordRect(1).center());
    EXPECT_EQ(FrameTestKind::areaPresses, 1);
}

TEST_F(ExerciseFrame, GrammarWindowsAnswerARightClickWithTheNotice)
{
    FrameTestKind::nextOptions.rightClick = ExerciseFrameOptions::RightClick::GrammarNotice;
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    paint(w);
    for (QPoint at : {w->wordRect(0).center(), QPoint(w->Obszar->width() - 5, w->Obszar->height() - 5)}) {
        messages.shown.clear();
        pressOn(w->Obszar, Qt::RightButton, at);
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, ctx.UiText(125));
        EXPECT_EQ(messages.shown[0].caption, ctx.UiText(59));
    }
    EXPECT_FALSE(dictionary->isVisible());
    EXPECT_EQ(FrameTestKind::areaPresses, 0);
}

TEST_F(ExerciseFrame, TranslationBubbleOnTheInstruction)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    pressOn(w->Polecenie, Qt::RightButton, QPoint(20, 10));
    EXPECT_TRUE(w->IMG_Dymek->isVisible());
    EXPECT_EQ(w->IMG_Dymek->Tekst(), "Przeczytaj słowa.");
    pressOn(w->Polecenie, Qt::LeftButton, QPoint(20, 10));
    EXPECT_FALSE(w->IMG_Dymek->isVisible());
    w->close();

    // No translations: the right button on the instruction shows nothing.
    settings.TranslationLanguage = 255;
    w = open(14);
    ASSERT_NE(w, nullptr);
    pressOn(w->Polecenie, Qt::RightButton, QPoint(20, 10));
    EXPECT_FALSE(w->IMG_Dymek->isVisible());
}

TEST_F(ExerciseFrame, KeysEscapeF1F4AndScrolling)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);

    // F4 picks again from the folder, with repetition: both pictures turn up.
    QSet<QString> seen;
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(w, Qt::Key_F4);
        seen.insert(QFileInfo(w->backgroundFile()).fileName());
    }
    EXPECT_EQ(seen, (QSet<QString>{"czerwone.bmp", "niebieskie.bmp"}));

    // Scrolling: a tall area shows the bar; the wheel and PageDown move it one step.
    w->lineHeight = 400;
    paint(w);
    EXPECT_FALSE(w->ScrollBar->isHidden());
    EXPECT_EQ(w->ScrollBar->Max(), (1600 - w->Obszar->height() + 9) / 10);
    QWheelEvent wheel(QPointF(10, 10), w->Obszar->mapToGlobal(QPointF(10, 10)), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->Obszar, &wheel);
    EXPECT_EQ(w->scrollOffset(), 10);
    QTest::keyClick(w, Qt::Key_PageDown);
    EXPECT_EQ(w->scrollOffset(), 20);

    // F1: the kind's help page, even with a text box of the kind focused.
    auto* edit = new QLineEdit(w);
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(helpWindow()->navigator().history().value(0), appDir + "\\Pomoc - Selko\\h_foto.html");
    closeOpenWindows();
    w = shownKind();
    ASSERT_NE(w, nullptr);

    // Escape is the back button: the window closes, the player is closed.
    device.clearLog();
    QTest::keyClick(w, Qt::Key_Escape);
    settle();
    EXPECT_EQ(FrameTestKind::alive, 0);
    EXPECT_EQ(FrameTestKind::releases, 1);
}

TEST_F(ExerciseFrame, HandbookButtonOpensTheExercisePage)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    click(w, "btnPodrecznik");
    ASSERT_NE(helpWindow(), nullptr);
    EXPECT_EQ(helpWindow()->navigator().history().value(0), appDir + "\\Podrecznik\\g01.html");
}

TEST_F(ExerciseFrame, OneTimeMessageShowsOnceAndIsSaved)
{
    settings.Option9 = true;
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    QTest::qWait(900);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, ctx.UiText(92));
    EXPECT_EQ(messages.shown[0].caption, ctx.UiText(59));
    EXPECT_FALSE(settings.Option9);
    TUstawienia stored;
    stored.User = settings.User;
    ASSERT_FALSE(ReadUserConfig(inst, stored).notice.has_value());
    EXPECT_FALSE(stored.Option9);

    // The next window does not show it again; the other flags are left alone.
    w->close();
    settings.Option7 = true;
    ASSERT_NE(open(14), nullptr);
    QTest::qWait(900);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(settings.Option7);
}

TEST_F(ExerciseFrame, ListenButtonHandsTheMarksToThePlayer)
{
    FrameTestKind* w = openWithMarks("12#40");
    ASSERT_NE(w, nullptr);
    w->PlayMedia("\\Teksty", "t01.mp3", false);
    EXPECT_EQ(player.player().marks(), ParseRecordingMarks("12#40"));
    EXPECT_TRUE(device.log().contains("open t01.mp3")) << device.log().join(", ").toStdString();
    EXPECT_TRUE(device.log().contains("play"));
    EXPECT_TRUE(messages.shown.isEmpty());

    // Closing the window closes the player.
    w->close();
    EXPECT_TRUE(device.log().contains("close"));
    EXPECT_EQ(player.player().marks().count(), 0);
}

TEST_F(ExerciseFrame, PrintSendsTheTemplatedPageToThePrinter)
{
    FrameTestKind* w = open(14);
    ASSERT_NE(w, nullptr);
    click(w, "btnDrukuj");
    ASSERT_EQ(printer.pages().size(), 1);
    EXPECT_EQ(printer.lastPages(), QList<int>{40});
    const QString page = printer.pages()[0];
    EXPECT_TRUE(page.startsWith("<HTML><head><meta http-equiv=\"Content-Type\""));
    EXPECT_TRUE(page.contains("<H2>" + ToHtmlText("Zakupy w sklepie z żółwiami") + "</h2><hr />")) << page.toStdString();
    EXPECT_TRUE(page.contains("&#380;ó&#322;wiami")); // ż ł as references, ó kept
    EXPECT_TRUE(page.contains("<P>(Walked)! dogs house tree</P>"));
    EXPECT_TRUE(page.endsWith("</HTML>"));
    const QByteArray pdf = testsupport::readAll(printer.pdfPath());
    EXPECT_TRUE(pdf.startsWith("%PDF")) << pdf.size();
}

TEST(PrintService, PrintsNoMoreThanTheLastPageAsked)
{
    QTemporaryDir dir;
    QString html = QStringLiteral("<HTML><body>");
    for (int i = 0; i < 5000; ++i) // some 70 pages
        html += QStringLiteral("<p>Line %1</p>").arg(i);
    html += QStringLiteral("</body></HTML>");
    const struct {
        int lastPage;
        int pages;
    } cases[] = {{40, 40}, {3, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastPage);
        PdfPrintService printer(dir.filePath(QStringLiteral("long%1.pdf").arg(c.lastPage)));
        ASSERT_TRUE(printer.PrintHtml(html, c.lastPage, nullptr));
        const QString pdf = QString::fromLatin1(testsupport::readAll(printer.pdfPath()));
        EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type /Page[^s]"))), c.pages);
    }
    // A short page prints what it has.
    PdfPrintService printer(dir.filePath(QStringLiteral("short.pdf")));
    ASSERT_TRUE(printer.PrintHtml(QStringLiteral("<p>One line</p>"), 40, nullptr));
    EXPECT_EQ(QString::fromLatin1(testsupport::readAll(printer.pdfPath()))
                  .count(QRegularExpression(QStringLiteral("/Type /Page[^s]"))),
              1);
}
