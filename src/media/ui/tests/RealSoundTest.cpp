// Playback and recording through the real sound server: the null sink of
// scripts/with-services.sh, whose monitor is remapped as the microphone, so
// what is played can be recorded back.
#include "LearnerRecordings.h"
#include "PictureBox.h"
#include "QtAudioOutput.h"
#include "QtMediaClock.h"
#include "QtMediaPlayer.h"
#include "RecordingControls.h"
#include "SharedPlayer.h"
#include "SoundServer.h"
#include "TfrmMediaR.h"
#include "WavPcm.h"

#include "FakePlayerWindow.h"
#include "TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// Runs the event loop until `done` or `ms` have passed.
bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

void idle(int ms)
{
    waitFor([] { return false; }, ms);
}

// A 16-bit mono tone.
QByteArray tone(double hz, int ms, int rate = 44100)
{
    WavPcm pcm;
    pcm.sampleRate = rate;
    pcm.channels = 1;
    const int n = rate * ms / 1000;
    pcm.samples.resize(n * 2);
    for (int i = 0; i < n; ++i)
        qToLittleEndian<qint16>(qint16(12000 * std::sin(2 * M_PI * hz * i / rate)), pcm.samples.data() + 2 * i);
    return pcm.toWav();
}

// The strength of one frequency in a stretch of samples (Goertzel).
double power(const std::vector<double>& x, double hz, int rate)
{
    const double w = 2 * M_PI * hz / rate;
    const double c = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (double v : x) {
        const double s = v + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

// The shared player on the real device and clock, with a recording window.
struct RealPlayerRig : mediatest::ContextRig {
    QtMediaClock clock;
    QtMediaPlayer device;
    FakePlayerWindow window;
    SharedPlayer player{device, clock, messages, window};
    int done = 0;
    RealPlayerRig()
    {
        player.OnQueueDone = [this] { ++done; };
    }
};

} // namespace

TEST(RealPlayback, EveryKindOfFilePlaysToItsEndInAQueue)
{
    SKIP_WITHOUT_SOUND_SERVER();
    RealPlayerRig c;
    SharedPlayer& player = c.player;
    FakePlayerWindow& window = c.window;
    int& done = c.done;
    for (const char* f : {"tone.wav", "tone.mp3", "tone.ogg", "clip.mpg"})
        player.EnqueueFile(mediatest::fixture(QString::fromLatin1(f)));
    player.PlayQueue(false);
    qint64 longest = 0;
    ASSERT_TRUE(waitFor([&] {
        longest = std::max(longest, player.lengthMs());
        return done > 0 || !c.messages.shown.isEmpty();
    }, 20000));
    for (const auto& m : c.messages.shown)
        ADD_FAILURE() << m.text.toStdString();
    EXPECT_EQ(done, 1);
    EXPECT_EQ(window.calls.filter("layout").join(", "),
              "layout audio 0, layout audio 0, layout ogg 0, layout video 0");
    EXPECT_GE(longest, 400) << "lengths come from the files";
    EXPECT_LE(longest, 700);
    EXPECT_FALSE(player.playing());
}

TEST(RealPlayback, AVideoPlaysInThePlayerWindow)
{
    SKIP_WITHOUT_SOUND_SERVER();
    mediatest::ContextRig c;
    TfrmMediaR frmMediaR(c.ctx);
    int done = 0;
    frmMediaR.setOnQueueDone([&] { ++done; });
    frmMediaR.PlayFile(mediatest::fixture("clip.mpg"), false);
    EXPECT_FALSE(frmMediaR.isVisible());
    EXPECT_TRUE(frmMediaR.player().playing());
    ASSERT_TRUE(waitFor([&] { return done > 0 || !c.messages.shown.isEmpty(); }, 10000));
    for (const auto& m : c.messages.shown)
        ADD_FAILURE() << m.text.toStdString();
    EXPECT_EQ(frmMediaR.size(), QSize(360, 363));
    EXPECT_EQ(frmMediaR.Suwak->x(), 118) << "back at the start after the end";
}

TEST(RealPlayback, AFileThatIsNoSoundIsReportedAndEndsTheChain)
{
    SKIP_WITHOUT_SOUND_SERVER();
    RealPlayerRig c;
    SharedPlayer& player = c.player;
    int& done = c.done;
    player.EnqueueFile(mediatest::fixture("damaged.mp3"));
    player.EnqueueFile(mediatest::fixture("tone.wav"));
    player.PlayQueue(false);
    ASSERT_TRUE(waitFor([&] { return !c.messages.shown.isEmpty(); }, 10000));
    idle(1500);
    EXPECT_EQ(done, 0);
    EXPECT_FALSE(player.playing());
    ASSERT_EQ(c.messages.shown.size(), 1);
    EXPECT_TRUE(c.messages.shown[0].text.startsWith("Nie można odtworzyć pliku damaged.mp3"))
        << c.messages.shown[0].text.toStdString();
}

TEST(RealRecording, AToneThroughTheNullSinkIsRecordedInTheFixedFormat)
{
    SKIP_WITHOUT_SOUND_SERVER();
    mediatest::ContextRig c;
    QTemporaryDir dir;
    TfrmMediaR frmMediaR(c.ctx);
    QtAudioOutput speaker;
    const QString path = dir.path() + "/usr_slowkaRec.wav";

    ASSERT_TRUE(frmMediaR.StartRecording(path))
        << (c.messages.shown.isEmpty() ? "" : c.messages.shown[0].text.toStdString());
    idle(300);
    ASSERT_TRUE(speaker.playWav(tone(1000, 1200)));
    ASSERT_TRUE(waitFor([&] { return !speaker.isPlaying(); }, 10000));
    idle(300);
    frmMediaR.StopRecording(true);
    for (const auto& m : c.messages.shown)
        ADD_FAILURE() << m.text.toStdString();

    const QByteArray wav = testsupport::readAll(path);
    ASSERT_GE(wav.size(), 44);
    // The header, field by field.
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 16), 16u);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 20), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 22), 2);
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 24), 44100u);
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 28), 176400u);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 32), 4);
    EXPECT_EQ(qFromLittleEndian<quint16>(wav.constData() + 34), 16);
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));

    // About as long as it was held, and the tone is in it.
    const auto pcm = WavPcm::parse(wav);
    ASSERT_TRUE(pcm);
    EXPECT_GE(pcm->durationMs(), 1200);
    EXPECT_LE(pcm->durationMs(), 4000);
    std::vector<double> left;
    for (qint64 f = 0; f < pcm->frameCount(); ++f)
        left.push_back(qFromLittleEndian<qint16>(pcm->samples.constData() + 4 * f));
    double best = 0;
    double other = 0;
    for (size_t at = 0; at + 4410 <= left.size(); at += 4410) {
        const std::vector<double> slice(left.begin() + qsizetype(at), left.begin() + qsizetype(at + 4410));
        const double p = power(slice, 1000, 44100);
        if (p > best) {
            best = p;
            other = std::max({power(slice, 1700, 44100), power(slice, 2600, 44100), power(slice, 3300, 44100)});
        }
    }
    EXPECT_GT(best, 100 * other) << "the recording holds the 1 kHz tone";
    EXPECT_GT(best, 1e12) << "and it is loud";
}

TEST(RealRecording, PlayingARecordingWaitsForItsEnd)
{
    SKIP_WITHOUT_SOUND_SERVER();
    QTemporaryDir dir;
    const QString path = dir.path() + "/usr_a.wav";
    testsupport::writeAll(path, tone(500, 600));
    QtAudioOutput speaker;
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(PlayRecordingWaiting(speaker, path));
    EXPECT_GE(t.elapsed(), 500);
    EXPECT_FALSE(speaker.isPlaying());
    EXPECT_FALSE(PlayRecordingWaiting(speaker, dir.path() + "/brak.wav"));
}
