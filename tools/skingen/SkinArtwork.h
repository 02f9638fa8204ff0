#pragma once

#include <QImage>
#include <QString>

// The sample skin's picture `name` (any name of AllSkinPictureNames()); a null
// image for a name no family draws. Needs a QGuiApplication.
QImage DrawSkinPicture(const QString& name);
