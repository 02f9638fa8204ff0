#pragma once

#include <QString>

#include <cstdint>

// Start and end of a recognized word, in milliseconds from the start of the
// recording. The end is never below the start.
struct LkWordTime {
    int32_t start = 0;
    int32_t end = 0;
};

// The speech recognizer as the pronunciation trainer drives it. The calls keep
// the names of the recognizer library the trainer was written against; texts
// are the recognizer's 8-bit strings, decoded as ANSI.
//
// The trainer's order of calls:
//   when a phrase is shown:  LK_I4_NewResource(lattice, dictionary)
//   for every attempt:       LK_I4_NewSoundFile(wave), LK_V_SetWave(wave),
//                            LK_STRING_Recognize, LK_STRING_Phones, LK_STRING_Words,
//                            LK_N4_Samples, LK_V_InitDsp(wave, LkDspConfig),
//                            LK_STRING_Word(2);
//   when the attempt is accepted: LK_N4_WaveCount, LK_N4_WaveTime, LK_N4_Words,
//                            then LK_P32N4_WordTime(k) and LK_R8_WordScore(k)
//                            for k = 2 … N−1.
//
// The result of an attempt is a list of N entries numbered 1 … N: entry 1 is the
// silence before the utterance ("<s>"), entries 2 … N−1 the recognized words in
// order, entry N the silence after it ("</s>"). A rejected or failed attempt has
// N = 0 or the garbage word LkGarbageWord as entry 2. Indices outside 1 … N give
// the empty word, times (0, 0) and score 0.
class ISpeechRecognizer {
public:
    virtual ~ISpeechRecognizer() = default;

    // Loads the recognition task: an HTK lattice file and its pronunciation
    // dictionary. A negative result means the task was not loaded; the previous
    // task is gone either way, so later attempts recognize nothing.
    virtual int32_t LK_I4_NewResource(const QString& latticeFile, const QString& dictionaryFile) = 0;

    // Starts a new attempt: forgets the previous result. Returns 0.
    virtual int32_t LK_I4_NewSoundFile(const QString& wavePath) = 0;

    // Names the wave file the next recording is written to.
    virtual void LK_V_SetWave(const QString& wavePath) = 0;

    // Records one utterance, writes it to the wave file of LK_V_SetWave as a
    // 16-bit PCM wave and recognizes it. Returns the recognized words joined by
    // blanks (the trainer ignores it).
    virtual QString LK_STRING_Recognize() = 0;

    // The phones and the words of the last result, blank-separated.
    virtual QString LK_STRING_Phones() = 0;
    virtual QString LK_STRING_Words() = 0;

    // Samples of the last recording.
    virtual int32_t LK_N4_Samples() = 0;

    // Opens the recorded wave for display; `config` is LkDspConfig.
    virtual void LK_V_InitDsp(const QString& wavePath, const QString& config) = 0;

    virtual QString LK_STRING_Word(int32_t index) = 0;

    // Samples and length in milliseconds of the wave opened by LK_V_InitDsp.
    virtual int32_t LK_N4_WaveCount() = 0;
    virtual int32_t LK_N4_WaveTime() = 0;

    // Number N of entries of the last result.
    virtual int32_t LK_N4_Words() = 0;
    virtual LkWordTime LK_P32N4_WordTime(int32_t index) = 0;

    // The word's pronunciation score, 0 … 100.
    virtual double LK_R8_WordScore(int32_t index) = 0;
};

// The word the task's garbage model reports for speech that is not the phrase.
inline constexpr char LkGarbageWord[] = "P__GV_GBGE_";

// The fixed configuration string the trainer passes to LK_V_InitDsp.
inline constexpr char LkDspConfig[] = "rate=16000 bits=16 channels=1";
