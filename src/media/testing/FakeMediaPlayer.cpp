#include "FakeMediaPlayer.h"

#include "IMediaClock.h"
#include "WinPath.h"

#include <algorithm>

FakeMediaPlayer::FakeMediaPlayer(const IMediaClock& clock) : m_clock(clock)
{
}

void FakeMediaPlayer::settle()
{
    const qint64 now = m_clock.nowMs();
    if (m_mode == DeviceMode::Playing)
        m_position = std::min(m_length, m_position + (now - m_since));
    m_since = now;
    if (m_mode == DeviceMode::Playing && m_position >= m_length)
        m_mode = DeviceMode::Stopped;
}

Status FakeMediaPlayer::open(const QString& path)
{
    const QString name = WinFileName(path);
    m_log << QStringLiteral("open ") + name;
    close();
    m_log.removeLast(); // the close inside open is not a call of its own
    if (m_refused.contains(name))
        return Failure::error(m_refused.value(name), path);
    m_file = path;
    m_length = m_lengths.value(name, m_defaultLength);
    m_position = 0;
    m_since = m_clock.nowMs();
    m_mode = DeviceMode::Stopped;
    return {};
}

void FakeMediaPlayer::close()
{
    m_log << QStringLiteral("close");
    m_mode = DeviceMode::NotOpen;
    m_file.clear();
    m_length = 0;
    m_position = 0;
}

void FakeMediaPlayer::play()
{
    m_log << QStringLiteral("play");
    settle();
    if (m_mode == DeviceMode::NotOpen)
        return;
    if (m_position >= m_length)
        m_position = 0;
    m_mode = DeviceMode::Playing;
}

void FakeMediaPlayer::pause()
{
    m_log << QStringLiteral("pause");
    settle();
    if (m_mode == DeviceMode::Playing)
        m_mode = DeviceMode::Paused;
}

void FakeMediaPlayer::resume()
{
    m_log << QStringLiteral("resume");
    settle();
    if (m_mode == DeviceMode::Paused)
        m_mode = DeviceMode::Playing;
}

void FakeMediaPlayer::stop()
{
    m_log << QStringLiteral("stop");
    settle();
    if (m_mode == DeviceMode::Playing || m_mode == DeviceMode::Paused)
        m_mode = DeviceMode::Stopped;
}

void FakeMediaPlayer::seek(qint64 ms)
{
    m_log << QStringLiteral("seek %1").arg(ms);
    settle();
    if (m_mode != DeviceMode::NotOpen)
        m_position = std::clamp<qint64>(ms, 0, m_length);
}

qint64 FakeMediaPlayer::positionMs() const
{
    if (m_mode != DeviceMode::Playing)
        return m_position;
    return std::min(m_length, m_position + (m_clock.nowMs() - m_since));
}

DeviceMode FakeMediaPlayer::mode() const
{
    if (m_mode == DeviceMode::Playing && positionMs() >= m_length)
        return DeviceMode::Stopped;
    return m_mode;
}

bool FakeMediaPlayer::atEnd() const
{
    return m_mode != DeviceMode::NotOpen && m_length > 0 && positionMs() >= m_length;
}

void FakeMediaPlayer::routeVideo(bool on)
{
    m_video = on;
    m_log << (on ? QStringLiteral("video on") : QStringLiteral("video off"));
}

void FakeMediaPlayer::failNow(const QString& text)
{
    settle();
    m_mode = DeviceMode::Stopped;
    if (m_onFailure)
        m_onFailure(Failure::error(text, m_file));
}
