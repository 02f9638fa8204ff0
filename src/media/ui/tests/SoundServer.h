#pragma once

#include "TestShellContext.h"

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

// A context for the windows: a recording skin, messages and sound recorded.
using ContextRig = TestShellContext;

QString fixture(const QString& name);

} // namespace mediatest
