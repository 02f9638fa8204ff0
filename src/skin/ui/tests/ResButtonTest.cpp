#include "ApplySkin.h"
#include "ResButtonGeometry.h"
#include "TLumResButton.h"
#include "TestSupport.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace uitest;

namespace {

QStringList faceOf(TRozmiar r, TElementy el, bool flat, const char* suffix, int w, int h, int index = 1, int tag = 0)
{
    FaceInput in;
    in.rozmiar = r;
    in.skladowe = el;
    in.flat = flat;
    in.suffix = QLatin1String(suffix);
    in.grafikaIndex = index;
    in.tag = tag;
    in.width = w;
    in.height = h;
    QStringList out;
    for (const FacePiece& p : ResButtonFace(in)) {
        const QRect& r = p.rect;
        out << (p.stretched ? QStringLiteral("%1[%2,%3 %4x%5]").arg(p.name).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())
                            : QStringLiteral("%1@%2,%3").arg(p.name).arg(r.x()).arg(r.y()));
    }
    return out;
}

TEST(ResButtonFace, PiecesForEachSizeClassAndState)
{
    struct Case {
        const char* what;
        QStringList face;
        QStringList expected;
    };
    using R = TRozmiar;
    using E = TElementy;
    const Case cases[] = {
        {"roz32 nine-piece, 100 wide",
         faceOf(R::roz32, E::el9, false, "_N", 100, 32),
         {"G01_N_9_1@0,0", "G02_N_9_1[4,0 92x4]", "G03_N_9_1@96,0", "G04_N_9_1@0,4", "G05_N_9_1[4,4 92x24]",
          "G06_N_9_1@96,4", "G07_N_9_1@0,28", "G08_N_9_1[4,28 92x4]", "G09_N_9_1@96,28"}},
        {"roz64 nine-piece hot, face 3",
         faceOf(R::roz64, E::el9, false, "_H", 200, 64, 3),
         {"G01_H_9_3@0,0", "G02_H_9_3[8,0 184x8]", "G03_H_9_3@192,0", "G04_H_9_3@0,8", "G05_H_9_3[8,8 184x48]",
          "G06_H_9_3@192,8", "G07_H_9_3@0,56", "G08_H_9_3[8,56 184x8]", "G09_H_9_3@192,56"}},
        {"flat nine-piece, normal", faceOf(R::roz22, E::el9, true, "_N", 120, 22), {}},
        {"flat nine-piece, disabled still shows",
         faceOf(R::roz22, E::el9, true, "_D", 20, 22).mid(0, 1), {"G01_D_9_1@0,0"}},
        {"three-piece roz22 pressed",
         faceOf(R::roz22, E::el3, false, "_P", 120, 22, 2),
         {"G01_P_3_2@0,0", "G02_P_3_2[4,0 112x22]", "G03_P_3_2@116,0"}},
        {"flat three-piece, normal", faceOf(R::roz22, E::el3, true, "_N", 120, 22), {}},
        {"flat three-piece, disabled", faceOf(R::roz22, E::el3, true, "_D", 120, 22), {}},
        {"flat three-piece, hot", faceOf(R::roz32, E::el3, true, "_H", 60, 32),
         {"G01_H_3_1@0,0", "G02_H_3_1[4,0 52x32]", "G03_H_3_1@56,0"}},
        {"title-bar button, normal, not flat", faceOf(R::rozBelka, E::el3, false, "_N", 48, 48), {}},
        {"title-bar button, hot", faceOf(R::rozBelka, E::el3, false, "_H", 50, 48),
         {"BB01_H@0,0", "BB02_H[4,0 42x48]", "BB03_H@46,0"}},
        {"tab, flat and normal still drawn", faceOf(R::rozTabka, E::el3, true, "_N", 100, 23),
         {"TAB_N_01@0,0", "TAB_N_02[11,0 78x23]", "TAB_N_03@89,0"}},
        {"Selko tab", faceOf(R::rozTabka_Selko, E::el3, false, "_D", 59, 42), {"TAB_SELKO_D@0,0"}},
        {"Kestun tab takes the tag", faceOf(R::rozTabka_Kestun, E::el3, false, "_H", 70, 50, 1, 12),
         {"TAB_SELKO_H_12@0,0"}},
        {"package arrows",
         faceOf(R::rozPaczkaNaviPrev, E::el3, false, "_N", 32, 32) + faceOf(R::rozPaczkaNaviNext, E::el3, false, "_P", 32, 32)
             + faceOf(R::rozPaczkaNaviZawartosc, E::el3, true, "_N", 32, 32),
         {"PACZKA_NAVI_PREV_N@0,0", "PACZKA_NAVI_NEXT_P@0,0", "PACZKA_NAVI_ZAWARTOSC_N@0,0"}},
        {"language choice with its arrow", faceOf(R::rozWyborJezyka, E::el3, false, "_N", 240, 70),
         {"G01_N_3_1@0,0", "G02_N_3_1[8,0 224x70]", "G03_N_3_1@232,0", "BLUE_ARROW@200,0"}},
        {"flat language choice, normal", faceOf(R::rozWyborJezyka, E::el3, true, "_N", 240, 70), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.face, c.expected);
    }
}

TEST(ResButtonLook, SuffixAndGlyphByEnabledMouseAndDown)
{
    struct Case {
        bool enabled;
        ButtonMouse mouse;
        bool down;
        const char* suffix;
        GlyphChoice glyph;
    };
    using M = ButtonMouse;
    using G = GlyphChoice;
    const Case cases[] = {
        {true, M::Normal, false, "_N", G::Normal},  {true, M::Hot, false, "_H", G::Hot},
        {true, M::Pressed, false, "_P", G::Down},   {true, M::Normal, true, "_P", G::Normal},
        {true, M::Hot, true, "_P", G::Keep},        {true, M::Pressed, true, "_P", G::Down},
        {false, M::Hot, false, "_D", G::Disabled},  {false, M::Pressed, true, "_D", G::Disabled},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.enabled << int(c.mouse) << c.down);
        const ButtonLook look = ChooseButtonLook(c.enabled, c.mouse, c.down);
        EXPECT_EQ(look.suffix, QString::fromLatin1(c.suffix));
        EXPECT_EQ(look.glyph, c.glyph);
    }
}

TEST(ResButtonLayout, CaptionAndGlyphPositions)
{
    using A = TLumResButtonAlignment;
    struct Case {
        const char* what;
        CaptionInput in;
        QPoint caption, glyph;
    };
    auto in = [](A a, int tw, QSize glyph) {
        CaptionInput c;
        c.alignment = a;
        c.width = 120;
        c.height = 22;
        c.textWidth = tw;
        c.textHeight = 13;
        c.glyph = glyph;
        return c;
    };
    Case cases[] = {
        {"centre, no glyph", in(A::taCenter, 50, {}), {37, 5}, {33, 11}},
        {"centre with a glyph", in(A::taCenter, 50, {16, 16}), {45, 5}, {25, 3}},
        {"centre, empty caption: W/2 + 2", in(A::taCenter, 0, {}), {62, 5}, {58, 11}},
        {"left justify", in(A::taLeftJustify, 50, {16, 16}), {24, 5}, {4, 3}},
        {"left fixed", in(A::taLeftFixed, 50, {16, 16}), {30, 7}, {6, 3}},
        {"centre with corrections", in(A::taCenter, 50, {}), {40, 6}, {35, 11}},
        {"centre, no caption shown: glyph centred", in(A::taCenter, 50, {17, 15}), {}, {52, 4}},
        {"odd heights and a negative half truncate toward zero", in(A::taCenter, 50, {}), {67, 4}, {63, 11}},
        {"right justify: caption ends before the glyph", in(A::taRightJustify, 50, {16, 16}), {42, 5}, {96, 3}},
    };
    cases[4].in.fixedTekstX = 30;
    cases[4].in.fixedGlyphX = 6;
    cases[4].in.korektaCaption = 99; // not used by the fixed layout
    cases[4].in.korektaCaptionY = 2;
    cases[5].in.korekta = -4;
    cases[5].in.korektaCaption = 1;
    cases[5].in.korektaCaptionY = 1;
    cases[6].in.showCaption = false;
    cases[7].in.textHeight = 15;
    cases[7].in.korekta = -61; // (50 - 61) / 2 = -5
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CaptionLayout l = LayoutResButton(c.in);
        if (c.in.showCaption) {
            EXPECT_EQ(l.caption, c.caption);
        }
        EXPECT_EQ(l.glyph, c.glyph);
    }
}

TEST(ResButtonSize, SettingTheSizeClassSizesTheButton)
{
    TLumResButton b;
    EXPECT_EQ(b.size(), QSize(120, 22));
    EXPECT_EQ(b.Caption(), "LumResButton");
    b.setRozmiar(TRozmiar::roz64);
    EXPECT_EQ(b.size(), QSize(120, 64));
    b.setSkladowe(TElementy::el9);
    b.setRozmiar(TRozmiar::rozBelka);
    EXPECT_EQ(b.size(), QSize(120, 48));
    EXPECT_EQ(b.Skladowe(), TElementy::el3);
    b.setRozmiar(TRozmiar::rozTabka_Kestun);
    EXPECT_EQ(b.size(), QSize(70, 50));
    b.resize(90, 40);
    b.setRozmiar(TRozmiar::rozTabka_Kestun); // the same value changes nothing
    EXPECT_EQ(b.size(), QSize(90, 40));
    b.setRozmiar(TRozmiar::rozUndefined);
    EXPECT_EQ(b.size(), QSize(90, 40));
    for (TRozmiar r : {TRozmiar::roz22, TRozmiar::roz32, TRozmiar::roz50, TRozmiar::roz64, TRozmiar::roz70,
                       TRozmiar::roz80, TRozmiar::roz100}) {
        const FaceMetrics m = RozmiarMetrics(r);
        EXPECT_EQ(RozmiarSizeOf(r).height, 2 * m.c + m.m);
    }
}

// A window holding one button, shown on the offscreen screen so that mouse
// events reach the button as they would on a desktop.
class ButtonWindow : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        button = new TLumResButton(&window);
        button->setObjectName("btn");
        button->setGeometry(100, 100, 120, 32);
        button->setRozmiar(TRozmiar::roz32);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ApplySkin(&window, skin.record());
    }

    QStringList faceNames()
    {
        QStringList out;
        for (const SkinDrawn& d : paintLog(*button)) {
            if (d.kind == SkinDrawn::Picture || d.kind == SkinDrawn::Stretched)
                out << d.name;
        }
        return out;
    }

    const QPoint inside{10, 10};
    RecordingSkin skin;
    QWidget window;
    TLumResButton* button = nullptr;
};

TEST_F(ButtonWindow, HotPressedAndClickFollowTheMouse)
{
    QSignalSpy clicks(button, &TLumResButton::clicked);
    EXPECT_EQ(faceNames().value(0), "G01_N_3_1");

    QTest::mouseMove(&window, button->geometry().topLeft() + inside);
    EXPECT_EQ(button->mouseState(), ButtonMouse::Hot);
    EXPECT_EQ(faceNames().value(0), "G01_H_3_1");

    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->mouseState(), ButtonMouse::Pressed);
    EXPECT_EQ(faceNames().value(0), "G01_P_3_1");
    EXPECT_EQ(clicks.count(), 0);

    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(button->mouseState(), ButtonMouse::Hot);
    EXPECT_EQ(clicks.count(), 1);

    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(button->mouseState(), ButtonMouse::Normal);

    // released outside the button: no click
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_EQ(button->mouseState(), ButtonMouse::Normal);
    EXPECT_EQ(clicks.count(), 1);

    // each paint fetches its pieces anew
    skin.clearLog();
    paintLog(*button);
    paintLog(*button);
    EXPECT_EQ(skin.fetched().count("G02_N_3_1"), 2);
}

TEST_F(ButtonWindow, DisablingKeepsTheMouseStateAndIgnoresEnterAndLeave)
{
    QTest::mouseMove(&window, button->geometry().topLeft() + inside);
    ASSERT_EQ(button->mouseState(), ButtonMouse::Hot);
    button->setEnabled(false);
    EXPECT_EQ(faceNames().value(0), "G01_D_3_1");
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(button->mouseState(), ButtonMouse::Hot);

    const std::vector<SkinDrawn> log = paintLog(*button);
    EXPECT_EQ(item(log, "LumResButton").color, QColor(192, 192, 192));

    QSignalSpy clicks(button, &TLumResButton::clicked);
    button->ClickIfEnabled();
    EXPECT_EQ(clicks.count(), 0);
    button->setEnabled(true);
    button->ClickIfEnabled();
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ButtonWindow, FlatAndDownFaces)
{
    button->setSkladowe(TElementy::el9);
    button->setFlat(true);
    EXPECT_TRUE(faceNames().isEmpty());
    QTest::mouseMove(&window, button->geometry().topLeft() + inside);
    EXPECT_EQ(faceNames().value(4), "G05_H_9_1");

    button->setFlat(false);
    button->setDown(true);
    EXPECT_EQ(faceNames().value(4), "G05_P_9_1"); // latched while hot
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(faceNames().value(4), "G05_P_9_1");
}

TEST_F(ButtonWindow, GlyphFollowsTheStateAndADownButtonKeepsItWhileHot)
{
    button->setCaption(QString());
    button->setGlyph(picture(10, 10));
    button->setGlyphHot(picture(11, 11));
    button->setGlyphDown(picture(12, 12));
    button->setGlyphDisabled(picture(13, 13));
    auto glyph = [&] { return item(paintLog(*button), "glyph").rect; };

    EXPECT_EQ(glyph().size(), QSize(10, 10));
    QTest::mouseMove(&window, button->geometry().topLeft() + inside);
    EXPECT_EQ(glyph().size(), QSize(11, 11));
    QTest::mousePress(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(glyph().size(), QSize(12, 12));
    button->setDown(true);
    QTest::mouseRelease(button, Qt::LeftButton, {}, inside);
    EXPECT_EQ(glyph().size(), QSize(12, 12)); // hot and down: the previous glyph stays
    button->setEnabled(false);
    EXPECT_EQ(glyph().size(), QSize(13, 13));
    button->setGlyphDisabled(QImage());
    EXPECT_EQ(glyph().size(), QSize(10, 10)); // falls back to Glyph

    // centred caption layout with a 10-pixel glyph: caption x = 60 + 7 - 0
    button->setEnabled(true);
    button->setDown(false);
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(glyph().topLeft(), QPoint(67 - 14, 32 / 2 - 10 / 2));
}

TEST_F(ButtonWindow, UndefinedSizeKeepsNoLibraryButDrawsItsGlyph)
{
    button->setRozmiar(TRozmiar::rozUndefined);
    button->setGlyph(picture(40, 30));
    button->setAutoSize(true);
    EXPECT_EQ(button->size(), QSize(40, 30));
    ApplySkin(&window, skin.record());
    EXPECT_EQ(button->library(), nullptr);
    EXPECT_TRUE(faceNames().isEmpty());
    EXPECT_NO_FATAL_FAILURE(item(paintLog(*button), "glyph"));

    button->setShowCaption(false);
    button->setGlyph(QImage());
    EXPECT_TRUE(paintLog(*button).empty()); // nothing but the (absent) face
}

} // namespace
