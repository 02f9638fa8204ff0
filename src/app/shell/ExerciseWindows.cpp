#include "ExerciseWindows.h"

#include "TfrmCwiczenie.h"
#include "TfrmNawigacja.h"
#include "TfrmTest2.h"

void RegisterExerciseWindows(TfrmNawigacja& nav, ExerciseServices& services)
{
    // Each exercise kind adds its line here.
    nav.RegisterOpener(QStringLiteral("TfrmTest2"), OpenerFor<TfrmTest2>(services));
}
