#include "FolderSkin.h"

#include <QFile>

FolderSkin::FolderSkin(QString folder) : m_folder(std::move(folder)) {}

QImage FolderSkin::image(const QString& name) const
{
    for (const QString& file : {name, name.toLower()}) {
        const QString path = m_folder + u'/' + file + QStringLiteral(".png");
        if (!QFile::exists(path))
            continue;
        QImage img(path, "PNG");
        if (!img.isNull())
            return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}

std::optional<SkinRecord> MeasureSkinRecord(const ISkinImages& skin)
{
    const QImage d1 = skin.image(QStringLiteral("DIAL01_B"));
    const QImage d3 = skin.image(QStringLiteral("DIAL03_B"));
    const QImage d7 = skin.image(QStringLiteral("DIAL07_B"));
    const QImage d9 = skin.image(QStringLiteral("DIAL09_B"));
    if (d1.isNull() || d3.isNull() || d7.isNull() || d9.isNull())
        return std::nullopt;
    return MakeSkinRecord(&skin, d1.size(), d3.size(), d7.size(), d9.size());
}

SkinRecord MakeSkinRecord(const ISkinImages* library, QSize d1, QSize d3, QSize d7, QSize d9)
{
    SkinRecord r;
    r.library = library;
    r.Dial01Width = d1.width();
    r.Dial01Height = d1.height();
    r.Dial03Width = d3.width();
    r.Dial03Height = d3.height();
    r.Dial07Width = d7.width();
    r.Dial07Height = d7.height();
    r.Dial09Width = d9.width();
    r.Dial09Height = d9.height();
    return r;
}
