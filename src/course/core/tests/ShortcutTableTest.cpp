#include "ShortcutTable.h"

#include "CourseFixtures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ShortcutTable, ReadsTheAnsiFileLineByLine)
{
    ShortcutTable t;
    t.load(coursefx::installation(QStringLiteral(FIXTURES_DIR "/selko"), 1));
    ASSERT_TRUE(t.enabled());
    const QList<ShortcutTable::Entry>& e = t.entries();
    ASSERT_EQ(e.size(), 6);
    EXPECT_EQ(e[0].canonical, "do not");
    EXPECT_EQ(e[0].alternatives, (QStringList{"dont", "don't"}));
    EXPECT_EQ(e[3].canonical, "");                                  // no colon: empty canonical word
    EXPECT_EQ(e[3].alternatives, (QStringList{"nocolon", "alt2"})); // read from the whole line
    EXPECT_TRUE(e[4].alternatives.isEmpty());                       // empty line
    EXPECT_EQ(e[5].canonical, QStringLiteral("będę"));              // Windows-1250
    EXPECT_EQ(e[5].alternatives, QStringList{"bede"});              // stops at the empty field
}

TEST(ShortcutTable, NormalizesWordByWord)
{
    ShortcutTable t;
    t.load(coursefx::installation(QStringLiteral(FIXTURES_DIR "/selko"), 1));
    struct Case {
        const char* in;
        const char* out;
    } const cases[] = {
        {"I dont know", "I do not know"},
        {"I don't know", "I do not know"},
        {"Im sure I'm", "I am sure I am"},
        {"cant dont", "cannot do not"},      // "dont" is listed twice: the first entry wins
        {"Dont", "Dont"},                    // case-sensitive
        {"bede tam", "będę tam"},
        {"skipped", "skipped"},              // after the empty field: not an alternative
        {"I dont  know more", "I do not"},   // two spaces drop the rest
        {"", ""},
        {" dont", ""},                       // a leading space ends the text at once
        {"x nocolon", "x "},                 // replaced by the empty canonical word
        {"dont ", "do not"},                 // no trailing space
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(t.NormalizeShortcuts(QString::fromUtf8(c.in)), QString::fromUtf8(c.out));
    }
}

TEST(ShortcutTable, MissingFileDisablesTheTable)
{
    QTemporaryDir tmp;
    ShortcutTable t;
    t.loadLines({"a:b"});
    ASSERT_TRUE(t.enabled());
    t.load(coursefx::installation(tmp.path(), 1));
    EXPECT_FALSE(t.enabled());
    EXPECT_EQ(t.NormalizeShortcuts("I dont  know"), "I dont  know");
}
