#include "GenerateSkin.h"

#include "SkinArtwork.h"
#include "SkinPictureNames.h"
#include "SkinSounds.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

static Status writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        return Failure::error(QStringLiteral("cannot write %1: %2").arg(path, f.errorString()), path);
    return {};
}

Status GenerateSkin(const QString& outDir)
{
    if (!QDir().mkpath(outDir))
        return Failure::error(QStringLiteral("cannot create %1").arg(outDir), outDir);
    for (const QString& name : AllSkinPictureNames()) {
        const QImage picture = DrawSkinPicture(name);
        if (picture.isNull())
            return Failure::error(QStringLiteral("no drawing for the picture %1").arg(name));
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "png");
        writer.setQuality(0); // for PNG: the smallest file (strongest compression)
        if (!writer.write(picture.convertToFormat(QImage::Format_ARGB32)))
            return Failure::error(QStringLiteral("cannot encode %1: %2").arg(name, writer.errorString()));
        if (Status s = writeFile(outDir + u'/' + name + QStringLiteral(".png"), png); !s.ok())
            return s;
    }
    for (const QString& name : SkinSoundNames()) {
        if (Status s = writeFile(outDir + u'/' + name + QStringLiteral(".wav"), SynthesiseSkinSound(name)); !s.ok())
            return s;
    }
    return {};
}
