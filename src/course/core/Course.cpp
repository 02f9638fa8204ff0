#include "Course.h"

#include "Definitions.h"

CourseLoadOutcome ReloadCourse(Installation& inst, Course& course, const ScanProgress& progress)
{
    CourseLoadOutcome out;
    course.tree = TDrzewo();
    course.flatList.clear();
    if (const Status s = LoadDefinitions(inst, course.tree); !s.ok()) {
        out.definitionsFailure = s.failure();
        return out;
    }
    course.shortcuts.load(inst);
    if (const Status s = ScanExerciseFolder(inst, course.tree, progress); !s.ok())
        out.scanFailure = s.failure();
    course.flatList = BuildFlatList(course.tree);
    return out;
}
