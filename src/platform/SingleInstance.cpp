#include "SingleInstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

QString SingleInstanceLock::defaultFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(QFile::decodeName(runtime)).exists())
        return QFile::decodeName(runtime);
    return QDir::tempPath();
}

SingleInstanceLock::SingleInstanceLock(const QString& name, const QString& folder)
{
    QString dir = folder;
    QString file = name + QStringLiteral(".lock");
    if (dir.isEmpty()) {
        dir = defaultFolder();
        // The temporary folder is shared by every user: one lock per user.
        if (qgetenv("XDG_RUNTIME_DIR").isEmpty() || dir == QDir::tempPath())
            file = name + QStringLiteral("-%1.lock").arg(::getuid());
    }
    m_path = QDir(dir).filePath(file);
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        m_acquired = true; // nowhere to keep a lock: let the program run
        return;
    }
    int r;
    do {
        r = ::flock(m_fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    m_acquired = r == 0;
}

SingleInstanceLock::~SingleInstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}
