#include "GenerateSkin.h"

#include "SkinArtwork.h"
#include "SkinPictureNames.h"
#include "SkinSounds.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

Status WriteFileBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return Failure::error(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()), path);
    return {};
}

Status WritePngPicture(const QString& path, const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // for PNG: the smallest file (strongest compression)
    if (!writer.write(picture.convertToFormat(QImage::Format_ARGB32)))
        return Failure::error(QStringLiteral("cannot encode %1: %2").arg(path, writer.errorString()));
    return WriteFileBytes(path, png);
}

Status GenerateSkin(const QString& outDir)
{
    if (!QDir().mkpath(outDir))
        return Failure::error(QStringLiteral("cannot create %1").arg(outDir), outDir);
    for (const QString& name : AllSkinPictureNames()) {
        const QImage picture = DrawSkinPicture(name);
        if (picture.isNull())
            return Failure::error(QStringLiteral("no drawing for the picture %1").arg(name));
        if (Status s = WritePngPicture(outDir + u'/' + name + QStringLiteral(".png"), picture); !s.ok())
            return s;
    }
    for (const QString& name : SkinSoundNames()) {
        if (Status s = WriteFileBytes(outDir + u'/' + name + QStringLiteral(".wav"), SynthesiseSkinSound(name)); !s.ok())
            return s;
    }
    return {};
}
