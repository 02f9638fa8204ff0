#include "OrvantaShell.h"

#include "AskExit.h"
#include "ExerciseWindows.h"
#include "FormPictures.h"
#include "Installation.h"
#include "ModalRunner.h"
#include "ProgramModeDetection.h"
#include "Skin.h"
#include "SkinLibrary.h"
#include "IPrintService.h"
#include "TfrmCwiczenie.h"
#include "TfrmHelp.h"
#include "TfrmLogowanie.h"
#include "TfrmMain.h"
#include "TfrmMessage.h"
#include "TfrmNawigacja.h"
#include "TfrmPodklad.h"
#include "TfrmProgress.h"
#include "TfrmSlownik.h"
#include "TfrmWyborCwiczenia.h"
#include "UserConfig.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

QString PublisherSite()
{
    return QStringLiteral("https://orvanta.example/");
}

OrvantaShell::OrvantaShell(Installation& inst, TUstawienia& settings, const SkinRecord& skin, Services services,
                           const SkinLibrary* sounds)
    : m_settings(settings),
      m_ctx{inst, settings, skin, services.messages, services.audio, services.clock},
      m_modal(services.modal),
      m_givenPrinter(services.printer),
      m_mediaDevices(services.media),
      m_sounds(sounds)
{
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    m_hooks.showHelp = [this](const QString& page, QWidget* returnTo) {
        // The login window and its dialogs show no learner in the help's title bar.
        bool fromLogin = false;
        for (QWidget* w = returnTo; w && !fromLogin; w = w->parentWidget())
            fromLogin = w == m_login.data();
        TfrmHelp* help = TfrmHelp::ShowHelp(m_ctx, page, !fromLogin, returnTo, false);
        // Asked for from a modal window (profile, password, settings): the help
        // window must take the learner's input above it.
        if (help && QApplication::activeModalWidget() && QApplication::activeModalWidget() != help) {
            help->hide();
            help->setWindowModality(Qt::ApplicationModal);
            help->show();
        }
    };
    m_hooks.askExit = [this] {
        if (AskExit(m_ctx))
            emit exitRequested();
    };
    m_hooks.minimize = [] { MinimizeApplication(); };
    m_hooks.closeDictionary = [this] {
        if (m_dictionary)
            m_dictionary->hide();
    };
    m_hooks.playSound = [this](const QString& name) {
        if (m_sounds)
            PlaySkinSound(m_sounds, m_ctx.audio, name);
    };
}

OrvantaShell::~OrvantaShell()
{
    // The login window is a top-level window of its own that frees itself on
    // closing; at the end of the program it goes with the rest.
    delete m_login.data();
    // Exercise windows still open use the services and the player below.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<TfrmCwiczenie*>(w))
            delete w;
}

bool OrvantaShell::Start(const Status& mediaRootRead)
{
    // The long-lived windows, in their order; the navigation form first.
    m_nav = std::make_unique<TfrmNawigacja>(m_ctx);
    m_main = std::make_unique<TfrmMain>(m_ctx, m_modal, m_hooks);
    m_background = std::make_unique<TfrmPodklad>();
    m_nav->SetBackgroundWindow(m_background.get());
    m_message = std::make_unique<TfrmMessage>(m_ctx.skin, [this](int id) { return m_ctx.UiText(id); });
    m_progress = std::make_unique<TfrmProgress>();
    m_progress->Start(5, QStringLiteral("Tworzę elementy programu..."));
    // The dictionary reads its file on a pool thread from here on.
    m_dictionary = std::make_unique<TfrmSlownik>(m_ctx);
    m_progress->Step(1); // the message box: the message service holds it
    m_progress->Step(2); // the video window
    m_player = std::make_unique<TfrmMediaR>(m_ctx, m_mediaDevices);
    m_progress->Step(3); // the player and recorder
    if (!m_givenPrinter)
        m_printer = std::make_unique<QtPrintService>();
    m_exerciseServices.reset(new ExerciseServices{
        m_ctx, *m_nav, *m_player, [this](const QString& word) { m_dictionary->ShowWord(word); }, nullptr,
        m_givenPrinter ? m_givenPrinter : m_printer.get(), [this](const QString& name) { m_hooks.sound(name); }});
    RegisterExerciseWindows(*m_nav, *m_exerciseServices);
    m_nav->SetDictionaryAction([this] {
        m_dictionary->show();
        m_dictionary->raise();
        m_dictionary->activateWindow();
    });
    m_nav->SetStopAllSound([this] { m_player->StopPlayback(); });
    m_selection = std::make_unique<TfrmWyborCwiczenia>(m_ctx, *m_nav);
    m_selection->SetLearningMode();
    m_progress->Step(4);
    createLoginWindow();
    m_progress->Step(5);
    m_progress->close();

    // Every window is titled "Orvanta 6.0"; on X11 its role tells which it is.
    m_selection->setWindowRole(QStringLiteral("frmWyborCwiczenia"));
    m_background->setWindowRole(QStringLiteral("frmPodklad"));

    m_main->setCompanions(m_selection.get(), m_background.get());
    connect(m_main.get(), &TfrmMain::learningRequested, this, &OrvantaShell::openLearning);
    connect(m_main.get(), &TfrmMain::handbookRequested, this,
            [this] { TfrmHelp::ShowHandbook(m_ctx, m_main.get()); });
    connect(m_main.get(), &TfrmMain::trainerRequested, this, [this] {
        // The pronunciation trainer is not part of this program yet.
        m_ctx.messages.showMessageBox(m_ctx.UiText(125), m_ctx.UiText(59), MsgBoxKind::Notice);
    });
    connect(m_main.get(), &TfrmMain::publisherSiteRequested, this, [this] { openUrl(QUrl(PublisherSite())); });
    connect(m_main.get(), &TfrmMain::logoutConfirmed, this, &OrvantaShell::logOut);
    connect(m_main.get(), &TfrmMain::interfaceLanguageChosen, this, &OrvantaShell::switchLanguage);
    connect(m_nav.get(), &TfrmNawigacja::exitRequested, this, &OrvantaShell::exitRequested);
    connect(m_nav.get(), &TfrmNawigacja::minimizeRequested, this, [] { MinimizeApplication(); });
    connect(m_nav.get(), &TfrmNawigacja::showMainRequested, this, [this] {
        m_main->show();
        m_main->raise();
        m_main->activateWindow();
    });

    // The course: which one, where its media are, what it holds.
    DetectProgramMode(m_ctx);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Orvanta 6.0"));
    if (!mediaRootRead) {
        m_ctx.messages.showFailure(mediaRootRead.failure());
        return false;
    }
    if (const Status media = CheckMediaRoot(m_ctx.inst); !media) {
        m_ctx.messages.showFailure(media.failure());
        return false;
    }
    m_settings.InterfaceLanguage = 0;
    m_ctx.inst.interfaceLanguage = 0;
    if (const Status course = m_nav->LoadCourseAtStartup(); !course) {
        m_ctx.messages.showFailure(course.failure());
        return false;
    }
    m_main->ApplyInterfaceTexts();
    m_selection->FillFromRoot();
    m_login->LoadUserList();

    m_background->show();
    m_login->show();
    m_login->raise();
    m_login->activateWindow();
    return true;
}

void OrvantaShell::createLoginWindow()
{
    m_login = new TfrmLogowanie(m_ctx, m_modal, m_hooks, m_background.get());
    connect(m_login.data(), &TfrmLogowanie::loginRequested, this, &OrvantaShell::logIn);
}

void OrvantaShell::logIn(const TUser& user)
{
    m_settings.User = user;
    UserConfigRead read = ReadUserConfig(m_ctx.inst, m_settings);
    if (read.notice) {
        m_ctx.messages.showFailure(*read.notice);
        // Without a readable settings file the learner gets the defaults (what
        // a new file holds), not the options of whoever logged in before.
        const quint8 before = m_settings.InterfaceLanguage;
        TUstawienia defaults;
        defaults.User = m_settings.User;
        m_settings = defaults;
        read.interfaceLanguageChanged = m_settings.InterfaceLanguage != before;
    }
    if (read.interfaceLanguageChanged)
        switchLanguage(m_settings.InterfaceLanguage);
    else
        m_nav->ReadUserResults();
    if (m_login)
        m_login->close(); // saves the list and frees the window
    m_nav->AddNavigationBar(m_main.get(), 26);
    m_nav->AddNavigationBar(m_selection.get(), 30);
    m_main->ApplyInterfaceTexts();
    m_main->setPlayStartSound(true);
    m_main->show();
    m_main->raise();
    m_main->activateWindow();
    m_background->ShowWait(m_ctx.UiText(109));
}

void OrvantaShell::logOut()
{
    m_selection->ClearList();
    m_selection->FillFromRoot();
    m_main->hide();
    m_nav->RemoveNavigationBar(m_main.get());
    m_nav->RemoveNavigationBar(m_selection.get());
    m_background->HideWait();
    createLoginWindow();
    m_login->LoadUserList();
    m_login->show();
    m_login->raise();
    m_login->activateWindow();
}

void OrvantaShell::openLearning()
{
    m_main->hide();
    m_selection->SetLearningMode();
    m_selection->ClearList();
    m_selection->FillFromRoot();
    m_selection->show();
    m_selection->raise();
    m_selection->activateWindow();
}

void OrvantaShell::switchLanguage(int id)
{
    m_ctx.inst.interfaceLanguage = id;
    m_nav->SwitchInterfaceLanguage(id, true);
    m_main->ApplyInterfaceTexts();
}
