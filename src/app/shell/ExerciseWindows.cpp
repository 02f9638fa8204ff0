#include "ExerciseWindows.h"

#include "TfrmNawigacja.h"

void RegisterExerciseWindows(TfrmNawigacja& nav)
{
    // No exercise window is part of the program yet; each one adds its line here.
    (void)nav;
}
