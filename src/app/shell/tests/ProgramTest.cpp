// The whole program on the sample course, driven through its real windows
// with mouse and key events: start-up, profiles, login, the table of
// contents, an exercise and its siblings, help, settings, logout and exit.
#include "ShellDriving.h"

#include "Clock.h"
#include "ExerciseKinds.h"
#include "FakeAudioOutput.h"
#include "FakeMessageService.h"
#include "HotArea.h"
#include "Installation.h"
#include "LanguageList.h"
#include "OrvantaShell.h"
#include "RecordingSkin.h"
#include "TAALabel.h"
#include "TElement.h"
#include "PictureBox.h"
#include "TLumBelka.h"
#include "TLumCheckBox.h"
#include "TLumListBox.h"
#include "TLumResButton.h"
#include "TestExerciseWindow.h"
#include "TestSupport.h"
#include "TfrmInputPass.h"
#include "TfrmLogowanie.h"
#include "TfrmMain.h"
#include "TfrmNawigacja.h"
#include "TfrmNewUser.h"
#include "TfrmPodklad.h"
#include "TfrmPomoc.h"
#include "TfrmSlownik.h"
#include "TfrmCwiczenie.h"
#include "TfrmUstawienia.h"
#include "TfrmWyborCwiczenia.h"
#include "UserList.h"
#include "Utf16Text.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace uidrive;

namespace {

constexpr int RowHeight = 24;

void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

void settle(int ms = 30)
{
    QTest::qWait(ms);
    QCoreApplication::processEvents();
}

// The installation the program starts on, made like the sample's mode-1
// installation from the repository's text sources (definitions, exercise
// files, help pages, handbook), with plain window backgrounds in place of the
// sample's drawn ones and an empty media root beside it.
class Program : public testing::Test, public FakeServices {
public:
    void SetUp() override { prepare(tmp.path() + QStringLiteral("/1")); }

    // Lays out the installation in `folder` + "/selko", its media root in `folder` + "/media".
    void prepare(const QString& folder)
    {
        root = folder;
        appDir = root + QStringLiteral("/selko");
        const QString sample = QStringLiteral(SAMPLE_SOURCES_DIR);
        copyTree(sample + QStringLiteral("/common"), appDir);
        copyTree(sample + QStringLiteral("/selko"), appDir);
        for (const QString& page : QDir(sample + QStringLiteral("/help")).entryList({QStringLiteral("*.html")})) {
            QByteArray text = testsupport::readAll(sample + QStringLiteral("/help/") + page);
            text.replace("{{KURS}}", "Selko");
            testsupport::writeAll(appDir + QStringLiteral("/Pomoc - Selko/") + page, text);
        }
        QDir().mkpath(appDir + QStringLiteral("/Users"));
        QDir().mkpath(root + QStringLiteral("/media/Media"));
        writePicture(appDir + QStringLiteral("/Gfx/bg.bmp"), QColor(40, 80, 140));
        writePicture(appDir + QStringLiteral("/Gfx/wyborcwiczenia_tlo.bmp"), QColor(145, 145, 145));
        const QColor starts[] = {QColor(30, 100, 170), QColor(160, 60, 60), QColor(60, 140, 60), QColor(0, 0, 0),
                                 QColor(120, 60, 140)};
        for (int n = 1; n <= 5; ++n)
            writePicture(appDir + QStringLiteral("/Gfx/bg_start_%1.png").arg(n), starts[n - 1]);
        inst = Installation();
        inst.appDir = appDir;
    }

    void TearDown() override
    {
        shell.reset();
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Start-up as main runs it after its own checks.
    bool start()
    {
        const Status mediaRoot = ReadMediaRoot(inst);
        shell = std::make_unique<OrvantaShell>(inst, settings, skin.record(),
                                               OrvantaShell::Services{messages, audio, clock, modal});
        shell->openUrl = [this](const QUrl& url) { urls << url; };
        exits = std::make_unique<QSignalSpy>(shell.get(), &OrvantaShell::exitRequested);
        const bool running = shell->Start(mediaRoot);
        if (running) {
            // stand-ins for the exercise windows, one per window class
            for (const ExerciseWindowEntry& e : ExerciseWindowTable())
                for (const char* window : {e.window, e.windowInMode2})
                    if (window)
                        shell->navigation().RegisterOpener(QLatin1String(window),
                                                           TestOpener(shell->navigation(), QLatin1String(window)));
            settle();
        }
        return running;
    }

    QString user(const QString& rel) const { return appDir + QStringLiteral("/Users/") + rel; }
    QString uiText(int id) const { return inst.UiText(id); }

    TfrmLogowanie* login() { return shell->login(); }
    TfrmMain& mainWindow() { return shell->mainWindow(); }
    TfrmWyborCwiczenia& selection() { return shell->selection(); }

    // Creates a profile through the login window's button and the profile window.
    void createProfile(const QString& name, const QString& password = {})
    {
        modal.queue([=](QDialog& d) {
            auto& w = static_cast<TfrmNewUser&>(d);
            type(w.eLogin, name);
            if (!password.isEmpty()) {
                click(w.chPass);
                type(w.eHaslo, password);
                type(w.eHaslo2, password);
            }
            click(w.btnOK);
        });
        click(login()->btnStworzProfil);
    }

    // Clicks the name of entry `row` of the login list.
    void clickEntry(int row) { click(login()->Lista->viewport(), QPoint(150, 75 * row + 30)); }

    void logIn(int row)
    {
        clickEntry(row);
        settle();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // Rows of the table of contents.
    int rowOf(const QString& file, int kind)
    {
        for (int r = 0; r < selection().RowCount(); ++r)
            if (selection().NodeAtRow(r)->FileName == file && selection().NodeAtRow(r)->Kind == kind)
                return r;
        return -1;
    }
    void clickRow(int row, int x)
    {
        selection().DrzewoLista->scrollToItem(selection().DrzewoLista->item(row), QAbstractItemView::PositionAtTop);
        const int top = selection().DrzewoLista->visualItemRect(selection().DrzewoLista->item(row)).top();
        click(selection().DrzewoLista->viewport(), QPoint(x, top + RowHeight / 2));
        settle();
    }

    TestExerciseWindow* exerciseWindow() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* e = qobject_cast<TestExerciseWindow*>(w); e && e->isVisible())
                return e;
        return nullptr;
    }
    TfrmPomoc* helpWindow() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* h = qobject_cast<TfrmPomoc*>(w); h && h->isVisible())
                return h;
        return nullptr;
    }

    QString statText(int id) const { return decodeUtf16Le(testsupport::readAll(user(QStringLiteral("%1_stat.xml").arg(id)))); }

    QTemporaryDir tmp;
    QString root, appDir;
    std::unique_ptr<OrvantaShell> shell;
    std::unique_ptr<QSignalSpy> exits;
    QList<QUrl> urls;
};

} // namespace

TEST_F(Program, StartsOnTheLoginWindowOverTheBlackBackground)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(messages.shown.isEmpty()) << shownTexts().join(u'\n').toStdString();
    EXPECT_EQ(inst.programMode, 1);
    EXPECT_EQ(inst.helpDir, QStringLiteral("\\Pomoc - Selko"));
    EXPECT_TRUE(inst.cdDir.endsWith(u'\\'));
    ASSERT_NE(login(), nullptr);
    EXPECT_TRUE(login()->isVisible());
    EXPECT_TRUE(shell->background().isVisible());
    EXPECT_FALSE(mainWindow().isVisible());
    EXPECT_FALSE(selection().isVisible());
    EXPECT_EQ(login()->lblWybierz->Caption(), uiText(63));
    EXPECT_EQ(shell->background().lblWait->Caption(), uiText(109));
    EXPECT_GT(selection().RowCount(), 0);
    EXPECT_EQ(mainWindow().btnSpisCwiczen->Caption(), uiText(28));
}

// A failed check shows its message and ends the program before any window
// shows; the mode question comes first, so the media message names the
// course chosen.
TEST_F(Program, StartupChecksEndTheProgramWithTheirMessage)
{
    struct Case {
        const char* name;
        std::function<void(Program&)> spoil;
        QStringList texts;
    } cases[] = {
        {"no cfg.ini", [](Program& p) { QFile::remove(p.appDir + "/Config/cfg.ini"); },
         {QStringLiteral("Błąd pliku konfiguracyjnego!")}},
        {"no CD key", [](Program& p) { testsupport::writeAll(p.appDir + "/Config/cfg.ini", "[INNE]\r\nCD=x\r\n"); },
         {QStringLiteral("Błąd pliku konfiguracyjnego!")}},
        {"no media", [](Program& p) { QDir(p.root + "/media").removeRecursively(); },
         {QStringLiteral("Brak płyty CD-ROM programu Orvanta 6.0 Selko ze słuchu i konwersacje. Proszę umieścić "
                         "płytę w napędzie CD-ROM i uruchomić program ponownie.")}},
        {"question, then no media",
         [](Program& p) {
             QDir(p.root + "/media").removeRecursively();
             testsupport::writeAll(p.appDir + "/Dane/tf_01.xml", "<x/>"); // a Varda name too: mode 3 ...
             testsupport::writeAll(p.appDir + "/Dane/tek_01.xml", "<x/>"); // ... plus Brenn: 6, the question
             p.messages.queueAnswer(1);
         },
         {QStringLiteral("Wykryto wspólne dane. Aby pracować w trybie Varda wybierz Tak. Aby pracować w trybie "
                         "Selko wybierz Nie."),
          QStringLiteral("Brak płyty CD-ROM programu Orvanta 6.0 Varda. Proszę umieścić płytę w napędzie CD-ROM i "
                         "uruchomić program ponownie.")}},
        {"broken definitions",
         [](Program& p) { testsupport::writeAll(p.appDir + "/Config/definitions.xml", "<definitions><hinty>"); },
         {QStringLiteral("Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!")}},
    };
    int n = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        messages.shown.clear();
        prepare(tmp.path() + QStringLiteral("/case%1").arg(++n));
        c.spoil(*this);
        EXPECT_FALSE(start());
        EXPECT_EQ(shownTexts(), c.texts);
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    }
}

TEST_F(Program, ProfilesLoginLearningExerciseSiblingsAndLogout)
{
    ASSERT_TRUE(start());

    // Two profiles; the second login is refused as taken, then a protected one.
    createProfile(QStringLiteral("Ola"));
    modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmNewUser&>(d);
        type(w.eLogin, QStringLiteral("OLA"));
        click(w.btnOK);
        EXPECT_EQ(shownTexts(), QStringList{uiText(60)});
        w.eLogin->clear();
        type(w.eLogin, QStringLiteral("Ewa"));
        click(w.chPass);
        type(w.eHaslo, QStringLiteral("ab"));
        type(w.eHaslo2, QStringLiteral("ab"));
        click(w.btnOK);
        EXPECT_EQ(shownTexts().last(), uiText(61));
        type(w.eHaslo, QStringLiteral("c"));
        click(w.btnOK);
        EXPECT_EQ(shownTexts().last(), uiText(62));
        type(w.eHaslo2, QStringLiteral("abc"));
        click(w.btnOK);
    });
    click(login()->btnStworzProfil);
    EXPECT_EQ(login()->Lista->count(), 2);
    const UserList users = LoadUserList(inst).value();
    ASSERT_EQ(users.count(), 2);
    EXPECT_EQ(users.lines[0], QByteArray("1=Ola=K=0==10"));
    EXPECT_EQ(users.lines[1], QByteArray("2=Ewa=K=1=abc=10"));
    for (const char* f : {"1_config.xml", "1_stat.xml", "2_config.xml", "2_stat.xml"})
        EXPECT_TRUE(QFile::exists(user(QLatin1String(f)))) << f;

    // Log in without a password: the main window with its navigation bar.
    messages.shown.clear();
    logIn(0);
    EXPECT_EQ(login(), nullptr);
    ASSERT_TRUE(mainWindow().isVisible());
    EXPECT_EQ(mainWindow().Belka->Zalogowany(), QStringLiteral("Ola"));
    EXPECT_NE(mainWindow().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_help")), nullptr);
    EXPECT_NE(selection().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_wroc")), nullptr);
    EXPECT_TRUE(shell->background().lblWait->isVisible());
    EXPECT_EQ(settings.User.Login, QStringLiteral("Ola"));

    // Learning: the table of contents; expand everything and collapse it again.
    click(&mainWindow(), QPoint(700, 200));
    settle();
    ASSERT_TRUE(selection().isVisible());
    EXPECT_FALSE(mainWindow().isVisible());
    const int groups = selection().RowCount();
    click(selection().btnExpand);
    const int expanded = selection().RowCount();
    EXPECT_GT(expanded, groups);
    click(selection().btnCollapse);
    EXPECT_EQ(selection().RowCount(), groups);
    click(selection().btnExpand);

    // An exercise: open it from its row, check it, come back to its result.
    const int test = rowOf(QStringLiteral("pc_powitania_test.xml"), 3);
    ASSERT_GE(test, 0);
    clickRow(test, 300);
    TestExerciseWindow* exercise = exerciseWindow();
    ASSERT_NE(exercise, nullptr);
    EXPECT_EQ(exercise->objectName(), QStringLiteral("frmTest2"));
    EXPECT_FALSE(selection().isVisible());
    exercise->Check(80);
    key(exercise, Qt::Key_Escape); // the back button
    settle();
    EXPECT_EQ(exerciseWindow(), nullptr);
    EXPECT_TRUE(selection().isVisible());
    EXPECT_TRUE(statText(1).contains(QStringLiteral("<postep>80</postep>"))) << statText(1).toStdString();

    // A dialogue container: its first mode, then the third through the sibling button.
    const int dialogue = rowOf(QStringLiteral("pc_rozmowa_powitanie.xml"), 102);
    ASSERT_GE(dialogue, 0);
    clickRow(dialogue, 100);
    exercise = exerciseWindow();
    ASSERT_NE(exercise, nullptr);
    EXPECT_EQ(exercise->objectName(), QStringLiteral("frmDialogi_Prez"));
    click(exercise->findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_3")));
    settle();
    exercise = exerciseWindow();
    ASSERT_NE(exercise, nullptr);
    EXPECT_EQ(exercise->objectName(), QStringLiteral("frmDialogi_Rozum"));
    // the second mode (matching, kind 12) has no window: the dispatch's message
    messages.shown.clear();
    click(exercise->findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_2")));
    settle();
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("Brak formy ćwiczenia o typie 12")});
    EXPECT_TRUE(selection().isVisible());

    // Back on the table of contents: the main window again.
    click(selection().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_wroc")));
    settle();
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_FALSE(selection().isVisible());

    // Log out: asked first; a new login window, the bars gone.
    messages.queueAnswer(1);
    click(mainWindow().btnWyloguj);
    settle();
    EXPECT_EQ(shownTexts().last(), uiText(78));
    ASSERT_NE(login(), nullptr);
    EXPECT_TRUE(login()->isVisible());
    EXPECT_EQ(login()->Lista->count(), 2);
    EXPECT_FALSE(mainWindow().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mainWindow().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_help")), nullptr);
    EXPECT_EQ(selection().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_wroc")), nullptr);
    EXPECT_FALSE(shell->background().lblWait->isVisible());

    // The protected profile asks for its password.
    modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmInputPass&>(d);
        type(w.ePass, QStringLiteral("abc"));
        click(w.btnOk);
    });
    logIn(1);
    EXPECT_EQ(modal.ran.last(), QStringLiteral("TfrmInputPass"));
    ASSERT_TRUE(mainWindow().isVisible());
    EXPECT_EQ(mainWindow().Belka->Zalogowany(), QStringLiteral("Ewa"));
    EXPECT_FALSE(modal.pending());
}

TEST_F(Program, HelpOpensAtItsPageAndFollowsLinksBackAndForth)
{
    ASSERT_TRUE(start());
    // F1 in the profile window: help above it, taking the input, without a learner.
    modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmNewUser&>(d);
        key(w.eLogin, Qt::Key_F1);
        settle();
        TfrmPomoc* help = helpWindow();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->navigator().history().value(0).endsWith(QStringLiteral("h_log.html")));
        EXPECT_EQ(help->windowModality(), Qt::ApplicationModal);
        EXPECT_TRUE(help->Belka->Zalogowany().isEmpty());
        click(help->btnBelkaWroc);
        settle();
        EXPECT_EQ(helpWindow(), nullptr);
        EXPECT_TRUE(w.isVisible());
        click(w.btnCancel);
    });
    click(login()->btnStworzProfil);
    createProfile(QStringLiteral("Ola"));
    logIn(0);
    ASSERT_TRUE(mainWindow().isVisible());

    // F1 on the main window: the help's table of contents; its Back button returns.
    key(&mainWindow(), Qt::Key_F1);
    settle();
    TfrmPomoc* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->navigator().history().value(0).endsWith(QStringLiteral("\\Pomoc - Selko\\h_index.html")));
    help->FollowLink(QStringLiteral("h_pres.html"));
    help->FollowLink(QStringLiteral("h_exer.html#a5"));
    EXPECT_TRUE(help->navigator().history().last().endsWith(QStringLiteral("h_exer.html#a5")));
    EXPECT_TRUE(help->btnWroc->isVisible());
    click(help->btnWroc);
    EXPECT_TRUE(help->navigator().history().value(help->navigator().index()).endsWith(QStringLiteral("h_pres.html")));
    click(help->btnWroc);
    click(help->btnWroc);
    EXPECT_EQ(help->navigator().index(), 0);
    click(help->btnBelkaWroc);
    settle();
    EXPECT_EQ(helpWindow(), nullptr);
    EXPECT_TRUE(mainWindow().isVisible());

    // An exercise's help button opens its own page at the exercise's anchor.
    click(&mainWindow(), QPoint(700, 200));
    settle();
    click(selection().btnExpand);
    clickRow(rowOf(QStringLiteral("pc_rodzina_tabela.xml"), 1), 300);
    TestExerciseWindow* exercise = exerciseWindow();
    ASSERT_NE(exercise, nullptr);
    click(exercise->findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_help")));
    settle();
    help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->navigator().history().value(0).endsWith(QStringLiteral("h_film.html")));
    help->CloseAndReturn();
    settle();
    EXPECT_TRUE(exercise->isVisible());

    // The handbook from the main window.
    key(exercise, Qt::Key_Escape);
    settle();
    click(selection().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_wroc")));
    settle();
    click(&mainWindow(), QPoint(700, 410));
    settle();
    help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->navigator().handbook());
    help->CloseAndReturn();
    settle();
    EXPECT_TRUE(mainWindow().isVisible());
}

TEST_F(Program, SettingsChangeTheLanguageAndTheNextLoginReadsThem)
{
    ASSERT_TRUE(start());
    createProfile(QStringLiteral("Ola"));
    createProfile(QStringLiteral("Ewa"));
    logIn(0);
    ASSERT_TRUE(mainWindow().isVisible());
    const QString polishGroup = selection().NodeAtRow(0)->Caption;

    modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmUstawienia&>(d);
        EXPECT_EQ(w.cbLang->selectedId(), 0);
        w.cbLang->setCurrentIndex(w.cbLang->indexOfId(1)); // English
        w.cbLang2->setCurrentIndex(w.cbLang2->indexOfId(255));
        click(w.chCzyPowtorki);
        click(w.btnZapisz);
    });
    click(mainWindow().btnBelkaUstawienia);
    settle();
    EXPECT_EQ(settings.InterfaceLanguage, 1);
    EXPECT_EQ(inst.UiText(112), QStringLiteral("Log out"));
    EXPECT_EQ(mainWindow().btnWyloguj->Caption(), QStringLiteral("Log out"));
    EXPECT_EQ(mainWindow().IMG_Tlo->picture().pixelColor(500, 300), QColor(160, 60, 60)); // bg_start_2.png
    EXPECT_NE(selection().NodeAtRow(0)->Caption, polishGroup);
    const QString config = decodeUtf16Le(testsupport::readAll(user(QStringLiteral("1_config.xml"))));
    EXPECT_TRUE(config.contains(QStringLiteral("<value id=\"1\">1</value>")));
    EXPECT_TRUE(config.contains(QStringLiteral("<value id=\"2\">255</value>")));
    EXPECT_TRUE(config.contains(QStringLiteral("<value id=\"4\">0</value>")));

    // Logging in as a learner with Polish switches the interface back; the
    // English learner's settings bring English again.
    messages.queueAnswer(1);
    click(mainWindow().btnWyloguj);
    settle();
    logIn(1);
    EXPECT_EQ(settings.InterfaceLanguage, 0);
    EXPECT_EQ(mainWindow().btnWyloguj->Caption(), QStringLiteral("Wyloguj"));
    EXPECT_EQ(selection().NodeAtRow(0)->Caption, polishGroup);
    messages.queueAnswer(1);
    click(mainWindow().btnWyloguj);
    settle();
    logIn(0);
    EXPECT_EQ(settings.InterfaceLanguage, 1);
    EXPECT_FALSE(settings.ReviewsOn);
    EXPECT_EQ(mainWindow().btnSpisCwiczen->Caption(), inst.UiText(28));
    EXPECT_EQ(inst.UiText(28), QStringLiteral("Learning"));
}

// A settings file gone since the profile was made: the notice, a new default
// file, the defaults in force (not the previous learner's options), and the
// login goes on.
TEST_F(Program, MissingSettingsFileIsRecreatedAtLogin)
{
    ASSERT_TRUE(start());
    createProfile(QStringLiteral("Ola"));
    createProfile(QStringLiteral("Ewa"));
    logIn(0);
    modal.queue([&](QDialog& d) {
        auto& w = static_cast<TfrmUstawienia&>(d);
        w.cbLang->setCurrentIndex(w.cbLang->indexOfId(1));
        click(w.chInterpunkcja);
        click(w.btnZapisz);
    });
    click(mainWindow().btnBelkaUstawienia);
    ASSERT_EQ(settings.InterfaceLanguage, 1);
    messages.queueAnswer(1);
    click(mainWindow().btnWyloguj);
    settle();

    QFile::remove(user(QStringLiteral("2_config.xml")));
    messages.shown.clear();
    logIn(1);
    EXPECT_TRUE(mainWindow().isVisible());
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("Brak pliku ustawień użytkownika! Plik został stworzony ponownie! ")});
    EXPECT_TRUE(QFile::exists(user(QStringLiteral("2_config.xml"))));
    EXPECT_EQ(settings.User.Login, QStringLiteral("Ewa"));
    EXPECT_EQ(settings.InterfaceLanguage, 0);
    EXPECT_FALSE(settings.PunctuationRules);
    EXPECT_EQ(mainWindow().btnWyloguj->Caption(), QStringLiteral("Wyloguj"));
}

TEST_F(Program, ExitQuestionFromEveryWindow)
{
    ASSERT_TRUE(start());
    // the login window's close button: No keeps the program running
    messages.queueAnswer(0);
    click(login()->btnClose);
    EXPECT_EQ(shownTexts(), QStringList{uiText(34)});
    EXPECT_EQ(messages.shown[0].caption, uiText(33));
    EXPECT_EQ(exits->count(), 0);

    createProfile(QStringLiteral("Ola"));
    logIn(0);
    // Alt+F4 on the main window, No; the navigation bar's close button, Yes.
    messages.queueAnswer(0);
    key(&mainWindow(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(exits->count(), 0);
    EXPECT_TRUE(mainWindow().isVisible());
    messages.queueAnswer(1);
    click(mainWindow().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_zamknij")));
    settle();
    EXPECT_EQ(exits->count(), 1);
    EXPECT_EQ(shownTexts().count(uiText(34)), 3);

    // the publisher's mark opens the site
    click(&mainWindow(), QPoint(40, 740));
    ASSERT_EQ(urls.size(), 1);
    EXPECT_EQ(urls[0].toString(), PublisherSite());
}

TEST_F(Program, DictionaryButtonOpensTheDictionaryWindowAndExercisesShareThePlayer)
{
    ASSERT_TRUE(start());
    createProfile(QStringLiteral("Ola"));
    logIn(0);
    // The navigation bar's dictionary button opens the one dictionary window.
    click(mainWindow().findChild<TLumResButton*>(QStringLiteral("btn_nawigacja_slownik")));
    settle();
    EXPECT_TRUE(shell->dictionary().isVisible());
    EXPECT_FALSE(shownTexts().contains(uiText(125)));
    shell->dictionary().hide();

    // What exercise windows are given is the shell's own: its player, its
    // navigation form, a printer, and the look-up that shows the dictionary.
    ExerciseServices& services = shell->exerciseServices();
    EXPECT_EQ(&services.player, &shell->player());
    EXPECT_EQ(&services.nav, &shell->navigation());
    EXPECT_NE(services.printer, nullptr);
    ASSERT_TRUE(services.lookUpWord);
    services.lookUpWord(QStringLiteral("house"));
    settle();
    EXPECT_TRUE(shell->dictionary().isVisible());
    EXPECT_EQ(shell->dictionary().edtSzukaj->text(), QStringLiteral("house"));
}
