#include "Cli.h"

// Command groups, one file each. Registered here explicitly.
int CliMode(const CliArgs&, CliIo&);
int CliProfiles(const CliArgs&, CliIo&);
int CliTree(const CliArgs&, CliIo&);
int CliRecord(const CliArgs&, CliIo&);
int CliNormalize(const CliArgs&, CliIo&);
int CliCheck(const CliArgs&, CliIo&);
int CliDictionary(const CliArgs&, CliIo&);
int CliTrainerTask(const CliArgs&, CliIo&);
int CliTrainerSlownik(const CliArgs&, CliIo&);
int CliTrainerRecognize(const CliArgs&, CliIo&);
int CliAnswers(const CliArgs&, CliIo&);

const std::vector<CliCommand>& AllCliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"mode", "mode [--app-dir DIR]                 program mode: 1, 2, 3 or ask", "", CliMode},
        {"tree",
         "tree [--app-dir DIR] [--user ID] [--mode N] [--lang N]\n"
         "                                       the course as a flat list, one node per line (tab-separated)",
         "", CliTree},
        {"record",
         "record [--app-dir DIR] --user ID --file NAME --kind K --score S [--today YYYY-MM-DD] [--mode N] [--lang N]\n"
         "                                       records a result as a check does and writes the results file",
         "", CliRecord},
        {"normalize", "normalize [--app-dir DIR] TEXT       TEXT with the shortcut table applied", "", CliNormalize},
        {"check", "check [--app-dir DIR] [--mode N] [--lang N]\n"
                   "                                       lists every problem of an installation", "", CliCheck},
        {"profiles",
         "profiles list [--app-dir DIR]        Id, Login, Gender, HasPassword, Figure (tab-separated)\n"
         "  profiles create --login L --gender K|M --figure F [--password P] [--app-dir DIR]\n"
         "                                       F: 10..15 or 20..25; prints the new Id\n"
         "  profiles change --id N [--login L] [--gender K|M] [--figure F] [--password P | --no-password]\n"
         "  profiles remove --id N [--app-dir DIR]",
         "no-password", CliProfiles},
        {"dictionary",
         "dictionary [--app-dir DIR] [--file PATH] [--translations] [--whole-words] [--prefix] TEXT | --form WORD",
         "translations whole-words prefix", CliDictionary},
        {"trainer-task", "trainer-task WORD/WORD/...           write tmp.dct and tmp.lat here from slownik.dct, tmp0.dct",
         "", CliTrainerTask},
        {"trainer-slownik",
         "trainer-slownik [--cmudict F] [--lessons F,F] [--words W/W] [--out DIR]  build slownik.dct and tmp0.dct",
         "", CliTrainerSlownik},
        {"trainer-recognize",
         "trainer-recognize --words W/W/... [--wav FILE] [--dir DIR] [--save FILE] [--lead-in MS]"
         " [--lattice-weight X] [--verbose]  recognize a recording (or the microphone) against the phrase",
         "verbose", CliTrainerRecognize},
        {"answers",
         "answers [--app-dir DIR] --file NAME --inputs \"A|B|C\" [--letter-case 0|1] [--punctuation 0|1]\n"
         "                                       checks typed answers against a gap text: answer, input, right/wrong",
         "", CliAnswers},
    };
    return commands;
}
