#include "PeModuleWriter.h"

#include <QHash>

namespace {

void put16(QByteArray& b, qint64 at, quint32 v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
}

void put32(QByteArray& b, qint64 at, quint32 v)
{
    put16(b, at, v & 0xFFFF);
    put16(b, at + 2, v >> 16);
}

void append16(QByteArray& b, quint32 v)
{
    b.append(char(v & 0xFF));
    b.append(char((v >> 8) & 0xFF));
}

void appendUtf16z(QByteArray& b, const QString& s)
{
    for (QChar c : s)
        append16(b, c.unicode());
    append16(b, 0);
}

void padTo(QByteArray& b, qint64 alignment)
{
    while (b.size() % alignment)
        b.append('\0');
}

qint64 alignUp(qint64 v, qint64 alignment)
{
    return (v + alignment - 1) / alignment * alignment;
}

constexpr quint32 HighBit = 0x80000000u;
constexpr quint32 FileAlignment = 0x200;
constexpr quint32 SectionAlignment = 0x1000;
constexpr quint32 ImageBase = 0x10000000;
constexpr qint64 PeOffset = 0x80;
constexpr qint64 CoffOffset = PeOffset + 4;
constexpr qint64 OptionalOffset = CoffOffset + 20;
constexpr quint16 OptionalSize = 224; // PE32 with 16 data directories
constexpr qint64 SectionTableOffset = OptionalOffset + OptionalSize;
constexpr qint64 HeadersSize = 0x200;  // rounded up to the file alignment
constexpr quint32 SectionRva = 0x1000; // the first page after the headers

// The 64-byte real-mode stub every Windows linker puts after the MZ header.
const char DosStub[] =
    "\x0E\x1F\xBA\x0E\x00\xB4\x09\xCD\x21\xB8\x01\x4C\xCD\x21"
    "This program cannot be run in DOS mode.\r\r\n$";

// One entry of VS_VERSIONINFO: header, key, value and children, each child
// starting on a 32-bit boundary. wLength excludes the padding after the last child.
QByteArray versionNode(const QString& key, quint16 type, const QByteArray& value, quint16 valueLength,
                       const QList<QByteArray>& children = {})
{
    QByteArray b(6, '\0');
    appendUtf16z(b, key);
    padTo(b, 4);
    b += value;
    for (const QByteArray& child : children) {
        padTo(b, 4);
        b += child;
    }
    put16(b, 0, quint32(b.size()));
    put16(b, 2, valueLength);
    put16(b, 4, type);
    return b;
}

// Sums the file as 16-bit words with end-around carry, skipping the checksum
// field, and adds the file length: the image checksum of the PE format.
quint32 imageChecksum(const QByteArray& file, qint64 checksumOffset)
{
    quint64 sum = 0;
    for (qint64 i = 0; i + 1 < file.size(); i += 2) {
        if (i >= checksumOffset && i < checksumOffset + 4)
            continue;
        sum += quint8(file[i]) | (quint8(file[i + 1]) << 8);
        sum = (sum & 0xFFFF) + (sum >> 16);
    }
    sum = (sum & 0xFFFF) + (sum >> 16);
    return quint32(sum + quint64(file.size()));
}

} // namespace

bool PeModuleWriter::IdOrder::operator()(const PeResourceId& a, const PeResourceId& b) const
{
    if (a.isNamed() != b.isNamed())
        return a.isNamed(); // named entries come first
    if (a.isNamed())
        return a.name.toUpper() < b.name.toUpper(); // ordinal comparison of UTF-16 units
    return a.number < b.number;
}

Status PeModuleWriter::add(const PeResourceId& type, const PeResourceId& name, QByteArray data, quint16 language)
{
    for (const PeResourceId* id : {&type, &name}) {
        if (id->isNamed() && (id->name.size() > 0xFFFF || id->name.startsWith(u'#')))
            return Failure::error(QStringLiteral("resource name \"%1\" cannot be stored").arg(id->name));
    }
    auto upper = [](const PeResourceId& id) { return id.isNamed() ? PeResourceId::of(id.name.toUpper()) : id; };
    m_tree[upper(type)][upper(name)][language] = std::move(data);
    return {};
}

void PeModuleWriter::setVersion(const PeFileVersion& v, const QList<QPair<QString, QString>>& strings)
{
    (void)add(PeResourceId::of(PeType::Version), PeResourceId::of(1), BuildVersionInfo(v, strings));
}

QByteArray PeModuleWriter::buildResourceSection(quint32 sectionRva) const
{
    // Directory tables breadth-first (root, the type tables, the name tables),
    // then the name strings, then the data entries, then the data.
    qint64 dirBytes = 16 + 8 * qint64(m_tree.size());
    int leaves = 0;
    for (const auto& [type, names] : m_tree) {
        dirBytes += 16 + 8 * qint64(names.size());
        for (const auto& [name, langs] : names) {
            dirBytes += 16 + 8 * qint64(langs.size());
            leaves += int(langs.size());
        }
    }

    QByteArray strings;
    QHash<QString, quint32> stringOffset;
    auto addString = [&](const PeResourceId& id) {
        if (id.isNamed() && !stringOffset.contains(id.name)) {
            stringOffset.insert(id.name, quint32(dirBytes + strings.size()));
            append16(strings, quint32(id.name.size()));
            for (QChar c : id.name)
                append16(strings, c.unicode());
        }
    };
    for (const auto& [type, names] : m_tree) {
        addString(type);
        for (const auto& [name, langs] : names)
            addString(name);
    }
    padTo(strings, 4);

    const qint64 entriesStart = dirBytes + strings.size();
    QByteArray out(alignUp(entriesStart + 16 * qint64(leaves), 8), '\0');
    out.replace(dirBytes, strings.size(), strings);

    auto idField = [&](const PeResourceId& id) {
        return id.isNamed() ? (HighBit | stringOffset.value(id.name)) : quint32(id.number);
    };
    auto writeTableHeader = [&](qint64 at, const auto& children) {
        int named = 0;
        for (const auto& child : children)
            named += child.first.isNamed() ? 1 : 0;
        put16(out, at + 12, quint32(named));
        put16(out, at + 14, quint32(children.size() - named));
    };

    qint64 nextTable = 16 + 8 * qint64(m_tree.size());
    qint64 nextNameTable = nextTable;
    for (const auto& [type, names] : m_tree)
        nextNameTable += 16 + 8 * qint64(names.size());
    qint64 nextEntry = entriesStart;

    writeTableHeader(0, m_tree);
    qint64 rootSlot = 16;
    for (const auto& [type, names] : m_tree) {
        const qint64 typeTable = nextTable;
        nextTable += 16 + 8 * qint64(names.size());
        put32(out, rootSlot, idField(type));
        put32(out, rootSlot + 4, HighBit | quint32(typeTable));
        rootSlot += 8;

        writeTableHeader(typeTable, names);
        qint64 typeSlot = typeTable + 16;
        for (const auto& [name, langs] : names) {
            const qint64 nameTable = nextNameTable;
            nextNameTable += 16 + 8 * qint64(langs.size());
            put32(out, typeSlot, idField(name));
            put32(out, typeSlot + 4, HighBit | quint32(nameTable));
            typeSlot += 8;

            put16(out, nameTable + 14, quint32(langs.size()));
            qint64 langSlot = nameTable + 16;
            for (const auto& [lang, data] : langs) {
                put32(out, langSlot, lang);
                put32(out, langSlot + 4, quint32(nextEntry));
                langSlot += 8;
                padTo(out, 8);
                put32(out, nextEntry, sectionRva + quint32(out.size()));
                put32(out, nextEntry + 4, quint32(data.size()));
                nextEntry += 16;
                out += data;
            }
        }
    }
    return out;
}

QByteArray PeModuleWriter::build() const
{
    const QByteArray rsrc = buildResourceSection(SectionRva);
    const quint32 rawSize = quint32(alignUp(rsrc.size(), FileAlignment));
    const quint32 imageSize = SectionRva + quint32(alignUp(std::max<qint64>(rsrc.size(), 1), SectionAlignment));

    QByteArray f(HeadersSize, '\0');
    // MS-DOS header: "MZ", the usual small-model values, e_lfanew at 0x3C.
    f[0] = 'M';
    f[1] = 'Z';
    put16(f, 0x02, 0x90);   // bytes on the last page
    put16(f, 0x04, 3);      // pages
    put16(f, 0x08, 4);      // header paragraphs
    put16(f, 0x0C, 0xFFFF); // maximum extra paragraphs
    put16(f, 0x10, 0xB8);   // initial SP
    put16(f, 0x18, 0x40);   // relocation table offset
    put32(f, 0x3C, quint32(PeOffset));
    f.replace(0x40, int(sizeof(DosStub) - 1), QByteArray(DosStub, int(sizeof(DosStub) - 1)));

    f.replace(PeOffset, 4, QByteArray("PE\0\0", 4));
    put16(f, CoffOffset + 0, 0x14C);  // i386
    put16(f, CoffOffset + 2, 1);      // one section
    put32(f, CoffOffset + 4, 0);      // no time stamp: the output is reproducible
    put16(f, CoffOffset + 16, OptionalSize);
    put16(f, CoffOffset + 18, 0x2102); // executable image, 32-bit machine, DLL

    const qint64 o = OptionalOffset;
    put16(f, o + 0, 0x10B); // PE32
    f[o + 2] = 14;          // linker version
    put32(f, o + 8, rawSize); // initialised data
    put32(f, o + 20, SectionRva); // base of code (there is none)
    put32(f, o + 24, SectionRva); // base of data
    put32(f, o + 28, ImageBase);
    put32(f, o + 32, SectionAlignment);
    put32(f, o + 36, FileAlignment);
    put16(f, o + 40, 6); // operating system version 6.0
    put16(f, o + 48, 6); // subsystem version 6.0
    put32(f, o + 56, imageSize);
    put32(f, o + 60, quint32(HeadersSize));
    put16(f, o + 68, 2);      // Windows GUI subsystem
    put16(f, o + 70, 0x0500); // NX compatible, no SEH
    put32(f, o + 72, 0x100000);
    put32(f, o + 76, 0x1000);
    put32(f, o + 80, 0x100000);
    put32(f, o + 84, 0x1000);
    put32(f, o + 92, 16);                    // data directories
    put32(f, o + 96 + 2 * 8, SectionRva);    // resource table
    put32(f, o + 96 + 2 * 8 + 4, quint32(rsrc.size()));

    const qint64 s = SectionTableOffset;
    f.replace(s, 8, QByteArray(".rsrc\0\0\0", 8));
    put32(f, s + 8, quint32(rsrc.size()));
    put32(f, s + 12, SectionRva);
    put32(f, s + 16, rawSize);
    put32(f, s + 20, quint32(HeadersSize));
    put32(f, s + 36, 0x40000040); // initialised data, readable

    f += rsrc;
    padTo(f, FileAlignment);
    put32(f, o + 64, imageChecksum(f, o + 64));
    return f;
}

QByteArray BuildVersionInfo(const PeFileVersion& v, const QList<QPair<QString, QString>>& strings)
{
    QByteArray fixed(52, '\0');
    put32(fixed, 0, 0xFEEF04BD);
    put32(fixed, 4, 0x00010000);
    put32(fixed, 8, (quint32(v[0]) << 16) | v[1]);
    put32(fixed, 12, (quint32(v[2]) << 16) | v[3]);
    put32(fixed, 16, (quint32(v[0]) << 16) | v[1]);
    put32(fixed, 20, (quint32(v[2]) << 16) | v[3]);
    put32(fixed, 24, 0x3F);    // flags mask
    put32(fixed, 32, 0x40004); // Windows NT, 32-bit
    put32(fixed, 36, 2);       // a DLL

    QList<QPair<QString, QString>> all = strings;
    auto setDefault = [&](const QString& key, const QString& value) {
        for (const auto& kv : all)
            if (kv.first == key)
                return;
        all.append({key, value});
    };
    setDefault(QStringLiteral("FileVersion"), FileVersionText(v));
    setDefault(QStringLiteral("ProductVersion"), FileVersionText(v));

    QList<QByteArray> stringNodes;
    for (const auto& [key, value] : all) {
        QByteArray text;
        appendUtf16z(text, value);
        stringNodes.append(versionNode(key, 1, text, quint16(value.size() + 1)));
    }
    const QByteArray table = versionNode(QStringLiteral("041504B0"), 1, {}, 0, stringNodes);
    const QByteArray stringInfo = versionNode(QStringLiteral("StringFileInfo"), 1, {}, 0, {table});
    QByteArray translation;
    append16(translation, 0x0415); // Polish
    append16(translation, 0x04B0); // Unicode
    const QByteArray var = versionNode(QStringLiteral("Translation"), 0, translation, 4);
    const QByteArray varInfo = versionNode(QStringLiteral("VarFileInfo"), 1, {}, 0, {var});
    return versionNode(QStringLiteral("VS_VERSION_INFO"), 0, fixed, 52, {stringInfo, varInfo});
}

QString FileVersionText(const PeFileVersion& v)
{
    return QStringLiteral("%1.%2.%3.%4").arg(v[0]).arg(v[1]).arg(v[2]).arg(v[3]);
}
