#pragma once
// Load-settlement curve of a drilled shaft tipped in soil by the load-transfer (t-z) method: for
// an assumed tip movement the tip load follows from the q-w curve, and load and movement are
// carried up the shaft segment by segment, each segment's side transfer taken from the t-z
// curves at its depth and its shortening from the axial stiffness.
//
// Work units as in transfer_curves.h: in, psi, lb. `runLoadTransfer` takes the engine's units
// (ft, tsf, tons) and returns work units; the caller converts for printing.
#include <array>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "real.h"
#include "transfer_curves.h"

namespace talmo {

inline constexpr int kTipMovementCount = 15;

// The assumed tip movements (in) for a shaft of diameter D (in): twelve fixed values from 1E-5
// to 0.5 in, then 1 %, 2.5 % and 5 % of D, each kept above the one before it (0.625 in when
// 1 % of D is below 0.5 in, else 1.25 times the previous movement when below it).
std::array<Real, kTipMovementCount> standardTipMovements(Real D);

// Axial stiffness AE (lb) along the shaft: the stem's from the head down to the top of the bell
// and ignored bottom portion, changing linearly to the base's at the tip.
struct StiffnessProfile {
  Real stemEnd = 0;  // in: depth where the stem stiffness ends
  Real AEstem = 0;
  Real L = 0;        // in: tip depth
  Real AEbase = 0;
};

// Ep: shaft modulus (psi); D, Bb: shaft and base diameters, L: shaft length, bellHeight and BS:
// height of the bell and ignored bottom portion (all in). Bb <= 0 means a straight shaft.
StiffnessProfile stiffnessProfile(Real Ep, Real D, Real Bb, Real L, Real bellHeight, Real BS);

// AE at a depth (in); the stem value above stemEnd, the base value at and below L.
Real axialStiffnessAt(const StiffnessProfile& profile, Real depth);

// The shaft as the segment solver sees it (work units).
struct ShaftModel {
  Real L = 0;        // in
  Real D = 0;        // in
  Real TOPLENG = 0;  // in: no side transfer above this depth
  int NS = 1;        // segments from head to tip (fewer than 1 counts as 1)
  StiffnessProfile stiffness;
  // in: no side transfer below this depth (the ignored bottom portion and the bell, which the
  // capacity excludes as well); infinite when the whole length below TOPLENG carries side.
  Real sideBottom = std::numeric_limits<Real>::infinity();
};

// Depths are compared with a tolerance of a thousandth of an inch, so that a segment whose mid
// depth lies on the top or bottom of the side-carrying zone always counts, whatever the
// rounding of its computed depth.
inline constexpr Real kDepthToleranceIn = 1e-3f;

// Whether a segment centred at depth zm (in) takes side transfer.
bool carriesSide(const ShaftModel& shaft, Real zm);

// Segments of the solution for a shaft of length L (ft): one foot long at most, so that the
// curve does not depend on the output increment of the report.
int segmentsOfAtMostOneFoot(Real L);

// What the solution needs of the segments, the same for every pass and tip movement, in the
// solution's order (tip upward): each segment's depths, axial flexibility, and for a segment
// carrying side transfer its place among the t-z curves.
struct SegmentFrame {
  Real depth = 0;        // in: mid depth
  Real topDepth = 0;     // in
  Real flexibility = 0;  // 1/lb: 1 / AE at mid depth; 0 without stiffness (no shortening)
  bool carries = false;  // within the side-carrying zone
  CurvePlacement placement;
};

struct ShaftSegments {
  std::vector<SegmentFrame> frames;
  // Mid depth of the first load-carrying segment outside the t-z curves; negative when none is.
  Real outsideDepth = -1;
};

// The segments of a shaft among its t-z curves, or among the sites where its curves will stand.
ShaftSegments shaftSegments(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves);
ShaftSegments shaftSegments(const ShaftModel& shaft, std::span<const CurveSite> sites);

struct SolverOptions {
  // Bound on the trials of one segment's mid movement. The fixed-point iteration converges in a
  // few trials for any practical shaft; a soft shaft on a steep softening t-z curve can cycle.
  int maxIterations = 1000;
  Real tolerance = 1e-5f;  // in: accepted change of the mid movement between two trials
  // Keep every segment's record in TipSolution::segments; without them only the head, the tip
  // and the count of unconverged segments are filled in.
  bool keepSegments = true;
};

// One segment of the solution (tip upward).
struct SegmentResult {
  Real depth = 0;            // in: mid depth
  Real topDepth = 0;         // in
  Real loadTransfer = 0;     // psi: t at the accepted mid movement
  Real loadIncrement = 0;    // lb: pi D h t
  Real totalLoad = 0;        // lb: axial load at the segment top
  Real averageLoad = 0;      // lb: axial load at mid depth
  Real compression = 0;      // in: elastic shortening of the segment
  Real totalMovement = 0;    // in: movement of the segment top
  Real averageMovement = 0;  // in: mid movement from the last trial
  int iterations = 0;        // trials made
  bool converged = true;
};

// The solution for one assumed tip movement.
struct TipSolution {
  Real tipMovement = 0;   // in
  Real tipLoad = 0;       // lb
  Real headMovement = 0;  // in
  Real headLoad = 0;      // lb
  std::vector<SegmentResult> segments;  // from the tip upward
  int unconvergedSegments = 0;          // segments that reached the trial bound
};

// Axial load and movement at a depth (in) of the solution of a shaft of length L (in), linear
// between the segment ends.
struct AxialState {
  Real load = 0;      // lb
  Real movement = 0;  // in
};
AxialState axialStateAt(const TipSolution& solution, Real L, Real depth);

// Solves the shaft for tip movement wt (in) with t-z curves sorted by depth and the q-w curve.
// A segment that does not converge within options.maxIterations keeps its last trial and is
// counted in unconvergedSegments. A shaft without positive stiffness has no shortening.
TipSolution solveTipMovement(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves,
                             const TransferCurve& qwCurve, Real wt, const SolverOptions& options = {});

struct LoadSettlementCurve {
  std::vector<TipSolution> points;        // one per tip movement, in order
  std::vector<std::string> warningLines;  // each line for the report and the runtime file
  int status = 0;                         // 0 or kStatusTransferLimit
};

// Solves every tip movement in turn. A segment carrying side transfer whose mid depth lies 0.1 in or more
// outside the t-z curves stops the computation before any point: status 5 and its warning. Each
// tip movement with unconverged segments adds one warning block.
LoadSettlementCurve solveLoadSettlement(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves,
                                        const TransferCurve& qwCurve, std::span<const Real> tipMovements,
                                        const SolverOptions& options = {});

// Tip movement (in) for each head movement asked for (in), by linear interpolation in the
// (head movement, tip movement) pairs of a solution, from the origin below the first pair and
// extrapolated from the last two pairs beyond the largest; 0 for a settlement of 0 or less.
std::vector<Real> tipMovementsAtSettlements(std::span<const TipSolution> solution,
                                            std::span<const Real> settlements);

// One load-settlement pass in the engine's units.
struct LoadTransferInput {
  std::vector<TransferLayer> layers;           // ft, top to bottom
  std::vector<StrengthPoint> boundaryProfile;  // ft, tsf: unit side resistance at every layer top and bottom
  std::vector<StrengthPoint> oneFootProfile;   // ft, tsf: unit side resistance of each one-foot step
  int tipKSOIL = 0;                            // soil type of the layer at the shaft tip
  Real L = 0;                                  // ft: shaft length
  Real D = 0;                                  // ft: shaft diameter
  Real Bb = 0;                                 // ft: base diameter (0 or less: straight shaft)
  Real EPILE = 0;                              // tsf: shaft modulus
  Real TOPLENG = 0;                            // ft
  Real BS = 0;                                 // ft
  Real bellHeight = 0;                         // ft: end of stem to base
  int NS = 1;                                  // segments (segmentsOfAtMostOneFoot)
  Real Qb = 0;                                 // tons: ultimate tip load at the shaft tip
};

struct LoadTransferPass {
  int status = 0;  // 0, or 2, 4, 5: the driver stops the remaining passes
  std::vector<std::string> warningLines;  // each line for the report and the runtime file
  std::vector<TransferCurve> sideCurves;  // the t-z curves used (in, psi)
  TransferCurve qwCurve;                  // the q-w curve used (in, lb)
  std::vector<TipSolution> points;        // the 15 standard tip movements
  std::vector<TipSolution> definedPoints;  // one per defined settlement; headLoad is the chart value
};

// The load-settlement passes of one shaft. What the passes of every curve kind share (the ground
// in work units, the t-z curve sites with their peak side transfer, the segments and their places
// among the curves) is prepared once. `input` must outlive it.
class LoadTransferShaft {
 public:
  explicit LoadTransferShaft(const LoadTransferInput& input);
  // As runLoadTransfer.
  LoadTransferPass run(CurveKind kind, std::span<const Real> definedSettlements = {},
                       const SolverOptions& options = {}) const;

 private:
  const LoadTransferInput& input_;
  Real L_ = 0, D_ = 0, Bb_ = 0;  // in
  WorkProfile profile_;
  SideCurveSites sites_;
  ShaftModel shaft_;
  ShaftSegments segments_;
};

// Runs one pass of curve kind `kind`: builds the curves, solves the standard tip movements and,
// when definedSettlements (head movements, in) is not empty, solves again at the tip movements
// that give them. Construction failures (status 2 or 4) return at once with the status and its
// warning. A shaft without positive length or diameter returns no points and a warning.
LoadTransferPass runLoadTransfer(const LoadTransferInput& input, CurveKind kind,
                                 std::span<const Real> definedSettlements = {},
                                 const SolverOptions& options = {});

}  // namespace talmo
