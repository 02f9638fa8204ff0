#pragma once

#include "TestShellContext.h"
#include "WidgetTestApp.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include <initializer_list>
#include <memory>
#include <utility>

class QWidget;
struct TElement;
class TfrmNawigacja;
class TfrmPodklad;
class TfrmPomoc;
class TestExerciseWindow;

// A copy of the fixture installation "kurs" (program mode 1) with a context
// over it: a recording skin, fake messages and sound, 10 March 2024 as today,
// and learner 1 logged in.
class CourseUi : public testing::Test, protected TestShellContext {
protected:
    void SetUp() override;

    // A navigation form over the course with learner 1's results, switching
    // siblings through `background`, and the test window registered for the
    // dialogue modes 11, 14 and 26 and the three-pictures kind.
    std::unique_ptr<TfrmNawigacja> loadCourse(TfrmPodklad& background);
    // Deletes the exercise and help windows left open.
    static void closeOpenWindows();
    // The exercise window shown now (the newest when several are), or null.
    static TestExerciseWindow* shownExerciseWindow();
    // The help window open now, or null.
    static TfrmPomoc* helpWindow();
    // The node of the navigation form's flat list with that file and kind.
    static TElement* nodeOf(TfrmNawigacja& nav, const QString& file, int kind);
    // The text of a results file (UTF-16 with a byte-order mark).
    QString statText() const;
    // The texts of the skinned message boxes and failures shown so far.
    QStringList shownTexts() const;
    // Adds interface texts (id, Polish text) to the copy's definitions file,
    // for the windows whose texts the fixture lacks; before loadCourse.
    void addInterfaceTexts(std::initializer_list<std::pair<int, const char*>> texts);

    QTemporaryDir tmp;
    QString appDir;
};

namespace courseui {

// Clicks the child widget `name` of `window` (a skinned button) with the mouse.
void click(QWidget* window, const QString& name);

// Lets queued events and zero/one-millisecond timers run.
void settle(int ms = 20);

} // namespace courseui
