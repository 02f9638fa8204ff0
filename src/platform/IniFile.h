#pragma once

#include <QString>

// Reads one value of a Windows INI file with the Windows rules: section and key
// names compare case-insensitively, the value is trimmed of surrounding blanks,
// the first matching key of the first matching section wins, and a missing file,
// section or key gives `defaultValue`. Lines starting with ';' are comments.
// The file is read as Windows-1250 text (UTF-8 when it starts with a UTF-8 BOM).
QString ReadIniString(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue = {});
