#pragma once

#include "IAudioInput.h"

#include <functional>

class IMediaClock;

// A microphone that follows a clock: each read() hands out the samples of the
// time passed since the previous one, made by `signal` (sample index → value;
// a 440 Hz tone at 8000 by default). It can refuse to start, fail after some
// time of recording, or stay silent (deliver nothing), as real devices do.
class ClockedAudioInput final : public IAudioInput {
public:
    explicit ClockedAudioInput(const IMediaClock& clock);

    void setSignal(std::function<int16_t(qint64 index, int rate)> signal) { m_signal = std::move(signal); }
    void refuseToStart(const QString& text) { m_refusal = text; }
    void failAfter(qint64 ms, const QString& text)
    {
        m_failAfterMs = ms;
        m_failText = text;
    }
    void deliverNothing(bool on) { m_silentDevice = on; }

    Status start(int sampleRate) override;
    bool read(std::vector<int16_t>& out, int timeoutMs) override;
    void stop() override { m_started = false; }
    std::optional<Failure> error() const override { return m_error; }

    bool started() const { return m_started; }
    int startCount() const { return m_starts; }

private:
    const IMediaClock& m_clock;
    std::function<int16_t(qint64, int)> m_signal;
    QString m_refusal;
    qint64 m_failAfterMs = -1;
    QString m_failText;
    bool m_silentDevice = false;

    bool m_started = false;
    int m_starts = 0;
    int m_rate = 0;
    qint64 m_startMs = 0;
    qint64 m_delivered = 0; // samples handed out since start
    std::optional<Failure> m_error;
};
