#pragma once

#include <QString>
#include <QStringList>

// Which course's exercise files the installation holds, from their names.
// Returns 1 (Selko), 2 (Varda) or 3 (Brenn); 0 means the learner must be asked
// (scores 0, 4, 5 and 6): Yes gives 2, No gives 1.
int ScoreProgramMode(const QStringList& fileNames);

// The names of the files (not folders) matching AppDir\Dane\*.xml, ascending.
QStringList ListExerciseFiles(const QString& appDir);

// Fragments tested as case-sensitive substrings of file names.
const QStringList& VardaFragments(); // lp, mc, tabgr, tf, ukl, wp, wpgr, dd
const QStringList& SelkoFragments(); // 3ob, odk, dial, zda, pc
const QStringList& BrennFragments(); // dia, tek

// The question asked when the files do not decide the mode.
QString ModeQuestionText();
