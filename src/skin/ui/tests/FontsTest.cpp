#include "SkinFonts.h"
#include "SmoothText.h"
#include "TestSupport.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QRawFont>

namespace {

TEST(SkinFonts, WindowsFamiliesResolveToTheirSubstitutesWithPolishLetters)
{
    // InstallSkinFonts ran when the test application started.
    const std::pair<const char*, const char*> families[] = {
        {"Tahoma", "Tahoma"},
        {"Trebuchet MS", "Liberation Sans"},
        {"Verdana", "DejaVu Sans"},
        {"Times New Roman", "Liberation Serif"},
        {"Georgia", "DejaVu Serif"},
        {"Courier New", "Liberation Mono"},
        {"Arial", "Liberation Sans"},
    };
    const QString polish = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    for (const auto& [family, expected] : families) {
        for (bool bold : {false, true}) {
            SCOPED_TRACE(testing::Message() << family << (bold ? " bold" : ""));
            const QFont f = SkinFont(QString::fromLatin1(family), 9, bold);
            EXPECT_EQ(QFontInfo(f).family(), QString::fromLatin1(expected));
            const QRawFont raw = QRawFont::fromFont(f);
            for (const QChar c : polish)
                EXPECT_TRUE(raw.supportsCharacter(c)) << QString(c).toStdString();
        }
    }
}

TEST(SkinFonts, PointSizesBecomeWindowsPixelHeights)
{
    const std::pair<int, int> sizes[] = {{7, 9}, {8, 11}, {9, 12}, {12, 16}, {14, 19}, {18, 24}};
    for (const auto& [points, pixels] : sizes)
        EXPECT_EQ(SkinFont("Tahoma", points).pixelSize(), pixels) << points;
}

} // namespace
