#pragma once

#include "Failure.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Writes the sample skin into `outDir`: <name>.png for every name of
// AllSkinPictureNames() and <name>.wav for every name of SkinSoundNames(),
// ready for orvanta-skinpack. Needs a QGuiApplication. Fails naming the first
// picture no family draws or the first file it cannot write.
Status GenerateSkin(const QString& outDir);

// Writes `bytes` to `path`; fails naming the file.
Status WriteFileBytes(const QString& path, const QByteArray& bytes);
// Writes `picture` to `path` as the smallest PNG; fails naming the picture or file.
Status WritePngPicture(const QString& path, const QImage& picture);
