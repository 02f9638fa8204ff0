#pragma once

#include <functional>

// Progress of a long operation: `step` of `count` done. Core code reports
// through it; the window that started the operation draws the progress bar.
using ProgressCallback = std::function<void(int count, int step)>;
