#include "SkinPack.h"

#include "PeModuleWriter.h"
#include "WavPcm.h"

#include <QDir>
#include <QFile>
#include <QSet>

namespace {

bool plainName(const QString& s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        const bool ok = (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

Expected<QByteArray> PackSkinFolder(const QString& dir, const PeFileVersion& version)
{
    const QDir folder(dir);
    if (!folder.exists())
        return Failure::error(QStringLiteral("no folder %1").arg(dir), dir);

    PeModuleWriter writer;
    QSet<QString> seen;
    // Sorted listing: the output does not depend on the file system's order.
    const QFileInfoList files = folder.entryInfoList({"*.png", "*.PNG", "*.wav", "*.WAV"}, QDir::Files, QDir::Name);
    for (const QFileInfo& fi : files) {
        const QString path = fi.filePath();
        const QString name = fi.completeBaseName().toUpper();
        const bool picture = fi.suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
        if (!plainName(name))
            return Failure::error(QStringLiteral("%1: a resource name must be letters, digits and _").arg(path), path);
        const QString key = (picture ? QStringLiteral("P:") : QStringLiteral("W:")) + name;
        if (seen.contains(key))
            return Failure::error(QStringLiteral("%1: another file already gives the name %2").arg(path, name), path);
        seen.insert(key);

        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return Failure::error(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()), path);
        const QByteArray data = f.readAll();
        if (picture && !data.startsWith("\x89PNG\r\n\x1A\n"))
            return Failure::error(QStringLiteral("%1 is not a PNG picture").arg(path), path);
        if (!picture && !WavPcm::parse(data))
            return Failure::error(QStringLiteral("%1 is not a WAVE file this program can play").arg(path), path);

        const PeResourceId type = picture ? PeResourceId::of(PeType::RcData) : PeResourceId::of(QStringLiteral("WAVE"));
        const Status added = writer.add(type, PeResourceId::of(name), data);
        if (!added.ok())
            return Failure::error(added.failure().text, path);
    }
    writer.setVersion(version, {
                                   {QStringLiteral("FileDescription"), QStringLiteral("Orvanta 6.0 skin library")},
                                   {QStringLiteral("InternalName"), QStringLiteral("resource")},
                                   {QStringLiteral("OriginalFilename"), QStringLiteral("resource.dll")},
                                   {QStringLiteral("ProductName"), QStringLiteral("Orvanta 6.0")},
                               });
    return writer.build();
}
