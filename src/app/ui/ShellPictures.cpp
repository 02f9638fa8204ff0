#include "ShellPictures.h"

#include <QHash>

QImage ShellPicture(const QString& name)
{
    // Decoded once; the windows ask again at every paint.
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(name);
    if (it != cache.constEnd())
        return *it;
    QImage img(QStringLiteral(":/shell/") + name + QStringLiteral(".png"));
    if (!img.isNull())
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cache.insert(name, img);
    return img;
}
