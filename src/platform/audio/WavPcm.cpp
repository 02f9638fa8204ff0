#include "WavPcm.h"

#include <QtEndian>

#include <cstring>

namespace {

quint16 le16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 le32(const char* p)
{
    return qFromLittleEndian<quint32>(p);
}

void put16(QByteArray& b, quint32 v)
{
    char c[2];
    qToLittleEndian<quint16>(quint16(v), c);
    b.append(c, 2);
}

void put32(QByteArray& b, quint32 v)
{
    char c[4];
    qToLittleEndian<quint32>(v, c);
    b.append(c, 4);
}

constexpr quint16 TagPcm = 1;
constexpr quint16 TagFloat = 3;
constexpr quint16 TagExtensible = 0xFFFE;

} // namespace

int WavPcm::bytesPerSample() const
{
    switch (format) {
    case Format::UInt8: return 1;
    case Format::Int16: return 2;
    case Format::Int32:
    case Format::Float: return 4;
    }
    return 2;
}

qint64 WavPcm::frameCount() const
{
    const int frame = bytesPerSample() * channels;
    return frame > 0 ? samples.size() / frame : 0;
}

qint64 WavPcm::durationMs() const
{
    return sampleRate > 0 ? frameCount() * 1000 / sampleRate : 0;
}

std::optional<WavPcm> WavPcm::parse(QByteArrayView wav)
{
    const qint64 size = wav.size();
    const char* d = wav.data();
    if (size < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return std::nullopt;

    quint16 tag = 0, channels = 0, bits = 0;
    quint32 rate = 0;
    bool haveFormat = false;
    QByteArrayView data;
    bool haveData = false;

    // Chunks: a 4-byte id, a 32-bit length, the body, a pad byte after odd lengths.
    qint64 at = 12;
    while (at + 8 <= size) {
        const char* id = d + at;
        const qint64 length = le32(d + at + 4);
        const qint64 body = at + 8;
        const qint64 avail = std::min(length, size - body);
        if (std::memcmp(id, "fmt ", 4) == 0 && avail >= 16) {
            tag = le16(d + body);
            channels = le16(d + body + 2);
            rate = le32(d + body + 4);
            bits = le16(d + body + 14);
            if (tag == TagExtensible && avail >= 26)
                tag = le16(d + body + 24); // the first two bytes of the sub-format GUID
            haveFormat = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            data = wav.sliced(body, avail);
            haveData = true;
            break;
        }
        if (length > size - body)
            break;
        at = body + length + (length & 1);
    }
    if (!haveFormat || !haveData || channels < 1 || channels > 8 || rate < 1 || rate > 384000)
        return std::nullopt;

    WavPcm pcm;
    pcm.sampleRate = int(rate);
    pcm.channels = channels;
    const qint64 frameBytes = qint64(channels) * ((bits + 7) / 8);
    const qint64 frames = frameBytes > 0 ? data.size() / frameBytes : 0;
    const qint64 count = frames * channels; // samples
    const char* s = data.data();

    if (tag == TagPcm && (bits == 8 || bits == 16 || bits == 32)) {
        pcm.format = bits == 8 ? Format::UInt8 : bits == 16 ? Format::Int16 : Format::Int32;
        pcm.samples = QByteArray(s, frames * frameBytes);
    } else if (tag == TagPcm && bits == 24) {
        pcm.format = Format::Int32;
        pcm.samples.resize(count * 4);
        char* out = pcm.samples.data();
        for (qint64 i = 0; i < count; ++i) {
            out[4 * i] = 0;
            std::memcpy(out + 4 * i + 1, s + 3 * i, 3);
        }
    } else if (tag == TagFloat && bits == 32) {
        pcm.format = Format::Float;
        pcm.samples = QByteArray(s, frames * frameBytes);
    } else if (tag == TagFloat && bits == 64) {
        pcm.format = Format::Float;
        pcm.samples.resize(count * 4);
        for (qint64 i = 0; i < count; ++i)
            qToLittleEndian<float>(float(qFromLittleEndian<double>(s + 8 * i)), pcm.samples.data() + 4 * i);
    } else {
        return std::nullopt;
    }
    return pcm;
}

QByteArray WavPcm::toWav() const
{
    const int bytes = bytesPerSample();
    QByteArray w("RIFF");
    put32(w, quint32(36 + samples.size() + (samples.size() & 1)));
    w.append("WAVEfmt ");
    put32(w, 16);
    put16(w, format == Format::Float ? TagFloat : TagPcm);
    put16(w, quint32(channels));
    put32(w, quint32(sampleRate));
    put32(w, quint32(sampleRate * channels * bytes));
    put16(w, quint32(channels * bytes));
    put16(w, quint32(bytes * 8));
    w.append("data");
    put32(w, quint32(samples.size()));
    w.append(samples);
    if (samples.size() & 1)
        w.append('\0');
    return w;
}
