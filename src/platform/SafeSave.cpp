#include "SafeSave.h"

#include <QFileInfo>
#include <QSaveFile>

Status SaveFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return Failure::error(QStringLiteral("Nie można zapisać pliku %1 (%2).").arg(path, f.errorString()), path);
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return Failure::error(QStringLiteral("Nie można zapisać pliku %1 (%2).").arg(path, f.errorString()), path);
    }
    if (!f.commit())
        return Failure::error(QStringLiteral("Nie można zapisać pliku %1 (%2).").arg(path, f.errorString()), path);
    return {};
}
