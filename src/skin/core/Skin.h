#pragma once

#include "Failure.h"
#include "IAudioOutput.h"
#include "SkinLibrary.h"

#include <QImage>
#include <QString>

#include <memory>

// The skin as the main window holds it: the library (kept for the life of the
// program) and the record handed to the skinned controls, whose `library`
// points at it.
struct LoadedSkin {
    std::unique_ptr<SkinLibrary> library;
    SkinRecord record;
};

// The message the program ends with when the skin library is unusable.
QString SkinLibraryMissingText();

// Loads the skin library at `path` (AppDir\resource.dll) and measures the four
// corner pictures of the blue dialog frame. Fails with "Brak biblioteki DLL!.
// Aplikacja zostanie zakończona!" (caption "Błąd", error icon) when the file is
// missing or unreadable, is not a PE module, or lacks any of DIAL01_B,
// DIAL03_B, DIAL07_B and DIAL09_B as a PNG picture.
Expected<LoadedSkin> LoadSkin(const QString& path);

// The picture `name` of `library`. A name the library lacks (or no library)
// fails with the picture loader's "The png image could not be loaded from the
// resource ID." (caption "Błąd"); a painting control reports it or draws
// without the piece, as it chooses.
Expected<QImage> LoadSkinImage(const ISkinImages* library, const QString& name);

// Plays the WAVE resource `name` of `library` on `audio` without waiting; it
// stops the sound playing. A sound the library lacks plays nothing and leaves
// the current sound alone; returns whether a sound was started.
bool PlaySkinSound(const SkinLibrary* library, IAudioOutput& audio, const QString& name);

// What a window's component receives when the window applies the skin
// (ApplySkin walks a window's components; it needs widgets and lives with the
// controls in src/skin/ui), by its exact class name (a subclass does not match its parent's name):
// TLumResButton the library unless its size class is rozUndefined (the caller
// checks that); TLumBelka, TLumGroupFrame, TLumZeszytStatystyki, TLumProgress,
// TLum3ObrazkiFrame and TLumDymek the library; TLumDialogWindow and
// TLumMsgBoxWindow the whole record; anything else nothing.
enum class SkinShare { Nothing, Library, LibraryUnlessUndefinedSize, Record };
SkinShare SkinShareFor(QStringView className);

// The four numbers of the version resource of the module at `path`, written
// one after another ("6001" for 6.0.0.1); "0000" when it cannot be read.
QString ModuleVersionDigits(const QString& path);
