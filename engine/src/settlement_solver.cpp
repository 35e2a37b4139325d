#include "settlement_solver.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "fixed_format.h"
#include "units.h"

namespace talmo {
namespace {

constexpr Real kQuarterPi = 0.7854f;  // area factor of the stiffness profile

Real segmentLength(const ShaftModel& shaft) { return shaft.L / static_cast<Real>(std::max(1, shaft.NS)); }

Real midDepth(const ShaftModel& shaft, Real h, int segment) {
  return shaft.L - h / 2 - static_cast<Real>(segment) * h;
}

void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

std::vector<std::string> convergenceWarning(int tipMovementNumber, int segments, int maxIterations) {
  return {"**** WARNING ****",
          "AT ASSUMED TIP MOVEMENT NO." + fmt::I(tipMovementNumber, 3) + "," + fmt::I(segments, 5) +
              " SEGMENT(S) DID NOT CONVERGE",
          "WITHIN" + fmt::I(maxIterations, 6) + " TRIALS; THE LAST TRIAL IS USED."};
}

// What the solution needs of the segments, the same for every tip movement, in the solution's
// order (tip upward): each segment's depths, axial flexibility and side transfer (none outside
// the load-carrying zone).
struct SegmentFrame {
  Real depth = 0;        // in: mid depth
  Real topDepth = 0;     // in
  Real flexibility = 0;  // 1/lb: 1 / AE at mid depth; 0 without stiffness (no shortening)
};

struct ShaftSegments {
  std::vector<SegmentFrame> frames;
  std::vector<DepthTransfer> transfers;
  // Every curve has the same movements, never decreasing: the movement bracket found for one
  // trial is the start of the search for the next, also from segment to segment.
  bool searchOnward = false;
  // Mid depth of the first load-carrying segment outside the t-z curves; negative when none is.
  Real outsideDepth = -1;
};

ShaftSegments shaftSegments(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves) {
  const int NS = std::max(1, shaft.NS);
  const Real h = segmentLength(shaft);
  const bool share = shareMovements(sideCurves);
  ShaftSegments segments;
  segments.searchOnward = share && movementsAscend(sideCurves.front());
  segments.frames.reserve(static_cast<std::size_t>(NS));
  segments.transfers.reserve(static_cast<std::size_t>(NS));
  for (int s = 0; s < NS; ++s) {
    const Real depth = midDepth(shaft, h, s);
    const Real AE = axialStiffnessAt(shaft.stiffness, depth);
    segments.frames.push_back({depth, depth - h / 2, AE > 0 ? 1 / AE : 0});
    const bool carries = carriesSide(shaft, depth);
    const auto& transfer =
        segments.transfers.emplace_back(carries ? sideCurves : std::span<const TransferCurve>(), depth, share);
    if (carries && transfer.beyondExtent() && segments.outsideDepth < 0) segments.outsideDepth = depth;
  }
  return segments;
}

// The solutions for the tip movements on segments set up beforehand, one per movement.
std::vector<TipSolution> solveOnSegments(const ShaftModel& shaft, const ShaftSegments& segments,
                                         const TransferCurve& qwCurve, std::span<const Real> tipMovements,
                                         const SolverOptions& options) {
  const int NS = std::max(1, shaft.NS);
  const int maxIterations = std::max(1, options.maxIterations);
  const Real h = segmentLength(shaft);
  const Real sideArea = kPi * shaft.D * h;
  // The tip movements are independent: each segment is solved for all of them before the next
  // segment, so that the processor overlaps their trials, each a chain of dependent steps.
  struct Progress {
    Real Pb;  // load and movement at the bottom of the current segment
    Real wb;
    Real wm;                  // first guess of the mid movement
    std::size_t bracket = 0;  // where the last movement search ended
  };
  std::vector<TipSolution> solutions(tipMovements.size());
  std::vector<Progress> progress(tipMovements.size());
  for (std::size_t k = 0; k < tipMovements.size(); ++k) {
    TipSolution& solution = solutions[k];
    solution.tipMovement = tipMovements[k];
    solution.tipLoad = valueAtMovement(qwCurve, tipMovements[k]);
    solution.segments.resize(static_cast<std::size_t>(NS));
    progress[k] = {solution.tipLoad, tipMovements[k], tipMovements[k]};
  }
  for (int s = 0; s < NS; ++s) {
    const SegmentFrame& frame = segments.frames[static_cast<std::size_t>(s)];
    const Real flexibility = frame.flexibility;
    const DepthTransfer& side = segments.transfers[static_cast<std::size_t>(s)];
    for (std::size_t k = 0; k < tipMovements.size(); ++k) {
      auto& [Pb, wb, wm, bracket] = progress[k];
      // The trials need only the load at the segment top and the mid movement; the rest of the
      // segment's state follows from the last trial.
      Real loadTransfer, loadIncrement, totalLoad, averageMovement;
      int trial = 1;
      bool converged;
      for (;; ++trial) {
        loadTransfer = segments.searchOnward ? side.valueAt(wm, bracket) : side.valueAt(wm);
        loadIncrement = sideArea * loadTransfer;
        totalLoad = Pb + loadIncrement;
        // Mid movement: the shortening of the lower half under its mean load.
        averageMovement = wb + (Pb + (Pb + totalLoad) / 2) * (h / 4) * flexibility;
        converged = std::fabs(averageMovement - wm) <= options.tolerance;
        if (converged || trial >= maxIterations) break;
        wm = averageMovement;
      }
      SegmentResult& seg = solutions[k].segments[static_cast<std::size_t>(s)];
      seg.depth = frame.depth;
      seg.topDepth = frame.topDepth;
      seg.loadTransfer = loadTransfer;
      seg.loadIncrement = loadIncrement;
      seg.totalLoad = totalLoad;
      seg.averageLoad = Pb + loadIncrement / 2;
      seg.compression = h * seg.averageLoad * flexibility;
      seg.totalMovement = wb + seg.compression;
      seg.averageMovement = averageMovement;
      seg.iterations = trial;
      seg.converged = converged;
      if (!seg.converged) ++solutions[k].unconvergedSegments;
      Pb = seg.totalLoad;
      wb = seg.totalMovement;
      wm = wb;
    }
  }
  for (std::size_t k = 0; k < tipMovements.size(); ++k) {
    solutions[k].headLoad = progress[k].Pb;
    solutions[k].headMovement = progress[k].wb;
  }
  return solutions;
}

// The load-settlement curve for the given tip movements on segments set up beforehand.
LoadSettlementCurve solveCurveOnSegments(const ShaftModel& shaft, const ShaftSegments& segments,
                                         const TransferCurve& qwCurve, std::span<const Real> tipMovements,
                                         const SolverOptions& options) {
  LoadSettlementCurve curve;
  if (segments.outsideDepth >= 0) {
    curve.warningLines = extentWarningLines(kStatusTransferLimit, segments.outsideDepth);
    curve.status = kStatusTransferLimit;
    return curve;
  }
  curve.points = solveOnSegments(shaft, segments, qwCurve, tipMovements, options);
  for (std::size_t k = 0; k < curve.points.size(); ++k)
    if (curve.points[k].unconvergedSegments > 0)
      append(curve.warningLines, convergenceWarning(static_cast<int>(k) + 1, curve.points[k].unconvergedSegments,
                                                    std::max(1, options.maxIterations)));
  return curve;
}

}  // namespace

bool carriesSide(const ShaftModel& shaft, Real zm) {
  if (zm < shaft.TOPLENG - kDepthToleranceIn) return false;
  return zm <= shaft.sideBottom + kDepthToleranceIn;
}

int segmentsOfAtMostOneFoot(Real L) {
  // A length a rounding error above a whole foot keeps the whole number of segments.
  const Real feet = std::ceil(L - 1e-4f);
  return feet >= 1 ? static_cast<int>(std::min<Real>(feet, 1e6f)) : 1;
}

AxialState axialStateAt(const TipSolution& s, Real L, Real depth) {
  // Segment ends from the tip upward: the tip, then each segment's top.
  Real belowDepth = L;
  AxialState below{s.tipLoad, s.tipMovement};
  for (const SegmentResult& seg : s.segments) {
    const AxialState above{seg.totalLoad, seg.totalMovement};
    if (depth >= seg.topDepth) {
      const Real span = belowDepth - seg.topDepth;
      const Real t = span > 0 ? std::clamp((depth - seg.topDepth) / span, Real(0), Real(1)) : 0;
      return {above.load + (below.load - above.load) * t, above.movement + (below.movement - above.movement) * t};
    }
    belowDepth = seg.topDepth;
    below = above;
  }
  return below;  // at or above the head
}

std::array<Real, kTipMovementCount> standardTipMovements(Real D) {
  std::array<Real, kTipMovementCount> w = {1e-5f, 5e-5f, 1e-4f, 0.005f, 0.0075f, 0.01f, 0.025f, 0.05f,
                                           0.075f, 0.1f, 0.25f, 0.5f, 0, 0, 0};
  w[12] = 0.01f * D;
  if (w[12] < 0.5f) w[12] = 0.625f;
  w[13] = 0.025f * D;
  if (w[13] < w[12]) w[13] = 1.25f * w[12];
  w[14] = 0.05f * D;
  if (w[14] < w[13]) w[14] = 1.25f * w[13];
  return w;
}

StiffnessProfile stiffnessProfile(Real Ep, Real D, Real Bb, Real L, Real bellHeight, Real BS) {
  const Real base = Bb > 0 ? Bb : D;
  // A bell and bottom portion longer than the shaft stiffen from the head down.
  const Real stemEnd = std::clamp(L - bellHeight - BS, Real(0), std::max(L, Real(0)));
  return {stemEnd, Ep * kQuarterPi * D * D, L, Ep * kQuarterPi * base * base};
}

Real axialStiffnessAt(const StiffnessProfile& p, Real depth) {
  if (depth <= p.stemEnd) return p.AEstem;
  if (depth >= p.L) return p.AEbase;
  // stemEnd < depth < L, so the span is positive.
  return p.AEstem + (p.AEbase - p.AEstem) * (depth - p.stemEnd) / (p.L - p.stemEnd);
}

TipSolution solveTipMovement(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves,
                             const TransferCurve& qwCurve, Real wt, const SolverOptions& options) {
  return std::move(solveOnSegments(shaft, shaftSegments(shaft, sideCurves), qwCurve, {&wt, 1}, options).front());
}

LoadSettlementCurve solveLoadSettlement(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves,
                                        const TransferCurve& qwCurve, std::span<const Real> tipMovements,
                                        const SolverOptions& options) {
  return solveCurveOnSegments(shaft, shaftSegments(shaft, sideCurves), qwCurve, tipMovements, options);
}

std::vector<Real> tipMovementsAtSettlements(std::span<const TipSolution> solution,
                                            std::span<const Real> settlements) {
  std::vector<Real> tips;
  tips.reserve(settlements.size());
  for (Real s : settlements) {
    if (!(s > 0) || solution.empty()) {
      tips.push_back(0);
      continue;
    }
    const auto it = std::find_if(solution.begin(), solution.end(),
                                 [s](const TipSolution& p) { return p.headMovement >= s; });
    // Bracketing pair: the origin below the first point, the last two points beyond the last.
    Real headA = 0, tipA = 0, headB, tipB;
    if (it == solution.end() && solution.size() >= 2) {
      headA = solution[solution.size() - 2].headMovement;
      tipA = solution[solution.size() - 2].tipMovement;
    } else if (it != solution.end() && it != solution.begin()) {
      headA = std::prev(it)->headMovement;
      tipA = std::prev(it)->tipMovement;
    }
    const auto& b = it == solution.end() ? solution.back() : *it;
    headB = b.headMovement;
    tipB = b.tipMovement;
    const Real span = headB - headA;
    const Real tip = span > 0 ? tipA + (tipB - tipA) * (s - headA) / span : tipB;
    tips.push_back(std::max(tip, Real(0)));
  }
  return tips;
}

LoadTransferPass runLoadTransfer(const LoadTransferInput& input, CurveKind kind,
                                 std::span<const Real> definedSettlements, const SolverOptions& options) {
  LoadTransferPass pass;
  if (!(input.D > 0) || !(input.L > 0)) {
    pass.warningLines = {"**** WARNING ****",
                         "NO LOAD-SETTLEMENT CURVE: THE SHAFT LENGTH AND DIAMETER MUST BE POSITIVE."};
    return pass;
  }
  const Real L = input.L * kInPerFt;
  const Real D = input.D * kInPerFt;
  const Real Bb = input.Bb > 0 ? input.Bb * kInPerFt : D;
  const WorkProfile profile = workProfile(input.layers, input.boundaryProfile, input.oneFootProfile);

  auto side = buildSideCurves(profile, D, kind);
  append(pass.warningLines, side.warningLines);
  pass.sideCurves = std::move(side.curves);
  if ((pass.status = side.status) != 0) return pass;

  auto base = buildBaseCurve(profile, input.tipKSOIL, L, D, Bb, input.Qb * kLbPerTon, kind);
  append(pass.warningLines, base.warningLines);
  pass.qwCurve = std::move(base.curve);
  if ((pass.status = base.status) != 0) return pass;

  const Real Ep = input.EPILE * kPsiPerTsf;
  if (!(Ep > 0))
    append(pass.warningLines, {"**** WARNING ****", "THE ELASTIC MODULUS OF THE SHAFT IS NOT POSITIVE;",
                               "THE SHAFT IS TREATED AS RIGID (NO ELASTIC SHORTENING)."});
  const ShaftModel shaft{L, D, input.TOPLENG * kInPerFt, input.NS,
                         stiffnessProfile(Ep, D, Bb, L, input.bellHeight * kInPerFt, input.BS * kInPerFt),
                         std::max(L - (input.bellHeight + input.BS) * kInPerFt, Real(0))};

  const auto standard = standardTipMovements(D);
  // The segments are the same for both sets of tip movements.
  const ShaftSegments segments = shaftSegments(shaft, pass.sideCurves);
  auto curve = solveCurveOnSegments(shaft, segments, pass.qwCurve, standard, options);
  append(pass.warningLines, curve.warningLines);
  pass.points = std::move(curve.points);
  if ((pass.status = curve.status) != 0 || definedSettlements.empty()) return pass;

  const auto tips = tipMovementsAtSettlements(pass.points, definedSettlements);
  auto defined = solveCurveOnSegments(shaft, segments, pass.qwCurve, tips, options);
  append(pass.warningLines, defined.warningLines);
  pass.definedPoints = std::move(defined.points);
  return pass;
}

}  // namespace talmo
