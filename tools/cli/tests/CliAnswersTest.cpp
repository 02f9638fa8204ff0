#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

testsupport::ProgramRun cli(const QStringList& args)
{
    return testsupport::runProgram(QStringLiteral(ORVANTA_CLI), args);
}

QByteArray exerciseFile(int kind, const char* tresc)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><multimedia>t.wav</multimedia>"
                      "<nazwa id=\"1\">T</nazwa><grupa>1</grupa><poziom>1</poziom><typ_cw>")
           + QByteArray::number(kind) + "</typ_cw></config><body><minislownik/><polecenie id=\"1\">Fill in.</polecenie>"
           + "<tresc>" + tresc + "</tresc></body></cwiczenie>\n";
}

// An installation with a gap text, one without gaps and a test of kind 3.
class CliAnswers : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(tmp.path()).mkpath("Dane/Paczki"));
        testsupport::writeAll(tmp.filePath("Dane/Paczki/wpis.xml"),
                              exerciseFile(4, "I &lt;have got&gt; a &lt;Colour/color&gt; pen, &lt;don't&gt; I? "
                                              "&lt;żółw&gt; &lt;end.&gt;"));
        testsupport::writeAll(tmp.filePath("Dane/pusty.xml"), exerciseFile(4, "No gaps here."));
        testsupport::writeAll(tmp.filePath("Dane/test.xml"), exerciseFile(3, ""));
    }
    testsupport::ProgramRun answers(const QStringList& more)
    {
        return cli(QStringList{"answers", "--app-dir", tmp.path()} + more);
    }
    QTemporaryDir tmp;
};

} // namespace

TEST_F(CliAnswers, PrintsEachGapWithItsInputAndVerdictThenTheScore)
{
    struct Case {
        QStringList options;
        QString out;
    } cases[] = {
        // A new profile: letter case counts, punctuation does not.
        {{"--inputs", " have   got |colour|Don't!|ŻÓŁW|end"},
         "have got\thave got\tright\nColour/color\tcolour\twrong\ndon't\tDon't!\twrong\nżółw\tŻÓŁW\twrong\n"
         "end.\tend\tright\nscore\t40\t2 right, 3 wrong\n"},
        {{"--inputs", " have   got |colour|Don't!|ŻÓŁW|end", "--letter-case", "0"},
         "have got\thave got\tright\nColour/color\tcolour\tright\ndon't\tDon't!\tright\nżółw\tŻÓŁW\tright\n"
         "end.\tend\tright\nscore\t100\t5 right, 0 wrong\n"},
        {{"--inputs", "have got|color|don't|żółw|end", "--punctuation", "1"},
         "have got\thave got\tright\nColour/color\tcolor\tright\ndon't\tdon't\tright\nżółw\tżółw\tright\n"
         "end.\tend\twrong\nscore\t80\t4 right, 1 wrong\n"},
        // Fewer inputs than gaps: the rest are empty and wrong.
        {{"--inputs", "have got|color|don't"},
         "have got\thave got\tright\nColour/color\tcolor\tright\ndon't\tdon't\tright\nżółw\t\twrong\nend.\t\twrong\n"
         "score\t60\t3 right, 2 wrong\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const testsupport::ProgramRun r = answers(QStringList{"--file", "Paczki\\wpis.xml"} + c.options);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(CliAnswers, ATextWithoutGapsHasNoScore)
{
    const testsupport::ProgramRun r = answers({"--file", "pusty.xml", "--inputs", ""});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("score\tnone\t")) << r.out.toStdString();
}

TEST_F(CliAnswers, RefusesMissingFilesOtherKindsAndBadOptions)
{
    struct Case {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"--file", "brak.xml", "--inputs", "a"}, "Brak pliku ćwiczenia! (4)"},
        {{"--file", "test.xml", "--inputs", "a"}, "kind 3, not a gap text"},
        {{"--file", "pusty.xml", "--letter-case", "yes"}, "--letter-case must be 0 or 1"},
        {{"--file", "pusty.xml", "--punctuation", "2"}, "--punctuation must be 0 or 1"},
        {{"--inputs", "a"}, "--file NAME is needed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const testsupport::ProgramRun r = answers(c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}
