#include "InstallationCheck.h"

#include "CourseScan.h"
#include "Definitions.h"
#include "ExerciseKinds.h"
#include "ProgramMode.h"
#include "WinPath.h"

#include <QDir>
#include <QSet>

namespace {

class Checker {
public:
    Checker(const Installation& inst, const BodyCheckerRegistry& bodies, InstallationReport& report)
        : m_inst(inst), m_bodies(bodies), m_report(report)
    {
    }

    void problem(const QString& where, const QString& what) { m_report.problem(where, what); }
    void warning(const QString& where, const QString& what) { m_report.warning(where, what); }

    // Reads and checks the media root into the installation the body and
    // file checks work with (`checked()`): its media root ends in a
    // backslash, or is empty when it cannot be used (its problem is reported
    // here, once).
    void checkConfiguration()
    {
        Installation& checked = m_checked;
        checked = m_inst;
        if (checked.helpDir.isEmpty())
            checked.helpDir = HelpDirForMode(checked.programMode);
        if (const Status s = ReadMediaRoot(checked); !s.ok()) {
            problem(QStringLiteral("Config\\cfg.ini"), s.failure().text);
            checked.cdDir.clear();
            return;
        }
        // The program runs with AppDir as its working folder: a relative
        // media root is relative to the installation.
        if (QDir::isRelativePath(QString(checked.cdDir).replace(u'\\', u'/')))
            checked.cdDir = m_inst.appDir + u'/' + checked.cdDir;
        if (const Status s = CheckMediaRoot(checked); !s.ok()) {
            problem(QStringLiteral("media root ") + checked.cdDir, s.failure().text);
            checked.cdDir.clear();
        }
    }

    const Installation& checked() const { return m_checked; }

    // Loads the definitions into a scratch tree; remembers the group ids.
    bool checkDefinitions(Installation& probe, TDrzewo& tree)
    {
        if (const Status s = LoadDefinitions(probe, tree); !s.ok()) {
            problem(QStringLiteral("Config\\definitions.xml"), s.failure().text);
            return false;
        }
        if (const auto langs = ReadLanguages(probe); !langs.ok())
            problem(QStringLiteral("Config\\definitions.xml"), langs.failure().text);
        for (const TElement* g : tree.root()->Children)
            m_groups.insert(g->GroupId);
        return true;
    }

    void checkFiles(bool haveGroups)
    {
        const QStringList fragments = AdmittedFragments(m_inst.programMode);
        for (const QString& name : ListExerciseFiles(m_inst.appDir)) {
            bool admitted = false;
            for (const QString& f : fragments)
                admitted = admitted || name.contains(f, Qt::CaseSensitive);
            if (!admitted)
                warning(QStringLiteral("Dane\\") + name,
                        QStringLiteral("not part of the course in mode %1 (no mode fragment in its name)").arg(m_inst.programMode));
            checkFile(name, false, haveGroups && admitted);
        }
    }

private:
    // Checks one exercise file: `fileName` relative to Dane. Package elements
    // are checked through their package.
    void checkFile(const QString& fileName, bool packageItem, bool checkGroup)
    {
        const QString where = QStringLiteral("Dane\\") + fileName;
        auto doc = ExerciseDocument::load(m_inst.path(QStringLiteral("\\Dane\\") + fileName));
        if (!doc.ok()) {
            problem(where, QStringLiteral("unreadable XML: ") + doc.failure().text);
            return;
        }
        if (!doc->isExercise()) {
            const QString msg = QStringLiteral("root element is <%1>, not <cwiczenie>").arg(doc->rootName());
            if (packageItem)
                problem(where, msg);
            else
                warning(where, msg + QStringLiteral("; the course skips it"));
            return;
        }
        EnvelopeData e;
        try {
            e = ReadEnvelopeData(doc->cwiczenie(), m_inst.interfaceLanguage);
        } catch (const XmlBindingError& err) {
            problem(where, QStringLiteral("envelope cannot be read: ") + QString::fromUtf8(err.what()));
            return;
        }
        if (checkGroup && !m_groups.contains(e.grupa))
            warning(where, QStringLiteral("group %1 is not defined; the exercise goes directly under the root").arg(e.grupa));

        if (e.kind != Kind::Container) {
            checkKind(where, fileName, e.kind, *doc);
            return;
        }
        if (ContainerKind(e.variant) == 0) {
            warning(where, QStringLiteral("container variant %1 is unknown; the container stays empty").arg(e.variant));
            return;
        }
        if (e.variant == 1) {
            if (e.items.size() > 100)
                problem(where, QStringLiteral("package has %1 elements; at most 100 fit").arg(e.items.size()));
            for (const EnvelopeData::PackageItem& it : e.items) {
                const QString itemFile = QStringLiteral("Paczki\\") + it.plik;
                if (it.plik.isEmpty() || !WinFileExists(m_inst.path(QStringLiteral("\\Dane\\") + itemFile))) {
                    problem(where, QStringLiteral("package element file %1 is missing").arg(QStringLiteral("Dane\\") + itemFile));
                    continue;
                }
                if (m_checkedItems.contains(itemFile.toLower()))
                    continue;
                m_checkedItems.insert(itemFile.toLower());
                checkFile(itemFile, true, false);
            }
            return;
        }
        const QList<ContainerMode> modes = OfferedModes(e);
        if (modes.isEmpty())
            warning(where, QStringLiteral("container offers no mode (param2 = %1)").arg(e.param2));
        for (const ContainerMode& m : modes)
            checkKind(where, fileName, m.kind, *doc);
    }

    void checkKind(const QString& where, const QString& fileName, int kind, const ExerciseDocument& doc)
    {
        if (ExerciseWindowFor(kind, m_inst.programMode).isEmpty()) {
            warning(where, QStringLiteral("kind %1 has no exercise window; opening it only reports that").arg(kind));
            return;
        }
        if (const BodyChecker* c = m_bodies.find(kind)) {
            QStringList found;
            (*c)(BodyCheckContext{m_checked, fileName, kind, doc}, found);
            // The modes of one container read the same body: a missing file
            // is listed once for the file.
            for (const QString& f : found)
                if (!m_bodyProblems.contains(where + u'\n' + f)) {
                    m_bodyProblems.insert(where + u'\n' + f);
                    problem(where, f);
                }
        }
    }

    const Installation& m_inst;
    Installation m_checked; // m_inst with the checked media root and help folder
    const BodyCheckerRegistry& m_bodies;
    InstallationReport& m_report;
    QSet<int> m_groups;
    QSet<QString> m_checkedItems;
    QSet<QString> m_bodyProblems;
};

} // namespace

InstallationReport CheckInstallation(const Installation& inst, const BodyCheckerRegistry& bodies,
                                     const QList<InstallationFileCheck>& fileChecks)
{
    InstallationReport report;
    Checker c(inst, bodies, report);
    c.checkConfiguration();

    Installation probe = inst;
    TDrzewo tree;
    const bool definitionsOk = c.checkDefinitions(probe, tree);
    c.checkFiles(definitionsOk);
    if (definitionsOk) {
        if (const Status s = ScanExerciseFolder(probe, tree); !s.ok())
            c.problem(QStringLiteral("course scan"), s.failure().text);
    }
    for (const InstallationFileCheck& check : fileChecks)
        check(c.checked(), report);
    return report;
}
