// Damaged and hostile modules. This test is built with the address and
// undefined-behaviour sanitizers: a read outside the module's bytes aborts it.
#include "PeModule.h"
#include "PeModuleWriter.h"

#include <QtEndian>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>

#include <gtest/gtest.h>

// Qt's global objects look like leaks to the sanitizer at exit.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}

namespace {

// The writer puts the resource section at file offset 0x200, address 0x1000.
constexpr qint64 Rsrc = 0x200;
constexpr quint32 RsrcRva = 0x1000;

const PeResourceId RcData = PeResourceId::of(PeType::RcData);

struct Sample {
    QString name;
    QByteArray data;
};

const std::vector<Sample>& samples()
{
    static const std::vector<Sample> s = {
        {"DIAL01_B", QByteArray(40, 'a')},
        {"DIAL03_B", QByteArray(33, 'b')},
        {"G01_N_9_1", QByteArray(7, 'c')},
        {"WYKRES_100", QByteArray(120, 'd')},
    };
    return s;
}

QByteArray smallModule()
{
    PeModuleWriter w;
    for (const Sample& s : samples())
        (void)w.add(RcData, PeResourceId::of(s.name), s.data);
    (void)w.add(PeResourceId::of("WAVE"), PeResourceId::of("WAV_OK"), QByteArray(50, 'w'));
    w.setVersion({6, 0, 0, 1});
    return w.build();
}

void put32(QByteArray& b, qint64 at, quint32 v)
{
    qToLittleEndian<quint32>(v, b.data() + at);
}

void put16(QByteArray& b, qint64 at, quint16 v)
{
    qToLittleEndian<quint16>(v, b.data() + at);
}

// The bytes in a heap block of exactly their size (QByteArray allocates a
// terminator and spare room, which would hide a short overrun from the
// sanitizer); the block lives as long as this object.
class ExactBytes {
public:
    explicit ExactBytes(QByteArrayView v) : m_block(new char[std::max<qsizetype>(v.size(), 1)]), m_size(v.size())
    {
        std::copy(v.begin(), v.end(), m_block.get());
    }
    QByteArray bytes() const { return QByteArray::fromRawData(m_block.get(), m_size); }

private:
    std::unique_ptr<char[]> m_block;
    qsizetype m_size;
};

// Looks up everything a skin lookup would; whatever is found must lie inside
// the module.
void exercise(QByteArrayView original)
{
    const ExactBytes exact(original);
    const QByteArray bytes = exact.bytes();
    const auto m = PeModule::parse(bytes);
    if (!m.ok())
        return;
    for (const PeResource& r : m->resources()) {
        ASSERT_GE(r.fileOffset, 0);
        ASSERT_LE(r.fileOffset + r.size, bytes.size());
    }
    for (const Sample& s : samples()) {
        if (const auto found = m->find(RcData, PeResourceId::of(s.name))) {
            volatile char sink = 0;
            for (char c : *found)
                sink = sink ^ c; // touch every byte
            (void)sink;
        }
    }
    (void)m->find(PeResourceId::of("WAVE"), PeResourceId::of("WAV_OK"));
    (void)m->fileVersion();
}

} // namespace

TEST(PeModuleFuzz, EveryTruncationIsReadSafely)
{
    const QByteArray whole = smallModule();
    int parsed = 0;
    for (qsizetype length = 0; length < whole.size(); ++length) {
        const ExactBytes exact(QByteArrayView(whole).first(length));
        exercise(exact.bytes());
        const auto m = PeModule::parse(exact.bytes());
        if (!m.ok())
            continue;
        ++parsed;
        // A resource is either complete and intact or absent.
        for (const Sample& s : samples()) {
            if (const auto found = m->find(RcData, PeResourceId::of(s.name))) {
                EXPECT_EQ(found->toByteArray(), s.data) << "cut at " << length;
            }
        }
    }
    EXPECT_GT(parsed, 0);
}

TEST(PeModuleFuzz, RandomByteChangesAreReadSafely)
{
    const QByteArray whole = smallModule();
    std::mt19937 rng(20240601);
    std::uniform_int_distribution<int> byte(0, 255);
    // Changes concentrated on the headers and the directory, where they matter.
    std::uniform_int_distribution<qsizetype> anywhere(0, whole.size() - 1);
    std::uniform_int_distribution<qsizetype> tree(Rsrc, Rsrc + 0x140);
    for (int round = 0; round < 20000; ++round) {
        QByteArray b = whole;
        const int changes = 1 + round % 6;
        for (int i = 0; i < changes; ++i)
            b[round % 2 ? tree(rng) : anywhere(rng)] = char(byte(rng));
        exercise(b);
    }
}

TEST(PeModuleFuzz, HostileDirectories)
{
    const QByteArray whole = smallModule();
    const qint64 root = Rsrc;
    // Root: 1 named entry (WAVE), then 10 and 16. Its first entry's table:
    const quint32 waveTable = qFromLittleEndian<quint32>(whole.constData() + root + 20) & 0x7FFFFFFF;
    const quint32 waveNameTable = qFromLittleEndian<quint32>(whole.constData() + root + waveTable + 20) & 0x7FFFFFFF;
    const quint32 waveDataEntry = qFromLittleEndian<quint32>(whole.constData() + root + waveNameTable + 20);

    struct Case {
        const char* what;
        std::function<void(QByteArray&)> damage;
    } const cases[] = {
        {"root entry pointing at the root", [&](QByteArray& b) { put32(b, root + 20, 0x80000000); }},
        {"name entry pointing back at the root",
         [&](QByteArray& b) { put32(b, root + waveTable + 20, 0x80000000); }},
        {"language entry pointing at a table", [&](QByteArray& b) { put32(b, root + waveNameTable + 20, 0x80000000); }},
        {"table offset past the end", [&](QByteArray& b) { put32(b, root + 20, 0xFFFFFFF0); }},
        {"name string past the end", [&](QByteArray& b) { put32(b, root + 16, 0xFFFFFFF0); }},
        {"name string longer than the file", [&](QByteArray& b) {
             const quint32 at = qFromLittleEndian<quint32>(b.constData() + root + 16) & 0x7FFFFFFF;
             put16(b, root + at, 0xFFFF);
         }},
        {"entry counts of 65535", [&](QByteArray& b) {
             put16(b, root + 12, 0xFFFF);
             put16(b, root + 14, 0xFFFF);
         }},
        {"data address past the image", [&](QByteArray& b) { put32(b, root + waveDataEntry, 0x7FFFFFFF); }},
        {"data size of 4 GB", [&](QByteArray& b) { put32(b, root + waveDataEntry + 4, 0xFFFFFFFF); }},
        {"data just before the section start",
         [&](QByteArray& b) { put32(b, root + waveDataEntry, RsrcRva - 1); }},
        {"section raw data past the end", [&](QByteArray& b) {
             const qint64 section = 0x80 + 24 + 224;
             put32(b, section + 20, 0xFFFFFF00);
         }},
        {"section raw size of 4 GB", [&](QByteArray& b) {
             const qint64 section = 0x80 + 24 + 224;
             put32(b, section + 16, 0xFFFFFFFF);
             put32(b, section + 8, 0xFFFFFFFF);
         }},
        {"resource directory address past every section",
         [&](QByteArray& b) { put32(b, 0x80 + 24 + 96 + 16, 0xFFFFF000); }},
        {"65535 sections", [&](QByteArray& b) { put16(b, 0x80 + 6, 0xFFFF); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QByteArray b = whole;
        c.damage(b);
        exercise(b);
    }
}

TEST(PeModuleFuzz, ASharedTableCannotMultiplyTheResources)
{
    // A root of 65535 entries that all share one type table of 65535 entries
    // sharing one name table would describe 4 billion resources.
    QByteArray b = smallModule();
    const qint64 tableBytes = 16 + 8 * 0xFFFF;
    const qint64 base = b.size();
    b.append(QByteArray(3 * tableBytes + 16, '\0'));
    // Point the section (and its recorded sizes) at the new tables.
    const qint64 section = 0x80 + 24 + 224;
    put32(b, section + 8, quint32(b.size()));
    put32(b, section + 16, quint32(b.size()));
    put32(b, section + 20, quint32(base));
    const qint64 rootT = 0, typeT = tableBytes, nameT = 2 * tableBytes, entry = 3 * tableBytes;
    put16(b, base + rootT + 14, 0xFFFF);
    put16(b, base + typeT + 14, 0xFFFF);
    put16(b, base + nameT + 14, 0xFFFF);
    for (int i = 0; i < 0xFFFF; ++i) {
        put32(b, base + rootT + 16 + 8 * i, quint32(i));
        put32(b, base + rootT + 20 + 8 * i, 0x80000000u | quint32(typeT));
        put32(b, base + typeT + 16 + 8 * i, quint32(i));
        put32(b, base + typeT + 20 + 8 * i, 0x80000000u | quint32(nameT));
        put32(b, base + nameT + 16 + 8 * i, quint32(i));
        put32(b, base + nameT + 20 + 8 * i, quint32(entry));
    }
    put32(b, base + entry, RsrcRva);
    put32(b, base + entry + 4, 4);
    const auto m = PeModule::parse(b);
    ASSERT_TRUE(m.ok());
    EXPECT_LE(int(m->resources().size()), PeModule::MaxResources);
}
