#include "RowsText.h"
#include "TestSupport.h"
#include "QuestionPicture.h"
#include "Test2Exercise.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(FIXTURES_DIR "/") + QLatin1String(name);
}

} // namespace

TEST(Test2Load, ReadsTheQuestionsInFileOrderWithInstructionAndHint)
{
    const auto c = LoadTest2File(fixture("test.xml"), 1, 0);
    ASSERT_TRUE(c.ok()) << c.failure().text.toStdString();
    EXPECT_EQ(c->html, QStringLiteral("czasy\\past.html"));
    EXPECT_EQ(c->instruction, QStringLiteral("Choose the correct answer."));
    EXPECT_EQ(c->translation, QStringLiteral("Wybierz poprawną odpowiedź."));
    ASSERT_EQ(c->grupy.size(), 3);

    const TGrupa& first = c->grupy[0];
    EXPECT_EQ(first.number, 1);
    EXPECT_EQ(first.media, QStringLiteral("t_01.wav"));
    EXPECT_EQ(first.text, QStringLiteral("Yesterday I ________ to the cinema."));
    EXPECT_EQ(describeRows(first), QStringList({"went*", "go", "gone"}));

    const TGrupa& second = c->grupy[1];
    EXPECT_EQ(second.number, 2) << "numbered by position, whatever the id says";
    EXPECT_EQ(second.text, QStringLiteral("Which are colours?<BR>Pick two."));
    EXPECT_EQ(second.poprawne, QStringLiteral("2,5"));
    EXPECT_EQ(describeRows(second), QStringList({"dog", "red*", "cat", "sun"}));

    EXPECT_EQ(c->grupy[2].media, QString());
}

TEST(Test2Load, TranslationLanguageWithoutAnInstructionGivesNoHint)
{
    const auto c = LoadTest2File(fixture("test.xml"), 1, 255);
    ASSERT_TRUE(c.ok());
    EXPECT_EQ(c->translation, QString());
}

TEST(Test2Load, FailuresCarryTheMessageTheWindowShows)
{
    const struct Case {
        const char* file;
        const char* message;
    } cases[] = {
        {"missing.xml", "Brak pliku ćwiczenia! (3)"},
        {"broken.xml", "Błąd podczas wczytywania pliku ćwiczenia! (broken.xml)"},
        {"bad_language.xml", "Błąd podczas wczytywania pliku ćwiczenia! (bad_language.xml)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const auto r = LoadTest2File(fixture(c.file), 1, 0);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.failure().text, QString::fromUtf8(c.message));
        EXPECT_EQ(r.failure().caption, QStringLiteral("Błąd"));
    }
}

TEST(Test2Load, ShuffleMovesCorrectFlagsWithTheirRowsAndVariesTheOrder)
{
    const auto c = LoadTest2File(fixture("test.xml"), 1, 0);
    ASSERT_TRUE(c.ok());
    QSet<QString> firstQuestions;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        std::mt19937 random(seed);
        QList<TGrupa> g = c->grupy;
        ShuffleTest(g, random);
        ASSERT_EQ(g.size(), 3);
        QList<int> numbers;
        for (const TGrupa& q : g) {
            numbers.append(q.number);
            const TGrupa& original = c->grupy[q.number - 1];
            QStringList shuffled = describeRows(q);
            QStringList before = describeRows(original);
            shuffled.sort();
            before.sort();
            EXPECT_EQ(shuffled, before) << "rows keep their texts and flags";
        }
        std::sort(numbers.begin(), numbers.end());
        EXPECT_EQ(numbers, QList<int>({1, 2, 3}));
        firstQuestions.insert(g[0].text);
    }
    EXPECT_EQ(firstQuestions.size(), 3) << "each question comes first for some seed";
}

TEST(Test2Load, AQuestionPictureIsChosenByItsPositionInTheFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Gfx/Test_gfx")));
    const QString gfx = dir.path() + QStringLiteral("/Gfx/Test_gfx/");
    for (const char* name : {"food_1_R.png", "food_2_B.png", "food_2_T.png", "food_3_L.png", "FOOD_4_t.PNG",
                             "other_5_L.png"})
        testsupport::writeAll(gfx + QLatin1String(name), "png");
    const QString exercise = dir.path() + QStringLiteral("/Dane/food.xml");

    const struct Case {
        int number;
        const char* file;
        PicturePlacement placement;
    } cases[] = {
        {1, "food_1_R.png", PicturePlacement::Right},
        {2, "food_2_T.png", PicturePlacement::Top}, // T is tried before B
        {3, "food_3_L.png", PicturePlacement::Left},
        {4, "FOOD_4_t.PNG", PicturePlacement::Top}, // names match in any case
        {5, "", PicturePlacement::None},
        {10, "", PicturePlacement::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const QuestionPicture p = FindQuestionPicture(dir.path(), exercise, c.number);
        EXPECT_EQ(p.placement, c.placement);
        EXPECT_EQ(p.path.isEmpty() ? QString() : QFileInfo(p.path).fileName(), QLatin1String(c.file));
    }
}
