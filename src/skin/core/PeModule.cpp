#include "PeModule.h"

#include <QStringList>

#include <algorithm>

namespace {

// Little-endian reads that refuse to leave the buffer. Offsets are 64-bit so
// that an offset plus a length taken from the file cannot wrap around.
class Bytes {
public:
    explicit Bytes(QByteArrayView v) : m_v(v) {}

    qint64 size() const { return m_v.size(); }
    bool has(qint64 offset, qint64 length) const
    {
        return offset >= 0 && length >= 0 && offset <= size() && length <= size() - offset;
    }
    std::optional<quint16> u16(qint64 offset) const
    {
        if (!has(offset, 2))
            return std::nullopt;
        const auto* p = reinterpret_cast<const uchar*>(m_v.data() + offset);
        return quint16(p[0] | (p[1] << 8));
    }
    std::optional<quint32> u32(qint64 offset) const
    {
        if (!has(offset, 4))
            return std::nullopt;
        const auto* p = reinterpret_cast<const uchar*>(m_v.data() + offset);
        return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
    }
    QByteArrayView view(qint64 offset, qint64 length) const { return m_v.sliced(offset, length); }

private:
    QByteArrayView m_v;
};

Failure notPe(const QString& why)
{
    return Failure::error(QStringLiteral("not a PE module: %1").arg(why));
}

constexpr quint32 HighBit = 0x80000000u;

} // namespace

PeResourceId PeResourceId::of(const QString& s)
{
    if (s.size() > 1 && s.size() <= 6 && s.front() == u'#') {
        bool ok = false;
        const uint n = QStringView(s).mid(1).toUInt(&ok);
        if (ok && n <= 0xFFFF && s.at(1).isDigit())
            return of(quint16(n));
    }
    return PeResourceId{0, s};
}

QString PeResourceId::key() const
{
    return isNamed() ? name.toUpper() : QStringLiteral("#%1").arg(number);
}

Expected<PeModule> PeModule::parse(QByteArray bytes)
{
    PeModule m;
    m.m_bytes = std::move(bytes);
    const Bytes b(m.m_bytes);

    if (b.size() < 64 || m.m_bytes.at(0) != 'M' || m.m_bytes.at(1) != 'Z')
        return notPe(QStringLiteral("no MZ header"));
    const qint64 pe = *b.u32(0x3C);
    if (!b.has(pe, 24) || *b.u32(pe) != 0x00004550u) // "PE\0\0"
        return notPe(QStringLiteral("no PE signature"));

    const quint16 sectionCount = *b.u16(pe + 6);
    const quint16 optionalSize = *b.u16(pe + 20);
    const qint64 opt = pe + 24;
    if (!b.has(opt, optionalSize) || optionalSize < 2)
        return notPe(QStringLiteral("optional header outside the file"));

    // Where the data directories start differs between PE32 and PE32+.
    qint64 dirOffset = 0;
    switch (*b.u16(opt)) {
    case 0x10B: dirOffset = 96; break;
    case 0x20B: dirOffset = 112; break;
    default: return notPe(QStringLiteral("unknown optional header"));
    }

    const qint64 sections = opt + optionalSize;
    if (!b.has(sections, qint64(sectionCount) * 40))
        return notPe(QStringLiteral("section table outside the file"));
    for (int i = 0; i < sectionCount; ++i) {
        const qint64 s = sections + qint64(i) * 40;
        m.m_sections.push_back({*b.u32(s + 12), *b.u32(s + 8), *b.u32(s + 16), *b.u32(s + 20)});
    }

    // The resource directory is data directory 2; a module without one is a
    // valid module without resources.
    const qint64 rvaCount = optionalSize >= dirOffset ? *b.u32(opt + dirOffset - 4) : 0;
    if (rvaCount < 3 || optionalSize < dirOffset + 3 * 8)
        return m;
    const quint32 rsrcRva = *b.u32(opt + dirOffset + 16);
    if (rsrcRva == 0)
        return m;
    const auto mapped = m.mapRva(rsrcRva);
    if (!mapped)
        return m;
    // The recorded directory size is not trusted (some linkers record less than
    // the tree); the section's file data from the tree's start is what may be read.
    m.indexResources(mapped->first, mapped->second);
    return m;
}

std::optional<std::pair<qint64, qint64>> PeModule::mapRva(quint32 rva) const
{
    for (const Section& s : m_sections) {
        const qint64 extent = std::max(s.virtualSize, s.rawSize);
        if (rva < s.virtualAddress || qint64(rva) - s.virtualAddress >= extent)
            continue;
        const qint64 delta = qint64(rva) - s.virtualAddress;
        if (delta >= s.rawSize)
            return std::nullopt; // in the section's memory image but not in the file
        const qint64 offset = qint64(s.rawOffset) + delta;
        if (offset >= m_bytes.size())
            return std::nullopt;
        const qint64 avail = std::min<qint64>(qint64(s.rawSize) - delta, m_bytes.size() - offset);
        return std::make_pair(offset, avail);
    }
    return std::nullopt;
}

void PeModule::indexResources(qint64 rsrcOffset, qint64 rsrcSize)
{
    // The tree as a window of the file: every offset inside it is relative to
    // its start and checked against its size.
    const Bytes all(m_bytes);
    const Bytes tree(QByteArrayView(m_bytes).sliced(rsrcOffset, rsrcSize));

    // Reads an entry's id: a number, or a string at an offset in the tree.
    auto readId = [&](quint32 raw) -> std::optional<PeResourceId> {
        if (!(raw & HighBit))
            return PeResourceId::of(quint16(raw & 0xFFFF));
        const qint64 at = raw & ~HighBit;
        const auto length = tree.u16(at);
        if (!length || *length == 0 || !tree.has(at + 2, qint64(*length) * 2))
            return std::nullopt;
        const QByteArrayView chars = tree.view(at + 2, qint64(*length) * 2);
        QString s(*length, Qt::Uninitialized);
        for (int i = 0; i < *length; ++i)
            s[i] = QChar(quint16(uchar(chars[2 * i]) | (uchar(chars[2 * i + 1]) << 8)));
        return PeResourceId::of(s);
    };

    // Calls `visit(id, offsetField)` for each entry of the directory table at
    // `at`; tables or entries outside the tree are skipped.
    qint64 entriesSeen = 0;
    const qint64 entryBudget = qint64(MaxResources) * 4;
    auto forEachEntry = [&](qint64 at, auto&& visit) {
        const auto named = tree.u16(at + 12);
        const auto numbered = tree.u16(at + 14);
        if (!named || !numbered)
            return;
        const qint64 count = qint64(*named) + *numbered;
        for (qint64 i = 0; i < count && entriesSeen < entryBudget; ++i, ++entriesSeen) {
            const qint64 e = at + 16 + i * 8;
            const auto nameField = tree.u32(e);
            const auto offsetField = tree.u32(e + 4);
            if (!nameField || !offsetField)
                return;
            visit(*nameField, *offsetField);
        }
    };

    forEachEntry(0, [&](quint32 typeField, quint32 typeOffset) {
        const auto type = readId(typeField);
        if (!type || !(typeOffset & HighBit))
            return;
        forEachEntry(typeOffset & ~HighBit, [&](quint32 nameField, quint32 nameOffset) {
            const auto name = readId(nameField);
            if (!name || !(nameOffset & HighBit))
                return;
            forEachEntry(nameOffset & ~HighBit, [&](quint32 langField, quint32 dataOffset) {
                // A language entry must lead to a data entry, never to a table.
                if ((dataOffset & HighBit) || (langField & HighBit) || int(m_resources.size()) >= MaxResources)
                    return;
                const auto dataRva = tree.u32(dataOffset);
                const auto dataSize = tree.u32(qint64(dataOffset) + 4);
                if (!dataRva || !dataSize)
                    return;
                const auto where = mapRva(*dataRva);
                if (!where || *dataSize > where->second || !all.has(where->first, *dataSize))
                    return;
                m_resources.push_back({*type, *name, quint16(langField), where->first, qint64(*dataSize)});
                const QString key = type->key() + u'/' + name->key();
                if (!m_index.contains(key))
                    m_index.insert(key, int(m_resources.size()) - 1);
            });
        });
    });
}

std::optional<QByteArrayView> PeModule::find(const PeResourceId& type, const PeResourceId& name) const
{
    const auto it = m_index.constFind(type.key() + u'/' + name.key());
    if (it == m_index.constEnd())
        return std::nullopt;
    const PeResource& r = m_resources[*it];
    return QByteArrayView(m_bytes).sliced(r.fileOffset, r.size);
}

std::optional<PeFileVersion> PeModule::fileVersion() const
{
    for (const PeResource& r : m_resources) {
        if (!r.type.isNamed() && r.type.number == PeType::Version)
            return ParseVersionInfo(QByteArrayView(m_bytes).sliced(r.fileOffset, r.size));
    }
    return std::nullopt;
}

std::optional<PeFileVersion> ParseVersionInfo(QByteArrayView block)
{
    // VS_VERSIONINFO: wLength, wValueLength, wType, the key "VS_VERSION_INFO"
    // in UTF-16 with its terminator, padding to 32 bits, VS_FIXEDFILEINFO.
    const Bytes b(block);
    const auto length = b.u16(0);
    const auto valueLength = b.u16(2);
    if (!length || !valueLength || *length > b.size() || *valueLength < 52)
        return std::nullopt;
    const Bytes node(block.first(*length));
    qint64 at = 6;
    while (true) {
        const auto c = node.u16(at);
        if (!c)
            return std::nullopt;
        at += 2;
        if (*c == 0)
            break;
    }
    at = (at + 3) & ~qint64(3);
    const auto signature = node.u32(at);
    const auto ms = node.u32(at + 8);
    const auto ls = node.u32(at + 12);
    if (!signature || *signature != 0xFEEF04BDu || !ms || !ls)
        return std::nullopt;
    return PeFileVersion{quint16(*ms >> 16), quint16(*ms & 0xFFFF), quint16(*ls >> 16), quint16(*ls & 0xFFFF)};
}

std::optional<PeFileVersion> ParseFileVersion(const QString& text)
{
    const QStringList parts = text.split(u'.');
    if (parts.size() != 4)
        return std::nullopt;
    PeFileVersion v{};
    for (int i = 0; i < 4; ++i) {
        const QString& p = parts[i];
        if (p.isEmpty() || p.size() > 5 || std::any_of(p.begin(), p.end(), [](QChar c) { return c < u'0' || c > u'9'; }))
            return std::nullopt;
        const uint n = p.toUInt();
        if (n > 0xFFFF)
            return std::nullopt;
        v[i] = quint16(n);
    }
    return v;
}
