#pragma once

#include "TUser.h"

// The logged-in learner and that learner's options. The values below are the
// ones the program starts with, before any login; a new settings file holds
// the same option values (see DefaultConfigFileBytes).
struct TUstawienia {
    quint8 InterfaceLanguage = 0;    // settings id 1
    quint8 InstructionLanguage = 1;  // fixed; not stored
    quint8 TranslationLanguage = 0;  // id 2; 255 means no translations
    TUser User;                      // filled at login, kept after logout
    bool ArchiveRecordings = false;  // id 3
    bool ReviewsOn = true;           // id 4
    qint32 ReviewThreshold = 61;     // id 5
    qint32 Option6 = 3;              // id 6; always written as 3
    bool Option7 = true;             // id 7: sentence windows' first-use notice still to show
    bool Option8 = true;             // id 8: dialogue windows' notice
    bool Option9 = true;             // id 9: other exercise windows' notice
    bool PunctuationRules = false;   // id 10
    bool LetterCase = true;          // id 11

    bool operator==(const TUstawienia&) const = default;
};
