// Search, ranking, the ending table, the letter buttons and the look-up form,
// on the fixture dictionary Slownik.txt (22 entries, UTF-16 LE):
//   1 bobcat  2 catalogue  3 wild cat  4 cat food  5 cat  6 top cat  7 box
//   8 walk  9 go  10 bring in  11 inside  12 white ([2] biały)  13 bus
//   14 shoe ([1] but)  15 big  16 parish  17 Paris  18 glass  19 sing
//   20 ago  21 dog ([1] pies)  22 pig
#include "DictionaryFile.h"
#include "DictionaryModel.h"
#include "DictionaryText.h"
#include "PackedKeys.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

namespace {

DictionaryModel fixtureModel()
{
    auto file = WczytajDane(QStringLiteral(FIXTURES_DIR "/Slownik.txt"));
    EXPECT_TRUE(file.ok());
    DictionaryModel model;
    if (file.ok())
        model.setEntries(file->entries);
    return model;
}

QStringList listedWords(const DictionaryModel& model)
{
    QStringList words;
    for (int row = 0; row < model.listCount(); ++row)
        words << model.listEntry(row).word;
    return words;
}

QStringList words(const char* barSeparated)
{
    return QString::fromUtf8(barSeparated).split(u'|', Qt::SkipEmptyParts);
}

} // namespace

TEST(DictionaryRank, RanksFromEqualToAnywhere)
{
    struct Case {
        const char* word;
        const char* s;
        int rank;
    } cases[] = {
        {"cat", "cat", 1},
        {"cat food", "cat", 2},
        {"wild cat", "cat", 3},
        {"big cat) x", "cat", 3},  // ")" ends a whole word
        {"ago go", "go", 3},       // a later occurrence is whole
        {"catalogue", "cat", 4},
        {"cat-like", "cat", 4},
        {"bobcat", "cat", 5},
        {"(cat)", "cat", 5},       // "(" does not start a word
        {"ca", "cat", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(DictionaryRank(QString::fromUtf8(c.word), QString::fromUtf8(c.s)), c.rank);
    }
    EXPECT_FALSE(IsWholeWord(u"", u"cat"));
}

TEST(DictionarySearch, OrdersResultsByRankThenFileOrder)
{
    struct Case {
        const char* text;
        SearchField field;
        bool wholeWords;
        const char* expected;
    } cases[] = {
        {"cat", SearchField::Words, false, "cat|cat food|wild cat|top cat|catalogue|bobcat"},
        {"CAT", SearchField::Words, false, "cat|cat food|wild cat|top cat|catalogue|bobcat"},
        {"cat", SearchField::Words, true, "cat|cat food|wild cat|top cat"},
        // The capitalised headword equal to the text comes first.
        {"paris", SearchField::Words, false, "Paris|parish"},
        {"in", SearchField::Words, false, "bring in|inside|sing"},
        {"in", SearchField::Words, true, "bring in"},
        {"go", SearchField::Words, false, "go|ago"},
        {"go", SearchField::Words, true, "go"},
        // Translations are searched after their first four characters ("[1] ").
        {"kot", SearchField::Translations, false, "cat food|cat"},
        {"kot", SearchField::Translations, true, "cat"},
        {"[2", SearchField::Translations, false, ""},
        {"zzz", SearchField::Words, false, ""},
    };
    DictionaryModel model = fixtureModel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        model.setSearchField(c.field);
        model.setWholeWords(c.wholeWords);
        const QStringList expected = words(c.expected);
        EXPECT_EQ(model.Search(QString::fromUtf8(c.text), false), expected.size());
        QStringList got;
        for (int i : model.results())
            got << model.entries()[i].word;
        EXPECT_EQ(got, expected);
    }
}

TEST(DictionarySearch, SearchBoxTakesOffEndingsWhenTheRestOccurs)
{
    struct Case {
        const char* typed;
        SearchField field;
        bool wholeWords;
        const char* searched;
        const char* expected;
    } cases[] = {
        {"cats", SearchField::Words, false, "cat", "cat|cat food|wild cat|top cat|catalogue|bobcat"},
        {"CATS", SearchField::Words, false, "CAT", "cat|cat food|wild cat|top cat|catalogue|bobcat"},
        {"boxes", SearchField::Words, false, "box", "box"},
        {"glasses", SearchField::Words, false, "glass", "glass"},
        // "sho" occurs in "shoe", so "es" comes off; as whole words only "s" does.
        {"shoes", SearchField::Words, false, "sho", "shoe"},
        {"shoes", SearchField::Words, true, "shoe", "shoe"},
        {"xyzes", SearchField::Words, false, "xyzes", ""},
        // An ending alone is searched, not turned into "show everything".
        {"s", SearchField::Words, false, "s", "shoe|sing|inside|bus|parish|Paris|glass"},
        // Polish translations keep their endings: "pies" is not searched as "pi".
        {"pies", SearchField::Translations, false, "pies", "dog"},
    };
    DictionaryModel model = fixtureModel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        model.setSearchField(c.field);
        model.setWholeWords(c.wholeWords);
        EXPECT_EQ(model.SearchBox(QString::fromUtf8(c.typed)), QString::fromUtf8(c.searched));
        EXPECT_FALSE(model.showAll());
        EXPECT_EQ(listedWords(model), words(c.expected));
    }

    EXPECT_EQ(model.SearchBox(QString()), QString());
    EXPECT_TRUE(model.showAll());
    EXPECT_EQ(model.listCount(), 22);
}

TEST(DictionarySearch, LetterButtonsSearchByFirstLetter)
{
    struct Case {
        SearchField field;
        int tag;
        const char* expected;
    } cases[] = {
        {SearchField::Words, 'b', "bobcat|box|bring in|bus|big"},
        {SearchField::Words, 'p', "parish|Paris|pig"},
        {SearchField::Translations, 'b', "white|shoe"},
        {SearchField::Words, 'q', ""},
    };
    DictionaryModel model = fixtureModel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        model.setSearchField(c.field);
        model.PressLetterButton(c.tag);
        EXPECT_FALSE(model.showAll());
        EXPECT_EQ(listedWords(model), words(c.expected));
    }

    // The last button lists everything again; unknown tags change nothing.
    model.PressLetterButton('b');
    model.PressLetterButton(50);
    EXPECT_FALSE(model.showAll());
    model.PressLetterButton(123);
    EXPECT_TRUE(model.showAll());
    EXPECT_EQ(model.listCount(), 22);
    EXPECT_EQ(model.listEntry(21).word, "pig");
}

TEST(DictionaryForm, StripsPunctuationAndOneEndingOfUnknownWords)
{
    struct Case {
        const char* word;
        const char* form;
    } cases[] = {
        {"(walked)!", "walk"},
        {"  Dogs. ", "Dog"},
        {"GOES", "GO"},
        {"singing", "sing"},
        {"xs", "x"},
        {"Paris,", "Paris"},     // found as it is: no ending comes off
        {"bus", "bus"},
        {"ed", "ed"},            // too short for any ending
        {"1234567890", ""},
        {"_@#$", ""},
        {"\t[cat]\n", "cat"},
        {"don't", "don't"},      // inner punctuation stays; "t" has no ending
    };
    DictionaryModel model = fixtureModel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(model.DictionaryForm(QString::fromUtf8(c.word)), QString::fromUtf8(c.form));
    }
}

TEST(DictionaryForm, LooksInHeadwordsWhateverTheSearchOptionAndKeepsResults)
{
    DictionaryModel model = fixtureModel();
    model.setSearchField(SearchField::Translations);
    model.SearchBox(QStringLiteral("kot"));
    // "glass" is in no translation, but it is a headword: nothing comes off.
    EXPECT_EQ(model.DictionaryForm(QStringLiteral("glass")), "glass");
    EXPECT_EQ(listedWords(model), words("cat food|cat"));

    DictionaryModel empty;
    EXPECT_EQ(empty.DictionaryForm(QStringLiteral("cats")), "cat");
    EXPECT_EQ(empty.DictionaryForm(QStringLiteral("?")), "");
}

TEST(DictionarySearch, ShowingAndReloadingResetTheList)
{
    DictionaryModel model = fixtureModel();
    model.setSearchField(SearchField::Translations);
    model.setWholeWords(true);
    model.SearchBox(QStringLiteral("kot"));
    ASSERT_EQ(model.listCount(), 1);

    model.PrepareShowing();
    EXPECT_TRUE(model.showAll());
    EXPECT_TRUE(model.results().isEmpty());
    EXPECT_EQ(model.searchField(), SearchField::Words);
    EXPECT_TRUE(model.wholeWords());

    model.SearchBox(QStringLiteral("cat"));
    model.setEntries({TDane{1, QStringLiteral("one"), {}, {}, {}}});
    EXPECT_TRUE(model.showAll());
    EXPECT_EQ(model.listCount(), 1);
    EXPECT_EQ(model.Search(QStringLiteral("ONE"), true), 1);
}

TEST(PackedKeys, FindsEveryKindOfMatchAcrossTheWholeList)
{
    const PackedKeys keys(QStringList{"cat", "wild cat", "bobcat", "cat)x", "a\nb", QString(), QStringLiteral("żółw cat")});
    struct Case {
        const char* needle;
        KeyMatch how;
        QList<int> expected;
    } cases[] = {
        {"cat", KeyMatch::Contains, {0, 1, 2, 3, 6}},
        {"cat", KeyMatch::WholeWord, {0, 1, 3, 6}},
        {"cat", KeyMatch::Prefix, {0, 3}},
        {"c", KeyMatch::Prefix, {0, 3}},
        {"żółw", KeyMatch::Prefix, {6}},
        {"a b", KeyMatch::Contains, {4}},   // a line feed inside a key became a blank
        {"t\nw", KeyMatch::Contains, {}},   // never across two keys
        {"t w", KeyMatch::Contains, {}},
        {"", KeyMatch::Contains, {0, 1, 2, 3, 4, 5, 6}},
        {"", KeyMatch::WholeWord, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.needle);
        EXPECT_EQ(keys.matches(c.needle, c.how), c.expected);
    }
    EXPECT_EQ(keys.matches("cat", KeyMatch::Contains, 2), (QList<int>{0, 1}));
    EXPECT_EQ(keys.key(1), "wild cat");
    EXPECT_EQ(keys.key(5), "");
    EXPECT_TRUE(PackedKeys().matches("", KeyMatch::Contains).isEmpty());
}
