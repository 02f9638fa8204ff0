#include "AnsiText.h"
#include "FieldOf.h"
#include "IniFile.h"
#include "Utf16Text.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FieldOf, SplitsByTheRulesOfTheCourseFiles)
{
    struct Case {
        int n;
        const char* text;
        char sep;
        const char* expected;
    } const cases[] = {
        {1, "a/b/c", '/', "a"},
        {3, "a/b/c", '/', "c"},
        {4, "a/b/c", '/', ""},     // beyond the last field
        {3, "a/b/c/", '/', "c"},   // a final separator adds no field
        {4, "a/b/c/", '/', ""},
        {2, "a//c", '/', ""},      // consecutive separators give an empty field
        {3, "a//c", '/', "c"},
        {1, "", '/', ""},          // empty text
        {0, "a/b", '/', ""},       // n below 1
        {-1, "a/b", '/', ""},
        {1, "/a", '/', ""},        // a leading separator gives an empty first field
        {2, "/a", '/', "a"},
        {5, "7=Ala=K=0==12", '=', ""},
        {6, "7=Ala=K=0==12", '=', "12"},
        {2, "x=y=z", '=', "y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text << " #" << c.n);
        EXPECT_EQ(FieldOf(c.n, QString::fromUtf8(c.text), QChar(c.sep)), QString::fromUtf8(c.expected));
        EXPECT_EQ(FieldOf(c.n, QByteArray(c.text), c.sep), QByteArray(c.expected));
    }
}

TEST(AnsiText, RoundTripsPolishLettersInWindows1250)
{
    const QString polish = QStringLiteral("Zażółć gęślą jaźń ŻÓŁĆ ĘŚĄŹŃ €");
    const auto bytes = encodeAnsi(polish);
    ASSERT_TRUE(bytes.has_value());
    // Bytes of the Windows-1250 code page, not Latin-2 or UTF-8.
    EXPECT_EQ(bytes->at(2), char(0xBF)); // ż
    EXPECT_EQ(bytes->at(3), char(0xF3)); // ó
    EXPECT_EQ(bytes->at(4), char(0xB3)); // ł
    EXPECT_EQ(bytes->back(), char(0x80)); // €
    EXPECT_EQ(decodeAnsi(*bytes), polish);
}

TEST(AnsiText, RefusesCharactersOutsideTheCodePage)
{
    EXPECT_FALSE(encodeAnsi(QStringLiteral("日本")).has_value());
    EXPECT_EQ(encodeAnsiLossy(QStringLiteral("a日b")), QByteArray("a?b"));
    EXPECT_TRUE(isAnsiRepresentable(QStringLiteral("Łódź")));
}

TEST(AnsiText, SplitsLinesAtEveryKindOfLineBreak)
{
    EXPECT_EQ(splitAnsiLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(splitAnsiLines("a\r\n"), (QStringList{"a"}));
    EXPECT_EQ(splitAnsiLines("a\r\n\r\nb"), (QStringList{"a", "", "b"}));
    EXPECT_EQ(splitAnsiLines(""), QStringList{});
}

TEST(Utf16Text, EncodesWithByteOrderMarkAndCrLf)
{
    const QByteArray b = encodeUtf16LeLines({QStringLiteral("<a>ż</a>")});
    const QByteArray expected = QByteArray("\xFF\xFE<\0a\0>\0\x7C\x01<\0/\0a\0>\0\r\0\n\0", 22);
    EXPECT_EQ(b, expected);
    EXPECT_EQ(decodeUtf16Le(b), QStringLiteral("<a>ż</a>\r\n"));
}

TEST(IniFile, FollowsTheWindowsRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cfg.ini");
    testsupport::writeAll(path, "; comment\r\n[Other]\r\nCD=wrong\r\n[default]\r\n  cd =  D:\\Kurs  \r\nQ=\"quoted\"\r\nCD=second\r\n");
    EXPECT_EQ(ReadIniString(path, "DEFAULT", "CD"), "D:\\Kurs");       // case-insensitive, trimmed, first wins
    EXPECT_EQ(ReadIniString(path, "DEFAULT", "Q"), "quoted");
    EXPECT_EQ(ReadIniString(path, "DEFAULT", "missing", "dflt"), "dflt");
    EXPECT_EQ(ReadIniString(path, "NOSECTION", "CD", "dflt"), "dflt");
    EXPECT_EQ(ReadIniString(dir.filePath("none.ini"), "DEFAULT", "CD"), "");

    // Non-ASCII values are read as Windows-1250.
    testsupport::writeAll(path, QByteArray("[DEFAULT]\nCD=/mnt/p\xB3yta\n"));
    EXPECT_EQ(ReadIniString(path, "DEFAULT", "CD"), QStringLiteral("/mnt/płyta"));
}
