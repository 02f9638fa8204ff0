#pragma once

#include "Failure.h"
#include "SpeechEndpointer.h"

#include <cstdint>
#include <optional>
#include <vector>

class IAudioInput;

struct RecordedUtterance {
    std::vector<int16_t> samples;   // the utterance with its pre- and post-roll; all of the recording without speech
    bool speechFound = false;
    std::optional<Failure> failure; // the input could not start or broke off
};

// Records one utterance: starts the input at the settings' rate, reads until
// the endpointer says the utterance is complete or the input ends, and stops it.
RecordedUtterance RecordUtterance(IAudioInput& input, const EndpointerSettings& settings);
