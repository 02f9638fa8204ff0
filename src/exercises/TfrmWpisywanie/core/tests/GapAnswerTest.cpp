#include "GapAnswer.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(GapAnswer, TypedAnswersUnderTheFourSettings)
{
    // Columns: case off + punctuation off, case off + punctuation on,
    // case on + punctuation off (a new profile), case on + punctuation on.
    struct Case {
        const char* input;
        const char* answer;
        bool offOff, offOn, onOff, onOn;
    } cases[] = {
        {" Don't! ", "don't", true, false, false, false},
        {"Don't!", "Don't", true, false, true, false},
        {"don't", "don't", true, true, true, true},
        {"dont", "don't", false, false, false, false}, // the apostrophe stays
        {"well-known", "well known", false, false, false, false}, // so does the hyphen
        {"Colour", "colour/color", true, true, false, false},
        {"color", "colour/color", true, true, true, true},
        {"color", "colour/", false, false, false, false},
        {"colour", "colour/", true, true, true, true},
        {"color", "colour//color", false, false, false, false}, // alternatives end at the first empty one
        {"", "colour", false, false, false, false},
        {"", "", false, false, false, false},
        {"?!", "(?)", false, false, false, false}, // nothing left after stripping is never right
        {"Big Ben.", "Big Ben", true, false, true, false},
        {"Big , Ben", "Big Ben", true, false, true, false}, // blanks collapse after stripping
        {"happy", "tired / happy", true, true, true, true},
        {"(London)", "[London]", true, false, true, false},
        {"ŁÓDŹ", "łódź", true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.input) + " vs " + c.answer);
        const QString in = QString::fromUtf8(c.input);
        const QString ans = QString::fromUtf8(c.answer);
        EXPECT_EQ(IsGapCorrect(in, ans, {false, false}), c.offOff);
        EXPECT_EQ(IsGapCorrect(in, ans, {false, true}), c.offOn);
        EXPECT_EQ(IsGapCorrect(in, ans, {true, false}), c.onOff);
        EXPECT_EQ(IsGapCorrect(in, ans, {true, true}), c.onOn);
    }
}

TEST(GapAnswer, NewProfileDefaultsDistinguishCaseAndIgnorePunctuation)
{
    const AnswerRules rules;
    EXPECT_TRUE(rules.letterCase);
    EXPECT_FALSE(rules.punctuationRules);
}

TEST(GapAnswer, PunctuationStrippingKeepsApostrophesAndHyphens)
{
    EXPECT_EQ(StripPunctuation(QStringLiteral(" !()+{}:\"<>?[];,.it's x-ray. ")), QStringLiteral("it's x-ray"));
    EXPECT_EQ(NormalizeTypedAnswer(QStringLiteral("  Big    Ben  ")), QStringLiteral("Big Ben"));
}
