// The class-marker rules, the placement of the list's texts, the scroll range
// and the letter buttons. Widths are faked: 7 pixels a character in black,
// 8 in grey italic; lines are 16 pixels, so the 470 × 224 box holds 14 rows.
#include "DictionaryLayout.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

DictionaryMetrics fakeMetrics()
{
    DictionaryMetrics m;
    m.lineHeight = 16;
    m.width = [](const QString& text, bool grey) { return int(text.size()) * (grey ? 8 : 7); };
    return m;
}

TDane entry(const QString& word, const QString& translation)
{
    return TDane{0, word, {}, translation, {}};
}

// A translation of `tokens` two-letter words: 13 fit on a line of the column.
QString longTranslation(int tokens)
{
    QStringList words;
    for (int i = 0; i < tokens; ++i)
        words << QStringLiteral("ab");
    return words.join(u' ');
}

DictionaryModel modelOf(const QList<TDane>& entries)
{
    DictionaryModel model;
    model.setEntries(entries);
    return model;
}

QList<TDane> oneLineEntries(int count)
{
    QList<TDane> entries;
    for (int i = 0; i < count; ++i)
        entries << entry(QStringLiteral("w%1").arg(i), QStringLiteral("[1] t"));
    return entries;
}

} // namespace

TEST(TranslationRuns, MarkersBecomeGreyClassLabels)
{
    using R = TranslationRun;
    struct Case {
        const char* translation;
        QList<TranslationRun> runs;
    } cases[] = {
        {"[1] pies [2] wielki", {R{"n", true, 1, true}, R{"pies", false, 0, false}, R{", adj", true, 2, true},
                                 R{"wielki", false, 0, true}}},
        {"[3] go [3] went", {R{"v", true, 3, true}, R{"go", false, 0, false}, R{", v", true, 3, true},
                             R{"went", false, 0, true}}},
        // After a class-9 marker the words stay grey until a class 1 … 8 marker.
        {"[2] duży [9] pot. wielki [1] gruba ryba",
         {R{"adj", true, 2, true}, R{"duży", false, 0, false}, R{"", true, 9, true}, R{"pot.", true, 0, true},
          R{"wielki", true, 0, false}, R{", n", true, 1, true}, R{"gruba", false, 0, true},
          R{"ryba", false, 0, true}}},
        // Class 9 does not count as an earlier label; class 4 has no name.
        {"[9] stare [4] x", {R{"", true, 9, true}, R{"stare", true, 0, false}, R{"", true, 4, true},
                             R{"x", false, 0, true}}},
        // Text glued to a marker is kept; double blanks, "[x]" and "[" are plain.
        {"[1]kot  i [x] [", {R{"n", true, 1, true}, R{"kot", false, 0, true}, R{"i", false, 0, true},
                             R{"[x]", false, 0, true}, R{"[", false, 0, true}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.translation);
        const QList<TranslationRun> runs = TranslationRuns(QString::fromUtf8(c.translation));
        ASSERT_EQ(runs.size(), c.runs.size());
        for (qsizetype i = 0; i < runs.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(runs[i].text, c.runs[i].text);
            EXPECT_EQ(runs[i], c.runs[i]);
        }
    }
}

TEST(LayoutDictionaryPage, PlacesWordsAndTranslationsInTheirColumns)
{
    const DictionaryModel model = modelOf({
        entry(QStringLiteral("wild cat"), QStringLiteral("[1] żbik [3] x")),
        // The third word ends exactly at x = 200 and stays; the fourth wraps.
        entry(QStringLiteral("aaaa bbbb cccccccccccccccccc dd"), QStringLiteral("t")),
        entry(QStringLiteral("w"), longTranslation(14)),
    });
    const DictionaryPage page = LayoutDictionaryPage(model, 0, fakeMetrics());
    EXPECT_EQ(page.entriesShown, 3);
    const QList<PlacedText> expected = {
        {10, 0, "wild"}, {42, 0, "cat"},
        {200, 0, "n", true}, {214, 0, QStringLiteral("żbik")}, {242, 0, ", v", true}, {272, 0, "x"},
        {10, 16, "aaaa"}, {42, 16, "bbbb"}, {74, 16, "cccccccccccccccccc"}, {10, 32, "dd"},
        {200, 16, "t"},
    };
    ASSERT_GE(page.texts.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(page.texts[i], expected[i]);
    }
    // The third entry starts below the wrapped headword; its 14th word wraps.
    const QList<PlacedText> third = page.texts.mid(expected.size());
    ASSERT_EQ(third.size(), 15);
    EXPECT_EQ(third[0], (PlacedText{10, 48, "w"}));
    EXPECT_EQ(third[1], (PlacedText{200, 48, "ab"}));
    EXPECT_EQ(third[13], (PlacedText{440, 48, "ab"}));
    EXPECT_EQ(third[14], (PlacedText{200, 64, "ab"}));
}

TEST(LayoutDictionaryPage, StopsAtTheRowsAndTheBottomOfTheBox)
{
    const DictionaryModel many = modelOf(oneLineEntries(20));
    EXPECT_EQ(DictionaryRows(fakeMetrics()), 14);
    DictionaryPage page = LayoutDictionaryPage(many, 0, fakeMetrics());
    EXPECT_EQ(page.entriesShown, 14);
    EXPECT_EQ(page.texts.last().y, 13 * 16);
    page = LayoutDictionaryPage(many, 10, fakeMetrics());
    EXPECT_EQ(page.entriesShown, 10);
    EXPECT_EQ(page.texts.first().text, "w10");

    // A translation taller than the box is cut at its bottom.
    const DictionaryModel tall = modelOf({entry(QStringLiteral("w"), longTranslation(13 * 20))});
    page = LayoutDictionaryPage(tall, 0, fakeMetrics());
    EXPECT_EQ(page.entriesShown, 1);
    EXPECT_EQ(page.texts.size(), 1 + 13 * 15);
    EXPECT_EQ(page.texts.last().y, 224);

    DictionaryMetrics noFont = fakeMetrics();
    noFont.lineHeight = 0;
    EXPECT_EQ(LayoutDictionaryPage(many, 0, noFont).entriesShown, 0);
    EXPECT_EQ(DictionaryScrollMaximum(many, noFont), 0);
}

TEST(DictionaryScrollMaximum, LetsTheLastEntryBeSeen)
{
    struct Case {
        int oneLine;    // one-line entries first
        int threeLine;  // then entries of three lines
        int maximum;
    } cases[] = {
        {0, 0, 0},
        {14, 0, 0},
        {15, 0, 1}, // one entry more than the rows: it can be scrolled to
        {20, 0, 6},
        {17, 3, 12}, // 3 × 48 + 5 × 16 = 224: eight entries on the last page
        {0, 20, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.oneLine << " + " << c.threeLine);
        QList<TDane> entries = oneLineEntries(c.oneLine);
        for (int i = 0; i < c.threeLine; ++i)
            entries << entry(QStringLiteral("w"), longTranslation(30));
        const DictionaryModel model = modelOf(entries);
        const int maximum = DictionaryScrollMaximum(model, fakeMetrics());
        EXPECT_EQ(maximum, c.maximum);
        if (!entries.isEmpty()) {
            EXPECT_EQ(maximum + LayoutDictionaryPage(model, maximum, fakeMetrics()).entriesShown, entries.size());
        }
    }

    // An entry taller than the box still gets its own page.
    const DictionaryModel tall = modelOf({entry("a", "b"), entry(QStringLiteral("w"), longTranslation(13 * 20))});
    EXPECT_EQ(DictionaryScrollMaximum(tall, fakeMetrics()), 1);
}

TEST(WheelScroll, MovesOneEntryPerNotchWithinTheRange)
{
    EXPECT_EQ(WheelScroll(2, 1, 5), 3);
    EXPECT_EQ(WheelScroll(2, -1, 5), 1);
    EXPECT_EQ(WheelScroll(5, 1, 5), 5);
    EXPECT_EQ(WheelScroll(0, -1, 5), 0);
    EXPECT_EQ(WheelScroll(3, 1, 0), 0);
}

TEST(LetterButtons, SevenToARowWithTheWideLastButton)
{
    const QList<LetterButtonSpec> buttons = LetterButtons(QStringLiteral("Wszystkie"));
    ASSERT_EQ(buttons.size(), 27);
    struct Case {
        int k;
        const char* caption;
        int x, y, width;
    } cases[] = {
        {0, "A", 360, 68, 22}, {6, "G", 492, 68, 22}, {7, "H", 360, 90, 22}, {20, "U", 492, 112, 22},
        {21, "V", 360, 134, 22}, {25, "Z", 448, 134, 22}, {26, "Wszystkie", 470, 134, 44},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        const LetterButtonSpec& b = buttons[c.k];
        EXPECT_EQ(b.name, QStringLiteral("Litera%1").arg(c.k));
        EXPECT_EQ(b.caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(b.tag, 97 + c.k);
        EXPECT_EQ(b.x, c.x);
        EXPECT_EQ(b.y, c.y);
        EXPECT_EQ(b.width, c.width);
    }
}
