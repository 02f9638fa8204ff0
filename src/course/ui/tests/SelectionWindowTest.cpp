#include "CourseUiFixture.h"
#include "SkinCanvas.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TALScrollBar.h"
#include "TLumBelka.h"
#include "TLumListBox.h"
#include "TLumResButton.h"
#include "TMyHint.h"
#include "TestExerciseWindow.h"
#include "TestSupport.h"
#include "TfrmHelp.h"
#include "TfrmNawigacja.h"
#include "TfrmPodklad.h"
#include "TfrmWyborCwiczenia.h"
#include "TocRows.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

using courseui::click;
using courseui::settle;

namespace {

// The table of contents over the fixture course. Tests may add exercise files
// before calling load().
class Selection : public CourseUi {
protected:
    void load()
    {
        nav = loadCourse(background);
        window = std::make_unique<TfrmWyborCwiczenia>(ctx, *nav);
        nav->AddNavigationBar(window.get(), 30);
        window->SetLearningMode();
        window->FillFromRoot();
        window->show();
    }
    void TearDown() override
    {
        closeOpenWindows();
        window.reset();
        nav.reset();
    }

    // Adds `count` three-pictures exercises to the first group.
    void addExercises(int count)
    {
        for (int i = 0; i < count; ++i)
            testsupport::writeAll(appDir + QStringLiteral("/Dane/3ob_9%1.xml").arg(i, 2, 10, QChar(u'0')),
                                  testsupport::readAll(appDir + "/Dane/3ob_01.xml"));
    }

    QWidget* viewport() const { return window->DrzewoLista->viewport(); }
    // The middle of row `row` (counted from the list's top row) at x.
    static QPoint rowPoint(int row, int x) { return QPoint(x, row * TocRowHeight + TocRowHeight / 2); }

    void clickRow(int row, int x) { QTest::mouseClick(viewport(), Qt::LeftButton, {}, rowPoint(row, x)); }
    void moveTo(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport(), &move);
    }
    void wheel(int delta)
    {
        const QPoint at = rowPoint(3, 300);
        QWheelEvent e(at, viewport()->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &e);
    }

    // The captions of the rows, groups marked with "#" and children indented.
    QStringList rows() const
    {
        QStringList out;
        for (int r = 0; r < window->RowCount(); ++r) {
            const TElement* n = window->NodeAtRow(r);
            const QString prefix = n->NodeType == TElement::RootOrGroup ? "# " : n->NodeType == TElement::ContainerChild ? "  " : "";
            out << prefix + n->Caption;
        }
        return out;
    }
    int rowOf(const QString& file, int kind) const
    {
        for (int r = 0; r < window->RowCount(); ++r)
            if (window->NodeAtRow(r)->FileName == file && window->NodeAtRow(r)->Kind == kind)
                return r;
        return -1;
    }

    // What DrawRow draws for `row` at y = 0: pictures as "NAME@x,y" or
    // "NAME[x,y wxh]", texts as "'text'@x,y".
    QStringList drawn(int row, bool selected)
    {
        SkinPaintLog log;
        QImage canvas(798, TocRowHeight, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&canvas);
        window->DrawRow(p, QRect(0, 0, 798, TocRowHeight), row, selected);
        QStringList out;
        for (const SkinDrawn& d : log.items) {
            if (d.kind == SkinDrawn::Text)
                out << QStringLiteral("'%1'@%2,%3").arg(d.name).arg(d.rect.x()).arg(d.rect.y());
            else if (d.name.startsWith("Wiersz") || d.name.startsWith("Tabka") || d.name == "img_pr")
                out << QStringLiteral("%1[%2,%3 %4x%5]").arg(d.name).arg(d.rect.x()).arg(d.rect.y()).arg(d.rect.width()).arg(d.rect.height());
            else
                out << QStringLiteral("%1@%2,%3").arg(d.name).arg(d.rect.x()).arg(d.rect.y());
        }
        return out;
    }
    QColor textColour(int row, bool selected)
    {
        SkinPaintLog log;
        QImage canvas(798, TocRowHeight, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&canvas);
        window->DrawRow(p, QRect(0, 0, 798, TocRowHeight), row, selected);
        for (const SkinDrawn& d : log.items)
            if (d.kind == SkinDrawn::Text)
                return d.color;
        return {};
    }

    TfrmPodklad background;
    std::unique_ptr<TfrmNawigacja> nav;
    std::unique_ptr<TfrmWyborCwiczenia> window;
};

} // namespace

TEST_F(Selection, LayoutAndTexts)
{
    load();
    EXPECT_EQ(window->objectName(), "frmWyborCwiczenia");
    EXPECT_EQ(window->size(), QSize(1024, 768));
    EXPECT_EQ(window->windowTitle(), "Orvanta 6.0");
    EXPECT_EQ(window->Belka->geometry(), QRect(0, 0, 1024, 50));
    EXPECT_EQ(window->Belka->Zalogowany(), "Ola");
    EXPECT_EQ(window->DrzewoLista->geometry(), QRect(203, 166, 798, 552));
    EXPECT_EQ(window->SB->geometry(), QRect(1003, 166, 21, 552));
    EXPECT_EQ(window->btnExpand->geometry(), QRect(203, 724, 167, 22));
    EXPECT_EQ(window->btnCollapse->geometry(), QRect(376, 724, 167, 22));
    EXPECT_EQ(window->btnExpand->Caption(), "Rozwiń wszystko");
    EXPECT_EQ(window->btnCollapse->Caption(), "Zwiń wszystko");
    EXPECT_EQ(window->lblSpisTresci->Caption(), " Spis treści");
    EXPECT_EQ(window->lblWykonano->Caption(), " Wykonano");
    EXPECT_EQ(window->lblOstatnio->Caption(), " Ostatnio");
    EXPECT_EQ(window->lblSpisTresci->pos(), QPoint(219, 96));
    EXPECT_EQ(window->lblWykonano->pos(), QPoint(609, 142));
    EXPECT_EQ(window->lblOstatnio->pos(), QPoint(734, 142));
    EXPECT_EQ(window->findChild<TLumResButton*>("btn_nawigacja_wroc")->Caption(), "Powrót");
    EXPECT_EQ(window->findChild<TLumResButton*>("btn_nawigacja_1"), nullptr);
    EXPECT_EQ(rows(), QStringList({"# Słuchanie", "# Rozmowy"}));
    EXPECT_TRUE(window->SB->isHidden());
}

TEST_F(Selection, ExpandAndCollapseGroupsAndContainers)
{
    load();
    clickRow(1, 600); // a group row toggles wherever it is clicked
    EXPECT_EQ(rows(), QStringList({"# Słuchanie", "# Rozmowy", "Na zakupach", "W restauracji",
                                   "Zdania o podróżach, długich wyjazdach, pociągach i wszystkich hotelach świata"}));
    clickRow(2, 785); // the container's plus
    EXPECT_EQ(rows().mid(2, 4), QStringList({"Na zakupach", "  Prezentacja dialogu", "  Rozumienie dialogu",
                                             "  Układanie dialogu"}));
    EXPECT_TRUE(window->NodeAtRow(2)->Expanded);
    clickRow(2, 700); // outside every zone of a container row: nothing
    EXPECT_EQ(window->RowCount(), 8);

    // Collapsing the group takes the container's children with it; expanding
    // it again brings them back, the container still open.
    clickRow(1, 10);
    EXPECT_EQ(rows(), QStringList({"# Słuchanie", "# Rozmowy"}));
    clickRow(1, 10);
    EXPECT_EQ(window->RowCount(), 8);
    EXPECT_EQ(rows()[3], "  Prezentacja dialogu");

    // Collapse-all closes everything; expand-all opens the groups, no container.
    QTest::mouseClick(window->btnCollapse, Qt::LeftButton);
    EXPECT_EQ(rows(), QStringList({"# Słuchanie", "# Rozmowy"}));
    QTest::mouseClick(window->btnExpand, Qt::LeftButton);
    EXPECT_EQ(rows(), QStringList({"# Słuchanie", "Trzy obrazki: jedzenie", "Odkrywanka: pogoda", "Paczka: rodzina",
                                   "# Rozmowy", "Na zakupach", "W restauracji",
                                   "Zdania o podróżach, długich wyjazdach, pociągach i wszystkich hotelach świata"}));
}

TEST_F(Selection, ScrollBarFollowsTheRowCount)
{
    addExercises(15); // 8 + 15 rows after expand-all
    load();
    window->ExpandAll();
    EXPECT_EQ(window->RowCount(), 23);
    EXPECT_TRUE(window->SB->isHidden());
    EXPECT_EQ(window->DrzewoLista->topIndex(), 0);
    wheel(-120);
    EXPECT_EQ(window->DrzewoLista->topIndex(), 0);

    clickRow(0, 10); // collapse the first group, then open a container in the second
    const int dialogue = rowOf("dial_01.xml", 102);
    clickRow(dialogue, 785);
    ASSERT_EQ(window->RowCount(), 5 + 3);
    clickRow(0, 10); // and the first group again
    EXPECT_EQ(window->RowCount(), 26);
    EXPECT_FALSE(window->SB->isHidden());
    EXPECT_EQ(window->SB->Max(), 3);

    // The wheel moves the bar and the list one row at a time, within the range.
    wheel(-120);
    EXPECT_EQ(window->SB->Position(), 1);
    EXPECT_EQ(window->DrzewoLista->topIndex(), 1);
    for (int i = 0; i < 5; ++i)
        wheel(-120);
    EXPECT_EQ(window->SB->Position(), 3);
    EXPECT_EQ(window->DrzewoLista->topIndex(), 3);
    wheel(120);
    EXPECT_EQ(window->DrzewoLista->topIndex(), 2);

    // The bar's arrow scrolls the list; keys scroll the list and the bar follows.
    QTest::mousePress(window->SB, Qt::LeftButton, {}, QPoint(10, 5));
    QTest::mouseRelease(window->SB, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(window->DrzewoLista->topIndex(), 1);
    window->DrzewoLista->setCurrentRow(1);
    for (int i = 0; i < 24; ++i)
        QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(window->SelectedRow(), 25);
    EXPECT_EQ(window->DrzewoLista->topIndex(), 3);
    EXPECT_EQ(window->SB->Position(), 3);

    // Back to 24 rows, then 23: the bar's maximum and then the bar itself go.
    clickRow(rowOf("dial_01.xml", 102) - window->DrzewoLista->topIndex(), 785);
    EXPECT_EQ(window->RowCount(), 23);
    EXPECT_TRUE(window->SB->isHidden());
    EXPECT_EQ(window->DrzewoLista->topIndex(), 0);
}

TEST_F(Selection, RowsShowIconsLevelsResultsAndDates)
{
    load();
    window->ExpandAll();
    const int pictures = rowOf("3ob_01.xml", 8);
    EXPECT_EQ(drawn(pictures, false),
              QStringList({"Wiersz_L1_UP[0,0 798x24]", "Typ_8@55,0", "'Trzy obrazki: jedzenie'@83,3", "img_poz1@375,4",
                           "img_prtlo@400,9", "'1%'@464,3", "'02-03-2024'@519,3"})); // 1 % fills no column
    EXPECT_EQ(textColour(pictures, false), QColor(134, 134, 134));
    EXPECT_EQ(textColour(pictures, true), QColor(0, 41, 79));
    EXPECT_EQ(drawn(pictures, true)[0], "Wiersz_L1_Hover[0,0 798x24]");

    const QStringList reveal = drawn(rowOf("odk_01.xml", 52), false);
    EXPECT_TRUE(reveal.contains("img_pr[400,9 50x6]")) << reveal.join(" ").toStdString(); // 100 % fills 50 columns
    EXPECT_TRUE(reveal.contains("'100%'@464,3"));

    EXPECT_EQ(drawn(0, false), QStringList({"Tabka_UP[0,0 798x24]", "IMG_Books@24,1", "'Słuchanie'@55,3"}));
    EXPECT_EQ(textColour(0, false), QColor(6, 54, 99));
    EXPECT_EQ(drawn(0, true)[0], "Tabka_Hover[0,0 798x24]");

    // A container: its icon, level, plus and the icons of its three modes.
    const int dialogue = rowOf("dial_01.xml", 102);
    EXPECT_EQ(drawn(dialogue, false),
              QStringList({"Wiersz_L1_UP[0,0 798x24]", "Typ_102@55,2", "'Na zakupach'@83,3", "img_poz2@375,4",
                           "IMG_Plus@780,10", "Typ_11@693,2", "Typ_14@722,2", "Typ_26@751,2"}));
    clickRow(dialogue, 785);
    EXPECT_TRUE(drawn(dialogue, false).contains("IMG_Minus@780,10"));
    // Its unscored presentation: a child row without a result even once stored.
    TElement* presentation = window->NodeAtRow(dialogue + 1);
    presentation->HasResult = true;
    presentation->Progress = -1;
    EXPECT_EQ(drawn(dialogue + 1, false),
              QStringList({"Wiersz_L2_Up[0,0 798x24]", "Typ_11@83,2", "'Prezentacja dialogu'@111,3"}));

    // A long title is cut to the limit with "...".
    const QStringList sentences = drawn(rowOf("zda_01.xml", 103), false);
    const QString shown = sentences[2].section('\'', 1, 1);
    EXPECT_TRUE(shown.endsWith("...")) << shown.toStdString();
    EXPECT_LE(QFontMetrics(SkinFont("Tahoma", 10, true)).horizontalAdvance(shown), 282 + 6);

    // Program mode 2: the sort key before "]" is not shown; the grammar icons.
    inst.programMode = 2;
    window->NodeAtRow(pictures)->Caption = "[07] Czasy przeszłe";
    EXPECT_EQ(drawn(pictures, false).mid(1, 2), QStringList({"Typ_g_8@55,0", "' Czasy przeszłe'@83,3"}));
}

TEST_F(Selection, HoverFollowsTheMouseAndHintsTheFullTitle)
{
    auto hint = InstallMyHint();
    load();
    window->ExpandAll();
    const int pictures = rowOf("3ob_01.xml", 8);
    moveTo(rowPoint(pictures, 200));
    EXPECT_EQ(window->SelectedRow(), pictures);
    EXPECT_EQ(HintText(), "Trzy obrazki: jedzenie");
    EXPECT_EQ(viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(ApplicationHint()->isVisible());

    moveTo(rowPoint(pictures, 500)); // same row, outside the title
    EXPECT_EQ(viewport()->cursor().shape(), Qt::ArrowCursor);
    moveTo(rowPoint(0, 200)); // another row: the hint goes
    EXPECT_EQ(window->SelectedRow(), 0);
    EXPECT_FALSE(ApplicationHint()->isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(viewport(), &leave);
    EXPECT_EQ(window->SelectedRow(), -1);
}

TEST_F(Selection, OpenAContainerFromItsTitleAndComeBackToTheResult)
{
    load();
    window->ExpandAll();
    const int dialogue = rowOf("dial_01.xml", 102);
    clickRow(dialogue, 100); // the title opens the first mode
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->DrzewoLista->isEnabled());
    ASSERT_EQ(TestExerciseWindow::opened, 1);
    EXPECT_EQ(nav->NavState().containerNode(), window->NodeAtRow(dialogue));
    EXPECT_EQ(nav->NavState().currentIndex(), 1);

    TestExerciseWindow* exercise = shownExerciseWindow();
    ASSERT_NE(exercise, nullptr);
    // Its navigation bar offers the container's other modes.
    EXPECT_NE(exercise->findChild<TLumResButton*>("btn_nawigacja_3"), nullptr);
    click(exercise, "btn_nawigacja_2");
    settle();
    exercise = shownExerciseWindow();
    ASSERT_NE(exercise, nullptr);
    EXPECT_EQ(exercise->objectName(), "frmDialogi_Rozum");
    exercise->Check(75);
    click(exercise, "btn_nawigacja_wroc");
    settle();

    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->DrzewoLista->isEnabled());
    clickRow(dialogue, 785);
    EXPECT_TRUE(drawn(dialogue + 2, false).contains("'75%'@464,3"));
    EXPECT_TRUE(drawn(dialogue + 2, false).contains("'10-03-2024'@519,3"));
    EXPECT_TRUE(statText().contains("<dane id=\"14\"><data>10-03-2024</data><postep>75</postep>"));

    // A tile of the container row opens that mode directly.
    clickRow(dialogue, 751 + 5);
    EXPECT_EQ(nav->NavState().currentNode(), window->NodeAtRow(dialogue + 3));
    EXPECT_EQ(TestExerciseWindow::opened, 3);
}

TEST_F(Selection, KeysMoveOpenToggleAndAskForHelp)
{
    load();
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(window->SelectedRow(), 0);
    QTest::keyClick(window.get(), Qt::Key_Return); // a group: toggled, still selected
    EXPECT_EQ(window->RowCount(), 5);
    EXPECT_EQ(window->SelectedRow(), 0);
    QTest::keyClick(window.get(), Qt::Key_Down);
    QTest::keyClick(window.get(), Qt::Key_Up);
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(window->SelectedRow(), 1);
    QTest::keyClick(window.get(), Qt::Key_Enter);
    EXPECT_EQ(TestExerciseWindow::opened, 1);
    EXPECT_EQ(nav->NavState().currentNode()->FileName, "3ob_01.xml");
    EXPECT_FALSE(window->DrzewoLista->isEnabled());

    QTest::keyClick(window.get(), Qt::Key_F1);
    TfrmHelp* help = helpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->navigator().history().value(0), appDir + "\\Pomoc - Selko\\h_index.html");

    messages.queueAnswer(0);
    QTest::keyClick(window.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(messages.shown.last().caption, "Zakończenie pracy");
}
