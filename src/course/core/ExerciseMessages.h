#pragma once

#include "ExerciseEnvelope.h"
#include "Failure.h"

#include <QString>

#include <functional>

// The messages of loading and releasing an exercise in its window, and the
// guarded blocks that produce them. Every exercise window opens its file with
// OpenExerciseFile, copies its model out inside GuardedExerciseLoad and frees
// it inside GuardedExerciseRelease.

// "Brak pliku ćwiczenia! (code)": the window's code from MissingFileCode.
Failure MissingExerciseFileMessage(int code);
// "Błąd podczas wczytywania pliku ćwiczenia! (name)", name without its folder.
Failure ExerciseLoadMessage(const QString& path);
// "Błąd podczas niszczenia cwiczenia! (name)", name without its folder.
Failure ExerciseReleaseMessage(const QString& path);

// Runs `body` as the guarded load block: a binding error or any other
// exception it throws becomes the load message for `path`.
Status GuardedExerciseLoad(const QString& path, const std::function<void()>& body);
// The same for releasing a window's model.
Status GuardedExerciseRelease(const QString& path, const std::function<void()>& body);

// Opens `path` (a full path, resolved or written the Windows way) for the
// window `windowClass`: the missing-file message with the window's code when
// the file does not exist, the load message when it cannot be parsed or its
// root is not `cwiczenie`.
Expected<ExerciseDocument> OpenExerciseFile(const QString& path, const QString& windowClass);
