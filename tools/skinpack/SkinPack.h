#pragma once

#include "Failure.h"
#include "PeModule.h"

#include <QByteArray>
#include <QString>

// Builds a skin library from a folder: every DIR/*.png becomes an RCDATA
// resource and every DIR/*.wav a resource of type "WAVE", named after the file
// in upper case (dial01_b.png → DIAL01_B); the version resource carries
// `version`. Fails, naming the file, on an unreadable file, a name that is not
// plain ASCII letters, digits and "_", two files whose names differ only in
// case, a .png that is not a PNG picture or a .wav that is not a WAVE file.
Expected<QByteArray> PackSkinFolder(const QString& dir, const PeFileVersion& version);
