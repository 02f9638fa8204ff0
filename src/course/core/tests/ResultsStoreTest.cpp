#include "Course.h"
#include "ResultsStore.h"
#include "UserFiles.h"
#include "Utf16Text.h"
#include "XmlFile.h"

#include "CourseFixtures.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QDate Today(2024, 3, 10);
constexpr int User = 7;

// A copy of the selko installation with its course built and user 7's
// results file created empty.
struct ResultsFixture {
    QTemporaryDir tmp;
    Installation inst;
    Course course;
    FixedClock clock{Today};

    ResultsFixture()
    {
        inst = coursefx::installation(coursefx::copyInstallation("selko", tmp), 1);
        const CourseLoadOutcome out = ReloadCourse(inst, course);
        EXPECT_FALSE(out.definitionsFailure || out.scanFailure);
        EXPECT_TRUE(WriteEmptyResultsFile(inst, User).ok());
        EXPECT_FALSE(store().ReadAllResults(course.flatList).message); // as at login
    }
    ResultsStore store() const { return ResultsStore(inst, User, clock); }
    QString statPath() const { return UserFilePath(inst, User, QStringLiteral("_stat.xml")); }
    TElement* node(const QString& file, int kind) const
    {
        for (TElement* n : course.flatList)
            if (n->FileName == file && n->Kind == kind)
                return n;
        ADD_FAILURE() << "no node " << file.toStdString() << " " << kind;
        return nullptr;
    }
    // Records `score` for a node as a check does: panel shown, not yet recorded.
    Status check(TElement* n, int score, ReviewSettings review = {})
    {
        TNawigacjaDrzewa nav(course.tree);
        nav.SetCurrent(n);
        nav.ResultPending = true;
        ResultSources w{true, 0, score, false, 0};
        return store().RecordResult(nav, w, review);
    }
    QString statText() const { return decodeUtf16Le(testsupport::readAll(statPath())); }
};

QString dateIn(int days)
{
    return Today.addDays(days).toString("yyyy-MM-dd");
}

} // namespace

TEST(Results, ReviewScheduling)
{
    struct Case {
        const char* name;
        QString reviewDate;
        int step;
        int score;
        int threshold;
        QString expectedDate;
        int expectedStep;
    } const cases[] = {
        {"first recording", "", 1, 50, 61, dateIn(3), 1},
        {"second recording", dateIn(3), 1, 50, 61, dateIn(6), 2},
        {"third recording", dateIn(6), 2, 50, 61, dateIn(12), 4},
        {"below 16 resets the step", dateIn(12), 4, 10, 61, dateIn(3), 1},
        {"16 is not below 16", dateIn(12), 4, 16, 61, dateIn(24), 8},
        {"above the threshold ends reviews", dateIn(6), 2, 62, 61, "0", 2},
        {"equal to the threshold doubles", dateIn(6), 2, 61, 61, dateIn(12), 4},
        {"ended reviews resume when doubling", "0", 2, 50, 61, dateIn(12), 4},
        {"first recording above threshold", "", 4, 100, 61, dateIn(3), 1},
        {"the step stops growing", "x", 1 << 20, 50, 61, dateIn(3 * (1 << 20)), 1 << 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TElement n;
        n.ReviewDate = c.reviewDate;
        n.ReviewStep = c.step;
        n.Progress = c.score;
        ScheduleReview(n, c.score, ReviewSettings{true, c.threshold}, Today);
        EXPECT_EQ(n.ReviewDate, c.expectedDate);
        EXPECT_EQ(n.ReviewStep, c.expectedStep);
        EXPECT_EQ(n.ReviewProgress, c.score);
    }
}

TEST(Results, AveragesLeaveOutUnscoredChildren)
{
    struct Case {
        QList<int> children;
        int average;
    } const cases[] = {
        {{80, 0, -1}, 40}, // never done counts as 0, unscored is left out
        {{99, 100}, 99},   // integer quotient
        {{-1, -1}, -1},    // nothing scored: the node is unscored itself
        {{}, -1},
    };
    for (const Case& c : cases) {
        TDrzewo t;
        for (int p : c.children)
            t.AddChild(nullptr)->Progress = p;
        EXPECT_EQ(AverageOfChildren(*t.root()), c.average);
    }
}

TEST(Results, RecordingWritesTheNodeItsReviewAndItsAncestors)
{
    ResultsFixture f;
    TElement* m14 = f.node("dial_01.xml", 14);
    ASSERT_TRUE(f.check(m14, 50).ok());
    EXPECT_EQ(m14->Progress, 50);
    EXPECT_TRUE(m14->HasResult);
    EXPECT_EQ(m14->ResultDate, "10-03-2024");
    EXPECT_EQ(m14->ResultTime, "00:00:00");
    EXPECT_EQ(m14->ReviewDate, dateIn(3));

    // Container: 11 is unscored (-1), 14 = 50, 18 and 26 never done (0): 50 / 3.
    TElement* dialogue = m14->Parent;
    EXPECT_EQ(dialogue->Progress, 16);
    ASSERT_TRUE(f.check(f.node("dial_01.xml", 18), 70).ok());
    ASSERT_TRUE(f.check(f.node("dial_01.xml", 26), 90).ok());
    EXPECT_EQ(dialogue->Progress, 70);

    const QString text = f.statText();
    ASSERT_TRUE(testsupport::readAll(f.statPath()).startsWith("\xFF\xFE"));
    EXPECT_TRUE(text.startsWith(QStringLiteral("<?xml version=\"1.0\"?><cwiczenia>"))) << text.toStdString();
    // One plik for the file: the three modes and the container (kind 102), in
    // the order they were first written.
    EXPECT_EQ(text.count(QStringLiteral("<plik nazwa=\"dial_01.xml\">")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral(
        "<plik nazwa=\"dial_01.xml\"><dane id=\"14\"><data>10-03-2024</data><postep>50</postep><czas>00:00:00</czas>"
        "<datapowtorka>%1=1</datapowtorka><posteppowtorka>50</posteppowtorka></dane><dane id=\"102\"><data>10-03-2024"
        "</data><postep>70</postep><czas/><datapowtorka>=1</datapowtorka><posteppowtorka>-1</posteppowtorka></dane>"
        "<dane id=\"18\">")
                                  .arg(dateIn(3))))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("</dane><dane id=\"26\"><data>")));
    EXPECT_FALSE(text.contains(QStringLiteral("wyznaczpowtorke")));
    // Groups and the root share the entry with an empty name and kind 0.
    EXPECT_EQ(text.count(QStringLiteral("<plik nazwa=\"\">")), 1);

    // The same schedule a second time doubles the step.
    ASSERT_TRUE(f.check(m14, 50).ok());
    EXPECT_EQ(m14->ReviewStep, 2);
    EXPECT_EQ(m14->ReviewDate, dateIn(6));
    EXPECT_TRUE(f.statText().contains(QStringLiteral("<datapowtorka>%1=2</datapowtorka>").arg(dateIn(6))));

    // Read back into a fresh course: the same values.
    Course again;
    ReloadCourse(f.inst, again);
    const ResultsReadOutcome read = f.store().ReadAllResults(again.flatList);
    EXPECT_TRUE(read.fileExisted);
    EXPECT_FALSE(read.message);
    const TElement* back = nullptr;
    for (const TElement* n : again.flatList)
        if (n->FileName == "dial_01.xml" && n->Kind == 14)
            back = n;
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Progress, 50);
    EXPECT_EQ(back->ReviewStep, 2);
    EXPECT_EQ(back->ReviewDate, dateIn(6));
    EXPECT_EQ(back->ReviewProgress, 50);
    EXPECT_TRUE(back->HasResult);

    // The groups share their stored entry with the root (whose average was
    // written last); each group takes its own average from its children.
    const TElement* conversations = again.flatList[6];
    ASSERT_EQ(conversations->GroupId, 2);
    EXPECT_EQ(conversations->Progress, 17); // dialogue 70, three untouched containers 0
    EXPECT_TRUE(f.statText().contains("<plik nazwa=\"\"><dane id=\"0\"><data>10-03-2024</data><postep>4</postep>"));
}

TEST(Results, ReviewsOffKeepTheSchedule)
{
    ResultsFixture f;
    TElement* n = f.node("3ob_01.xml", 8);
    n->ReviewDate = "2030-01-01";
    n->ReviewStep = 4;
    ASSERT_TRUE(f.check(n, 50, ReviewSettings{false, 61}).ok());
    EXPECT_EQ(n->ReviewDate, "2030-01-01");
    EXPECT_EQ(n->ReviewStep, 4);
    EXPECT_TRUE(f.statText().contains("<datapowtorka>2030-01-01=4</datapowtorka><posteppowtorka>-1</posteppowtorka>"));
}

TEST(Results, ScoreSourcesAndRepeatedRecording)
{
    ResultsFixture f;
    TElement* n = f.node("3ob_01.xml", 8);
    TNawigacjaDrzewa nav(f.course.tree);
    nav.SetCurrent(n);
    ResultsStore s = f.store();

    // Panel shown, not yet recorded: its score, and the panel becomes recorded.
    nav.ResultPending = true;
    ResultSources w{true, 0, 75, true, 20};
    ASSERT_TRUE(s.RecordResult(nav, w, {}).ok());
    EXPECT_EQ(n->Progress, 75);
    EXPECT_EQ(w.panelTag, 1);
    const QByteArray afterCheck = testsupport::readAll(f.statPath());

    // Leaving through a sibling button records again with the panel still
    // shown and recorded: nothing changes, neither the score nor the review.
    f.clock.set(Today.addDays(1));
    ASSERT_TRUE(s.RecordResult(nav, w, {}).ok());
    EXPECT_EQ(n->Progress, 75);
    EXPECT_EQ(n->ReviewStep, 1);
    EXPECT_EQ(testsupport::readAll(f.statPath()), afterCheck);

    // Panel hidden: the statistics' XFactor, or 0 without statistics.
    ResultSources hidden{false, 0, 75, true, 33};
    ASSERT_TRUE(s.RecordResult(nav, hidden, {}).ok());
    EXPECT_EQ(n->Progress, 33);
    ResultSources none{false, 0, 75, false, 33};
    ASSERT_TRUE(s.RecordResult(nav, none, {}).ok());
    EXPECT_EQ(n->Progress, 0);

    // Nothing pending and a scored kind: nothing is written.
    nav.ResultPending = false;
    const QByteArray before = testsupport::readAll(f.statPath());
    ResultSources again{true, 0, 99, false, 0};
    ASSERT_TRUE(s.RecordResult(nav, again, {}).ok());
    EXPECT_EQ(n->Progress, 0);
    EXPECT_EQ(testsupport::readAll(f.statPath()), before);
}

TEST(Results, UnscoredPresentationIsWrittenWhenLeftThroughASibling)
{
    ResultsFixture f;
    TElement* m11 = f.node("dial_01.xml", 11);
    TNawigacjaDrzewa nav(f.course.tree);
    nav.SetCurrent(m11);
    nav.ResultPending = false; // the presentation never checks
    ResultSources w{false, 0, 0, false, 0};
    ASSERT_TRUE(f.store().RecordResult(nav, w, {}).ok());
    EXPECT_EQ(m11->Progress, -1);
    EXPECT_TRUE(m11->HasResult);
    EXPECT_TRUE(f.statText().contains(QStringLiteral(
        "<plik nazwa=\"dial_01.xml\"><dane id=\"11\"><data>10-03-2024</data><postep>-1</postep><czas>00:00:00</czas>")));
    EXPECT_EQ(m11->Parent->Progress, 0); // 14, 18, 26 never done
}

TEST(Results, OneSaveGivesTheFileOfNodeByNodeWrites)
{
    ResultsFixture a;
    ResultsFixture b;
    // Some earlier content so that updates and appends both happen.
    ASSERT_TRUE(a.check(a.node("Paczki\\pc_b.xml", 31), 40).ok());
    ASSERT_TRUE(b.check(b.node("Paczki\\pc_b.xml", 31), 40).ok());

    ASSERT_TRUE(a.check(a.node("Paczki\\pc_a.xml", 3), 90).ok());

    TElement* n = b.node("Paczki\\pc_a.xml", 3);
    n->Progress = 90;
    n->ResultTime = "00:00:00";
    ScheduleReview(*n, 90, {}, Today);
    ResultsStore s = b.store();
    ASSERT_TRUE(s.WriteNode(*n).ok());
    for (TElement* p = n->Parent; p; p = p->Parent) {
        p->Progress = AverageOfChildren(*p);
        ASSERT_TRUE(s.WriteNode(*p).ok());
    }
    EXPECT_EQ(testsupport::readAll(a.statPath()), testsupport::readAll(b.statPath()));
    EXPECT_EQ(n->Parent->Progress, 65);
}

TEST(Results, ReadingTakesTheFirstMatchAndResetsTheRest)
{
    ResultsFixture f;
    testsupport::writeAll(f.statPath(), encodeUtf16LeLines({
        "<?xml version=\"1.0\"?>",
        "<cwiczenia>",
        " <plik nazwa=\"dial_01.xml\"><dane id=\"11\"><postep>5</postep></dane></plik>",
        " <plik nazwa=\"dial_01.xml\">",
        "  <dane id=\"14\"><data>01-02-2024</data><postep>77</postep><czas>00:00:00</czas>"
        "<datapowtorka>2024-02-04=4</datapowtorka><posteppowtorka>60</posteppowtorka></dane>",
        "  <dane id=\"14\"><postep>1</postep></dane>",
        " </plik>",
        " <plik nazwa=\"DIAL_01.xml\"><dane id=\"18\"><postep>9</postep></dane></plik>",
        " <plik nazwa=\"3ob_01.xml\"><dane id=\"8\"><postep>abc</postep><datapowtorka>nodate</datapowtorka></dane></plik>",
        "</cwiczenia>",
    }));
    TElement* m14 = f.node("dial_01.xml", 14);
    TElement* m18 = f.node("dial_01.xml", 18);
    TElement* m11 = f.node("dial_01.xml", 11);
    TElement* pic = f.node("3ob_01.xml", 8);
    TElement* zda = f.node("zda_02.xml", 41);
    m18->Progress = 55; // left from another user: reset
    m18->HasResult = true;

    int lastStep = 0;
    const ResultsReadOutcome out = f.store().ReadAllResults(f.course.flatList, [&](int count, int step) {
        EXPECT_EQ(count, f.course.flatList.size());
        lastStep = step;
    });
    EXPECT_TRUE(out.fileExisted);
    EXPECT_FALSE(out.message);
    EXPECT_EQ(lastStep, f.course.flatList.size());

    EXPECT_EQ(m14->Progress, 77); // found in the second plik of the name, first dane
    EXPECT_EQ(m14->ResultDate, "01-02-2024");
    EXPECT_EQ(m14->ReviewDate, "2024-02-04");
    EXPECT_EQ(m14->ReviewStep, 4);
    EXPECT_EQ(m14->ReviewProgress, 60);
    EXPECT_EQ(m11->Progress, 5);
    EXPECT_EQ(m18->Progress, 0); // names compare exactly
    EXPECT_FALSE(m18->HasResult);
    EXPECT_EQ(pic->Progress, 0); // unreadable numbers keep the reset values
    EXPECT_EQ(pic->ReviewStep, 1);
    EXPECT_EQ(pic->ReviewDate, "nodate");
    EXPECT_TRUE(pic->HasResult);
    EXPECT_EQ(zda->Progress, -1); // unscored kind 41 resets to -1
    EXPECT_EQ(zda->ReviewProgress, -1);

    // Writing updates the first dane of the first plik with the name, and
    // appends a kind that plik lacks to it.
    ASSERT_TRUE(f.check(m18, 20).ok());
    const QString text = f.statText();
    EXPECT_TRUE(text.contains(QStringLiteral("<plik nazwa=\"dial_01.xml\"><dane id=\"11\"><postep>5</postep></dane>"
                                             "<dane id=\"18\">")))
        << text.toStdString();
}

TEST(Results, Utf8FileIsRewrittenAsUtf16WithAMatchingDeclaration)
{
    ResultsFixture f;
    testsupport::writeAll(f.statPath(), QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenia>"
                                                       "<plik nazwa=\"3ob_01.xml\"><dane id=\"8\"><postep>12</postep>"
                                                       "<czas>Zażółć</czas></dane></plik></cwiczenia>")
                                            .toUtf8());
    ASSERT_FALSE(f.store().ReadAllResults(f.course.flatList).message);
    TElement* n = f.node("3ob_01.xml", 8);
    EXPECT_EQ(n->Progress, 12);
    EXPECT_EQ(n->ResultTime, QStringLiteral("Zażółć"));
    ASSERT_TRUE(f.check(f.node("odk_01.xml", 52), 30).ok());
    const QByteArray bytes = testsupport::readAll(f.statPath());
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    const QString text = decodeUtf16Le(bytes);
    EXPECT_TRUE(text.startsWith(QStringLiteral("<?xml version=\"1.0\"?><cwiczenia><plik nazwa=\"3ob_01.xml\">")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("<czas>Zażółć</czas>")));
}

TEST(Results, MissingFileIsRecreatedWithTheNotice)
{
    ResultsFixture f;
    QFile::remove(f.statPath());
    TElement* n = f.node("3ob_01.xml", 8);
    n->Progress = 40;
    const ResultsReadOutcome out = f.store().ReadAllResults(f.course.flatList);
    EXPECT_FALSE(out.fileExisted);
    ASSERT_TRUE(out.message);
    EXPECT_EQ(out.message->text, QStringLiteral("Brak pliku ze statystykami! Plik został stworzony ponownie! "));
    EXPECT_EQ(out.message->caption, QStringLiteral("Błąd"));
    EXPECT_EQ(testsupport::readAll(f.statPath()), EmptyResultsFileBytes());
    EXPECT_EQ(n->Progress, 0);
}

TEST(Results, MalformedFileIsReportedAndNeverOverwritten)
{
    for (const QByteArray& bad : {QByteArray("<cwiczenia><plik nazwa=\"a\">"), QByteArray("<other/>"),
                                  QByteArray("\xFF\xFE<\0c\0", 6)}) {
        ResultsFixture f;
        testsupport::writeAll(f.statPath(), bad);
        const ResultsReadOutcome out = f.store().ReadAllResults(f.course.flatList);
        EXPECT_TRUE(out.fileExisted);
        ASSERT_TRUE(out.message);
        EXPECT_TRUE(out.message->text.startsWith(QStringLiteral("Plik ze statystykami jest uszkodzony")));
        EXPECT_TRUE(out.message->text.endsWith(QStringLiteral("(7_stat.xml)")));

        TElement* n = f.node("3ob_01.xml", 8);
        const Status s = f.check(n, 80);
        ASSERT_FALSE(s.ok());
        EXPECT_EQ(s.failure().text, out.message->text);
        EXPECT_EQ(n->Progress, 80); // the screen still shows what the learner reached
        EXPECT_EQ(testsupport::readAll(f.statPath()), bad);
    }
}
