#include "Cli.h"
#include "ProgramMode.h"

int CliMode(const CliArgs& args, CliIo& io)
{
    const Installation inst = CliInstallation(args);
    const int mode = ScoreProgramMode(ListExerciseFiles(inst.appDir));
    if (mode == 0)
        io.out << "ask\n";
    else
        io.out << mode << "\n";
    return 0;
}
