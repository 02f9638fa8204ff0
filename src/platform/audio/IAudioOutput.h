#pragma once

#include <QByteArray>
#include <QString>

// Sound output as the program uses it: one sound at a time, started without
// waiting. Starting a sound stops the one playing, as the system's PlaySound
// does. Implementations: QtAudioOutput (the sound card through Qt Multimedia)
// and FakeAudioOutput (records what was played, for tests and headless runs).
class IAudioOutput {
public:
    virtual ~IAudioOutput() = default;

    // Stops the sound playing, then starts `wav` (a complete RIFF WAVE file in
    // memory) and returns at once. Returns false, playing nothing, when the
    // bytes are not a playable WAVE file or no output device can take them.
    virtual bool playWav(const QByteArray& wav) = 0;

    // The same for a file on disk: a WAVE file, or an MP3 (the handbook's
    // sound links), which is decoded before it is heard. False also when the
    // file cannot be read or is neither.
    virtual bool playFile(const QString& path) = 0;

    // Stops the sound playing, if any.
    virtual void stop() = 0;

    // True from a successful start until the sound ends or is stopped.
    virtual bool isPlaying() const = 0;
};
