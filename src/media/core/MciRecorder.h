#pragma once

#include "Failure.h"
#include "IMediaClock.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class IAudioInput;

// The answer to one command string: success, or why it failed.
struct MciReply {
    std::optional<Failure> failure;
    bool ok() const { return !failure.has_value(); }
};

// Something that takes the recorder's command strings (MciRecorder; tests
// record the strings).
class IMciDevice {
public:
    virtual ~IMciDevice() = default;
    virtual MciReply SendString(const QString& command) = 0;
};

// The recorder's command strings, interpreted over an audio input:
//
//   OPEN NEW TYPE WAVEAUDIO ALIAS <alias>
//   SET <alias> TIME FORMAT MS BITSPERSAMPLE <b> CHANNELS <c> SAMPLESPERSEC <r>
//       BYTESPERSEC <r·c·b/8> ALIGNMENT <c·b/8>        (any subset, any order)
//   RECORD <alias>
//   STOP <alias>
//   SAVE <alias> "<path>"
//   CLOSE <alias>
//
// Keywords are not case-sensitive. One recording (one alias) is open at a time;
// a new one starts as 8-bit mono at 11 025 samples per second until SET changes
// it. RECORD starts the input at the set rate and collects its samples on a
// timer of the clock, so recording goes on while the interface runs; STOP takes
// what the input still holds. SAVE writes a PCM WAVE file of the set format
// with the canonical 44-byte header, crash-safely. The input delivers one
// channel: a two-channel recording carries it in both.
//
// Failures name what went wrong: an unknown command or alias, a value out of
// range, a device that would not start or failed while recording (SAVE then
// refuses to write, so there is never a silent empty file), a file that could
// not be written.
class MciRecorder final : public IMciDevice {
public:
    static constexpr int PollMs = 20;

    MciRecorder(IAudioInput& input, IMediaClock& clock);
    ~MciRecorder() override;

    MciReply SendString(const QString& command) override;

    bool isOpen() const { return m_open; }
    bool isRecording() const { return m_recording; }
    const QString& alias() const { return m_alias; }
    int bitsPerSample() const { return m_bits; }
    int channels() const { return m_channels; }
    int samplesPerSec() const { return m_rate; }
    // Mono samples collected since the last RECORD of the open alias.
    qint64 samplesCaptured() const { return qint64(m_samples.size()); }

    // The recording as a WAVE file of the set format.
    QByteArray waveBytes() const;

private:
    MciReply open(const QStringList& words);
    MciReply set(const QStringList& words);
    MciReply record();
    MciReply stop();
    MciReply save(const QString& path);
    MciReply close();
    MciReply fail(const QString& text) const;
    bool aliasMatches(const QStringList& words) const;
    void poll();
    void endCapture();

    IAudioInput& m_input;
    IMediaClock& m_clock;
    std::unique_ptr<ITimer> m_poll;

    bool m_open = false;
    bool m_recording = false;
    QString m_alias;
    int m_bits = 8;
    int m_channels = 1;
    int m_rate = 11025;
    std::vector<int16_t> m_samples;
    std::optional<Failure> m_deviceFailure; // the input failed while recording
    qint64 m_recordStartMs = 0;
    qint64 m_recordedMs = 0;                // time spent recording so far
};
