#include "Cli.h"

#include "XmlFile.h"

#include <QDir>
#include <QFileInfo>

Expected<CliArgs> ParseCliArgs(const QStringList& raw, const QString& flags)
{
    const QStringList flagList = flags.split(u' ', Qt::SkipEmptyParts);
    CliArgs a;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QString& arg = raw[i];
        if (arg.startsWith(QStringLiteral("--")) && arg.size() > 2) {
            const QString name = arg.mid(2);
            if (flagList.contains(name)) {
                a.flags.insert(name);
                continue;
            }
            if (i + 1 >= raw.size())
                return Failure::error(QStringLiteral("option --%1 needs a value").arg(name));
            a.options.insert(name, raw[++i]);
        } else {
            a.positional.append(arg);
        }
    }
    return a;
}

int CliFail(CliIo& io, const QString& text)
{
    io.err << "orvanta-cli: " << text << Qt::endl;
    return 1;
}

int CliFail(CliIo& io, const Failure& f)
{
    QString text = f.text.trimmed();
    if (!f.file.isEmpty() && !text.contains(f.file))
        text += QStringLiteral(" [") + f.file + u']';
    return CliFail(io, text);
}

Installation CliInstallation(const CliArgs& args)
{
    Installation inst;
    inst.appDir = QDir::cleanPath(QFileInfo(args.value(QStringLiteral("app-dir"), QStringLiteral("."))).absoluteFilePath());
    return inst;
}

std::optional<int> CliIntOption(const CliArgs& args, const QString& name, CliIo& io)
{
    const auto v = ParseXmlInt(args.value(name));
    if (!v)
        CliFail(io, QStringLiteral("--%1 needs a whole number, not \"%2\"").arg(name, args.value(name)));
    return v;
}
