#pragma once

#include "ISkinImages.h"

class QWidget;

// Gives the skin to the skinned controls of one window: the library to every
// TLumResButton (except a rozUndefined one), TLumBelka, TLumGroupFrame,
// TLumZeszytStatystyki, TLumProgress, TLum3ObrazkiFrame and TLumDymek, and the
// whole record to TLumDialogWindow and TLumMsgBoxWindow. Classes are matched by
// their exact name, so a class derived from one of these receives nothing.
// Call when the window has been built, and again after adding controls.
void ApplySkin(QWidget* window, const SkinRecord& skin);
