#include "ClockedAudioInput.h"
#include "FakeMessageService.h"
#include "HoldToRecord.h"
#include "Installation.h"
#include "MciRecorder.h"
#include "TestClock.h"
#include "VoiceRecorder.h"
#include "WavPcm.h"

#include "TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <cmath>

#include <gtest/gtest.h>

namespace {

// Takes the command strings and answers each with success.
struct RecordingMciDevice final : IMciDevice {
    QStringList sent;
    MciReply SendString(const QString& command) override
    {
        sent << command;
        return {};
    }
};

struct RecorderRig {
    QTemporaryDir dir;
    TestClock clock;
    ClockedAudioInput mic{clock};
    MciRecorder mci{mic, clock};
    FakeMessageService messages;
    VoiceRecorder recorder{mci, messages};

    QString path(const QString& name) const { return dir.path() + u'/' + name; }
};

quint32 u32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

// The canonical 44-byte header of the fixed recording format, field by field.
void expectFixedFormatHeader(const QByteArray& wav, quint32 frames)
{
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(u32(wav, 4), 36 + frames * 4);
    EXPECT_EQ(wav.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u32(wav, 16), 16u);
    EXPECT_EQ(u16(wav, 20), 1);       // PCM
    EXPECT_EQ(u16(wav, 22), 2);       // channels
    EXPECT_EQ(u32(wav, 24), 44100u);  // samples per second
    EXPECT_EQ(u32(wav, 28), 176400u); // bytes per second
    EXPECT_EQ(u16(wav, 32), 4);       // block alignment
    EXPECT_EQ(u16(wav, 34), 16);      // bits per sample
    EXPECT_EQ(wav.mid(36, 4), "data");
    EXPECT_EQ(u32(wav, 40), frames * 4);
    EXPECT_EQ(wav.size(), qsizetype(44 + frames * 4));
}

} // namespace

TEST(VoiceRecorder, SendsTheRecorderStringsAndSavesAnOpenRecordingFirst)
{
    RecordingMciDevice device;
    FakeMessageService messages;
    VoiceRecorder recorder(device, messages);
    const QStringList start = {
        "OPEN NEW TYPE WAVEAUDIO ALIAS SelkoWAV",
        "SET SelkoWAV TIME FORMAT MS BITSPERSAMPLE 16 CHANNELS 2 SAMPLESPERSEC 44100 BYTESPERSEC 176400 ALIGNMENT 4",
        "RECORD SelkoWAV"};

    EXPECT_TRUE(recorder.StartRecording("/u/usr_a.wav"));
    EXPECT_EQ(device.sent, start);
    EXPECT_TRUE(recorder.recording());

    device.sent.clear();
    recorder.StartRecording("/u/usr_b.wav");
    EXPECT_EQ(device.sent, QStringList({"STOP SelkoWAV", "SAVE SelkoWAV \"/u/usr_a.wav\"", "CLOSE SelkoWAV"}) + start);

    device.sent.clear();
    recorder.StopRecording(false);
    EXPECT_EQ(device.sent, QStringList({"STOP SelkoWAV", "CLOSE SelkoWAV"}));
    EXPECT_FALSE(recorder.recording());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(MciRecorder, RecordsTheFixedFormatFromTheInput)
{
    RecorderRig r;
    // A signal that tells samples apart: the sample's index.
    r.mic.setSignal([](qint64 i, int) { return int16_t(i % 30000); });
    ASSERT_TRUE(r.recorder.StartRecording(r.path("usr_slowkaRec.wav")));
    EXPECT_TRUE(r.mci.isRecording());
    r.clock.advance(1000);
    r.recorder.StopRecording(true);
    EXPECT_FALSE(r.mci.isOpen());
    EXPECT_TRUE(r.messages.shown.isEmpty());

    const QByteArray wav = testsupport::readAll(r.path("usr_slowkaRec.wav"));
    expectFixedFormatHeader(wav, 44100);
    const auto pcm = WavPcm::parse(wav);
    ASSERT_TRUE(pcm);
    const char* data = pcm->samples.constData();
    for (qint64 f : {qint64(0), qint64(1), qint64(29999), qint64(30000), qint64(44099)}) {
        SCOPED_TRACE(f);
        const qint16 left = qFromLittleEndian<qint16>(data + 4 * f);
        const qint16 right = qFromLittleEndian<qint16>(data + 4 * f + 2);
        EXPECT_EQ(left, qint16(f % 30000));
        EXPECT_EQ(right, left) << "the one input channel goes to both";
    }

    // Recording again into the same file replaces it whole.
    r.recorder.StartRecording(r.path("usr_slowkaRec.wav"));
    r.clock.advance(250);
    r.recorder.StopRecording(true);
    expectFixedFormatHeader(testsupport::readAll(r.path("usr_slowkaRec.wav")), 11025);
}

TEST(MciRecorder, AFailedDeviceIsReportedOnceAndWritesNoFile)
{
    struct Case {
        const char* what;
        std::function<void(RecorderRig&)> arrange;
        qint64 holdMs;
        const char* message;
    } const cases[] = {
        {"no microphone", [](RecorderRig& r) { r.mic.refuseToStart("Nie znaleziono mikrofonu."); }, 1000,
         "Nie znaleziono mikrofonu."},
        {"fails while recording", [](RecorderRig& r) { r.mic.failAfter(300, "Nagrywanie nie powiodło się."); }, 1000,
         "Nagrywanie nie powiodło się."},
        {"brings no sound", [](RecorderRig& r) { r.mic.deliverNothing(true); }, 1500,
         "Mikrofon nie przekazał żadnego dźwięku. Sprawdź, czy jest podłączony i włączony, i nagraj jeszcze raz."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecorderRig r;
        c.arrange(r);
        r.recorder.StartRecording(r.path("usr_a.wav"));
        r.clock.advance(c.holdMs);
        r.recorder.StopRecording(true);
        ASSERT_EQ(r.messages.shown.size(), 1);
        EXPECT_EQ(r.messages.shown[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(r.messages.shown[0].caption, "Błąd");
        EXPECT_FALSE(QFile::exists(r.path("usr_a.wav")));
        EXPECT_FALSE(r.mci.isOpen());
    }

    // A file that cannot be written is reported with its path; stopping when
    // nothing records reports nothing.
    RecorderRig r;
    r.recorder.StopRecording(true);
    EXPECT_TRUE(r.messages.shown.isEmpty());
    r.recorder.StartRecording(r.path("no-such-folder/usr_a.wav"));
    r.clock.advance(200);
    r.recorder.StopRecording(true);
    ASSERT_EQ(r.messages.shown.size(), 1);
    EXPECT_TRUE(r.messages.shown[0].text.contains("no-such-folder")) << r.messages.shown[0].text.toStdString();
}

TEST(MciRecorder, CommandStrings)
{
    TestClock clock;
    ClockedAudioInput mic(clock);
    MciRecorder mci(mic, clock);
    struct Step {
        const char* command;
        bool ok;
    } const steps[] = {
        {"RECORD SelkoWAV", false},                               // nothing open
        {"open new type waveaudio alias Rec", true},              // keywords in any case
        {"OPEN NEW TYPE WAVEAUDIO ALIAS Other", false},           // one recording at a time
        {"PLAY Rec", false},                                      // not a recorder command
        {"SET Other CHANNELS 2", false},                          // wrong alias
        {"SET Rec BITSPERSAMPLE 12", false},
        {"SET Rec CHANNELS 2 SAMPLESPERSEC 22050 BYTESPERSEC 44100 ALIGNMENT 4", false}, // inconsistent
        {"SET Rec TIME FORMAT MS CHANNELS 2 BITSPERSAMPLE 16 SAMPLESPERSEC 22050 ALIGNMENT 4 BYTESPERSEC 88200", true},
        {"RECORD Rec", true},
        {"SET Rec CHANNELS 1", false},                            // not while recording
        {"STOP Rec", true},
        {"SAVE Rec", false},                                      // no file named
        {"CLOSE Rec", true},
        {"CLOSE Rec", false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.command);
        EXPECT_EQ(mci.SendString(QString::fromLatin1(s.command)).ok(), s.ok);
    }

    // A path with blanks in quotes, an 8-bit mono recording (the default format).
    QTemporaryDir dir;
    const QString path = dir.path() + "/a b/usr_x.wav";
    QDir().mkpath(dir.path() + "/a b");
    ASSERT_TRUE(mci.SendString("OPEN NEW TYPE WAVEAUDIO ALIAS Rec").ok());
    ASSERT_TRUE(mci.SendString("RECORD Rec").ok());
    clock.advance(100);
    ASSERT_TRUE(mci.SendString("SAVE Rec \"" + path + "\"").ok());
    const auto pcm = WavPcm::parse(testsupport::readAll(path));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->format, WavPcm::Format::UInt8);
    EXPECT_EQ(pcm->channels, 1);
    EXPECT_EQ(pcm->sampleRate, 11025);
    EXPECT_EQ(pcm->frameCount(), 1102);
}

TEST(HoldToRecord, AShortPressRecordsNothingAndALongOneRecordsUntilRelease)
{
    RecorderRig r;
    Installation inst;
    inst.uiTexts.append(59, "Uwaga");
    inst.uiTexts.append(130, "Przytrzymaj przycisk, aby nagrywać.");
    QStringList hooks;
    HoldToRecord hold(r.clock, r.recorder, r.messages, inst, [&] { return r.path("usr_slowkaRec.wav"); },
                      {[&] { hooks << "started"; }, [&] { hooks << "stopped"; }});

    hold.Press();
    EXPECT_TRUE(hold.armed());
    r.clock.advance(749);
    hold.Release();
    EXPECT_FALSE(hold.armed());
    EXPECT_FALSE(hold.recording());
    EXPECT_EQ(r.mic.startCount(), 0);
    ASSERT_EQ(r.messages.shown.size(), 1);
    EXPECT_TRUE(r.messages.shown[0].skinned);
    EXPECT_EQ(r.messages.shown[0].text, "Przytrzymaj przycisk, aby nagrywać.");
    EXPECT_EQ(r.messages.shown[0].caption, "Uwaga");
    r.clock.advance(2000); // the stopped timer does not start a recording later
    EXPECT_FALSE(hold.recording());
    EXPECT_TRUE(hooks.isEmpty());

    hold.Press();
    r.clock.advance(750);
    EXPECT_TRUE(hold.recording());
    EXPECT_FALSE(hold.armed());
    EXPECT_EQ(hooks, QStringList{"started"});
    r.clock.advance(500);
    hold.Release();
    EXPECT_FALSE(hold.recording());
    EXPECT_EQ(hooks, (QStringList{"started", "stopped"}));
    EXPECT_EQ(r.messages.shown.size(), 1);
    const auto pcm = WavPcm::parse(testsupport::readAll(r.path("usr_slowkaRec.wav")));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->durationMs(), 500);

    // A microphone that does not start: the recorder's message, no hooks, and
    // the release afterwards does nothing more.
    hooks.clear();
    r.mic.refuseToStart("Nie znaleziono mikrofonu.");
    hold.Press();
    r.clock.advance(800);
    EXPECT_FALSE(hold.recording());
    hold.Release();
    EXPECT_TRUE(hooks.isEmpty());
    ASSERT_EQ(r.messages.shown.size(), 2);
    EXPECT_EQ(r.messages.shown[1].text, "Nie znaleziono mikrofonu.");
    EXPECT_FALSE(r.mci.isOpen());
}
