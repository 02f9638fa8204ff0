#include "FileAudioInput.h"

#include "AudioInputPcm.h"

#include <algorithm>

FileAudioInput::FileAudioInput(QString path, int leadInMs) : m_path(std::move(path)), m_leadInMs(std::max(0, leadInMs))
{
}

Status FileAudioInput::start(int sampleRate)
{
    m_error.reset();
    m_sound.clear();
    m_pos = 0;
    m_started = false;
    if (sampleRate <= 0) {
        m_error = Failure::error(QStringLiteral("Niepoprawna częstotliwość nagrywania: %1 Hz.").arg(sampleRate));
        return *m_error;
    }
    auto sound = readSoundFile(m_path);
    if (!sound.ok()) {
        m_error = sound.failure();
        return *m_error;
    }
    m_rate = sampleRate;
    m_sound.assign(size_t(qint64(m_leadInMs) * sampleRate / 1000), 0);
    const auto converted = resamplePcm16(sound->samples, sound->sampleRate, sampleRate);
    m_sound.insert(m_sound.end(), converted.begin(), converted.end());
    m_started = true;
    return {};
}

bool FileAudioInput::read(std::vector<int16_t>& out, int timeoutMs)
{
    if (!m_started)
        return false;
    const size_t want = size_t(std::max<qint64>(1, qint64(timeoutMs) * m_rate / 1000));
    const size_t n = std::min(want, m_sound.size() - m_pos);
    out.insert(out.end(), m_sound.begin() + qsizetype(m_pos), m_sound.begin() + qsizetype(m_pos + n));
    m_pos += n;
    return m_pos < m_sound.size();
}

void FileAudioInput::stop()
{
    m_started = false;
}
