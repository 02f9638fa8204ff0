#pragma once

#include "MciRecorder.h"

#include <QString>

class IMessageService;

// The recording half of the shared player and recorder: records the learner's
// voice into a wave file of the fixed format (PCM, 16 bits, 2 channels,
// 44 100 samples per second) by sending the recorder's command strings under
// the alias "SelkoWAV". One recording is open at a time.
//
// The strings' results are not needed to go on, but a learner is never left
// with a silently empty file: a device that does not start, fails while
// recording or brings no sound, and a file that cannot be written, are each
// reported once through the message service.
class VoiceRecorder final {
public:
    VoiceRecorder(IMciDevice& device, IMessageService& messages);

    // Saves and closes an open recording first, then records into `path`.
    // False when the device did not start (the learner has been told why).
    bool StartRecording(const QString& path);
    // Stops recording; with `save`, writes the file. The strings are sent even
    // when nothing is recording.
    void StopRecording(bool save);

    bool recording() const { return m_recording; }
    const QString& path() const { return m_path; }

private:
    void report(const MciReply& reply);

    IMciDevice& m_device;
    IMessageService& m_messages;
    bool m_recording = false;
    bool m_reported = false; // this recording's failure has been shown
    QString m_path;
};
