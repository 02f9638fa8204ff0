#pragma once

#include "ExerciseOpening.h"

#include <QWidget>

class TfrmNawigacja;
class TLumBelka;
class TLumResButton;

// A plain skinned exercise window standing in for the real kinds' windows in
// the navigation tests: a title bar, a check button that produces a given
// score, the navigation bar (flags 31); Escape presses its back button.
class TestExerciseWindow final : public QWidget, public IExerciseResultSource {
    Q_OBJECT
public:
    TestExerciseWindow(TfrmNawigacja& nav, const ExerciseOpenRequest& request, const QString& formName);
    ~TestExerciseWindow() override;

    // The check: the result panel shows `score`, ResultPending is set and the
    // result recorded.
    void Check(int score);

    ResultSources ResultSourcesNow() const override { return m_sources; }
    void SetResultPanelTag(int tag) override { m_sources.panelTag = tag; }

    const ExerciseOpenRequest request;
    TLumBelka* Belka;

    static int opened; // windows opened so far
    static int alive;  // windows not yet destroyed

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TfrmNawigacja& m_nav;
    ResultSources m_sources;
};

// The opener of the test window for `windowClass` ("TfrmDialogi_Prez" opens a
// window named "frmDialogi_Prez"): reports a missing or unreadable file, or
// opens the window.
ExerciseOpener TestOpener(TfrmNawigacja& nav, const QString& windowClass);
