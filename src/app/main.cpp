// The program's entry: one instance, the screen, the installation folder,
// cfg.ini and the skin library; then the shell creates the windows and the
// learner starts at the login window.
#include "ExecutableFolder.h"
#include "Installation.h"
#include "MessageService.h"
#include "ModalRunner.h"
#include "OrvantaShell.h"
#include "QtAudioOutput.h"
#include "SingleInstance.h"
#include "Skin.h"
#include "SkinFonts.h"
#include "TUstawienia.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>

int main(int argc, char** argv)
{
    // A second copy shows nothing and leaves the first alone.
    const SingleInstanceLock lock(QStringLiteral("Orvanta60"));
    if (!lock.acquired())
        return 0;

    // The installation is where the program was started from: a link to the
    // program in an installation folder counts as that folder.
    Installation inst;
    inst.appDir = ExecutableFolder(argv[0]);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvanta 6.0"));
    InstallSkinFonts();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->size() : QSize();
    if (const Status s = CheckScreenSize(size.width(), size.height()); !s) {
        QMessageBox::warning(nullptr, s.failure().caption, s.failure().text);
        return 0;
    }

    // Files opened by bare name (the trainer's dictionaries, printing) are
    // relative to the installation.
    QDir::setCurrent(inst.appDir);
    const Status mediaRoot = ReadMediaRoot(inst);

    TUstawienia settings;
    Expected<LoadedSkin> skin = LoadSkin(inst.path(QStringLiteral("\\resource.dll")));
    if (!skin) {
        QMessageBox::critical(nullptr, skin.failure().caption, skin.failure().text);
        return 1;
    }
    MessageService messages(skin->record, [&settings] { return int(settings.InterfaceLanguage); });
    QtAudioOutput audio;
    SystemClock clock;
    ExecModalRunner modal;

    OrvantaShell shell(inst, settings, skin->record, {messages, audio, clock, modal}, skin->library.get());
    QObject::connect(&shell, &OrvantaShell::exitRequested, &app, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
    if (!shell.Start(mediaRoot))
        return 0;
    return app.exec();
}
