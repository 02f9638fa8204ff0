#include "CourseUiFixture.h"
#include "FormPictures.h"
#include "TLumBelka.h"
#include "TLumListBox.h"
#include "TLumResButton.h"
#include "TestExerciseWindow.h"
#include "TestSupport.h"
#include "WavPcm.h"
#include "WinPath.h"
#include "TfrmHelp.h"
#include "TfrmNawigacja.h"
#include "TfrmPodklad.h"
#include "TfrmWyborCwiczenia.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using courseui::click;
using courseui::settle;

namespace {

// The navigation form over the fixture course and its table of contents.
class Navigation : public CourseUi {
protected:
    void SetUp() override
    {
        CourseUi::SetUp();
        nav = loadCourse(background);
        selection = std::make_unique<TfrmWyborCwiczenia>(ctx, *nav);
        nav->AddNavigationBar(selection.get(), 30);
    }
    void TearDown() override
    {
        closeOpenWindows();
        selection.reset();
        nav.reset();
    }

    static QStringList navButtons(QWidget* window)
    {
        QStringList names;
        for (QWidget* w : window->findChildren<TLumResButton*>(Qt::FindDirectChildrenOnly))
            if (w->objectName().startsWith("btn_nawigacja_"))
                names << w->objectName();
        names.sort();
        return names;
    }

    TfrmPodklad background;
    std::unique_ptr<TfrmNawigacja> nav;
    std::unique_ptr<TfrmWyborCwiczenia> selection;
};

} // namespace

TEST_F(Navigation, StartupReportsDefinitionsAndScanErrorsAsTheyDeserve)
{
    // A malformed exercise file stops the scan with its message; what was read stays.
    testsupport::writeAll(appDir + "/Dane/odk_00.xml", "<cwiczenie><config>");
    TfrmNawigacja partial(ctx);
    EXPECT_TRUE(partial.LoadCourseAtStartup().ok());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Błąd podczas analizowania pliku ćwiczenia."));
    EXPECT_TRUE(messages.shown[0].text.contains("odk_00.xml"));
    EXPECT_FALSE(partial.FlatList().isEmpty()); // the groups and the files before it

    // Without definitions the program cannot go on: the failure comes back to main.
    QFile::remove(appDir + "/Config/definitions.xml");
    TfrmNawigacja none(ctx);
    const Status s = none.LoadCourseAtStartup();
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().text, "Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!");
}

TEST_F(Navigation, BarButtonsOfAnExerciseWindow)
{
    TElement* mode14 = nodeOf(*nav, "dial_01.xml", 14);
    ASSERT_NE(mode14, nullptr);
    nav->NavState().SetCurrent(mode14);
    QWidget window;
    window.setObjectName("frmDialogi_Rozum");
    nav->AddNavigationBar(&window, 31);
    EXPECT_EQ(navButtons(&window),
              QStringList({"btn_nawigacja_1", "btn_nawigacja_2", "btn_nawigacja_3", "btn_nawigacja_help",
                           "btn_nawigacja_minimalizuj", "btn_nawigacja_slownik", "btn_nawigacja_wroc",
                           "btn_nawigacja_zamknij"}));
    // Three modes of a dialogue container: 59-wide tabs from 710 - 3 x 59, 55 apart, row 87.
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        auto* b = window.findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_%1").arg(i));
        EXPECT_EQ(b->geometry(), QRect(533 + 55 * (i - 1), 87, 59, 42));
        EXPECT_EQ(b->Caption(), QString::number(i));
        EXPECT_EQ(b->Rozmiar(), TRozmiar::rozTabka_Selko);
        EXPECT_EQ(b->isEnabled(), i != 2); // the current one
        EXPECT_EQ(b->Tag(), i);
    }
    struct Bar {
        const char* name;
        QRect geometry;
        QString caption;
        const char* glyph;
    } const bars[] = {
        {"btn_nawigacja_zamknij", QRect(982, 0, 18, 34), "", "IMG_Close_N"},
        {"btn_nawigacja_minimalizuj", QRect(948, 0, 18, 34), "", "IMG_Min_N"},
        {"btn_nawigacja_help", QRect(810, 0, 120, 48), "Pomoc", "IMG_Help"},
        {"btn_nawigacja_slownik", QRect(630, 0, 170, 48), "Słownik", "IMG_Slownik"},
        {"btn_nawigacja_wroc", QRect(330, 0, 170, 48), "Powrót", "IMG_Wroc"},
    };
    for (const Bar& bar : bars) {
        SCOPED_TRACE(bar.name);
        auto* b = window.findChild<TLumResButton*>(QString::fromLatin1(bar.name));
        EXPECT_EQ(b->geometry(), bar.geometry);
        EXPECT_EQ(b->Caption(), bar.caption);
        EXPECT_EQ(b->Glyph(), FormPicture(bar.glyph));
    }
    // Title-bar buttons get the skin; the close and minimise buttons only their glyphs.
    EXPECT_EQ(window.findChild<TLumResButton*>("btn_nawigacja_help")->library(), &skin);
    EXPECT_EQ(window.findChild<TLumResButton*>("btn_nawigacja_zamknij")->library(), nullptr);

    nav->RemoveNavigationBar(&window);
    EXPECT_TRUE(navButtons(&window).isEmpty());

    // An exercise directly under a group has no siblings, whatever the flags say.
    nav->NavState().SetCurrent(nodeOf(*nav, "3ob_01.xml", 8));
    nav->AddNavigationBar(&window, 31);
    EXPECT_FALSE(navButtons(&window).contains("btn_nawigacja_1"));
}

TEST_F(Navigation, KindsWithoutAWindowShowTheDispatchMessage)
{
    selection->show();
    struct Case {
        const char* file;
        int kind;
        const char* text;
    } const cases[] = {
        {"odk_01.xml", 52, "Brak formy ćwiczenia o typie 52"}, // a window that has no opener yet
        {"dial_02.xml", 12, "Brak formy ćwiczenia o typie 12"}, // a mode without a window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        messages.shown.clear();
        selection->DrzewoLista->setEnabled(false);
        nav->OpenNode(nodeOf(*nav, c.file, c.kind));
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(c.text));
        EXPECT_EQ(messages.shown[0].caption, "Uwaga");
        EXPECT_TRUE(messages.shown[0].skinned);
        EXPECT_TRUE(selection->isVisible());
        EXPECT_TRUE(selection->DrzewoLista->isEnabled()); // usable again
    }
    EXPECT_EQ(TestExerciseWindow::opened, 0);

    // A missing exercise file: the opener's message, and the table of contents stays.
    messages.shown.clear();
    QFile::remove(appDir + "/Dane/3ob_01.xml");
    nav->OpenNode(nodeOf(*nav, "3ob_01.xml", 8));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Brak pliku ćwiczenia!"));
    EXPECT_TRUE(selection->isVisible());
}

TEST_F(Navigation, OpenAnExerciseCheckItAndComeBack)
{
    selection->show();
    TElement* mode14 = nodeOf(*nav, "dial_01.xml", 14);
    nav->OpenNode(mode14);
    TestExerciseWindow* window = shownExerciseWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "frmDialogi_Rozum");
    EXPECT_EQ(window->request.fileName, "dial_01.xml");
    EXPECT_EQ(window->request.fullPath, ResolveWinPath(appDir + "/Dane/dial_01.xml"));
    EXPECT_EQ(window->Belka->Zalogowany(), "Ola");
    EXPECT_FALSE(selection->isVisible()); // the dispatch hid it

    window->Check(80);
    EXPECT_TRUE(statText().contains("<plik nazwa=\"dial_01.xml\"><dane id=\"14\"><data>10-03-2024</data><postep>80</postep>"))
        << statText().toStdString();
    EXPECT_EQ(mode14->Progress, 80);
    EXPECT_EQ(mode14->Parent->Progress, 40); // 80 and 0; the unscored presentation does not count

    // Escape presses the back button: the window goes, the table of contents comes back.
    WavPcm tone{8000, 1, WavPcm::Format::Int16, QByteArray(1600, '\0')};
    ASSERT_TRUE(audio.playWav(tone.toWav()));
    QTest::keyClick(window, Qt::Key_Escape);
    settle();
    EXPECT_EQ(TestExerciseWindow::alive, 0);
    EXPECT_TRUE(selection->isVisible());
    EXPECT_TRUE(selection->DrzewoLista->isEnabled());
    EXPECT_FALSE(audio.isPlaying()); // every sound stops
}

TEST_F(Navigation, SiblingSwitchRecordsClosesAndOpensOneWindow)
{
    TElement* first = nodeOf(*nav, "dial_01.xml", 11);
    nav->OpenNode(first);
    TestExerciseWindow* window = shownExerciseWindow();
    ASSERT_NE(window, nullptr);

    // Two quick clicks: the first switch is under way (the window is closed,
    // its buttons gone), and a second request before the timer fires is dropped.
    click(window, "btn_nawigacja_3");
    EXPECT_TRUE(nav->SwitchInProgress());
    EXPECT_FALSE(window->isVisible());
    nav->SiblingSwitch(window, 2);
    EXPECT_EQ(nav->NavState().currentIndex(), 3);
    settle();
    EXPECT_FALSE(nav->SwitchInProgress());
    EXPECT_EQ(TestExerciseWindow::opened, 2);
    EXPECT_EQ(TestExerciseWindow::alive, 1);
    TestExerciseWindow* next = shownExerciseWindow();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->objectName(), "frmDialogi_Ukl");
    EXPECT_EQ(nav->NavState().currentNode(), nodeOf(*nav, "dial_01.xml", 26));
    EXPECT_EQ(nav->NavState().currentIndex(), 3);
    EXPECT_FALSE(next->findChild<TLumResButton*>("btn_nawigacja_3")->isEnabled());
    EXPECT_TRUE(next->findChild<TLumResButton*>("btn_nawigacja_1")->isEnabled());

    // Leaving the unscored presentation stored it as -1; nothing else was recorded.
    const QString stat = statText();
    EXPECT_TRUE(stat.contains("<dane id=\"11\"><data>10-03-2024</data><postep>-1</postep>")) << stat.toStdString();
    EXPECT_FALSE(stat.contains("<dane id=\"26\">"));

    // Checked, then left through a sibling: the check's score stays.
    next->Check(90);
    click(next, "btn_nawigacja_2");
    settle();
    EXPECT_EQ(nodeOf(*nav, "dial_01.xml", 26)->Progress, 90);
    EXPECT_TRUE(statText().contains("<dane id=\"26\"><data>10-03-2024</data><postep>90</postep>"));
    ASSERT_NE(shownExerciseWindow(), nullptr);
    EXPECT_EQ(shownExerciseWindow()->objectName(), "frmDialogi_Rozum");
}

TEST_F(Navigation, HelpDictionaryMinimiseAndClose)
{
    nav->OpenNode(nodeOf(*nav, "dial_01.xml", 14));
    TestExerciseWindow* window = shownExerciseWindow();
    ASSERT_NE(window, nullptr);

    click(window, "btn_nawigacja_help");
    TfrmHelp* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->navigator().history().value(0), appDir + "\\Pomoc - Selko\\h_konwers.html");

    click(window, "btn_nawigacja_slownik");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "Ta funkcja jest dostępna w pełnej wersji kursu.");
    EXPECT_EQ(messages.shown[0].caption, "Informacja");

    QSignalSpy minimise(nav.get(), &TfrmNawigacja::minimizeRequested);
    click(window, "btn_nawigacja_minimalizuj");
    EXPECT_EQ(minimise.count(), 1);

    QSignalSpy exit(nav.get(), &TfrmNawigacja::exitRequested);
    messages.queueAnswer(0);
    click(window, "btn_nawigacja_zamknij");
    EXPECT_EQ(exit.count(), 0);
    EXPECT_EQ(messages.shown.last().text, "Czy na pewno chcesz zakończyć pracę z programem?");
    EXPECT_EQ(messages.shown.last().caption, "Zakończenie pracy");
    EXPECT_EQ(messages.shown.last().kind, MsgBoxKind::Question);
    messages.queueAnswer(1);
    click(window, "btn_nawigacja_zamknij");
    EXPECT_EQ(exit.count(), 1);
}

TEST_F(Navigation, BackOnTheTableOfContentsShowsTheMainWindow)
{
    selection->show();
    QSignalSpy main(nav.get(), &TfrmNawigacja::showMainRequested);
    click(selection.get(), "btn_nawigacja_wroc");
    EXPECT_EQ(main.count(), 1);
    EXPECT_FALSE(selection->isVisible());
}

TEST_F(Navigation, LanguageSwitchRebuildsTheCourseInTheNewLanguage)
{
    selection->FillFromRoot();
    ASSERT_EQ(selection->RowCount(), 2);
    EXPECT_EQ(selection->NodeAtRow(0)->Caption, "Słuchanie");

    nav->SwitchInterfaceLanguage(1, false);
    EXPECT_EQ(selection->RowCount(), 0); // emptied only
    EXPECT_EQ(inst.interfaceLanguage, 1);

    nav->SwitchInterfaceLanguage(1, true);
    ASSERT_EQ(selection->RowCount(), 2);
    EXPECT_EQ(selection->NodeAtRow(0)->Caption, "Listening");
    EXPECT_EQ(ctx.UiText(37), "Back");
    EXPECT_EQ(nodeOf(*nav, "odk_01.xml", 52)->Progress, 100); // results read again
    EXPECT_EQ(nodeOf(*nav, "odk_01.xml", 52)->Caption, "Reveal: weather");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(Navigation, MissingResultsFileIsRecreatedWithItsNotice)
{
    QFile::remove(appDir + "/Users/1_stat.xml");
    nav->ReadUserResults();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "Brak pliku ze statystykami! Plik został stworzony ponownie! ");
    EXPECT_TRUE(QFile::exists(appDir + "/Users/1_stat.xml"));
}

// A results file that cannot be read is reported and left as it is; the
// learner still sees the result just reached.
TEST_F(Navigation, UnreadableResultsFileIsReportedAndKept)
{
    TElement* mode14 = nodeOf(*nav, "dial_01.xml", 14);
    nav->OpenNode(mode14);
    TestExerciseWindow* window = shownExerciseWindow();
    ASSERT_NE(window, nullptr);
    const QString path = ResultsStore(inst, 1, clock).path();
    testsupport::writeAll(path, "<cwiczenia><plik nazwa=");
    window->Check(70);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, UnreadableResultsFileMessage(path).text);
    EXPECT_EQ(testsupport::readAll(path), "<cwiczenia><plik nazwa=");
    EXPECT_EQ(mode14->Progress, 70);
}
