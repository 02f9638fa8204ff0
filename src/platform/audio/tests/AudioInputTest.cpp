#include "AudioInputPcm.h"
#include "FileAudioInput.h"

#include "TestSupport.h"

#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

std::vector<int16_t> tone(double hz, int rate, int count, double amplitude = 10000.0)
{
    std::vector<int16_t> s(size_t(count), 0);
    for (int i = 0; i < count; ++i)
        s[size_t(i)] = int16_t(std::lround(amplitude * std::sin(2.0 * std::numbers::pi * hz * i / rate)));
    return s;
}

double rms(const std::vector<int16_t>& s, size_t from, size_t to)
{
    double acc = 0.0;
    for (size_t i = from; i < to; ++i)
        acc += double(s[i]) * s[i];
    return std::sqrt(acc / double(to - from));
}

int zeroCrossings(const std::vector<int16_t>& s, size_t from, size_t to)
{
    int n = 0;
    for (size_t i = from + 1; i < to; ++i)
        if ((s[i - 1] < 0) != (s[i] < 0))
            ++n;
    return n;
}

} // namespace

TEST(AudioInputPcm, WaveHeaderHasTheCanonicalLayoutAndReadsBack)
{
    const std::vector<int16_t> samples = {0, 1, -1, 32767, -32768, 1234};
    const QByteArray wave = encodePcmWave(16000, samples);
    ASSERT_EQ(wave.size(), 44 + 12);
    EXPECT_EQ(wave.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + 4), 36u + 12u);
    EXPECT_EQ(wave.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint16>(wave.constData() + 20), 1);     // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(wave.constData() + 22), 1);     // channels
    EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + 24), 16000u);
    EXPECT_EQ(qFromLittleEndian<quint16>(wave.constData() + 34), 16);    // bits
    EXPECT_EQ(wave.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + 40), 12u);

    QTemporaryDir dir;
    testsupport::writeAll(dir.filePath("a.wav"), wave);
    const auto back = readSoundFile(dir.filePath("a.wav"));
    ASSERT_TRUE(back.ok()) << back.failure().text.toStdString();
    EXPECT_EQ(back->sampleRate, 16000);
    EXPECT_EQ(back->samples, samples);
}

TEST(AudioInputPcm, ReadsStereoAndEightBitFilesAsMonoAndRefusesOthers)
{
    QTemporaryDir dir;
    // 8-bit stereo: left 0xC0 (+64·256), right 0x40 (−64·256) average to silence;
    // then both 0xFF.
    QByteArray wave = encodePcmWave(8000, {});
    qToLittleEndian<quint16>(2, wave.data() + 22);
    qToLittleEndian<quint32>(8000 * 2, wave.data() + 28);
    qToLittleEndian<quint16>(2, wave.data() + 32);
    qToLittleEndian<quint16>(8, wave.data() + 34);
    const QByteArray data("\xC0\x40\xFF\xFF", 4);
    qToLittleEndian<quint32>(quint32(data.size()), wave.data() + 40);
    qToLittleEndian<quint32>(quint32(36 + data.size()), wave.data() + 4);
    testsupport::writeAll(dir.filePath("st8.wav"), wave + data);
    const auto st = readSoundFile(dir.filePath("st8.wav"));
    ASSERT_TRUE(st.ok()) << st.failure().text.toStdString();
    ASSERT_EQ(st->samples.size(), 2u);
    EXPECT_EQ(st->samples[0], 0);
    EXPECT_EQ(st->samples[1], 127 * 256);

    testsupport::writeAll(dir.filePath("junk.wav"), "not a sound file at all, just text");
    const auto junk = readSoundFile(dir.filePath("junk.wav"));
    ASSERT_FALSE(junk.ok());
    EXPECT_TRUE(junk.failure().text.contains("junk.wav"));
    EXPECT_FALSE(readSoundFile(dir.filePath("missing.wav")).ok());
}

TEST(AudioInputPcm, ResamplingKeepsThePassBandAndRemovesWhatTheNewRateCannotHold)
{
    const int from = 22050, to = 16000;
    // 1 kHz keeps its pitch and level.
    const auto low = resamplePcm16(tone(1000, from, from), from, to);
    ASSERT_NEAR(double(low.size()), to, 1.0);
    EXPECT_NEAR(zeroCrossings(low, 1000, 15000), 2 * 1000 * 14000 / to, 4);
    EXPECT_NEAR(rms(low, 1000, 15000), 10000 / std::sqrt(2.0), 150);
    // 10 kHz lies above the new Nyquist frequency: it must not fold back as 6 kHz.
    const auto high = resamplePcm16(tone(10000, from, from), from, to);
    EXPECT_LT(rms(high, 1000, 15000), 100);
    // Upsampling keeps a tone as well.
    const auto up = resamplePcm16(tone(440, 8000, 8000), 8000, 16000);
    EXPECT_NEAR(zeroCrossings(up, 2000, 14000), 2 * 440 * 12000 / 16000, 4);
}

TEST(FileAudioInput, DeliversTheFileInSlicesAfterTheLeadInAndEnds)
{
    QTemporaryDir dir;
    const auto sound = tone(500, 8000, 800); // 100 ms at 8 kHz
    testsupport::writeAll(dir.filePath("t.wav"), encodePcmWave(8000, sound));

    FileAudioInput input(dir.filePath("t.wav"), 50);
    ASSERT_TRUE(input.start(8000).ok());
    std::vector<int16_t> got;
    EXPECT_TRUE(input.read(got, 20));
    EXPECT_EQ(got.size(), 160u);
    int reads = 1;
    while (input.read(got, 20))
        ++reads;
    EXPECT_EQ(got.size(), 400u + 800u);
    EXPECT_EQ(reads, 7); // 1200 samples in slices of 160; the eighth slice ends the input
    EXPECT_EQ(std::vector<int16_t>(got.begin(), got.begin() + 400), std::vector<int16_t>(400, 0));
    EXPECT_EQ(std::vector<int16_t>(got.begin() + 400, got.end()), sound);
    EXPECT_FALSE(input.read(got, 20));
    EXPECT_FALSE(input.error().has_value());

    FileAudioInput missing(dir.filePath("none.wav"));
    const Status s = missing.start(16000);
    ASSERT_FALSE(s.ok());
    ASSERT_TRUE(missing.error().has_value());
    EXPECT_TRUE(missing.error()->text.contains("none.wav"));
    EXPECT_FALSE(missing.read(got, 20));
}
