#pragma once

#include <cstddef>
#include <cstdint>

// When the learner starts and stops speaking, judged from the loudness of 10 ms
// frames against the background level measured before the speech.
struct EndpointerSettings {
    int sampleRate = 16000;
    double startAboveFloorDb = 12.0; // frames this much above the background are speech
    double endAboveFloorDb = 8.0;    // frames below this are quiet again
    double quietestFloorDbfs = -70.0; // the background is taken as no quieter than this
    double loudestFloorDbfs = -40.0;  // nor louder: a louder start is already speech
    int startFrames = 3;             // consecutive loud frames that start the speech
    int endSilenceMs = 700;          // quiet that ends it (pauses between words are shorter)
    int preRollMs = 250;             // kept before the speech start
    int postRollMs = 300;            // kept after the speech end
    int maxSpeechMs = 10000;         // longer speech is cut here
    int noSpeechTimeoutMs = 6000;    // waiting longer than this gives up
};

class SpeechEndpointer final {
public:
    explicit SpeechEndpointer(const EndpointerSettings& settings = {});

    // Feeds the next samples of the recording. Returns false once the utterance
    // is complete (speech ended and the post-roll is in, the speech reached its
    // maximum length, or no speech came in time); later samples are ignored.
    bool feed(const int16_t* samples, size_t count);

    // The input ended: the speech, if any, ends with it.
    void finish();

    bool speechFound() const { return m_speechStart >= 0; }
    bool finished() const { return m_finished; }

    // The utterance as a sample range of everything fed: pre-roll, speech,
    // post-roll, clipped to what was fed. Both 0 without speech.
    size_t utteranceBegin() const;
    size_t utteranceEnd() const;

private:
    void frame(double energyDb);

    EndpointerSettings m_s;
    size_t m_frameSamples;
    size_t m_fed = 0;            // samples fed and used
    double m_frameSum = 0.0;     // sum of squares of the frame being filled
    size_t m_inFrame = 0;
    long m_frameIndex = 0;       // frames completed
    double m_smoothed[3] = {};   // last frame energies, for a steadier background level
    double m_floorDb;
    int m_loudRun = 0;
    long m_speechStart = -1;     // first frame of the speech
    long m_speechEnd = -1;       // first frame after it
    long m_quietStart = -1;      // first frame of the current quiet run inside the speech
    bool m_finished = false;
};
