#pragma once

#include "Failure.h"
#include "ISpeechRecognizer.h"
#include "PronunciationScore.h"
#include "SpeechEndpointer.h"

#include <QString>

#include <memory>
#include <vector>

class IAudioInput;

// How the pocketsphinx engine is set up. The defaults suit the US English
// acoustic model that comes with pocketsphinx.
struct SphinxSettings {
    QString acousticModel;        // folder holding mdef, means, variances, ...
    // Scale applied to the lattice's log-likelihoods ("l="). The task lattice
    // charges the garbage loop −16 per garbage phone, so this sets how much
    // better than the phrase the garbage must fit before it wins.
    double latticeWeight = 1.0;
    double silenceProbability = 0.005; // of an optional pause between words
    GopCalibration calibration;
    EndpointerSettings endpointer;
};

// The acoustic model from the environment variable ORVANTA_SPHINX_MODEL, else
// the one installed with pocketsphinx; calibrated settings.
SphinxSettings DefaultSphinxSettings();

// The CMU pronunciation dictionary installed with the acoustic model.
QString DefaultCmuDictionaryPath();

// The recognizer on the open pocketsphinx engine.
//
// LK_I4_NewResource reads the task the trainer wrote: the HTK lattice becomes a
// finite-state grammar (sub-lattices expanded; a node's word spans two states so
// that all of its pronunciations lie between them; links carry the lattice's
// log-likelihoods), and the dictionary lines become the decoder's words. A word
// with "[]" as output and no phones takes no time and reports nothing (so the
// base dictionary can declare "<s>", "</s>" and the garbage marker); "!NULL"
// needs no entry. Results: −1 a file cannot be read, −2 the dictionary is
// malformed, −3 the lattice is malformed, −4 a word of the lattice is not in the
// dictionary, −5 a word has no pronunciation, −6 a pronunciation uses a phone
// the acoustic model lacks, −7 the decoder refused the grammar.
//
// LK_STRING_Recognize records one utterance from the audio input (start and
// end of the speech detected from its loudness, with a maximum length), writes
// it as a 16 kHz mono 16-bit wave file and decodes it twice: with the task
// grammar, which gives the words and their times, and with a free loop of the
// model's phones, against which each word's acoustic score gives its goodness
// of pronunciation and so its score (0 … 100). Times are in milliseconds.
class PocketSphinxRecognizer final : public ISpeechRecognizer {
public:
    // Loads the acoustic model; fails with a message when it cannot. The input
    // must outlive the recognizer.
    static Expected<std::unique_ptr<PocketSphinxRecognizer>> create(IAudioInput& input,
                                                                     const SphinxSettings& settings);
    ~PocketSphinxRecognizer() override;

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

    // Decodes 16 kHz mono sound as LK_STRING_Recognize does after recording.
    void recognizeSound(const std::vector<int16_t>& sound);

    // The goodness of pronunciation behind LK_R8_WordScore (natural log per frame).
    double wordGoodness(int32_t index) const;

    // What went wrong in the last task load or attempt; empty when nothing did.
    QString lastError() const;

private:
    struct Impl;
    explicit PocketSphinxRecognizer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};
