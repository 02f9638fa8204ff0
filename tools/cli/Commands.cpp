#include "Cli.h"

// Command groups, one file each. Registered here explicitly.
int CliMode(const CliArgs&, CliIo&);
int CliDictionary(const CliArgs&, CliIo&);

const std::vector<CliCommand>& AllCliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"mode", "mode [--app-dir DIR]                 program mode: 1, 2, 3 or ask", "", CliMode},
        {"dictionary",
         "dictionary [--app-dir DIR] [--file PATH] [--translations] [--whole-words] [--prefix] TEXT | --form WORD",
         "translations whole-words prefix", CliDictionary},
    };
    return commands;
}
