#pragma once

#include "Failure.h"

#include <QByteArray>
#include <QString>

// Replaces `path` with `bytes` crash-safely: the bytes go to a temporary file in
// the same folder, which is flushed to disk and then renamed over the old file.
// A crash or a full disk leaves either the old file or the new one, never a torn
// one. On failure the old file is untouched and the failure names the path.
Status SaveFileAtomically(const QString& path, const QByteArray& bytes);
