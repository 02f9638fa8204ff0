#pragma once

#include <QString>

// The lock that keeps a second copy of the program from starting. It is an
// exclusive flock on a file named after the lock in the user's runtime folder
// (XDG_RUNTIME_DIR, else the temporary folder with the user id in the name).
// The kernel drops the lock when the process ends in any way, so a crash never
// blocks the next start; the file itself is left behind and reused.
class SingleInstanceLock final {
public:
    // Tries to take the lock `name` in `folder` (empty: the runtime folder).
    SingleInstanceLock(const QString& name, const QString& folder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    // False when another process (or another lock object) holds it. A lock
    // file that cannot be created at all counts as taken by nobody: the
    // program starts rather than refusing to run.
    bool acquired() const { return m_acquired; }
    const QString& path() const { return m_path; }

    // The folder used when none is given.
    static QString defaultFolder();

private:
    QString m_path;
    int m_fd = -1;
    bool m_acquired = false;
};
