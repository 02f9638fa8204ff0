#include "SpeechEndpointer.h"

#include <algorithm>
#include <cmath>

SpeechEndpointer::SpeechEndpointer(const EndpointerSettings& settings)
    : m_s(settings), m_frameSamples(size_t(std::max(1, settings.sampleRate / 100))), m_floorDb(settings.loudestFloorDbfs)
{
}

bool SpeechEndpointer::feed(const int16_t* samples, size_t count)
{
    for (size_t i = 0; i < count && !m_finished; ++i) {
        const double v = samples[i];
        m_frameSum += v * v;
        ++m_fed;
        if (++m_inFrame == m_frameSamples) {
            const double meanSquare = m_frameSum / double(m_frameSamples);
            frame(meanSquare > 0 ? 10.0 * std::log10(meanSquare / (32768.0 * 32768.0)) : -120.0);
            m_frameSum = 0.0;
            m_inFrame = 0;
        }
    }
    return !m_finished;
}

void SpeechEndpointer::frame(double energyDb)
{
    const long f = m_frameIndex++;
    const long msPerFrame = 10;

    if (m_speechStart < 0) {
        // Background: the quietest smoothed level so far, within sensible bounds.
        m_smoothed[f % 3] = energyDb;
        if (f >= 2) {
            const double mean = (m_smoothed[0] + m_smoothed[1] + m_smoothed[2]) / 3.0;
            m_floorDb = std::min(m_floorDb, std::max(mean, m_s.quietestFloorDbfs));
        }
        if (energyDb > m_floorDb + m_s.startAboveFloorDb) {
            if (++m_loudRun >= m_s.startFrames)
                m_speechStart = f - m_loudRun + 1;
        } else {
            m_loudRun = 0;
        }
        if (m_speechStart < 0 && (f + 1) * msPerFrame >= m_s.noSpeechTimeoutMs)
            m_finished = true;
        return;
    }

    if (m_speechEnd < 0) {
        if (energyDb < m_floorDb + m_s.endAboveFloorDb) {
            if (m_quietStart < 0)
                m_quietStart = f;
            if ((f + 1 - m_quietStart) * msPerFrame >= m_s.endSilenceMs)
                m_speechEnd = m_quietStart;
        } else {
            m_quietStart = -1;
        }
        if (m_speechEnd < 0 && (f + 1 - m_speechStart) * msPerFrame >= m_s.maxSpeechMs) {
            m_speechEnd = f + 1;
            m_finished = true;
            return;
        }
    }
    if (m_speechEnd >= 0 && (f + 1 - m_speechEnd) * msPerFrame >= m_s.postRollMs)
        m_finished = true;
}

void SpeechEndpointer::finish()
{
    if (m_speechStart >= 0 && m_speechEnd < 0)
        m_speechEnd = m_quietStart >= 0 ? m_quietStart : m_frameIndex;
    m_finished = true;
}

size_t SpeechEndpointer::utteranceBegin() const
{
    if (m_speechStart < 0)
        return 0;
    const long begin = (m_speechStart * 10 - m_s.preRollMs) * long(m_frameSamples) / 10;
    return size_t(std::max(0L, begin));
}

size_t SpeechEndpointer::utteranceEnd() const
{
    if (m_speechStart < 0)
        return 0;
    const long endFrame = m_speechEnd >= 0 ? m_speechEnd : m_frameIndex;
    const long end = (endFrame * 10 + m_s.postRollMs) * long(m_frameSamples) / 10;
    return std::min(size_t(std::max(0L, end)), m_fed);
}
