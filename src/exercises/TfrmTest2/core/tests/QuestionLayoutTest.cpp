#include "QuestionLayout.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

// Ten pixels a character, lines twenty pixels high.
const QuestionMetrics kMetrics{[](const QString& w) { return int(w.size()) * 10; }, 20};

// Words as "word@x,y".
QStringList places(const QuestionLayout& l)
{
    QStringList out;
    for (const QuestionWordPlace& w : l.words)
        out.append(QStringLiteral("%1@%2,%3").arg(w.word).arg(w.rect.x()).arg(w.rect.y()));
    return out;
}

} // namespace

TEST(QuestionLayout, WordsWrapAtTheColumnEdgeAndAtLineBreaks)
{
    const struct Case {
        const char* name;
        const char* text;
        int width;
        QStringList words;
        int height;
    } cases[] = {
        {"one line, 4 pixels apart", "aa bb  cc", 200, {"aa@0,3", "bb@24,3", "cc@48,3"}, 23},
        {"a word passing the edge starts a line", "aaaa bbbb cccc", 100, {"aaaa@0,3", "bbbb@44,3", "cccc@0,23"}, 43},
        {"a word ending at the edge stays", "aaaa bbbbb", 94, {"aaaa@0,3", "bbbbb@44,3"}, 23},
        {"a line break anywhere", "aa<BR>bb <br> cc", 200, {"aa@0,3", "bb@0,23", "cc@0,43"}, 63},
        {"two breaks leave an empty line", "aa<BR><BR>bb", 200, {"aa@0,3", "bb@0,43"}, 63},
        {"an over-long first word stays on its line", "aaaaaaaaaaaaaaaaaaaa b", 100, {"aaaaaaaaaaaaaaaaaaaa@0,3", "b@0,23"}, 43},
        {"gaps are words", "I ________ home.", 200, {"I@0,3", "________@14,3", "home.@98,3"}, 23},
        {"no text", "", 200, {}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QuestionLayout l = LayoutQuestion(QString::fromUtf8(c.text), kMetrics, c.width);
        EXPECT_EQ(places(l), c.words);
        EXPECT_EQ(l.height, c.height);
        EXPECT_TRUE(l.picture.isEmpty());
        for (const QuestionWordPlace& w : l.words)
            EXPECT_EQ(w.rect.size(), QSize(int(w.word.size()) * 10, 20));
    }
}

TEST(QuestionLayout, PicturesTakeTheirPlaceBesideAboveOrBelowTheText)
{
    const QSize pic(50, 80);
    const struct Case {
        const char* name;
        PicturePlacement placement;
        QRect picture;
        QStringList words;
        int height;
    } cases[] = {
        {"left: text 36 pixels right of it", PicturePlacement::Left, QRect(0, 3, 50, 80),
         {"aaaa@86,3", "bbbb@130,3", "cccc@86,23"}, 83},
        {"right: 10 pixels in from the edge", PicturePlacement::Right, QRect(140, 3, 50, 80),
         {"aaaa@0,3", "bbbb@44,3", "cccc@0,23"}, 83},
        {"top: centred, 64 pixels above it", PicturePlacement::Top, QRect(75, 64, 50, 80),
         {"aaaa@0,154", "bbbb@44,154", "cccc@88,154"}, 174},
        {"bottom: centred after the text", PicturePlacement::Bottom, QRect(75, 33, 50, 80),
         {"aaaa@0,3", "bbbb@44,3", "cccc@88,3"}, 113},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QuestionLayout l = LayoutQuestion(QStringLiteral("aaaa bbbb cccc"), kMetrics, 200, pic, c.placement);
        EXPECT_EQ(l.picture, c.picture);
        EXPECT_EQ(places(l), c.words);
        EXPECT_EQ(l.height, c.height);
    }
    // A picture that could not be read takes no place.
    EXPECT_TRUE(LayoutQuestion(QStringLiteral("a"), kMetrics, 200, QSize(), PicturePlacement::Left).picture.isEmpty());
}
