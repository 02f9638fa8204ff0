#pragma once

class TfrmNawigacja;
struct ExerciseServices;

// The exercise windows of the program, one line each: the dispatch opens a
// kind's window through the opener registered for its window class
// (nav.RegisterOpener("TfrmTest2", OpenerFor<TfrmTest2>(services))). A kind
// without one gets the dispatch's "Brak formy ćwiczenia o typie N" message.
// `services` outlives every window opened.
void RegisterExerciseWindows(TfrmNawigacja& nav, ExerciseServices& services);
