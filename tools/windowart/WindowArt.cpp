#include "WindowArt.h"

#include <QDir>
#include <QSaveFile>

std::optional<QImage> DrawWindowPicture(const QString& name)
{
    if (auto img = DrawShellWindowPicture(name))
        return img;
    return std::nullopt;
}

Status WriteWindowPictures(const QString& outDir, const QStringList& names)
{
    if (!QDir().mkpath(outDir))
        return Failure::error(QStringLiteral("Cannot create %1").arg(outDir));
    for (const QString& name : names) {
        const std::optional<QImage> img = DrawWindowPicture(name);
        if (!img)
            return Failure::error(QStringLiteral("No window picture is called %1").arg(name));
        QSaveFile f(QDir(outDir).filePath(name + QStringLiteral(".png")));
        if (!f.open(QIODevice::WriteOnly) || !img->save(&f, "PNG") || !f.commit())
            return Failure::error(QStringLiteral("Cannot write %1").arg(f.fileName()));
    }
    return {};
}
