#include "UtteranceRecorder.h"

#include "IAudioInput.h"

RecordedUtterance RecordUtterance(IAudioInput& input, const EndpointerSettings& settings)
{
    RecordedUtterance result;
    if (Status s = input.start(settings.sampleRate); !s.ok()) {
        result.failure = s.failure();
        return result;
    }
    SpeechEndpointer endpointer(settings);
    std::vector<int16_t> recorded;
    constexpr int kReadMs = 50;
    constexpr int kMaxEmptyReads = 2000 / kReadMs; // a device that delivers nothing for 2 s has stalled
    bool more = true;
    int emptyReads = 0;
    while (more) {
        const size_t before = recorded.size();
        more = input.read(recorded, kReadMs);
        emptyReads = recorded.size() == before ? emptyReads + 1 : 0;
        if (more && emptyReads >= kMaxEmptyReads) {
            result.failure = Failure::error(QStringLiteral("Mikrofon nie przekazuje dźwięku."));
            break;
        }
        if (!endpointer.feed(recorded.data() + before, recorded.size() - before))
            break;
    }
    if (!more)
        result.failure = input.error();
    input.stop();
    endpointer.finish();

    result.speechFound = endpointer.speechFound();
    if (result.speechFound)
        recorded = std::vector<int16_t>(recorded.begin() + std::ptrdiff_t(endpointer.utteranceBegin()),
                                        recorded.begin() + std::ptrdiff_t(endpointer.utteranceEnd()));
    result.samples = std::move(recorded);
    return result;
}
