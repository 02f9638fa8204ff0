#include "PeModule.h"
#include "PeModuleWriter.h"

#include "TestSupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {

PeResourceId num(quint16 n)
{
    return PeResourceId::of(n);
}

PeResourceId str(const char* s)
{
    return PeResourceId::of(QString::fromUtf8(s));
}

quint32 u32(const QByteArray& b, qint64 at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 u16(const QByteArray& b, qint64 at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Rewrites a PE32 module from the writer as PE32+ (the 64-bit optional header:
// 8-byte image base and stack sizes, no base of data, directories at 112).
QByteArray toPe32Plus(const QByteArray& pe32)
{
    const qint64 pe = u32(pe32, 0x3C);
    const qint64 opt = pe + 24;
    const int oldSize = u16(pe32, pe + 20);
    QByteArray plus(240, '\0');
    qToLittleEndian<quint16>(0x20B, plus.data());
    plus.replace(2, 22, pe32.mid(opt + 2, 22));             // linker, sizes, entry, base of code
    qToLittleEndian<quint64>(0x180000000ull, plus.data() + 24); // image base
    plus.replace(32, 40, pe32.mid(opt + 32, 40));           // alignments .. dll characteristics
    qToLittleEndian<quint32>(16, plus.data() + 108);
    plus.replace(112, 128, pe32.mid(opt + 96, 128));        // data directories
    QByteArray out = pe32;
    qToLittleEndian<quint16>(240, out.data() + pe + 20);
    const QByteArray sections = pe32.mid(opt + oldSize, 40);
    out.replace(opt, 240, plus);
    out.replace(opt + 240, 40, sections);
    return out;
}

PeModuleWriter mixedModule()
{
    // Added out of order, with lower-case names, named and numbered ids.
    PeModuleWriter w;
    EXPECT_TRUE(w.add(str("WAVE"), str("wav_ok"), "ok-sound").ok());
    EXPECT_TRUE(w.add(num(PeType::RcData), str("ZZ_LAST"), "zz").ok());
    EXPECT_TRUE(w.add(num(PeType::RcData), str("DIAL01_B"), "corner").ok());
    EXPECT_TRUE(w.add(num(PeType::RcData), str("DIAL01"), "prefix").ok());
    EXPECT_TRUE(w.add(num(PeType::RcData), num(7), "seven").ok());
    EXPECT_TRUE(w.add(num(PeType::RcData), str("EMPTY"), "").ok());
    EXPECT_TRUE(w.add(num(3), num(1), QByteArray(1000, 'i'), 0x0415).ok());
    EXPECT_TRUE(w.add(num(3), num(1), "second language", 0x0409).ok());
    EXPECT_TRUE(w.add(str("Ąb"), str("ŻÓŁW"), "polish letters").ok());
    EXPECT_TRUE(w.add(num(PeType::RcData), str("DIAL01_B"), "corner, replaced").ok());
    w.setVersion({6, 0, 1, 0}, {{"FileDescription", "Skin"}});
    return w;
}

} // namespace

TEST(PeModule, ReadsBackWhatTheWriterStored)
{
    const QByteArray bytes = mixedModule().build();
    for (const QByteArray& module : {bytes, toPe32Plus(bytes)}) {
        auto m = PeModule::parse(module);
        ASSERT_TRUE(m.ok()) << m.failure().text.toStdString();

        struct Case {
            PeResourceId type, name;
            std::optional<QByteArray> data;
        } const cases[] = {
            {num(10), str("DIAL01_B"), QByteArray("corner, replaced")},
            {num(10), str("dial01_b"), QByteArray("corner, replaced")}, // lookup ignores case
            {num(10), str("DIAL01"), QByteArray("prefix")},
            {num(10), str("ZZ_LAST"), QByteArray("zz")},
            {num(10), num(7), QByteArray("seven")},
            {num(10), str("EMPTY"), QByteArray("")},
            {str("wave"), str("WAV_OK"), QByteArray("ok-sound")},
            {num(3), num(1), QByteArray("second language")}, // the first language in the table (0x409)
            {str("ĄB"), str("żółw"), QByteArray("polish letters")},
            {num(10), str("WAV_OK"), std::nullopt},   // right name, wrong type
            {num(10), str("#7"), QByteArray("seven")}, // "#7" names the number 7, as on Windows
            {num(10), num(8), std::nullopt},
        };
        for (const Case& c : cases) {
            SCOPED_TRACE((c.type.key() + "/" + c.name.key()).toStdString());
            const auto found = m->find(c.type, c.name);
            ASSERT_EQ(found.has_value(), c.data.has_value());
            if (found) {
                EXPECT_EQ(found->toByteArray(), *c.data);
            }
        }
        EXPECT_EQ(m->fileVersion(), (PeFileVersion{6, 0, 1, 0}));
        EXPECT_EQ(m->resources().size(), 10u); // one of the eleven added was replaced
    }
}

TEST(PeModule, DirectoryTablesAreInLookupOrder)
{
    // The system's lookup searches each table by halves: named entries first,
    // sorted by name, then numbered ones in ascending order.
    auto m = PeModule::parse(mixedModule().build());
    ASSERT_TRUE(m.ok());
    QStringList order;
    for (const PeResource& r : m->resources())
        order << r.type.key() + "/" + r.name.key() + "/" + QString::number(r.language, 16);
    EXPECT_EQ(order, QStringList({"WAVE/WAV_OK/0", "ĄB/ŻÓŁW/0", "#3/#1/409", "#3/#1/415", "#10/DIAL01/0",
                                  "#10/DIAL01_B/0", "#10/EMPTY/0", "#10/ZZ_LAST/0", "#10/#7/0", "#16/#1/0"}))
        << order.join(' ').toStdString();
}

TEST(PeModuleWriter, WritesAValidResourceOnlyDll)
{
    const QByteArray f = mixedModule().build();
    ASSERT_GE(f.size(), 0x400);
    EXPECT_EQ(f.size() % 0x200, 0);
    EXPECT_EQ(f.left(2), "MZ");
    const qint64 pe = u32(f, 0x3C);
    EXPECT_EQ(f.mid(pe, 4), QByteArray("PE\0\0", 4));
    EXPECT_EQ(u16(f, pe + 4), 0x14C);               // i386
    EXPECT_TRUE(u16(f, pe + 22) & 0x2000);          // a DLL
    const qint64 opt = pe + 24;
    EXPECT_EQ(u16(f, opt), 0x10B);
    EXPECT_EQ(u32(f, opt + 16), 0u);                // no entry point
    EXPECT_EQ(u32(f, opt + 56) % 0x1000, 0u);       // image size in whole pages
    const qint64 section = opt + u16(f, pe + 20);
    EXPECT_EQ(f.mid(section, 8), QByteArray(".rsrc\0\0\0", 8));
    EXPECT_EQ(u32(f, section + 20) % 0x200, 0u);    // raw data file-aligned
    EXPECT_EQ(u32(f, section + 12) % 0x1000, 0u);   // section-aligned address
    EXPECT_EQ(u32(f, section + 16) % 0x200, 0u);
    EXPECT_EQ(u32(f, opt + 96 + 16), u32(f, section + 12)); // resource directory = the section
}

namespace {

// Runs a tool and returns its standard output; nothing when it is not installed.
std::optional<QByteArray> runTool(const QString& tool, const QStringList& args)
{
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(30000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

} // namespace

// icoutils' wrestool reads the module independently of this program.
TEST(PeModuleWriter, WrestoolListsAndExtractsTheResources)
{
    if (QStandardPaths::findExecutable("wrestool").isEmpty())
        GTEST_SKIP() << "wrestool (icoutils) is not installed";
    QTemporaryDir dir;
    const QString dll = dir.path() + "/resource.dll";
    testsupport::writeAll(dll, mixedModule().build());

    const QString list = QString::fromUtf8(*runTool("wrestool", {"-l", dll}));
    for (const char* line : {"--type=10 --name='DIAL01_B' --language=0", "--type=10 --name='ZZ_LAST' --language=0",
                             "--type=10 --name=7 --language=0", "--type=3 --name=1 --language=1033",
                             "--type=3 --name=1 --language=1045", "--type=16 --name=1 --language=0",
                             "--type='WAVE'"})
        EXPECT_TRUE(list.contains(QLatin1String(line))) << line << "\n" << list.toStdString();

    // (wrestool prints a named type's name in place of the resource name when
    // listing, so the WAVE resource is checked by extracting it by name.)
    struct Case {
        const char* type;
        const char* name;
        QByteArray data;
    } const cases[] = {
        {"10", "DIAL01_B", "corner, replaced"},
        {"10", "7", "seven"},
        {"WAVE", "WAV_OK", "ok-sound"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(*runTool("wrestool", {"-x", "--raw", QStringLiteral("--type=") + c.type,
                                        QStringLiteral("--name=") + c.name, dll}),
                  c.data);
    }

    // binutils reads the headers as a 32-bit Windows DLL.
    if (const auto headers = runTool("objdump", {"-p", dll})) {
        EXPECT_TRUE(headers->contains("file format pei-i386")) << headers->toStdString();
        EXPECT_TRUE(headers->contains("DLL"));
        EXPECT_TRUE(headers->contains("Resource Directory [.rsrc]"));
    }
}

TEST(PeModule, RejectsWhatIsNotAModule)
{
    QByteArray good = mixedModule().build();
    auto patched = [&](qint64 at, QByteArray bytes) {
        QByteArray b = good;
        b.replace(at, bytes.size(), bytes);
        return b;
    };
    const qint64 pe = u32(good, 0x3C);
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* reason;
    } const cases[] = {
        {"empty", QByteArray(), "no MZ header"},
        {"a text file", QByteArray(200, 'x'), "no MZ header"},
        {"MZ and nothing else", QByteArray("MZ"), "no MZ header"},
        {"header pointer past the end", patched(0x3C, "\xF0\xFF\xFF\x7F"), "no PE signature"},
        {"an NE module", patched(pe, "NE\0\0"), "no PE signature"},
        {"unknown optional header", patched(pe + 24, "\x07\x01"), "unknown optional header"},
        {"section table past the end", patched(pe + 6, "\xFF\xFF"), "section table outside the file"},
        {"optional header past the end", patched(pe + 20, "\xFF\xFF"), "optional header outside the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto m = PeModule::parse(c.bytes);
        ASSERT_FALSE(m.ok());
        EXPECT_EQ(m.failure().text, QStringLiteral("not a PE module: ") + c.reason);
    }

    // A module without a resource directory is a module without resources.
    const auto bare = PeModule::parse(patched(pe + 24 + 96 + 16, QByteArray(8, '\0')));
    ASSERT_TRUE(bare.ok());
    EXPECT_TRUE(bare->resources().empty());
    EXPECT_FALSE(bare->fileVersion());
}

TEST(PeModule, FileVersionText)
{
    struct Case {
        const char* text;
        std::optional<PeFileVersion> v;
    } const cases[] = {
        {"6.0.0.1", PeFileVersion{6, 0, 0, 1}},
        {"65535.0.10.200", PeFileVersion{65535, 0, 10, 200}},
        {"6.0.0", std::nullopt},
        {"6.0.0.1.2", std::nullopt},
        {"6.0.0.65536", std::nullopt},
        {"6.0.-1.0", std::nullopt},
        {"6.0. 1.0", std::nullopt},
        {"6..0.1", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseFileVersion(c.text), c.v);
        if (c.v) {
            EXPECT_EQ(FileVersionText(*c.v), c.text);
        }
    }
}
