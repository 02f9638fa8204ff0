#include "RowsText.h"
#include "TestSupport.h"
#include "Test2Questions.h"

#include <gtest/gtest.h>

TEST(Test2Questions, GapsBecomeUnderscoresAndTheirTextTheGapAnswer)
{
    const struct Case {
        const char* naglowek;
        const char* text;
        const char* gap;
    } cases[] = {
        {"Yesterday I <went> to the cinema.", "Yesterday I ________ to the cinema.", "went"},
        {"<Did> you see Tom?", "________ you see Tom?", "Did"},
        {"I <  have  > <been> there.", "I ________ ________ there.", "have ... been"},
        {"No gap at all.", "No gap at all.", ""},
        {"First line<BR>second <BR> third", "First line<BR>second <BR> third", ""},
        {"Two<br>lines and <a gap>", "Two<br>lines and ________", "a gap"},
        {"Empty <> gap", "Empty ________ gap", ""},
        {"Unclosed <bracket here", "Unclosed <bracket here", ""},
        {"Gap at the end <x>", "Gap at the end ________", "x"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.naglowek);
        const QuestionText q = SplitQuestion(QString::fromUtf8(c.naglowek));
        EXPECT_EQ(q.text, QString::fromUtf8(c.text));
        EXPECT_EQ(q.gapAnswer, QString::fromUtf8(c.gap));
    }
}

TEST(Test2Questions, PoprawneListsRowsByWholeNumbers)
{
    const struct Case {
        const char* poprawne;
        int row;
        bool listed;
    } cases[] = {
        {"2", 2, true},     {"2", 1, false},  {"1,3", 1, true},   {"1,3", 3, true},  {"1,3", 2, false},
        {" 1 , 3 ", 3, true}, {"11", 1, false}, {"12", 2, false},  {"", 1, false},    {"x,2", 2, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsCorrectRowNumber(c.row, QString::fromUtf8(c.poprawne)), c.listed)
            << "row " << c.row << " in '" << c.poprawne << "'";
}

TEST(Test2Questions, RowsAreTheGapAnswerThenTheFirstFourNonEmptyAnswers)
{
    const struct Case {
        const char* name;
        const char* naglowek;
        const char* poprawne;
        QStringList answers;
        QStringList rows;
    } cases[] = {
        {"plain question, one correct", "Which one?", "2", {"a", "b", "c"}, {"a", "b*", "c"}},
        {"two correct rows", "Which ones?", "1,3", {"a", "b", "c"}, {"a*", "b", "c*"}},
        {"six answers keep the first four", "Pick", "4", {"a", "b", "c", "d", "e", "f"}, {"a", "b", "c", "d*"}},
        {"empty answers are skipped and do not count",
         "Pick",
         "3",
         {"", "a", "", "b", "c", "d", "e"},
         {"a", "b", "c*", "d"}},
        {"a gap adds a first correct row and shifts poprawne",
         "I <went> home.",
         "3",
         {"go", "gone", "goes"},
         {"went*", "go", "gone*", "goes"}},
        {"a gap with four answers makes five rows",
         "I <went> home.",
         "1",
         {"a", "b", "c", "d", "e"},
         {"went*", "a", "b", "c", "d"}},
        {"no answers and no gap: no rows", "Nothing to pick", "1", {"", ""}, {}},
        {"a number beyond the rows marks nothing", "Pick", "7", {"a", "b"}, {"a", "b"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TGrupa g = BuildGrupa(4, QStringLiteral("m.wav"), QString::fromUtf8(c.naglowek),
                                    QString::fromUtf8(c.poprawne), c.answers);
        EXPECT_EQ(describeRows(g), c.rows);
        EXPECT_EQ(g.number, 4);
        EXPECT_EQ(g.media, QStringLiteral("m.wav"));
        EXPECT_FALSE(g.done);
    }
}

TEST(Test2Questions, FirstCorrectRowIsTheTopmostCorrectOne)
{
    TGrupa g = BuildGrupa(1, {}, QStringLiteral("q"), QStringLiteral("3,2"), {"a", "b", "c"});
    EXPECT_EQ(g.firstCorrectRow(), 2);
    g.rows.swapItemsAt(0, 2); // c*, b*, a
    EXPECT_EQ(g.firstCorrectRow(), 1);
    EXPECT_EQ(BuildGrupa(1, {}, QStringLiteral("q"), QStringLiteral("9"), {"a"}).firstCorrectRow(), -1);
}
