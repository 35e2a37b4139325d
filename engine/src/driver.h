#pragma once
// The analysis driver: reads the project, echoes it and analyses every case.
#include <istream>

#include "run_files.h"

namespace talmo {

// Runs the analysis on an open project file and returns the run status.
int runDriver(std::istream& project, RunFiles& files, const RunOptions& options);

}  // namespace talmo
