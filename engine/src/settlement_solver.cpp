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

// The segments' side transfer from one set of t-z curves, and whether the movement search may
// go on from trial to trial (every curve with the same movements, never decreasing).
struct SegmentSides {
  std::vector<DepthTransfer> transfers;
  bool searchOnward = false;
};

SegmentSides segmentSides(const ShaftSegments& segments, std::span<const TransferCurve> curves,
                          bool curvesShareMovements) {
  SegmentSides sides;
  sides.transfers.reserve(segments.frames.size());
  for (const SegmentFrame& frame : segments.frames)
    sides.transfers.push_back(frame.carries ? DepthTransfer(curves, frame.placement, curvesShareMovements)
                                            : DepthTransfer());
  sides.searchOnward = curvesShareMovements && movementsAscend(curves.front());
  return sides;
}

// The solutions for the tip movements on segments set up beforehand, one per movement.
// `searchOnward`: every curve has the same movements, never decreasing, so the movement bracket
// found for one trial is the start of the search for the next, also from segment to segment.
// A template on it, so that the trials of the usual onward search contain no call.
template <bool searchOnward>
std::vector<TipSolution> solveOnSegmentsWith(const ShaftModel& shaft, const ShaftSegments& segments,
                                             std::span<const DepthTransfer> transfers, const TransferCurve& qwCurve,
                                             std::span<const Real> tipMovements, const SolverOptions& options) {
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
    int unconverged = 0;
  };
  std::vector<TipSolution> solutions(tipMovements.size());
  std::vector<Progress> progress(tipMovements.size());
  for (std::size_t k = 0; k < tipMovements.size(); ++k) {
    TipSolution& solution = solutions[k];
    solution.tipMovement = tipMovements[k];
    solution.tipLoad = valueAtMovement(qwCurve, tipMovements[k]);
    if (options.keepSegments) solution.segments.resize(static_cast<std::size_t>(NS));
    progress[k] = {solution.tipLoad, tipMovements[k], tipMovements[k]};
  }
  for (int s = 0; s < NS; ++s) {
    const SegmentFrame& frame = segments.frames[static_cast<std::size_t>(s)];
    const Real flexibility = frame.flexibility;
    const DepthTransfer& side = transfers[static_cast<std::size_t>(s)];
    // Onward, the look-up of curves sharing their movements, which makes no call in the trials.
    const SharedMovementTransfer shared = searchOnward ? side.shared() : SharedMovementTransfer{};
    const bool carries = searchOnward ? shared.count > 0 : side.hasCurves();
    for (std::size_t k = 0; k < tipMovements.size(); ++k) {
      auto& [Pb, wb, wm, bracket, unconverged] = progress[k];
      // The trials need only the load at the segment top and the mid movement; the rest of the
      // segment's state follows from the last trial.
      Real loadTransfer = 0, loadIncrement, totalLoad, averageMovement;
      int trial = 1;
      bool converged;
      for (;; ++trial) {
        if (carries) {
          if constexpr (searchOnward) {
            loadTransfer = shared.valueAt(wm, bracket);
          } else {
            loadTransfer = side.valueAt(wm);
          }
        }
        loadIncrement = sideArea * loadTransfer;
        totalLoad = Pb + loadIncrement;
        // Mid movement: the shortening of the lower half under its mean load.
        averageMovement = wb + (Pb + (Pb + totalLoad) / 2) * (h / 4) * flexibility;
        converged = std::fabs(averageMovement - wm) <= options.tolerance;
        if (converged || trial >= maxIterations) break;
        wm = averageMovement;
      }
      const Real averageLoad = Pb + loadIncrement / 2;
      const Real compression = h * averageLoad * flexibility;
      if (options.keepSegments) {
        SegmentResult& seg = solutions[k].segments[static_cast<std::size_t>(s)];
        seg.depth = frame.depth;
        seg.topDepth = frame.topDepth;
        seg.loadTransfer = loadTransfer;
        seg.loadIncrement = loadIncrement;
        seg.totalLoad = totalLoad;
        seg.averageLoad = averageLoad;
        seg.compression = compression;
        seg.totalMovement = wb + compression;
        seg.averageMovement = averageMovement;
        seg.iterations = trial;
        seg.converged = converged;
      }
      if (!converged) ++unconverged;
      Pb = totalLoad;
      wb = wb + compression;
      wm = wb;
    }
  }
  for (std::size_t k = 0; k < tipMovements.size(); ++k) {
    solutions[k].headLoad = progress[k].Pb;
    solutions[k].headMovement = progress[k].wb;
    solutions[k].unconvergedSegments = progress[k].unconverged;
  }
  return solutions;
}

std::vector<TipSolution> solveOnSegments(const ShaftModel& shaft, const ShaftSegments& segments,
                                         const SegmentSides& sides, const TransferCurve& qwCurve,
                                         std::span<const Real> tipMovements, const SolverOptions& options) {
  return sides.searchOnward
             ? solveOnSegmentsWith<true>(shaft, segments, sides.transfers, qwCurve, tipMovements, options)
             : solveOnSegmentsWith<false>(shaft, segments, sides.transfers, qwCurve, tipMovements, options);
}

// The load-settlement curve for the given tip movements on segments set up beforehand.
LoadSettlementCurve solveCurveOnSegments(const ShaftModel& shaft, const ShaftSegments& segments,
                                         const SegmentSides& sides, const TransferCurve& qwCurve,
                                         std::span<const Real> tipMovements, const SolverOptions& options) {
  LoadSettlementCurve curve;
  if (segments.outsideDepth >= 0) {
    curve.warningLines = extentWarningLines(kStatusTransferLimit, segments.outsideDepth);
    curve.status = kStatusTransferLimit;
    return curve;
  }
  curve.points = solveOnSegments(shaft, segments, sides, qwCurve, tipMovements, options);
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

template <class AtDepth>
ShaftSegments shaftSegmentsAmong(const ShaftModel& shaft, std::span<const AtDepth> curves) {
  const int NS = std::max(1, shaft.NS);
  const Real h = segmentLength(shaft);
  ShaftSegments segments;
  segments.frames.reserve(static_cast<std::size_t>(NS));
  for (int s = 0; s < NS; ++s) {
    SegmentFrame& frame = segments.frames.emplace_back();
    frame.depth = midDepth(shaft, h, s);
    frame.topDepth = frame.depth - h / 2;
    const Real AE = axialStiffnessAt(shaft.stiffness, frame.depth);
    frame.flexibility = AE > 0 ? 1 / AE : 0;
    frame.carries = carriesSide(shaft, frame.depth);
    if (!frame.carries) continue;
    frame.placement = placeAmongCurves(curves, frame.depth);
    if (frame.placement.beyondExtent && segments.outsideDepth < 0) segments.outsideDepth = frame.depth;
  }
  return segments;
}

ShaftSegments shaftSegments(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves) {
  return shaftSegmentsAmong(shaft, sideCurves);
}

ShaftSegments shaftSegments(const ShaftModel& shaft, std::span<const CurveSite> sites) {
  return shaftSegmentsAmong(shaft, sites);
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
  const ShaftSegments segments = shaftSegments(shaft, sideCurves);
  const SegmentSides sides = segmentSides(segments, sideCurves, shareMovements(sideCurves));
  return std::move(solveOnSegments(shaft, segments, sides, qwCurve, {&wt, 1}, options).front());
}

LoadSettlementCurve solveLoadSettlement(const ShaftModel& shaft, std::span<const TransferCurve> sideCurves,
                                        const TransferCurve& qwCurve, std::span<const Real> tipMovements,
                                        const SolverOptions& options) {
  const ShaftSegments segments = shaftSegments(shaft, sideCurves);
  const SegmentSides sides = segmentSides(segments, sideCurves, shareMovements(sideCurves));
  return solveCurveOnSegments(shaft, segments, sides, qwCurve, tipMovements, options);
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

LoadTransferShaft::LoadTransferShaft(const LoadTransferInput& input) : input_(input) {
  if (!(input.D > 0) || !(input.L > 0)) return;
  L_ = input.L * kInPerFt;
  D_ = input.D * kInPerFt;
  Bb_ = input.Bb > 0 ? input.Bb * kInPerFt : D_;
  profile_ = workProfile(input.layers, input.boundaryProfile, input.oneFootProfile);
  sites_ = sideCurveSites(profile_);
  const Real Ep = input.EPILE * kPsiPerTsf;
  shaft_ = {L_, D_, input.TOPLENG * kInPerFt, input.NS,
            stiffnessProfile(Ep, D_, Bb_, L_, input.bellHeight * kInPerFt, input.BS * kInPerFt),
            std::max(L_ - (input.bellHeight + input.BS) * kInPerFt, Real(0))};
  // The curves of every kind stand at the sites, so the segments' places among them are found once.
  if (sites_.status == 0) segments_ = shaftSegments(shaft_, std::span<const CurveSite>(sites_.sites));
}

LoadTransferPass LoadTransferShaft::run(CurveKind kind, std::span<const Real> definedSettlements,
                                        const SolverOptions& options) const {
  LoadTransferPass pass;
  if (!(input_.D > 0) || !(input_.L > 0)) {
    pass.warningLines = {"**** WARNING ****",
                         "NO LOAD-SETTLEMENT CURVE: THE SHAFT LENGTH AND DIAMETER MUST BE POSITIVE."};
    return pass;
  }
  auto side = sideCurvesAt(sites_, D_, kind);
  append(pass.warningLines, side.warningLines);
  pass.sideCurves = std::move(side.curves);
  if ((pass.status = side.status) != 0) return pass;

  auto base = buildBaseCurve(profile_, input_.tipKSOIL, L_, D_, Bb_, input_.Qb * kLbPerTon, kind);
  append(pass.warningLines, base.warningLines);
  pass.qwCurve = std::move(base.curve);
  if ((pass.status = base.status) != 0) return pass;

  if (!(input_.EPILE * kPsiPerTsf > 0))
    append(pass.warningLines, {"**** WARNING ****", "THE ELASTIC MODULUS OF THE SHAFT IS NOT POSITIVE;",
                               "THE SHAFT IS TREATED AS RIGID (NO ELASTIC SHORTENING)."});

  const SegmentSides sides =
      segmentSides(segments_, pass.sideCurves, side.movementsShared || shareMovements(pass.sideCurves));
  const auto standard = standardTipMovements(D_);
  auto curve = solveCurveOnSegments(shaft_, segments_, sides, pass.qwCurve, standard, options);
  append(pass.warningLines, curve.warningLines);
  pass.points = std::move(curve.points);
  if ((pass.status = curve.status) != 0 || definedSettlements.empty()) return pass;

  // Of the defined settlements only the head loads are reported: no segment records.
  SolverOptions headsOnly = options;
  headsOnly.keepSegments = false;
  const auto tips = tipMovementsAtSettlements(pass.points, definedSettlements);
  auto defined = solveCurveOnSegments(shaft_, segments_, sides, pass.qwCurve, tips, headsOnly);
  append(pass.warningLines, defined.warningLines);
  pass.definedPoints = std::move(defined.points);
  return pass;
}

LoadTransferPass runLoadTransfer(const LoadTransferInput& input, CurveKind kind,
                                 std::span<const Real> definedSettlements, const SolverOptions& options) {
  return LoadTransferShaft(input).run(kind, definedSettlements, options);
}

}  // namespace talmo
