#include "FakeMediaPlayer.h"
#include "FakeMessageService.h"
#include "FakePlayerWindow.h"
#include "PlayerGeometry.h"
#include "SharedPlayer.h"
#include "TestClock.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A player over the fakes, with media files (empty: the fake device only looks
// at their names) in a temporary folder.
struct PlayerRig {
    QTemporaryDir dir;
    TestClock clock;
    FakeMediaPlayer device{clock};
    FakeMessageService messages;
    FakePlayerWindow window;
    SharedPlayer player{device, clock, messages, window};

    QString file(const QString& name)
    {
        const QString path = dir.path() + u'/' + name;
        if (!QFile::exists(path))
            testsupport::writeAll(path, "x");
        return path;
    }
    QString missing(const QString& name) const { return dir.path() + u'/' + name; }
    // The files the device opened, in order.
    QStringList opened() const
    {
        QStringList names;
        for (const QString& call : device.log())
            if (call.startsWith(QLatin1String("open ")))
                names << call.mid(5);
        return names;
    }
};

} // namespace

TEST(SharedPlayer, QueuePlaysInOrderAndCallsTheHandlerOnceAfterTheLast)
{
    PlayerRig r;
    r.device.setLength("a.mp3", 1000);
    r.device.setLength("b.mp3", 450);
    r.device.setLength("c.wav", 2000);
    int done = 0;
    r.player.OnQueueDone = [&] { ++done; };
    r.player.EnqueueFile(r.file("a.mp3"));
    r.player.EnqueueFile(r.file("b.mp3"));
    r.player.EnqueueFile(r.file("c.wav"));
    EXPECT_TRUE(r.opened().isEmpty()) << "enqueueing starts nothing";

    r.player.PlayQueue(false);
    EXPECT_EQ(r.opened(), QStringList{"a.mp3"});
    EXPECT_EQ(r.player.queue().size(), 2);
    EXPECT_TRUE(r.player.playing());
    EXPECT_FALSE(r.window.visible);

    r.clock.advance(1000); // the tick at 1000 ms sees the end of a.mp3
    EXPECT_EQ(r.opened(), (QStringList{"a.mp3", "b.mp3"}));
    r.clock.advance(500);  // b ends between ticks: noticed at the next one
    EXPECT_EQ(r.opened(), (QStringList{"a.mp3", "b.mp3", "c.wav"}));
    EXPECT_EQ(done, 0);
    r.clock.advance(2000);
    EXPECT_EQ(done, 1);
    EXPECT_FALSE(r.player.playing());
    EXPECT_FALSE(r.player.tickRunning());
    r.clock.advance(5000);
    EXPECT_EQ(done, 1);
    EXPECT_TRUE(r.messages.shown.isEmpty());

    // The handler stays until ClosePlayer: a single file ending calls it again.
    r.player.PlayFile(r.file("a.mp3"), false);
    r.clock.advance(1100);
    EXPECT_EQ(done, 2);
    r.player.ClosePlayer();
    r.player.PlayFile(r.file("a.mp3"), false);
    r.clock.advance(1100);
    EXPECT_EQ(done, 2);
}

TEST(SharedPlayer, AFileThatCannotBePlayedEndsTheChain)
{
    for (bool missing : {true, false}) {
        SCOPED_TRACE(missing ? "missing file" : "device failure");
        PlayerRig r;
        int done = 0;
        r.player.OnQueueDone = [&] { ++done; };
        r.player.EnqueueFile(r.file("a.mp3"));
        r.player.EnqueueFile(missing ? r.missing("gone.mp3") : r.file("broken.mp3"));
        r.player.EnqueueFile(r.file("c.mp3"));
        r.player.PlayQueue(false);
        r.clock.advance(1000);
        if (!missing)
            r.device.failNow("Nie można odtworzyć pliku broken.mp3 (uszkodzony plik).");
        r.clock.advance(5000);

        EXPECT_EQ(r.opened(), missing ? QStringList{"a.mp3"} : (QStringList{"a.mp3", "broken.mp3"}));
        EXPECT_EQ(done, 0);
        EXPECT_FALSE(r.player.playing());
        ASSERT_EQ(r.messages.shown.size(), 1);
        if (missing) {
            EXPECT_EQ(r.messages.shown[0].text, "Brak pliku dźwiękowego: gone.mp3");
            EXPECT_EQ(r.messages.shown[0].caption, "Blad");
            EXPECT_EQ(r.messages.shown[0].icon, MessageIcon::Error);
        } else {
            EXPECT_EQ(r.messages.shown[0].text, "Nie można odtworzyć pliku broken.mp3 (uszkodzony plik).");
        }

        // The rest of the chain does not play after the next file another
        // window starts: ClosePlayer empties the queue.
        EXPECT_EQ(r.player.queue(), QStringList{r.file("c.mp3")});
        r.player.ClosePlayer();
        EXPECT_TRUE(r.player.queue().isEmpty());
        r.player.PlayFile(r.file("next.wav"), false);
        r.clock.advance(3000);
        EXPECT_FALSE(r.opened().contains("c.mp3"));
    }
}

TEST(SharedPlayer, ModesByExtensionChooseTheLayoutTheWindowAndTheVideo)
{
    struct Case {
        const char* file;
        bool showFlag;
        const char* layout; // after a first file "a.mp3"
        bool shown;
        bool video;
    } const cases[] = {
        {"x.wav", false, "layout audio 0", false, false},
        {"x.mp3", true, "layout audio 0", true, false},
        {"x.mpg", false, "layout video 0", false, true},
        {"x.mpg", true, "layout video 0", true, true},
        {"x.wmv", false, "layout video 0", true, true},  // a .wmv always shows the window
        {"x.ogg", false, "layout ogg 0", false, false},
        {"x.WMV", false, "layout audio 0", false, false}, // exact comparison: unknown, mode kept
        {"x.avi", false, "layout audio 0", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        PlayerRig r;
        r.player.PlayFile(r.file("a.mp3"), false);
        r.window.calls.clear();
        r.player.PlayFile(r.file(c.file), c.showFlag);
        ASSERT_FALSE(r.window.calls.isEmpty());
        EXPECT_EQ(r.window.calls[0], c.layout);
        EXPECT_EQ(r.window.visible, c.shown);
        EXPECT_EQ(r.device.videoRouted(), c.video);
        EXPECT_TRUE(r.player.playing());
    }

    // An unknown extension keeps the mode of the previous file, video included.
    PlayerRig r;
    r.player.PlayFile(r.file("film.mpg"), true);
    r.player.PlayFile(r.file("clip.dat"), false);
    EXPECT_EQ(r.player.mode(), PlaybackMode::Video);
    EXPECT_EQ(r.window.calls.last(), "layout video 0");

    // A missing file leaves the mode and plays nothing.
    r.device.clearLog();
    r.player.PlayFile(r.missing("brak.mp3"), true);
    EXPECT_EQ(r.player.mode(), PlaybackMode::Video);
    EXPECT_TRUE(r.opened().isEmpty());
    EXPECT_FALSE(r.player.playing()) << "the file playing was stopped first";
}

TEST(SharedPlayer, ProgressTickMovesTheSliderAndTheBar)
{
    PlayerRig r;
    r.device.setLength("a.mp3", 10000);
    r.player.PlayFile(r.file("a.mp3"), false);
    r.clock.advance(100);
    EXPECT_EQ(r.window.sliderLeft, 118 + 2); // round(0.01 × 221)
    EXPECT_EQ(r.window.barWidth, 5);
    r.clock.advance(4900);
    EXPECT_EQ(r.window.sliderLeft, 118 + 111); // round(110.5)
    EXPECT_EQ(r.window.barWidth, 111 + 3);
    r.clock.advance(5000);
    // The end: StopPlayback puts the slider back and empties the bar.
    EXPECT_EQ(r.window.sliderLeft, PlayerTrack::Left);
    EXPECT_EQ(r.window.barWidth, 0);
    EXPECT_EQ(r.device.log().mid(r.device.log().size() - 2), (QStringList{"stop", "seek 0"}));
}

TEST(SharedPlayer, PauseResumeAndStop)
{
    PlayerRig r;
    r.device.setLength("a.mp3", 3000);
    r.player.PlayFile(r.file("a.mp3"), false);
    r.clock.advance(1000);
    r.player.TogglePause();
    EXPECT_EQ(r.device.mode(), DeviceMode::Paused);
    EXPECT_TRUE(r.player.playing()) << "a paused file still counts as playing";
    r.clock.advance(5000);
    EXPECT_EQ(r.device.positionMs(), 1000);
    r.player.ResumeOrPlay(); // the play button on a paused file resumes it
    EXPECT_EQ(r.opened().size(), 1);
    r.clock.advance(500);
    EXPECT_EQ(r.device.positionMs(), 1500);
    r.player.TogglePause();
    r.player.TogglePause();
    EXPECT_EQ(r.device.mode(), DeviceMode::Playing);

    // The play button while playing starts the file again from its start.
    r.player.ResumeOrPlay();
    EXPECT_EQ(r.opened().size(), 2);
    EXPECT_EQ(r.device.positionMs(), 0);

    r.player.StopPlayback();
    EXPECT_FALSE(r.player.playing());
    EXPECT_FALSE(r.player.tickRunning());
    EXPECT_EQ(r.device.mode(), DeviceMode::Stopped);
    EXPECT_EQ(r.device.positionMs(), 0);
    r.device.clearLog();
    r.player.StopPlayback(); // idle: nothing is sent
    EXPECT_TRUE(r.device.log().isEmpty());

    // A new file stops the one playing before it starts.
    r.player.PlayFile(r.file("a.mp3"), false);
    r.device.clearLog();
    r.player.PlayFile(r.file("b.wav"), false);
    EXPECT_EQ(r.device.log().mid(0, 3), (QStringList{"stop", "seek 0", "open b.wav"}));
}

TEST(SharedPlayer, RecordingMarksAreReadAndSeekToTheirSecond)
{
    struct Case {
        const char* text;
        QList<int> seconds;
    } const cases[] = {
        {"", {}},
        {"12#40#75", {12, 40, 75}},
        {"12#40#75#", {12, 40, 75}},
        {"#12", {}},                   // the first field is empty
        {"3##9", {3}},                 // fields stop at the first empty one
        {"1#2#3#4#5#6#7", {1, 2, 3, 4, 5}}, // five buttons at most
        {"4#x#9", {4}},                // a damaged field ends the list
        {"0", {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseRecordingMarks(QString::fromLatin1(c.text)).seconds, c.seconds);
    }

    PlayerRig r;
    r.device.setLength("pc.mp3", 90000);
    r.player.SetRecordingMarks("12#40#75");
    r.player.PlayFile(r.file("pc.mp3"), true);
    EXPECT_EQ(r.window.calls[0], "layout audio 3");
    r.clock.advance(2000);
    r.device.clearLog();
    r.player.ChooseMark(2);
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 40000", "play"}));
    r.clock.advance(1000);
    EXPECT_EQ(r.device.positionMs(), 41000);
    EXPECT_TRUE(r.player.tickRunning());

    // After the end of the file a mark plays again from its second.
    r.clock.advance(60000);
    EXPECT_FALSE(r.player.playing());
    r.player.ChooseMark(3);
    EXPECT_TRUE(r.player.playing());
    r.clock.advance(100);
    EXPECT_EQ(r.device.positionMs(), 75100);
    r.device.clearLog();
    r.player.ChooseMark(4); // no fourth mark
    r.player.ChooseMark(0);
    EXPECT_TRUE(r.device.log().isEmpty());

    r.player.ClosePlayer();
    EXPECT_EQ(r.player.marks().count(), 0);
    EXPECT_FALSE(r.window.visible);
    EXPECT_EQ(r.device.mode(), DeviceMode::NotOpen);
}

TEST(SharedPlayer, SliderReleaseAndTrackClickSeek)
{
    PlayerRig r;
    r.device.setLength("a.mp3", 22100);
    r.player.PlayFile(r.file("a.mp3"), false);
    r.clock.advance(1000);

    r.player.BeginSliderDrag();
    EXPECT_FALSE(r.player.tickRunning()) << "the tick must not move the slider under the pointer";
    r.device.clearLog();
    r.player.EndSliderDrag(PlayerTrack::Left + PlayerTrack::Travel); // the far right: the end of the file
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 22100", "play"}));
    EXPECT_TRUE(r.player.tickRunning());

    r.player.BeginSliderDrag();
    r.device.clearLog();
    r.player.EndSliderDrag(PlayerTrack::Left - 40); // held within the track; left of it counts as 0
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 0", "play"}));
    EXPECT_EQ(r.window.sliderLeft, PlayerTrack::Left - 3);

    r.device.clearLog();
    r.player.ClickTrack(110); // 110 of 221 pixels
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 11000", "play"}));
    EXPECT_EQ(r.window.sliderLeft, PlayerTrack::Left + 110);
    EXPECT_EQ(r.window.barWidth, 113);

    // While idle the slider moves but nothing plays.
    r.player.StopPlayback();
    r.device.clearLog();
    r.player.BeginSliderDrag();
    r.player.EndSliderDrag(PlayerTrack::Left + 50);
    EXPECT_TRUE(r.device.log().isEmpty());
    EXPECT_FALSE(r.player.tickRunning());
}
