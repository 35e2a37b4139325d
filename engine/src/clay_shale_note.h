#pragma once
// The note that closes the results when the profile ends in clay shale of a compressive
// strength below 1000 psi: such soft rock carries a small settlement in side resistance and a
// larger one in end bearing; the top-load table lets the engineer read which applies.
#include <array>
#include <vector>

#include "real.h"
#include "run_model.h"
#include "text_out.h"

namespace talmo {

// True when the deepest layer is clay shale whose unconfined compressive strength, 2 su, is
// below 1000 psi. su is the strength the clay-shale tip rule takes at the last case's shaft tip
// (held within the layer): the interpolated CU, or N / 10 tsf when the layer gives no CU.
bool clayShaleNoteApplies(const RunModel& run, Real lastShaftLength);

// The note and the top-load table of `points` (top load, top movement, in the project's units:
// tons and in, or kN and m).
void writeClayShaleNote(bool si, const std::vector<std::array<Real, 4>>& points, TextOut& report);

}  // namespace talmo
