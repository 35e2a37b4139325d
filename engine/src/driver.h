#pragma once
// The analysis driver: reads the project, echoes it and analyses every case.
#include <istream>

#include "run_files.h"
#include "run_results.h"

namespace talmo {

// Runs the analysis on an open project file and returns the run status.
// `results`, when not null, receives what the run found for the JSON results.
int runDriver(std::istream& project, RunFiles& files, const RunOptions& options, RunResults* results = nullptr);

}  // namespace talmo
