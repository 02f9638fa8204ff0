#pragma once

#include "PeModuleWriter.h"

#include <QByteArray>
#include <QColor>
#include <QSet>
#include <QString>

// Small modules for the skin tests.
namespace skintest {

// A w × h PNG picture of one colour.
QByteArray png(int w, int h, QColor colour);

// A short 16-bit mono WAVE file whose samples are all `level`.
QByteArray wav(int frames, qint16 level);

// A skin library with the four blue corners (10 × 11, 12 × 13, 14 × 15, 16 × 17),
// WYKRES_05 and WYKRES_100 (different colours), the four sounds and version
// 6.0.0.1; names in `omit` are left out.
PeModuleWriter smallSkin(const QSet<QString>& omit = {});

} // namespace skintest
