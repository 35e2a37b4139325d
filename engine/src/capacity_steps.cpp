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

namespace {

// The soil model of the layer's type at one depth: unit side resistance, the area it acts on,
// and the tip load of a base there.
struct ModelValues {
  Real f = 0;            // tsf, after the side limit
  Real lateralArea = 0;  // ft2 per foot of shaft
  Real Q = 0;            // tons, after the end-bearing limit and the uplift rule
  bool strongRock = false;
  Real socketDiameter = 0;
  std::vector<std::string> reportLines;
};

ModelValues evaluateModel(const RunModel& run, const Layer& layer, Real depth, Real sigmaV,
                          const ShaftGeometry& shaft, Real diameterRatio) {
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
    const RockSide side = rockSide(type, at, shaft.D, diameterRatio, run);
    v.f = side.f;
    v.lateralArea = side.lateralArea;
    const RockTip tip = rockTip(type, at, shaft.D, diameterRatio, run);
    v.Q = tip.Q;
    tipArea = tip.Ab;
    v.strongRock = true;
    v.socketDiameter = tip.B;
  }
  v.f = limitSide(v.f, at.TRANLM);
  v.Q = limitTip(v.Q, tipArea, at.EBMAX, run.uplift());
  return v;
}

}  // namespace

std::vector<DepthStep> computeDepthSteps(const RunModel& run, const std::vector<Layer>& layers,
                                         const std::vector<Real>& stress, const ShaftGeometry& shaft,
                                         Real diameterRatio) {
  const int bottom = layers.empty() ? 0 : static_cast<int>(layers.back().XBOT);
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

    ModelValues v = evaluateModel(run, layer, depth, effectiveStressAt(stress, depth), shaft, diameterRatio);
    step.unitSide = v.f;
    if (stepped) {
      step.side = v.f * v.lateralArea;  // one-foot slice
      step.sideFactored = step.side * layer.RS;
      step.reportLines = std::move(v.reportLines);
    }
    step.tip = v.Q;
    step.tipFactored = step.tip * layer.RB;
    step.strongRockTip = v.strongRock;
    step.socketDiameter = v.socketDiameter;
  }
  return steps;
}

std::vector<BoundaryResistance> boundarySideResistance(const RunModel& run, const std::vector<Layer>& layers,
                                                       const std::vector<Real>& stress,
                                                       const ShaftGeometry& shaft, Real diameterRatio) {
  std::vector<BoundaryResistance> profile;
  for (const Layer& layer : layers) {
    for (Real depth : {layer.XTOP, layer.XBOT}) {
      const ModelValues v = evaluateModel(run, layer, depth, effectiveStressAt(stress, depth), shaft, diameterRatio);
      profile.push_back({depth, v.f});
    }
  }
  return profile;
}

}  // namespace talmo
