#include "ExerciseText.h"
#include "TPozycjeSlowek.h"

#include <gtest/gtest.h>

TEST(ExerciseText, PolishLettersBecomeCharacterReferencesAndNothingElseChanges)
{
    EXPECT_EQ(ToHtmlText(QStringLiteral("Źle, że ąę? Łódź <b>")),
              QStringLiteral("&#377;le, &#380;e &#261;&#281;? &#321;ód&#378; <b>"));
}

TEST(ExerciseText, PercentRoundsHalvesToEven)
{
    struct Case {
        int part, whole, expected;
    } cases[] = {
        {10, 12, 83}, {3, 4, 75}, {1, 8, 12} /* 12.5 */, {3, 8, 38} /* 37.5 */, {5, 8, 62} /* 62.5 */,
        {0, 5, 0},    {5, 5, 100}, {1, 3, 33}, {2, 3, 67}, {1, 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PercentHalfEven(c.part, c.whole), c.expected) << c.part << "/" << c.whole;
}

TEST(ExerciseText, WordAtFindsTheFirstRectangleHoldingThePoint)
{
    TPozycjeSlowek words;
    words.Add(QStringLiteral("first"), QRect(0, 0, 50, 20));
    words.Add(QStringLiteral("second"), QRect(40, 0, 50, 20));
    EXPECT_EQ(words.WordAt(QPoint(45, 5)), QStringLiteral("first"));
    EXPECT_EQ(words.WordAt(QPoint(80, 5)), QStringLiteral("second"));
    EXPECT_EQ(words.WordAt(QPoint(200, 5)), QString());
    words.Clear();
    EXPECT_EQ(words.WordAt(QPoint(45, 5)), QString());
}
