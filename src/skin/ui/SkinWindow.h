#pragma once

#include <QSize>

class QWidget;

// The common set-up of the program's windows: borderless, caption
// "Orvanta 6.0", a fixed size (when given).
void SetupSkinWindow(QWidget* window, QSize fixedSize = {});

// Moves a window to the middle of the primary screen:
// left = screen width / 2 − width / 2, top likewise.
void CentreOnScreen(QWidget* window);
