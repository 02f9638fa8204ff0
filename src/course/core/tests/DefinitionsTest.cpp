#include "Definitions.h"

#include "CourseFixtures.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

static QString groupsOf(const TDrzewo& tree)
{
    QString out;
    for (const TElement* g : tree.root()->Children)
        out += QStringLiteral("%1/%2/%3/%4 ").arg(g->NodeId).arg(g->GroupId).arg(g->NodeType).arg(g->Caption);
    return out.trimmed();
}

TEST(Definitions, GroupSetAndCaptionsFollowModeAndLanguage)
{
    const QString dir = QStringLiteral(FIXTURES_DIR "/selko");
    struct Case {
        int mode;
        int language;
        const char* groups;
    } const cases[] = {
        // Duplicate group id 1: the second node takes the first caption found for id 1.
        {1, 0, "11/1/-1/Słuchanie 12/2/-1/ 11/1/-1/Słuchanie"},
        {3, 0, "11/1/-1/Słuchanie 12/2/-1/ 11/1/-1/Słuchanie"},
        {1, 1, "11/1/-1/Listening 12/2/-1/Conversations 11/1/-1/Listening"},
        {2, 0, "15/5/-1/Gramatyka 16/6/-1/Słownictwo"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " language " << c.language);
        Installation inst = coursefx::installation(dir, c.mode, c.language);
        TDrzewo tree;
        ASSERT_TRUE(LoadDefinitions(inst, tree).ok());
        EXPECT_EQ(groupsOf(tree), QString::fromUtf8(c.groups));
    }
}

TEST(Definitions, InterfaceTextsHoldOneEntryPerHint)
{
    Installation inst = coursefx::installation(QStringLiteral(FIXTURES_DIR "/selko"), 1, 0);
    inst.uiTexts.append(999, "stale");
    TDrzewo tree;
    ASSERT_TRUE(LoadDefinitions(inst, tree).ok());
    EXPECT_EQ(inst.uiTexts.entries().size(), 18);  // one per hint, even without a text
    EXPECT_EQ(inst.UiText(9), "Prezentacja");
    EXPECT_EQ(inst.UiText(41), QStringLiteral("Sprawdź")); // first hint 41 lacks Polish: the second's text
    EXPECT_EQ(inst.UiText(42), "");                       // English only
    EXPECT_EQ(inst.UiText(43), "a=b=c");                  // duplicate id: the first; "=" kept
    EXPECT_EQ(inst.UiText(999), "");                      // the table was rebuilt

    inst.interfaceLanguage = 1;
    ASSERT_TRUE(LoadDefinitions(inst, tree).ok());
    EXPECT_EQ(inst.UiText(41), "Check");
    EXPECT_EQ(inst.UiText(42), "Only English");
    EXPECT_EQ(inst.UiText(10), "");
}

TEST(Definitions, SettingsWindowLanguageLists)
{
    const auto langs = ReadLanguages(coursefx::installation(QStringLiteral(FIXTURES_DIR "/selko"), 1));
    ASSERT_TRUE(langs.ok());
    EXPECT_EQ(InterfaceLanguageItems(*langs), (QStringList{"polski=0", "english=1", "deutsch=2"}));
    EXPECT_EQ(TranslationLanguageItems(*langs), (QStringList{QStringLiteral("BRAK TŁUMACZEŃ=255"), "english=1", "deutsch=2"}));
    EXPECT_EQ(TranslationLanguageItems({{0, "Polski", 0}}), QStringList{QStringLiteral("BRAK TŁUMACZEŃ=255")});
}

TEST(Definitions, UnreadableFileFailsAndChangesNothing)
{
    struct Case {
        const char* name;
        QByteArray content; // null: no file
        int mode;
    } const cases[] = {
        {"missing file", QByteArray(), 1},
        {"malformed XML", "<definitions><hinty>", 1},
        {"non-numeric hint id", "<definitions><hinty><hint id=\"x\"/></hinty><groups/></definitions>", 1},
        {"non-numeric group id", "<definitions><groups><grupa id=\"\"/></groups></definitions>", 1},
        {"mode 2 without a second group set", "<definitions><groups><grupa id=\"1\"/></groups></definitions>", 2},
        {"wrong root", "<config/>", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        if (!c.content.isNull())
            testsupport::writeAll(tmp.path() + "/Config/definitions.xml", c.content);
        Installation inst = coursefx::installation(tmp.path(), c.mode);
        inst.uiTexts.append(1, "kept");
        TDrzewo tree;
        const Status s = LoadDefinitions(inst, tree);
        ASSERT_FALSE(s.ok());
        EXPECT_EQ(s.failure().text,
                  QStringLiteral("Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!"));
        EXPECT_EQ(s.failure().caption, QStringLiteral("Błąd"));
        EXPECT_EQ(tree.root()->ChildCount(), 0);
        EXPECT_EQ(inst.UiText(1), "kept");
    }
}
