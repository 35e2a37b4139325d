#pragma once
// The results of a run as one JSON document (schema 1, docs/json-results.md): status, units,
// design method, the layers, every case with its capacity rows and load-settlement curves, the
// most efficient shaft, the design charts and the warnings of the runtime notes. Numbers are
// written locale-independently as the shortest decimals that read back as the engine's
// single-precision values.
#include <ostream>

#include "run_results.h"
#include "talmo/engine.h"

namespace talmo {

void writeJsonResults(std::ostream& out, const RunNames& names, int status, const RunResults& results);

}  // namespace talmo
