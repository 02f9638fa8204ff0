#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The course's 8-bit "ANSI" text files are in Windows-1250 (Central European).

// Decodes Windows-1250 bytes; the five undefined bytes become U+FFFD.
QString decodeAnsi(const QByteArray& bytes);

// Encodes into Windows-1250; nullopt when a character has no byte in the code page.
std::optional<QByteArray> encodeAnsi(const QString& text);

// Encodes into Windows-1250, writing '?' for characters the code page lacks.
QByteArray encodeAnsiLossy(const QString& text);

bool isAnsiRepresentable(const QString& text);

// Splits bytes into lines at CR LF, CR or LF, without decoding them; a final line
// without a line break still counts, a trailing break adds no line.
QList<QByteArray> splitByteLines(const QByteArray& bytes);

// Splits decoded text into lines at CR LF, CR or LF, as a text-file reader does;
// a final line without a line break still counts, a trailing break adds no line.
QStringList splitAnsiLines(const QByteArray& bytes);

// Reads a whole ANSI text file as lines; nullopt when it cannot be opened.
std::optional<QStringList> readAnsiLines(const QString& path);
