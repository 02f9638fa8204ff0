#include "FakeAudioOutput.h"

#include "WavPcm.h"

#include <QFile>

bool FakeAudioOutput::playWav(const QByteArray& wav)
{
    return start(wav, {});
}

bool FakeAudioOutput::playFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        stop();
        return false;
    }
    return start(f.readAll(), path);
}

void FakeAudioOutput::stop()
{
    if (m_playing)
        ++m_interruptions;
    m_playing = false;
}

bool FakeAudioOutput::start(const QByteArray& wav, const QString& file)
{
    stop();
    const auto pcm = WavPcm::parse(wav);
    if (!m_available || !pcm || pcm->frameCount() == 0)
        return false;
    m_played.append({wav, file});
    m_playing = true;
    return true;
}
