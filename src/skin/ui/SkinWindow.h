#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QWidget;
class TAALabel;
class TLumResButton;

// The common set-up of the program's windows: borderless, caption
// "Orvanta 6.0", a fixed size (when given).
void SetupSkinWindow(QWidget* window, QSize fixedSize = {});

// Moves a window to the middle of the primary screen:
// left = screen width / 2 − width / 2, top likewise.
void CentreOnScreen(QWidget* window);

// A smoothed white label of a standard window: `family` at `pixels` pixels,
// word-wrapped into `geometry` when `wrap`, else sized to its text at
// geometry's top-left.
TAALabel* WhiteLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& family, int pixels,
                     bool wrap, bool bold = false);

// A command button of a standard window: size class roz32, face index 2, white caption.
TLumResButton* DialogButton(QWidget* parent, const char* name, const QRect& geometry, const QString& caption);

// The close button of a dialog frame: a flat 22 × 22 nine-piece button with a
// white "X" in the bar's right end of a dialog `dialogWidth` wide; it shows
// its face only while the mouse is over it.
TLumResButton* FrameCloseButton(QWidget* parent, const char* name, int dialogWidth);
