#pragma once

#include "TfrmCwiczenie.h"

#include <QStringList>

// The smallest exercise kind on the frame, for the frame's tests. Its body:
// <polecenie id="N"> instructions, <html> the handbook page, <slowa> words
// painted one per 30-pixel line, <zepsute/> makes its load fail. The check
// scores `score`, or shows `noScore` when that is set. Counters are static so that they outlive the windows.
class FrameTestKind final : public TfrmCwiczenie {
    Q_OBJECT
public:
    explicit FrameTestKind(ExerciseServices& services);
    ~FrameTestKind() override;

    // The options the next window is made with.
    static ExerciseFrameOptions nextOptions;
    static void resetCounters();
    static int loads, releases, runs, alive, areaPresses, checkPresses;

    int score = 50;
    QString noScore; // the notice of an exercise without a score
    QStringList painted; // the words, as read
    int lineHeight = 30;

    // The frame's helpers, reachable from the tests.
    using TfrmCwiczenie::PlayMedia;
    using TfrmCwiczenie::Print;
    using TfrmCwiczenie::PrintedPage;
    using TfrmCwiczenie::scrollOffset;
    using TfrmCwiczenie::SetStatistics;
    // The rectangle word `i` was painted in (area coordinates, scrolled).
    QRect wordRect(int i) const;

protected:
    void ResetModel() override;
    void LoadModel(const ExerciseDocument& doc) override;
    void ReleaseModel() override;
    void StartRunModel() override;
    int ComputeScore() override { return score; }
    QString NoScoreNotice() const override { return noScore; }
    void BeforeCheckButton() override { ++checkPresses; }
    int PaintArea(QPainter& p) override;
    QString PrintBody() const override;
    void AreaMousePress(QMouseEvent*) override { ++areaPresses; }
};
