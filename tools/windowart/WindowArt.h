#pragma once

#include "Failure.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

// The pictures the program's windows keep with themselves (icons, glyphs,
// arrows, entry pictures, flags), drawn in the sample skin's style. The build
// runs orvanta-windowart to write them as PNG files, which are compiled into
// the program as Qt resources; the windows load them by name.

// The shell's windows: login, profile, password, main and settings windows.
std::optional<QImage> DrawShellWindowPicture(const QString& name);
QStringList ShellWindowPictureNames();

// Any window picture by name; nothing for an unknown name.
std::optional<QImage> DrawWindowPicture(const QString& name);

// Writes <name>.png into `outDir` for each name; fails naming the first
// unknown name or file that cannot be written.
Status WriteWindowPictures(const QString& outDir, const QStringList& names);
