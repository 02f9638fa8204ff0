#include "SkinCanvas.h"
#include "TLumOdpList.h"
#include "Test2Pictures.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {

// A list as the test window uses it: variable rows, Interlinia 10, the icons.
struct ListFixture : ::testing::Test {
    TLumOdpList list;
    ListFixture()
    {
        list.resize(600, 300);
        list.setCzyZmiennaLiczbaOdpowiedzi(true);
        list.setInterlinia(10);
        list.setIcon(OdpIcon());
        list.setIconOK(OdpIconOK());
        list.setIconWrong(OdpIconWrong());
        list.setIleOdpowiedzi(3);
        list.SetRowText(1, QStringLiteral("went"));
        list.SetRowText(2, QStringLiteral("go"));
        list.SetRowText(3, QStringLiteral("gone"));
    }

    // Which own pictures were painted, as "label@row".
    QStringList icons()
    {
        SkinPaintLog log;
        list.render(&scratch);
        QStringList out;
        for (const SkinDrawn& d : log.items)
            if (d.kind == SkinDrawn::OwnPicture)
                for (int row = 1; row <= list.rowCount(); ++row)
                    if (list.RowFrame(row).contains(d.rect.center()))
                        out.append(QStringLiteral("%1@%2").arg(d.name).arg(row));
        return out;
    }
    // The colour just inside row `row`'s frame, left of the icon.
    QColor frameFill(int row)
    {
        const QImage img = list.grab().toImage();
        const QRect f = list.RowFrame(row);
        return img.pixelColor(f.left() + 3, f.top() + 2);
    }
    QImage scratch{600, 300, QImage::Format_ARGB32_Premultiplied};
};

} // namespace

TEST_F(ListFixture, RowsAreLaidOutBesideTheIconsOneBelowTheOther)
{
    const int left = 20 + OdpIcon().width() + 8; // MarginesImage + icon + Margines
    QRect previous;
    for (int row = 1; row <= 3; ++row) {
        SCOPED_TRACE(row);
        const QRect r = list.RowRect(row);
        EXPECT_EQ(r.left(), left);
        EXPECT_EQ(r.right(), 600 - 8 - 1);
        if (row > 1) {
            EXPECT_EQ(r.top(), previous.bottom() + 1 + 10 + 2);
        }
        EXPECT_EQ(list.RowFrame(row), QRect(QPoint(8, r.top() - 7), QPoint(600 - 8 - 1, r.bottom() + 7)));
        previous = r;
    }
    EXPECT_EQ(list.RowFrame(1).top(), 0);

    // A long answer wraps and pushes the next row down; an empty row is skipped.
    const int oneLine = list.RowRect(2).height();
    list.SetRowText(2, QString(QStringLiteral("a long answer ")).repeated(12));
    EXPECT_GE(list.RowRect(2).height(), 2 * oneLine);
    EXPECT_EQ(list.RowRect(3).top(), list.RowRect(2).bottom() + 13);
    list.SetRowText(2, QString());
    EXPECT_TRUE(list.RowRect(2).isEmpty());
    EXPECT_EQ(list.RowRect(3).top(), list.RowRect(1).bottom() + 13);
    EXPECT_EQ(list.RowAt(list.RowFrame(3).center()), 3);
    EXPECT_EQ(list.RowAt(QPoint(300, 299)), -1);
}

TEST_F(ListFixture, IconsAndFramesFollowTheSelectionAndTheCorrectRow)
{
    const struct Case {
        const char* name;
        int selected, correct;
        bool highlight;
        QStringList icons;
        QList<QColor> fills; // of rows 1..3
    } cases[] = {
        {"nothing picked yet", -1, -1, true, {"Icon@1", "Icon@2", "Icon@3"}, {}},
        {"a wrong pick", 2, 1, true, {"IconOK@1", "IconWrong@2"}, {TLumOdpList::greenFill(), TLumOdpList::lightFill()}},
        {"a right pick keeps the light frame", 3, 3, true, {"IconOK@3"}, {{}, {}, TLumOdpList::lightFill()}},
        {"no pick: the correct row shown", -1, 2, true, {"Icon@1", "IconOK@2", "Icon@3"}, {{}, TLumOdpList::greenFill()}},
        {"no green frame without highlighting", 2, 1, false, {"IconOK@1", "IconWrong@2"}, {{}, TLumOdpList::lightFill()}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.setSelectedItem(c.selected);
        list.setCorrect(c.correct);
        list.setHighLightCorrect(c.highlight);
        EXPECT_EQ(icons(), c.icons);
        for (int row = 1; row <= 3; ++row) {
            const QColor want = row <= c.fills.size() && c.fills[row - 1].isValid() ? c.fills[row - 1] : QColor();
            if (want.isValid())
                EXPECT_EQ(frameFill(row), want) << "row " << row;
            else
                EXPECT_NE(frameFill(row), TLumOdpList::lightFill()) << "row " << row;
        }
    }
}

TEST_F(ListFixture, HoverAndClickWorkOnlyWhileNothingIsSelected)
{
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    QSignalSpy clicks(&list, &TLumOdpList::rowClicked);
    const QPoint onRow2 = list.RowFrame(2).center();

    QTest::mouseMove(&list, onRow2);
    EXPECT_EQ(list.hoveredRow(), 2);
    EXPECT_EQ(list.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(frameFill(2), TLumOdpList::lightFill());
    QTest::mouseMove(&list, QPoint(300, 299));
    EXPECT_EQ(list.hoveredRow(), -1);
    EXPECT_EQ(list.cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(&list, Qt::LeftButton, {}, onRow2);
    QTest::mouseClick(&list, Qt::RightButton, {}, list.RowFrame(3).center());
    QTest::mouseClick(&list, Qt::LeftButton, {}, QPoint(300, 299));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 2);

    list.setSelectedItem(1);
    QTest::mouseMove(&list, list.RowFrame(3).center());
    EXPECT_EQ(list.hoveredRow(), -1);
    QTest::mouseClick(&list, Qt::LeftButton, {}, list.RowFrame(3).center());
    list.setSelectedItem(-1);
    list.setEnabled(false);
    QTest::mouseClick(&list, Qt::LeftButton, {}, list.RowFrame(3).center());
    EXPECT_EQ(clicks.size(), 1);
}

TEST(TLumOdpList, FixedModeHasFourRowsWhateverTheCount)
{
    TLumOdpList list;
    list.resize(400, 200);
    list.setOdp1(QStringLiteral("a"));
    list.setOdp4(QStringLiteral("d"));
    list.setIleOdpowiedzi(2);
    EXPECT_EQ(list.rowCount(), 4);
    EXPECT_EQ(list.Odp4(), QStringLiteral("d"));
    EXPECT_TRUE(list.RowRect(2).isEmpty());
    EXPECT_EQ(list.RowRect(4).top(), list.RowRect(1).bottom() + 1 + 20 + 2); // default Interlinia 20
    list.setCzyZmiennaLiczbaOdpowiedzi(true);
    EXPECT_EQ(list.rowCount(), 2);
    EXPECT_EQ(list.Odp1(), QStringLiteral("a"));
    list.SetRowText(5, QStringLiteral("ignored"));
    EXPECT_EQ(list.RowText(5), QString());
    EXPECT_EQ(list.SelectedItem(), -1);
    list.setSelectedItem(3);
    EXPECT_EQ(list.SelectedItem(), -1) << "no such row";
}
