#include "ExerciseWindows.h"

#include "TfrmCwiczenie.h"
#include "TfrmNawigacja.h"

void RegisterExerciseWindows(TfrmNawigacja& nav, ExerciseServices& services)
{
    // Each exercise kind adds its line here.
    (void)nav;
    (void)services;
}
