#pragma once

#include "Failure.h"
#include "UiTextTable.h"

#include <QString>

// The installation the program runs on: the values every part of the program
// reads after start-up. One instance is created in main (or by the command-line
// tool) and passed to whoever needs it.
struct Installation {
    QString appDir;      // folder of the executable, no trailing separator
    QString cdDir;       // media root from cfg.ini; ends with a backslash once checked
    int programMode = 0; // 1 Selko, 2 Varda, 3 Brenn; 0 until detected
    QString helpDir;     // "\Pomoc - ..." with a leading backslash
    int interfaceLanguage = 0;
    UiTextTable uiTexts;

    // AppDir + a tail written the Windows way ("\Dane\x.xml"), resolved on disk.
    QString path(const QString& winTail) const;
    // CdDir + "Media" + a tail ("\Teksty\a.wav"), resolved on disk.
    QString mediaPath(const QString& winTail) const;

    QString UiText(int id) const { return uiTexts.text(id); }
};

// Course titles and words by program mode (1..3); an out-of-range mode gives "".
QString ModeTitle(int programMode);
QString ModeWord(int programMode);

// The help folder of a mode: "\Pomoc - Varda" (2), "\Pomoc - Selko" (1), "\Pomoc - Brenn" (other).
QString HelpDirForMode(int programMode);

// Start-up checks, in the order the program runs them. Each returns the message
// the learner is shown when it fails.

// The screen must be at least 1000 × 760 (the message names 1024 × 768).
Status CheckScreenSize(int width, int height);

// Reads key CD of section DEFAULT of AppDir\Config\cfg.ini into `inst.cdDir`
// (a missing file or key gives the empty string) and fails with
// "Błąd pliku konfiguracyjnego!" when it is empty.
Status ReadMediaRoot(Installation& inst);

// Appends the backslash to CdDir and checks that CdDir + "Media" exists; the
// failure names the course of `inst.programMode`. A relative media root is
// resolved against AppDir, which the program also makes its working folder.
Status CheckMediaRoot(Installation& inst);
