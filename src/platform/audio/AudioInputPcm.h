#pragma once

#include "Failure.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// Conversions for captured sound, shared by the audio inputs.

struct PcmSound {
    int sampleRate = 0;
    std::vector<int16_t> samples; // mono
};

// Averages interleaved channels into one.
std::vector<int16_t> mixToMono(const int16_t* interleaved, size_t frames, int channels);

// Changes the sample rate with a windowed-sinc interpolator whose cut-off lies
// below the lower of the two Nyquist frequencies. Equal rates copy the input.
std::vector<int16_t> resamplePcm16(const std::vector<int16_t>& in, int fromRate, int toRate);

// A mono 16-bit PCM wave file with the canonical 44-byte header ("RIFF", "WAVE",
// a 16-byte "fmt " chunk and the "data" chunk), so that readers that take the
// header at fixed offsets find the channel count at 22, the rate at 24, the bits
// at 34 and the data size at 40.
QByteArray encodePcmWave(int sampleRate, const std::vector<int16_t>& samples);

// Reads a sound file (any format the sound-file library reads: PCM, float,
// 8-bit, stereo ...), mixed down to mono. Fails with a message naming the file.
Expected<PcmSound> readSoundFile(const QString& path);
