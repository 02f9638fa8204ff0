#include "AnsiText.h"

#include <QFile>
#include <QHash>

namespace {

// Windows-1250 (Central European) code points of bytes 0x80..0xFF; U+FFFD marks
// the five bytes the code page leaves undefined.
constexpr char16_t kHigh[128] = {
    0x20AC, 0xFFFD, 0x201A, 0xFFFD, 0x201E, 0x2026, 0x2020, 0x2021,
    0xFFFD, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const QHash<char16_t, char>& reverseTable()
{
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 128; ++i)
            if (kHigh[i] != 0xFFFD)
                t.insert(kHigh[i], char(0x80 + i));
        return t;
    }();
    return table;
}

} // namespace

QString decodeAnsi(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b < 0x80 ? QChar(b) : QChar(kHigh[b - 0x80]));
    }
    return out;
}

std::optional<QByteArray> encodeAnsi(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    const auto& rev = reverseTable();
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            out.append(char(u));
            continue;
        }
        auto it = rev.constFind(u);
        if (it == rev.constEnd())
            return std::nullopt;
        out.append(*it);
    }
    return out;
}

QByteArray encodeAnsiLossy(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    const auto& rev = reverseTable();
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80)
            out.append(char(u));
        else
            out.append(rev.value(u, '?'));
    }
    return out;
}

bool isAnsiRepresentable(const QString& text)
{
    return encodeAnsi(text).has_value();
}

QList<QByteArray> splitByteLines(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = bytes.at(i);
        if (c == '\r' || c == '\n') {
            lines.append(bytes.mid(start, i - start));
            if (c == '\r' && i + 1 < n && bytes.at(i + 1) == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(bytes.mid(start));
    return lines;
}

QStringList splitAnsiLines(const QByteArray& bytes)
{
    // CR and LF are single bytes in Windows-1250, so splitting before decoding
    // gives the same lines.
    QStringList lines;
    for (const QByteArray& line : splitByteLines(bytes))
        lines.append(decodeAnsi(line));
    return lines;
}

std::optional<QStringList> readAnsiLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitAnsiLines(f.readAll());
}
