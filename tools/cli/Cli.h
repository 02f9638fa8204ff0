#pragma once

#include "Failure.h"
#include "Installation.h"

#include <QMap>
#include <QSet>
#include <QStringList>
#include <QTextStream>

#include <vector>

// Parsed command line of one command: options with values ("--user 3"),
// boolean flags the command declares ("--prefix") and positional arguments.
struct CliArgs {
    QStringList positional;
    QMap<QString, QString> options;
    QSet<QString> flags;

    bool has(const QString& name) const { return options.contains(name) || flags.contains(name); }
    QString value(const QString& name, const QString& dflt = {}) const { return options.value(name, dflt); }
};

struct CliIo {
    QTextStream& out; // UTF-8 standard output
    QTextStream& err; // UTF-8 standard error
};

using CliRun = int (*)(const CliArgs& args, CliIo& io);

struct CliCommand {
    const char* name;  // first word of the command line
    const char* usage; // one line shown by --help
    const char* flags; // space-separated boolean options of the command
    CliRun run;
};

// Every command of the tool, in the order --help lists them.
const std::vector<CliCommand>& AllCliCommands();

// Parses argv after the command word; options listed in `flags` take no value,
// every other "--name" takes the next argument. Fails on a missing value.
Expected<CliArgs> ParseCliArgs(const QStringList& raw, const QString& flags);

// Prints a failure as "orvanta-cli: text (file)" on standard error and returns 1.
int CliFail(CliIo& io, const QString& text);
int CliFail(CliIo& io, const Failure& f);

// Reads --app-dir (default: the working folder) into an absolute AppDir.
Installation CliInstallation(const CliArgs& args);

// Parses an integer option; nullopt (after reporting) when it is not a number.
std::optional<int> CliIntOption(const CliArgs& args, const QString& name, CliIo& io);
