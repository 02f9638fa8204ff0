#include "ExerciseMessages.h"

#include "ExerciseKinds.h"
#include "WinPath.h"

#include <exception>

Failure MissingExerciseFileMessage(int code)
{
    return Failure::error(QStringLiteral("Brak pliku ćwiczenia! ") + QStringLiteral("(%1)").arg(code));
}

Failure ExerciseLoadMessage(const QString& path)
{
    return Failure::error(QStringLiteral("Błąd podczas wczytywania pliku ćwiczenia! ")
                              + QStringLiteral("(%1)").arg(WinFileName(path)),
                          path);
}

Failure ExerciseReleaseMessage(const QString& path)
{
    return Failure::error(QStringLiteral("Błąd podczas niszczenia cwiczenia! ")
                              + QStringLiteral("(%1)").arg(WinFileName(path)),
                          path);
}

static Status guarded(const std::function<void()>& body, const Failure& onError)
{
    try {
        body();
    } catch (const std::exception&) {
        return onError;
    } catch (...) {
        return onError;
    }
    return {};
}

Status GuardedExerciseLoad(const QString& path, const std::function<void()>& body)
{
    return guarded(body, ExerciseLoadMessage(path));
}

Status GuardedExerciseRelease(const QString& path, const std::function<void()>& body)
{
    return guarded(body, ExerciseReleaseMessage(path));
}

Expected<ExerciseDocument> OpenExerciseFile(const QString& path, const QString& windowClass)
{
    const QString resolved = ResolveWinPath(path);
    if (!WinFileExists(resolved)) {
        Failure f = MissingExerciseFileMessage(MissingFileCode(windowClass));
        f.file = path;
        return f;
    }
    auto doc = ExerciseDocument::load(resolved);
    if (!doc.ok() || !doc->isExercise())
        return ExerciseLoadMessage(path);
    return doc;
}
