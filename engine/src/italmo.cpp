// The engine's one exported entry point.
#include <iostream>

#include "talmo/engine.h"

extern "C" __attribute__((visibility("default"))) int ITALMO(int code) {
  if (code != 7) return 1;
  try {
    talmo::RunOptions options;
    options.consoleIn = &std::cin;
    options.consoleOut = &std::cout;
    return talmo::runFromNamesFile(options);
  } catch (...) {
    // Nothing may cross the library boundary; an unexpected failure is an error status.
    return talmo::kStatusInternalFailure;
  }
}
