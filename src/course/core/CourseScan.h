#pragma once

#include "Failure.h"
#include "Installation.h"
#include "ExerciseEnvelope.h"
#include "ExerciseKinds.h"
#include "Progress.h"
#include "TDrzewo.h"

// The scan's progress: `count` files in the folder, `step` of them accepted so
// far. Called once with step 0 before the first file and then before each file.
using ScanProgress = ProgressCallback;

// What the course tree takes from one exercise file's envelope.
struct EnvelopeData {
    struct PackageItem {
        int kind = 0;
        int level = 0;
        QString plik;    // relative to AppDir\Dane\Paczki
        QString caption; // no fallback to language 1
    };
    int grupa = 0;
    int kind = 0;        // typ_cw
    int level = 0;
    QString caption;     // with the fallback to language 1
    int variant = 0;     // param1, read only when kind is 100
    int param2 = 0;      // read only for container variants 1..4
    QString recordingMarks;
    QList<PackageItem> items; // package elements (variant 1)
};

// Reads the envelope of an exercise file in `language`. Throws XmlBindingError
// for a missing or non-numeric integer (param1 included when typ_cw is 100).
EnvelopeData ReadEnvelopeData(const TXMLCwiczenieType& cw, int language);

// The modes a container of variant 2..4 offers through its param2 bits.
QList<ContainerMode> OfferedModes(const EnvelopeData& e);

// "Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń
// zostało przerwane! (name)".
Failure ScanErrorMessage(const QString& fileName);

// The file-name fragments that admit a file in `programMode`: the Selko ones
// in mode 1, the Varda ones in mode 2, none otherwise.
QStringList AdmittedFragments(int programMode);

// Adds the exercise files of AppDir\Dane to `tree`, whose group nodes are
// already in place (LoadDefinitions), in ascending file-name order:
// - a file is admitted when its name holds one of the mode's fragments
//   (case-sensitive) and its root element is `cwiczenie`; others are skipped
//   without a message;
// - it goes under the group whose id is its `grupa`, or under the root when
//   no group has that id;
// - container files (typ_cw 100) become kinds 101..104 with their package
//   elements or mode children.
// The first file that cannot be read (malformed XML, a missing or non-numeric
// integer, more than 100 children under one node) stops the scan with the scan
// message; that file adds no node, the files before it stay. In program mode 2
// the children of every group are then sorted by caption (Polish collation).
// The flat list is not built here.
Status ScanExerciseFolder(const Installation& inst, TDrzewo& tree, const ScanProgress& progress = {});

// Sorts the children of every group node by caption, Polish collation.
void SortGroupsByCaption(TDrzewo& tree);
