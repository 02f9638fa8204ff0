#include "SharedPlayer.h"

#include "IMessageService.h"
#include "PlayerGeometry.h"
#include "WinPath.h"

#include <QFileInfo>

SharedPlayer::SharedPlayer(IMediaPlayer& device, IMediaClock& clock, IMessageService& messages, IPlayerWindow& window)
    : m_device(device), m_messages(messages), m_window(window),
      m_timer(clock.createTimer(TickMs, false, [this] { ProgressTick(); })),
      m_sliderLeft(PlayerTrack::Left)
{
    m_device.setFailureHandler([this](const Failure& f) { deviceFailed(f); });
}

SharedPlayer::~SharedPlayer()
{
    m_device.setFailureHandler({});
}

void SharedPlayer::PlayFile(const QString& path, bool showWindow)
{
    if (m_playing)
        StopPlayback();
    if (!showWindow && WinFileName(path).endsWith(QLatin1String(".wmv")))
        showWindow = true;
    m_showWindow = showWindow;
    startFile(path);
}

void SharedPlayer::EnqueueFile(const QString& path)
{
    m_queue.append(path);
}

void SharedPlayer::ClearQueue()
{
    m_queue.clear();
}

void SharedPlayer::PlayQueue(bool showWindow)
{
    m_showWindow = showWindow;
    if (m_queue.isEmpty())
        return;
    startFile(m_queue.takeFirst());
}

bool SharedPlayer::checkFile(const QString& path)
{
    const QString resolved = ResolveWinPath(path);
    if (!QFileInfo(resolved).isFile()) {
        m_messages.showFailure(Failure{QStringLiteral("Brak pliku dźwiękowego: ") + WinFileName(path),
                                       QStringLiteral("Blad"), MessageIcon::Error, path});
        return false;
    }
    if (const auto mode = PlaybackModeForFile(path))
        m_mode = *mode;
    return true;
}

bool SharedPlayer::startFile(const QString& path)
{
    if (m_playing)
        StopPlayback();
    if (!checkFile(path))
        return false;
    m_window.LayoutForMode(m_mode, m_marks);
    m_current = ResolveWinPath(path);
    ResumeOrPlay();
    if (m_showWindow)
        m_window.ShowPlayer();
    return m_playing;
}

void SharedPlayer::ResumeOrPlay()
{
    if (m_device.mode() == DeviceMode::Paused) {
        m_device.resume();
    } else {
        if (m_current.isEmpty())
            return;
        const Status opened = m_device.open(m_current);
        if (!opened) {
            m_messages.showFailure(opened.failure());
            return;
        }
        m_device.routeVideo(m_mode == PlaybackMode::Video);
        m_device.play();
    }
    m_playing = true;
    m_timer->start();
}

void SharedPlayer::StopPlayback()
{
    if (!m_playing)
        return;
    m_playing = false;
    m_timer->stop();
    m_device.stop();
    m_device.seek(0);
    showProgress(PlayerTrack::Left, 0);
}

void SharedPlayer::TogglePause()
{
    switch (m_device.mode()) {
    case DeviceMode::Playing:
        m_device.pause();
        break;
    case DeviceMode::Paused:
        m_device.resume();
        break;
    default:
        break;
    }
}

void SharedPlayer::ClosePlayer()
{
    OnQueueDone = nullptr;
    StopPlayback();
    if (m_device.mode() != DeviceMode::NotOpen)
        m_device.close();
    m_marks = {};
    // Left filled, the rest of a stopped dialogue would play after the next
    // file started from another window.
    m_queue.clear();
    m_window.HidePlayer();
}

void SharedPlayer::SetRecordingMarks(const QString& marks)
{
    m_marks = ParseRecordingMarks(marks);
}

void SharedPlayer::ChooseMark(int k)
{
    if (k < 1 || k > m_marks.count() || m_device.mode() == DeviceMode::NotOpen)
        return;
    seekAndPlay(qint64(m_marks.seconds[k - 1]) * 1000);
    m_timer->start();
    m_playing = true;
}

void SharedPlayer::seekAndPlay(qint64 ms)
{
    m_device.stop();
    m_device.seek(ms);
    m_device.play();
}

void SharedPlayer::BeginSliderDrag()
{
    if (m_playing)
        m_timer->stop();
}

void SharedPlayer::EndSliderDrag(int sliderLeft)
{
    const int left = ClampSliderLeft(sliderLeft);
    showProgress(left, BarWidthFor(left));
    if (!m_playing)
        return;
    seekAndPlay(SeekTargetFor(left, m_device.lengthMs()));
    m_timer->start();
}

void SharedPlayer::ClickTrack(int x)
{
    const int left = ClampSliderLeft(PlayerTrack::Left + x);
    showProgress(left, BarWidthFor(left));
    if (m_playing)
        seekAndPlay(SeekTargetFor(left, m_device.lengthMs()));
}

void SharedPlayer::ProgressTick()
{
    if (!m_playing)
        return;
    const qint64 p = m_device.positionMs();
    const qint64 n = m_device.lengthMs();
    if (n > 0) {
        const int left = SliderLeftFor(p, n);
        showProgress(left, BarWidthFor(left));
    }
    // A device that stopped by itself has ended too (some report no length
    // for a file they could not finish).
    const DeviceMode mode = m_device.mode();
    const bool ended = m_device.atEnd() || (n > 0 && p >= n) || mode == DeviceMode::Stopped
                       || mode == DeviceMode::NotOpen;
    if (!ended)
        return;
    StopPlayback();
    if (m_queue.isEmpty()) {
        if (OnQueueDone) {
            const auto done = OnQueueDone; // the handler may replace itself
            done();
        }
        return;
    }
    startFile(m_queue.takeFirst());
}

void SharedPlayer::showProgress(int sliderLeft, int barWidth)
{
    m_sliderLeft = sliderLeft;
    m_barWidth = barWidth;
    m_window.ShowProgress(sliderLeft, barWidth);
}

void SharedPlayer::deviceFailed(const Failure& failure)
{
    StopPlayback();
    m_messages.showFailure(failure);
}
