#pragma once

#include "FakeAudioOutput.h"
#include "FakeMessageService.h"
#include "Installation.h"
#include "ShellContext.h"
#include "TUstawienia.h"

#include <QString>

#include <gtest/gtest.h>

namespace mediatest {

// Empty when the PulseAudio server named by PULSE_SERVER takes connections;
// otherwise why not (scripts/with-services.sh starts one for the tests).
QString SoundServerProblem();

// Skips the test with the reason when there is no sound server.
#define SKIP_WITHOUT_SOUND_SERVER()                                                                              \
    do {                                                                                                         \
        const QString problem = mediatest::SoundServerProblem();                                                 \
        if (!problem.isEmpty())                                                                                  \
            GTEST_SKIP() << problem.toStdString() << " (run under scripts/with-services.sh or scripts/run-tests.sh)"; \
    } while (false)

// A context for the windows: no skin library, messages recorded.
struct ContextRig {
    Installation inst;
    TUstawienia settings;
    FakeMessageService messages;
    FakeAudioOutput audio;
    FixedClock today{QDate(2026, 12, 11)};
    ShellContext ctx{inst, settings, SkinRecord{}, messages, audio, today};
};

QString fixture(const QString& name);

} // namespace mediatest
