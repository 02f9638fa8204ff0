#include "Course.h"
#include "CourseScan.h"
#include "Definitions.h"

#include "CourseFixtures.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using coursefx::describe;
using coursefx::exerciseXml;

TEST(CourseTree, ScanBuildsGroupsExercisesPackagesAndModes)
{
    Installation inst = coursefx::installation(QStringLiteral(FIXTURES_DIR "/selko"), 1);
    Course course;
    QList<std::pair<int, int>> progress;
    const CourseLoadOutcome out =
        ReloadCourse(inst, course, [&](int count, int step) { progress.append({count, step}); });
    EXPECT_FALSE(out.definitionsFailure);
    EXPECT_FALSE(out.scanFailure);

    // tf_01.xml has no Selko fragment and odk_inne.xml is not an exercise:
    // both are skipped without a message. Titles: odk_01's empty Polish title
    // falls back to English, the package element's does not.
    EXPECT_EQ(describe(course.flatList), QStringLiteral(
        "0  'Słuchanie'\n"
        "  8 3ob_01.xml 'Trzy obrazki'\n"
        "  52 odk_01.xml 'Reveal'\n"
        "  101 pc_01.xml 'Paczka'\n"
        "    3 Paczki\\pc_a.xml ''\n"
        "    31 Paczki\\pc_b.xml 'Element B'\n"
        "0  ''\n"
        "  102 dial_01.xml 'Dialog w sklepie'\n"
        "    11 dial_01.xml 'Prezentacja'\n"
        "    14 dial_01.xml 'Rozumienie'\n"
        "    18 dial_01.xml 'Uzupełnianie'\n"
        "    26 dial_01.xml 'Układanie dialogu'\n"
        "  102 dial_02.xml 'Pusty dialog'\n"
        "  103 zda_01.xml 'Zdania'\n"
        "    21 zda_01.xml 'Układanie zdań'\n"
        "    22 zda_01.xml 'Dyktando'\n"
        "    24 zda_01.xml 'Tłumaczenie'\n"
        "  104 zda_02.xml 'Czwarty wariant'\n"
        "    41 zda_02.xml 'Tryb 1'\n"
        "    42 zda_02.xml 'Tryb 2'\n"
        "    44 zda_02.xml 'Tryb 4'\n"
        "    48 zda_02.xml 'Tryb 8'\n"
        "0  'Słuchanie'\n"   // duplicate group id: its exercises went to the first group
        "52 odk_99.xml 'Bez grupy'\n")); // group 77 is not defined: under the root

    // Files are counted over the whole folder; steps are the accepted files so far.
    ASSERT_FALSE(progress.isEmpty());
    EXPECT_EQ(progress.first(), std::make_pair(10, 0));
    EXPECT_EQ(progress.last(), std::make_pair(10, 7));

    const QList<TElement*>& f = course.flatList;
    for (int i = 0; i < f.size(); ++i)
        EXPECT_EQ(f[i]->FlatIndex, i);

    // Running numbers count accepted files in folder order.
    const TElement* pkg = f[3];
    EXPECT_EQ(pkg->NodeId, 6);
    EXPECT_EQ(pkg->NodeType, TElement::ContainerNode);
    EXPECT_EQ(pkg->PackageParam, 5);
    EXPECT_EQ(pkg->RecordingMarks, "1;2;3");
    const TElement* item = f[4];
    EXPECT_TRUE(item->IsPackageItem);
    EXPECT_EQ(item->NodeType, TElement::ContainerChild);
    EXPECT_EQ(item->NodeId, 0);
    EXPECT_EQ(item->Level, 2);
    EXPECT_EQ(item->GroupId, 1);
    EXPECT_EQ(item->RecordingMarks, "1;2;3");
    EXPECT_EQ(item->IndexInParent, 1);
    EXPECT_EQ(item->Depth, 2);
    EXPECT_EQ(f[8]->Level, 3);   // dialogue modes take the container's level
    EXPECT_EQ(f[18]->Level, 0);  // the fourth variant's modes do not
    EXPECT_EQ(f[8]->GroupId, 2);
    EXPECT_EQ(f[8]->NodeId, 0);
    EXPECT_FALSE(f[8]->IsPackageItem);
    EXPECT_EQ(f[7]->NodeId, 2);
    EXPECT_EQ(f[23]->NodeId, 5);
    EXPECT_EQ(f[23]->GroupId, 77);
}

TEST(CourseTree, Mode2SortsInsideGroupsOnlyWithPolishCollation)
{
    Installation inst = coursefx::installation(QStringLiteral(FIXTURES_DIR "/varda"), 2);
    Course course;
    const CourseLoadOutcome out = ReloadCourse(inst, course);
    ASSERT_FALSE(out.definitionsFailure);
    ASSERT_FALSE(out.scanFailure);
    EXPECT_EQ(describe(course.flatList), QStringLiteral(
        "0  'Gramatyka'\n"
        "  31 tf_05.xml 'a'\n"
        "  31 tf_02.xml 'ą'\n"
        "  31 tf_01.xml 'b'\n"
        "  31 tf_03.xml 'z'\n"
        "  31 tf_04.xml 'ź'\n"
        "0  'Słownictwo'\n"
        "  101 dd_01.xml 'Paczka'\n"
        "    5 Paczki\\dd_b.xml 'b'\n"   // never inside containers
        "    5 Paczki\\dd_a.xml 'a'\n"
        "4 wp_01.xml 'y'\n"              // never at the root
        "4 wp_02.xml 'x'\n"));
    EXPECT_EQ(course.flatList[1]->IndexInParent, 1);
    EXPECT_EQ(course.flatList[5]->IndexInParent, 5);

    // Any other mode admits no file at all.
    inst.programMode = 3;
    ReloadCourse(inst, course);
    for (const TElement* n : course.flatList)
        EXPECT_EQ(n->NodeType, TElement::RootOrGroup);
}

TEST(CourseTree, ScanErrorStopsTheScanAndKeepsEarlierFiles)
{
    struct Case {
        const char* name;
        QByteArray badFile; // written as odk_05.xml, between good files 01..04 and 06
    } const cases[] = {
        {"malformed XML", "<cwiczenie><config>"},
        {"non-numeric grupa", exerciseXml(1, 52, 1, "x").replace("<grupa>1</grupa>", "<grupa>jeden</grupa>")},
        {"missing typ_cw", exerciseXml(1, 52, 1, "x").replace("<typ_cw>52</typ_cw>", "")},
        {"container without param1", exerciseXml(1, 100, 1, "x", "<param2>1</param2>")},
        {"dialogue container without param2", exerciseXml(1, 100, 1, "x", "<param1>2</param1>")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        testsupport::writeAll(tmp.path() + "/Config/definitions.xml", coursefx::definitionsXml({{1, "G"}}));
        for (int i : {1, 2, 3, 4, 6})
            testsupport::writeAll(tmp.path() + QStringLiteral("/Dane/odk_0%1.xml").arg(i), exerciseXml(1, 52, 1, "ok"));
        testsupport::writeAll(tmp.path() + "/Dane/odk_05.xml", c.badFile);
        Installation inst = coursefx::installation(tmp.path(), 1);
        Course course;
        const CourseLoadOutcome out = ReloadCourse(inst, course);
        ASSERT_TRUE(out.scanFailure.has_value());
        EXPECT_EQ(out.scanFailure->text,
                  QStringLiteral("Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń zostało "
                                 "przerwane! (odk_05.xml)"));
        EXPECT_EQ(out.scanFailure->caption, QStringLiteral("Błąd"));
        EXPECT_EQ(course.tree.root()->Children[0]->ChildCount(), 4);
        EXPECT_EQ(course.flatList.size(), 5);
    }

    // A container whose param1 is no known variant, and typ_cw other than 100
    // without param1: no error.
    QTemporaryDir tmp;
    testsupport::writeAll(tmp.path() + "/Config/definitions.xml", coursefx::definitionsXml({{1, "G"}}));
    testsupport::writeAll(tmp.path() + "/Dane/odk_01.xml", exerciseXml(1, 100, 1, "c", "<param1>7</param1>"));
    testsupport::writeAll(tmp.path() + "/Dane/odk_02.xml", exerciseXml(1, 52, 1, "e"));
    Installation inst = coursefx::installation(tmp.path(), 1);
    Course course;
    EXPECT_FALSE(ReloadCourse(inst, course).scanFailure);
    EXPECT_EQ(describe(course.flatList), QStringLiteral("0  'G'\n  100 odk_01.xml 'c'\n  52 odk_02.xml 'e'\n"));
    EXPECT_EQ(course.flatList[1]->NodeType, TElement::ContainerNode);
}

TEST(CourseTree, AHundredChildrenFitAndTheNextIsAScanError)
{
    QTemporaryDir tmp;
    testsupport::writeAll(tmp.path() + "/Config/definitions.xml", coursefx::definitionsXml({{1, "G"}}));
    for (int i = 1; i <= 101; ++i)
        testsupport::writeAll(tmp.path() + QStringLiteral("/Dane/odk_%1.xml").arg(i, 3, 10, QLatin1Char('0')),
                              exerciseXml(1, 52, 1, QString::number(i)));
    Installation inst = coursefx::installation(tmp.path(), 1);
    Course course;
    CourseLoadOutcome out = ReloadCourse(inst, course);
    ASSERT_TRUE(out.scanFailure.has_value());
    EXPECT_TRUE(out.scanFailure->text.endsWith("(odk_101.xml)"));
    EXPECT_EQ(course.tree.root()->Children[0]->ChildCount(), 100);

    // A package of 101 elements fails as a whole; files before it stay.
    QTemporaryDir tmp2;
    testsupport::writeAll(tmp2.path() + "/Config/definitions.xml", coursefx::definitionsXml({{1, "G"}}));
    QString items;
    for (int i = 1; i <= 101; ++i)
        items += QStringLiteral("<element_paczki id=\"%1\"><nazwa id=\"0\">e</nazwa><poziom>1</poziom>"
                                "<typ_cw>3</typ_cw><plik>e.xml</plik></element_paczki>").arg(i);
    testsupport::writeAll(tmp2.path() + "/Dane/odk_1.xml", exerciseXml(1, 52, 1, "before"));
    testsupport::writeAll(tmp2.path() + "/Dane/pc_1.xml",
                          exerciseXml(1, 100, 1, "big", "<param1>1</param1><param2>0</param2>", items));
    inst = coursefx::installation(tmp2.path(), 1);
    out = ReloadCourse(inst, course);
    ASSERT_TRUE(out.scanFailure.has_value());
    EXPECT_TRUE(out.scanFailure->text.endsWith("(pc_1.xml)"));
    EXPECT_EQ(describe(course.flatList), QStringLiteral("0  'G'\n  52 odk_1.xml 'before'\n"));
}

TEST(CourseTree, TreeOperations)
{
    TDrzewo t;
    EXPECT_EQ(t.root()->Caption, "Root");
    EXPECT_TRUE(t.root()->Expanded);
    TElement* g = t.AddChild(nullptr);
    g->GroupId = 3;
    g->NodeType = TElement::RootOrGroup;
    TElement* g2 = t.AddChild(nullptr);
    g2->GroupId = 3;
    TElement* e = t.AddChild(g);
    e->NodeType = TElement::Exercise;
    TElement* c = t.AddChild(g);
    c->NodeType = TElement::ContainerNode;
    TElement* m = t.AddChild(c);
    m->NodeType = TElement::ContainerChild;
    EXPECT_EQ(t.FindChildByGroupId(t.root(), 3), g);
    EXPECT_EQ(t.FindChildByGroupId(t.root(), 4), nullptr);
    EXPECT_EQ(c->IndexInParent, 2);
    EXPECT_EQ(e->Progress, 0);
    EXPECT_FALSE(e->Expanded);

    t.SetExpandedAll(true);
    EXPECT_TRUE(g->Expanded);
    EXPECT_TRUE(e->Expanded);
    EXPECT_FALSE(c->Expanded); // expand-all never opens containers
    EXPECT_FALSE(m->Expanded);
    c->Expanded = true;
    t.SetExpandedAll(false);
    for (const TElement* n : {t.root(), g, e, c, m})
        EXPECT_FALSE(n->Expanded);

    const QList<TElement*> flat = BuildFlatList(t);
    EXPECT_EQ(flat, (QList<TElement*>{g, e, c, m, g2}));
    EXPECT_EQ(m->Depth, 2);
    EXPECT_EQ(g2->FlatIndex, 4);

    for (int i = 0; i < 98; ++i)
        ASSERT_NE(t.AddChild(g), nullptr);
    EXPECT_EQ(g->ChildCount(), 100);
    EXPECT_EQ(t.AddChild(g), nullptr);
    EXPECT_EQ(g->ChildCount(), 100);
}
