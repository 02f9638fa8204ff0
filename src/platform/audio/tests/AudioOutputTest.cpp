#include "CompressedAudio.h"
#include "FakeAudioOutput.h"
#include "QtAudioOutput.h"
#include "WavPcm.h"

#include "TestSupport.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>

#include <gtest/gtest.h>

namespace {

QByteArray le(quint32 v, int bytes)
{
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray c = QByteArray(id, 4) + le(quint32(body.size()), 4) + body;
    if (body.size() & 1)
        c.append('\0');
    return c;
}

QByteArray fmtBody(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) + le(align, 2) + le(bits, 2);
}

QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// A tone of `ms` milliseconds, 16-bit mono.
QByteArray tone(int ms, double hz = 660)
{
    WavPcm pcm;
    pcm.sampleRate = 22050;
    pcm.channels = 1;
    const int n = pcm.sampleRate * ms / 1000;
    pcm.samples.resize(n * 2);
    for (int i = 0; i < n; ++i)
        qToLittleEndian<qint16>(qint16(8000 * std::sin(2 * M_PI * hz * i / pcm.sampleRate)), pcm.samples.data() + 2 * i);
    return pcm.toWav();
}

} // namespace

TEST(WavPcm, ReadsTheSampleFormatsAndWalksChunksSafely)
{
    const QByteArray twoFrames16 = le(0x1234, 2) + le(0xFFFF, 2) + le(0x0001, 2) + le(0x8000, 2);
    QByteArray extensible = fmtBody(0xFFFE, 1, 8000, 16) + le(22, 2) + le(16, 2) + le(4, 4) + le(1, 2)
        + QByteArray(14, '\x11');
    struct Case {
        const char* what;
        QByteArray file;
        bool ok;
        WavPcm::Format format;
        qint64 frames;
    } const cases[] = {
        {"16-bit stereo", riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) + chunk("data", twoFrames16)), true,
         WavPcm::Format::Int16, 2},
        {"8-bit mono, odd data padded", riff(chunk("fmt ", fmtBody(1, 1, 8000, 8)) + chunk("data", "abc")), true,
         WavPcm::Format::UInt8, 3},
        {"24-bit becomes 32-bit", riff(chunk("fmt ", fmtBody(1, 1, 8000, 24)) + chunk("data", QByteArray(9, 'x'))),
         true, WavPcm::Format::Int32, 3},
        {"float 64 becomes float 32",
         riff(chunk("fmt ", fmtBody(3, 1, 8000, 64)) + chunk("data", QByteArray(16, '\0'))), true,
         WavPcm::Format::Float, 2},
        {"extensible PCM", riff(chunk("fmt ", extensible) + chunk("data", QByteArray(4, '\0'))), true,
         WavPcm::Format::Int16, 2},
        {"an unknown odd chunk before the data",
         riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)) + chunk("LIST", "odd") + chunk("data", QByteArray(4, 'y'))),
         true, WavPcm::Format::Int16, 2},
        {"data chunk longer than the file is cut",
         riff(chunk("fmt ", fmtBody(1, 1, 8000, 16)) + "data" + le(1000, 4) + QByteArray(7, 'z')), true,
         WavPcm::Format::Int16, 3},
        {"no data chunk", riff(chunk("fmt ", fmtBody(1, 1, 8000, 16))), false, {}, 0},
        {"no format chunk", riff(chunk("data", QByteArray(4, 'y'))), false, {}, 0},
        {"ADPCM", riff(chunk("fmt ", fmtBody(2, 1, 8000, 4)) + chunk("data", QByteArray(4, 'y'))), false, {}, 0},
        {"no channels", riff(chunk("fmt ", fmtBody(1, 0, 8000, 16)) + chunk("data", QByteArray(4, 'y'))), false, {}, 0},
        {"huge chunk length", riff("fmt " + le(0xFFFFFFF0u, 4) + fmtBody(1, 1, 8000, 16)), false, {}, 0},
        {"not RIFF", QByteArray("RIFX\0\0\0\0WAVE", 12), false, {}, 0},
        {"empty", QByteArray(), false, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto pcm = WavPcm::parse(c.file);
        ASSERT_EQ(pcm.has_value(), c.ok);
        if (c.ok) {
            EXPECT_EQ(pcm->format, c.format);
            EXPECT_EQ(pcm->frameCount(), c.frames);
        }
        for (qsizetype cut = 0; cut < c.file.size(); ++cut)
            (void)WavPcm::parse(QByteArrayView(c.file).first(cut)); // must stay inside the bytes
    }
}

TEST(WavPcm, WritesWhatItReads)
{
    const QByteArray wav = tone(50);
    const auto pcm = WavPcm::parse(wav);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->sampleRate, 22050);
    EXPECT_EQ(pcm->durationMs(), 49); // 1102 frames at 22050 Hz
    EXPECT_EQ(pcm->toWav(), wav);
}

TEST(FakeAudioOutput, RecordsSoundsAndANewSoundStopsTheOnePlaying)
{
    QTemporaryDir dir;
    const QString file = dir.path() + "/a.wav";
    testsupport::writeAll(file, tone(30, 440));

    FakeAudioOutput out;
    EXPECT_TRUE(out.playWav(tone(20)));
    EXPECT_TRUE(out.isPlaying());
    EXPECT_TRUE(out.playFile(file));
    EXPECT_EQ(out.interruptions(), 1);
    ASSERT_EQ(out.played().size(), 2);
    EXPECT_EQ(out.played()[1].file, file);
    EXPECT_EQ(out.played()[1].wav, tone(30, 440));

    out.finish();
    EXPECT_FALSE(out.isPlaying());
    EXPECT_FALSE(out.playWav("not a wave file"));
    EXPECT_FALSE(out.playFile(dir.path() + "/missing.wav"));
    EXPECT_EQ(out.played().size(), 2);
    out.setDeviceAvailable(false);
    EXPECT_FALSE(out.playWav(tone(20)));
}

TEST(CompressedAudio, RecognisesMp3Files)
{
    struct Case {
        QByteArray bytes;
        bool mp3;
    } const cases[] = {
        {QByteArray("ID3\x04\x00\x00\x00\x00\x00\x0a", 10), true},
        {QByteArray("\xff\xfb\x90\x64", 4), true},  // MPEG-1 layer III, 128 kbit/s
        {QByteArray("\xff\xf3\x70\xc0", 4), true},  // MPEG-2 layer III
        {QByteArray("\xff\xfb\xf0\x64", 4), false}, // bit rate index 15
        {QByteArray("\xff\xf9\x90\x64", 4), false}, // layer 0
        {QByteArray("\xff\xeb\x90\x64", 4), false}, // reserved version
        {QByteArray("\xff\xfb", 2), false},
        {QByteArray("RIFF\x24\x00\x00\x00WAVE", 12), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(LooksLikeMpegAudio(c.bytes), c.mp3);
    }
}

TEST(FakeAudioOutput, PlaysMp3FilesAndRefusesOtherFiles)
{
    QTemporaryDir dir;
    const QString text = dir.path() + "/a.mp3";
    testsupport::writeAll(text, "not a sound at all");
    FakeAudioOutput out;
    EXPECT_FALSE(out.playFile(text));
    ASSERT_TRUE(out.playFile(FIXTURES_DIR "/tone.mp3"));
    EXPECT_TRUE(out.isPlaying());
    ASSERT_EQ(out.played().size(), 1);
    EXPECT_EQ(out.played()[0].file, FIXTURES_DIR "/tone.mp3");
    EXPECT_EQ(out.played()[0].wav, testsupport::readAll(FIXTURES_DIR "/tone.mp3"));
}

// The real output's tests: an application object, and a device to play on
// (skipped where there is none: no sound server).
class QtAudioOutputTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (QMediaDevices::defaultAudioOutput().isNull())
            GTEST_SKIP() << "no audio output device";
    }

    int argc = 1;
    char name[12] = "audio_tests";
    char* argv[1] = {name};
    QCoreApplication app{argc, argv};
};

TEST_F(QtAudioOutputTest, PlaysAsynchronouslyAndANewSoundCutsTheOldOne)
{

    QtAudioOutput out;
    EXPECT_FALSE(out.playWav("RIFF junk"));
    EXPECT_FALSE(out.isPlaying());

    // Still playing when the call returns: it did not wait for the sound.
    ASSERT_TRUE(out.playWav(tone(2000)));
    EXPECT_TRUE(out.isPlaying());

    // A short sound replaces the long one and ends by itself (the deadline
    // only keeps a broken device from hanging the test).
    ASSERT_TRUE(out.playWav(tone(200, 880)));
    QElapsedTimer t;
    t.start();
    while (out.isPlaying() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(out.isPlaying());

    ASSERT_TRUE(out.playWav(tone(1000)));
    out.stop();
    EXPECT_FALSE(out.isPlaying());
}

// Decodes an MP3 through the platform's decoder and plays it.
TEST_F(QtAudioOutputTest, DecodesAndPlaysAnMp3File)
{

    QtAudioOutput out;
    ASSERT_TRUE(out.playFile(FIXTURES_DIR "/tone.mp3"));
    EXPECT_TRUE(out.isPlaying()); // decoding counts as playing
    QElapsedTimer t;
    t.start();
    while (out.isPlaying() && t.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(out.isPlaying()); // it ended by itself, within the wait

    // A new sound abandons a decoding under way.
    ASSERT_TRUE(out.playFile(FIXTURES_DIR "/tone.mp3"));
    ASSERT_TRUE(out.playWav(tone(100)));
    out.stop();
    EXPECT_FALSE(out.isPlaying());
}
