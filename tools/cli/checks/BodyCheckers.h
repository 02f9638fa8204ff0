#pragma once

#include "InstallationCheck.h"

#include <QString>
#include <QStringList>

// The files each exercise kind's window opens, read from its body the way
// the window reads it. One function per kind (or per set of kinds sharing a
// body), registered by kind in orvanta-cli's check; when an exercise kind
// gets its own binding, its checker moves there and also loads the body.

// Text exercises (TextExerciseChecks.cpp).
void CheckTestFiles(const BodyCheckContext& ctx, QStringList& problems);          // 3
void CheckGapTextFiles(const BodyCheckContext& ctx, QStringList& problems);       // 4, both windows
void CheckTrueFalseFiles(const BodyCheckContext& ctx, QStringList& problems);     // 31
void CheckGrammarGapFiles(const BodyCheckContext& ctx, QStringList& problems);    // 10
void CheckChoiceInTextFiles(const BodyCheckContext& ctx, QStringList& problems);  // 33

// Sentence exercises (SentenceChecks.cpp).
void CheckSentencePuzzleFiles(const BodyCheckContext& ctx, QStringList& problems); // 9
void CheckSentenceDragFiles(const BodyCheckContext& ctx, QStringList& problems);   // 5
void CheckSentenceFileFiles(const BodyCheckContext& ctx, QStringList& problems);   // 21, 22, 24

// Tables (TableChecks.cpp).
void CheckWordTableFiles(const BodyCheckContext& ctx, QStringList& problems);    // 1
void CheckGrammarTableFiles(const BodyCheckContext& ctx, QStringList& problems); // 32
void CheckSortingTableFiles(const BodyCheckContext& ctx, QStringList& problems); // 50

// Word and picture games (WordGameChecks.cpp).
void CheckAntonymFiles(const BodyCheckContext& ctx, QStringList& problems);       // 7
void CheckThreePicturesFiles(const BodyCheckContext& ctx, QStringList& problems); // 8
void CheckRevealFiles(const BodyCheckContext& ctx, QStringList& problems);        // 52

// Dialogues (DialogueChecks.cpp).
void CheckDialoguePresentationFiles(const BodyCheckContext& ctx, QStringList& problems);  // 11
void CheckDialogueComprehensionFiles(const BodyCheckContext& ctx, QStringList& problems); // 14

// The picture names of a gap text: the words inside its picture blocks, which
// "<IMG LEFT>" and "<IMG RIGHT>" open (and "<IMG>" in the full-text window,
// `centredBlocks`) and "</IMG>" closes; tags compared in upper case. Any other
// bracketed part is a gap and names nothing.
QStringList GapTextPictureNames(const QString& tresc, bool centredBlocks);

// The picture paths of a multiple-choice-in-text body: the first plain word
// after each "<IMG>" tag, a path relative to the installation folder.
QStringList ChoiceTextPicturePaths(const QString& tresc);
