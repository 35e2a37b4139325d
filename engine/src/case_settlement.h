#pragma once
// Load-settlement behaviour of one case whose tip is in soil: the three load-transfer passes
// (trend, upper bound, lower bound), their report tables, listings and plot records, and the
// head loads at the design-chart settlements.
#include <array>
#include <vector>

#include "capacity_steps.h"
#include "plot_file.h"
#include "run_files.h"
#include "run_model.h"
#include "settlement_solver.h"
#include "shaft_geometry.h"

namespace talmo {

struct SettlementCase {
  const std::vector<Layer>* layers = nullptr;  // whole-foot layers of the case
  const std::vector<DepthStep>* steps = nullptr;
  std::vector<BoundaryResistance> boundary;
  ShaftGeometry shaft;
  Real BSr = 0;         // ignored bottom portion, whole feet
  Real length = 0;      // ft
  int rows = 1;         // depth rows of the capacity table: points of the load distribution
  Real Qb = 0;          // ultimate tip load at the tip, tons (0 under uplift)
  Real Qs = 0;          // ultimate side resistance of the shaft at its length, tons
  Real diameterRatio = 1;                     // current over initial diameter: scales sockets
  const std::vector<Real>* stress = nullptr;  // effective stress at every whole foot, psf
  int caseNumber = 1;
  int diameterIndex = 1;
  bool firstCase = false;
  bool diametersVary = false;
};

// What the run keeps across cases.
struct SettlementRunState {
  int qwCurves = 0;  // q-w curves written to the q-w plot file
  // The last load-transfer pass of the run: TZDATA.DAT holds its detailed listing.
  bool hasLastPass = false;
  CurveKind lastKind = CurveKind::trend;
  LoadTransferPass lastPass;
  Real lastD = 0, lastL = 0;
};

// Writes TZDATA.DAT with the detailed listing of the run's last load-transfer pass (each pass
// replaces the previous one's, so only the last is kept).
void writeTzDataFile(const RunModel& run, const RunFiles& files, const SettlementRunState& state);

struct SettlementResult {
  int status = 0;
  // Points per curve kind (trend, upper, lower) for the plot file: top load, top settlement,
  // tip load, tip movement, in the project's units.
  std::array<std::vector<std::array<Real, 4>>, 3> plotPoints;
  std::vector<Real> chartHeadLoadsLb;  // one per defined settlement (trend pass)
};

// Extra t-z curves at the project's depths, three kinds, for the first case: report section and
// plot records. Returns a run status (2 when a depth lies below the strength profile).
int writeExtraTzCurves(const RunModel& run, RunFiles& files, const SettlementCase& c);

SettlementResult runCaseSettlement(const RunModel& run, RunFiles& files, const SettlementCase& c,
                                   SettlementRunState& state);

// Defined settlements of the design charts in inches.
std::vector<Real> definedSettlementsInches(const RunModel& run);

// Warnings of a load-settlement computation, each line to the report and the runtime file.
void writeSettlementWarnings(RunFiles& files, const std::vector<std::string>& lines);

}  // namespace talmo
