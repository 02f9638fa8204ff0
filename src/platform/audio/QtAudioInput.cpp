#include "QtAudioInput.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>

QtAudioInput::QtAudioInput() = default;

QtAudioInput::~QtAudioInput()
{
    stop();
}

Status QtAudioInput::start(int sampleRate)
{
    stop();
    m_error.reset();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        m_error = Failure::error(QStringLiteral("Nie znaleziono mikrofonu. Podłącz mikrofon i spróbuj ponownie."));
        return *m_error;
    }
    QAudioFormat wanted;
    wanted.setSampleRate(sampleRate);
    wanted.setChannelCount(1);
    wanted.setSampleFormat(QAudioFormat::Int16);
    m_format = device.isFormatSupported(wanted) ? wanted : device.preferredFormat();
    m_rate = sampleRate;
    m_phase = 0.0;
    m_previous = 0.0;
    m_partial.clear();

    m_source = std::make_unique<QAudioSource>(device, m_format);
    m_io = m_source->start();
    if (!m_io || !checkSource()) {
        if (!m_error)
            m_error = Failure::error(QStringLiteral("Nie można rozpocząć nagrywania z mikrofonu."));
        m_source.reset();
        m_io = nullptr;
        return *m_error;
    }
    return {};
}

bool QtAudioInput::checkSource()
{
    if (m_source && m_source->error() != QAudio::NoError) {
        const QString why = m_source->error() == QAudio::OpenError ? QStringLiteral("nie można otworzyć mikrofonu")
                            : m_source->error() == QAudio::IOError ? QStringLiteral("błąd odczytu z mikrofonu")
                            : m_source->error() == QAudio::UnderrunError ? QStringLiteral("brak danych z mikrofonu")
                                                                         : QStringLiteral("błąd urządzenia dźwiękowego");
        m_error = Failure::error(QStringLiteral("Nagrywanie nie powiodło się (%1).").arg(why));
        return false;
    }
    return true;
}

bool QtAudioInput::read(std::vector<int16_t>& out, int timeoutMs)
{
    if (!m_io)
        return false;
    if (m_io->bytesAvailable() <= 0 && timeoutMs > 0) {
        QEventLoop loop;
        QObject::connect(m_io, &QIODevice::readyRead, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    convert(m_io->readAll(), out);
    return checkSource();
}

void QtAudioInput::convert(const QByteArray& bytes, std::vector<int16_t>& out)
{
    const int channels = std::max(1, m_format.channelCount());
    const int bytesPerSample = m_format.bytesPerSample();
    if (bytesPerSample <= 0)
        return;
    const int frameBytes = bytesPerSample * channels;
    QByteArray data = m_partial + bytes;
    const qsizetype frames = data.size() / frameBytes;
    m_partial = data.mid(frames * frameBytes);

    auto sampleAt = [&](const char* p) -> double {
        switch (m_format.sampleFormat()) {
        case QAudioFormat::UInt8:
            return (double(static_cast<unsigned char>(*p)) - 128.0) * 256.0;
        case QAudioFormat::Int16:
            return qFromLittleEndian<qint16>(p);
        case QAudioFormat::Int32:
            return qFromLittleEndian<qint32>(p) / 65536.0;
        case QAudioFormat::Float:
            return qFromLittleEndian<float>(p) * 32767.0;
        default:
            return 0.0;
        }
    };
    // Mono at the device rate, then linear interpolation to the requested rate.
    const double step = double(m_format.sampleRate()) / m_rate;
    for (qsizetype f = 0; f < frames; ++f) {
        const char* frame = data.constData() + f * frameBytes;
        double mono = 0.0;
        for (int c = 0; c < channels; ++c)
            mono += sampleAt(frame + c * bytesPerSample);
        mono /= channels;
        if (m_format.sampleRate() == m_rate) {
            out.push_back(int16_t(std::clamp(std::lround(mono), -32768L, 32767L)));
            continue;
        }
        // Output samples that fall between the previous device sample and this one.
        while (m_phase < 1.0) {
            const double v = m_previous + (mono - m_previous) * m_phase;
            out.push_back(int16_t(std::clamp(std::lround(v), -32768L, 32767L)));
            m_phase += step;
        }
        m_phase -= 1.0;
        m_previous = mono;
    }
}

void QtAudioInput::stop()
{
    if (m_source)
        m_source->stop();
    m_source.reset();
    m_io = nullptr;
}
