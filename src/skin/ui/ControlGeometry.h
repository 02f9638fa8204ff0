#pragma once

#include <QRect>
#include <QString>

#include <optional>

// Small layout rules of the skinned controls, kept apart from painting.

// The chart picture for a result of `wynik` percent: WYKRES_00 for 0, WYKRES_05
// for 1..9, WYKRES_10 .. WYKRES_95 (rounded down to a multiple of 5) for 10..99,
// WYKRES_100 for 100 (and above).
QString ChartPictureName(int wynik);

// The x at which the statistics notebook writes a count: 34 below 10, 25 below
// 100, 14 up to 1000; nothing above 1000 (the count is not shown).
std::optional<int> NotebookNumberX(int value);

// The bubble's rectangle in its parent: its tail at (x, y), `textBottom` the
// bottom of the measured text (which starts 5 pixels down).
QRect BubbleRect(int x, int y, int width, int textBottom);

// The progress bar's width after step n of total: n / total × 200 rounded to the
// nearest integer (halves to even), kept within 0..200; 0 when total is not positive.
int ProgressBarWidth(int n, int total);
