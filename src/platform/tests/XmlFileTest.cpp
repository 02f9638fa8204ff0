#include "Utf16Text.h"
#include "XmlFile.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(XmlFile, ReadsUtf16AndUtf8AndSavesUtf16WithBom)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("a.xml");
    testsupport::writeAll(path, encodeUtf16LeLines({"<?xml version=\"1.0\"?>", "<a n=\"ó\">żółw</a>"}));
    auto doc = LoadXmlFile(path);
    ASSERT_TRUE(doc.ok());
    const pugi::xml_node a = (*doc)->child("a");
    EXPECT_EQ(XmlText(a), QStringLiteral("żółw"));
    EXPECT_EQ(XmlAttr(a, "n"), QStringLiteral("ó"));

    ASSERT_TRUE(SaveXmlFile(**doc, path).ok());
    const QByteArray saved = testsupport::readAll(path);
    ASSERT_TRUE(saved.startsWith("\xFF\xFE"));
    EXPECT_TRUE(decodeUtf16Le(saved).contains(QStringLiteral("<a n=\"ó\">żółw</a>")));

    testsupport::writeAll(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?><a>\xC5\xBC</a>");
    auto utf8 = LoadXmlFile(path);
    ASSERT_TRUE(utf8.ok());
    EXPECT_EQ(XmlText((*utf8)->child("a")), QStringLiteral("ż"));
}

TEST(XmlFile, MalformedAndMissingFilesAreFailures)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("bad.xml");
    testsupport::writeAll(path, "<a><b></a>");
    auto bad = LoadXmlFile(path);
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.failure().file, path);
    EXPECT_FALSE(LoadXmlFile(tmp.filePath("none.xml")).ok());
    EXPECT_FALSE(ParseXml(QByteArray("\xFF\xFE<\0", 4)).ok());
}

TEST(XmlFile, IntegerConversionAcceptsOnlyDecimalNumbers)
{
    struct Case {
        const char* text;
        std::optional<int> expected;
    } const cases[] = {
        {"42", 42}, {" 7 ", 7}, {"-1", -1}, {"+3", 3}, {"", std::nullopt}, {"abc", std::nullopt},
        {"1x", std::nullopt}, {"99999999999", std::nullopt}, {"0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseXmlInt(c.text), c.expected);
    }
}
