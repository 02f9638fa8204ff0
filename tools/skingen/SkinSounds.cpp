#include "SkinSounds.h"

#include "WavPcm.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Rate = 22050;

struct Note {
    double start;  // seconds
    double freq;   // Hz
    double length; // seconds the note rings (its decay time constant is a third of it)
    double level;
};

// A soft bell: a few harmonics, each decaying faster than the one below.
void addBell(std::vector<double>& out, const Note& n)
{
    const int from = int(n.start * Rate);
    const int count = int(n.length * Rate);
    const double tau = n.length / 3;
    for (int i = 0; i < count && from + i < int(out.size()); ++i) {
        const double t = double(i) / Rate;
        const double attack = std::min(1.0, t / 0.006);
        double v = std::sin(2 * M_PI * n.freq * t) * std::exp(-t / tau);
        v += 0.45 * std::sin(2 * M_PI * 2 * n.freq * t) * std::exp(-t / (tau * 0.5));
        v += 0.18 * std::sin(2 * M_PI * 3.01 * n.freq * t) * std::exp(-t / (tau * 0.3));
        out[from + i] += n.level * attack * v;
    }
}

// A buzz: odd harmonics (a rounded square wave) with a short fade in and out.
void addBuzz(std::vector<double>& out, double start, double freq, double length, double level)
{
    const int from = int(start * Rate);
    const int count = int(length * Rate);
    for (int i = 0; i < count && from + i < int(out.size()); ++i) {
        const double t = double(i) / Rate;
        const double env = std::min({1.0, t / 0.01, (length - t) / 0.05});
        double v = 0;
        for (int k = 1; k <= 13; k += 2)
            v += std::sin(2 * M_PI * k * freq * t) / (k * (1 + 0.15 * k));
        out[from + i] += level * env * v;
    }
}

QByteArray toWav(std::vector<double> samples)
{
    double peak = 0;
    for (double v : samples)
        peak = std::max(peak, std::abs(v));
    const double gain = peak > 0 ? 0.6 / peak : 0;
    // A short fade at the end so the sound never stops on a click.
    const int fade = std::min<int>(int(samples.size()), Rate / 50);
    for (int i = 0; i < fade; ++i)
        samples[samples.size() - 1 - i] *= double(i) / fade;
    WavPcm pcm;
    pcm.sampleRate = Rate;
    pcm.channels = 1;
    pcm.samples.resize(qsizetype(samples.size()) * 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        const auto v = qint16(std::lround(std::clamp(samples[i] * gain, -1.0, 1.0) * 32767));
        qToLittleEndian<qint16>(v, pcm.samples.data() + 2 * i);
    }
    return pcm.toWav();
}

} // namespace

QByteArray SynthesiseSkinSound(const QString& name)
{
    // Note frequencies: C5 523.25, E5 659.26, G5 783.99, C6 1046.50, E6 1318.51, G4 392.00.
    if (name == u"WAV_START") {
        std::vector<double> s(int(1.4 * Rate));
        const double notes[] = {523.25, 659.26, 783.99, 1046.50};
        for (int i = 0; i < 4; ++i)
            addBell(s, {0.12 * i, notes[i], 0.9, 1.0 - 0.1 * i});
        return toWav(s);
    }
    if (name == u"WAV_OK") {
        std::vector<double> s(int(0.6 * Rate));
        addBell(s, {0.0, 1046.50, 0.45, 0.8});
        addBell(s, {0.09, 1318.51, 0.5, 1.0});
        return toWav(s);
    }
    if (name == u"WAV_ZLE") {
        std::vector<double> s(int(0.5 * Rate));
        addBuzz(s, 0.0, 150, 0.16, 1.0);
        addBuzz(s, 0.22, 112, 0.24, 1.0);
        return toWav(s);
    }
    if (name == u"WAV_WYNIK") {
        std::vector<double> s(int(1.6 * Rate));
        const double arpeggio[] = {392.00, 523.25, 659.26};
        for (int i = 0; i < 3; ++i)
            addBell(s, {0.1 * i, arpeggio[i], 0.5, 0.8});
        for (double f : {523.25, 659.26, 783.99, 1046.50})
            addBell(s, {0.32, f, 1.25, 0.55});
        return toWav(s);
    }
    return {};
}
