#include "QtAudioOutput.h"

#include "WavPcm.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>

namespace {

QAudioFormat::SampleFormat sampleFormat(WavPcm::Format f)
{
    switch (f) {
    case WavPcm::Format::UInt8: return QAudioFormat::UInt8;
    case WavPcm::Format::Int16: return QAudioFormat::Int16;
    case WavPcm::Format::Int32: return QAudioFormat::Int32;
    case WavPcm::Format::Float: return QAudioFormat::Float;
    }
    return QAudioFormat::Int16;
}

// The samples as 16-bit integers, which every device takes.
WavPcm toInt16(const WavPcm& in)
{
    WavPcm out = in;
    out.format = WavPcm::Format::Int16;
    const qint64 n = in.frameCount() * in.channels;
    out.samples.resize(n * 2);
    auto* dst = reinterpret_cast<qint16*>(out.samples.data());
    const char* src = in.samples.constData();
    for (qint64 i = 0; i < n; ++i) {
        switch (in.format) {
        case WavPcm::Format::UInt8: dst[i] = qint16((int(quint8(src[i])) - 128) << 8); break;
        case WavPcm::Format::Int16: dst[i] = reinterpret_cast<const qint16*>(src)[i]; break;
        case WavPcm::Format::Int32: dst[i] = qint16(reinterpret_cast<const qint32*>(src)[i] >> 16); break;
        case WavPcm::Format::Float: {
            const float v = qBound(-1.0f, reinterpret_cast<const float*>(src)[i], 1.0f);
            dst[i] = qint16(v * 32767.0f);
            break;
        }
        }
    }
    return out;
}

QAudioFormat formatOf(const WavPcm& pcm)
{
    QAudioFormat f;
    f.setSampleRate(pcm.sampleRate);
    f.setChannelCount(pcm.channels);
    f.setSampleFormat(sampleFormat(pcm.format));
    return f;
}

} // namespace

QtAudioOutput::QtAudioOutput(QObject* parent) : QObject(parent) {}

QtAudioOutput::~QtAudioOutput()
{
    stop();
}

bool QtAudioOutput::playWav(const QByteArray& wav)
{
    stop();
    auto pcm = WavPcm::parse(wav);
    if (!pcm || pcm->frameCount() == 0)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    if (!device.isFormatSupported(formatOf(*pcm)))
        pcm = toInt16(*pcm);

    m_buffer.setData(pcm->samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, formatOf(*pcm));
    m_durationUs = pcm->frameCount() * 1000000 / pcm->sampleRate;
    // When the buffer is used up the sink goes idle and is left open: stopping
    // it would cut what the server still holds. The next sound or stop()
    // closes it.
    m_sink->start(&m_buffer);
    // A sink that cannot open its stream emits nothing: ask it.
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        stop();
        return false;
    }
    return true;
}

bool QtAudioOutput::playFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        stop();
        return false;
    }
    return playWav(f.readAll());
}

bool QtAudioOutput::isPlaying() const
{
    if (!m_sink)
        return false;
    switch (m_sink->state()) {
    case QAudio::ActiveState: return true;
    case QAudio::IdleState: return m_sink->processedUSecs() < m_durationUs - 10000; // 10 ms of rounding
    default: return false;
    }
}

void QtAudioOutput::stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}
