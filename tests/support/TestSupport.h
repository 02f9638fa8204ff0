#pragma once

#include <QByteArray>
#include <QString>
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
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace testsupport
