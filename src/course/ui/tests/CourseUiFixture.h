#pragma once

#include "Clock.h"
#include "FakeAudioOutput.h"
#include "FakeMessageService.h"
#include "Installation.h"
#include "RecordingSkin.h"
#include "ShellContext.h"
#include "TUstawienia.h"

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>

#include <memory>

class QWidget;
struct TElement;
class TfrmNawigacja;

void PrintTo(const QPoint& p, std::ostream* os);
void PrintTo(const QRect& r, std::ostream* os);

// A copy of the fixture installation "kurs" (program mode 1) with a context
// over it: a recording skin, fake messages and sound, 10 March 2024 as today,
// and learner 1 logged in.
class CourseUi : public testing::Test {
protected:
    void SetUp() override;

    // The node of the navigation form's flat list with that file and kind.
    static TElement* nodeOf(TfrmNawigacja& nav, const QString& file, int kind);
    // The text of a results file (UTF-16 with a byte-order mark).
    QString statText() const;
    // The texts of the skinned message boxes and failures shown so far.
    QStringList shownTexts() const;

    QTemporaryDir tmp;
    QString appDir;
    Installation inst;
    TUstawienia settings;
    RecordingSkin skin;
    FakeMessageService messages;
    FakeAudioOutput audio;
    FixedClock clock{QDate(2024, 3, 10)};
    std::unique_ptr<ShellContext> ctx;
};

namespace courseui {

// Clicks the child widget `name` of `window` (a skinned button) with the mouse.
void click(QWidget* window, const QString& name);

// Lets queued events and zero/one-millisecond timers run.
void settle(int ms = 20);

} // namespace courseui
