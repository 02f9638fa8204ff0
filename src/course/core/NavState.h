#pragma once

#include "Failure.h"
#include "TDrzewo.h"

#include <QString>

// Which exercise is current (TNawigacjaDrzewa): the node whose exercise is open
// or being opened, its group, its container and its position among the
// container's children. Also carries ResultPending: set when the open
// exercise has a result that RecordResult must store.
class TNawigacjaDrzewa final {
public:
    explicit TNawigacjaDrzewa(const TDrzewo& tree) : m_tree(&tree) {}

    // Makes `node` current: the group node is the group (a child of the root
    // that is a group) with the node's GroupId, none when there is none; the
    // container node is the node's parent when that parent is a container
    // (so an exercise directly under a group or the root has none).
    void SetCurrent(TElement* node);

    // When 1 <= i <= the container's child count: the container's child i
    // becomes current. Otherwise (or without a container) nothing changes.
    void SelectSibling(int i);

    TElement* currentNode() const { return m_current; }
    TElement* groupNode() const { return m_group; }
    TElement* containerNode() const { return m_container; }
    int currentIndex() const { return m_index; }

    bool ResultPending = false;

private:
    const TDrzewo* m_tree;
    TElement* m_current = nullptr;
    TElement* m_group = nullptr;
    TElement* m_container = nullptr;
    int m_index = 0;
};
using NavState = TNawigacjaDrzewa;

// What OpenExercise does for a kind: the window to open, or the message for a
// kind without one ("Brak formy ćwiczenia o typie " + kind, caption "Uwaga").
struct ExerciseDispatch {
    QString window;               // empty when the kind has no window
    bool receivesRecordingMarks = false;
};
ExerciseDispatch DispatchExercise(int kind, int programMode);
Failure MissingExerciseWindowMessage(int kind);

// Position of the numbered sibling button i (1-based) of a container of kind
// `containerKind` with `count` children: 59 wide, 55 apart.
struct SiblingButtonGeometry {
    int left = 0;
    int top = 0;
    int width = 59;
};
SiblingButtonGeometry SiblingButtonAt(int containerKind, int count, int i);
