#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// UTF-16 little-endian text with the byte-order mark FF FE, the form of the
// per-user XML files and the dictionary file.

// FF FE followed by the text in UTF-16 LE.
QByteArray encodeUtf16LeWithBom(const QString& text);

// The lines joined, each followed by CR LF, all in UTF-16 LE after FF FE.
QByteArray encodeUtf16LeLines(const QStringList& lines);

// Decodes UTF-16 LE, skipping a leading FF FE; an odd final byte is dropped.
QString decodeUtf16Le(const QByteArray& bytes);
