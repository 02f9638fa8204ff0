#include "SmoothText.h"
#include "TestSupport.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

// The bounding box of the pixels that are not white, and whether some of them
// are neither white nor the ink colour (smoothed edges).
struct Ink {
    QRect box;
    bool smoothed = false;
};

Ink inkOf(const QImage& img)
{
    Ink ink;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (p == qRgb(255, 255, 255))
                continue;
            ink.box |= QRect(x, y, 1, 1);
            if (p != qRgb(0, 0, 0))
                ink.smoothed = true;
        }
    }
    return ink;
}

QImage blank()
{
    QImage img(300, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}

TEST(SmoothText, DrawsFromTheTopLeftOfItsLineBoxWithSmoothedEdges)
{
    const QFont font = SkinFont("Tahoma", 8);
    QImage img = blank();
    {
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::black);
        DrawSmoothText(p, 20, 30, "Żółta łódź");
    }
    const Ink ink = inkOf(img);
    ASSERT_FALSE(ink.box.isEmpty());
    EXPECT_GE(ink.box.top(), 29); // from the top of the line box (an accent's edge may reach one pixel above)
    EXPECT_LT(ink.box.bottom(), 30 + TextHeight(font, "Żółta łódź"));
    EXPECT_GE(ink.box.left(), 20);
    EXPECT_LE(ink.box.right(), 20 + TextWidth(font, "Żółta łódź"));
    EXPECT_TRUE(ink.smoothed);
}

TEST(SmoothText, RectVariantWrapsInsideItsWorkAreaOnly)
{
    const QFont font = PixelFont("Trebuchet MS", 16);
    const QString text = "Posłuchaj nagrania i powtórz każde zdanie na głos, wyraźnie i powoli.";
    QImage img = blank();
    const QRect rect(0, 0, 150, 60);
    {
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::black);
        DrawSmoothTextRect(p, rect, 40, 10, DT_LEFT | DT_WORDBREAK, text);
    }
    const Ink ink = inkOf(img);
    ASSERT_FALSE(ink.box.isEmpty());
    EXPECT_TRUE(QRect(40, 10, 150, 60).contains(ink.box)); // clipped to the work area
    EXPECT_GT(ink.box.height(), QFontMetrics(font).height()); // more than one line
    EXPECT_GE(ink.box.top(), 20);                             // laid from rect.top + 2y

    const QRect measured = MeasureTextRect(font, rect, DT_WORDBREAK, text);
    EXPECT_EQ(measured.topLeft(), QPoint(0, 0));
    EXPECT_EQ(measured.width(), 150);
    EXPECT_GE(measured.height(), 3 * QFontMetrics(font).height());
}

} // namespace
