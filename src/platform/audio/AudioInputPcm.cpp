#include "AudioInputPcm.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <numbers>

std::vector<int16_t> mixToMono(const int16_t* interleaved, size_t frames, int channels)
{
    std::vector<int16_t> out(frames);
    if (channels <= 1) {
        std::copy(interleaved, interleaved + frames, out.begin());
        return out;
    }
    for (size_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += interleaved[f * channels + c];
        out[f] = int16_t(sum / channels);
    }
    return out;
}

std::vector<int16_t> resamplePcm16(const std::vector<int16_t>& in, int fromRate, int toRate)
{
    if (fromRate == toRate || fromRate <= 0 || toRate <= 0 || in.empty())
        return in;
    // Cut-off as a fraction of the input rate, a little below the lower Nyquist.
    const double cutoff = 0.46 * std::min(1.0, double(toRate) / fromRate) * 2.0;
    const int halfWidth = int(std::ceil(12.0 / cutoff)); // input samples either side
    const double step = double(fromRate) / toRate;
    const size_t outCount = size_t(double(in.size()) * toRate / fromRate);
    std::vector<int16_t> out(outCount);
    const long last = long(in.size()) - 1;
    for (size_t n = 0; n < outCount; ++n) {
        const double x = n * step;
        const long centre = long(std::floor(x));
        double acc = 0.0;
        for (long k = centre - halfWidth + 1; k <= centre + halfWidth; ++k) {
            if (k < 0 || k > last)
                continue;
            const double d = x - double(k);
            const double arg = cutoff * d;
            const double sinc = std::abs(arg) < 1e-9 ? 1.0 : std::sin(std::numbers::pi * arg) / (std::numbers::pi * arg);
            const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * d / halfWidth);
            acc += in[size_t(k)] * cutoff * sinc * window;
        }
        out[n] = int16_t(std::clamp(std::lround(acc), -32768L, 32767L));
    }
    return out;
}

QByteArray encodePcmWave(int sampleRate, const std::vector<int16_t>& samples)
{
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray out(44, '\0');
    char* h = out.data();
    auto put32 = [h](int at, quint32 v) { qToLittleEndian(v, h + at); };
    auto put16 = [h](int at, quint16 v) { qToLittleEndian(v, h + at); };
    std::copy_n("RIFF", 4, h);
    put32(4, 36 + dataBytes);
    std::copy_n("WAVEfmt ", 8, h + 8);
    put32(16, 16);                      // fmt chunk size
    put16(20, 1);                       // PCM
    put16(22, 1);                       // channels
    put32(24, quint32(sampleRate));
    put32(28, quint32(sampleRate) * 2); // bytes per second
    put16(32, 2);                       // block align
    put16(34, 16);                      // bits per sample
    std::copy_n("data", 4, h + 36);
    put32(40, dataBytes);
    out.resize(44 + qsizetype(dataBytes));
    char* d = out.data() + 44;
    for (size_t i = 0; i < samples.size(); ++i)
        qToLittleEndian(samples[i], d + 2 * i);
    return out;
}

Expected<PcmSound> readSoundFile(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("Nie można odczytać pliku dźwiękowego %1.").arg(shown), path);
    const QByteArray bytes = file.readAll();

    // The library reads from memory so that any path the program can open works.
    struct Memory {
        const QByteArray* data;
        sf_count_t pos = 0;
    } mem{&bytes};
    SF_VIRTUAL_IO io{};
    io.get_filelen = [](void* user) -> sf_count_t { return static_cast<Memory*>(user)->data->size(); };
    io.seek = [](sf_count_t offset, int whence, void* user) -> sf_count_t {
        auto* m = static_cast<Memory*>(user);
        const sf_count_t size = m->data->size();
        sf_count_t to = whence == SEEK_SET ? offset : whence == SEEK_CUR ? m->pos + offset : size + offset;
        m->pos = std::clamp<sf_count_t>(to, 0, size);
        return m->pos;
    };
    io.read = [](void* ptr, sf_count_t count, void* user) -> sf_count_t {
        auto* m = static_cast<Memory*>(user);
        const sf_count_t n = std::min(count, sf_count_t(m->data->size()) - m->pos);
        std::copy_n(m->data->constData() + m->pos, n, static_cast<char*>(ptr));
        m->pos += n;
        return n;
    };
    io.write = [](const void*, sf_count_t, void*) -> sf_count_t { return 0; };
    io.tell = [](void* user) -> sf_count_t { return static_cast<Memory*>(user)->pos; };

    SF_INFO info{};
    SNDFILE* sf = sf_open_virtual(&io, SFM_READ, &info, &mem);
    if (!sf)
        return Failure::error(QStringLiteral("Plik %1 nie jest poprawnym plikiem dźwiękowym.").arg(shown), path);
    if (info.channels <= 0 || info.samplerate <= 0 || info.frames < 0) {
        sf_close(sf);
        return Failure::error(QStringLiteral("Plik %1 nie jest poprawnym plikiem dźwiękowym.").arg(shown), path);
    }
    std::vector<int16_t> interleaved(size_t(info.frames) * size_t(info.channels));
    const sf_count_t frames = sf_readf_short(sf, interleaved.data(), info.frames);
    sf_close(sf);
    PcmSound sound;
    sound.sampleRate = info.samplerate;
    sound.samples = mixToMono(interleaved.data(), size_t(std::max<sf_count_t>(frames, 0)), info.channels);
    return sound;
}
