#pragma once

#include "Failure.h"
#include "Installation.h"

#include <QString>

// Paths and the freshly created contents of a learner's files under AppDir\Users.

// AppDir\Users\<id><suffix>, e.g. UserFilePath(inst, 7, "_stat.xml").
QString UserFilePath(const Installation& inst, int userId, const QString& suffix);

// The empty results file: FF FE, then `<?xml version="1.0"?><cwiczenia></cwiczenia>`
// and CR LF, all UTF-16 LE.
QByteArray EmptyResultsFileBytes();

// The default settings file: FF FE, then the 14 lines of the default <config>,
// each followed by CR LF, all UTF-16 LE.
QByteArray DefaultConfigFileBytes();

// Write those files for `userId`, crash-safely.
Status WriteEmptyResultsFile(const Installation& inst, int userId);
Status WriteDefaultConfigFile(const Installation& inst, int userId);
