#pragma once

#include "IAudioInput.h"

#include <QString>

// An audio input fed from a sound file instead of a microphone: for tests and
// for recognizing a recording from the command line. start() reads the file and
// converts it to the requested rate; read() then hands out the sound in slices
// as long as the wait asked for (no real waiting), optionally after a lead-in of
// silence as a microphone would record before the speaker begins, and ends at
// the end of the file.
class FileAudioInput final : public IAudioInput {
public:
    explicit FileAudioInput(QString path, int leadInMs = 0);

    Status start(int sampleRate) override;
    bool read(std::vector<int16_t>& out, int timeoutMs) override;
    void stop() override;
    std::optional<Failure> error() const override { return m_error; }

private:
    QString m_path;
    int m_leadInMs;
    int m_rate = 0;
    std::vector<int16_t> m_sound;
    size_t m_pos = 0;
    bool m_started = false;
    std::optional<Failure> m_error;
};
