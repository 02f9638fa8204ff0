#pragma once

#include "ExerciseEnvelope.h"
#include "Installation.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>

// Checks an installation the way the program would use it and lists every
// problem instead of stopping at the first.

// What a body checker is given: the exercise file and the kind it is opened as
// (for a container's mode, the derived kind on the container's file).
// `inst.cdDir` is the media root as checked (ending in a backslash), or empty
// when cfg.ini or the media root is unusable: media files are then not looked
// for, the media root's own problem having been reported.
struct BodyCheckContext {
    const Installation& inst;
    QString fileName; // relative to AppDir\Dane, as the course tree names it
    int kind;
    const ExerciseDocument& document;
};

// Adds one line per problem of the kind's body to `problems`.
using BodyChecker = std::function<void(const BodyCheckContext&, QStringList& problems)>;

// Body checkers by exercise kind. Exercise kinds register theirs explicitly
// (one line each where the registry is filled), never by static initialisers.
class BodyCheckerRegistry final {
public:
    void add(int kind, BodyChecker checker) { m_checkers.insert(kind, std::move(checker)); }
    const BodyChecker* find(int kind) const
    {
        const auto it = m_checkers.constFind(kind);
        return it == m_checkers.constEnd() ? nullptr : &*it;
    }

private:
    QHash<int, BodyChecker> m_checkers;
};

struct InstallationReport {
    QStringList problems; // things that break the program or lose a part of the course
    QStringList warnings; // things the program handles quietly but an author may not mean
    bool ok() const { return problems.isEmpty(); }

    // Adds "where: what".
    void problem(const QString& where, const QString& what) { problems.append(where + QStringLiteral(": ") + what); }
    void warning(const QString& where, const QString& what) { warnings.append(where + QStringLiteral(": ") + what); }
};

// A check of files the installation as a whole relies on (skin library,
// pictures, help, trainer, dictionary). It is given the installation with the
// media root as a body checker gets it (BodyCheckContext) and `helpDir` set
// for the program mode.
using InstallationFileCheck = std::function<void(const Installation&, InstallationReport&)>;

// Checks cfg.ini and the media root, the definitions file, every Dane\*.xml
// file (parse, root element, envelope, package elements and their files, the
// kind's body through `bodies`), runs the course scan itself and then each of
// `fileChecks`. A problem a container's body gives in several of its modes is
// listed once. `inst.programMode` must be set; `inst.interfaceLanguage` picks
// the texts.
InstallationReport CheckInstallation(const Installation& inst, const BodyCheckerRegistry& bodies,
                                     const QList<InstallationFileCheck>& fileChecks = {});
