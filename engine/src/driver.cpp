#include "driver.h"

#include "input_reader.h"
#include "report_first_lines.h"

namespace talmo {

int runDriver(std::istream& project, RunFiles& files, const RunOptions& /*options*/) {
  RunModel model;
  try {
    model = readProject(project, files);
  } catch (const InputError& error) {
    writeInputError(files, error);
    return kStatusInputError;
  }
  return kStatusCompleted;
}

}  // namespace talmo
