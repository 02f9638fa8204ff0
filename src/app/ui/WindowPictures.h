#pragma once

#include "Failure.h"

#include <QImage>

struct Installation;

// A picture of the installation (AppDir + a tail such as "\Gfx\bg.bmp"). A
// missing or unreadable file fails with "Nie można wczytać obrazu " + the
// path; the window then keeps what it showed.
Expected<QImage> LoadInstallationPicture(const Installation& inst, const QString& winTail);
