#pragma once

#include <QString>
#include <QStringList>

// Makes the Windows font families the windows are laid out for available:
// registers the Tahoma clone (regular and bold) from `tahomaFolder` and gives
// Trebuchet MS, Verdana, Times New Roman, Georgia, Courier New, Arial and MS
// Sans Serif their closest installed substitutes (metric-compatible Liberation
// faces where there is one, DejaVu Sans for the wide Verdana and DejaVu Serif
// for the wide Georgia), all covering Polish letters.
// When the clone cannot be registered, Tahoma falls back to DejaVu Sans
// Condensed. Call after the application object exists and before any window.
// Returns the families that were registered.
QStringList InstallSkinFonts(const QString& tahomaFolder = QStringLiteral("/usr/share/wine/fonts"));

// The default font of the controls: Tahoma 8 points.
QString DefaultSkinFamily();
