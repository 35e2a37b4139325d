#pragma once
// Reads the project file into the run model: defaults, minimum values, the rock layer count and
// the conversion of an SI project into internal English units. Writes the report's first lines
// (design value, uplift factor, layer count, water table) and the two-diameter warning as it
// goes. A file that cannot be read throws InputError.
#include <istream>

#include "run_files.h"
#include "run_model.h"
#include "word_reader.h"

namespace talmo {

RunModel readProject(std::istream& in, RunFiles& files);

// Normalisation that follows reading, exposed for tests: defaults of the length and diameter
// increments are applied while reading; these apply once everything is read.
void convertSiToInternal(RunModel& model);

}  // namespace talmo
