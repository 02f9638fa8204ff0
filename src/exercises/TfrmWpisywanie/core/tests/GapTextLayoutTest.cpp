#include "GapText.h"
#include "GapTextLayout.h"
#include "TestSupport.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

// Font metrics need the GUI application.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "wpisywanie_core_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            m_app = new QGuiApplication(argc, argv);
    }

private:
    QGuiApplication* m_app = nullptr;
};
const testing::Environment* const kGui = testing::AddGlobalTestEnvironment(new GuiEnvironment);

struct Page {
    GapTextRun run;
    GapTextLayoutInput in;
    QFontMetrics fm{GapTextFont()};
    int space = fm.horizontalAdvance(u' ');
    int line = GapTextLineHeight(GapTextFont());

    explicit Page(const char* text, int width = 600)
    {
        run.Reset(ParseGapText(QString::fromUtf8(text)));
        in.areaWidth = width;
        in.pictureSize = [](const QString& name) {
            return name == u"tree.bmp" ? QSize(100, 80) : QSize();
        };
    }
    GapTextLayout layout() const { return LayoutGapText(run, in); }
    int width(const QString& s, bool bold = false) const
    {
        QFont f = GapTextFont();
        f.setBold(bold);
        return QFontMetrics(f).horizontalAdvance(s);
    }
    QList<GapTextPiece> piecesOf(const GapTextLayout& l, int item) const
    {
        QList<GapTextPiece> out;
        for (const GapTextPiece& p : l.pieces)
            if (p.item == item)
                out << p;
        return out;
    }
};

} // namespace

TEST(GapTextLayout, WordsFlowAndWrapAndCommasHugTheWordBefore)
{
    Page page("alpha beta , gamma");
    const int w = page.width(QStringLiteral("alpha")) + page.space + page.width(QStringLiteral("beta")) + page.space / 2;
    page.in.areaWidth = w + page.width(QStringLiteral(",")); // "," fits, "gamma" does not
    const GapTextLayout l = page.layout();
    ASSERT_EQ(l.pieces.size(), 4);
    const int betaLeft = page.width(QStringLiteral("alpha")) + page.space;
    EXPECT_EQ(l.pieces[1].rect.topLeft(), QPoint(betaLeft, 0));
    EXPECT_EQ(l.pieces[2].rect.left(), betaLeft + page.width(QStringLiteral("beta")) + page.space - page.space);
    EXPECT_EQ(l.pieces[3].rect.topLeft(), QPoint(0, page.line));
    EXPECT_EQ(l.contentHeight, 2 * page.line);
    // Every painted word can be looked up.
    EXPECT_EQ(l.words.size(), 4);
    EXPECT_EQ(l.words[3].first, QStringLiteral("gamma"));
    EXPECT_EQ(l.lineHeight, page.fm.height() + 8);
}

TEST(GapTextLayout, TagsBreakLinesStepAndStyleWords)
{
    Page page("a <BR> <AK> b <AK=200> c <I> d </I> e <B> f");
    const GapTextLayout l = page.layout();
    ASSERT_EQ(l.pieces.size(), 6);
    EXPECT_EQ(l.pieces[0].rect.topLeft(), QPoint(0, 0));
    EXPECT_EQ(l.pieces[1].rect.topLeft(), QPoint(30, page.line)); // "<AK>" after a new line
    const int afterB = 30 + page.width(QStringLiteral("b")) + page.space;
    EXPECT_EQ(l.pieces[2].rect.left(), afterB + (200 - afterB)); // a tab stop at 200
    EXPECT_TRUE(l.pieces[3].italic);
    QFont italic = GapTextFont();
    italic.setItalic(true);
    // Italics widen the spacing after their words by 4.
    EXPECT_EQ(l.pieces[4].rect.left(), l.pieces[3].rect.left() + QFontMetrics(italic).horizontalAdvance(u'd') + page.space + 4);
    EXPECT_FALSE(l.pieces[4].italic);
    EXPECT_TRUE(l.pieces[5].bold);
}

TEST(GapTextLayout, TextFlowsBesideAPictureUntilALineStartsBelowIt)
{
    // 100 x 80 picture; lines are about 26 pixels, so lines 0..3 start beside it.
    Page page("<IMG LEFT> tree.bmp missing.bmp </IMG> one <BR> two <BR> three <BR> four <BR> five");
    const GapTextLayout l = page.layout();
    ASSERT_EQ(l.pieces.first().kind, GapTextPiece::Picture);
    EXPECT_EQ(l.pieces.first().rect, QRect(0, 0, 100, 80));
    EXPECT_EQ(l.pieces.first().name, QStringLiteral("tree.bmp"));
    QList<QPoint> starts;
    for (const GapTextPiece& p : l.pieces)
        if (p.kind == GapTextPiece::Text)
            starts << p.rect.topLeft();
    ASSERT_EQ(starts.size(), 5);
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const int y = k * page.line;
        EXPECT_EQ(starts[k], QPoint(y < 80 ? 110 : 0, y));
    }
    EXPECT_EQ(l.contentHeight, std::max(80, 5 * page.line));
}

TEST(GapTextLayout, APictureOnTheRightNarrowsTheLinesBesideIt)
{
    Page page("start <IMG RIGHT> tree.bmp </IMG> word word word word word word word word", 300);
    const GapTextLayout l = page.layout();
    const GapTextPiece picture = l.pieces.at(1);
    ASSERT_EQ(picture.kind, GapTextPiece::Picture);
    EXPECT_EQ(picture.rect, QRect(200, page.line, 100, 80)); // on a new line, at the right edge
    for (const GapTextPiece& p : l.pieces)
        if (p.kind == GapTextPiece::Text && p.rect.top() < picture.rect.bottom())
            EXPECT_LE(p.rect.right(), 300 - 110) << p.rect.top();
}

TEST(GapTextLayout, GapsShowFieldTypedTextIconsAndAnswersByState)
{
    Page page("I <am> a <student/pupil> <here>");
    GapTextRun& run = page.run;
    run.OpenGap(0);
    run.CommitOnly(QStringLiteral("am"));
    run.OpenGap(1);
    run.CommitOnly(QStringLiteral("studnet"));
    const int am = run.gapItem(0), student = run.gapItem(1), here = run.gapItem(2);

    // Input: typed text in bold blue, an empty gap as the field; both clickable.
    GapTextLayout l = page.layout();
    EXPECT_EQ(page.piecesOf(l, am).at(0).colour, FormColour(GapTextColours::Typed));
    EXPECT_TRUE(page.piecesOf(l, am).at(0).bold);
    const GapTextPiece field = page.piecesOf(l, here).at(0);
    EXPECT_EQ(field.kind, GapTextPiece::Field);
    EXPECT_EQ(field.rect.size(), QSize(93, 21));
    EXPECT_EQ(l.itemRects.at(here), field.rect);
    EXPECT_FALSE(l.itemRects.at(am).isNull());

    // Checked: icon then the input (or a line) in green or red; nothing clickable.
    run.Check(AnswerRules{});
    l = page.layout();
    struct Expect {
        int item;
        const char* icon;
        const char* text;
        int colour;
    } checked[] = {
        {am, "IMG_OK", "am", GapTextColours::Right},
        {student, "IMG_Zle", "studnet", GapTextColours::Wrong},
        {here, "IMG_Zle", "______", GapTextColours::Wrong},
    };
    for (const Expect& e : checked) {
        SCOPED_TRACE(e.text);
        const QList<GapTextPiece> ps = page.piecesOf(l, e.item);
        ASSERT_EQ(ps.size(), 2);
        EXPECT_EQ(ps[0].kind, GapTextPiece::Icon);
        EXPECT_EQ(ps[0].name, QString::fromLatin1(e.icon));
        EXPECT_EQ(ps[1].name, QString::fromLatin1(e.text));
        EXPECT_EQ(ps[1].colour, FormColour(e.colour));
        EXPECT_EQ(ps[1].rect.left(), ps[0].rect.left() + 24 + page.space);
        EXPECT_TRUE(l.itemRects.at(e.item).isNull());
    }

    // Solution: right inputs plain green; wrong gaps the first alternative after
    // the info icon, with a place for the hint.
    run.ShowAnswers();
    l = page.layout();
    EXPECT_EQ(page.piecesOf(l, am).size(), 1);
    EXPECT_EQ(page.piecesOf(l, am).at(0).colour, FormColour(GapTextColours::Right));
    EXPECT_TRUE(l.itemRects.at(am).isNull());
    const QList<GapTextPiece> ps = page.piecesOf(l, student);
    ASSERT_EQ(ps.size(), 2);
    EXPECT_EQ(ps[0].name, QStringLiteral("IMG_Info"));
    EXPECT_EQ(ps[1].name, QStringLiteral("student"));
    EXPECT_EQ(ps[1].colour, FormColour(GapTextColours::Right));
    EXPECT_EQ(l.itemRects.at(student), ps[0].rect.united(ps[1].rect));
}

TEST(GapTextLayout, ScrollBarAppearsOnlyForContentTallerThanTheArea)
{
    struct Case {
        int content, area, line, maximum;
    } cases[] = {
        {300, 400, 26, 0}, {390, 400, 26, 0}, {391, 400, 26, 1}, {400, 400, 26, 1}, {452, 400, 26, 2}, {453, 400, 26, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        EXPECT_EQ(GapTextScrollMaximum(c.content, c.area, c.line), c.maximum);
    }
}

TEST(GapTextLayout, PhraseListStepsAndIndentsWrappedPlainLines)
{
    const QFont font = GapTextFont();
    const QFontMetrics fm(font);
    const GapTextItems items = ParsePhraseText(QStringLiteral("<B>older</B> <AK> starszy niż ktoś <BR> x"));
    const int olderEnd = QFontMetrics([&] { QFont b = font; b.setBold(true); return b; }()).horizontalAdvance(QStringLiteral("older"))
                         + fm.horizontalAdvance(u' ');
    const int width = olderEnd + 20 + fm.horizontalAdvance(QStringLiteral("starszy niż")) + 2;
    const GapTextLayout l = LayoutPhraseList(items, font, width);
    QStringList texts;
    for (const GapTextPiece& p : l.pieces)
        texts << p.name;
    EXPECT_EQ(texts, (QStringList{"older", "starszy", "niż", "ktoś", "x"}));
    EXPECT_TRUE(l.pieces[0].bold);
    EXPECT_EQ(l.pieces[1].rect.topLeft(), QPoint(olderEnd + 20, 0));
    const int line = GapTextLineHeight(font);
    EXPECT_EQ(l.pieces[3].rect.topLeft(), QPoint(20, line)); // wrapped plain text starts 20 in
    EXPECT_EQ(l.pieces[4].rect.topLeft(), QPoint(0, 2 * line));
    EXPECT_EQ(l.contentHeight, 3 * line);
}
