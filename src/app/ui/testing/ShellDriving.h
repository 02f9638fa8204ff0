#pragma once

#include "ModalRunner.h"
#include "TestShellContext.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QDialog>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTest>

#include <functional>

// What the shell's window tests share: a modal runner driven by scripts, the
// fake services of a shell context, and mouse and key helpers. (The test
// program links orvanta_widget_test_app for its QApplication.)

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

// A test's shell context (installation, settings, recording skin, fake
// messages and sound, a fixed day) with the skin's figures at the layouts'
// 60 × 59 size, and the scripted modal runner.
struct FakeServices : TestShellContext {
    FakeServices();
    ScriptedModalRunner modal;

    // The texts of the messages shown, in order.
    QStringList shownTexts() const;
};

namespace uidrive {

// Writes a 1024 × 768 picture in `colour` (a darker band at the top) to
// `path`, creating its folder: a window background of a test installation.
void writePicture(const QString& path, QColor colour);

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
