#include "Cli.h"

// Command groups, one file each. Registered here explicitly.
int CliMode(const CliArgs&, CliIo&);
int CliProfiles(const CliArgs&, CliIo&);

const std::vector<CliCommand>& AllCliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"mode", "mode [--app-dir DIR]                 program mode: 1, 2, 3 or ask", "", CliMode},
        {"profiles",
         "profiles list [--app-dir DIR]        Id, Login, Gender, HasPassword, Figure (tab-separated)\n"
         "  profiles create --login L --gender K|M --figure F [--password P] [--app-dir DIR]\n"
         "                                       F: 10..15 or 20..25; prints the new Id\n"
         "  profiles change --id N [--login L] [--gender K|M] [--figure F] [--password P | --no-password]\n"
         "  profiles remove --id N [--app-dir DIR]",
         "no-password", CliProfiles},
    };
    return commands;
}
