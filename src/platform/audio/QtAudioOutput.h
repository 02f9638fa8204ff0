#pragma once

#include "IAudioOutput.h"

#include <QBuffer>
#include <QObject>

#include <memory>

class QAudioSink;

// Plays WAVE sounds on the default output device through Qt Multimedia (on
// Linux, straight to the PulseAudio server). The samples are decoded here and
// fed to a QAudioSink from memory, so no temporary file is written. Needs a
// running event loop on its thread: the sink is fed from it.
class QtAudioOutput final : public QObject, public IAudioOutput {
    Q_OBJECT
public:
    explicit QtAudioOutput(QObject* parent = nullptr);
    ~QtAudioOutput() override;

    bool playWav(const QByteArray& wav) override;
    bool playFile(const QString& path) override;
    void stop() override;
    bool isPlaying() const override { return m_playing; }

private:
    QBuffer m_buffer; // declared first: it outlives the sink that reads it
    std::unique_ptr<QAudioSink> m_sink;
    bool m_playing = false;
};
