#include "AudioInputPcm.h"
#include "PronunciationScore.h"
#include "ScriptedRecognizer.h"
#include "SlownikBuilder.h"
#include "TDictionary.h"

#include "TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SlownikBuilder, KeepsFirstPronunciationsAndWritesTheBaseDictionary)
{
    const auto entries = ReadCmuDictionary(QStringLiteral(FIXTURES_DIR "/builder/mini.dict"));
    ASSERT_TRUE(entries.ok());
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ(SlownikBytes(*entries), QByteArray("hello;;HH AH L OW\r\nabc's;;EY B IY S IY Z\r\nZebra;;Z IY B R AH\r\n"));
    EXPECT_EQ(SlownikBytes(*entries, {"ZEBRA", "nothing"}), QByteArray("Zebra;;Z IY B R AH\r\n"));
    EXPECT_EQ(PhoneSet(*entries), QStringList({"AH", "B", "EY", "HH", "IY", "L", "OW", "R", "S", "Z"}));
    EXPECT_EQ(BaseDictionaryBytes({"AA", "B"}), QByteArray("<s> []\r\n</s> []\r\n_GV_GBGEMARKER_ []\r\n"
                                                           "P__GV_GBGE_ [P__GV_GBGE_] AA\r\n"
                                                           "P__GV_GBGE_ [P__GV_GBGE_] B\r\n"));
    EXPECT_EQ(LessonWords({"Hi.=Cześć.=HI/there=hi.wav", "Hi there=x=hi/You//x=y.wav"}), QStringList({"HI", "THERE", "YOU"}));
    EXPECT_FALSE(ReadCmuDictionary(QStringLiteral(FIXTURES_DIR "/builder/none.dict")).ok());

    // What the builder writes is what the dictionary reader looks up.
    QTemporaryDir dir;
    testsupport::writeAll(dir.filePath("slownik.dct"), SlownikBytes(*entries));
    TDictionary d;
    ASSERT_TRUE(d.load(dir.filePath("slownik.dct")).ok());
    EXPECT_EQ(d.lookup("ABC'S"), "EY B IY S IY Z");
}

TEST(PronunciationScore, ComparesTheWordWithTheLoopOverTheSameFrames)
{
    // The loop explains frames 0-9 at −1 per frame and 10-19 at −3 per frame.
    const auto loop = FrameLogLikelihoods({{0, 9, -10.0}, {10, 19, -30.0}, {25, 20, -5.0}}, 20);
    ASSERT_EQ(loop.size(), 20u);
    EXPECT_DOUBLE_EQ(loop[0], -1.0);
    EXPECT_DOUBLE_EQ(loop[19], -3.0);
    // A word over frames 5-14 with −40 against the loop's −20: −2 per frame.
    EXPECT_DOUBLE_EQ(GoodnessOfPronunciation({5, 14, -40.0}, loop), -2.0);
    EXPECT_DOUBLE_EQ(GoodnessOfPronunciation({30, 29, -1.0}, loop), 0.0);

    const GopCalibration c{-4.0, 0.8};
    EXPECT_DOUBLE_EQ(PronunciationScore(-4.0, c), 50.0);
    EXPECT_GT(PronunciationScore(-1.0, c), 95.0);
    EXPECT_LT(PronunciationScore(-8.0, c), 1.0);
    EXPECT_LE(PronunciationScore(50.0, c), 100.0);
    EXPECT_GE(PronunciationScore(-1e9, c), 0.0);
}

TEST(ScriptedRecognizer, PlaysBackAttemptsAndLogsTheCalls)
{
    QTemporaryDir dir;
    const QString wave = dir.filePath("usr_tmp.wav");
    ScriptedRecognizer r;
    r.queue(ScriptedRecognizer::accepted({"I", "AM", "HERE"}, {90, 40, 75}, 300));
    r.queue(ScriptedRecognizer::rejected());
    r.LK_I4_NewResource("tmp.lat", "tmp.dct");

    r.LK_I4_NewSoundFile(wave);
    r.LK_V_SetWave(wave);
    EXPECT_EQ(r.LK_STRING_Recognize(), "I AM HERE");
    r.LK_V_InitDsp(wave, LkDspConfig);
    EXPECT_EQ(r.LK_STRING_Word(2), "I");
    ASSERT_EQ(r.LK_N4_Words(), 5);
    EXPECT_EQ(r.LK_P32N4_WordTime(3).start, 500);
    EXPECT_EQ(r.LK_P32N4_WordTime(3).end, 800);
    EXPECT_EQ(r.LK_R8_WordScore(4), 75.0);
    EXPECT_EQ(r.LK_STRING_Word(9), "");
    EXPECT_EQ(r.LK_N4_WaveTime(), 1300);
    const auto written = readSoundFile(wave);
    ASSERT_TRUE(written.ok());
    EXPECT_EQ(written->samples.size(), size_t(r.LK_N4_Samples()));

    r.LK_STRING_Recognize();
    EXPECT_EQ(r.LK_STRING_Word(2), QString::fromLatin1(LkGarbageWord));
    EXPECT_EQ(r.calls().mid(0, 4), QStringList({"LK_I4_NewResource(tmp.lat,tmp.dct)",
                                                  "LK_I4_NewSoundFile(" + wave + ")", "LK_V_SetWave(" + wave + ")",
                                                  "LK_STRING_Recognize"}));
    // Nothing queued: an empty result.
    r.LK_STRING_Recognize();
    EXPECT_EQ(r.LK_N4_Words(), 0);
}
