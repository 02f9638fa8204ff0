#include "ClockedAudioInput.h"
#include "FakeMediaPlayer.h"
#include "HoldToRecord.h"
#include "MediaButtonUi.h"
#include "PictureBox.h"
#include "PlayerGeometry.h"
#include "RecordingControls.h"
#include "SoundServer.h"
#include "TLumResButton.h"
#include "TestClock.h"
#include "TfrmMediaR.h"
#include "WavPcm.h"

#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using mediatest::ContextRig;

namespace {

QImage solid(QColor c)
{
    QImage img(24, 24, QImage::Format_ARGB32);
    img.fill(c);
    return img;
}

// The player window over the fakes.
struct WindowRig : ContextRig {
    QTemporaryDir dir;
    TestClock clock;
    FakeMediaPlayer device{clock};
    ClockedAudioInput mic{clock};
    TfrmMediaR window{ctx, MediaDevices{&device, &clock, &mic}};

    QString file(const QString& name)
    {
        const QString path = dir.path() + u'/' + name;
        if (!QFile::exists(path))
            testsupport::writeAll(path, "x");
        return path;
    }
};

} // namespace

TEST(TfrmMediaR, LayoutsFollowTheModeAndTheMarks)
{
    WindowRig r;
    r.window.SetRecordingMarks("12#40#75");
    r.window.PlayFile(r.file("film.mpg"), true);
    EXPECT_TRUE(r.window.isVisible());
    EXPECT_EQ(r.window.size(), QSize(360, 363));
    EXPECT_TRUE(r.window.DisplayArea_MPG->isVisibleTo(&r.window));
    EXPECT_EQ(r.window.DisplayArea_MPG->geometry(), QRect(11, 22, 336, 287));
    EXPECT_TRUE(r.window.IMG_Tlo->isVisibleTo(&r.window));
    EXPECT_FALSE(r.window.IMG_Tlo2->isVisibleTo(&r.window));
    EXPECT_EQ(r.window.btnPlay->pos(), QPoint(10, 315));
    EXPECT_EQ(r.window.btnPause->pos(), QPoint(52, 322));
    EXPECT_EQ(r.window.btnStop->pos(), QPoint(82, 322));
    EXPECT_EQ(r.window.Pasek_Tlo->pos(), QPoint(118, 333));
    EXPECT_EQ(r.window.Suwak->pos(), QPoint(118, 315));
    EXPECT_EQ(r.window.btnClose->geometry(), QRect(313, 1, 34, 18));
    // Three marks: the third at 315, the second 35 pixels left of it.
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(r.window.osoba[k - 1]->isVisibleTo(&r.window), k <= 3) << k;
    EXPECT_EQ(r.window.osoba[2]->geometry(), QRect(315, 345, 30, 14));
    EXPECT_EQ(r.window.osoba[1]->pos(), QPoint(280, 345));
    EXPECT_EQ(r.window.osoba[0]->pos(), QPoint(245, 345));
    EXPECT_TRUE(r.device.videoRouted());

    r.window.ClosePlayer();
    EXPECT_FALSE(r.window.isVisible());
    r.window.SetRecordingMarks("7");
    r.window.PlayFile(r.file("a.mp3"), true);
    EXPECT_EQ(r.window.size(), QSize(360, 74));
    EXPECT_FALSE(r.window.DisplayArea_MPG->isVisibleTo(&r.window));
    EXPECT_TRUE(r.window.IMG_Tlo2->isVisibleTo(&r.window));
    EXPECT_EQ(r.window.btnPlay->pos(), QPoint(10, 26));
    EXPECT_EQ(r.window.btnPause->pos(), QPoint(52, 33));
    EXPECT_EQ(r.window.Pasek->pos(), QPoint(118, 44));
    EXPECT_EQ(r.window.osoba[0]->geometry(), QRect(315, 56, 30, 14));
    EXPECT_FALSE(r.window.osoba[1]->isVisibleTo(&r.window));
    EXPECT_FALSE(r.device.videoRouted());
}

TEST(TfrmMediaR, AWmvShowsTheWindowAndAHiddenMpgStaysHidden)
{
    WindowRig r;
    r.window.PlayFile(r.file("x.mpg"), false);
    EXPECT_FALSE(r.window.isVisible());
    EXPECT_TRUE(r.window.player().playing());
    r.window.PlayFile(r.file("x.wmv"), false);
    EXPECT_TRUE(r.window.isVisible());
    r.window.ClosePlayer();
    EXPECT_FALSE(r.window.isVisible());
}

TEST(TfrmMediaR, ControlsDriveThePlayer)
{
    WindowRig r;
    r.device.setLength("a.mp3", 22100);
    r.window.SetRecordingMarks("5#10");
    r.window.PlayFile(r.file("a.mp3"), true);
    r.clock.advance(11050); // the last tick was at 11 000 ms: half of the file
    EXPECT_EQ(r.window.Suwak->x(), 118 + 110);
    EXPECT_EQ(r.window.Pasek->width(), 113);

    QTest::mouseClick(r.window.btnPause, Qt::LeftButton);
    EXPECT_EQ(r.device.mode(), DeviceMode::Paused);
    QTest::mouseClick(r.window.btnPlay, Qt::LeftButton); // resumes the paused file
    EXPECT_EQ(r.device.mode(), DeviceMode::Playing);

    r.device.clearLog();
    QTest::mouseClick(r.window.osoba[1], Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 10000", "play"}));

    // Dragging the slider: the tick holds off while the pointer has it.
    r.device.clearLog();
    QTest::mousePress(r.window.Suwak, Qt::LeftButton, {}, QPoint(3, 6));
    EXPECT_FALSE(r.window.player().tickRunning());
    QMouseEvent move(QEvent::MouseMove, QPointF(3 + 300, 6), r.window.Suwak->mapToGlobal(QPointF(303, 6)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(r.window.Suwak, &move);
    EXPECT_EQ(r.window.Suwak->x(), PlayerTrack::Left + PlayerTrack::Travel) << "kept on the track";
    QTest::mouseRelease(r.window.Suwak, Qt::LeftButton, {}, QPoint(3, 6));
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 22100", "play"}));
    EXPECT_TRUE(r.window.player().tickRunning());

    // A click on the track jumps there.
    r.device.clearLog();
    QTest::mouseClick(r.window.Pasek_Tlo, Qt::LeftButton, {}, QPoint(17, 3));
    EXPECT_EQ(r.device.log(), (QStringList{"stop", "seek 1700", "play"}));
    EXPECT_EQ(r.window.Suwak->x(), 118 + 17);

    QTest::mouseClick(r.window.btnStop, Qt::LeftButton);
    EXPECT_FALSE(r.window.player().playing());
    EXPECT_EQ(r.window.Suwak->x(), 118);
    EXPECT_EQ(r.window.Pasek->width(), 0);

    QTest::mouseClick(r.window.btnClose, Qt::LeftButton);
    EXPECT_FALSE(r.window.isVisible());
}

TEST(TfrmMediaR, PressAndHoldOnARecordButton)
{
    WindowRig r;
    r.inst.uiTexts.append(59, "Uwaga");
    r.inst.uiTexts.append(130, "Przytrzymaj przycisk nagrywania.");
    TLumResButton btnRec;
    const QString path = r.file("usr_slowkaRec.wav");
    QFile::remove(path);
    int shownPlayBack = 0;
    HoldToRecord hold(r.clock, r.window.recorder(), r.messages, r.inst, [&] { return path; },
                      {{}, [&] { ++shownPlayBack; }});
    AttachHoldToRecord(&btnRec, hold);

    QTest::mouseClick(&btnRec, Qt::LeftButton);
    ASSERT_EQ(r.messages.shown.size(), 1);
    EXPECT_EQ(r.messages.shown[0].text, "Przytrzymaj przycisk nagrywania.");
    EXPECT_FALSE(QFile::exists(path));

    QTest::mousePress(&btnRec, Qt::LeftButton);
    r.clock.advance(750 + 400);
    EXPECT_TRUE(hold.recording());
    QTest::mouseRelease(&btnRec, Qt::LeftButton);
    EXPECT_EQ(shownPlayBack, 1);
    const auto pcm = WavPcm::parse(testsupport::readAll(path));
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->durationMs(), 400);
    EXPECT_EQ(pcm->channels, 2);
    EXPECT_EQ(pcm->sampleRate, 44100);
}

TEST(MediaButtonUi, TheButtonTakesPictureCaptionAndTag)
{
    QTemporaryDir dir;
    ContextRig c;
    c.inst.appDir = dir.path();
    c.inst.cdDir = dir.path() + "/";
    c.inst.uiTexts.append(42, "Posłuchaj");
    c.inst.uiTexts.append(4, "Obejrzyj");
    QDir().mkpath(dir.path() + "/Media/Teksty");
    QDir().mkpath(dir.path() + "/Media/Zdania");
    testsupport::writeAll(dir.path() + "/Media/Teksty/lekcja.mpg", "x");
    testsupport::writeAll(dir.path() + "/Media/Zdania/z.mp3", "x");
    const MediaButtonPictures pictures{solid(Qt::green), solid(Qt::red)};

    TLumResButton btnMedia;
    btnMedia.setCaption("przed");
    ResolveTextMedia(btnMedia, "lekcja.wmv", pictures, c.inst);
    EXPECT_FALSE(btnMedia.isHidden());
    EXPECT_EQ(btnMedia.Tag(), 1);
    EXPECT_EQ(btnMedia.Caption(), "Obejrzyj");
    EXPECT_EQ(btnMedia.Glyph(), pictures.video);

    // An .mp3 sentence recording keeps what the button showed.
    ResolveSentenceMedia(btnMedia, "z.mp3", pictures, c.inst);
    EXPECT_FALSE(btnMedia.isHidden());
    EXPECT_EQ(btnMedia.Tag(), 1);
    EXPECT_EQ(btnMedia.Caption(), "Obejrzyj");

    ResolveTextMedia(btnMedia, "brak.wav", pictures, c.inst);
    EXPECT_TRUE(btnMedia.isHidden());
}
