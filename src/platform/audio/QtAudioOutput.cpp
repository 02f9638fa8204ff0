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
    // The sink goes idle when the buffer is used up: the sound has ended. It
    // is left open (stopping it could cut what the server still holds) and
    // closed by the next sound or stop().
    connect(m_sink.get(), &QAudioSink::stateChanged, this, [this](QAudio::State s) {
        if (s == QAudio::IdleState || s == QAudio::StoppedState)
            m_playing = false;
    });
    m_sink->start(&m_buffer);
    // A sink that cannot open its stream emits nothing: ask it.
    if (m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
        stop();
        return false;
    }
    m_playing = true;
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

void QtAudioOutput::stop()
{
    m_playing = false;
    if (m_sink) {
        m_sink->disconnect(this);
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}
