#pragma once

#include <QString>

// The folder the program was started from, without a trailing separator.
//
// Symbolic links are not followed: an installation folder may hold a link to
// the program built elsewhere, and the installation is where the link is. So
// the answer comes from the path the program was started by (argv[0]): a path
// with a "/" is taken relative to the working folder at start, a bare name is
// looked up in PATH. Only when neither names an existing file does the
// kernel's path of the running image (/proc/self/exe, links resolved) count.
QString ExecutableFolder(const char* argv0, const QString& startFolder, const QByteArray& pathVariable,
                         const QString& runningImage);

// The same for this process: argv[0], the current folder, $PATH, /proc/self/exe.
QString ExecutableFolder(const char* argv0);
