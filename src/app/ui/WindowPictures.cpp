#include "WindowPictures.h"

#include "Installation.h"

Expected<QImage> LoadInstallationPicture(const Installation& inst, const QString& winTail)
{
    const QString path = inst.path(winTail);
    QImage img(path);
    if (img.isNull())
        return Failure::error(QStringLiteral("Nie można wczytać obrazu ") + inst.appDir + winTail, path);
    return img;
}
