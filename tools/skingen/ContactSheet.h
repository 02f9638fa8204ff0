#pragma once

#include "Failure.h"

#include <QString>

// Renders the pictures of a generated skin folder for a person to look at:
// <prefix>-chrome.png (title bar, dialogs, every button face in every state,
// tabs) and <prefix>-panels.png (frames, result panels, notebook, bubble,
// figures, icons), both assembled the way the controls draw them, and
// <prefix>-all.png with every picture at its own size under its name.
Status WriteContactSheets(const QString& skinDir, const QString& prefix);
