#include "ExerciseWindows.h"

#include "TfrmCwiczenie.h"
#include "TfrmNawigacja.h"
#include "TfrmTest2.h"
#include "TfrmWpisywanie.h"

void RegisterExerciseWindows(TfrmNawigacja& nav, ExerciseServices& services)
{
    // Each exercise kind adds its line here.
    nav.RegisterOpener(QStringLiteral("TfrmTest2"), OpenerFor<TfrmTest2>(services));
    nav.RegisterOpener(QStringLiteral("TfrmWpisywanie"), OpenerFor<TfrmWpisywanie>(services));
}
