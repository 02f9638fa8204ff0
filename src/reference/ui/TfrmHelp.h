#pragma once

#include "TfrmPomoc.h"

// The help and handbook viewer under the name the rest of the program uses.
using TfrmHelp = TfrmPomoc;
