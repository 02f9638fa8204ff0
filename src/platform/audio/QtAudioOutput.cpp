#include "QtAudioOutput.h"

#include "CompressedAudio.h"
#include "WavPcm.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QFile>
#include <QMediaDevices>
#include <QUrl>

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
    const QByteArray bytes = f.readAll();
    if (LooksLikeMpegAudio(bytes))
        return playCompressed(path);
    return playWav(bytes);
}

bool QtAudioOutput::playCompressed(const QString& path)
{
    stop();
    if (QMediaDevices::defaultAudioOutput().isNull())
        return false;
    m_decoder = new QAudioDecoder(this);
    m_decoded.clear();
    m_decodedFormat = QAudioFormat();
    QAudioDecoder* decoder = m_decoder;
    connect(decoder, &QAudioDecoder::bufferReady, this, [this, decoder] {
        if (decoder != m_decoder)
            return;
        const QAudioBuffer buffer = decoder->read();
        if (!buffer.isValid())
            return;
        m_decodedFormat = buffer.format();
        m_decoded.append(buffer.constData<char>(), buffer.byteCount());
    });
    connect(decoder, &QAudioDecoder::finished, this, [this, decoder] {
        if (decoder == m_decoder)
            playDecoded();
    });
    connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this, [this, decoder] {
        if (decoder == m_decoder)
            dropDecoder();
    });
    decoder->setSource(QUrl::fromLocalFile(path));
    decoder->start();
    return true;
}

void QtAudioOutput::playDecoded()
{
    WavPcm pcm;
    pcm.sampleRate = m_decodedFormat.sampleRate();
    pcm.channels = m_decodedFormat.channelCount();
    switch (m_decodedFormat.sampleFormat()) {
    case QAudioFormat::UInt8: pcm.format = WavPcm::Format::UInt8; break;
    case QAudioFormat::Int32: pcm.format = WavPcm::Format::Int32; break;
    case QAudioFormat::Float: pcm.format = WavPcm::Format::Float; break;
    default: pcm.format = WavPcm::Format::Int16; break;
    }
    pcm.samples = m_decoded;
    dropDecoder();
    if (pcm.sampleRate > 0 && pcm.channels > 0 && pcm.frameCount() > 0)
        playWav(pcm.toWav());
}

void QtAudioOutput::dropDecoder()
{
    if (!m_decoder)
        return;
    QAudioDecoder* decoder = m_decoder;
    m_decoder = nullptr;
    decoder->stop();
    decoder->deleteLater(); // it may be the sender of the signal being handled
    m_decoded.clear();
}

bool QtAudioOutput::isPlaying() const
{
    if (m_decoder)
        return true;
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
    dropDecoder();
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}
