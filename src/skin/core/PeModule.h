#pragma once

#include "Failure.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// A resource type or name as a Windows module stores it: a 16-bit number or a
// string. Strings are compared without regard to case, as the system's
// resource lookup does (a stored name is upper-case; the query is upper-cased).
struct PeResourceId {
    quint16 number = 0;
    QString name; // empty for a numbered id

    static PeResourceId of(quint16 n) { return PeResourceId{n, {}}; }
    // "#" followed by a decimal number names that number, as in the system's lookup.
    static PeResourceId of(const QString& s);

    bool isNamed() const { return !name.isEmpty(); }
    // "#10" for a number, the upper-cased name otherwise.
    QString key() const;
    bool operator==(const PeResourceId& o) const { return key() == o.key(); }
};

// Well-known numbered resource types.
namespace PeType {
inline constexpr quint16 RcData = 10;
inline constexpr quint16 Version = 16;
} // namespace PeType

// One resource of a module: where it sits in the tree and where its bytes lie
// in the file.
struct PeResource {
    PeResourceId type;
    PeResourceId name;
    quint16 language = 0;
    qint64 fileOffset = 0; // start of the data in the module's bytes
    qint64 size = 0;       // length of the data; always inside the module's bytes
};

// The four numbers of a file version: major, minor, release, build.
using PeFileVersion = std::array<quint16, 4>;

// A Windows PE module (DLL or EXE, 32 or 64 bit) held in memory, with its
// resource directory indexed. Reading never leaves the bytes it was given: every
// offset, count and size of the file is checked before use, and the resource
// tree is read to a fixed depth (type, name, language), so a directory that
// points back at itself cannot make the reader loop. Entries that point outside
// the file are skipped; a resource whose data lies outside the file is absent.
class PeModule final {
public:
    // Fails, naming the reason in the failure's text, when `bytes` is not a PE
    // module (no "MZ" header, no "PE" signature, an unknown optional header).
    // A module without resources parses to an empty index.
    static Expected<PeModule> parse(QByteArray bytes);

    // Every resource, in the order of the directory tree.
    const std::vector<PeResource>& resources() const { return m_resources; }

    // The data of resource `name` of `type` (first language), or nothing.
    std::optional<QByteArrayView> find(const PeResourceId& type, const PeResourceId& name) const;

    // The file version of the first version resource (VS_FIXEDFILEINFO), or
    // nothing when the module has none or it cannot be read.
    std::optional<PeFileVersion> fileVersion() const;

    // Upper bound on the resources indexed; a directory tree that would give
    // more (for instance by sharing one subdirectory among many entries) is
    // cut off there.
    static constexpr int MaxResources = 1 << 16;

private:
    PeModule() = default;
    void indexResources(qint64 rsrcOffset, qint64 rsrcSize);

    QByteArray m_bytes;
    struct Section {
        quint32 virtualAddress;
        quint32 virtualSize;
        quint32 rawSize;
        quint32 rawOffset;
    };
    std::vector<Section> m_sections;
    std::vector<PeResource> m_resources;
    QHash<QString, int> m_index; // type key + '/' + name key → first resource

    // Maps a relative virtual address to a file offset with `avail` bytes of
    // the section's file data from there on; nothing when unmapped.
    std::optional<std::pair<qint64, qint64>> mapRva(quint32 rva) const;
};

// Reads the fixed file information of a VS_VERSIONINFO block; nothing when the
// block is short, malformed or lacks the 0xFEEF04BD signature.
std::optional<PeFileVersion> ParseVersionInfo(QByteArrayView block);

// "6.0.0.1" → {6, 0, 0, 1}; nothing unless four numbers 0..65535 separated by dots.
std::optional<PeFileVersion> ParseFileVersion(const QString& text);
