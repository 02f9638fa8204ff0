#pragma once

#include <QList>
#include <QString>

// Exercise kinds (typ_cw) and the windows that open them. This table is the
// one place that knows which window belongs to which kind: the dispatch looks
// a kind up here, and adding a kind's window is adding a row in the .cpp.

namespace Kind {
inline constexpr int Container = 100;      // typ_cw of a container file
inline constexpr int Package = 101;        // container variant 1
inline constexpr int DialogueModes = 102;  // container variant 2
inline constexpr int SentenceModes = 103;  // container variant 3
inline constexpr int FourthModes = 104;    // container variant 4
} // namespace Kind

struct ExerciseWindowEntry {
    int kind;
    const char* window;            // window class name, e.g. "TfrmTest2"
    const char* windowInMode2;     // a different window in program mode 2, or nullptr
    bool receivesRecordingMarks;   // the opener is handed the package's recording marks
};

// Every kind that has a window, in kind order.
const QList<ExerciseWindowEntry>& ExerciseWindowTable();

// The window class that opens `kind` in `programMode`; empty when the kind has
// no window (2, 12, 41-48, the containers and unknown kinds).
QString ExerciseWindowFor(int kind, int programMode);

// Whether the opener of `kind` is handed the recording marks.
bool ReceivesRecordingMarks(int kind);

// The code shown in "Brak pliku ćwiczenia! (%d)" by a window; 0 for a name
// that is not an exercise window.
int MissingFileCode(const QString& windowClass);

// Kinds 11, 41, 51 and 61 produce no score: their results are stored as -1.
bool IsUnscoredKind(int kind);

// One mode child of a container variant: the bit of param2 that offers it, its
// derived kind (base + bit) and the interface text of its caption.
struct ContainerMode {
    int bit;
    int kind;
    int captionTextId;
};

// The modes of container variant 2 (dialogue), 3 (sentence) or 4, in the
// order their children are added; empty for any other variant.
const QList<ContainerMode>& ContainerModes(int variant);

// The kind a container of `variant` (1..4) becomes: 101..104; 0 otherwise.
int ContainerKind(int variant);
