// The installation check.
#include "Cli.h"
#include "CliCourse.h"

#include "BodyCheckers.h"
#include "InstallationCheck.h"
#include "InstallationFileChecks.h"

#include <QElapsedTimer>

namespace {

// Body checkers of the exercise kinds, one line per kind that has one. A
// kind whose own binding exists registers that binding's checker instead.
void registerBodyCheckers(BodyCheckerRegistry& registry)
{
    registry.add(1, CheckWordTableFiles);
    registry.add(3, CheckTestFiles);
    registry.add(4, CheckGapTextFiles);
    registry.add(5, CheckSentenceDragFiles);
    registry.add(7, CheckAntonymFiles);
    registry.add(8, CheckThreePicturesFiles);
    registry.add(9, CheckSentencePuzzleFiles);
    registry.add(10, CheckGrammarGapFiles);
    registry.add(11, CheckDialoguePresentationFiles);
    registry.add(14, CheckDialogueComprehensionFiles);
    registry.add(21, CheckSentenceFileFiles);
    registry.add(22, CheckSentenceFileFiles);
    registry.add(24, CheckSentenceFileFiles);
    registry.add(31, CheckTrueFalseFiles);
    registry.add(32, CheckGrammarTableFiles);
    registry.add(33, CheckChoiceInTextFiles);
    registry.add(50, CheckSortingTableFiles);
    registry.add(52, CheckRevealFiles);
}

} // namespace

int CliCheck(const CliArgs& args, CliIo& io)
{
    const std::optional<Installation> inst = CliCourseInstallation(args, io);
    if (!inst)
        return 1;
    QElapsedTimer timer;
    timer.start();
    BodyCheckerRegistry bodies;
    registerBodyCheckers(bodies);
    const InstallationReport report = CheckInstallation(*inst, bodies, AllInstallationFileChecks());
    for (const QString& p : report.problems)
        io.out << "problem: " << p << '\n';
    for (const QString& w : report.warnings)
        io.out << "warning: " << w << '\n';
    io.err << "orvanta-cli: checked in " << timer.elapsed() << " ms" << Qt::endl;
    if (!report.ok())
        return CliFail(io, QStringLiteral("%1 problem(s) found").arg(report.problems.size()));
    io.out << "ok\n";
    return 0;
}
