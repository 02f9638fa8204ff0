#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The names the skin library holds: the picture families the skinned controls
// fetch, and the sounds. The sample skin's generator draws exactly these names
// and the tests check a library against them.

// A face set of the G-family button pictures: face index `index` (the button's
// `GrafikaIndex`) is drawn for buttons `height` pixels high. The nine-piece
// pictures have corner c and middle m with 2c + m = height (c = 4 up to 32
// pixels, 8 above); the three-piece pictures are `height` high with c-wide ends.
struct SkinFaceSet {
    int index;
    int height;
    int corner() const { return height <= 32 ? 4 : 8; }
    int middle() const { return height - 2 * corner(); }
};

// The face sets, by index: 1 blue 32, 2 azure 32 (the message box), 3 blue 50,
// 4 blue 22, 5 blue 64, 6 blue 70 (language choice), 7 silver 22 (the
// dictionary's letters), 8 blue 80, 9 blue 100, 10 green 32.
const std::vector<SkinFaceSet>& SkinFaceSets();

// "_N", "_H", "_P", "_D": normal, hot, pressed, disabled.
const QStringList& SkinStateSuffixes();

// The tags of the "TAB_SELKO" + S + "_" + tag faces (size `rozTabka_Kestun`).
const std::vector<int>& SkinTabTags();

// The icon indices of the "DIAL_ICO_" pictures of the dialog bars.
const std::vector<int>& SkinDialogIcons();

// Every picture name of every family, each once, grouped by family.
QStringList AllSkinPictureNames();

// WAV_START, WAV_OK, WAV_ZLE, WAV_WYNIK.
QStringList SkinSoundNames();

