// Speed and memory of the pocketsphinx recognizer on a lesson phrase spoken by
// espeak-ng: preparing a phrase (task files and grammar), decoding a recorded
// utterance (both passes) and a whole attempt as the trainer makes it. The
// real-time factor (RTF) is processor time ÷ length of the sound; RTF_wall is
// the same with the time on the wall, which other programs on a busy machine
// inflate. The floor is the part of an attempt that is not recognition
// (reading the sound, finding the utterance, writing the wave file).

#include "AudioInputPcm.h"
#include "FileAudioInput.h"
#include "PocketSphinxRecognizer.h"
#include "RecognitionTask.h"
#include "SafeSave.h"
#include "SpokenPhrases.h"
#include "UtteranceRecorder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <string>

namespace {

// Resident and peak memory of the process, in MiB.
double memoryMiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size())) / 1024.0;
    return 0.0;
}

struct Setup {
    QTemporaryDir tmp;
    QString dir;
    QString wav;
    spoken::Phrase phrase;
    std::unique_ptr<FileAudioInput> input;
    std::unique_ptr<PocketSphinxRecognizer> recognizer;
    std::vector<int16_t> utterance; // 16 kHz, as recorded
    double engineMiB = 0.0;
    bool ok = false;

    Setup()
    {
        dir = tmp.path();
        for (const char* f : {"slownik.dct", "tmp0.dct"})
            QFile::copy(QStringLiteral(FIXTURES_DIR "/sphinx/") + f, QDir(dir).filePath(f));
        const auto phrases = spoken::LessonPhrases(QStringLiteral(FIXTURES_DIR));
        if (phrases.size() < 3 || !spoken::SynthesizerAvailable())
            return;
        phrase = phrases[2]; // "I would like a cup of coffee."
        wav = QDir(dir).filePath("phrase.wav");
        if (!spoken::Speak(QStringLiteral("en-us"), phrase.text, wav))
            return;
        input = std::make_unique<FileAudioInput>(wav, 300);
        const double before = memoryMiB("VmRSS:");
        auto created = PocketSphinxRecognizer::create(*input, DefaultSphinxSettings());
        if (!created.ok())
            return;
        recognizer = std::move(*created);
        std::unique_ptr<TDictionary> dictionary;
        if (!PreparePhrase(dictionary, phrase.words, *recognizer, dir).ok())
            return;
        const RecordedUtterance rec = RecordUtterance(*input, {});
        utterance = rec.samples;
        recognizer->recognizeSound(utterance);
        engineMiB = memoryMiB("VmRSS:") - before;
        ok = rec.speechFound && recognizer->LK_N4_Words() > 2;
    }
};

Setup& setup()
{
    static Setup s;
    return s;
}

double soundSeconds(const std::vector<int16_t>& s)
{
    return double(s.size()) / 16000.0;
}

// Processor time of this thread: unlike the clock on the wall, it does not
// count the time other programs on a shared machine take.
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Runs `body` once per iteration and reports its real-time factors against the
// length of the phrase's utterance. Skips when the set-up failed.
template <typename F>
void measure(benchmark::State& state, F&& body)
{
    const Setup& s = setup();
    if (!s.ok)
        return state.SkipWithError("no recognizer or no espeak-ng");
    double wall = 0.0, cpu = 0.0;
    for (auto _ : state) {
        const auto w0 = std::chrono::steady_clock::now();
        const double c0 = cpuSeconds();
        body();
        cpu += cpuSeconds() - c0;
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
    }
    const double perSound = double(state.iterations()) * soundSeconds(s.utterance);
    state.counters["RTF"] = cpu / perSound;
    state.counters["RTF_wall"] = wall / perSound;
    state.counters["engine_MiB"] = s.engineMiB;
}

// Preparing happens once per phrase, before the learner speaks: its RTF is what
// it adds to the first attempt, relative to the phrase's length.
void BM_PreparePhrase(benchmark::State& state)
{
    Setup& s = setup();
    std::unique_ptr<TDictionary> dictionary;
    measure(state, [&] { benchmark::DoNotOptimize(PreparePhrase(dictionary, s.phrase.words, *s.recognizer, s.dir).ok()); });
}

void BM_Decode(benchmark::State& state)
{
    Setup& s = setup();
    measure(state, [&] { s.recognizer->recognizeSound(s.utterance); });
    state.counters["sound_s"] = soundSeconds(s.utterance);
    state.counters["peak_MiB"] = memoryMiB("VmHWM:");
}

void BM_Attempt(benchmark::State& state)
{
    Setup& s = setup();
    const QString recording = QDir(s.dir).filePath("usr_tmp.wav");
    measure(state, [&] {
        s.recognizer->LK_I4_NewSoundFile(recording);
        s.recognizer->LK_V_SetWave(recording);
        s.recognizer->LK_STRING_Recognize();
        s.recognizer->LK_V_InitDsp(recording, QString::fromLatin1(LkDspConfig));
        benchmark::DoNotOptimize(s.recognizer->LK_STRING_Word(2));
    });
}

// The floor: an attempt without the recognition.
void BM_AttemptWithoutRecognition(benchmark::State& state)
{
    Setup& s = setup();
    const QString recording = QDir(s.dir).filePath("floor.wav");
    measure(state, [&] {
        const RecordedUtterance rec = RecordUtterance(*s.input, {});
        benchmark::DoNotOptimize(SaveFileAtomically(recording, encodePcmWave(16000, rec.samples)).ok());
    });
}

} // namespace

BENCHMARK(BM_PreparePhrase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Attempt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AttemptWithoutRecognition)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
