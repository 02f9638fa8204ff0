#pragma once

#include "ISkinImages.h"

#include <QImage>

// Paints every skinned control in each of its states (buttons of every size
// class normal, hot, pressed, disabled, down and flat; check boxes checked and
// not, plain and hot; every chart step; every frame style; the title bars; the
// dialog frames; each kind of message box; hint, scroll bars, lists) into one
// contact sheet.
QImage RenderGallery(const SkinRecord& skin);
