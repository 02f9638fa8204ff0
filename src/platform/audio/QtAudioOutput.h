#pragma once

#include "IAudioOutput.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QObject>

#include <memory>

class QAudioDecoder;
class QAudioSink;

// Plays WAVE sounds on the default output device through Qt Multimedia (on
// Linux, straight to the PulseAudio server). The samples are decoded here and
// fed to a QAudioSink from memory, so no temporary file is written. Needs a
// running event loop on its thread: the sink is fed from it.
//
// An MP3 file is first decoded through the platform's decoder (on Linux
// GStreamer), off the interface thread's way: playFile returns at once, the
// sound counts as playing while it is decoded, and it starts when decoding
// ends; a new sound or stop() abandons the decoding.
//
// The sink reports "idle" once it has handed the last samples to the server,
// about a buffer's length before they are heard; the sound counts as playing
// until the device's played time reaches its length.
class QtAudioOutput final : public QObject, public IAudioOutput {
    Q_OBJECT
public:
    explicit QtAudioOutput(QObject* parent = nullptr);
    ~QtAudioOutput() override;

    bool playWav(const QByteArray& wav) override;
    bool playFile(const QString& path) override;
    void stop() override;
    bool isPlaying() const override;

private:
    bool playCompressed(const QString& path);
    void playDecoded();
    void dropDecoder();

    QBuffer m_buffer; // declared first: it outlives the sink that reads it
    std::unique_ptr<QAudioSink> m_sink;
    qint64 m_durationUs = 0;
    QAudioDecoder* m_decoder = nullptr; // while an MP3 is being decoded
    QByteArray m_decoded;
    QAudioFormat m_decodedFormat;
};
