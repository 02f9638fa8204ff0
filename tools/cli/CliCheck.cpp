// The installation check.
#include "Cli.h"
#include "CliCourse.h"

#include "InstallationCheck.h"

namespace {

// Body checkers of the exercise kinds, one line per kind that has one.
void registerBodyCheckers(BodyCheckerRegistry& /*registry*/)
{
}

} // namespace

int CliCheck(const CliArgs& args, CliIo& io)
{
    const std::optional<Installation> inst = CliCourseInstallation(args, io);
    if (!inst)
        return 1;
    BodyCheckerRegistry bodies;
    registerBodyCheckers(bodies);
    const InstallationReport report = CheckInstallation(*inst, bodies);
    for (const QString& p : report.problems)
        io.out << "problem: " << p << '\n';
    for (const QString& w : report.warnings)
        io.out << "warning: " << w << '\n';
    if (!report.ok())
        return CliFail(io, QStringLiteral("%1 problem(s) found").arg(report.problems.size()));
    io.out << "ok\n";
    return 0;
}
