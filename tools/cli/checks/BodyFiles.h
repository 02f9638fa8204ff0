#pragma once

#include "InstallationCheck.h"

#include <pugixml.hpp>

#include <QString>
#include <QStringList>

// What the body checkers of the exercise kinds share: the parts of a loaded
// exercise file, and looking for the files a body names in the folder where
// the kind's window opens them. Each missing file is one problem line,
// "<what> <path> is missing", the path written as the program builds it
// (under the media root from "Media\", under the installation from its first
// folder).

// `name` with its extension (from the last "." of the file name on) replaced
// by `ext` (".mp3"), or `ext` appended when it has none: how the windows that
// always open ".mp3" recordings or ".png" pictures turn a name from the file
// into the file they open.
QString ChangeFileExt(const QString& name, const QString& ext);

// A name ending in ".wav" (exact case) with ".mp3" in its place; any other
// name as it is. The text exercises play their recordings this way.
QString WavAsMp3(const QString& name);

// The exercise file's own name without folder and extension:
// "Paczki\odk_01.xml" gives "odk_01".
QString ExerciseBaseName(const QString& fileName);

// The text of child element `name` of `node` (empty when absent).
QString ChildText(pugi::xml_node node, const char* name);

// Looks up the files of one exercise body and adds a line to `problems` for
// each one that is missing. Lookups go through the installation's path
// resolution, so names match case-insensitively as on the system the course
// was written for. When the media root is unusable (`inst.cdDir` empty)
// media files are not looked for.
class BodyFiles final {
public:
    BodyFiles(const BodyCheckContext& ctx, QStringList& problems) : m_ctx(ctx), m_problems(problems) {}

    pugi::xml_node config() const;
    pugi::xml_node body() const;
    const Installation& inst() const { return m_ctx.inst; }
    const BodyCheckContext& context() const { return m_ctx; }

    // CdDir + "Media\" + folder + "\" + name, when `name` is not empty.
    void media(const QString& folder, const QString& name, const QString& what);
    // As `media`, but a name that is empty is itself a problem: the window
    // then opens the folder's ".mp3" (or whatever the name turns into) and
    // finds nothing. `element` says which part of the body names it.
    void requiredMedia(const QString& folder, const QString& sourceName, const QString& fileName,
                       const QString& what, const QString& element);
    // A text recording, video or Flash movie under Media\Teksty, as the media
    // buttons test it and the players open it: an ".wmv" name is shown when
    // the ".mpg" of the same name exists and then played as ".wmv" (both are
    // needed); a Flash movie plays its ".wav" twin as sound track when there
    // is one (a missing twin is not a problem: the movie plays silently).
    void textMedia(const QString& name);
    // A recording whose media button is shown when Media\Zdania holds it and
    // which is then played from Media\Teksty: both are needed.
    void recordingInZdaniaAndTeksty(const QString& name);
    // The recording of each `zdanie` of the body, named by its `sampel` as it
    // is, in Media\Zdania (no `sampel`: no recording).
    void sentenceRecordings();
    // AppDir + "\" + tail, e.g. "Gfx\Wpis_gfx\a.bmp".
    void appFile(const QString& tail, const QString& what);
    // The handbook page "Podrecznik\" + page (up to any "#"), when named.
    void handbookPage(const QString& page);

    void problem(const QString& text) { m_problems.append(text); }

private:
    const BodyCheckContext& m_ctx;
    QStringList& m_problems;
};
