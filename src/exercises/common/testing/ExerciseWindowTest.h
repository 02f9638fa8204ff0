#pragma once

#include "ClockedAudioInput.h"
#include "CourseUiFixture.h"
#include "FakeMediaPlayer.h"
#include "PdfPrintService.h"
#include "TestClock.h"
#include "TfrmCwiczenie.h"
#include "TfrmMediaR.h"
#include "TfrmNawigacja.h"
#include "TfrmPodklad.h"

#include <QApplication>
#include <QColor>
#include <QSize>
#include <QStringList>

#include <memory>
#include <random>

// The set-up every exercise window test shares: the fixture course (see
// CourseUi) with translations into language 0 and option 9 off, a player over
// a fake device and microphone on a test clock, a print service rendering to
// PDF, seeded randomness, and the services the windows get, recording the
// words looked up and the skin sounds played.
class ExerciseWindowTest : public CourseUi {
protected:
    void SetUp() override;
    // Closes the windows left open, then drops the services and the course.
    void TearDown() override;

    // Loads the course (once the test's files are in place) and makes the
    // services over it.
    void startCourse();
    // Registers the frame's opener of `W` for the exercises of `windowClass`.
    template <class W>
    void registerKind(const QString& windowClass)
    {
        nav->RegisterOpener(windowClass, OpenerFor<W>(*services));
    }
    // Deletes the exercise windows, and the other windows left open.
    static void closeExerciseWindows();
    // The window of kind `W` shown now (the newest when several are), or null.
    template <class W>
    static W* shownWindow()
    {
        W* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* k = qobject_cast<W*>(w); k && k->isVisible())
                found = k;
        return found;
    }
    // Saves a picture of `size` filled with `colour` as `path` under the
    // installation, making its folder.
    void savePicture(const QString& path, QSize size, QColor colour) const;
    // Where the services send a word to look up; recorded in `lookedUp`.
    virtual void lookUpWord(const QString& word) { lookedUp << word; }

    TfrmPodklad background;
    std::unique_ptr<TfrmNawigacja> nav;
    TestClock clock;
    FakeMediaPlayer device{clock};
    ClockedAudioInput mic{clock};
    TfrmMediaR player{ctx, MediaDevices{&device, &clock, &mic}};
    PdfPrintService printer{tmp.filePath("sheet.pdf")};
    std::mt19937 rng{7};
    QStringList sounds, lookedUp;
    std::unique_ptr<ExerciseServices> services;
};
