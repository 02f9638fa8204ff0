#include "HintLayout.h"
#include "SmoothText.h"
#include "TAALabel.h"
#include "TMyHint.h"
#include "TestSupport.h"
#include "UiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

using namespace uitest;

namespace {

struct Expected {
    const char* word;
    int x, y;
    bool bold;
};

TEST(HintLayout, BoldWordsLineBreaksAndEmptyWords)
{
    const QFont f = TMyHint::hintFont();
    QFont b = f;
    b.setBold(true);
    auto w = [&](const char* s, bool bold = false) { return TextWidth(bold ? b : f, QString::fromUtf8(s)); };

    struct Case {
        const char* text;
        std::vector<Expected> words;
        int lines;
        int width;
    };
    const int ala = 10 + w("Ala") + 4;
    const int bardzo = 10 + w("Bardzo", true) + 4;
    const Case cases[] = {
        {"Ala <B>ma</B> kota",
         {{"Ala", 10, 2, false}, {"ma", ala, 2, true}, {"kota", ala + w("ma", true) + 4, 2, false}},
         1, ala + w("ma", true) + 4 + w("kota") + 4},
        {"<B>Bardzo ważne</B>", {{"Bardzo", 10, 2, true}, {"ważne", bardzo, 2, true}}, 1, bardzo + w("ważne", true) + 4},
        {"jeden <BR> dwa", {{"jeden", 10, 2, false}, {"dwa", 10, 22, false}}, 2, 10 + w("jeden") + 4},
        {"a  b", {{"a", 10, 2, false}, {"", 10 + w("a") + 4, 2, false}, {"b", 10 + w("a") + 8, 2, false}},
         1, 10 + w("a") + 8 + w("b") + 4},
        {"", {}, 1, 10},
        {"raz <BR> <BR> trzy", {{"raz", 10, 2, false}, {"trzy", 10, 42, false}}, 3, 10 + w("trzy") + 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const HintLayout l = LayoutHintText(QString::fromUtf8(c.text), f);
        EXPECT_EQ(l.lines, c.lines);
        EXPECT_EQ(l.width, c.width);
        ASSERT_EQ(l.words.size(), qsizetype(c.words.size()));
        for (size_t i = 0; i < c.words.size(); ++i) {
            EXPECT_EQ(l.words[i].text, QString::fromUtf8(c.words[i].word));
            EXPECT_EQ(l.words[i].at, QPoint(c.words[i].x, c.words[i].y));
            EXPECT_EQ(l.words[i].bold, c.words[i].bold);
        }
    }
}

class Hint : public testing::Test {
protected:
    void TearDown() override { HintText().clear(); }
};

TEST_F(Hint, WindowSizeFollowsTheTextAndAnEmptyTextShowsNothing)
{
    TMyHint hint;
    HintText() = "Naciśnij <B>Sprawdź</B> <BR> aby zobaczyć wynik";
    hint.ActivateHint(QRect(100, 100, 30, 20));
    ASSERT_TRUE(hint.isVisible());
    const int w = LayoutHintText(HintText(), TMyHint::hintFont()).width;
    EXPECT_EQ(hint.geometry(), QRect(100, 100, w + 20, 40)); // 20 pixels taller for the second line
    EXPECT_EQ(hint.lines(), 2);

    const std::vector<SkinDrawn> log = paintLog(hint);
    EXPECT_EQ(item(log, "Sprawdź").color, QColor(255, 0, 0));
    EXPECT_TRUE(item(log, "Sprawdź").font.bold());
    EXPECT_EQ(item(log, "aby").color, QColor(0, 0, 0));
    EXPECT_EQ(item(log, "aby").rect.topLeft(), QPoint(10, 22));

    HintText().clear();
    hint.ActivateHint(QRect(100, 100, 30, 20));
    EXPECT_FALSE(hint.isVisible());
}

TEST_F(Hint, InstalledHintReplacesTheToolTip)
{
    const auto installed = InstallMyHint();
    ASSERT_NE(ApplicationHint(), nullptr);
    QWidget window;
    window.resize(400, 300);
    auto* label = new TAALabel(&window);
    label->setGeometry(10, 10, 200, 20);
    label->setHintW("Kliknij, aby <B>posłuchać</B>");
    auto* plain = new QWidget(&window);
    plain->setGeometry(10, 50, 100, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QTest::mouseMove(&window, QPoint(20, 15));
    EXPECT_EQ(HintText(), "Kliknij, aby <B>posłuchać</B>");
    QHelpEvent ask(QEvent::ToolTip, QPoint(10, 5), label->mapToGlobal(QPoint(10, 5)));
    QApplication::sendEvent(label, &ask);
    EXPECT_TRUE(ApplicationHint()->isVisible());
    EXPECT_FALSE(QToolTip::isVisible());
    EXPECT_EQ(ApplicationHint()->pos(), label->mapToGlobal(QPoint(10, 25)));

    QTest::mouseMove(&window, QPoint(300, 250));
    EXPECT_TRUE(HintText().isEmpty());
    EXPECT_FALSE(ApplicationHint()->isVisible());

    // a control without a hint of its own shows nothing, whatever HintText holds
    HintText() = "cokolwiek";
    QHelpEvent askPlain(QEvent::ToolTip, QPoint(5, 5), plain->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(plain, &askPlain);
    EXPECT_FALSE(ApplicationHint()->isVisible());
}

} // namespace
