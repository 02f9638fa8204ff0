#include "ApplySkin.h"
#include "ControlGeometry.h"
#include "ScrollTrack.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLum3ObrazkiFrame.h"
#include "TLumBelka.h"
#include "TLumCheckBox.h"
#include "TLumDialogWindow.h"
#include "TLumDymek.h"
#include "TLumGroupFrame.h"
#include "TLumListBox.h"
#include "TLumMsgBoxWindow.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TLumZeszytStatystyki.h"
#include "TWOwnrScrllBar.h"
#include "TestSupport.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

using namespace uitest;

namespace {

class Window : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(1024, 768);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    RecordingSkin skin;
    QWidget window;
};

TLumCheckBox* checkBox(QWidget* parent, int x, int y)
{
    auto* b = new TLumCheckBox(parent);
    b->move(x, y);
    b->setGfxChecked(picture(18, 24));
    b->setGfxUnChecked(picture(16, 24));
    b->setGfxHotChecked(picture(18, 24, Qt::red));
    b->setGfxHotUnChecked(picture(16, 24, Qt::red));
    return b;
}

TEST_F(Window, CheckBoxSizePicturesAndCaption)
{
    auto* box = new TLumCheckBox(&window);
    EXPECT_EQ(box->height(), 25);
    EXPECT_TRUE(box->Checked());
    box->setGfxChecked(picture(18, 30));
    EXPECT_EQ(box->height(), 30);
    box->setGfxUnChecked(picture(16, 24));
    box->setGfxHotChecked(picture(18, 24));
    box->setGfxHotUnChecked(picture(16, 24));
    EXPECT_EQ(box->height(), 24);
    box->setCaption("Zapamiętaj mnie");
    const int tw = TextWidth(box->font(), "Zapamiętaj mnie");
    EXPECT_EQ(box->width(), tw + 18 + 6);
    box->setKorekta(5);
    EXPECT_EQ(box->width(), tw + 18 + 6 + 5);
    box->setChecked(false);
    EXPECT_EQ(box->width(), tw + 16 + 6 + 5);

    box->setKorektaY(1);
    std::vector<SkinDrawn> log = paintLog(*box);
    EXPECT_EQ(placements(log).value(0), "GfxUnChecked[0,0 16x24]");
    EXPECT_EQ(item(log, "Zapamiętaj mnie").rect.topLeft(),
              QPoint(16 + 6, 24 / 2 + 1 - TextHeight(box->font(), "XX") / 2));

    box->move(100, 100);
    box->show();
    QTest::mouseMove(&window, QPoint(105, 105));
    EXPECT_TRUE(box->hot());
    EXPECT_EQ(placements(paintLog(*box)).value(0), "GfxHotUnChecked[0,0 16x24]");
    QTest::mouseMove(&window, QPoint(5, 5));
    EXPECT_EQ(placements(paintLog(*box)).value(0), "GfxUnChecked[0,0 16x24]");
}

TEST_F(Window, CheckBoxTogglesAndRadioGroupsExcludeEachOther)
{
    auto* plain = checkBox(&window, 0, 0);
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(plain->Checked());
    QTest::mouseClick(plain, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(plain->Checked());

    auto* a = checkBox(&window, 0, 100);
    auto* b = checkBox(&window, 0, 130);
    auto* other = checkBox(&window, 0, 160);
    for (TLumCheckBox* r : {a, b, other})
        r->setRadioStyle(true);
    a->setRadioGroup(1);
    b->setRadioGroup(1);
    other->setRadioGroup(2);
    b->setChecked(false);
    QSignalSpy clicks(b, &TLumCheckBox::clicked);

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(other->Checked()); // another group
    EXPECT_TRUE(plain->Checked()); // not a radio box
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_TRUE(b->Checked()); // a checked radio box stays checked
    EXPECT_EQ(clicks.count(), 2);
}

TEST(AALabel, AutoSizeAlignmentAndWrapping)
{
    QWidget window;
    auto* label = new TAALabel(&window);
    EXPECT_EQ(label->height(), 18);
    label->setLabelFont(PixelFont("Trebuchet MS", 16));
    label->setCaption("Wybierz ćwiczenie");
    const int tw = TextWidth(label->font(), "Wybierz ćwiczenie");
    label->setExtraWidth(6);
    label->setAutoSize(true);
    EXPECT_EQ(label->size(), QSize(tw + 6, TextHeight(label->font(), "x")));

    label->setAutoSize(false);
    label->resize(300, 20);
    label->setAlignment(TAlignment::taRightJustify);
    EXPECT_EQ(item(paintLog(*label), "Wybierz ćwiczenie").rect.x(), 300 - tw);
    label->setAlignment(TAlignment::taCenter);
    EXPECT_EQ(item(paintLog(*label), "Wybierz ćwiczenie").rect.x(), 150 - tw / 2);

    label->resize(120, 20);
    label->setWordWrap(true);
    label->setCaption("Przeczytaj tekst i odpowiedz na pytania pod nim.");
    label->setAutoSize(true);
    EXPECT_EQ(label->width(), 120);
    EXPECT_GE(label->height(), 3 * QFontMetrics(label->font()).height()); // several lines
}

TEST(ResultChart, PictureByResultAndTexts)
{
    const std::pair<int, const char*> names[] = {{0, "WYKRES_00"},  {1, "WYKRES_05"},  {4, "WYKRES_05"},
                                                 {9, "WYKRES_05"},  {10, "WYKRES_10"}, {14, "WYKRES_10"},
                                                 {55, "WYKRES_55"}, {99, "WYKRES_95"}, {100, "WYKRES_100"}};
    for (const auto& [wynik, name] : names)
        EXPECT_EQ(ChartPictureName(wynik), QString::fromLatin1(name)) << wynik;

    RecordingSkin skin;
    QWidget window;
    auto* chart = new TLumProgress(&window);
    ApplySkin(&window, skin.record());
    EXPECT_EQ(chart->size(), QSize(259, 90));
    chart->setWynik(47);
    chart->setWynik(101);
    EXPECT_EQ(chart->Wynik(), 47);
    const std::vector<SkinDrawn> log = paintLog(*chart);
    EXPECT_EQ(placements(log), QStringList({"WYKRES_BG@0,0", "WYKRES_45@113,2"}));
    const SkinDrawn text = item(log, "Twój wynik:");
    EXPECT_EQ(text.rect.topLeft(), QPoint(17, 23));
    EXPECT_EQ(text.color, QColor(6, 53, 99));
    EXPECT_EQ(text.font.pixelSize(), 16);
    const SkinDrawn result = item(log, "47%");
    EXPECT_EQ(result.rect.topLeft(), QPoint(185, 17));
    EXPECT_EQ(result.color, QColor(0, 154, 43));
    EXPECT_TRUE(result.font.bold());
    EXPECT_EQ(result.font.pixelSize(), 24);
}

TEST(Notebook, CountsPicturesAndReviews)
{
    EXPECT_EQ(NotebookNumberX(0), 34);
    EXPECT_EQ(NotebookNumberX(9), 34);
    EXPECT_EQ(NotebookNumberX(10), 25);
    EXPECT_EQ(NotebookNumberX(99), 25);
    EXPECT_EQ(NotebookNumberX(100), 14);
    EXPECT_EQ(NotebookNumberX(1000), 14);
    EXPECT_EQ(NotebookNumberX(1001), std::nullopt);

    RecordingSkin skin;
    QWidget window;
    auto* n = new TLumZeszytStatystyki(&window);
    ApplySkin(&window, skin.record());
    EXPECT_EQ(n->size(), QSize(155, 200));
    n->setPoprawnie(1001);
    n->setBlednie(42);
    n->setXFactor(7);
    std::vector<SkinDrawn> log = paintLog(*n);
    EXPECT_EQ(placements(log), QStringList({"ZESZYT_SEP@0,20", "ZESZYT_OK@51,34", "ZESZYT_BAD@51,64", "ZESZYT_XFA@51,94"}));
    EXPECT_EQ(item(log, "42").rect.topLeft(), QPoint(25, 62));
    EXPECT_EQ(item(log, "7").rect.topLeft(), QPoint(34, 91));
    EXPECT_EQ(item(log, "7").font.pixelSize(), 19);
    EXPECT_FALSE(item(log, "7").font.bold());
    EXPECT_EQ(log.end(), std::find_if(log.begin(), log.end(), [](const SkinDrawn& d) { return d.name == "1001"; }));
    EXPECT_EQ(item(log, " STATYSTYKA").rect.topLeft(), QPoint(18, 5));
    EXPECT_EQ(item(log, "błędnie").rect.topLeft(), QPoint(77, 67));
    EXPECT_EQ(log.end(), std::find_if(log.begin(), log.end(), [](const SkinDrawn& d) { return d.name.startsWith("Liczba"); }));

    n->setShowPowtorki(true);
    n->setPowtorki(3);
    n->setOstataniaPowtorka("2024-05-01");
    log = paintLog(*n);
    EXPECT_EQ(item(log, "Liczba powtórek: 3").rect.topLeft(), QPoint(17, 140));
    EXPECT_EQ(item(log, "2024-05-01").rect.topLeft(), QPoint(17, 176));
}

TEST(Bubble, SitsAboveItsPointAndGrowsWithTheText)
{
    EXPECT_EQ(BubbleRect(100, 100, 332, 60), QRect(96, 18, 332, 78));

    RecordingSkin skin;
    QWidget window;
    window.resize(1024, 768);
    auto* bubble = new TLumDymek(&window);
    ApplySkin(&window, skin.record());
    EXPECT_TRUE(bubble->isHidden());

    SkinPaintLog log;
    const QString text = "Translation of the sentence, long enough to wrap over more than one line in the bubble.";
    bubble->ShowBubble(300, 400, text);
    EXPECT_FALSE(bubble->isHidden());
    const int bottom = MeasureTextRect(bubble->font(), Ltrb(8, 5, 324, 5), DT_WORDBREAK, text).bottom() + 1;
    EXPECT_GT(bottom, 5 + QFontMetrics(bubble->font()).height()); // wrapped
    EXPECT_EQ(bubble->geometry(), BubbleRect(300, 400, 332, bottom));
    EXPECT_EQ(placements(log.items),
              QStringList({"DYMEK_01@0,0", QString("DYMEK_02[0,5 332x%1]").arg(bottom - 5), QString("DYMEK_03@0,%1").arg(bottom)}));
    EXPECT_EQ(item(log.items, text).rect, Ltrb(8, 5, 324, bottom + 3));
}

TEST(PictureFrame, CornerPiecesByStyleAndState)
{
    RecordingSkin skin;
    QWidget window;
    auto* frame = new TLum3ObrazkiFrame(&window);
    ApplySkin(&window, skin.record());
    EXPECT_EQ(frame->size(), QSize(248, 296));
    EXPECT_TRUE(paintLog(*frame).empty());
    frame->setStylRamki(T3ObFrameType::ft3obB);
    frame->setStanRamki(T3ObFrameState::fsZle);
    EXPECT_EQ(placements(paintLog(*frame)),
              QStringList({"RAMKA5_2Z1@0,24", "RAMKA5_2Z2@236,24", "RAMKA5_2Z3@0,0", "RAMKA5_2Z4@0,272"}));
    frame->setStylRamki(T3ObFrameType::ft3obC);
    frame->setStanRamki(T3ObFrameState::fsHover);
    EXPECT_EQ(placements(paintLog(*frame)).value(0), "RAMKA5_3H1@0,24");
    frame->setStanRamki(T3ObFrameState::fsDobrze);
    EXPECT_EQ(placements(paintLog(*frame)).value(0), "RAMKA5_3D1@0,24");
}

TEST(ScrollTrackGeometry, ThumbPlacesPositionsAndParts)
{
    ScrollTrack t; // TWOwnrScrllBar at its defaults: 100 long, 1..100
    t.min = 1;
    EXPECT_EQ(t.freeLength(), 45);
    EXPECT_EQ(t.thumbStart(1), 19);
    EXPECT_EQ(t.thumbStart(50), 19 + 22); // round(45 / 99 × 49) = round(22.27)
    EXPECT_EQ(t.thumbStart(100), 64);
    EXPECT_EQ(t.positionAt(19), 1);
    EXPECT_EQ(t.positionAt(64), 100);
    EXPECT_EQ(t.positionAt(500), 100);
    EXPECT_EQ(t.positionAt(-50), 1);

    ScrollTrack halves = t; // 45 / 90 × 1 = 0.5 and × 3 = 1.5 round to even
    halves.min = 0;
    halves.max = 90;
    EXPECT_EQ(halves.thumbStart(1), 19);
    EXPECT_EQ(halves.thumbStart(3), 21);

    ScrollTrack stuck = t;
    stuck.max = stuck.min;
    EXPECT_EQ(stuck.thumbStart(1), 19);
    EXPECT_EQ(stuck.positionAt(40), 1);

    using P = ScrollTrack::Part;
    EXPECT_EQ(t.hit(0, 50), P::FirstArrow);
    EXPECT_EQ(t.hit(17, 50), P::FirstArrow);
    EXPECT_EQ(t.hit(18, 50), P::TrackBefore);
    EXPECT_EQ(t.hit(41, 50), P::Thumb);
    EXPECT_EQ(t.hit(58, 50), P::Thumb);
    EXPECT_EQ(t.hit(59, 50), P::TrackAfter);
    EXPECT_EQ(t.hit(82, 50), P::SecondArrow);

    ScrollTrack few = t;
    few.min = 0;
    few.max = 20;
    EXPECT_EQ(few.autoThumb(6), 100 - 36 - 1 - 20);
    few.max = 100;
    EXPECT_EQ(few.autoThumb(6), 6);
}

TEST_F(Window, OwnerScrollBarStepsIgnoreOutOfRangeMovesAndDragsTheThumb)
{
    auto* bar = new TWOwnrScrllBar(&window);
    EXPECT_EQ(bar->size(), QSize(20, 100));
    EXPECT_EQ(bar->Position(), 50);
    bar->setMin(0);
    bar->setMax(10);
    bar->setPosition(2);
    bar->setPosition(11); // ignored
    EXPECT_EQ(bar->Position(), 2);
    QSignalSpy changes(bar, &PictureScrollBar::changed);
    EXPECT_EQ(bar->thumbRect(), QRect(1, 28, 18, 18)); // 19 + round(45 / 10 × 2)

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(10, 22)); // track before the thumb: 2 - 4 < 0
    EXPECT_EQ(bar->Position(), 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(10, 60)); // track after
    EXPECT_EQ(bar->Position(), 6);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(10, 90)); // second arrow
    EXPECT_EQ(bar->Position(), 7);
    EXPECT_EQ(bar->LastChange(), 1);
    bar->setPosition(0);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(10, 5)); // first arrow at Min: nothing
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->LastChange(), -1);
    EXPECT_EQ(changes.count(), 3);

    bar->setPosition(2);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(10, 30)); // on the thumb, 2 pixels in
    QTest::mouseMove(bar, QPoint(10, 39));
    EXPECT_EQ(bar->Position(), 4); // thumb start 37: round(18 × 10 / 45)
    QTest::mouseMove(bar, QPoint(10, 300));
    EXPECT_EQ(bar->Position(), 10); // dragged past the end: the last position
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(10, 300));
    QTest::mouseMove(bar, QPoint(10, 20));
    EXPECT_EQ(bar->Position(), 10); // released: no more dragging

    bar->setAutoSizeTrack(true);
    EXPECT_EQ(bar->TrackHeight(), 100 - 36 - 1 - 10);
}

TEST_F(Window, OwnerScrollBarPaintsItsPictures)
{
    auto* bar = new TWOwnrScrllBar(&window);
    ScrollBarPictures pics;
    pics.IMG_BKG = picture(20, 100);
    pics.IMG_UP = picture(20, 18);
    pics.IMG_DOWN = picture(20, 18);
    pics.IMG_SUWAK = picture(18, 18);
    pics.IMG_RYNNA1 = picture(20, 5);
    pics.IMG_RYNNA2 = picture(20, 1);
    pics.IMG_RYNNA3 = picture(20, 7);
    pics.rynna1 = 5;
    pics.rynna3 = 7;
    bar->setPictures(pics);
    EXPECT_EQ(placements(paintLog(*bar)),
              QStringList({"IMG_BKG[0,0 20x100]", "IMG_RYNNA1[0,18 20x5]", "IMG_RYNNA2[0,23 20x52]",
                           "IMG_RYNNA3[0,75 20x7]", "IMG_UP[0,0 20x18]", "IMG_DOWN[0,82 20x18]",
                           "IMG_SUWAK[1,41 18x18]"}));
    bar->setKind(TOwnrScrollKind::osbHorizontil);
    bar->resize(100, 20);
    EXPECT_EQ(placements(paintLog(*bar)).last(), "IMG_SUWAK[41,1 18x18]");
}

TEST_F(Window, ConventionalScrollBarClampsAndRepeatsWhileHeld)
{
    auto* bar = new TALScrollBar(&window);
    EXPECT_EQ(bar->size(), QSize(150, 18));
    EXPECT_FALSE(bar->vertical());
    EXPECT_EQ(bar->thumbRect(), QRect(18, 1, 15, 16));
    bar->setPosition(2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(75, 9)); // track after the thumb
    EXPECT_EQ(bar->Position(), 7);
    bar->setPosition(2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(19, 9)); // before: kept at Min
    bar->setPosition(2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(75, 9));
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(19, 9)); // thumb now at 18 + round(99 × 7 / 100)
    EXPECT_EQ(bar->Position(), 2);
    bar->setPosition(3);
    bar->setPosition(-5);
    EXPECT_EQ(bar->Position(), 0);

    QSignalSpy changes(bar, &PictureScrollBar::changed);
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(140, 9));
    QTest::qWait(180);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(140, 9));
    const int held = bar->Position();
    EXPECT_GE(held, 2); // the first step and at least one repeat
    EXPECT_EQ(changes.count(), held);
    QTest::qWait(120);
    EXPECT_EQ(bar->Position(), held); // released: no more repeats
}

TEST_F(Window, ListBoxHasNoScrollBarsNoFocusAndItsLastTopIndex)
{
    auto* list = new TLumListBox(&window);
    list->setFrameShape(QFrame::NoFrame);
    list->setGeometry(0, 0, 200, 100);
    list->setItemHeight(20);
    for (int i = 0; i < 10; ++i)
        list->addItem(QString("Profil %1").arg(i));
    list->show();
    EXPECT_EQ(list->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(list->GetScrollBarMax(), 5);
    list->setTopIndex(list->GetScrollBarMax());
    EXPECT_EQ(list->topIndex(), 5);
    const QRect last = list->visualItemRect(list->item(9));
    EXPECT_EQ(last.bottom(), 99); // the last row ends at the bottom
    while (list->count() > 3)
        delete list->takeItem(list->count() - 1);
    EXPECT_EQ(list->GetScrollBarMax(), 0);
}

// A control class derived from a skinned one: ApplySkin matches exact class names.
class DerivedButton : public TLumResButton {
    Q_OBJECT
public:
    using TLumResButton::TLumResButton;
};

TEST(ApplySkinToWindow, GivesTheSkinToExactlyTheSkinnedClasses)
{
    RecordingSkin skin;
    QWidget window;
    window.resize(1024, 768);
    auto* button = new TLumResButton(&window);
    auto* undefined = new TLumResButton(&window);
    undefined->setRozmiar(TRozmiar::rozUndefined);
    auto* derived = new DerivedButton(&window);
    auto* nested = new TLumResButton(new QWidget(&window));
    auto* bar = new TLumBelka(&window);
    auto* frame = new TLumGroupFrame(&window);
    auto* notebook = new TLumZeszytStatystyki(&window);
    auto* chart = new TLumProgress(&window);
    auto* picFrame = new TLum3ObrazkiFrame(&window);
    picFrame->setStanRamki(T3ObFrameState::fsHover);
    auto* msg = new TLumMsgBoxWindow(&window);
    ApplySkin(&window, skin.record());

    EXPECT_EQ(button->library(), &skin);
    EXPECT_EQ(nested->library(), &skin);
    EXPECT_EQ(undefined->library(), nullptr);
    EXPECT_EQ(derived->library(), nullptr);
    EXPECT_EQ(msg->skin().library, &skin);
    EXPECT_EQ(msg->skin().Dial07Height, skin.sizeOf("DIAL07_B").height());
    for (QWidget* w : std::initializer_list<QWidget*>{bar, frame, notebook, chart, picFrame}) {
        SCOPED_TRACE(w->metaObject()->className());
        const std::vector<SkinDrawn> log = paintLog(*w);
        EXPECT_TRUE(std::any_of(log.begin(), log.end(), [](const SkinDrawn& d) { return d.kind == SkinDrawn::Picture; }));
    }
}

} // namespace

#include "SmallControlsTest.moc"
