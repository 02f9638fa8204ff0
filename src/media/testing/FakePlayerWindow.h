#pragma once

#include "IPlayerWindow.h"

#include <QStringList>

// Records what the shared player asks of its window: "layout audio 0" (mode
// and mark count), "show", "hide"; the last slider place and bar width.
class FakePlayerWindow final : public IPlayerWindow {
public:
    void LayoutForMode(PlaybackMode mode, const RecordingMarks& marks) override;
    void ShowPlayer() override;
    void HidePlayer() override;
    void ShowProgress(int sliderLeft, int barWidth) override;

    QStringList calls;
    bool visible = false;
    int sliderLeft = -1;
    int barWidth = -1;
    int progressCalls = 0;
};
