#include "capacity_steps.h"

#include <algorithm>
#include <cmath>

#include "cohesionless.h"
#include "cohesive.h"
#include "profile.h"
#include "rock.h"

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

std::vector<Layer> caseLayers(const RunModel& run, Real D) {
  std::vector<Layer> layers = wholeFootLayers(run.layers);
  for (Layer& layer : layers) {
    if (!isCohesive(layer.KSOIL)) continue;
    const CohesiveDefaults d = cohesiveDefaults(layer, D);
    layer.top.COEF = d.alphaTop;
    layer.bottom.COEF = d.alphaBottom;
    layer.top.NC = d.NCTop;
    layer.bottom.NC = d.NCBottom;
  }
  return layers;
}

std::vector<DepthStep> computeDepthSteps(const RunModel& run, const std::vector<Layer>& layers,
                                         const ShaftGeometry& shaft, Real diameterRatio) {
  const int bottom = layers.empty() ? 0 : static_cast<int>(layers.back().XBOT);
  const std::vector<Real> stress = effectiveStressTable(layers, run.WTD, bottom);
  const Real topIgnored = roundToWholeFoot(run.TOPLENG);
  std::vector<DepthStep> steps(static_cast<std::size_t>(std::max(bottom, 0)) + 1);

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

    const Real sigmaV = effectiveStressAt(stress, depth);
    Real f = 0;
    Real lateralArea = kPi * shaft.D;
    Real Q = 0;
    Real tipArea = shaft.Ab;
    if (isCohesive(type)) {
      const CohesiveSide side = cohesiveSide(type, at, run);
      f = side.f;
      if (stepped) append(step.reportLines, side.reportLines);
      Q = cohesiveTip(layer, at, depth, shaft.Bb).Q;
    } else if (isCohesionless(type)) {
      const Real sigmaMid = midStepStress(sigmaV, at.GAMMA, depth, run.WTD);
      f = cohesionlessSide(layer, at, depth, sigmaV, sigmaMid, run).f;
      Q = cohesionlessTip(at, depth, shaft.Bb, run.IMOD).Q;
    } else if (isStrongRock(type)) {
      const RockSide side = rockSide(type, at, shaft.D, diameterRatio, run);
      f = side.f;
      lateralArea = side.lateralArea;
      const RockTip tip = rockTip(type, at, shaft.D, diameterRatio, run);
      Q = tip.Q;
      tipArea = tip.Ab;
      step.strongRockTip = true;
      step.socketDiameter = tip.B;
    }
    f = limitSide(f, at.TRANLM);
    if (stepped) {
      step.side = f * lateralArea;  // one-foot slice
      step.sideFactored = step.side * layer.RS;
    }
    step.tip = limitTip(Q, tipArea, at.EBMAX, run.uplift());
    step.tipFactored = step.tip * layer.RB;
  }
  return steps;
}

}  // namespace talmo
