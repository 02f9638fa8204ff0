#pragma once

#include "Failure.h"
#include "ShellContext.h"
#include "ShellHooks.h"

#include <QObject>
#include <QPointer>

#include "TfrmLogowanie.h"
#include "TfrmMediaR.h"

#include <functional>
#include <memory>

struct ExerciseServices;
class IModalRunner;
class IPrintService;
class QUrl;
class SkinLibrary;
class TfrmMain;
class TfrmMessage;
class TfrmNawigacja;
class TfrmPodklad;
class TfrmProgress;
class TfrmSlownik;
class TfrmWyborCwiczenia;

// The program's long-lived windows and the ways between them: the start-up
// sequence from the creation of the windows to the login window, logging in,
// the main window's entries, switching the interface language, logging out
// and ending the program. main() creates one after the checks that need no
// window; tests create one over a fake message service and modal runner.
class OrvantaShell : public QObject {
    Q_OBJECT
public:
    struct Services {
        IMessageService& messages;
        IAudioOutput& audio;
        const IClock& clock;
        IModalRunner& modal;
        // Where exercise sheets are printed; null: the system's print dialog.
        IPrintService* printer = nullptr;
        // The shared player's devices; those left null are the real ones.
        MediaDevices media = {};
    };

    // `skin` is the loaded skin record; `sounds` the library its sounds come
    // from (null: no sounds).
    OrvantaShell(Installation& inst, TUstawienia& settings, const SkinRecord& skin, Services services,
                 const SkinLibrary* sounds = nullptr);
    ~OrvantaShell() override;

    // Creates the long-lived windows behind the progress window, detects the
    // program mode, checks the media root (`mediaRootRead` is the outcome of
    // reading cfg.ini), loads the definitions, the course and the user list,
    // and shows the background and the login window. False when a check
    // failed: its message has been shown and the program ends.
    bool Start(const Status& mediaRootRead);

    ShellContext& context() { return m_ctx; }
    const ShellHooks& hooks() const { return m_hooks; }
    TfrmNawigacja& navigation() { return *m_nav; }
    TfrmMain& mainWindow() { return *m_main; }
    TfrmPodklad& background() { return *m_background; }
    TfrmWyborCwiczenia& selection() { return *m_selection; }
    TfrmMediaR& player() { return *m_player; }
    TfrmSlownik& dictionary() { return *m_dictionary; }
    // What every exercise window is given.
    ExerciseServices& exerciseServices() { return *m_exerciseServices; }
    // The login window while there is one (it frees itself at login).
    TfrmLogowanie* login() { return m_login.data(); }

    // Opens an address in the web browser (the publisher's site); tests replace it.
    std::function<void(const QUrl&)> openUrl;

signals:
    // The learner answered Yes to the exit question: the program ends now.
    void exitRequested();

private:
    void createLoginWindow();
    void logIn(const TUser& user);
    void logOut();
    void openLearning();
    void switchLanguage(int id);

    TUstawienia& m_settings;
    ShellContext m_ctx;
    IModalRunner& m_modal;
    IPrintService* m_givenPrinter;
    MediaDevices m_mediaDevices;
    const SkinLibrary* m_sounds;
    ShellHooks m_hooks;

    std::unique_ptr<TfrmNawigacja> m_nav;
    std::unique_ptr<TfrmMain> m_main;
    std::unique_ptr<TfrmPodklad> m_background;
    std::unique_ptr<TfrmMessage> m_message;
    std::unique_ptr<TfrmProgress> m_progress;
    std::unique_ptr<TfrmWyborCwiczenia> m_selection;
    std::unique_ptr<TfrmSlownik> m_dictionary;
    std::unique_ptr<TfrmMediaR> m_player;
    std::unique_ptr<IPrintService> m_printer;
    std::unique_ptr<ExerciseServices> m_exerciseServices;
    QPointer<TfrmLogowanie> m_login;
};

// The address PaintBox3 (the publisher's mark) opens.
QString PublisherSite();
