#include "IAudioInput.h"
#include "SpeechEndpointer.h"
#include "UtteranceRecorder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 16000;

// Builds test sound from pieces: silence, "speech" (a loud tone) and noise.
class Sound {
public:
    Sound& silence(int ms) { return add(ms, 0.0, 0.0); }
    Sound& speech(int ms, double dbfs = -12.0) { return add(ms, dbfs, 0.0); }
    Sound& noise(int ms, double dbfs) { return add(ms, 0.0, dbfs); }
    Sound& speechOverNoise(int ms, double speechDb, double noiseDb) { return add(ms, speechDb, noiseDb); }
    const std::vector<int16_t>& samples() const { return m_s; }

private:
    Sound& add(int ms, double toneDb, double noiseDb)
    {
        const double tone = toneDb == 0.0 ? 0.0 : 32768.0 * std::sqrt(2.0) * std::pow(10.0, toneDb / 20.0);
        const double noise = noiseDb == 0.0 ? 0.0 : 32768.0 * std::sqrt(3.0) * std::pow(10.0, noiseDb / 20.0);
        for (int i = 0; i < ms * kRate / 1000; ++i) {
            m_seed = m_seed * 1103515245u + 12345u;
            const double uniform = double((m_seed >> 8) & 0xFFFF) / 32768.0 - 1.0;
            const double v = tone * std::sin(2.0 * std::numbers::pi * 300.0 * double(m_s.size()) / kRate) + noise * uniform;
            m_s.push_back(int16_t(std::clamp(v, -32768.0, 32767.0)));
        }
        return *this;
    }
    std::vector<int16_t> m_s;
    unsigned m_seed = 1;
};

struct Detection {
    bool found;
    bool finished;
    size_t fedMs;
    int beginMs;
    int endMs;
};

// Feeds the sound in 50 ms slices as a recording would arrive.
Detection detect(const Sound& sound, const EndpointerSettings& settings = {})
{
    SpeechEndpointer e(settings);
    const auto& s = sound.samples();
    size_t fed = 0;
    while (fed < s.size()) {
        const size_t n = std::min<size_t>(800, s.size() - fed);
        const bool more = e.feed(s.data() + fed, n);
        fed += n;
        if (!more)
            break;
    }
    const bool finished = e.finished();
    if (!finished)
        e.finish();
    return {e.speechFound(), finished, fed * 1000 / kRate, int(e.utteranceBegin() * 1000 / kRate),
            int(e.utteranceEnd() * 1000 / kRate)};
}

// An input that hands out prepared sound, then ends, fails or goes quiet.
class ScriptedInput final : public IAudioInput {
public:
    enum class Then { End, Fail, Stall };
    ScriptedInput(std::vector<int16_t> sound, Then then) : m_sound(std::move(sound)), m_then(then) {}

    Status start(int) override
    {
        ++starts;
        if (failStart)
            return Failure::error("no microphone");
        return {};
    }
    bool read(std::vector<int16_t>& out, int timeoutMs) override
    {
        const size_t n = std::min(size_t(timeoutMs * kRate / 1000), m_sound.size() - m_pos);
        out.insert(out.end(), m_sound.begin() + std::ptrdiff_t(m_pos), m_sound.begin() + std::ptrdiff_t(m_pos + n));
        m_pos += n;
        if (m_pos < m_sound.size() || m_then == Then::Stall)
            return true;
        if (m_then == Then::Fail)
            m_error = Failure::error("device lost");
        return false;
    }
    void stop() override { ++stops; }
    std::optional<Failure> error() const override { return m_error; }

    bool failStart = false;
    int starts = 0;
    int stops = 0;

private:
    std::vector<int16_t> m_sound;
    size_t m_pos = 0;
    Then m_then;
    std::optional<Failure> m_error;
};

} // namespace

TEST(SpeechEndpointer, FindsTheUtteranceWithItsMargins)
{
    struct Case {
        const char* name;
        Sound sound;
        bool found;
        int beginMs, endMs; // expected, ±20 ms
        int fedMs;          // how much was read before it was complete, ±60 ms
    } const cases[] = {
        {"speech between silences", Sound().silence(500).speech(1000).silence(3000), true, 250, 1800, 2200},
        {"speech from the first sample", Sound().speech(800).silence(2000), true, 0, 1100, 1500},
        {"a short pause stays inside", Sound().silence(300).speech(500).silence(400).speech(500).silence(2000), true,
         50, 2000, 2400},
        {"a long pause ends it", Sound().silence(300).speech(500).silence(900).speech(500).silence(2000), true, 50,
         1100, 1500},
        {"speech over background noise", Sound().noise(500, -45).speechOverNoise(700, -15, -45).noise(2000, -45), true,
         250, 1500, 1900},
        {"noise alone is not speech", Sound().noise(8000, -45), false, 0, 0, 6000},
        {"silence alone times out", Sound().silence(8000), false, 0, 0, 6000},
        {"speech is cut at its maximum length", Sound().silence(500).speech(12000), true, 250, 10500, 10500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Detection d = detect(c.sound);
        EXPECT_EQ(d.found, c.found);
        EXPECT_TRUE(d.finished);
        EXPECT_NEAR(d.beginMs, c.beginMs, 20);
        EXPECT_NEAR(d.endMs, c.endMs, 20);
        EXPECT_NEAR(double(d.fedMs), c.fedMs, 60);
    }
}

TEST(SpeechEndpointer, EndOfInputEndsTheSpeech)
{
    const Detection d = detect(Sound().silence(400).speech(600));
    EXPECT_TRUE(d.found);
    EXPECT_FALSE(d.finished); // the sound ran out first
    EXPECT_NEAR(d.beginMs, 150, 20);
    EXPECT_EQ(d.endMs, 1000); // the post-roll is clipped to what was recorded
}

TEST(UtteranceRecorder, KeepsTheUtteranceAndReportsInputTrouble)
{
    const Sound sound = Sound().silence(500).speech(1000).silence(3000);
    {
        ScriptedInput input(sound.samples(), ScriptedInput::Then::End);
        const RecordedUtterance r = RecordUtterance(input, {});
        EXPECT_TRUE(r.speechFound);
        EXPECT_FALSE(r.failure);
        EXPECT_NEAR(double(r.samples.size()) / kRate, 1.55, 0.03);
        EXPECT_EQ(input.starts, 1);
        EXPECT_EQ(input.stops, 1);
    }
    {
        // The device breaks off in the middle of the speech: what was heard is kept.
        ScriptedInput input(Sound().silence(500).speech(600).samples(), ScriptedInput::Then::Fail);
        const RecordedUtterance r = RecordUtterance(input, {});
        EXPECT_TRUE(r.speechFound);
        ASSERT_TRUE(r.failure);
        EXPECT_EQ(r.failure->text, "device lost");
        EXPECT_FALSE(r.samples.empty());
    }
    {
        // A device that stops delivering sound does not hang the recording.
        ScriptedInput input(Sound().silence(300).samples(), ScriptedInput::Then::Stall);
        const RecordedUtterance r = RecordUtterance(input, {});
        EXPECT_FALSE(r.speechFound);
        ASSERT_TRUE(r.failure);
        EXPECT_EQ(r.samples.size(), size_t(300 * kRate / 1000));
        EXPECT_EQ(input.stops, 1);
    }
    {
        ScriptedInput input({}, ScriptedInput::Then::End);
        input.failStart = true;
        const RecordedUtterance r = RecordUtterance(input, {});
        ASSERT_TRUE(r.failure);
        EXPECT_EQ(r.failure->text, "no microphone");
        EXPECT_EQ(input.stops, 0);
    }
}
