#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The samples of a WAVE file, in a form an audio device takes: interleaved
// frames of one of four sample formats.
struct WavPcm {
    enum class Format { UInt8, Int16, Int32, Float };

    int sampleRate = 0;
    int channels = 0;
    Format format = Format::Int16;
    QByteArray samples; // whole frames only

    int bytesPerSample() const;
    qint64 frameCount() const;
    qint64 durationMs() const;

    // Reads a RIFF WAVE file: PCM with 8, 16, 24 or 32 bits (24 bits become
    // Int32), IEEE float with 32 or 64 bits (64 become Float), plain or
    // WAVE_FORMAT_EXTENSIBLE. Chunks are walked with every length checked; a
    // data chunk longer than the file is cut to what is there. Nothing for
    // anything else, or for a file without a format or data chunk.
    static std::optional<WavPcm> parse(QByteArrayView wav);

    // A canonical WAVE file (format tag 1 for the integer formats, 3 for Float).
    QByteArray toWav() const;
};
