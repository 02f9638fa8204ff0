#pragma once

#include "Failure.h"

#include <cstdint>
#include <optional>
#include <vector>

// A source of recorded sound: mono signed 16-bit PCM at the rate asked for in
// start(). Used from one thread, synchronously: the caller starts it, reads in a
// loop until it has what it needs, and stops it.
class IAudioInput {
public:
    virtual ~IAudioInput() = default;

    // Starts capturing at `sampleRate` samples per second. Fails with a message
    // for the learner when there is no input device or it cannot be opened.
    virtual Status start(int sampleRate) = 0;

    // Waits up to `timeoutMs` for new samples and appends them to `out` (possibly
    // none). Returns false once the input has ended (a file input at its end) or
    // failed (error() tells why); samples appended by that call are still valid.
    virtual bool read(std::vector<int16_t>& out, int timeoutMs) = 0;

    // Stops capturing; start() may be called again.
    virtual void stop() = 0;

    // What made capturing fail, if it did.
    virtual std::optional<Failure> error() const = 0;
};
