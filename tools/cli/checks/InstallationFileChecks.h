#pragma once

#include "InstallationCheck.h"

// Checks of what the installation as a whole relies on, outside the exercise
// files. Each adds "where: what" lines to the report; `where` is the file or
// folder that names or holds the thing checked ("installation" for the
// installation folder itself). They are given the installation as
// CheckInstallation hands it over (media root checked, help folder set).

// The Users folder, which the profiles are written into.
void CheckUsersFolder(const Installation& inst, InstallationReport& report);

// resource.dll loads as the main window loads it (a failure is a problem with
// the program's own message); every picture and sound name the controls
// fetch is in it (a missing name is a warning: the control draws or plays
// without it).
void CheckSkinLibrary(const Installation& inst, InstallationReport& report);

// The window backgrounds under Gfx (one main-window background per language
// of the definitions file) and the background folders, each holding at least
// one ".bmp" picture.
void CheckBackgrounds(const Installation& inst, InstallationReport& report);

// The help pages the windows open, in the help folder of the program mode;
// a missing anchor is a warning (the page opens at its top).
void CheckHelpPages(const Installation& inst, InstallationReport& report);

// The handbook: its table of contents, and every local page link and sound
// link of every page, resolved as the viewer resolves them.
void CheckHandbook(const Installation& inst, InstallationReport& report);

// The pronunciation trainer: the lesson list, its lesson files, every
// phrase's words in slownik.dct and its model recording, tmp0.dct and the
// statistics template.
void CheckTrainer(const Installation& inst, InstallationReport& report);

// The dictionary window's file loads; skipped lines are a warning.
void CheckDictionary(const Installation& inst, InstallationReport& report);

// All of the above, in this order.
QList<InstallationFileCheck> AllInstallationFileChecks();
