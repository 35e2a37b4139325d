#pragma once
// Load-settlement behaviour of one case whose tip lies in rock or an intermediate geomaterial
// (types 4 to 7): the socket rule of the tip layer, its report section "LOAD SETTLEMENT
// RELATIONSHIP", the load-settlement points of the plot file and the design-chart head loads.
#include <array>
#include <vector>

#include "case_settlement.h"
#include "run_files.h"
#include "run_model.h"

namespace talmo {

struct SocketSettlementResult {
  int status = 0;  // a t-z failure in the overburden (2 or 5) stops the run like a soil tip's
  // The curve the plot file carries (strong rock: the lower-bound line): top load, top
  // settlement and two zeros per point, in the project's units; 15 zero points when the tip
  // gives no curve.
  std::vector<std::array<Real, 4>> plotPoints;
  std::vector<Real> chartHeadLoadsLb;  // one per defined settlement
};

// `run.EPILE` in tsf. `tipType` is the soil type of the layer at the shaft tip (4 to 7).
SocketSettlementResult runSocketSettlement(const RunModel& run, RunFiles& files, const SettlementCase& c,
                                           int tipType);

}  // namespace talmo
