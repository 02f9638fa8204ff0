#pragma once

#include "ISpeechRecognizer.h"

#include <QStringList>

#include <cstdint>
#include <deque>
#include <vector>

// A recognizer that plays back prepared attempts, for tests of the windows that
// drive it. Every call is logged by name (with its arguments) so that a test can
// check the order of calls. LK_STRING_Recognize takes the next queued attempt,
// writes its sound to the wave file of LK_V_SetWave and makes its entries the
// result; with no task loaded (no LK_I4_NewResource yet, or the last one was
// given a negative result) or no attempt queued the result is empty.
class ScriptedRecognizer final : public ISpeechRecognizer {
public:
    struct Entry {
        QString word;
        LkWordTime time;
        double score = 0.0;
    };
    struct Attempt {
        std::vector<Entry> entries; // entries 1 … N of the result
        std::vector<int16_t> sound; // 16 kHz mono; empty writes no wave file
    };

    // An accepted attempt: "<s>", the words each `wordMs` long with the given
    // scores, "</s>", and a tone of the whole length as the recording.
    static Attempt accepted(const QStringList& words, const std::vector<double>& scores, int wordMs = 300);
    // A rejected attempt: the garbage word in place of the phrase.
    static Attempt rejected(int lengthMs = 1000);

    void queue(Attempt attempt) { m_attempts.push_back(std::move(attempt)); }
    void setNewResourceResult(int32_t result) { m_newResourceResult = result; }

    const QStringList& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

    int32_t LK_I4_NewResource(const QString& latticeFile, const QString& dictionaryFile) override;
    int32_t LK_I4_NewSoundFile(const QString& wavePath) override;
    void LK_V_SetWave(const QString& wavePath) override;
    QString LK_STRING_Recognize() override;
    QString LK_STRING_Phones() override;
    QString LK_STRING_Words() override;
    int32_t LK_N4_Samples() override;
    void LK_V_InitDsp(const QString& wavePath, const QString& config) override;
    QString LK_STRING_Word(int32_t index) override;
    int32_t LK_N4_WaveCount() override;
    int32_t LK_N4_WaveTime() override;
    int32_t LK_N4_Words() override;
    LkWordTime LK_P32N4_WordTime(int32_t index) override;
    double LK_R8_WordScore(int32_t index) override;

private:
    const Entry* entry(int32_t index) const;
    QString wordsText() const;

    QStringList m_calls;
    std::deque<Attempt> m_attempts;
    int32_t m_newResourceResult = 0;
    bool m_taskLoaded = false;
    QString m_wavePath;
    std::vector<Entry> m_result;
    int32_t m_samples = 0;
    int32_t m_waveCount = 0;
};
