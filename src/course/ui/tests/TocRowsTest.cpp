#include "HelpPages.h"
#include "SmoothText.h"
#include "TElement.h"
#include "TestSupport.h"
#include "TocRows.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

TEST(TocRows, HitZonesByRowType)
{
    struct Case {
        int type, x, children;
        TocAction action;
        int child;
    } const cases[] = {
        {-1, 0, 3, TocAction::Toggle, 0},
        {-1, 797, 0, TocAction::Toggle, 0},
        {1, 55, 0, TocAction::None, 0},
        {1, 56, 0, TocAction::OpenNode, 0},
        {1, 365, 0, TocAction::OpenNode, 0},
        {1, 366, 0, TocAction::None, 0},
        {2, 56, 3, TocAction::OpenFirstChild, 1},
        {2, 300, 0, TocAction::None, 0},  // a container without children offers nothing
        {2, 780, 3, TocAction::Toggle, 0},
        {2, 789, 3, TocAction::Toggle, 0},
        {2, 790, 3, TocAction::None, 0},
        {2, 693, 3, TocAction::OpenChild, 1}, // tiles at 780 - 87 + 29 (i - 1)
        {2, 717, 3, TocAction::OpenChild, 1},
        {2, 718, 3, TocAction::None, 0},
        {2, 722, 3, TocAction::OpenChild, 2},
        {2, 775, 3, TocAction::OpenChild, 3},
        {2, 776, 3, TocAction::None, 0},
        {3, 82, 0, TocAction::None, 0},
        {3, 83, 0, TocAction::OpenNode, 0},
        {3, 365, 0, TocAction::OpenNode, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " x " << c.x);
        const TocHit hit = TocHitTest(c.type, c.x, c.children);
        EXPECT_EQ(hit.action, c.action);
        if (c.action == TocAction::OpenChild) {
            EXPECT_EQ(hit.child, c.child);
        }
    }
}

TEST(TocRows, ShortenTextKeepsWithinTheLimitAndEndsInDots)
{
    static int argc = 1;
    static char name[] = "t";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = QCoreApplication::instance() ? nullptr : new QGuiApplication(argc, argv);
    (void)app;
    const QFontMetrics fm(SkinFont("Tahoma", 10, true));
    const QString caption = QStringLiteral("Zdania o podróżach, długich wyjazdach, pociągach i wszystkich hotelach świata");
    ASSERT_GT(fm.horizontalAdvance(caption), 282);
    for (int limit : {282, 254, 120, 40}) {
        SCOPED_TRACE(limit);
        const QString shown = ShortenText(fm, caption, limit);
        EXPECT_TRUE(shown.endsWith("..."));
        EXPECT_TRUE(caption.startsWith(shown.chopped(3)));
        EXPECT_LE(fm.horizontalAdvance(shown), limit + 6);
        EXPECT_GE(fm.horizontalAdvance(shown), limit - 3 * fm.horizontalAdvance(u'W'));
    }
    // Narrow last characters: "..." is wider than "il", so two are dropped.
    const QString thin = ShortenText(fm, QStringLiteral("Wiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii"), 30);
    EXPECT_TRUE(thin.endsWith("..."));
}

TEST(TocRows, CaptionsAndIconsByProgramMode)
{
    EXPECT_EQ(TocCaption("[01] Czasy", 2), " Czasy");
    EXPECT_EQ(TocCaption("Bez klucza", 2), "Bez klucza");
    EXPECT_EQ(TocCaption("[01] Czasy", 1), "[01] Czasy");

    TElement node;
    node.Kind = 31;
    EXPECT_EQ(TocKindIconName(node, 1), "Typ_31");
    EXPECT_EQ(TocKindIconName(node, 2), "Typ_g_31");
    node.Kind = 101;
    node.PackageParam = 2;
    EXPECT_EQ(TocKindIconName(node, 1), "Typ_101_2");
    EXPECT_EQ(TocKindIconName(node, 2), "Typ_g_101_2");
}

TEST(TocRows, HelpPagesByFormAndMode)
{
    struct Case {
        const char* form;
        int mode;
        const char* page;
    } const cases[] = {
        {"frmAntonimy", 2, "h_exer.html#a7"}, {"frmTest2", 2, "h_exer.html#a6"},
        {"frmZdaniaDD", 2, "h_exer.html#a3"}, {"frmDialogi_Prez", 2, "h_index.html"},
        {"frmOdkrywanka", 1, "h_nowe.html"},  {"frm3Obrazki", 1, "h_foto.html"},
        {"frmTFGr", 1, "h_film.html"},        {"frmWyborCwiczenia", 1, "h_index.html"},
        {"frmZdania_Tlu", 3, "h_sent.html"},  {"frmDialogi_Rozum", 1, "h_konwers.html"},
        {"frmMain", 1, "h_index.html"},       {"frmTest2", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.form);
        EXPECT_EQ(HelpPageForForm(c.form, c.mode), QString::fromLatin1(c.page));
    }
}
