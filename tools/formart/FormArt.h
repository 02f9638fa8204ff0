#pragma once

#include "Failure.h"

#include <QImage>
#include <QString>
#include <QStringList>

// The pictures the course windows keep with their layouts (the navigation
// form's glyphs, the table of contents' rows, kind icons, level marks and
// result bars, the help window's pictures) and the shell's windows (the login
// list's highlight and icons, check boxes, entry pictures, flags), drawn in
// the sample skin's style.
// They are compiled into the program as Qt resources under ":/forms/".

// Every picture name, in a fixed order.
QStringList FormPictureNames();

// The picture `name`; a null image for a name outside FormPictureNames().
// Needs a QGuiApplication. Deterministic: no text, no randomness.
QImage DrawFormPicture(const QString& name);

// Writes <name>.png for every name into `outDir` and a resource collection
// `qrcFile` that lists them under the prefix "/forms" (paths relative to the
// collection's folder). Fails naming the first file it cannot write.
Status GenerateFormPictures(const QString& outDir, const QString& qrcFile);
