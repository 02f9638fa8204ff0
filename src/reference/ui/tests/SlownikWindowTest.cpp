#include "DictionaryText.h"
#include "SkinCanvas.h"
#include "SkinFonts.h"
#include "TLumCheckBox.h"
#include "TLumResButton.h"
#include "TWOwnrScrllBar.h"
#include "TfrmSlownik.h"

#include "TestShellContext.h"
#include "TestSupport.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The window on the fixture dictionary (22 entries), shown.
struct SlownikRig : TestShellContext {
    TfrmSlownik window;

    explicit SlownikRig(const QString& file = QStringLiteral(FIXTURES_DIR "/Slownik.txt")) : window(ctx, file)
    {
        inst.uiTexts.append(56, "Wszystko");
    }

    // Types into the search box and presses Enter.
    void search(const QString& text)
    {
        window.edtSzukaj->clear();
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, window.edtSzukaj, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(window.edtSzukaj, Qt::Key_Return);
    }
    QStringList listed() const
    {
        QStringList words;
        for (int i = 0; i < window.model().listCount(); ++i)
            words << window.model().listEntry(i).word;
        return words;
    }
    TLumResButton* letter(int k) const
    {
        return window.findChild<TLumResButton*>(QStringLiteral("Litera%1").arg(k));
    }
};

// What the list drew: (text, grey italic?) in drawing order.
QList<std::pair<QString, bool>> paintedList(TfrmSlownik& w)
{
    SkinPaintLog log;
    QImage target(w.pbSlownik->size(), QImage::Format_ARGB32);
    w.pbSlownik->render(&target);
    QList<std::pair<QString, bool>> out;
    for (const SkinDrawn& d : log.items) {
        if (d.kind != SkinDrawn::Text)
            continue;
        const bool grey = d.color == QColor(128, 128, 128) && d.font.italic();
        const bool black = d.color == QColor(Qt::black) && !d.font.italic();
        EXPECT_TRUE(grey || black) << d.name.toStdString();
        out.append({d.name, grey});
    }
    return out;
}

} // namespace

TEST(TfrmSlownik, ShowingListsEverythingAndMakesTheLetterButtons)
{
    SlownikRig r;
    EXPECT_TRUE(r.window.letterButtons().isEmpty());
    r.window.show();
    r.window.waitForDictionary();
    QCoreApplication::processEvents();
    EXPECT_EQ(r.window.size(), QSize(550, 450));
    EXPECT_EQ(r.window.model().listCount(), 22);
    EXPECT_TRUE(r.window.model().showAll());

    const QList<TLumResButton*> letters = r.window.letterButtons();
    ASSERT_EQ(letters.size(), 27);
    EXPECT_EQ(r.letter(0)->geometry(), QRect(360, 68, 22, 22));
    EXPECT_EQ(r.letter(6)->geometry(), QRect(492, 68, 22, 22));
    EXPECT_EQ(r.letter(7)->geometry(), QRect(360, 90, 22, 22)) << "seven to a row";
    EXPECT_EQ(r.letter(25)->Caption(), "Z");
    EXPECT_EQ(r.letter(25)->Tag(), 122);
    EXPECT_EQ(r.letter(26)->geometry(), QRect(470, 134, 44, 22)) << "six in the last row";
    EXPECT_EQ(r.letter(26)->Caption(), "Wszystko");
    EXPECT_EQ(r.letter(26)->Tag(), 123);
    EXPECT_EQ(r.letter(0)->GrafikaIndex(), 7);
    EXPECT_TRUE(r.window.rdSzukajSlowka->Checked());
    EXPECT_FALSE(r.window.rdSzukajTlumaczenia->Checked());

    // 22 one-line entries against a page of box height ÷ line height rows.
    const DictionaryMetrics m = r.window.metrics();
    const int rows = 224 / m.lineHeight;
    EXPECT_EQ(r.window.ScrollBar->Max(), std::max(0, 22 - rows));

    QTest::keyClick(r.window.edtSzukaj, Qt::Key_Escape);
    EXPECT_FALSE(r.window.isVisible());
    EXPECT_TRUE(r.window.letterButtons().isEmpty()) << "the letter buttons go with each hiding";
}

TEST(TfrmSlownik, SearchBoxRanksEndingsAndWholeWords)
{
    SlownikRig r;
    r.window.show();

    // Rank 1 equal, 2 first word, 3 a whole word, 4 a prefix, 5 anywhere; file order within a rank.
    r.search("cat");
    EXPECT_EQ(r.listed(), (QStringList{"cat", "cat food", "wild cat", "top cat", "catalogue", "bobcat"}));
    EXPECT_EQ(r.window.scrollPosition(), 0);

    struct Case {
        const char* typed;
        const char* searched;
    } const endings[] = {
        {"boxes", "box"},   // "es" comes off when "box" is in a headword
        {"cats", "cat"},    // then "s"
        {"BUSES", "BUS"},   // in any case
        {"glasses", "glass"},
        {"zzzs", "zzzs"},   // neither rest occurs: searched as typed
        {"s", "s"},         // never emptied
    };
    for (const Case& c : endings) {
        SCOPED_TRACE(c.typed);
        r.search(QString::fromLatin1(c.typed));
        QStringList expected;
        const QString searched = QString::fromLatin1(c.searched).toLower();
        for (const TDane& e : r.window.model().entries())
            if (e.word.toLower().contains(searched))
                expected << e.word;
        const QStringList listed = r.listed();
        EXPECT_EQ(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(expected.begin(), expected.end()));
    }

    // Whole words: "in" is the second word of "bring in" but only a part of "inside".
    QTest::mouseClick(r.window.chkCaleWyrazy, Qt::LeftButton);
    ASSERT_TRUE(r.window.chkCaleWyrazy->Checked());
    r.search("in");
    EXPECT_EQ(r.listed(), QStringList{"bring in"});
    QTest::mouseClick(r.window.chkCaleWyrazy, Qt::LeftButton);
    r.search("in");
    EXPECT_EQ(r.listed(), (QStringList{"bring in", "inside", "sing"})) << "ranks 3, 4, 5";

    // An empty box lists everything again.
    r.search("");
    EXPECT_TRUE(r.window.model().showAll());
}

TEST(TfrmSlownik, LetterButtonsSearchByFirstLetterInTheChosenField)
{
    SlownikRig r;
    r.window.show();
    QTest::mouseClick(r.letter(1), Qt::LeftButton); // B
    EXPECT_EQ(r.listed(), (QStringList{"bobcat", "box", "bring in", "bus", "big"}));

    // With translations chosen, B lists the translations starting with b
    // after their first four characters (the class marker and its blank).
    QTest::mouseClick(r.window.rdSzukajTlumaczenia, Qt::LeftButton);
    EXPECT_FALSE(r.window.rdSzukajSlowka->Checked());
    QTest::mouseClick(r.letter(1), Qt::LeftButton);
    EXPECT_EQ(r.listed(), (QStringList{"white", "shoe"}));

    QTest::mouseClick(r.letter(26), Qt::LeftButton);
    EXPECT_TRUE(r.window.model().showAll());
    EXPECT_EQ(r.window.model().listCount(), 22);

    // Showing again starts in the words.
    r.window.hide();
    r.window.show();
    EXPECT_TRUE(r.window.rdSzukajSlowka->Checked());
    QTest::mouseClick(r.letter(15), Qt::LeftButton); // P
    EXPECT_EQ(r.listed(), (QStringList{"parish", "Paris", "pig"}));
}

TEST(TfrmSlownik, LookingUpAWordFromAnExercise)
{
    SlownikRig r;
    struct Case {
        const char* word;
        const char* form;
    } const cases[] = {
        {"(walked)!", "walk"},  // brackets and the mark go, then the ending not found
        {"Walks,", "Walk"},
        {"  box. ", "box"},     // found as it is: nothing more taken off
        {"singing", "sing"},
        {"12345", ""},
        {"?!", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        EXPECT_EQ(r.window.DictionaryForm(QString::fromUtf8(c.word)), QString::fromUtf8(c.form));
    }

    r.window.ShowWord("12345");
    EXPECT_FALSE(r.window.isVisible()) << "nothing to look up";
    r.window.ShowWord("(Walked)!");
    EXPECT_TRUE(r.window.isVisible());
    EXPECT_EQ(r.window.edtSzukaj->text(), "Walk");
    EXPECT_EQ(r.listed(), QStringList{"walk"});

    // While shown, a second look-up searches at once, in the words.
    QTest::mouseClick(r.window.rdSzukajTlumaczenia, Qt::LeftButton);
    r.window.ShowWord("dogs");
    EXPECT_EQ(r.listed(), QStringList{"dog"});
    EXPECT_TRUE(r.window.rdSzukajSlowka->Checked());
}

TEST(TfrmSlownik, ClassMarkersArePaintedAsGreyLabels)
{
    SlownikRig r;
    r.window.show();
    r.search("box");
    // [1] pudełko [3] pakować: "n" grey, the word, ", v" grey (a second marker), the word.
    EXPECT_EQ(paintedList(r.window),
              (QList<std::pair<QString, bool>>{{"box", false}, {"n", true}, {"pudełko", false}, {", v", true},
                                               {"pakować", false}}));

    // After a class-9 marker everything stays grey until a marker of class 1 … 8.
    r.search("big");
    EXPECT_EQ(paintedList(r.window),
              (QList<std::pair<QString, bool>>{{"big", false},
                                               {"adj", true},
                                               {"duży", false}, // the class-9 label has no name
                                               {"pot.", true},
                                               {"wielki", true},
                                               {", n", true},
                                               {"gruba", false},
                                               {"ryba", false}}));

    // Where the texts go: the word column at 10, translations from 200, 6
    // pixels after a text unless a class marker follows.
    SkinPaintLog log;
    QImage target(r.window.pbSlownik->size(), QImage::Format_ARGB32);
    r.search("box");
    r.window.pbSlownik->render(&target);
    const SkinDrawn* word = log.find("box");
    const SkinDrawn* label = log.find("n");
    const SkinDrawn* translation = log.find("pudełko");
    ASSERT_TRUE(word && label && translation);
    EXPECT_EQ(word->rect.topLeft(), QPoint(10, 0));
    EXPECT_EQ(label->rect.topLeft(), QPoint(200, 0));
    EXPECT_EQ(translation->rect.left(), 200 + label->rect.width() + 6);
    EXPECT_EQ(log.find(", v")->rect.left(), translation->rect.right() + 1);
}

TEST(TfrmSlownik, WheelAndScrollBarMoveTheList)
{
    SlownikRig r;
    r.window.show();
    const int max = r.window.ScrollBar->Max();
    ASSERT_GT(max, 1) << "the fixture is longer than one page";

    // Over the list (a sent wheel event does not travel up from the paint
    // box to the window as the system's does, so it goes to the window).
    auto wheel = [&](int dy) {
        const QPointF at = r.window.pbSlownik->geometry().center();
        QWheelEvent e(at, r.window.mapToGlobal(at), QPoint(), QPoint(0, dy), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&r.window, &e);
    };
    wheel(-120);
    EXPECT_EQ(r.window.scrollPosition(), 1);
    auto first = paintedList(r.window);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first[0].first, "catalogue") << "the list starts at the second entry";
    wheel(120);
    wheel(120);
    EXPECT_EQ(r.window.scrollPosition(), 0);
    for (int i = 0; i < max + 5; ++i)
        wheel(-120);
    EXPECT_EQ(r.window.scrollPosition(), max);

    // The last entry is on the last page.
    const auto last = paintedList(r.window);
    ASSERT_FALSE(last.isEmpty());
    bool pigShown = false;
    for (const auto& t : last)
        pigShown |= t.first == "pig";
    EXPECT_TRUE(pigShown);

    // A search starts at the top again.
    r.search("a");
    EXPECT_EQ(r.window.scrollPosition(), 0);
}

// The dictionary the sample installation ships (made by scripts/build-sample.sh).
TEST(TfrmSlownik, TheSampleDictionary)
{
    QString sample = qEnvironmentVariable("ORVANTA_SAMPLE_DIR", QStringLiteral(SAMPLE_DIR));
    const QString file = sample + "/selko/Config/Slownik.txt";
    if (!QFileInfo::exists(file))
        GTEST_SKIP() << "no sample dictionary at " << file.toStdString()
                     << " (bash scripts/build-sample.sh build/sample, or set ORVANTA_SAMPLE_DIR)";

    const auto read = WczytajDane(file);
    ASSERT_TRUE(read.ok());
    EXPECT_GT(read->entries.size(), 10000);
    EXPECT_TRUE(read->skipped.isEmpty()) << read->skipped.size() << " lines skipped, the first: "
                                         << read->skipped.value(0).text.toStdString();

    SlownikRig r(file);
    r.window.show();
    r.window.waitForDictionary();
    EXPECT_EQ(r.window.model().entries().size(), read->entries.size());

    for (const char* text : {"cat", "house", "go", "in"}) {
        SCOPED_TRACE(text);
        r.search(QString::fromLatin1(text));
        const QStringList words = r.listed();
        ASSERT_FALSE(words.isEmpty());
        EXPECT_EQ(words[0], QString::fromLatin1(text)) << "the headword itself first";
        int previous = 1;
        for (const QString& w : words) {
            const int rank = DictionaryRank(QStringView(w.toLower()), QStringView(QString::fromLatin1(text)));
            EXPECT_GE(rank, previous) << w.toStdString();
            previous = rank;
        }
    }

    // Irregular past forms are entries of their own, with their class.
    r.search("went");
    ASSERT_FALSE(r.listed().isEmpty());
    EXPECT_EQ(r.window.model().listEntry(0).wordClass, "II form");

    QTest::mouseClick(r.letter(25), Qt::LeftButton); // Z
    ASSERT_GT(r.window.model().listCount(), 0);
    for (const QString& w : r.listed())
        EXPECT_TRUE(w.startsWith(u'z', Qt::CaseInsensitive)) << w.toStdString();
    EXPECT_FALSE(paintedList(r.window).isEmpty());
}
