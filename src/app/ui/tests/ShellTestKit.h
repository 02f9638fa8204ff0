#pragma once

#include "Clock.h"
#include "FakeAudioOutput.h"
#include "FakeMessageService.h"
#include "Installation.h"
#include "ModalRunner.h"
#include "RecordingSkin.h"
#include "ShellContext.h"
#include "ShellHooks.h"
#include "TUstawienia.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// Runs each modal window with the next queued script: the window is shown
// (not exec'd), the script drives it with events and the window must have
// closed when the script returns; a window with no script left is cancelled
// and the test fails.
class ScriptedModalRunner final : public IModalRunner {
public:
    using Script = std::function<void(QDialog&)>;
    void queue(Script s) { m_scripts.append(std::move(s)); }
    void run(QDialog& dialog) override;

    QStringList ran; // class names of the windows run, in order
    bool pending() const { return !m_scripts.isEmpty(); }

private:
    QList<Script> m_scripts;
};

// A fresh installation copied from the fixture (definitions, cfg.ini) with an
// empty Users folder, generated window backgrounds, the interface texts of
// language 0 loaded, program mode 1, a recording skin, a fake message service
// that records everything, and hooks that record what they are asked.
struct ShellTestKit {
    ShellTestKit();

    QTemporaryDir tmp;
    Installation inst;
    TUstawienia settings;
    RecordingSkin skin;
    FakeMessageService messages;
    FakeAudioOutput audio;
    FixedClock clock{QDate(2024, 5, 6)};
    std::unique_ptr<ShellContext> ctx;
    ScriptedModalRunner modal;
    ShellHooks hooks;

    QStringList helpPages;     // pages asked for
    int exitQuestions = 0;
    int minimized = 0;
    QStringList sounds;

    // AppDir + a relative path with "/".
    QString file(const QString& rel) const { return inst.appDir + QLatin1Char('/') + rel; }
    // Reloads the interface texts in `language`.
    void loadTexts(int language);
    // The texts of the messages shown, in order.
    QStringList messageTexts() const;
};

namespace uidrive {

// A left click released at `pos` (the centre when omitted) of `w`.
void click(QWidget* w, QPoint pos = QPoint(-1, -1));
// A move of the mouse to `pos` of `w` (enter events included).
void hover(QWidget* w, QPoint pos);
// Types `text` into `w` one character at a time (Polish letters too).
void type(QWidget* w, const QString& text);
void key(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
// A child of `parent` by name and type; fails the test when missing.
template <typename T>
T* child(QObject* parent, const char* name)
{
    T* c = parent->findChild<T*>(QLatin1String(name));
    if (!c)
        ADD_FAILURE() << "no child " << name;
    return c;
}

} // namespace uidrive
