#include "SkinLibrary.h"

#include <QFile>

SkinLibrary::SkinLibrary(PeModule module) : m_module(std::move(module)) {}

Expected<std::unique_ptr<SkinLibrary>> SkinLibrary::open(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("cannot read %1: %2").arg(path, f.errorString()), path);
    if (f.size() > 256 * 1024 * 1024)
        return Failure::error(QStringLiteral("%1 is too large for a skin library").arg(path), path);
    auto module = PeModule::parse(f.readAll());
    if (!module)
        return Failure::error(module.failure().text, path);
    return std::make_unique<SkinLibrary>(std::move(module).value());
}

QImage SkinLibrary::image(const QString& name) const
{
    const QString key = name.toUpper();
    if (const QImage* cached = m_cache.object(key))
        return *cached;
    QImage decoded;
    if (const auto data = m_module.find(PeResourceId::of(PeType::RcData), PeResourceId::of(key))) {
        decoded.loadFromData(*data, "PNG");
        if (!decoded.isNull())
            decoded = std::move(decoded).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    // Missing names are remembered too (at a nominal cost), so repeated
    // fetches of a missing piece do not search again.
    const int costKb = int(std::max<qint64>(1, decoded.sizeInBytes() / 1024));
    m_cache.insert(key, new QImage(decoded), costKb);
    return decoded;
}

QByteArray SkinLibrary::sound(const QString& name) const
{
    const auto data = m_module.find(PeResourceId::of(QStringLiteral("WAVE")), PeResourceId::of(name));
    return data ? data->toByteArray() : QByteArray();
}
