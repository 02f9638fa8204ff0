#include "Course.h"
#include "NavState.h"

#include "CourseFixtures.h"

#include <gtest/gtest.h>

namespace {
TElement* find(const Course& c, const QString& file, int kind)
{
    for (TElement* n : c.flatList)
        if (n->FileName == file && n->Kind == kind)
            return n;
    return nullptr;
}
} // namespace

TEST(NavState, CurrentNodeGroupContainerAndSiblings)
{
    Installation inst = coursefx::installation(QStringLiteral(FIXTURES_DIR "/selko"), 1);
    Course course;
    ReloadCourse(inst, course);
    TNawigacjaDrzewa nav(course.tree);

    TElement* m14 = find(course, "dial_01.xml", 14);
    nav.SetCurrent(m14);
    EXPECT_EQ(nav.currentNode(), m14);
    EXPECT_EQ(nav.groupNode()->GroupId, 2);
    EXPECT_EQ(nav.containerNode(), m14->Parent);
    EXPECT_EQ(nav.currentIndex(), 2);

    nav.SelectSibling(4);
    EXPECT_EQ(nav.currentNode(), find(course, "dial_01.xml", 26));
    EXPECT_EQ(nav.currentIndex(), 4);
    for (int outside : {0, 5, -1}) {
        nav.SelectSibling(outside);
        EXPECT_EQ(nav.currentIndex(), 4);
    }

    // An exercise directly under a group, and one under the root: no container.
    TElement* pic = find(course, "3ob_01.xml", 8);
    nav.SetCurrent(pic);
    EXPECT_EQ(nav.groupNode(), pic->Parent);
    EXPECT_EQ(nav.containerNode(), nullptr);
    nav.SelectSibling(2);
    EXPECT_EQ(nav.currentNode(), pic);

    TElement* loose = find(course, "odk_99.xml", 52);
    nav.SetCurrent(loose);
    EXPECT_EQ(nav.groupNode(), nullptr);
    EXPECT_EQ(nav.containerNode(), nullptr);

    // A package element: its package is the container, its group the package's.
    TElement* item = find(course, "Paczki\\pc_b.xml", 31);
    nav.SetCurrent(item);
    EXPECT_EQ(nav.containerNode()->Kind, 101);
    EXPECT_EQ(nav.groupNode(), course.flatList[0]);
    EXPECT_EQ(nav.currentIndex(), 2);
}

TEST(NavState, DispatchAndMissingWindows)
{
    EXPECT_EQ(DispatchExercise(26, 1).window, "TfrmDialogi_Ukl");
    EXPECT_EQ(DispatchExercise(4, 2).window, "TfrmWpisywaniePelne");
    EXPECT_TRUE(DispatchExercise(31, 2).receivesRecordingMarks);
    for (int kind : {2, 12, 41, 42, 44, 48, 101, 0}) {
        SCOPED_TRACE(kind);
        EXPECT_TRUE(DispatchExercise(kind, 1).window.isEmpty());
    }
    const Failure f = MissingExerciseWindowMessage(12);
    EXPECT_EQ(f.text, QStringLiteral("Brak formy ćwiczenia o typie 12"));
    EXPECT_EQ(f.caption, "Uwaga");
}

TEST(NavState, SiblingButtonGeometry)
{
    struct Case {
        int containerKind, count, i, left, top;
    } const cases[] = {
        {102, 3, 1, 533, 87}, // 710 - 3 x 59
        {102, 3, 3, 643, 87}, // 55 apart
        {103, 3, 1, 552, 81}, // 670 - 2 x 59
        {101, 2, 1, 651, 80}, // 710 - 1 x 59
        {104, 4, 2, 588, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.containerKind << " " << c.count << " " << c.i);
        const SiblingButtonGeometry g = SiblingButtonAt(c.containerKind, c.count, c.i);
        EXPECT_EQ(g.left, c.left);
        EXPECT_EQ(g.top, c.top);
        EXPECT_EQ(g.width, 59);
    }
}
