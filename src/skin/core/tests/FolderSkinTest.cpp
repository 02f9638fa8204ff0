#include "FolderSkin.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

namespace {

void writePng(const QString& dir, const QString& name, QSize size, QColor color = Qt::red)
{
    QImage img(size, QImage::Format_ARGB32);
    img.fill(color);
    ASSERT_TRUE(img.save(dir + "/" + name + ".png", "PNG"));
}

TEST(FolderSkin, ReadsPicturesByNameAndAnswersNullForMissingOrBrokenOnes)
{
    QTemporaryDir dir;
    writePng(dir.path(), "G05_H_9_1", {4, 24}, QColor(10, 20, 30, 128));
    writePng(dir.path(), "wykres_bg", {259, 90});
    testsupport::writeAll(dir.path() + "/WYKRES_05.png", "not a png");

    FolderSkin skin(dir.path());
    const QImage face = skin.image("G05_H_9_1");
    ASSERT_FALSE(face.isNull());
    EXPECT_EQ(face.size(), QSize(4, 24));
    EXPECT_EQ(qAlpha(face.pixel(0, 0)), 128); // the alpha channel survives
    EXPECT_EQ(skin.image("WYKRES_BG").size(), QSize(259, 90)); // lower-case file name
    EXPECT_TRUE(skin.image("WYKRES_05").isNull());
    EXPECT_TRUE(skin.image("WYKRES_100").isNull());
}

TEST(FolderSkin, RecordMeasuresTheBlueCornersAndFailsWhenOneIsMissing)
{
    QTemporaryDir dir;
    writePng(dir.path(), "DIAL01_B", {21, 22});
    writePng(dir.path(), "DIAL03_B", {23, 24});
    writePng(dir.path(), "DIAL09_B", {27, 28});
    FolderSkin skin(dir.path());
    EXPECT_FALSE(MeasureSkinRecord(skin).has_value()); // DIAL07_B missing

    writePng(dir.path(), "DIAL07_B", {25, 26});
    const auto rec = MeasureSkinRecord(skin);
    ASSERT_TRUE(rec.has_value());
    EXPECT_EQ(rec->library, &skin);
    EXPECT_EQ(rec->Dial01Width, 21);
    EXPECT_EQ(rec->Dial01Height, 22);
    EXPECT_EQ(rec->Dial03Width, 23);
    EXPECT_EQ(rec->Dial03Height, 24);
    EXPECT_EQ(rec->Dial07Width, 25);
    EXPECT_EQ(rec->Dial07Height, 26);
    EXPECT_EQ(rec->Dial09Width, 27);
    EXPECT_EQ(rec->Dial09Height, 28);
}

} // namespace
