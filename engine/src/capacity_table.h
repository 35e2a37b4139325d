#pragma once
// Capacity of a shaft versus its length: the one-foot results (side resistance above the
// load-carrying zone's bottom, tip resistance averaged over two base diameters below the base)
// and the result columns of a printed length.
#include <vector>

#include "capacity_steps.h"
#include "real.h"
#include "run_model.h"
#include "shaft_geometry.h"

namespace talmo {

// Ultimate and factored resistance of a shaft of one length. "Tip" is the base resistance in
// compression and the shaft's weight under uplift. Tons, cubic yards, ft.
struct Capacity {
  Real length = 0;
  Real volume = 0;
  Real QS = 0, QB = 0, QU = 0;
  Real sideFactored = 0;  // QS / FST (ASD) or the LRFD side resistance
  Real tipFactored = 0;   // QB / FSB (ASD) or the LRFD tip resistance; the weight under uplift
  Real totalFactored = 0;
  Real allowable = 0;     // QDN (ASD) or the LRFD total: compared with the design load
  Real QBD = 0;           // ASD: QS + QB / FSB
  Real perVolume = 0;     // QU / volume
};

struct CapacityProfile {
  std::vector<Capacity> atWholeFeet;  // index = shaft length in ft
  bool tipZoneCutShort = false;       // the profile ends within the averaging zone of a base
  int deepestFullZone = 0;            // deepest base whose averaging zone lies in the profile
};

// One-foot results of a case for shaft lengths 0 .. bottom of the profile. BSr is the ignored
// bottom portion rounded to whole feet.
CapacityProfile capacityProfile(const RunModel& run, const std::vector<DepthStep>& steps,
                                const ShaftGeometry& shaft, Real BSr);

// Capacity at any length, interpolated linearly between the one-foot results.
Capacity capacityAt(const CapacityProfile& profile, Real length);

}  // namespace talmo
