#include "Cli.h"

// Command groups, one file each. Registered here explicitly.
int CliMode(const CliArgs&, CliIo&);
int CliTrainerTask(const CliArgs&, CliIo&);
int CliTrainerSlownik(const CliArgs&, CliIo&);
int CliTrainerRecognize(const CliArgs&, CliIo&);

const std::vector<CliCommand>& AllCliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"mode", "mode [--app-dir DIR]                 program mode: 1, 2, 3 or ask", "", CliMode},
        {"trainer-task", "trainer-task WORD/WORD/...           write tmp.dct and tmp.lat here from slownik.dct, tmp0.dct",
         "", CliTrainerTask},
        {"trainer-slownik",
         "trainer-slownik [--cmudict F] [--lessons F,F] [--words W/W] [--out DIR]  build slownik.dct and tmp0.dct",
         "", CliTrainerSlownik},
        {"trainer-recognize",
         "trainer-recognize --words W/W/... [--wav FILE] [--dir DIR] [--save FILE] [--lead-in MS]"
         " [--lattice-weight X] [--verbose]  recognize a recording (or the microphone) against the phrase",
         "verbose", CliTrainerRecognize},
    };
    return commands;
}
