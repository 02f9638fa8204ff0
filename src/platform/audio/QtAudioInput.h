#pragma once

#include "IAudioInput.h"

#include <QAudioFormat>

#include <memory>

class QAudioSource;
class QIODevice;

// The default microphone through Qt Multimedia (QAudioSource in pull mode).
// read() runs a local event loop while it waits, since the source delivers its
// data through the event loop. When the device cannot record mono 16-bit sound
// at the requested rate it records in its preferred format and converts.
// A source that fails emits no signal: its error() is checked after start() and
// after every read.
class QtAudioInput final : public IAudioInput {
public:
    QtAudioInput();
    ~QtAudioInput() override;

    Status start(int sampleRate) override;
    bool read(std::vector<int16_t>& out, int timeoutMs) override;
    void stop() override;
    std::optional<Failure> error() const override { return m_error; }

private:
    void convert(const QByteArray& bytes, std::vector<int16_t>& out);
    bool checkSource();

    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_io = nullptr; // owned by m_source
    QAudioFormat m_format;
    int m_rate = 0;
    double m_phase = 0.0;      // position of the next output sample between two device samples
    double m_previous = 0.0;   // last device sample, for the linear conversion
    QByteArray m_partial;      // bytes of an incomplete device frame
    std::optional<Failure> m_error;
};
