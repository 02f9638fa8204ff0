#include "FakeAudioOutput.h"

#include "CompressedAudio.h"
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
    const QByteArray bytes = f.readAll();
    if (LooksLikeMpegAudio(bytes)) {
        stop();
        return record(bytes, path);
    }
    return start(bytes, path);
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
    if (!pcm || pcm->frameCount() == 0)
        return false;
    return record(wav, file);
}

bool FakeAudioOutput::record(const QByteArray& bytes, const QString& file)
{
    if (!m_available)
        return false;
    m_played.append({bytes, file});
    m_playing = true;
    return true;
}
