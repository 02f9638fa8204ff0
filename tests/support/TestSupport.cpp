#include "TestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

void PrintTo(const QByteArray& s, std::ostream* os)
{
    *os << "bytes[" << s.size() << "] " << s.toHex(' ').toStdString();
}

namespace testsupport {

static void copyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    const QDir src(from);
    for (const QFileInfo& fi : src.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = to + "/" + fi.fileName();
        if (fi.isDir())
            copyTree(fi.filePath(), target);
        else
            QFile::copy(fi.filePath(), target);
    }
}

QString copyFixture(const QString& fixtureDir, QTemporaryDir& into)
{
    copyTree(fixtureDir, into.path());
    return into.path();
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace testsupport
