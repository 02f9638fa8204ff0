#pragma once

#include "ExerciseEnvelope.h"
#include "Failure.h"
#include "TGrupa.h"

#include <QList>
#include <QString>

#include <random>

// What the multiple-choice test window copies out of its file.
struct Test2Content {
    QString html;        // handbook page
    QString instruction; // polecenie in the instruction language
    QString translation; // polecenie in the translation language (hint); empty for none
    QList<TGrupa> grupy; // in file order, numbered from 1
};

// Reads the body of a loaded exercise document. Throws XmlBindingError for a
// non-numeric language id, so call it inside the guarded load block.
Test2Content ReadTest2(const ExerciseDocument& doc, int instructionLanguage, int translationLanguage);

// Opens and reads a test file as the window does: the missing-file message
// (code 3) or the load message naming the file on failure.
Expected<Test2Content> LoadTest2File(const QString& path, int instructionLanguage, int translationLanguage);

// A new order for a run: the questions in a uniformly random order, then the
// rows of each question the same way (correct flags move with their rows).
void ShuffleTest(QList<TGrupa>& grupy, std::mt19937& random);
