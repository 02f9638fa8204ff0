#include "TDictionary.h"

#include "AnsiText.h"
#include "FieldOf.h"
#include "RecognitionTask.h"
#include "SafeSave.h"

#include <QDir>

Status TDictionary::load(const QString& fileName)
{
    const auto lines = readAnsiLines(fileName);
    if (!lines)
        return Failure::error(QStringLiteral("Nie można odczytać pliku %1.").arg(QDir::toNativeSeparators(fileName)),
                              fileName);
    std::vector<TSlowka> entries;
    entries.reserve(lines->size());
    for (const QString& line : *lines)
        entries.push_back({FieldOf(1, line, u';'), FieldOf(2, line, u';'), FieldOf(3, line, u';')});
    m_entries = std::move(entries);
    return {};
}

QString TDictionary::lookup(const QString& word) const
{
    const QString wanted = word.toLower();
    for (const TSlowka& e : m_entries)
        if (e.word.toLower() == wanted)
            return e.pronunciation;
    return {};
}

Status TDictionary::writeTaskDictionary(const QStringList& words, const QString& dir) const
{
    const QString basePath = QDir(dir).filePath(QString::fromLatin1(BaseDictionaryFile));
    const QString taskPath = QDir(dir).filePath(QString::fromLatin1(TaskDictionaryFile));
    QFile base(basePath);
    if (!base.open(QIODevice::ReadOnly)) {
        // The task dictionary of an earlier phrase must not survive a failed preparation.
        QFile::remove(taskPath);
        return Failure::error(QStringLiteral("Nie można odczytać pliku %1.").arg(QDir::toNativeSeparators(basePath)),
                              basePath);
    }
    return SaveFileAtomically(taskPath, TaskDictionaryBytes(base.readAll(), words, *this));
}

Status TDictionary::writeLattice(const QStringList& words, const QString& dir) const
{
    const QString path = QDir(dir).filePath(QString::fromLatin1(TaskLatticeFile));
    if (words.isEmpty()) {
        QFile::remove(path);
        return Failure::error(QStringLiteral("Fraza nie zawiera słów do rozpoznania."), path);
    }
    return SaveFileAtomically(path, TaskLatticeBytes(words));
}
