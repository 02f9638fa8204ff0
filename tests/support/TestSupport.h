#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable QString values in GoogleTest failure messages.
void PrintTo(const QString& s, std::ostream* os);
void PrintTo(const QByteArray& s, std::ostream* os);

namespace testsupport {

// Copies a fixture folder (recursively) into a fresh temporary folder and
// returns that folder's path; the QTemporaryDir removes it when destroyed.
QString copyFixture(const QString& fixtureDir, QTemporaryDir& into);

QByteArray readAll(const QString& path);

// What a program run by a test printed and how it ended.
struct ProgramRun {
    int exitCode = -1; // -1 when it crashed or did not end within a minute
    QString out;       // standard output, UTF-8
    QString err;       // standard error, UTF-8
};

// Runs `program` with `args` and waits for it to end.
ProgramRun runProgram(const QString& program, const QStringList& args);
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace testsupport
