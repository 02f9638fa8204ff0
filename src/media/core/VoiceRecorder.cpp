#include "VoiceRecorder.h"

#include "IMessageService.h"

VoiceRecorder::VoiceRecorder(IMciDevice& device, IMessageService& messages) : m_device(device), m_messages(messages)
{
}

void VoiceRecorder::report(const MciReply& reply)
{
    if (reply.ok() || m_reported)
        return;
    m_reported = true;
    m_messages.showFailure(*reply.failure);
}

bool VoiceRecorder::StartRecording(const QString& path)
{
    if (m_recording)
        StopRecording(true);
    m_path = path;
    m_recording = true;
    m_reported = false;
    report(m_device.SendString(QStringLiteral("OPEN NEW TYPE WAVEAUDIO ALIAS SelkoWAV")));
    report(m_device.SendString(QStringLiteral(
        "SET SelkoWAV TIME FORMAT MS BITSPERSAMPLE 16 CHANNELS 2 SAMPLESPERSEC 44100 BYTESPERSEC 176400 ALIGNMENT 4")));
    report(m_device.SendString(QStringLiteral("RECORD SelkoWAV")));
    return !m_reported;
}

void VoiceRecorder::StopRecording(bool save)
{
    // Only a recording started here is reported: the strings also go out when
    // nothing records, and then fail for want of the alias.
    const bool started = m_recording;
    m_recording = false;
    m_device.SendString(QStringLiteral("STOP SelkoWAV"));
    if (save) {
        const MciReply saved = m_device.SendString(QStringLiteral("SAVE SelkoWAV \"%1\"").arg(m_path));
        if (started)
            report(saved);
    }
    m_device.SendString(QStringLiteral("CLOSE SelkoWAV"));
}
