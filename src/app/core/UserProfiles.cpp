#include "UserProfiles.h"

#include "UserFiles.h"
#include "UserLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString archiveFolder(const Installation& inst, qint32 id)
{
    return UserFilePath(inst, id, QStringLiteral("_Media_arch"));
}

QString temporaryFolder(const Installation& inst, qint32 id)
{
    return UserFilePath(inst, id, QStringLiteral("_Media_temp"));
}

Status makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir() || QDir().mkdir(path))
        return {};
    return Failure::error(QStringLiteral("Nie można utworzyć folderu %1.").arg(path), path);
}

Status checkIndex(const UserList& list, qsizetype index)
{
    if (index < 0 || index >= list.count())
        return Failure::error(QStringLiteral("Nie ma takiego profilu na liście użytkowników."));
    return {};
}

} // namespace

Status CreateDefaultConfig(const Installation& inst, qint32 id)
{
    return WriteDefaultConfigFile(inst, id);
}

Status CreateProfile(const Installation& inst, UserList& list, const TUser& user)
{
    if (user.Id < 1)
        return Failure::error(QStringLiteral("Nieprawidłowy numer profilu: %1.").arg(user.Id));
    if (list.indexOfId(user.Id) >= 0)
        return Failure::error(QStringLiteral("Profil o numerze %1 już istnieje.").arg(user.Id));
    const Expected<QByteArray> line = EncodeUserLine(user);
    if (!line)
        return line.failure();

    list.lines.append(*line);
    if (Status saved = SaveUserList(inst, list); !saved) {
        list.lines.removeLast();
        return saved;
    }

    // The profile exists from here on; report the first thing that could not be made.
    const Status steps[] = {
        WriteEmptyResultsFile(inst, user.Id),
        CreateDefaultConfig(inst, user.Id),
        makeFolder(archiveFolder(inst, user.Id)),
        makeFolder(temporaryFolder(inst, user.Id)),
    };
    for (const Status& s : steps)
        if (!s)
            return s;
    return {};
}

Status ReplaceProfile(const Installation& inst, UserList& list, qsizetype index, const TUser& user)
{
    if (Status s = checkIndex(list, index); !s)
        return s;
    TUser kept = user;
    kept.Id = list.user(index).Id;
    const Expected<QByteArray> line = EncodeUserLine(kept);
    if (!line)
        return line.failure();

    const QByteArray old = list.lines[index];
    list.lines[index] = *line;
    if (Status saved = SaveUserList(inst, list); !saved) {
        list.lines[index] = old;
        return saved;
    }
    return {};
}

bool RemoveFolderTree(const QString& path)
{
    const QFileInfo fi(path);
    if (!fi.exists() && !fi.isSymLink())
        return true;
    if (fi.isDir() && !fi.isSymLink())
        return QDir(path).removeRecursively();
    return QFile::remove(path);
}

Status RemoveProfile(const Installation& inst, UserList& list, qsizetype index,
                     const std::function<bool(const QString&)>& removeTree)
{
    if (Status s = checkIndex(list, index); !s)
        return s;
    const qint32 id = list.user(index).Id;
    const QString folders[] = {temporaryFolder(inst, id), archiveFolder(inst, id)};
    // The profile stays usable when its removal stops half-way.
    const auto restoreFolders = [&] {
        for (const QString& f : folders)
            (void)makeFolder(f);
    };

    for (const QString& folder : folders) {
        if (!removeTree(folder)) {
            restoreFolders();
            return Failure::error(QStringLiteral("Nie można usunąć folderu %1. Profil nie został usunięty.")
                                      .arg(folder),
                                  folder);
        }
    }

    const QByteArray line = list.lines.takeAt(index);
    if (Status saved = SaveUserList(inst, list); !saved) {
        list.lines.insert(index, line);
        restoreFolders();
        return saved;
    }

    for (const char* suffix : {"_stat.xml", "_config.xml", "_t_stat.xml"})
        QFile::remove(UserFilePath(inst, id, QString::fromLatin1(suffix)));
    return {};
}
