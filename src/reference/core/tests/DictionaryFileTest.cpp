// Reading the dictionary file: the fixture, the shifted variant, line ends,
// encodings and lines that cannot be loaded.
#include "AnsiText.h"
#include "DictionaryFile.h"
#include "TestSupport.h"
#include "Utf16Text.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testsupport::writeAll;

namespace {

// A line as the shifted files store it: every character code raised by 5.
QString shifted(const QString& text)
{
    QString out;
    for (QChar c : text)
        out.append(QChar(char16_t(c.unicode() + 5)));
    return out;
}

QStringList entryWords(const DictionaryFile& file)
{
    QStringList words;
    for (const TDane& e : file.entries)
        words << e.word;
    return words;
}

} // namespace

TEST(WczytajDane, ReadsEveryFieldOfTheFixture)
{
    auto file = WczytajDane(QStringLiteral(FIXTURES_DIR "/Slownik.txt"));
    ASSERT_TRUE(file.ok()) << file.failure().text.toStdString();
    EXPECT_TRUE(file->skipped.isEmpty());
    ASSERT_EQ(file->entries.size(), 22);

    const TDane cat{5, QStringLiteral("cat"), QStringLiteral("n"), QStringLiteral("[1] kot"), QStringLiteral("cat.wav")};
    EXPECT_EQ(file->entries[4], cat);
    EXPECT_EQ(file->entries[11].wordClass, "adj");
    EXPECT_EQ(file->entries[19].wordClass, "adv");
    EXPECT_EQ(file->entries[14].translation, QStringLiteral("[2] duży [9] pot. wielki [1] gruba ryba"));
    // Blanks and tabs around the fields are trimmed.
    EXPECT_EQ(file->entries[17].word, "glass");
    EXPECT_EQ(file->entries[17].translation, QStringLiteral("[1] szkło"));
}

TEST(WczytajDane, PrefersTheShiftedFileBesideThePath)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/Slownik.txt";
    writeAll(path, encodeUtf16LeLines({QStringLiteral("@@ 1 [1]plain=[1] zwykły")}));
    // Characters are stored raised by 5; the line breaks and the mark are not.
    const QByteArray bytes = encodeUtf16LeWithBom(shifted(QStringLiteral("@@ 7 [2]hidden=[2] ukryty")) +
                                                  QStringLiteral("\r\n") +
                                                  shifted(QStringLiteral("@@ 8 [3]żółw=[1] turtle")));
    writeAll(dir.path() + "/slownik.TXTDE", bytes); // found whatever its letter case

    auto file = WczytajDane(path);
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(file->readFrom.endsWith("slownik.TXTDE"));
    ASSERT_EQ(file->entries.size(), 2);
    EXPECT_EQ(file->entries[0], (TDane{7, "hidden", "adj", QStringLiteral("[2] ukryty"), {}}));
    EXPECT_EQ(file->entries[1].word, QStringLiteral("żółw"));

    QFile::remove(dir.path() + "/slownik.TXTDE");
    file = WczytajDane(path);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(entryWords(*file), QStringList{"plain"});
}

TEST(WczytajDane, MissingOrUnreadableFileIsAFailure)
{
    QTemporaryDir dir;
    auto missing = WczytajDane(dir.path() + "/none.txt");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().text, QStringLiteral("Brak pliku słownika!"));
    EXPECT_EQ(missing.failure().caption, QStringLiteral("Błąd"));

    QDir(dir.path()).mkdir("folder.txt");
    auto folder = WczytajDane(dir.path() + "/folder.txt");
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(folder.failure().text, QStringLiteral("Nie można odczytać pliku słownika!"));

    writeAll(dir.path() + "/empty.txt", QByteArray());
    auto empty = WczytajDane(dir.path() + "/empty.txt");
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->entries.isEmpty());
}

TEST(WczytajDane, SkipsLinesThatCannotBeLoadedAndKeepsTheRest)
{
    struct Case {
        const char* line;
        bool loads;
        DictionaryLineProblem problem;
    } cases[] = {
        {"@@ 1 [1]a=b", true, {}},
        {"@@ -3 [1]a=b", true, {}},
        {"@@ 1 [9]", true, {}},                 // empty word and translation
        {"ab", false, DictionaryLineProblem::TooShort},
        {"@@ 1 [1", false, DictionaryLineProblem::TooShort},
        {"@@ 12", false, DictionaryLineProblem::BadNumber},  // no blank after the number
        {"@@  [1]a=b", false, DictionaryLineProblem::BadNumber},
        {"@@ x1 [1]a=b", false, DictionaryLineProblem::BadNumber},
        {"@@ 1.5 [1]a=b", false, DictionaryLineProblem::BadNumber},
        {"@@ 99999999999 [1]a=b", false, DictionaryLineProblem::BadNumber},
        {"@@ 1 [0]a=b", false, DictionaryLineProblem::BadClass},
        {"@@ 1 [x]a=b", false, DictionaryLineProblem::BadClass},
    };
    QStringList lines;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const QString line = QString::fromUtf8(c.line);
        lines << line << QString(); // blank lines between are skipped silently
        DictionaryLineProblem problem{};
        const std::optional<TDane> e = ParseDictionaryLine(line, problem);
        EXPECT_EQ(e.has_value(), c.loads);
        if (!c.loads) {
            EXPECT_EQ(problem, c.problem);
        }
    }

    QTemporaryDir dir;
    writeAll(dir.path() + "/bad.txt", encodeUtf16LeLines(lines));
    auto file = WczytajDane(dir.path() + "/bad.txt");
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file->entries.size(), 3);
    EXPECT_EQ(file->entries[1].number, -3);
    ASSERT_EQ(file->skipped.size(), 9);
    EXPECT_EQ(file->skipped[0].line, 7);
    EXPECT_EQ(file->skipped[0].text, "ab");
    EXPECT_EQ(file->skipped[0].problem, DictionaryLineProblem::TooShort);
}

TEST(SplitDictionaryLines, AcceptsEveryLineEnd)
{
    struct Case {
        const char16_t* text;
        QStringList lines;
    } cases[] = {
        {u"a\r\nb\r\n", {"a", "b"}},
        {u"a\r\nb", {"a", "b"}},
        {u"a\nb\rc", {"a", "b", "c"}},          // a lone CR keeps the next character
        {u"a\r\n\r\nb", {"a", "", "b"}},
        {u"\xFEFF" u"a\r\n\xFEFF" u"b\xFEFF", {"a", "b"}}, // the mark is dropped wherever it is
        {u"a\r\n\xFEFF", {"a"}},
        {u"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.text).toStdString());
        EXPECT_EQ(SplitDictionaryLines(QStringView(c.text)), c.lines);
    }
}

TEST(DecodeDictionaryText, RecognisesTheCommonEncodings)
{
    const QString text = QStringLiteral("@@ 3 [1]wild cat=[1] żbik\r\n");
    QByteArray le = encodeUtf16LeWithBom(text);
    QByteArray be("\xFE\xFF", 2);
    for (QChar c : text)
        be.append(char(c.unicode() >> 8)).append(char(c.unicode() & 0xFF));
    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"UTF-16 LE with mark", le},
        {"UTF-16 LE without mark", le.mid(2)},
        {"UTF-16 LE with an odd last byte", le + QByteArray("\x41", 1)},
        {"UTF-16 BE with mark", be},
        {"UTF-16 BE without mark", be.mid(2)},
        {"UTF-8 with mark", QByteArray("\xEF\xBB\xBF") + text.toUtf8()},
        {"UTF-8", text.toUtf8()},
        {"Windows-1250", encodeAnsi(text).value()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList lines = SplitDictionaryLines(DecodeDictionaryText(c.bytes));
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.first(), text.trimmed());
    }
}

TEST(LoadDictionaryAsync, GivesWhatWczytajDaneGives)
{
    auto future = LoadDictionaryAsync(QStringLiteral(FIXTURES_DIR "/Slownik.txt"));
    future.waitForFinished();
    Expected<LoadedDictionary> loaded = future.result();
    ASSERT_TRUE(loaded.ok());
    EXPECT_EQ(loaded->index.entries(), WczytajDane(QStringLiteral(FIXTURES_DIR "/Slownik.txt"))->entries);
    EXPECT_EQ(loaded->index.words().size(), 22);
    EXPECT_EQ(loaded->index.words().key(16), "paris");
    EXPECT_EQ(loaded->index.translations().key(16), QStringLiteral("paryż").toStdString());

    auto missing = LoadDictionaryAsync(QStringLiteral(FIXTURES_DIR "/none.txt"));
    EXPECT_FALSE(missing.result().ok());
}
