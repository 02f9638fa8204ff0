#pragma once

#include <QString>

// The program's own four-part version (6.0.0.1), compiled in from the build,
// written as the version line shows it: the four numbers one after another
// ("6001").
QString ProgramVersionDigits();
