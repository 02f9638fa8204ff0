#include "XmlFile.h"

#include "SafeSave.h"

#include <QFile>

#include <charconv>
#include <cctype>
#include <cstring>

Expected<std::shared_ptr<pugi::xml_document>> ParseXml(const QByteArray& bytes)
{
    auto doc = std::make_shared<pugi::xml_document>();
    const pugi::xml_parse_result r = doc->load_buffer(bytes.constData(), size_t(bytes.size()),
                                                      pugi::parse_default, pugi::encoding_auto);
    if (!r)
        return Failure::error(QStringLiteral("%1 (offset %2)").arg(QString::fromUtf8(r.description())).arg(r.offset));
    return doc;
}

Expected<std::shared_ptr<pugi::xml_document>> LoadXmlFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return Failure::error(QStringLiteral("cannot open %1").arg(path), path);
    auto r = ParseXml(f.readAll());
    if (!r.ok()) {
        Failure fail = r.failure();
        fail.file = path;
        return fail;
    }
    return r;
}

namespace {
struct ByteWriter final : pugi::xml_writer {
    QByteArray out;
    void write(const void* data, size_t size) override { out.append(static_cast<const char*>(data), qsizetype(size)); }
};
} // namespace

QByteArray SerializeXml(const pugi::xml_document& doc, pugi::xml_encoding encoding, bool withBom)
{
    ByteWriter w;
    doc.save(w, "", pugi::format_raw | (withBom ? pugi::format_write_bom : 0u), encoding);
    return w.out;
}

QByteArray SerializeXml(const pugi::xml_document& doc, XmlEncoding encoding)
{
    if (encoding == XmlEncoding::Utf16LeWithBom)
        return SerializeXml(doc, pugi::encoding_utf16_le, true);
    return SerializeXml(doc, pugi::encoding_utf8, false);
}

Status SaveXmlFile(const pugi::xml_document& doc, const QString& path, XmlEncoding encoding)
{
    return SaveFileAtomically(path, SerializeXml(doc, encoding));
}

std::optional<int> ParseXmlInt(const char* text)
{
    if (!text)
        return std::nullopt;
    const char* b = text;
    const char* e = text + std::strlen(text);
    while (b < e && std::isspace(static_cast<unsigned char>(*b)))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(e[-1])))
        --e;
    if (b < e && *b == '+')
        ++b;
    if (b == e)
        return std::nullopt;
    int v = 0;
    const auto [p, ec] = std::from_chars(b, e, v);
    if (ec != std::errc() || p != e)
        return std::nullopt;
    return v;
}

std::optional<int> ParseXmlInt(const QString& text)
{
    return ParseXmlInt(text.toUtf8().constData());
}
