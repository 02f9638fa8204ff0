#pragma once

#include "PlaybackMode.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtGlobal>

// Geometry of the shared player's window: its two layouts, the slider over its
// 227-pixel track, the progress bar, and the mark buttons.
namespace PlayerTrack {
constexpr int Left = 118;       // left edge of the track (Pasek_Tlo) and the bar (Pasek)
constexpr int Length = 227;     // track length
constexpr int SliderWidth = 6;  // Suwak, 6 × 12
constexpr int SliderHeight = 12;
constexpr int BarHeight = 6;
constexpr int Travel = Length - SliderWidth; // 221: slider positions 0 … 221 past the track's left
constexpr int MarkWidth = 30;   // osoba_1 … osoba_5, 30 × 14
constexpr int MarkHeight = 14;
constexpr int MarkGap = 5;
constexpr int LastMarkLeft = 315;
} // namespace PlayerTrack

// Control positions of one layout (client area and top-left corners).
struct PlayerLayout {
    QSize client;
    QPoint btnPlay, btnPause, btnStop, suwak, pasek;
    bool video = false; // IMG_Tlo and DisplayArea_MPG shown; otherwise IMG_Tlo2
};

// The video layout (360 × 363) for video files, the sound layout (360 × 74) for the rest.
PlayerLayout PlayerLayoutFor(PlaybackMode mode);

// Where DisplayArea_MPG goes in the video layout.
inline QRect PlayerDisplayArea() { return QRect(11, 22, 336, 287); }

// The slider's left edge for position p of a file n long (n > 0): the track's
// left + round(p ÷ n × 221). Positions past the end count as the end.
int SliderLeftFor(qint64 positionMs, qint64 lengthMs);

// The bar grows from the track's left edge to the middle of the slider.
inline int BarWidthFor(int sliderLeft) { return sliderLeft - PlayerTrack::Left + 3; }

// A dragged slider stays within track left − 3 … track left + 221.
int ClampSliderLeft(int left);

// Where a slider released at `sliderLeft` seeks in a file `lengthMs` long:
// round(L × (left − track left) ÷ 221), never below 0.
qint64 SeekTargetFor(int sliderLeft, qint64 lengthMs);

// Mark button k (1 … count): 12 pixels below the track's top, the buttons
// 35 pixels apart and right-aligned so that the last one starts at 315.
QRect MarkButtonRect(int k, int count, int trackTop);
