#include "AnsiText.h"
#include "RecognitionTask.h"
#include "ScriptedRecognizer.h"
#include "TDictionary.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kTaskFixture = QStringLiteral(FIXTURES_DIR "/task");

// The garbage sub-lattice every task lattice starts with.
const char* const kGarbage =
    "SUBLAT=<GARBAGE>\r\n"
    "N=6 L=6\r\n"
    "I=0 W=!NULL x=10 y=10\r\n"
    "I=1 W=!NULL x=20 y=10\r\n"
    "I=2 W=!NULL x=30 y=10\r\n"
    "I=3 W=_GV_GBGEMARKER_ x=40 y=10\r\n"
    "I=4 W=!NULL x=50 y=10\r\n"
    "I=5 W=P__GV_GBGE_ x=25 y=20\r\n"
    "J=0 S=0 E=1\r\n"
    "J=1 S=1 E=5\r\n"
    "J=2 S=2 E=1 l=-16\r\n"
    "J=3 S=2 E=3\r\n"
    "J=4 S=3 E=4\r\n"
    "J=5 S=5 E=2\r\n"
    ".\r\n";

// The fixed head of the phrase lattice, after its N= L= line.
const char* const kMainHead =
    "I=0 W=!NULL x=10 y=10\r\n"
    "I=1 W=!NULL x=510 y=10\r\n"
    "I=2 W=<s> x=15 y=10\r\n"
    "I=3 W=</s> x=505 y=10\r\n"
    "I=4 L=<GARBAGE> x=250 y=5\r\n";

const char* const kMainLinks =
    "J=0 S=0 E=2\r\n"
    "J=1 S=3 E=1\r\n"
    "J=2 S=2 E=4 l=-16\r\n"
    "J=3 S=4 E=3\r\n"
    "J=4 S=2 E=5\r\n";

class TaskFolder : public testing::Test {
protected:
    void SetUp() override { dir = testsupport::copyFixture(kTaskFixture, tmp); }
    QByteArray file(const char* name) const { return testsupport::readAll(QDir(dir).filePath(name)); }
    bool exists(const char* name) const { return QFile::exists(QDir(dir).filePath(name)); }

    QTemporaryDir tmp;
    QString dir;
};

} // namespace

TEST(PhraseWordList, TakesFieldsUpToTheFirstEmptyOne)
{
    struct Case {
        const char* field;
        QStringList words;
    } const cases[] = {
        {"I/AM/HERE", {"I", "AM", "HERE"}},
        {"I/AM/HERE/", {"I", "AM", "HERE"}},   // a trailing separator changes nothing
        {"I//AM", {"I"}},                      // a doubled separator ends the list
        {"/I", {}},
        {"", {}},
        {" good morning /x", {" good morning ", "x"}}, // blanks are kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        EXPECT_EQ(PhraseWordList(QString::fromUtf8(c.field)), c.words);
    }
}

TEST(TaskLattice, ThreeWordsGiveEightNodesAndTheChain)
{
    const QByteArray expected = QByteArray(kGarbage) + "N=8 L=8\r\n" + kMainHead +
                                "I=5 W=I x=25 y=15\r\n"
                                "I=6 W=AM x=30 y=15\r\n"
                                "I=7 W=HERE x=35 y=15\r\n" +
                                kMainLinks +
                                "J=5 S=5 E=6\r\n"
                                "J=6 S=6 E=7\r\n"
                                "J=7 S=7 E=3\r\n"
                                "\r\n";
    EXPECT_EQ(TaskLatticeBytes({"I", "AM", "HERE"}), expected);
}

TEST(TaskLattice, OneAndTwoWordPhrases)
{
    EXPECT_EQ(TaskLatticeBytes({"A", "B"}), QByteArray(kGarbage) + "N=7 L=7\r\n" + kMainHead +
                                                 "I=5 W=A x=25 y=15\r\n"
                                                 "I=6 W=B x=30 y=15\r\n" +
                                                 kMainLinks + "J=5 S=5 E=6\r\nJ=6 S=6 E=3\r\n\r\n");
    // No chain: link 4 is followed by the link from the only word to "</s>".
    EXPECT_EQ(TaskLatticeBytes({"A"}), QByteArray(kGarbage) + "N=6 L=6\r\n" + kMainHead + "I=5 W=A x=25 y=15\r\n" +
                                           kMainLinks + "J=5 S=5 E=3\r\n\r\n");
    // Words are written as the lesson spells them, in the ANSI code page; the
    // eleventh word of a long phrase sits at x = 75.
    const QByteArray polish = TaskLatticeBytes({QStringLiteral("żółw"), QStringLiteral("good morning")});
    EXPECT_TRUE(polish.contains("I=5 W=\xBF\xF3\xB3w x=25 y=15\r\n"));
    EXPECT_TRUE(polish.contains("I=6 W=good morning x=30 y=15\r\n"));
    QStringList eleven;
    for (int i = 0; i < 11; ++i)
        eleven << QStringLiteral("W%1").arg(i + 1);
    const QByteArray longer = TaskLatticeBytes(eleven);
    EXPECT_TRUE(longer.contains("N=16 L=16\r\n"));
    EXPECT_TRUE(longer.contains("I=15 W=W11 x=75 y=15\r\n"));
    EXPECT_TRUE(longer.endsWith("J=14 S=14 E=15\r\nJ=15 S=15 E=3\r\n\r\n"));
}

TEST(TDictionary, ReadsEveryLineAndLooksUpIgnoringCase)
{
    TDictionary d;
    ASSERT_TRUE(d.load(kTaskFixture + "/slownik.dct").ok());
    ASSERT_EQ(d.entries().size(), 9u);
    EXPECT_EQ(d.entries()[2].word, "");                // an empty line is an entry too
    EXPECT_EQ(d.entries()[0].field2, "I");
    EXPECT_EQ(d.entries()[8].pronunciation, "");       // a line with two fields

    struct Case {
        QString word;
        QString pronunciation;
    } const cases[] = {
        {"I", "AY"},
        {"HERE", "HH IY R"},                       // the first of two entries wins
        {"hErE", "HH IY R"},
        {QStringLiteral("ŻÓŁW"), "ZH UW L F"},     // Polish letters change case too
        {"there", ""},
        {"", ""},                                  // matches the empty line's empty pronunciation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        EXPECT_EQ(d.lookup(c.word), c.pronunciation);
    }

    TDictionary missing;
    const Status s = missing.load(kTaskFixture + "/none.dct");
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().caption, QStringLiteral("Błąd"));
    EXPECT_TRUE(s.failure().text.contains("none.dct"));
}

TEST_F(TaskFolder, TaskDictionaryIsTheBaseThenOneLinePerWord)
{
    ScriptedRecognizer recognizer;
    std::unique_ptr<TDictionary> dictionary;
    const QStringList words = {"I", "AM", "HERE", "XYZ", QStringLiteral("ŻÓŁW")};
    ASSERT_TRUE(PreparePhrase(dictionary, words, recognizer, dir).ok());
    ASSERT_TRUE(dictionary);

    const QByteArray expected = testsupport::readAll(kTaskFixture + "/tmp0.dct") + "\r\n" +
                                "I [I] AY\r\n"
                                "AM [AM] AE M\r\n"
                                "HERE [HERE] HH IY R\r\n"  // spelled as in the lesson
                                "XYZ [XYZ] \r\n"           // not in the dictionary
                                "\xAF\xD3\xA3W [\xAF\xD3\xA3W] ZH UW L F\r\n";
    EXPECT_EQ(file("tmp.dct"), expected);
    EXPECT_EQ(file("tmp.lat"), TaskLatticeBytes(words));
    EXPECT_EQ(recognizer.calls(), QStringList{QStringLiteral("LK_I4_NewResource(%1,%2)")
                                                  .arg(QDir(dir).filePath("tmp.lat"), QDir(dir).filePath("tmp.dct"))});

    // Preparing again (another phrase) leaves one copy of the base part.
    ASSERT_TRUE(PreparePhrase(dictionary, {"A"}, recognizer, dir).ok());
    EXPECT_EQ(file("tmp.dct"), testsupport::readAll(kTaskFixture + "/tmp0.dct") + "\r\nA [A] AH\r\n");
    EXPECT_EQ(file("tmp.lat"), TaskLatticeBytes({"A"}));
    EXPECT_EQ(recognizer.calls().size(), 2);
}

TEST_F(TaskFolder, RefusedTaskGivesThePlainMessageAndKeepsTheFiles)
{
    ScriptedRecognizer recognizer;
    recognizer.setNewResourceResult(-1);
    std::unique_ptr<TDictionary> dictionary;
    const Status s = PreparePhrase(dictionary, {"I", "AM"}, recognizer, dir);
    ASSERT_FALSE(s.ok());
    EXPECT_EQ(s.failure().text, QStringLiteral("Słownik nie został poprawnie załadowany!"));
    EXPECT_EQ(s.failure().icon, MessageIcon::None);
    EXPECT_TRUE(exists("tmp.dct"));
    EXPECT_TRUE(exists("tmp.lat"));
    // The lesson goes on, but attempts on this phrase are rejected.
    recognizer.queue(ScriptedRecognizer::accepted({"I", "AM"}, {90, 90}));
    recognizer.LK_STRING_Recognize();
    EXPECT_EQ(recognizer.LK_N4_Words(), 0);
    EXPECT_EQ(recognizer.LK_STRING_Word(2), "");
}

TEST_F(TaskFolder, FailedPreparationLeavesNoTaskBehind)
{
    // A task for an earlier phrase is in place when each of these fails.
    struct Case {
        const char* name;
        void (*breakFolder)(const QString& dir);
        QStringList words;
        QString message;
    } const cases[] = {
        {"missing slownik.dct", [](const QString& d) { QFile::remove(d + "/slownik.dct"); }, {"I"}, "slownik.dct"},
        {"missing tmp0.dct", [](const QString& d) { QFile::remove(d + "/tmp0.dct"); }, {"I"}, "tmp0.dct"},
        {"empty word list", [](const QString&) {}, {}, QStringLiteral("Fraza nie zawiera słów do rozpoznania.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseTmp;
        const QString caseDir = testsupport::copyFixture(kTaskFixture, caseTmp);
        ScriptedRecognizer recognizer;
        std::unique_ptr<TDictionary> dictionary;
        ASSERT_TRUE(PreparePhrase(dictionary, {"AM"}, recognizer, caseDir).ok());

        c.breakFolder(caseDir);
        const Status s = PreparePhrase(dictionary, c.words, recognizer, caseDir);
        ASSERT_FALSE(s.ok());
        EXPECT_EQ(s.failure().caption, QStringLiteral("Błąd"));
        EXPECT_TRUE(s.failure().text.contains(c.message)) << s.failure().text.toStdString();
        EXPECT_FALSE(QFile::exists(caseDir + "/tmp.dct"));
        EXPECT_FALSE(QFile::exists(caseDir + "/tmp.lat"));
        // The recognizer was told to load the (now missing) task, so it holds none.
        EXPECT_EQ(recognizer.calls().size(), 2);
    }
}

TEST_F(TaskFolder, CommandLineWriterUsesTheGivenFolderOnly)
{
    TDictionary d;
    ASSERT_TRUE(d.load(dir + "/slownik.dct").ok());
    ASSERT_TRUE(WriteRecognitionTask(d, {"B"}, dir).ok());
    EXPECT_EQ(file("tmp.dct"), testsupport::readAll(kTaskFixture + "/tmp0.dct") + "\r\nB [B] B IY\r\n");
    const Status empty = WriteRecognitionTask(d, {}, dir);
    EXPECT_FALSE(empty.ok());
    EXPECT_FALSE(exists("tmp.lat"));
}
