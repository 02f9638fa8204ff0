#pragma once

#include "IMediaPlayer.h"

#include <QHash>
#include <QStringList>

class IMediaClock;

// A media device whose position follows a clock (a TestClock in tests): a
// playing file advances with the clock and stops by itself at its length.
// Every call is logged ("open a.wav", "play", "stop", "seek 12000", "pause",
// "resume", "close", "video on" / "video off"; files by their name only).
class FakeMediaPlayer final : public IMediaPlayer {
public:
    explicit FakeMediaPlayer(const IMediaClock& clock);

    // Length of the files with this name (default 1000 ms).
    void setLength(const QString& fileName, qint64 ms) { m_lengths[fileName] = ms; }
    void setDefaultLength(qint64 ms) { m_defaultLength = ms; }
    // open() of a file with this name fails with `text`.
    void refuseToOpen(const QString& fileName, const QString& text) { m_refused[fileName] = text; }
    // The open file turns out unplayable now: the device stops and reports it.
    void failNow(const QString& text);

    Status open(const QString& path) override;
    void close() override;
    void play() override;
    void pause() override;
    void resume() override;
    void stop() override;
    void seek(qint64 ms) override;
    qint64 positionMs() const override;
    qint64 lengthMs() const override { return m_mode == DeviceMode::NotOpen ? 0 : m_length; }
    DeviceMode mode() const override;
    bool atEnd() const override;
    void routeVideo(bool on) override;
    void setFailureHandler(std::function<void(const Failure&)> handler) override { m_onFailure = std::move(handler); }

    const QStringList& log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    QString openFile() const { return m_file; }
    bool videoRouted() const { return m_video; }

private:
    void settle(); // folds the time played into the position

    const IMediaClock& m_clock;
    QHash<QString, qint64> m_lengths;
    QHash<QString, QString> m_refused;
    qint64 m_defaultLength = 1000;
    std::function<void(const Failure&)> m_onFailure;

    DeviceMode m_mode = DeviceMode::NotOpen;
    QString m_file;
    qint64 m_length = 0;
    qint64 m_position = 0;  // at m_since
    qint64 m_since = 0;     // clock time the position was last settled
    bool m_video = false;
    QStringList m_log;
};
