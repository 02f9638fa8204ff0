#include "FakeAudioOutput.h"
#include "FakeMediaPlayer.h"
#include "FakeMessageService.h"
#include "FakePlayerWindow.h"
#include "Installation.h"
#include "LearnerRecordings.h"
#include "MediaButtons.h"
#include "SharedPlayer.h"
#include "TestClock.h"
#include "WavPcm.h"

#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray shortWav(char fill)
{
    WavPcm pcm;
    pcm.sampleRate = 8000;
    pcm.channels = 1;
    pcm.samples = QByteArray(1600, fill); // 100 ms
    return pcm.toWav();
}

// An installation with user 7's two recording folders.
struct UserRig {
    QTemporaryDir dir;
    Installation inst;
    UserRig()
    {
        inst.appDir = dir.path();
        QDir().mkpath(dir.path() + "/Users/7_Media_temp");
        QDir().mkpath(dir.path() + "/Users/7_Media_arch");
    }
    QString temp(const QString& name) const { return dir.path() + "/Users/7_Media_temp/usr_" + name; }
    QString arch(const QString& name) const { return dir.path() + "/Users/7_Media_arch/usr_" + name; }
};

} // namespace

TEST(LearnerRecordings, PathsFollowTheUserAndTheFolder)
{
    UserRig u;
    EXPECT_EQ(UserRecordingPath(u.inst, 7, "slowkaRec.wav", RecordingFolder::Temporary), u.temp("slowkaRec.wav"));
    EXPECT_EQ(UserRecordingPath(u.inst, 7, "12", RecordingFolder::Temporary), u.temp("12"));
    EXPECT_EQ(UserRecordingPath(u.inst, 7, "dial_01_03.mp3", RecordingFolder::Archive), u.arch("dial_01_03.mp3"));
    EXPECT_EQ(UserRecordingFolder(u.inst, 12, RecordingFolder::Archive), u.dir.path() + "/Users/12_Media_arch");
}

TEST(LearnerRecordings, ArchivingDialogueRecordingsWithTheSettingOnAndOff)
{
    const QStringList lines = {"l1.mp3", "l2.mp3", "l3.mp3"};
    for (bool archive : {true, false}) {
        SCOPED_TRACE(archive ? "archive on" : "archive off");
        UserRig u;
        testsupport::writeAll(u.temp("l1.mp3"), shortWav('\x10')); // recorded now, archived before
        testsupport::writeAll(u.arch("l1.mp3"), shortWav('\x01'));
        testsupport::writeAll(u.temp("l2.mp3"), shortWav('\x20')); // recorded now only
        testsupport::writeAll(u.arch("l3.mp3"), shortWav('\x03')); // archived before only
        testsupport::writeAll(u.temp("other.wav"), "kept");        // not a line of this dialogue

        EXPECT_TRUE(ArchiveDialogueRecordings(u.inst, 7, archive, lines).ok());
        for (const QString& l : lines)
            EXPECT_FALSE(QFileInfo::exists(u.temp(l))) << l.toStdString();
        EXPECT_TRUE(QFileInfo::exists(u.temp("other.wav")));
        EXPECT_EQ(testsupport::readAll(u.arch("l1.mp3")), shortWav(archive ? '\x10' : '\x01'));
        EXPECT_EQ(QFileInfo::exists(u.arch("l2.mp3")), archive);
        EXPECT_EQ(testsupport::readAll(u.arch("l3.mp3")), shortWav('\x03'));
    }

    // Without an archive folder nothing is lost: the recording stays where it
    // was, the old archive is untouched, and the failure says so.
    UserRig u;
    QDir(u.dir.path() + "/Users/7_Media_arch").removeRecursively();
    testsupport::writeAll(u.temp("l1.mp3"), shortWav('\x10'));
    const Status s = ArchiveDialogueRecordings(u.inst, 7, true, lines);
    ASSERT_FALSE(s.ok());
    EXPECT_TRUE(s.failure().text.contains("usr_l1.mp3"));
    EXPECT_TRUE(QFileInfo::exists(u.temp("l1.mp3")));
}

TEST(LearnerRecordings, PlayingRecordingsAndStoppingAllSound)
{
    UserRig u;
    testsupport::writeAll(u.temp("slowkaRec.wav"), shortWav('\x10'));
    FakeAudioOutput audio;
    EXPECT_TRUE(PlayRecording(audio, u.temp("slowkaRec.wav")));
    EXPECT_TRUE(audio.isPlaying()) << "asynchronous: still sounding after the call";
    EXPECT_FALSE(PlayRecording(audio, u.temp("brak.wav")));

    // Synchronous: returns once the sound has ended.
    int pumped = 0;
    EXPECT_TRUE(PlayRecordingSync(audio, u.temp("slowkaRec.wav"), [&] {
        if (++pumped == 3)
            audio.finish();
    }));
    EXPECT_EQ(pumped, 3);
    EXPECT_FALSE(audio.isPlaying());
    EXPECT_FALSE(PlayRecordingSync(audio, u.temp("brak.wav"), [] {}));

    TestClock clock;
    FakeMediaPlayer device(clock);
    FakeMessageService messages;
    FakePlayerWindow window;
    SharedPlayer player(device, clock, messages, window);
    testsupport::writeAll(u.temp("a.mp3"), "x");
    player.EnqueueFile(u.temp("a.mp3"));
    player.PlayFile(u.temp("a.mp3"), true);
    PlayRecording(audio, u.temp("slowkaRec.wav"));
    StopAllSound(player, audio);
    EXPECT_FALSE(player.playing());
    EXPECT_TRUE(player.queue().isEmpty());
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(audio.isPlaying());
}

TEST(MediaButtons, FileAndEndingDecideVisibilityPictureCaptionAndTag)
{
    QTemporaryDir dir;
    Installation inst;
    inst.appDir = dir.path();
    inst.cdDir = dir.path() + "/cd/";
    QDir().mkpath(dir.path() + "/cd/Media/Teksty");
    QDir().mkpath(dir.path() + "/cd/Media/Zdania");
    for (const char* f : {"Teksty/a.wav", "Teksty/b.mp3", "Teksty/film.mpg", "Teksty/anim.swf", "Teksty/x.txt",
                          "Zdania/a.wav", "Zdania/b.mp3", "Zdania/film.mpg", "Zdania/anim.swf", "Zdania/c.wmv"})
        testsupport::writeAll(dir.path() + "/cd/Media/" + f, "x");

    using P = MediaPicture;
    struct Case {
        bool sentence;
        const char* name;
        bool visible;
        int tag; // the previous tag is 9
        P picture;
        int caption;
    } const cases[] = {
        {false, "a.wav", true, 2, P::Sound, 42},
        {false, "b.mp3", true, 2, P::Sound, 42},
        {false, "film.mpg", true, 1, P::Video, 4},
        {false, "film.wmv", true, 1, P::Video, 4}, // found as film.mpg
        {false, "anim.swf", true, 3, P::Video, 4},
        {false, "x.txt", true, 9, P::Video, 4},    // another ending keeps the tag
        {false, "brak.wav", false, 9, P::Unchanged, 0},
        {false, "", false, 9, P::Unchanged, 0},
        {true, "a.wav", true, 2, P::Sound, 42},
        {true, "b.mp3", true, 9, P::Unchanged, 0}, // visible, everything else as it was
        {true, "film.mpg", true, 1, P::Video, 4},
        {true, "anim.swf", true, 3, P::Video, 4},
        {true, "film.wmv", false, 9, P::Unchanged, 0}, // no substitution for sentences
        {true, "c.wmv", true, 9, P::Unchanged, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.sentence ? "Zdania/" : "Teksty/") + c.name);
        const QString name = QString::fromLatin1(c.name);
        const MediaButtonSetup s = c.sentence ? ResolveSentenceMedia(inst, name, 9) : ResolveTextMedia(inst, name, 9);
        EXPECT_EQ(s.visible, c.visible);
        EXPECT_EQ(s.tag, c.tag);
        EXPECT_EQ(s.picture, c.picture);
        EXPECT_EQ(s.captionText, c.caption);
    }
}
