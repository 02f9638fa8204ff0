#pragma once

#include "IMediaPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>

#include <optional>

// The media device over QMediaPlayer (GStreamer on Linux: WAVE, MP3, Ogg
// Vorbis, MPEG video). Stopping pauses the pipeline where it is, so a seek
// and play afterwards continue from there, as the player expects. The length
// is known once the file has loaded; until then it is 0. The end of the file
// is latched, so the position then equals the length.
//
// Opening is asynchronous: an error found while setSource() runs is returned by
// open(); one found later (a damaged file, a missing decoder) goes to the
// failure handler, and the device counts as stopped.
class QtMediaPlayer final : public QObject, public IMediaPlayer {
    Q_OBJECT
public:
    // `videoOutput` (a QVideoWidget or a QVideoSink) gets the picture while
    // video is routed; it is not owned.
    explicit QtMediaPlayer(QObject* videoOutput = nullptr, QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    Status open(const QString& path) override;
    void close() override;
    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void seek(qint64 ms) override;
    qint64 positionMs() const override;
    qint64 lengthMs() const override;
    DeviceMode mode() const override { return m_mode; }
    bool atEnd() const override { return m_ended; }
    void routeVideo(bool on) override;
    void setFailureHandler(std::function<void(const Failure&)> handler) override { m_onFailure = std::move(handler); }

private:
    void statusChanged(QMediaPlayer::MediaStatus status);
    void errorOccurred(QMediaPlayer::Error error, const QString& text);
    Failure failureFor(const QString& text) const;

    QMediaPlayer m_player;
    QAudioOutput m_audio;
    QPointer<QObject> m_videoOutput;
    std::function<void(const Failure&)> m_onFailure;
    QString m_path;
    DeviceMode m_mode = DeviceMode::NotOpen;
    bool m_ended = false;
    bool m_opening = false;
    bool m_reported = false; // the open file's failure went to the handler
    std::optional<Failure> m_openFailure;
};
