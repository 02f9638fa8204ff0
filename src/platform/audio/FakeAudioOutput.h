#pragma once

#include "IAudioOutput.h"

#include <QList>

// An audio output that plays nothing and records what it was asked to play.
// A sound "plays" from a successful start until the next one, stop() or
// finish(). Like the real output it refuses bytes that are not a WAVE file
// (and, for playFile, an MP3 file).
class FakeAudioOutput final : public IAudioOutput {
public:
    struct Played {
        QByteArray wav; // the bytes played (read from the file for playFile, MP3 included)
        QString file;   // the file played, empty for playWav
    };

    bool playWav(const QByteArray& wav) override;
    bool playFile(const QString& path) override;
    void stop() override;
    bool isPlaying() const override { return m_playing; }

    // The sound playing comes to its end by itself.
    void finish() { m_playing = false; }
    // Without a device every start fails, as with no sound server.
    void setDeviceAvailable(bool available) { m_available = available; }

    const QList<Played>& played() const { return m_played; }
    // How many times a playing sound was cut short (by stop() or a new sound).
    int interruptions() const { return m_interruptions; }

private:
    bool start(const QByteArray& wav, const QString& file);
    bool record(const QByteArray& bytes, const QString& file);

    QList<Played> m_played;
    bool m_playing = false;
    bool m_available = true;
    int m_interruptions = 0;
};
