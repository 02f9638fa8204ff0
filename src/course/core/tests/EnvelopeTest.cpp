#include "ExerciseEnvelope.h"
#include "ExerciseKinds.h"
#include "ExerciseMessages.h"

#include "CourseFixtures.h"
#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

static ExerciseDocument parse(const char* xml)
{
    auto d = ExerciseDocument::parse(QByteArray(xml));
    EXPECT_TRUE(d.ok());
    return *d;
}

TEST(Envelope, ReadsTextsAndIntegersWithTheBindingRules)
{
    const ExerciseDocument doc = parse(
        "<cwiczenie><config><grupa> 4 </grupa><poziom>x</poziom><typ_cw></typ_cw><param1>2</param1></config>"
        "<body><znaczniki_nagrania>1;2</znaczniki_nagrania></body></cwiczenie>");
    const TXMLConfigType c = doc.cwiczenie().config();
    EXPECT_EQ(c.grupa(), 4);
    EXPECT_EQ(c.param1(), "2");
    EXPECT_EQ(c.multimedia(), "");                           // absent text: empty
    EXPECT_THROW(c.poziom(), XmlBindingError);              // non-numeric
    EXPECT_THROW(c.typ_cw(), XmlBindingError);              // empty
    EXPECT_THROW(c.param2(), XmlBindingError);              // absent integer
    EXPECT_EQ(doc.cwiczenie().body().znaczniki_nagrania(), "1;2");
    EXPECT_EQ(doc.cwiczenie().body().element_paczki().count(), 0);

    // A missing config reads texts as empty and integers as errors, never crashes.
    const ExerciseDocument bare = parse("<cwiczenie/>");
    EXPECT_EQ(bare.cwiczenie().config().multimedia(), "");
    EXPECT_THROW(bare.cwiczenie().config().grupa(), XmlBindingError);
}

TEST(Envelope, TitleInLanguageFallsBackToLanguage1OnlyForExerciseTitles)
{
    const ExerciseDocument doc = parse(
        "<cwiczenie><config>"
        "<nazwa id=\"1\">English</nazwa><nazwa id=\"0\"></nazwa><nazwa id=\"2\">Deutsch</nazwa>"
        "<nazwa id=\"2\">second</nazwa></config></cwiczenie>");
    const TXMLNazwaTypeList titles = doc.cwiczenie().config().nazwa();
    struct Case {
        int language;
        bool fallback;
        const char* expected;
    } const cases[] = {
        {0, true, "English"}, // present but empty: language 1
        {0, false, ""},       // package elements: no fallback
        {2, true, "Deutsch"}, // the first element of the language
        {7, true, ""},        // no element: empty, no fallback
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << " fallback " << c.fallback);
        EXPECT_EQ(TitleInLanguage(titles, c.language, c.fallback), QString::fromUtf8(c.expected));
    }

    const ExerciseDocument bad = parse("<cwiczenie><config><nazwa id=\"x\">?</nazwa></config></cwiczenie>");
    EXPECT_THROW(TitleInLanguage(bad.cwiczenie().config().nazwa(), 0, true), XmlBindingError);
}

TEST(Envelope, KindTableNamesWindowsCodesAndUnscoredKinds)
{
    struct Case {
        int kind;
        int mode;
        const char* window;
        int code;
    } const cases[] = {
        {1, 1, "TfrmTabelka", 1},        {3, 1, "TfrmTest2", 3},          {4, 1, "TfrmWpisywanie", 4},
        {4, 2, "TfrmWpisywaniePelne", 4}, {5, 1, "TfrmZdaniaDD", 5},      {7, 1, "TfrmAntonimy", 2},
        {8, 1, "Tfrm3Obrazki", 1},       {9, 1, "TfrmUkladanka", 3},      {10, 2, "TfrmWpisywanieGr", 10},
        {11, 1, "TfrmDialogi_Prez", 3},  {14, 1, "TfrmDialogi_Rozum", 3}, {18, 1, "TfrmDialogi_Dop", 3},
        {26, 1, "TfrmDialogi_Ukl", 3},   {21, 1, "TfrmZdania_Ukl", 3},    {22, 1, "TfrmZdania_Dyk", 3},
        {24, 1, "TfrmZdania_Tlu", 3},    {31, 2, "TfrmTFGr", 6},          {32, 2, "TfrmTabelkaGr", 32},
        {33, 1, "TfrmMCTekst", 4},       {50, 1, "TfrmTabelkaCS", 1},     {52, 1, "TfrmOdkrywanka", 1},
        {2, 1, "", 0},  {12, 1, "", 0}, {41, 1, "", 0}, {48, 1, "", 0}, {100, 1, "", 0}, {101, 1, "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " mode " << c.mode);
        const QString w = ExerciseWindowFor(c.kind, c.mode);
        EXPECT_EQ(w, QString::fromLatin1(c.window));
        EXPECT_EQ(MissingFileCode(w), c.code);
    }
    for (int k : {11, 41, 51, 61})
        EXPECT_TRUE(IsUnscoredKind(k)) << k;
    for (int k : {0, 12, 14, 42, 101})
        EXPECT_FALSE(IsUnscoredKind(k)) << k;
    EXPECT_TRUE(ReceivesRecordingMarks(3));
    EXPECT_FALSE(ReceivesRecordingMarks(5));

    // Derived mode kinds: base + bit.
    QList<int> dialogue;
    for (const ContainerMode& m : ContainerModes(2))
        dialogue.append(m.kind);
    EXPECT_EQ(dialogue, (QList<int>{11, 12, 14, 18, 26}));
    EXPECT_EQ(ContainerModes(4).last().kind, 48);
    EXPECT_TRUE(ContainerModes(1).isEmpty());
}

TEST(Envelope, LoadAndReleaseMessagesNameTheFileWithoutItsFolder)
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("tf_01.xml");

    const auto missing = OpenExerciseFile(path, "TfrmTFGr");
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.failure().text, QStringLiteral("Brak pliku ćwiczenia! (6)"));
    EXPECT_EQ(missing.failure().caption, QStringLiteral("Błąd"));

    testsupport::writeAll(path, "<cwiczenie><config>");
    const auto broken = OpenExerciseFile(path, "TfrmTFGr");
    ASSERT_FALSE(broken.ok());
    EXPECT_EQ(broken.failure().text, QStringLiteral("Błąd podczas wczytywania pliku ćwiczenia! (tf_01.xml)"));

    testsupport::writeAll(path, coursefx::exerciseXml(1, 31, 1, "x"));
    const auto good = OpenExerciseFile(path, "TfrmTFGr");
    ASSERT_TRUE(good.ok());

    // A binding error inside the guarded block becomes the load message; a
    // clean block succeeds; release failures have their own text.
    const Status load = GuardedExerciseLoad(path, [&] { (void)good->cwiczenie().config().param2(); });
    ASSERT_FALSE(load.ok());
    EXPECT_EQ(load.failure().text, QStringLiteral("Błąd podczas wczytywania pliku ćwiczenia! (tf_01.xml)"));
    EXPECT_TRUE(GuardedExerciseLoad(path, [&] { (void)good->cwiczenie().config().grupa(); }).ok());
    const Status release = GuardedExerciseRelease("C:\\x\\Dane\\a.xml", [] { throw std::runtime_error("x"); });
    ASSERT_FALSE(release.ok());
    EXPECT_EQ(release.failure().text, QStringLiteral("Błąd podczas niszczenia cwiczenia! (a.xml)"));
}
