#pragma once

#include "CourseScan.h"
#include "Failure.h"
#include "Installation.h"
#include "ShortcutTable.h"
#include "TDrzewo.h"

#include <QList>

#include <optional>

// What the navigation form owns for the whole run: the course tree, its flat
// list and the shortcut table.
struct Course {
    TDrzewo tree;
    QList<TElement*> flatList;
    ShortcutTable shortcuts;
};

struct CourseLoadOutcome {
    // The definitions could not be read: the program ends after showing it.
    std::optional<Failure> definitionsFailure;
    // The scan stopped at a file: shown, and the program goes on with the
    // part of the course read so far.
    std::optional<Failure> scanFailure;
};

// The full build in `inst.interfaceLanguage`: a new tree, the definitions
// (groups and interface texts), the shortcut table, the folder scan and the
// flat list. Results are read separately (ResultsStore), once a user is known.
CourseLoadOutcome ReloadCourse(Installation& inst, Course& course, const ScanProgress& progress = {});
