// orvanta-skinpack: builds a skin library (resource.dll) from a folder of PNG
// pictures and WAVE sounds, or lists the resources of a module.
#include "PeModuleWriter.h"
#include "SafeSave.h"
#include "SkinPack.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

static int fail(QTextStream& err, const QString& text)
{
    err << "orvanta-skinpack: " << text << Qt::endl;
    return 1;
}

static int list(const QString& path, QTextStream& out, QTextStream& err)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return fail(err, QStringLiteral("cannot read %1").arg(path));
    const auto module = PeModule::parse(f.readAll());
    if (!module)
        return fail(err, QStringLiteral("%1: %2").arg(path, module.failure().text));
    for (const PeResource& r : module->resources())
        out << r.type.key() << '\t' << r.name.key() << '\t' << r.language << '\t' << r.size << '\n';
    if (const auto v = module->fileVersion())
        out << "version\t" << FileVersionText(*v) << '\n';
    return 0;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral(
        "Packs DIR/*.png as RCDATA and DIR/*.wav as WAVE resources (named after the files, upper-case) "
        "into a resource-only Windows DLL."));
    p.addHelpOption();
    p.addOption({QStringLiteral("out"), QStringLiteral("The module to write."), QStringLiteral("FILE")});
    p.addOption({QStringLiteral("version"), QStringLiteral("File version, four numbers."), QStringLiteral("A.B.C.D"),
                 QStringLiteral("6.0.0.1")});
    p.addOption({QStringLiteral("list"), QStringLiteral("List the resources of a module instead."), QStringLiteral("FILE")});
    p.addPositionalArgument(QStringLiteral("DIR"), QStringLiteral("Folder of .png and .wav files."));
    p.process(app);

    if (p.isSet(QStringLiteral("list")))
        return list(p.value(QStringLiteral("list")), out, err);
    if (!p.isSet(QStringLiteral("out")) || p.positionalArguments().size() != 1)
        return fail(err, QStringLiteral("usage: orvanta-skinpack --out resource.dll [--version 6.0.0.1] DIR"));
    const auto version = ParseFileVersion(p.value(QStringLiteral("version")));
    if (!version)
        return fail(err, QStringLiteral("--version needs four numbers 0..65535, as 6.0.0.1"));
    const auto module = PackSkinFolder(p.positionalArguments().first(), *version);
    if (!module)
        return fail(err, module.failure().text);
    const Status saved = SaveFileAtomically(p.value(QStringLiteral("out")), *module);
    if (!saved.ok())
        return fail(err, saved.failure().text);
    return 0;
}
