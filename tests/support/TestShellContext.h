#pragma once

#include "Clock.h"
#include "FakeAudioOutput.h"
#include "FakeMessageService.h"
#include "Installation.h"
#include "RecordingSkin.h"
#include "ShellContext.h"
#include "TUstawienia.h"

// A context for window tests: an installation and settings to fill in, a
// recording skin, fake messages and sound, and 10 March 2024 as today. Use it
// as a base or member of a fixture; `ctx` refers to the members above it.
// Header-only: a test that includes it links orvanta_shell_context and
// orvanta_skin_testing.
struct TestShellContext {
    Installation inst;
    TUstawienia settings;
    RecordingSkin skin;
    FakeMessageService messages;
    FakeAudioOutput audio;
    FixedClock clock{QDate(2024, 3, 10)};
    ShellContext ctx{inst, settings, skin.record(), messages, audio, clock};
};
