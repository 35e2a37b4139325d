#pragma once
// The report lines written while the project file is read: design value, uplift reduction
// factor, layer count and water table; the two-diameter warning; the input-error block.
#include <string>
#include <vector>

#include "run_files.h"
#include "run_model.h"
#include "word_reader.h"

namespace talmo {

// Title, design value, uplift factor, layer count and water table, in the project's units.
void writeFirstReportLines(const RunModel& model, int layerCount, TextOut& report);

// The shaft tip lies below the last layer: report and runtime file.
void writeProfileTooShortWarning(RunFiles& files);

// A framed error block (two empty lines, the ERROR frame around the lines, an empty line) to
// the report and the runtime file.
void writeErrorBlock(RunFiles& files, const std::vector<std::string>& lines);

// A project file that could not be read: a framed block naming the file, line, item and
// problem, to the report and the runtime file.
void writeInputError(RunFiles& files, const InputError& error);

}  // namespace talmo
