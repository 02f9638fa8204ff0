#include "MciRecorder.h"

#include "IAudioInput.h"
#include "SafeSave.h"
#include "WavPcm.h"
#include "WinPath.h"

#include <QStringList>
#include <QtEndian>

namespace {

// Words of a command; a text in double quotes is one word, without its quotes.
QStringList commandWords(const QString& command)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (QChar c : command) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
            continue;
        }
        if (!quoted && c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
            continue;
        }
        word += c;
        inWord = true;
    }
    if (inWord)
        words << word;
    return words;
}

bool is(const QString& word, const char* keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// A recording this long that brought no sound at all means a dead microphone.
constexpr qint64 kSilentDeviceMs = 1000;

} // namespace

MciRecorder::MciRecorder(IAudioInput& input, IMediaClock& clock)
    : m_input(input), m_clock(clock), m_poll(clock.createTimer(PollMs, false, [this] { poll(); }))
{
}

MciRecorder::~MciRecorder()
{
    endCapture();
}

MciReply MciRecorder::fail(const QString& text) const
{
    return MciReply{Failure::error(text)};
}

bool MciRecorder::aliasMatches(const QStringList& words) const
{
    return m_open && words.size() >= 2 && words[1].compare(m_alias, Qt::CaseInsensitive) == 0;
}

MciReply MciRecorder::SendString(const QString& command)
{
    const QStringList words = commandWords(command);
    if (words.isEmpty())
        return fail(QStringLiteral("Puste polecenie rejestratora dźwięku."));
    const QString& verb = words[0];
    if (is(verb, "OPEN"))
        return open(words);
    if (!is(verb, "SET") && !is(verb, "RECORD") && !is(verb, "STOP") && !is(verb, "SAVE") && !is(verb, "CLOSE"))
        return fail(QStringLiteral("Nieznane polecenie rejestratora dźwięku: %1").arg(verb));
    if (!aliasMatches(words))
        return fail(QStringLiteral("Nagranie %1 nie jest otwarte.").arg(words.value(1)));
    if (is(verb, "SET"))
        return set(words);
    if (is(verb, "RECORD"))
        return words.size() == 2 ? record() : fail(QStringLiteral("Niepoprawne polecenie: %1").arg(command));
    if (is(verb, "STOP"))
        return stop();
    if (is(verb, "SAVE")) {
        if (words.size() != 3 || words[2].isEmpty())
            return fail(QStringLiteral("Polecenie SAVE nie podaje pliku: %1").arg(command));
        return save(words[2]);
    }
    return close();
}

MciReply MciRecorder::open(const QStringList& words)
{
    // OPEN NEW TYPE WAVEAUDIO ALIAS <alias>
    if (words.size() != 6 || !is(words[1], "NEW") || !is(words[2], "TYPE") || !is(words[3], "WAVEAUDIO")
        || !is(words[4], "ALIAS"))
        return fail(QStringLiteral("Niepoprawne polecenie: %1").arg(words.join(u' ')));
    if (m_open)
        return fail(QStringLiteral("Nagranie %1 jest już otwarte.").arg(m_alias));
    m_open = true;
    m_alias = words[5];
    m_bits = 8;
    m_channels = 1;
    m_rate = 11025;
    m_samples.clear();
    m_deviceFailure.reset();
    m_recordedMs = 0;
    return {};
}

MciReply MciRecorder::set(const QStringList& words)
{
    if (m_recording)
        return fail(QStringLiteral("Nie można zmienić formatu w trakcie nagrywania."));
    int bits = m_bits, channels = m_channels, rate = m_rate;
    int bytesPerSec = -1, alignment = -1;
    for (qsizetype i = 2; i < words.size(); ++i) {
        const QString& key = words[i];
        if (is(key, "TIME") && i + 2 < words.size() && is(words[i + 1], "FORMAT")
            && (is(words[i + 2], "MS") || is(words[i + 2], "MILLISECONDS"))) {
            i += 2;
            continue;
        }
        bool ok = false;
        const int value = i + 1 < words.size() ? words[i + 1].toInt(&ok) : 0;
        if (!ok)
            return fail(QStringLiteral("Niepoprawna wartość w poleceniu SET: %1").arg(key));
        if (is(key, "BITSPERSAMPLE"))
            bits = value;
        else if (is(key, "CHANNELS"))
            channels = value;
        else if (is(key, "SAMPLESPERSEC"))
            rate = value;
        else if (is(key, "BYTESPERSEC"))
            bytesPerSec = value;
        else if (is(key, "ALIGNMENT"))
            alignment = value;
        else
            return fail(QStringLiteral("Nieznany parametr polecenia SET: %1").arg(key));
        ++i;
    }
    const int align = channels * bits / 8;
    if ((bits != 8 && bits != 16) || (channels != 1 && channels != 2) || rate < 8000 || rate > 96000
        || (alignment >= 0 && alignment != align) || (bytesPerSec >= 0 && bytesPerSec != rate * align))
        return fail(QStringLiteral("Nieobsługiwany format nagrania: %1 bitów, %2 kanały, %3 Hz.")
                        .arg(bits)
                        .arg(channels)
                        .arg(rate));
    m_bits = bits;
    m_channels = channels;
    m_rate = rate;
    return {};
}

MciReply MciRecorder::record()
{
    if (m_recording)
        return {};
    const Status started = m_input.start(m_rate);
    if (!started) {
        m_deviceFailure = started.failure();
        return MciReply{started.failure()};
    }
    m_recording = true;
    m_recordStartMs = m_clock.nowMs();
    m_poll->start();
    return {};
}

void MciRecorder::poll()
{
    if (!m_recording || m_deviceFailure)
        return;
    if (m_input.read(m_samples, 0))
        return;
    // The input ended (a file input) or failed: nothing more comes.
    if (const auto error = m_input.error())
        m_deviceFailure = *error;
    m_poll->stop();
}

void MciRecorder::endCapture()
{
    if (!m_recording)
        return;
    poll(); // what the input still holds
    m_poll->stop();
    m_input.stop();
    m_recording = false;
    m_recordedMs += m_clock.nowMs() - m_recordStartMs;
}

MciReply MciRecorder::stop()
{
    endCapture();
    return {};
}

MciReply MciRecorder::save(const QString& path)
{
    endCapture();
    if (m_deviceFailure)
        return MciReply{m_deviceFailure};
    if (m_samples.empty() && m_recordedMs >= kSilentDeviceMs)
        return fail(QStringLiteral("Mikrofon nie przekazał żadnego dźwięku. Sprawdź, czy jest podłączony i "
                                   "włączony, i nagraj jeszcze raz."));
    const Status saved = SaveFileAtomically(ResolveWinPath(path), waveBytes());
    if (!saved)
        return MciReply{saved.failure()};
    return {};
}

MciReply MciRecorder::close()
{
    endCapture();
    m_open = false;
    m_alias.clear();
    m_samples.clear();
    m_deviceFailure.reset();
    return {};
}

QByteArray MciRecorder::waveBytes() const
{
    WavPcm pcm;
    pcm.sampleRate = m_rate;
    pcm.channels = m_channels;
    pcm.format = m_bits == 16 ? WavPcm::Format::Int16 : WavPcm::Format::UInt8;
    const int bytes = m_bits / 8;
    pcm.samples.resize(qsizetype(m_samples.size()) * m_channels * bytes);
    char* out = pcm.samples.data();
    for (const int16_t s : m_samples) {
        for (int c = 0; c < m_channels; ++c) {
            if (bytes == 2) {
                qToLittleEndian<qint16>(s, out);
            } else {
                *out = char(uint8_t((s >> 8) + 128));
            }
            out += bytes;
        }
    }
    return pcm.toWav();
}
