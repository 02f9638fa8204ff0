#include "PronunciationScore.h"

#include <algorithm>
#include <cmath>

std::vector<double> FrameLogLikelihoods(const std::vector<ScoredSpan>& loop, int frames)
{
    std::vector<double> perFrame(size_t(std::max(0, frames)), 0.0);
    for (const ScoredSpan& s : loop) {
        if (s.lastFrame < s.firstFrame)
            continue;
        const double share = s.logLikelihood / double(s.lastFrame - s.firstFrame + 1);
        for (int f = std::max(0, s.firstFrame); f <= s.lastFrame && f < frames; ++f)
            perFrame[size_t(f)] += share;
    }
    return perFrame;
}

double GoodnessOfPronunciation(const ScoredSpan& word, const std::vector<double>& loopFrames)
{
    const int first = std::max(0, word.firstFrame);
    const int last = std::min(int(loopFrames.size()) - 1, word.lastFrame);
    if (last < first)
        return 0.0;
    double loop = 0.0;
    for (int f = first; f <= last; ++f)
        loop += loopFrames[size_t(f)];
    return (word.logLikelihood - loop) / double(word.lastFrame - word.firstFrame + 1);
}

double PronunciationScore(double gop, const GopCalibration& calibration)
{
    const double width = calibration.width > 0 ? calibration.width : 1.0;
    return 100.0 / (1.0 + std::exp(-(gop - calibration.centre) / width));
}
