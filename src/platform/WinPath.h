#pragma once

#include <QString>

// The course builds its paths the Windows way: AppDir + "\Dane\" + name. These
// helpers turn such a path into one the Linux file system understands.
//
// Backslashes become slashes and repeated separators collapse. When the exact
// path does not exist, each missing component is matched case-insensitively
// against its folder's entries (course folders authored on Windows spell names
// in any case); the first folder entry that matches wins. A path that still
// cannot be found is returned with its unmatched tail as written, so callers'
// existence checks fail as they should.
QString ResolveWinPath(const QString& path);

// Joins `base` and a tail such as "\Config\cfg.ini" and resolves the result.
QString WinJoin(const QString& base, const QString& tail);

bool WinFileExists(const QString& path);   // a regular file (after resolving)
bool WinDirExists(const QString& path);    // a folder (after resolving)

// The last component of a path written with either separator.
QString WinFileName(const QString& path);
