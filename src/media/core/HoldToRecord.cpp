#include "HoldToRecord.h"

#include "IMessageService.h"
#include "Installation.h"
#include "VoiceRecorder.h"

HoldToRecord::HoldToRecord(IMediaClock& clock, VoiceRecorder& recorder, IMessageService& messages,
                           const Installation& inst, std::function<QString()> path, Hooks hooks)
    : m_recorder(recorder), m_messages(messages), m_inst(inst), m_path(std::move(path)), m_hooks(std::move(hooks)),
      m_timer(clock.createTimer(ArmingMs, true, [this] { timerFired(); }))
{
}

void HoldToRecord::Press()
{
    if (m_recording)
        return;
    m_armed = true;
    m_timer->start();
}

void HoldToRecord::timerFired()
{
    if (!m_armed)
        return;
    m_armed = false;
    m_timer->stop();
    if (!m_recorder.StartRecording(m_path())) {
        m_recorder.StopRecording(false); // closes what did open
        return;
    }
    m_recording = true;
    if (m_hooks.started)
        m_hooks.started();
}

void HoldToRecord::Release()
{
    if (m_armed) {
        m_timer->stop();
        m_armed = false;
        m_messages.showMessageBox(m_inst.UiText(130), m_inst.UiText(59), MsgBoxKind::Notice);
        return;
    }
    if (!m_recording)
        return;
    m_recording = false;
    m_recorder.StopRecording(true);
    if (m_hooks.stopped)
        m_hooks.stopped();
}
