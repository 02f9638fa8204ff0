#include "Cli.h"

#include <QCoreApplication>

#include <cstdio>

static void printUsage(QTextStream& s)
{
    s << "usage: orvanta-cli COMMAND [--app-dir DIR] [options]\n\ncommands:\n";
    for (const CliCommand& c : AllCliCommands())
        s << "  " << c.usage << "\n";
    s.flush();
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
    CliIo io{out, err};

    QStringList args = app.arguments().mid(1);
    if (args.isEmpty() || args.first() == u"--help" || args.first() == u"-h") {
        printUsage(args.isEmpty() ? err : out);
        return args.isEmpty() ? 1 : 0;
    }
    const QString name = args.takeFirst();
    for (const CliCommand& c : AllCliCommands()) {
        if (name != QLatin1String(c.name))
            continue;
        auto parsed = ParseCliArgs(args, QString::fromLatin1(c.flags));
        if (!parsed.ok())
            return CliFail(io, parsed.failure());
        const int rc = c.run(*parsed, io);
        out.flush();
        err.flush();
        return rc;
    }
    CliFail(io, QStringLiteral("unknown command \"%1\"").arg(name));
    printUsage(err);
    return 1;
}
