#pragma once

#include <vector>

// Goodness of pronunciation: how well a word's sound matches the phones it
// should have, against the best the acoustic model can find for the same frames
// with no constraint at all (a free loop of phones).

// A stretch of frames [firstFrame, lastFrame] with its acoustic log-likelihood.
struct ScoredSpan {
    int firstFrame = 0;
    int lastFrame = 0;
    double logLikelihood = 0.0;
};

// Spreads each span's log-likelihood evenly over its frames: the per-frame
// log-likelihood of the free phone loop. Frames outside [0, frames) are dropped.
std::vector<double> FrameLogLikelihoods(const std::vector<ScoredSpan>& loop, int frames);

// The word's log-likelihood minus that of the loop over the same frames, per
// frame (≤ 0 when the loop is the better explanation, as it nearly always is).
// 0 for a word without frames.
double GoodnessOfPronunciation(const ScoredSpan& word, const std::vector<double>& loopFrames);

// Maps the goodness (natural log per frame) to 0 … 100 with a logistic curve:
// `centre` scores 50, and every `width` above or below moves the score by one
// logit. Well-pronounced words lie near 0 and score high; other words fall off.
struct GopCalibration {
    double centre = -1.0;
    double width = 0.25;
};
double PronunciationScore(double gop, const GopCalibration& calibration);
