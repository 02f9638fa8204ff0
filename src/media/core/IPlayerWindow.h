#pragma once

#include "PlaybackMode.h"
#include "RecordingMarks.h"

// What the shared player asks of its window: the layout for a mode with its
// mark buttons, showing and hiding, and the slider and progress bar. The window
// (TfrmMediaR) implements it; tests record the calls.
class IPlayerWindow {
public:
    virtual ~IPlayerWindow() = default;

    // Lays the window out for `mode` (video or the compact sound layout) with
    // one mark button per recording mark.
    virtual void LayoutForMode(PlaybackMode mode, const RecordingMarks& marks) = 0;
    // Shows the window (a video, or a caller that asked for it).
    virtual void ShowPlayer() = 0;
    virtual void HidePlayer() = 0;
    // The slider's left edge and the progress bar's width, in window pixels.
    virtual void ShowProgress(int sliderLeft, int barWidth) = 0;
};
