#pragma once

#include <QByteArray>
#include <QString>

// The sample skin's sound `name` as a WAVE file (16-bit mono, 22050 Hz):
// WAV_START a rising four-note chime, WAV_OK a bright two-note ding, WAV_ZLE a
// low double buzz, WAV_WYNIK a short arpeggio into a chord. Empty for any
// other name. The samples are computed, so every run gives the same bytes.
QByteArray SynthesiseSkinSound(const QString& name);
