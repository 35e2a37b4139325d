#include "capacity_steps.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "cohesionless.h"
#include "cohesive.h"
#include "entered_units.h"
#include "profile.h"
#include "rock.h"
#include "units.h"

namespace talmo {
namespace {

bool isCohesive(int t) { return t == kClay || t == kClayShale; }
bool isCohesionless(int t) { return t == kSand || t == kGravellySand || t == kGravel; }
bool isStrongRock(int t) { return t == kStrongRockSideOrTip || t == kStrongRock; }

std::vector<std::string> unitWeightMissingError() {
  const std::string frame = "*********************ERROR**********************";
  return {frame, "PLEASE INPUT THE TOTAL UNIT WEIGHT FOR THE SOIL.  THE PROGRAM",
          "WILL CONSIDER THE SUBMERGED UNIT WEIGHT INTERNALLY IF THE SOIL",
          "IS BELOW THE WATER TABLE WHICH SHOULD BE ENTERED BY THE USER", frame};
}

void append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

// Maximum side friction of the step (tsf) caps the unit side resistance when it is set.
Real limitSide(Real f, Real TRANLM) {
  const Real limit = TRANLM / 2000;
  return limit > 5e-8f ? std::min(f, limit) : f;
}

// Maximum end bearing of the step acts on the unit tip resistance: a negative entry fixes it,
// a positive one caps it. Uplift carries no tip resistance.
Real limitTip(Real Q, Real area, Real EBMAX, bool uplift) {
  if (uplift) return 0;
  const Real limit = EBMAX / 2000;
  if (limit < -1e-6f) return -limit * area;
  if (area <= 0) return Q;
  return std::min(Q / area, limit) * area;
}

}  // namespace

namespace {

// The soil model of the layer's type at one depth: unit side resistance, the area it acts on,
// and the tip load of a base there.
struct ModelValues {
  Real f = 0;            // tsf, after the side limit
  Real lateralArea = 0;  // ft2 per foot of shaft
  Real Q = 0;            // tons, after the end-bearing limit and the uplift rule
  bool strongRock = false;
  Real socketDiameter = 0;
  Real coreModulus = 0;  // weak rock: modulus of the intact core at the step, psf
  std::vector<std::string> reportLines;
  std::vector<SocketWarningBlock> socketWarnings;
};

ModelValues evaluateModel(const CaseGround& g, std::size_t layerIndex, Real depth, const WeakRockModuli& moduli) {
  const RunModel& run = g.run;
  const ShaftGeometry& shaft = g.shaft;
  const Layer& layer = g.layers[layerIndex];
  const Real sigmaV = effectiveStressAt(g.stress, depth);
  ModelValues v;
  const LayerEnd at = interpolate(layer, depth - layer.XTOP);
  const int type = layer.KSOIL;
  v.lateralArea = kPi * shaft.D;
  Real tipArea = shaft.Ab;
  if (isCohesive(type)) {
    CohesiveSide side = cohesiveSide(type, at, run);
    v.f = side.f;
    v.reportLines = std::move(side.reportLines);
    v.Q = cohesiveTip(layer, at, depth, shaft.Bb).Q;
  } else if (isCohesionless(type)) {
    const Real sigmaMid = midStepStress(sigmaV, at.GAMMA, depth, run.WTD);
    v.f = cohesionlessSide(layer, at, depth, sigmaV, sigmaMid, run).f;
    v.Q = cohesionlessTip(at, depth, shaft.Bb, run.IMOD).Q;
  } else if (isStrongRock(type)) {
    const RockSide side = rockSide(type, at, shaft.D, g.diameterRatio, run);
    v.f = side.f;
    v.lateralArea = side.lateralArea;
    const RockTip tip = rockTip(type, at, shaft.D, g.diameterRatio, run);
    v.Q = tip.Q;
    tipArea = tip.Ab;
    v.strongRock = true;
    v.socketDiameter = tip.B;
  } else if (type == kDecomposedRock || type == kWeakRock) {
    // A geomaterial socket carries side resistance on its own perimeter and end bearing on its
    // own base, like a rock socket.
    const Real B = socketDiameter(at.BDS, run.si(), g.diameterRatio, shaft.D);
    const Real R = referenceDepth(g, layerIndex);
    v.lateralArea = kPi * B;
    tipArea = 0.7854f * B * B;
    Real w = 0, q = 0;
    if (type == kDecomposedRock) {
      const Real sigma =
          decomposedRockStress(layerMidStress(g.layers, layerIndex, run.WTD), sigmaV, depth, R, B);
      const DecomposedRock r = decomposedRock(at.BLOWS, sigma);
      w = r.w;
      q = r.q;
    } else {
      const WeakRockGeometry geometry = weakRockGeometry(g.layers, depth, R, B);
      v.coreModulus = EnteredUnits{run.si()}.modulus(at.EL);
      const WeakRockInput in = weakRockInput(layer, at, run.si(), moduli.meanWith(v.coreModulus),
                                             run.EPILE * kPsfPerTsf, B, geometry);
      const WeakRockStep step = weakRockStep(in);
      w = step.w;
      q = step.q;
      const Real Em = step.socket.Em;
      v.socketWarnings = weakRockWarnings(geometry.Lr / B, step.socket.rho,
                                          Em > 0 ? in.Ec / Em : std::numeric_limits<Real>::infinity(), B);
    }
    v.f = w * run.upliftSideFactor() / kPsfPerTsf;
    v.Q = q * tipArea / kLbPerTon;
  }
  v.f = limitSide(v.f, at.TRANLM);
  v.Q = limitTip(v.Q, tipArea, at.EBMAX, run.uplift());
  return v;
}

}  // namespace

Real referenceDepth(const CaseGround& g, std::size_t layer) {
  if (g.run.METHOD == 2) return g.length;
  const Layer& l = g.layers[layer];
  return (l.XTOP + l.XBOT) / 2 + g.run.TOPLENG;
}

std::vector<DepthStep> computeDepthSteps(const CaseGround& g) {
  const RunModel& run = g.run;
  const std::vector<Layer>& layers = g.layers;
  const int bottom = layers.empty() ? 0 : static_cast<int>(layers.back().XBOT);
  const Real topIgnored = roundToWholeFoot(run.TOPLENG);
  std::vector<DepthStep> steps(static_cast<std::size_t>(std::max(bottom, 0)) + 1);
  WeakRockModuli moduli;  // per shaft: the weak-rock steps stepped so far

  for (int d = 1; d <= bottom; ++d) {
    DepthStep& step = steps[static_cast<std::size_t>(d)];
    step.depth = d;
    step.layer = layerIndexAt(layers, static_cast<Real>(d));
    const Layer& layer = layers[step.layer];
    const Real depth = static_cast<Real>(d);
    const LayerEnd at = interpolate(layer, depth - layer.XTOP);
    const int type = layer.KSOIL;
    // Slices above the ignored top portion develop no side resistance and are not stepped;
    // their tip values still serve bases within that portion.
    const bool stepped = depth > topIgnored;

    if (stepped && type == kSand) append(step.runtimeLines, sandStrengthMissingError(at));
    if (stepped && (type == kSand || isCohesive(type) || type == kDecomposedRock) && at.GAMMA < 50)
      append(step.runtimeLines, unitWeightMissingError());

    ModelValues v = evaluateModel(g, step.layer, depth, moduli);
    step.unitSide = v.f;
    if (stepped) {
      step.side = v.f * v.lateralArea;  // one-foot slice
      step.sideFactored = step.side * layer.RS;
      step.reportLines = std::move(v.reportLines);
      step.socketWarnings = std::move(v.socketWarnings);
      if (type == kWeakRock) {
        step.weakRockCore = true;
        step.coreModulus = v.coreModulus;
        moduli.add(v.coreModulus);
      }
    }
    step.tip = v.Q;
    step.tipFactored = step.tip * layer.RB;
    step.strongRockTip = v.strongRock;
    step.socketDiameter = v.socketDiameter;
  }
  return steps;
}

std::vector<BoundaryResistance> boundarySideResistance(const CaseGround& g, const std::vector<DepthStep>& steps) {
  // Only weak-rock cores enter the moduli, and most profiles hold none.
  std::vector<const DepthStep*> cores;
  for (const DepthStep& s : steps)
    if (s.weakRockCore) cores.push_back(&s);
  std::vector<BoundaryResistance> profile;
  profile.reserve(2 * g.layers.size());
  for (std::size_t i = 0; i < g.layers.size(); ++i) {
    for (Real depth : {g.layers[i].XTOP, g.layers[i].XBOT}) {
      // The weak-rock cores of the steps above the boundary.
      WeakRockModuli moduli;
      for (const DepthStep* s : cores)
        if (static_cast<Real>(s->depth) < depth) moduli.add(s->coreModulus);
      profile.push_back({depth, evaluateModel(g, i, depth, moduli).f});
    }
  }
  return profile;
}

}  // namespace talmo
