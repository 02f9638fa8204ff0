#pragma once

#include <QImage>
#include <QString>

#include <optional>

// The families of form pictures, one drawing file each; each returns nothing
// for a name outside its family.
std::optional<QImage> DrawGlyphPicture(const QString& name); // IMG_* glyphs, the help window's pictures
std::optional<QImage> DrawRowPicture(const QString& name);   // rows, books, plus/minus, level marks, result bars, scroll bar
std::optional<QImage> DrawKindIcon(const QString& name);     // Typ_* and Typ_g_*
std::optional<QImage> DrawShellPicture(const QString& name); // login, profile, main and settings windows

// The names DrawShellPicture draws, in order.
QStringList ShellPictureNames();

// The exercise kinds and container names that get icons, in order.
QStringList KindIconSuffixes();
