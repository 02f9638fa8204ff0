#include "ClockedAudioInput.h"

#include "IMediaClock.h"

#include <cmath>

ClockedAudioInput::ClockedAudioInput(const IMediaClock& clock) : m_clock(clock)
{
    m_signal = [](qint64 i, int rate) {
        return int16_t(std::lround(8000 * std::sin(2 * M_PI * 440.0 * double(i) / rate)));
    };
}

Status ClockedAudioInput::start(int sampleRate)
{
    ++m_starts;
    m_error.reset();
    if (!m_refusal.isEmpty()) {
        m_error = Failure::error(m_refusal);
        return *m_error;
    }
    m_started = true;
    m_rate = sampleRate;
    m_startMs = m_clock.nowMs();
    m_delivered = 0;
    return {};
}

bool ClockedAudioInput::read(std::vector<int16_t>& out, int)
{
    if (!m_started || m_error)
        return false;
    qint64 elapsed = m_clock.nowMs() - m_startMs;
    const bool failing = m_failAfterMs >= 0 && elapsed >= m_failAfterMs;
    if (failing)
        elapsed = m_failAfterMs;
    const qint64 due = elapsed * m_rate / 1000;
    if (!m_silentDevice) {
        for (qint64 i = m_delivered; i < due; ++i)
            out.push_back(m_signal(i, m_rate));
        m_delivered = std::max(m_delivered, due);
    }
    if (failing) {
        m_error = Failure::error(m_failText);
        return false;
    }
    return true;
}
