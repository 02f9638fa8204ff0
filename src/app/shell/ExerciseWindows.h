#pragma once

class TfrmNawigacja;

// The exercise windows of the program, one line each: the dispatch opens a
// kind's window through the opener registered for its window class
// (nav.RegisterOpener("TfrmTest2", ...)). A kind without one gets the
// dispatch's "Brak formy ćwiczenia o typie N" message.
void RegisterExerciseWindows(TfrmNawigacja& nav);
