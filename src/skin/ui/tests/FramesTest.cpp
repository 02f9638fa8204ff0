#include "ApplySkin.h"
#include "SmoothText.h"
#include "TLumBelka.h"
#include "TLumDialogWindow.h"
#include "TLumGroupFrame.h"
#include "TLumMsgBoxWindow.h"
#include "TestSupport.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

using namespace uitest;

namespace {

QStringList textsOf(const std::vector<SkinDrawn>& log)
{
    QStringList out;
    for (const SkinDrawn& d : log) {
        if (d.kind == SkinDrawn::Text)
            out << QStringLiteral("%1@%2,%3").arg(d.name).arg(d.rect.x()).arg(d.rect.y());
    }
    return out;
}

class TitleBar : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(1024, 768);
        bar = new TLumBelka(&window);
        ApplySkin(&window, skin.record());
        bar->setZalogowany(QStringLiteral("Łucja"));
    }
    RecordingSkin skin;
    QWidget window;
    TLumBelka* bar = nullptr;
};

TEST_F(TitleBar, ClassicBarWithFigureAndTexts)
{
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 1024, 50));
    bar->setLudzikIndex(3);
    const std::vector<SkinDrawn> log = paintLog(*bar);
    const QStringList pics = placements(log);
    ASSERT_EQ(pics.size(), 1 + 55 + 2);
    EXPECT_EQ(pics[0], "BELKA_BODY[0,0 1024x50]");
    EXPECT_EQ(pics[1], "BELKA_BODY2@0,0");
    EXPECT_EQ(pics[55], "BELKA_BODY2@216,0");
    EXPECT_EQ(pics[56], "BELKA_FALA@216,0");
    EXPECT_EQ(pics[57], "BELKA_LUDZIK_M_3@15,5");
    // the figure is 32 wide: texts at 32 + 19
    EXPECT_EQ(textsOf(log), QStringList({"Jesteś zalogowany jako:@51,8", "Łucja@51,20"}));
    const SkinDrawn login = item(log, "Łucja");
    EXPECT_EQ(login.font.pixelSize(), 16);
    EXPECT_EQ(login.color, QColor(184, 184, 184));
    EXPECT_EQ(item(log, "Jesteś zalogowany jako:").font.pixelSize(), 11);
    EXPECT_EQ(item(log, "Jesteś zalogowany jako:").color, QColor(157, 157, 157));
}

TEST_F(TitleBar, NoFigureNoLoginAndStyledBars)
{
    bar->setPlec(QChar());
    std::vector<SkinDrawn> log = paintLog(*bar);
    EXPECT_EQ(placements(log).last(), "BELKA_FALA@216,0");
    EXPECT_EQ(textsOf(log).value(0), "Jesteś zalogowany jako:@79,8"); // right of BELKA_FALA (60 wide)

    bar->setPokazZalogowanie(false);
    EXPECT_EQ(placements(paintLog(*bar)), QStringList({"BELKA_BODY[0,0 1024x50]"}));

    bar->setPlec(u'K');
    bar->setLudzikIndex(11);
    bar->setStylBelki(2);
    EXPECT_EQ(placements(paintLog(*bar)), QStringList({"BELKA_BODY_STYLE_2@0,0"}));
    bar->setNowyStyl(true);
    log = paintLog(*bar);
    EXPECT_EQ(placements(log), QStringList({"BELKA_BODY_NEW_STYLE_2@0,0", "BELKA_LUDZIK_K_11@115,5"}));
    EXPECT_EQ(textsOf(log).value(1), "Łucja@151,20");

    bar->setStylBelki(6);
    EXPECT_TRUE(paintLog(*bar).empty());

    bar->setLibrary(nullptr);
    log = paintLog(*bar);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].kind, SkinDrawn::Placeholder);
}

class DialogFrame : public testing::Test {
protected:
    void SetUp() override
    {
        skin.setSize("DIAL01_B", {21, 22});
        skin.setSize("DIAL03_B", {23, 24});
        skin.setSize("DIAL07_B", {25, 26});
        skin.setSize("DIAL09_B", {27, 28});
        window.setGeometry(100, 100, 423, 226);
    }
    RecordingSkin skin;
    QWidget window;
};

TEST_F(DialogFrame, BlueFrameWithIconAndCaption)
{
    auto* frame = new TLumDialogWindow(&window);
    ApplySkin(&window, skin.record());
    frame->setCaption(QStringLiteral("Usuń profil"));
    frame->setIconIndex(2);
    EXPECT_EQ(frame->geometry(), QRect(0, 0, 423, 226));

    const std::vector<SkinDrawn> log = paintLog(*frame);
    EXPECT_EQ(placements(log),
              QStringList({"DIAL01_B@0,0", "DIAL02_B[21,0 379x22]", "DIAL03_B@400,0", "DIAL04_B[0,22 21x178]",
                           "DIAL05_B[21,22 379x178]", "DIAL06_B[400,24 23x176]", "DIAL07_B@0,200",
                           "DIAL08_B[25,200 371x26]", "DIAL09_B@396,198", "DIAL_BELKA_B[21,22 379x39]",
                           "DIAL_ICO_2@38,20"}));
    const SkinDrawn caption = item(log, "Usuń profil");
    const QFont font = SkinFont("Tahoma", 12);
    EXPECT_EQ(caption.rect.topLeft(), QPoint(38 + 24 + 14, 39 / 2 - TextHeight(font, "Usuń profil") / 2));
    EXPECT_EQ(caption.font.pixelSize(), 16);
    EXPECT_EQ(caption.color, QColor(2, 173, 228));
}

TEST_F(DialogFrame, WhiteTallBarAndMessageIcon)
{
    auto* frame = new TLumMsgBoxWindow(&window);
    ApplySkin(&window, skin.record());
    frame->setDialogStyle(TDialogStyle::dsWhite);
    frame->setBelkaSize(TBelkaSize::bs60);
    frame->setIcon(TIconType::icoExclamation);
    frame->setCaption("Uwaga");

    std::vector<SkinDrawn> log = paintLog(*frame);
    const QStringList pics = placements(log);
    EXPECT_EQ(pics.value(0), "DIAL01_W@0,0");
    EXPECT_EQ(pics.value(9), "DIAL_BELKA_W[21,22 379x59]");
    EXPECT_EQ(pics.value(10), "MSG_ICON_EXCLAMATION@25,85");
    EXPECT_EQ(item(log, "Uwaga").rect.topLeft(), QPoint(38, 59 / 2 - TextHeight(SkinFont("Tahoma", 18), "Uwaga") / 2));
    EXPECT_EQ(item(log, "Uwaga").color, QColor(79, 79, 79));

    frame->setBelkaSize(TBelkaSize::bs40);
    frame->setIcon(TIconType::icoError);
    EXPECT_EQ(placements(paintLog(*frame)).last(), "MSG_ICON_ERROR@11,58");
}

TEST_F(DialogFrame, DraggingTheBarMovesTheWindowAndAPressBelowDoesNot)
{
    auto* frame = new TLumDialogWindow(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(50, 20));
    QTest::mouseMove(frame, QPoint(80, 60));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(80, 60));
    EXPECT_EQ(window.pos(), start + QPoint(30, 40));

    const QPoint moved = window.pos();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(50, 45));
    QTest::mouseMove(frame, QPoint(90, 90));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(window.pos(), moved);

    frame->setBelkaSize(TBelkaSize::bs60); // the taller bar takes the same press
    frame->setAllowMoveWindow(false);
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(50, 45));
    QTest::mouseMove(frame, QPoint(90, 90));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(window.pos(), moved);
    frame->setAllowMoveWindow(true);
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(50, 45));
    QTest::mouseMove(frame, QPoint(60, 50));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(60, 50));
    EXPECT_EQ(window.pos(), moved + QPoint(10, 5));
}

TEST(GroupFrame, BlueAndWhiteFramesAndCaption)
{
    RecordingSkin skin;
    QWidget window;
    auto* frame = new TLumGroupFrame(&window);
    frame->setGeometry(0, 0, 200, 100);
    ApplySkin(&window, skin.record());
    EXPECT_EQ(placements(paintLog(*frame)),
              QStringList({"RAMKA1_01@0,0", "RAMKA1_02[10,0 180x10]", "RAMKA1_03@190,0", "RAMKA1_04[0,10 10x80]",
                           "RAMKA1_05[10,10 180x80]", "RAMKA1_06[190,10 10x80]", "RAMKA1_07@0,90",
                           "RAMKA1_08[10,90 180x10]", "RAMKA1_09@190,90"}));
    frame->setFrameType(TFrameType::ftFrame_White);
    frame->setCaption("Grupa");
    std::vector<SkinDrawn> log = paintLog(*frame);
    EXPECT_EQ(placements(log).value(4), "RAMKA6_05[7,7 186x86]");
    EXPECT_EQ(placements(log).value(8), "RAMKA6_09@193,93");
    EXPECT_EQ(textsOf(log), QStringList());
    frame->setShowCaption(true);
    frame->setCaptionPositionX(12);
    EXPECT_EQ(textsOf(paintLog(*frame)), QStringList({"Grupa@12,4"}));

    frame->setFrameType(TFrameType::ftTablica);
    EXPECT_EQ(placements(paintLog(*frame)).value(4), "RAMKA3_05[40,20 120x45]");
    frame->setFrameType(TFrameType::ftPuzzle);
    frame->setPuzzleWiersze(3);
    EXPECT_EQ(frame->height(), 40 * 3 + 80);
}

} // namespace
