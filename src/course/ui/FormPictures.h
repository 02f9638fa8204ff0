#pragma once

#include "PictureScrollBar.h"

#include <QImage>
#include <QString>

class TLumResButton;

// The pictures the course windows keep with their layouts (the navigation
// form's IMG_* glyphs, the table of contents' rows and icons, the help
// window's pictures). They are drawn at build time and compiled into the
// program; see tools/formart.

// The picture `name` ("IMG_Help", "Typ_g_31", ...); a null image for a name
// that has no picture. Loaded once and kept for the run.
QImage FormPicture(const QString& name);

// The picture scroll bar of the course and shell windows: the "SB_*" form
// pictures, turned a quarter for a horizontal bar.
ScrollBarPictures FormScrollBarPictures(bool horizontal = false);

// Copies the picture `imageName` into `button` as its normal (state 1), hot
// (state 2) or pressed (state 3) glyph. Any other state, or a name without a
// picture, leaves the button as it is.
void SetButtonGlyph(TLumResButton* button, const QString& imageName, int state);

// The glyphs of a close or minimise button: `prefix` + "_N" (normal), "_H"
// (hot) and "_D" (pressed), e.g. "IMG_Close".
void SetWindowButtonGlyphs(TLumResButton* button, const QString& prefix);

// Minimises every visible top-level window of the program: the learner sees
// the desktop, as when the application is minimised.
void MinimizeApplication();
