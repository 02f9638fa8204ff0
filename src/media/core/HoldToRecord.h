#pragma once

#include "IMediaClock.h"

#include <QString>

#include <functional>
#include <memory>

class IMessageService;
class VoiceRecorder;
struct Installation;

// Press-and-hold recording of the record buttons: pressing arms a 750 ms
// timer; releasing before it fires records nothing and shows the notice
// "hold the button" (interface text 130, caption text 59); once it fired, the
// learner's voice is recorded into `path()` until the release, which saves it.
//
// The window keeps its own looks in step through the hooks: `started` when
// recording begins (the microphone glyph), `stopped` after the file was saved
// (the play-back button appears). A recording whose device would not start
// calls neither (the recorder has shown why).
class HoldToRecord final {
public:
    static constexpr int ArmingMs = 750;

    struct Hooks {
        std::function<void()> started;
        std::function<void()> stopped;
    };

    HoldToRecord(IMediaClock& clock, VoiceRecorder& recorder, IMessageService& messages, const Installation& inst,
                 std::function<QString()> path, Hooks hooks = {});

    void Press();
    void Release();

    bool armed() const { return m_armed; }
    bool recording() const { return m_recording; }

private:
    void timerFired();

    VoiceRecorder& m_recorder;
    IMessageService& m_messages;
    const Installation& m_inst;
    std::function<QString()> m_path;
    Hooks m_hooks;
    std::unique_ptr<ITimer> m_timer;
    bool m_armed = false;
    bool m_recording = false;
};
