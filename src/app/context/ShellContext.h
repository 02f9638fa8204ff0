#pragma once

#include "Clock.h"
#include "IAudioOutput.h"
#include "IMessageService.h"
#include "ISkinImages.h"
#include "Installation.h"
#include "TUstawienia.h"

// What every window of the program is given: the installation, the logged-in
// learner's settings, the skin, and the services that tests replace with fakes
// (message boxes, sound, today's date). One instance is created in main (or by
// a test) and outlives every window; windows keep a reference, never a copy.
struct ShellContext {
    Installation& inst;
    TUstawienia& settings;
    SkinRecord skin;           // library is null when no skin could be loaded
    IMessageService& messages;
    IAudioOutput& audio;
    const IClock& clock;

    QString UiText(int id) const { return inst.UiText(id); }
};
