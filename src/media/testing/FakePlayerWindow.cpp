#include "FakePlayerWindow.h"

void FakePlayerWindow::LayoutForMode(PlaybackMode mode, const RecordingMarks& marks)
{
    static const char* const names[] = {"audio", "video", "ogg"};
    calls << QStringLiteral("layout %1 %2").arg(QLatin1String(names[int(mode)])).arg(marks.count());
}

void FakePlayerWindow::ShowPlayer()
{
    calls << QStringLiteral("show");
    visible = true;
}

void FakePlayerWindow::HidePlayer()
{
    calls << QStringLiteral("hide");
    visible = false;
}

void FakePlayerWindow::ShowProgress(int left, int width)
{
    sliderLeft = left;
    barWidth = width;
    ++progressCalls;
}
