#include "profile.h"

#include <cmath>

namespace talmo {

Real roundToWholeFoot(Real depth) {
  const Real whole = std::trunc(depth);
  return depth - whole >= 0.5f ? whole + 1 : whole;
}

std::vector<Layer> wholeFootLayers(const std::vector<Layer>& layers) {
  std::vector<Layer> out = layers;
  Real top = 0;
  for (Layer& layer : out) {
    layer.XTOP = top;
    layer.XBOT = roundToWholeFoot(layer.XBOT);
    top = layer.XBOT;
  }
  return out;
}

std::size_t layerIndexAt(const std::vector<Layer>& layers, Real depth) {
  // A depth computed as a sum or product of lengths (a shaft tip 20.0000019 ft for 20 ft) lies
  // on a layer bottom within a thousandth of a foot: it belongs to the layer above, as the exact
  // depth does.
  for (std::size_t i = 0; i < layers.size(); ++i)
    if (depth <= layers[i].XBOT + 1e-3f) return i;
  return layers.empty() ? 0 : layers.size() - 1;
}

Real interpolate(const Layer& layer, Real LayerEnd::*field, Real z) {
  const Real thickness = layer.XBOT - layer.XTOP;
  const Real top = layer.top.*field;
  if (thickness <= 0) return top;
  return top + (layer.bottom.*field - top) * z / thickness;
}

LayerEnd interpolate(const Layer& layer, Real z) {
  // Field by field as interpolate(layer, field, z) does, written out so the compiler sees
  // straight-line code.
  const Real thickness = layer.XBOT - layer.XTOP;
  if (thickness <= 0) return layer.top;
  const LayerEnd& t = layer.top;
  const LayerEnd& b = layer.bottom;
  auto at = [&](Real LayerEnd::*field) { return t.*field + (b.*field - t.*field) * z / thickness; };
  LayerEnd e;
  e.NC = at(&LayerEnd::NC);
  e.GAMMA = at(&LayerEnd::GAMMA);
  e.PHI = at(&LayerEnd::PHI);
  e.CU = at(&LayerEnd::CU);
  e.BLOWS = at(&LayerEnd::BLOWS);
  e.TRANLM = at(&LayerEnd::TRANLM);
  e.EBMAX = at(&LayerEnd::EBMAX);
  e.COEF = at(&LayerEnd::COEF);
  e.QUR = at(&LayerEnd::QUR);
  e.QUCON = at(&LayerEnd::QUCON);
  e.CS = at(&LayerEnd::CS);
  e.DISCT = at(&LayerEnd::DISCT);
  e.BDS = at(&LayerEnd::BDS);
  e.EL = at(&LayerEnd::EL);
  e.RQD = at(&LayerEnd::RQD);
  e.POISSON = at(&LayerEnd::POISSON);
  e.ICOND = at(&LayerEnd::ICOND);
  e.SLUMP = at(&LayerEnd::SLUMP);
  e.IFA = at(&LayerEnd::IFA);
  return e;
}

namespace {
// A water table within a thousandth of a foot of a depth counts as at that depth, so that a
// water table entered in metres (10 ft as 3.048 m) lands on the same foot as in feet.
constexpr Real kDepthTolerance = 1e-3f;
bool belowWaterTable(Real depth, Real WTD) { return depth > WTD + kDepthTolerance; }
}  // namespace

std::vector<Real> effectiveStressTable(const std::vector<Layer>& layers, Real WTD, int maxDepth) {
  std::vector<Real> table(static_cast<std::size_t>(std::max(maxDepth, 0)) + 1, 0);
  if (layers.empty()) return table;
  auto unitWeight = [&](std::size_t i, Real s) {
    const Real gamma = interpolate(layers[i], &LayerEnd::GAMMA, s - layers[i].XTOP);
    return belowWaterTable(s, WTD) ? gamma - kUnitWeightWater : gamma;
  };
  std::size_t layer = 0;
  Real sigma = 0;
  for (int s = 1; s <= maxDepth; ++s) {
    const Real depth = static_cast<Real>(s);
    if (depth <= layers[layer].XBOT || layer + 1 == layers.size()) {
      sigma += unitWeight(layer, depth);
    } else {
      // The increment passes the layer bottom b: the part above b carries this layer's weight,
      // the part below the next layer's (skipping layers too thin to hold a whole foot).
      Real from = depth - 1;
      while (layer + 1 < layers.size() && depth > layers[layer].XBOT) {
        const Real b = std::max(layers[layer].XBOT, from);
        sigma += (b - from) * unitWeight(layer, depth);
        from = b;
        ++layer;
      }
      sigma += (depth - from) * unitWeight(layer, depth);
    }
    table[static_cast<std::size_t>(s)] = sigma;
  }
  return table;
}

Real effectiveStressAt(const std::vector<Real>& table, Real depth) {
  if (depth < 1 || table.empty()) return 0;
  const auto whole = static_cast<std::size_t>(std::trunc(depth));
  return table[std::min(whole, table.size() - 1)];
}

Real midStepStress(Real sigmaV, Real GAMMA, Real depth, Real WTD) {
  return belowWaterTable(depth, WTD) ? sigmaV - (GAMMA - kUnitWeightWater) / 2 : sigmaV - GAMMA / 2;
}

}  // namespace talmo
