#pragma once

#include <QImage>

// The pictures the player window keeps with itself (its backgrounds, the
// slider, the track, the bar's three pieces, the mark buttons and the button
// glyphs), drawn here in the sample skin's blue and white.
namespace MediaPictures {
QImage VideoBackground();  // IMG_Tlo, 360 × 363
QImage SoundBackground();  // IMG_Tlo2, 360 × 74
QImage Slider();           // Suwak, 6 × 12
QImage Track();            // Pasek_Tlo, 227 × 6
QImage BarLeft();          // P1
QImage BarMiddle();        // P2
QImage BarRight();         // P3
QImage Mark(int k);        // osoba_k, 30 × 14, with the number k
QImage PlayGlyph();        // 38 × 38
QImage PauseGlyph();       // 28 × 28
QImage StopGlyph();        // 28 × 28
QImage CloseGlyph();       // 34 × 18
} // namespace MediaPictures
