#pragma once

#include "Failure.h"

#include <QString>

// Writes the sample skin into `outDir`: <name>.png for every name of
// AllSkinPictureNames() and <name>.wav for every name of SkinSoundNames(),
// ready for orvanta-skinpack. Needs a QGuiApplication. Fails naming the first
// picture no family draws or the first file it cannot write.
Status GenerateSkin(const QString& outDir);
