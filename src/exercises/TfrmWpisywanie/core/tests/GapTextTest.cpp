#include "GapText.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// The items as one readable line: words as written, gaps as [answer], tags
// with their marker code.
QString describe(const GapTextItems& t)
{
    QStringList parts;
    for (const TWyrazTekstu& w : t.items) {
        if (w.IsGap)
            parts << u'[' + w.Answer + u']';
        else if (w.Marker != mkNone)
            parts << QStringLiteral("#%1").arg(w.Marker);
        else
            parts << w.Text;
    }
    return parts.join(u'|');
}

} // namespace

TEST(GapText, MarkupSplitsIntoWordsTagsAndGaps)
{
    struct Case {
        const char* text;
        const char* items;
    } cases[] = {
        // Words after the last gap are kept.
        {"I <am> a student.", "I|[am]|a|student."},
        {"<BR><IMG LEFT><IMG RIGHT></IMG><I><B></I></B><AK>", "#1|#2|#3|#4|#5|#6|#7|#8|#9"},
        // Tags in any letter case; any tag starting "<AK" is a step.
        {"<br> <img left> <Ak> <AK=120> <ak=5>", "#1|#2|#9|#9|#9"},
        {"Tags<B>need</B>no blanks", "Tags|#6|need|#8|no|blanks"},
        // Alternatives and blanks inside a gap stay in its answer.
        {"It's <colour/color> or <Big Ben> .", "It's|[colour/color]|or|[Big Ben]|."},
        // Runs of blanks, line breaks and tabs give no empty words.
        {"  one   two\n\tthree  ", "one|two|three"},
        // "<IMG>" alone is no tag of this window: a gap.
        {"<IMG> x", "[IMG]|x"},
        // An unclosed bracket starts no gap.
        {"a <b c", "a|<b|c"},
        {"", ""},
        {"<>", "[]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(describe(ParseGapText(QString::fromUtf8(c.text))), QString::fromUtf8(c.items));
    }
}

TEST(GapText, GapIndicesListTheGapsInTextOrder)
{
    const GapTextItems t = ParseGapText(QStringLiteral("<B>My</B> <father> is a <doctor>. <BR> <Sunday>"));
    EXPECT_EQ(t.gaps, (QList<int>{3, 6, 9}));
    EXPECT_EQ(t.items.at(3).Text, QStringLiteral("<father>"));
    for (int i : t.gaps)
        EXPECT_TRUE(t.items.at(i).IsGap);
}

TEST(GapText, PhraseListKnowsOnlyCapitalTagsAndEndsWithAStep)
{
    // "<ak=20>" and "<br>" are not tags there: they are drawn as words.
    const GapTextItems t = ParsePhraseText(QStringLiteral("<B>older</B> <AK> starszy <br> <AK=20>"));
    EXPECT_EQ(describe(t), QStringLiteral("#6|older|#8|#9|starszy|<br>|<AK=20>|#9"));
    EXPECT_TRUE(t.gaps.isEmpty());
}

TEST(GapText, AkStepIsTheDistanceToItsNumberOrThirtyPixels)
{
    struct Case {
        const char* tag;
        int x, step;
    } cases[] = {
        {"<AK>", 100, 30}, {"<AK=120>", 100, 20}, {"<AK=120>", 150, 30}, {"<ak = 40 >", 0, 40},
        {"<AK=x>", 10, 30}, {"<AK=>", 10, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        EXPECT_EQ(AkStep(QString::fromLatin1(c.tag), c.x), c.step);
    }
}
