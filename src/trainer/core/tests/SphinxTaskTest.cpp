#include "FileAudioInput.h"
#include "PocketSphinxRecognizer.h"
#include "RecognitionTask.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kFixture = QStringLiteral(FIXTURES_DIR "/sphinx");

class SphinxTask : public testing::Test {
protected:
    void SetUp() override
    {
        dir = testsupport::copyFixture(kFixture, tmp);
        auto created = PocketSphinxRecognizer::create(input, DefaultSphinxSettings());
        ASSERT_TRUE(created.ok()) << created.failure().text.toStdString();
        recognizer = std::move(*created);
    }
    QString path(const char* name) const { return QDir(dir).filePath(name); }
    int32_t load() { return recognizer->LK_I4_NewResource(path("tmp.lat"), path("tmp.dct")); }

    QTemporaryDir tmp;
    QString dir;
    FileAudioInput input{QStringLiteral("unused.wav")};
    std::unique_ptr<PocketSphinxRecognizer> recognizer;
};

} // namespace

TEST_F(SphinxTask, LoadsTheTrainersTaskAndRefusesBrokenOnesWithoutCrashing)
{
    std::unique_ptr<TDictionary> dictionary;
    ASSERT_TRUE(PreparePhrase(dictionary, {"GOOD", "MORNING", "EVERYBODY"}, *recognizer, dir).ok())
        << recognizer->lastError().toStdString();
    EXPECT_EQ(load(), 0);

    const QByteArray goodLattice = testsupport::readAll(path("tmp.lat"));
    const QByteArray goodDictionary = testsupport::readAll(path("tmp.dct"));
    struct Case {
        const char* name;
        QByteArray lattice;
        QByteArray dictionary;
        int32_t result;
    } const cases[] = {
        {"files missing", {}, {}, -1},
        {"dictionary line without closing bracket", goodLattice, goodDictionary + "BROKEN [BROKEN AA\r\n", -2},
        {"lattice link to a missing node", QByteArray(goodLattice).replace("J=6 S=6 E=7", "J=6 S=6 E=99"),
         goodDictionary, -3},
        {"lattice truncated", goodLattice.left(goodLattice.size() / 2), goodDictionary, -3},
        {"lattice word not in the dictionary", QByteArray(goodLattice).replace("W=MORNING", "W=EVENING"),
         goodDictionary, -4},
        {"word without pronunciation", goodLattice, QByteArray(goodDictionary).replace("M AO R N IH NG", ""), -5},
        {"garbage marker without its entry", goodLattice, QByteArray(goodDictionary).replace("_GV_GBGEMARKER_ []", ""),
         -4},
        {"phone the model lacks", goodLattice, QByteArray(goodDictionary).replace("M AO R N IH NG", "M QQ R N"), -6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path("tmp.lat"));
        QFile::remove(path("tmp.dct"));
        if (!c.lattice.isNull())
            testsupport::writeAll(path("tmp.lat"), c.lattice);
        if (!c.dictionary.isNull())
            testsupport::writeAll(path("tmp.dct"), c.dictionary);
        EXPECT_EQ(load(), c.result);
        EXPECT_FALSE(recognizer->lastError().isEmpty());
        // Without a task an attempt recognizes nothing.
        recognizer->recognizeSound(std::vector<int16_t>(16000, 100));
        EXPECT_EQ(recognizer->LK_N4_Words(), 0);
        EXPECT_EQ(recognizer->LK_STRING_Word(2), "");
    }

    // Phones in lower case, as HTK dictionaries often write them, are accepted;
    // the good task loads again after the failures.
    testsupport::writeAll(path("tmp.lat"), goodLattice);
    testsupport::writeAll(path("tmp.dct"), QByteArray(goodDictionary).replace("M AO R N IH NG", "m ao r n ih ng"));
    EXPECT_EQ(load(), 0);
}

TEST_F(SphinxTask, OddButValidTasksLoadAndDecodeWithoutTrouble)
{
    const QByteArray dictionary = "<s> []\r\ngood morning [good morning] G UH D M AO R N IH NG\r\nhi [hi] HH AY\r\n";
    struct Case {
        const char* name;
        const char* lattice;
    } const cases[] = {
        {"a single empty node", "N=1 L=0\nI=0 W=!NULL\n"},
        {"a word of two words", "N=3 L=2\nI=0 W=<s>\nI=1 W=good morning\nI=2 W=!NULL\nJ=0 S=0 E=1\nJ=1 S=1 E=2\n"},
        {"a cycle of empty nodes", "N=5 L=5\nI=0 W=!NULL\nI=1 W=!NULL\nI=2 W=!NULL\nI=3 W=hi\nI=4 W=!NULL\n"
                                   "J=0 S=0 E=1\nJ=1 S=1 E=2\nJ=2 S=2 E=1 l=-1\nJ=3 S=1 E=3\nJ=4 S=3 E=4\n"},
        {"a positive weight", "N=2 L=1\nI=0 W=hi\nI=1 W=!NULL\nJ=0 S=0 E=1 l=25\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::writeAll(path("tmp.lat"), c.lattice);
        testsupport::writeAll(path("tmp.dct"), dictionary);
        EXPECT_EQ(load(), 0) << recognizer->lastError().toStdString();
        std::vector<int16_t> noise(24000);
        unsigned seed = 7;
        for (auto& v : noise) {
            seed = seed * 1103515245u + 12345u;
            v = int16_t(int((seed >> 16) & 0x7FF) - 1024);
        }
        recognizer->recognizeSound(noise);
        const int32_t n = recognizer->LK_N4_Words();
        EXPECT_TRUE(n == 0 || n >= 3);
        for (int32_t k = 1; k <= n; ++k)
            EXPECT_LE(recognizer->LK_P32N4_WordTime(k).start, recognizer->LK_P32N4_WordTime(k).end);
    }
}

TEST_F(SphinxTask, WordsMissingFromTheCourseDictionaryMakeThePhraseRefused)
{
    std::unique_ptr<TDictionary> dictionary;
    const Status s = PreparePhrase(dictionary, {"GOOD", "XYZZY"}, *recognizer, dir);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().text, QStringLiteral("Słownik nie został poprawnie załadowany!"));
    EXPECT_TRUE(recognizer->lastError().contains("XYZZY"));
}

TEST(PocketSphinxRecognizer, MissingAcousticModelIsReported)
{
    FileAudioInput input(QStringLiteral("unused.wav"));
    SphinxSettings settings = DefaultSphinxSettings();
    settings.acousticModel = QStringLiteral("/nonexistent/model");
    const auto created = PocketSphinxRecognizer::create(input, settings);
    ASSERT_FALSE(created.ok());
    EXPECT_TRUE(created.failure().text.contains("model")) << created.failure().text.toStdString();
}
