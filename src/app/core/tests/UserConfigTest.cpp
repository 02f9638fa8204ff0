#include "UserConfig.h"
#include "UserFiles.h"

#include "ProfilesFixture.h"

#include "TestSupport.h"
#include "Utf16Text.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct UserConfigFixture : ProfilesFixture {
    static TUstawienia loggedIn(qint32 id)
    {
        TUstawienia s;
        s.User.Id = id;
        return s;
    }
};

// The default file's 14 lines with some values replaced.
QByteArray configWith(std::initializer_list<std::pair<int, const char*>> changes)
{
    QStringList values = {"0", "0", "0", "1", "61", "3", "1", "1", "1", "0", "1"};
    for (const auto& [id, v] : changes)
        values[id - 1] = QString::fromLatin1(v);
    QStringList lines = {R"(<?xml version="1.0"?>)", "<config>"};
    for (int id = 1; id <= 11; ++id)
        lines.append(QStringLiteral("<value id=\"%1\">%2</value>").arg(id).arg(values[id - 1]));
    lines.append("</config>");
    return encodeUtf16LeLines(lines);
}

} // namespace

TEST(TUstawienia, StartsWithTheValuesOfANewSettingsFile)
{
    const TUstawienia s;
    EXPECT_EQ(s.InterfaceLanguage, 0);
    EXPECT_EQ(s.InstructionLanguage, 1);
    EXPECT_EQ(s.TranslationLanguage, 0);
    EXPECT_FALSE(s.ArchiveRecordings);
    EXPECT_TRUE(s.ReviewsOn);
    EXPECT_EQ(s.ReviewThreshold, 61);
    EXPECT_EQ(s.Option6, 3);
    EXPECT_TRUE(s.Option7 && s.Option8 && s.Option9);
    EXPECT_FALSE(s.PunctuationRules);
    EXPECT_TRUE(s.LetterCase);
    EXPECT_EQ(configWith({}), DefaultConfigFileBytes());
}

TEST_F(UserConfigFixture, MissingFileIsWrittenAgainWithTheNotice)
{
    TUstawienia s = loggedIn(5);
    s.InterfaceLanguage = 2;
    s.LetterCase = false;
    const TUstawienia before = s;
    const UserConfigRead r = ReadUserConfig(inst, s);
    ASSERT_TRUE(r.notice.has_value());
    EXPECT_EQ(r.notice->text, QStringLiteral("Brak pliku ustawień użytkownika! Plik został stworzony ponownie! "));
    EXPECT_EQ(r.notice->caption, QStringLiteral("Błąd"));
    EXPECT_EQ(r.notice->icon, MessageIcon::Error);
    EXPECT_FALSE(r.interfaceLanguageChanged);
    EXPECT_EQ(s, before);
    EXPECT_EQ(testsupport::readAll(users + "5_config.xml"), DefaultConfigFileBytes());
}

TEST_F(UserConfigFixture, ReadsValuesByIdLaterOnesWinning)
{
    // 2_config.xml is UTF-8 with a comment: ids 2, 1, 12, 5 (80 then 90) and 3
    // with a text that is not a number; no 4 or 6..11.
    TUstawienia s = loggedIn(2);
    s.LetterCase = false;
    s.ArchiveRecordings = true;
    const UserConfigRead r = ReadUserConfig(inst, s);
    EXPECT_FALSE(r.notice.has_value());
    EXPECT_TRUE(r.interfaceLanguageChanged);
    EXPECT_EQ(s.InterfaceLanguage, 2);
    EXPECT_EQ(s.TranslationLanguage, 255);
    EXPECT_EQ(s.ReviewThreshold, 90);
    EXPECT_TRUE(s.ArchiveRecordings); // "abc" is ignored
    EXPECT_FALSE(s.LetterCase);       // id 11 missing: as it was
    EXPECT_EQ(s.InstructionLanguage, 1);
    EXPECT_EQ(s.User.Id, 2);
}

TEST_F(UserConfigFixture, ReadsEveryIdOfAUtf16File)
{
    testsupport::writeAll(users + "1_config.xml",
                          configWith({{1, "1"}, {2, "3"}, {3, "1"}, {4, "0"}, {5, "40"}, {6, "9"}, {7, "0"},
                                      {8, "0"}, {9, "0"}, {10, "1"}, {11, "0"}}));
    TUstawienia s = loggedIn(1);
    const UserConfigRead r = ReadUserConfig(inst, s);
    EXPECT_TRUE(r.interfaceLanguageChanged);
    TUstawienia expected = loggedIn(1);
    expected.InterfaceLanguage = 1;
    expected.TranslationLanguage = 3;
    expected.ArchiveRecordings = true;
    expected.ReviewsOn = false;
    expected.ReviewThreshold = 40;
    expected.Option6 = 9;
    expected.Option7 = expected.Option8 = expected.Option9 = false;
    expected.PunctuationRules = true;
    expected.LetterCase = false;
    EXPECT_EQ(s, expected);
}

TEST_F(UserConfigFixture, LanguageCountsAsChangedOnlyWhenTheFinalValueDiffers)
{
    struct Case {
        const char* values;
        quint8 current;
        bool changed;
        quint8 result;
    } const cases[] = {
        {R"(<value id="1">0</value>)", 0, false, 0},
        {R"(<value id="1">2</value><value id="1">0</value>)", 0, false, 0}, // away and back
        {R"(<value id="1">0</value><value id="1">2</value>)", 2, false, 2},
        {R"(<value id="1">1</value>)", 2, true, 1},
        {R"(<value id="1">300</value>)", 2, false, 2}, // not a language id
        {R"(<value id="2">1</value>)", 2, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values);
        testsupport::writeAll(users + "1_config.xml", QByteArray("<config>") + c.values + "</config>");
        TUstawienia s = loggedIn(1);
        s.InterfaceLanguage = c.current;
        EXPECT_EQ(ReadUserConfig(inst, s).interfaceLanguageChanged, c.changed);
        EXPECT_EQ(s.InterfaceLanguage, c.result);
    }
}

TEST_F(UserConfigFixture, BrokenFileIsReportedAndLeftAlone)
{
    const QByteArray broken = testsupport::readAll(users + "3_config.xml");
    TUstawienia s = loggedIn(3);
    const TUstawienia before = s;
    const UserConfigRead r = ReadUserConfig(inst, s);
    ASSERT_TRUE(r.notice.has_value());
    EXPECT_TRUE(r.notice->text.contains(QStringLiteral("uszkodzony")));
    EXPECT_EQ(s, before);
    EXPECT_FALSE(WriteUserConfig(inst, s).ok());
    EXPECT_EQ(testsupport::readAll(users + "3_config.xml"), broken);
}

TEST_F(UserConfigFixture, WriteSetsEachValueOfTheDefaultFile)
{
    TUstawienia s = loggedIn(1);
    s.InterfaceLanguage = 2;
    s.TranslationLanguage = 255;
    s.ArchiveRecordings = true;
    s.ReviewThreshold = 100;
    s.Option6 = 17; // always written as 3
    s.Option8 = false;
    s.LetterCase = false;
    ASSERT_TRUE(WriteUserConfig(inst, s).ok());
    EXPECT_EQ(testsupport::readAll(users + "1_config.xml"),
              configWith({{1, "2"}, {2, "255"}, {3, "1"}, {5, "100"}, {8, "0"}, {11, "0"}}));

    // And it reads back.
    TUstawienia back = loggedIn(1);
    (void)ReadUserConfig(inst, back);
    s.Option6 = 3;
    EXPECT_EQ(back, s);
}

TEST_F(UserConfigFixture, WriteKeepsTheStructureAndEncodingOfTheFile)
{
    TUstawienia s = loggedIn(2);
    s.InterfaceLanguage = 1;
    s.TranslationLanguage = 4;
    s.ReviewThreshold = 75;
    s.ArchiveRecordings = true;
    ASSERT_TRUE(WriteUserConfig(inst, s).ok());
    // Comment, order, unknown id 12, the second id 5, line breaks and UTF-8 stay;
    // the missing ids are not added.
    EXPECT_EQ(testsupport::readAll(users + "2_config.xml"), QByteArray(R"(<?xml version="1.0" encoding="UTF-8"?>
<!-- ustawienia -->
<config>
  <value id="2">4</value>
  <value id="1">1</value>
  <value id="12">7</value>
  <value id="5">75</value>
  <value id="5">75</value>
  <value id="3">1</value>
</config>
)"));
}

TEST_F(UserConfigFixture, WriteRecreatesAMissingFile)
{
    TUstawienia s = loggedIn(8);
    s.ReviewsOn = false;
    ASSERT_TRUE(WriteUserConfig(inst, s).ok());
    EXPECT_EQ(testsupport::readAll(users + "8_config.xml"), configWith({{4, "0"}}));
}
