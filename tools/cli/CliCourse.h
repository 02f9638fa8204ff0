#pragma once

#include "Cli.h"

#include <optional>

// Options shared by the course commands.

// --mode N, or the mode the exercise file names decide. Reports and returns
// nullopt when the names leave it to the learner and no --mode was given.
std::optional<int> CliProgramMode(const CliArgs& args, const Installation& inst, CliIo& io);

// --lang N (0..255), default 0.
std::optional<int> CliInterfaceLanguage(const CliArgs& args, CliIo& io);

// The installation of --app-dir with its program mode (CliProgramMode) and
// interface language (CliInterfaceLanguage) set; nullopt after reporting.
std::optional<Installation> CliCourseInstallation(const CliArgs& args, CliIo& io);
