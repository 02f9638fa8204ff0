#include "Utf16Text.h"

QByteArray encodeUtf16LeWithBom(const QString& text)
{
    QByteArray out;
    out.reserve(2 + text.size() * 2);
    out.append('\xFF').append('\xFE');
    for (QChar c : text) {
        const char16_t u = c.unicode();
        out.append(char(u & 0xFF)).append(char(u >> 8));
    }
    return out;
}

QByteArray encodeUtf16LeLines(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return encodeUtf16LeWithBom(text);
}

QString decodeUtf16Le(const QByteArray& bytes)
{
    qsizetype i = 0;
    if (bytes.size() >= 2 && uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xFE)
        i = 2;
    QString out;
    out.reserve((bytes.size() - i) / 2);
    for (; i + 1 < bytes.size(); i += 2)
        out.append(QChar(char16_t(uchar(bytes[i]) | (uchar(bytes[i + 1]) << 8))));
    return out;
}
