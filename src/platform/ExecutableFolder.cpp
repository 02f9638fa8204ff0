#include "ExecutableFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

static QString folderOf(const QString& file)
{
    // cleanPath removes "." and ".." by text, without resolving links
    return QDir::cleanPath(QFileInfo(file).absolutePath());
}

QString ExecutableFolder(const char* argv0, const QString& startFolder, const QByteArray& pathVariable,
                         const QString& runningImage)
{
    const QString started = argv0 ? QFile::decodeName(argv0) : QString();
    if (started.contains(u'/')) {
        const QString full = QDir::isAbsolutePath(started) ? started : startFolder + u'/' + started;
        if (QFileInfo::exists(full))
            return folderOf(QDir::cleanPath(full));
    } else if (!started.isEmpty()) {
        for (const QByteArray& dir : pathVariable.split(':')) {
            const QString folder = dir.isEmpty() ? startFolder : QFile::decodeName(dir);
            const QString candidate = folder + u'/' + started;
            const QFileInfo fi(candidate);
            if (fi.exists() && fi.isFile() && fi.isExecutable())
                return folderOf(QDir::isAbsolutePath(candidate) ? candidate : startFolder + u'/' + candidate);
        }
    }
    return folderOf(runningImage);
}

QString ExecutableFolder(const char* argv0)
{
    return ExecutableFolder(argv0, QDir::currentPath(), qgetenv("PATH"),
                            QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget());
}
