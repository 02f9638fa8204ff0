#include "TestSupport.h"
#include "Test2Questions.h"
#include "Test2Run.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

// `n` questions "q1".."qn", each with a wrong row and a right row (the right
// one second in the file, so a shuffle is needed to know where it is).
QList<TGrupa> questions(int n)
{
    QList<TGrupa> out;
    for (int i = 1; i <= n; ++i)
        out.append(BuildGrupa(i, {}, QStringLiteral("q%1").arg(i), QStringLiteral("2"), {"wrong", "right"}));
    return out;
}

int rowWith(const TGrupa& g, bool correct)
{
    for (int i = 0; i < g.rows.size(); ++i)
        if (g.rows[i].correct == correct)
            return i + 1;
    return -1;
}

// Answers the current question and presses next; returns whether the run is over.
bool answer(Test2Run& run, bool right, std::mt19937& random)
{
    EXPECT_TRUE(run.Pick(rowWith(run.currentQuestion(), right)));
    return run.Next(random);
}

} // namespace

TEST(Test2Run, ScoreIsRightAnswersOverQuestionsPlusWrongAnswers)
{
    const struct Case {
        const char* name;
        int questions;
        QList<int> wrongTimes; // wrong answers before the right one, per question as asked
        int score;
    } cases[] = {
        {"ten right at the first attempt", 10, {}, 100},
        {"ten with two wrong on the way", 10, {1, 0, 0, 1}, 83}, // 10 / 12
        {"one question, three wrong first", 1, {3}, 25},
        {"one question, seven wrong: 12.5 rounds to even", 1, {7}, 12},
        {"three questions, five wrong: 37.5 rounds to even", 3, {5}, 38},
        {"four questions, one wrong", 4, {0, 0, 1}, 80},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 random(7);
        Test2Run run;
        run.SetQuestions(questions(c.questions));
        int wrong = 0;
        QHash<int, int> wrongLeft; // by question number
        for (int i = 0; i < c.wrongTimes.size(); ++i)
            wrongLeft[i + 1] = c.wrongTimes[i];
        for (const int w : c.wrongTimes)
            wrong += w;
        bool over = false;
        for (int steps = 0; !over && steps < 100; ++steps) {
            int& left = wrongLeft[run.currentQuestion().number];
            const bool right = left == 0;
            if (!right)
                --left;
            over = answer(run, right, random);
        }
        ASSERT_TRUE(over);
        EXPECT_TRUE(run.allDone());
        EXPECT_EQ(run.XFactor(), c.score);
        EXPECT_EQ(run.Poprawnie(), c.questions);
        EXPECT_EQ(run.correctCount(), c.questions);
        EXPECT_EQ(run.Blednie(), wrong);
        EXPECT_EQ(run.wrongCount(), wrong);
        EXPECT_EQ(run.answersGiven(), c.questions + wrong);
    }
}

TEST(Test2Run, XFactorFollowsEveryAnswer)
{
    std::mt19937 random(3);
    Test2Run run;
    run.SetQuestions(questions(4));
    EXPECT_EQ(run.XFactor(), 0);
    answer(run, true, random);
    EXPECT_EQ(run.XFactor(), 25); // 1 / 4
    answer(run, false, random);
    EXPECT_EQ(run.XFactor(), 20); // 1 / 5
    answer(run, true, random);
    EXPECT_EQ(run.XFactor(), 40); // 2 / 5
}

TEST(Test2Run, AWrongQuestionComesBackButNeverStraightAfterItselfWhileOthersAreLeft)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        Test2Run run;
        run.SetQuestions(questions(5));
        QSet<int> answeredWrong;
        QSet<int> answeredRight;
        bool over = false;
        for (int steps = 0; !over && steps < 200; ++steps) {
            const int q = run.current();
            const int number = run.currentQuestion().number;
            // every question is answered wrong the first time it is asked
            const bool right = answeredWrong.contains(number);
            const int leftBefore = 5 - int(answeredRight.size());
            over = answer(run, right, random);
            (right ? answeredRight : answeredWrong).insert(number);
            if (over)
                break;
            if (!right && leftBefore > 1) {
                ASSERT_NE(run.current(), q) << "asked twice in a row";
            }
            if (!right && leftBefore == 1) {
                ASSERT_EQ(run.current(), q) << "the only question left is asked again at once";
            }
            ASSERT_FALSE(run.currentQuestion().done);
        }
        ASSERT_TRUE(over);
        EXPECT_EQ(answeredRight.size(), 5);
        EXPECT_EQ(run.XFactor(), 50); // 5 / (5 + 5)
    }
}

TEST(Test2Run, TheLastQuestionAnsweredWronglyIsAskedAgainImmediately)
{
    std::mt19937 random(11);
    Test2Run run;
    run.SetQuestions(questions(3));
    answer(run, true, random);
    answer(run, true, random);
    const int last = run.current();
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(answer(run, false, random));
        EXPECT_EQ(run.current(), last);
        EXPECT_EQ(run.selectedRow(), -1) << "the question comes back unanswered";
        EXPECT_EQ(run.correctRow(), -1);
    }
    EXPECT_TRUE(answer(run, true, random));
    EXPECT_EQ(run.XFactor(), 50); // 3 / 6
}

TEST(Test2Run, PicksAreTakenOnlyOncePerQuestionAndOnlyForExistingRows)
{
    std::mt19937 random(5);
    Test2Run run;
    run.SetQuestions(questions(2));
    EXPECT_FALSE(run.Pick(0));
    EXPECT_FALSE(run.Pick(3));
    EXPECT_EQ(run.answersGiven(), 0);
    const int right = rowWith(run.currentQuestion(), true);
    EXPECT_TRUE(run.Pick(right));
    EXPECT_EQ(run.state(), Test2Run::ButtonState::Next);
    EXPECT_EQ(run.selectedRow(), right);
    EXPECT_EQ(run.correctRow(), right);
    EXPECT_TRUE(run.currentQuestion().rows[right - 1].selected);
    EXPECT_FALSE(run.Pick(3 - right)) << "a second pick is ignored";
    EXPECT_EQ(run.Evaluate().selectedRow, -1) << "evaluating twice does nothing";
    EXPECT_EQ(run.answersGiven(), 1);
    EXPECT_EQ(run.Poprawnie(), 1);
}

TEST(Test2Run, TheNextButtonWithoutAPickCountsAWrongAnswerAndShowsTheCorrectRow)
{
    std::mt19937 random(9);
    Test2Run run;
    run.SetQuestions(questions(2));
    const int q = run.current();
    const Test2Run::Evaluation e = run.Evaluate();
    EXPECT_FALSE(e.right);
    EXPECT_EQ(e.selectedRow, -1);
    EXPECT_EQ(e.correctRow, rowWith(run.currentQuestion(), true));
    EXPECT_EQ(run.Blednie(), 1);
    EXPECT_EQ(run.lastWrong(), q);
    EXPECT_FALSE(run.Next(random));
    EXPECT_NE(run.current(), q);
}

TEST(Test2Run, AQuestionThatCannotBeAnsweredRightIsAskedOnceAndTheTestStillEnds)
{
    const struct Case {
        const char* name;
        TGrupa unanswerable;
        bool pickARow;
    } cases[] = {
        {"no rows", BuildGrupa(2, {}, QStringLiteral("q"), QStringLiteral("1"), {"", ""}), false},
        {"no correct row", BuildGrupa(2, {}, QStringLiteral("q"), QStringLiteral("5"), {"a", "b"}), true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 random(1);
        Test2Run run;
        QList<TGrupa> list = questions(1);
        list.append(c.unanswerable);
        run.SetQuestions(list);
        bool over = false;
        int asked = 0;
        for (int steps = 0; !over && steps < 10; ++steps) {
            if (run.currentQuestion().number == 2) {
                ++asked;
                if (c.pickARow)
                    EXPECT_TRUE(run.Pick(1));
                else
                    EXPECT_FALSE(run.Pick(1));
                if (run.state() == Test2Run::ButtonState::Evaluate)
                    run.Evaluate();
                over = run.Next(random);
            } else {
                over = answer(run, true, random);
            }
        }
        EXPECT_TRUE(over);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(run.Poprawnie(), 1);
        EXPECT_EQ(run.XFactor(), 33); // 1 / (2 + 1)
    }
}

TEST(Test2Run, ATestWithoutQuestionsHasNoCurrentQuestionAndScoresZero)
{
    std::mt19937 random(1);
    Test2Run run;
    run.SetQuestions({});
    EXPECT_EQ(run.current(), -1);
    EXPECT_FALSE(run.Pick(1));
    EXPECT_EQ(run.Evaluate().correctRow, -1);
    EXPECT_FALSE(run.Next(random));
    EXPECT_EQ(run.answersGiven(), 0);
    EXPECT_EQ(run.XFactor(), 0);
}

TEST(Test2Run, StartBeginsAFreshRun)
{
    std::mt19937 random(2);
    Test2Run run;
    run.SetQuestions(questions(2));
    answer(run, false, random);
    answer(run, true, random);
    run.Pick(1);
    run.Start();
    EXPECT_EQ(run.current(), 0);
    EXPECT_EQ(run.state(), Test2Run::ButtonState::Evaluate);
    EXPECT_EQ(run.answersGiven(), 0);
    EXPECT_EQ(run.Poprawnie(), 0);
    EXPECT_EQ(run.Blednie(), 0);
    EXPECT_EQ(run.lastWrong(), -1);
    EXPECT_EQ(run.selectedRow(), -1);
    for (const TGrupa& g : run.questions()) {
        EXPECT_FALSE(g.done);
        for (const TGrupaItem& r : g.rows)
            EXPECT_FALSE(r.selected);
    }
}
