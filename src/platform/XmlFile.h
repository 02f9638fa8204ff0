#pragma once

#include "Failure.h"

#include <pugixml.hpp>

#include <QString>

#include <memory>

// Loading and saving the course's XML files with pugixml. The reader detects
// the encoding from the byte-order mark or the declaration (UTF-16 LE/BE,
// UTF-8), as the course files come in all three.

// Loads the file at `path` (already resolved). Failure text is the parser's
// description with its byte offset; the caller replaces it with the message
// its window names.
Expected<std::shared_ptr<pugi::xml_document>> LoadXmlFile(const QString& path);

// Parses an in-memory document (tests, generated files).
Expected<std::shared_ptr<pugi::xml_document>> ParseXml(const QByteArray& bytes);

enum class XmlEncoding { Utf16LeWithBom, Utf8 };

// Serialises `doc` without indentation and saves it crash-safely.
Status SaveXmlFile(const pugi::xml_document& doc, const QString& path,
                   XmlEncoding encoding = XmlEncoding::Utf16LeWithBom);

QByteArray SerializeXml(const pugi::xml_document& doc, XmlEncoding encoding);

// Serialises `doc` without indentation in any encoding pugixml writes, with or
// without a byte-order mark: for files saved in the encoding they came in.
QByteArray SerializeXml(const pugi::xml_document& doc, pugi::xml_encoding encoding, bool withBom);

// Text and attribute helpers converting between pugixml's UTF-8 and QString.
inline QString XmlText(const pugi::xml_node& n) { return QString::fromUtf8(n.child_value()); }
inline QString XmlAttr(const pugi::xml_node& n, const char* name)
{
    return QString::fromUtf8(n.attribute(name).value());
}

// Integer conversion with the rules of the course bindings: leading and
// trailing blanks allowed, an optional sign, decimal digits only. Anything else
// (including an empty text) is nullopt.
std::optional<int> ParseXmlInt(const char* text);
std::optional<int> ParseXmlInt(const QString& text);
