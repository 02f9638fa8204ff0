#pragma once

#include "ResultsStore.h"

#include <QString>

#include <functional>

class QWidget;

// What the dispatch hands an exercise kind's opener.
struct ExerciseOpenRequest {
    int kind = 0;
    QString fileName;       // relative to AppDir\Dane, as the course tree names it
    QString fullPath;       // AppDir\Dane\<fileName>, resolved on disk
    QString recordingMarks; // the package's marks for the kinds that take them, else empty
};

// Opens the window of one exercise kind: reports a missing or unreadable file
// and stops, or creates (or reuses) the window, resets it, loads the file,
// adds the navigation bar, starts a run and shows it. Returns the window
// shown, or null when it stopped at a message. Exercise kinds register theirs
// with TfrmNawigacja::RegisterOpener, one line each where the program starts.
using ExerciseOpener = std::function<QWidget*(const ExerciseOpenRequest&)>;

// What an exercise window offers when its result is recorded (the check, and
// the navigation bar's sibling buttons before they leave the window): its
// result panel and statistics as they stand.
class IExerciseResultSource {
public:
    virtual ~IExerciseResultSource() = default;

    virtual ResultSources ResultSourcesNow() const = 0;
    // The result panel's tag after recording (1 once its result is stored).
    virtual void SetResultPanelTag(int tag) = 0;
};
