#include "cohesive.h"

#include <algorithm>
#include <cmath>

namespace talmo {
namespace {

constexpr Real kAtmosphere = 2116.8f;  // psf
constexpr Real kUnset = 1e-5f;         // entries below this count as not given

Real baseArea(Real B) { return 0.7854f * B * B; }

}  // namespace

Real defaultAlpha(Real CU) {
  const Real r = CU / kAtmosphere;
  if (r <= 1.5f) return 0.55f;
  if (r < 2.5f) return 0.55f - 0.1f * (r - 1.5f);
  return 0.4f;
}

Real defaultNc(Real z, Real D, int KSOIL) {
  const Real cap = KSOIL == kClayShale ? 7.0f : 9.0f;
  if (D <= 0) return cap;  // a vanishing diameter makes the depth ratio unbounded
  return std::min(6.0f * (1.0f + 0.2f * z / D), cap);
}

CohesiveDefaults cohesiveDefaults(const Layer& layer, Real D) {
  CohesiveDefaults d;
  d.alphaEstimated = layer.top.COEF < kUnset && layer.bottom.COEF < kUnset;
  d.alphaTop = d.alphaEstimated ? defaultAlpha(layer.top.CU) : layer.top.COEF;
  d.alphaBottom = d.alphaEstimated ? defaultAlpha(layer.bottom.CU) : layer.bottom.COEF;
  d.ncEstimated = layer.top.NC < kUnset && layer.bottom.NC < kUnset;
  d.NCTop = d.ncEstimated ? defaultNc(layer.XTOP, D, layer.KSOIL) : layer.top.NC;
  d.NCBottom = d.ncEstimated ? defaultNc(layer.XBOT, D, layer.KSOIL) : layer.bottom.NC;
  return d;
}

void applyCohesiveDefaults(std::vector<Layer>& layers, Real D) {
  for (Layer& layer : layers) {
    if (layer.KSOIL != kClay && layer.KSOIL != kClayShale) continue;
    const CohesiveDefaults d = cohesiveDefaults(layer, D);
    layer.top.COEF = d.alphaTop;
    layer.bottom.COEF = d.alphaBottom;
    layer.alphaEstimated = d.alphaEstimated;
    layer.top.NC = d.NCTop;
    layer.bottom.NC = d.NCBottom;
    layer.ncEstimated = d.ncEstimated;
  }
}

CohesiveSide cohesiveSide(int KSOIL, const LayerEnd& at, const RunModel& run) {
  CohesiveSide s;
  s.CU = at.CU;
  if (at.CU < kUnset) {
    // No strength entered: correlate it with the blow count. Clay also warns, every step,
    // because the correlation is too rough for a final design.
    if (KSOIL == kClayShale) {
      s.CU = 2000.0f * at.BLOWS / 53.0f;
    } else {
      s.CU = 200.0f * at.BLOWS;
      s.reportLines = {
          "*********************WARNING**********************",
          "THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE",
          "FROM STANDARD PENETRATION TESTS IS NOT RECOMMENDED FOR",
          "THE FINAL DESIGN.  PLEASE INPUT THE UNDRAIDED SHEAR",
          "STRENGTH FOR CLAY LAYERS IN THE FINAL DESIGN.",
      };
    }
  }
  const Real alpha = at.COEF;
  if (alpha <= 0) return s;
  // Uplift mobilises less side shear; a belled base widens the failure surface.
  const Real uplift = run.upliftSideFactor();
  const Real w = s.CU * uplift;
  s.f = alpha * w / 2000.0f;
  return s;
}

CohesiveTip cohesiveTip(const Layer& layer, const LayerEnd& at, Real depth, Real Bb) {
  CohesiveTip t;
  t.NC = at.NC;
  // Only one end entered: the interpolation can reach zero at the other end; the entered
  // value then governs.
  if (t.NC <= 1e-9f) t.NC = std::max(layer.top.NC, layer.bottom.NC);

  const bool strengthGiven = layer.top.CU > kUnset || layer.bottom.CU > kUnset;
  t.su = strengthGiven ? at.CU / 2000.0f : at.BLOWS / 10.0f;

  // Large bases mobilise their capacity only at settlements beyond the design range.
  if (Bb > 6.25f) {
    const Real a = std::min(0.0071f + 0.0021f * depth / Bb, 0.015f);
    const Real b = std::clamp(0.45f * std::sqrt(std::max(2.0f * t.su, 0.0f)), 0.5f, 1.5f);
    t.Fr = std::min(2.5f / (a * 12.0f * Bb + 2.5f * b), 1.0f);
  }

  t.q = t.su * t.NC;
  if (layer.KSOIL != kClayShale) t.q = std::min(t.q, 40.0f);
  t.Q = t.q * baseArea(Bb) * t.Fr;
  return t;
}

std::vector<std::string> cohesiveLayerWarnings(const Layer& layer) {
  if (layer.top.CU < 2.5f * kAtmosphere) return {};
  return {
      "       ..........WARNING..........",
      "       THE SHEAR STRENGTH OF THIS MATERIAL MAY BE TOO HIGH",
      "       FOR USING CLAY CRITERIA. DESIGN AS INTERMEDIATE",
      "       GEOMATERIAL IS RECOMMENDED.",
      "",
  };
}

}  // namespace talmo
