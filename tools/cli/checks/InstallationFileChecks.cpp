// The dictionary window's file, and the list of installation checks.
#include "InstallationFileChecks.h"

#include "DictionaryFile.h"
#include "WinPath.h"

#include <QDir>

void CheckDictionary(const Installation& inst, InstallationReport& report)
{
    const QString path = DictionaryPath(inst);
    const Expected<DictionaryFile> file = WczytajDane(path);
    const QString where = QDir(inst.appDir).relativeFilePath(file.ok() ? file->readFrom : path).replace(u'/', u'\\');
    if (!file.ok()) {
        report.problem(where, file.failure().text);
        return;
    }
    if (!file->skipped.isEmpty()) {
        const SkippedDictionaryLine& first = file->skipped.first();
        report.warning(where, QStringLiteral("%1 line(s) skipped, the first at line %2 (%3)")
                                  .arg(file->skipped.size())
                                  .arg(first.line)
                                  .arg(DescribeLineProblem(first.problem)));
    }
    if (file->entries.isEmpty())
        report.warning(where, QStringLiteral("the dictionary holds no entry"));
}

void CheckUsersFolder(const Installation& inst, InstallationReport& report)
{
    if (!WinDirExists(inst.path(QStringLiteral("\\Users"))))
        report.problem(QStringLiteral("installation"),
                       QStringLiteral("folder Users is missing; the program does not create it and no profile can be made"));
}

QList<InstallationFileCheck> AllInstallationFileChecks()
{
    return {CheckUsersFolder, CheckSkinLibrary, CheckBackgrounds, CheckHelpPages,
            CheckHandbook,    CheckTrainer,     CheckDictionary};
}
