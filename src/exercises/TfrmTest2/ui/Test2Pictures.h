#pragma once

#include <QImage>

// The answer list's three icons, kept with the window's layout rather than in
// the skin library: a row to pick, the correct row, a wrongly picked row.
// Drawn once (20 x 20, transparent background) and kept for the run.
QImage OdpIcon();
QImage OdpIconOK();
QImage OdpIconWrong();
