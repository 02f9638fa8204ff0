#include "QtMediaPlayer.h"

#include "WinPath.h"

#include <QUrl>

QtMediaPlayer::QtMediaPlayer(QObject* videoOutput, QObject* parent) : QObject(parent), m_videoOutput(videoOutput)
{
    m_player.setAudioOutput(&m_audio);
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this, &QtMediaPlayer::statusChanged);
    connect(&m_player, &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::errorOccurred);
}

QtMediaPlayer::~QtMediaPlayer()
{
    m_onFailure = nullptr;
    m_player.stop();
}

Failure QtMediaPlayer::failureFor(const QString& text) const
{
    const QString why = text.isEmpty() ? QStringLiteral("nieznany błąd urządzenia") : text;
    return Failure::error(QStringLiteral("Nie można odtworzyć pliku %1 (%2).").arg(WinFileName(m_path), why), m_path);
}

Status QtMediaPlayer::open(const QString& path)
{
    close();
    m_path = path;
    m_ended = false;
    m_reported = false;
    m_openFailure.reset();
    m_opening = true;
    m_player.setSource(QUrl::fromLocalFile(path));
    m_opening = false;
    if (!m_openFailure && m_player.error() != QMediaPlayer::NoError)
        m_openFailure = failureFor(m_player.errorString());
    if (m_openFailure) {
        m_player.setSource(QUrl());
        return *m_openFailure;
    }
    m_mode = DeviceMode::Stopped;
    return {};
}

void QtMediaPlayer::close()
{
    m_player.stop();
    if (!m_player.source().isEmpty())
        m_player.setSource(QUrl());
    m_mode = DeviceMode::NotOpen;
    m_ended = false;
}

void QtMediaPlayer::play()
{
    if (m_mode == DeviceMode::NotOpen)
        return;
    if (m_ended) {
        m_player.setPosition(0);
        m_ended = false;
    }
    m_player.play();
    m_mode = DeviceMode::Playing;
}

void QtMediaPlayer::pause()
{
    if (m_mode != DeviceMode::Playing)
        return;
    m_player.pause();
    m_mode = DeviceMode::Paused;
}

void QtMediaPlayer::resume()
{
    if (m_mode != DeviceMode::Paused)
        return;
    m_player.play();
    m_mode = DeviceMode::Playing;
}

void QtMediaPlayer::stop()
{
    if (m_mode != DeviceMode::Playing && m_mode != DeviceMode::Paused)
        return;
    m_player.pause(); // keeps the position and the loaded pipeline
    m_mode = DeviceMode::Stopped;
}

void QtMediaPlayer::seek(qint64 ms)
{
    if (m_mode == DeviceMode::NotOpen)
        return;
    m_ended = false;
    m_player.setPosition(ms);
}

qint64 QtMediaPlayer::positionMs() const
{
    return m_ended ? m_player.duration() : m_player.position();
}

qint64 QtMediaPlayer::lengthMs() const
{
    return m_mode == DeviceMode::NotOpen ? 0 : m_player.duration();
}

void QtMediaPlayer::routeVideo(bool on)
{
    m_player.setVideoOutput(on ? m_videoOutput.data() : nullptr);
}

void QtMediaPlayer::statusChanged(QMediaPlayer::MediaStatus status)
{
    if (status == QMediaPlayer::EndOfMedia && m_mode != DeviceMode::NotOpen) {
        m_ended = true;
        m_mode = DeviceMode::Stopped;
    }
}

void QtMediaPlayer::errorOccurred(QMediaPlayer::Error error, const QString& text)
{
    if (error == QMediaPlayer::NoError)
        return;
    if (m_opening) {
        m_openFailure = failureFor(text);
        return;
    }
    // One report per file: GStreamer often follows its first error with more.
    if (m_mode == DeviceMode::NotOpen || m_reported)
        return;
    m_reported = true;
    m_mode = DeviceMode::Stopped;
    if (m_onFailure)
        m_onFailure(failureFor(text));
}
