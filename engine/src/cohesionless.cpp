#include "cohesionless.h"

#include <algorithm>
#include <cmath>

#include "fixed_format.h"

namespace talmo {
namespace {

constexpr Real kUnset = 1e-5f;            // coefficient entries below this count as not given
constexpr Real kDegreesPerRadian = 57.29f;
constexpr Real kFeetToMetres = 0.3048f;

enum class SideMethod { Ko, Beta, ChenKulhawy };

SideMethod sideMethod(int KSOIL, int sandMethod) {
  if (KSOIL != kSand || sandMethod == 2) return SideMethod::Beta;
  return sandMethod == 3 ? SideMethod::ChenKulhawy : SideMethod::Ko;
}

// Friction-angle chart: three curves of phi (degrees) against N for effective stresses of
// 40 psi (A), 20 psi (B) and 0 (C). Between grid points phi is linear in N; beyond the ends
// of a curve its end value holds.
struct ChartPoint {
  Real N, phi;
};
constexpr ChartPoint kCurveA[] = {{6, 0},   {10, 31}, {15, 32}, {20, 34}, {25, 35}, {30, 36},
                                  {35, 36}, {40, 37}, {45, 38}, {50, 39}, {55, 39}, {60, 40},
                                  {65, 41}, {70, 42}, {75, 42}, {80, 43}, {85, 44}, {90, 44}};
constexpr ChartPoint kCurveB[] = {{6, 30},  {10, 32}, {15, 34}, {20, 36}, {25, 37}, {30, 39},
                                  {35, 40}, {40, 41}, {45, 42}, {50, 44}, {55, 45}};
constexpr ChartPoint kCurveC[] = {{0, 0}, {2, 32}, {4, 34}, {6, 36}, {10, 38}, {15, 42}, {20, 45}};

template <std::size_t n>
Real curveValue(const ChartPoint (&curve)[n], Real N) {
  if (N <= curve[0].N) return curve[0].phi;
  for (std::size_t i = 1; i < n; ++i) {
    if (N <= curve[i].N) {
      const ChartPoint& a = curve[i - 1];
      const ChartPoint& b = curve[i];
      return a.phi + (b.phi - a.phi) * (N - a.N) / (b.N - a.N);
    }
  }
  return curve[n - 1].phi;
}

Real baseArea(Real B) { return 0.7854f * B * B; }

std::string blowCountLine(Real N, const char* where) {
  return std::string(20, ' ') + "BLOWS PER FOOT IS =" + fmt::F(N, 8, 2) + where;
}

}  // namespace

Real frictionAngleFromBlows(Real N, Real sigmaV) {
  if (N <= 0) return 0;  // no blow count: no basis for an estimate
  const Real p = std::max(sigmaV, 0.0f) / 144.0f;  // psi
  const Real A = curveValue(kCurveA, N);
  const Real B = curveValue(kCurveB, N);
  const Real C = curveValue(kCurveC, N);
  if (p >= 40) return N <= 10 ? 3 * N : A;  // above N = 90 the last value of A holds
  if (p > 20) {
    if (N <= 6) return 5 * N;
    if (N < 10) return 30 + 0.5f * (N - 6);
    if (N <= 55) return B - (p - 20) * (B - A) / 20;
    if (N <= 90) return A + (40 - p) * (45 - A) / 20;
    return 45;
  }
  if (N < 6) return C - (p / 20) * (C - 30);
  if (N <= 20) return C - p * (C - B) / 20;
  if (N <= 55) return B + (20 - p) * (45 - B) / 20;
  return 45;
}

Real defaultSideCoefficient(int KSOIL, int sandMethod, Real z, Real BLOWS) {
  z = std::max(z, 0.0f);
  // Rollins et al.: beta of gravels falls with depth in metres.
  if (KSOIL == kGravellySand)
    return std::clamp(2.0f - 0.15f * std::pow(kFeetToMetres * z, 0.75f), 0.25f, 1.8f);
  if (KSOIL == kGravel)
    return std::clamp(3.4f * std::exp(-0.085f * kFeetToMetres * z), 0.25f, 3.0f);
  if (sideMethod(KSOIL, sandMethod) != SideMethod::Beta) return 0.25f;
  Real beta = 1.5f - 0.135f * std::sqrt(z);
  if (BLOWS > 0 && BLOWS < 15) beta *= BLOWS / 15.0f;  // loose sand
  return std::clamp(beta, 0.25f, 1.2f);
}

CohesionlessDefaults cohesionlessDefaults(const Layer& layer, Real sigmaTop, Real sigmaBottom) {
  const LayerEnd& top = layer.top;
  const LayerEnd& bottom = layer.bottom;
  CohesionlessDefaults d;
  d.PHITop = top.PHI;
  d.PHIBottom = bottom.PHI;
  d.COEFTop = top.COEF;
  d.COEFBottom = bottom.COEF;
  if (layer.KSOIL == kSand) {
    d.deltaTop = top.CU;
    d.deltaBottom = bottom.CU;
    if (top.PHI < 1e-8f && bottom.PHI < 1e-8f && (top.BLOWS > 0 || bottom.BLOWS > 0)) {
      d.phiEstimated = true;
      d.PHITop = frictionAngleFromBlows(top.BLOWS, sigmaTop);
      d.PHIBottom = frictionAngleFromBlows(bottom.BLOWS, sigmaBottom);
    }
    if (top.CU <= 0 && bottom.CU <= 0) {  // rough cast-in-place interface: delta = phi
      d.deltaEstimated = true;
      d.deltaTop = d.PHITop;
      d.deltaBottom = d.PHIBottom;
    }
  }
  if (top.COEF < kUnset && bottom.COEF < kUnset) {
    d.coefEstimated = true;
    d.COEFTop = defaultSideCoefficient(layer.KSOIL, layer.sandMethod, layer.XTOP, top.BLOWS);
    d.COEFBottom = defaultSideCoefficient(layer.KSOIL, layer.sandMethod, layer.XBOT, bottom.BLOWS);
  }
  return d;
}

CohesionlessSide cohesionlessSide(const Layer& layer, const LayerEnd& at, Real depth, Real sigmaV,
                                  Real sigmaMid, const RunModel& run) {
  CohesionlessSide s;
  s.PHI = at.PHI;
  if (s.PHI <= 1e-5f) {
    s.PHI = frictionAngleFromBlows(at.BLOWS, sigmaV);
    s.phiEstimated = true;
  }
  const bool coefGiven = layer.top.COEF >= kUnset || layer.bottom.COEF >= kUnset;
  s.COEF = coefGiven ? at.COEF : defaultSideCoefficient(layer.KSOIL, layer.sandMethod, depth, at.BLOWS);
  if (s.COEF <= 0) return s;

  const SideMethod method = sideMethod(layer.KSOIL, layer.sandMethod);
  if (method == SideMethod::Beta) {
    // Beta methods work on the stress at the middle of the one-foot slice.
    const Real sigmaM = sigmaMid / 2000.0f * (run.uplift() ? run.RCYCL : 1.0f);
    s.f = s.COEF * sigmaM;
    if (layer.KSOIL != kGravel) s.f = std::min(s.f, 2.1f);
    return s;
  }

  // Interface angle: as entered, else equal to phi (always phi when phi itself was estimated).
  const Real delta = (s.phiEstimated || at.CU <= 0) ? s.PHI : at.CU;
  const Real uplift = run.upliftSideFactor();
  const Real w = sigmaV * std::tan(delta / kDegreesPerRadian) * uplift;
  Real K = s.COEF;
  if (method == SideMethod::ChenKulhawy) {
    // Preconsolidation stress 0.47 pa N^m gives the OCR; K is the at-rest value for that OCR,
    // bounded by the passive coefficient tan2(45 deg + phi/2).
    if (at.BLOWS > 0 && sigmaV > 0)
      s.OCR = std::max(994.37897f * std::pow(at.BLOWS, s.COEF) / sigmaV, 1.0f);
    const Real phi = s.PHI / kDegreesPerRadian;
    const Real K0 = (1 - std::sin(phi)) * std::pow(s.OCR, std::sin(phi));
    const Real tanKp = std::tan(0.7854f + phi / 2);
    K = std::min(K0, tanKp * tanKp);
  }
  s.f = K * w / 2000.0f;
  return s;
}

CohesionlessTip cohesionlessTip(const LayerEnd& at, Real depth, Real Bb, int IMOD) {
  CohesionlessTip t;
  const Real Ab = baseArea(Bb);
  const Real N = at.BLOWS;
  const Real phi = at.PHI;
  if (N > 0) {
    t.q = N < 50 ? std::min(0.6f * N, 30.0f) : 30.0f;
    t.Q = t.q * Ab;
  } else if (phi <= 30) {
    t.Q = 1e-5f;  // loose sand: a nominal tip load only
  } else {
    t.q = phi <= 36 ? 2.667f * (phi - 30) : phi <= 41 ? 16 + 2.8f * (phi - 36) : 30.0f;
    t.Q = t.q * Ab;
  }
  if (IMOD == 1) {
    // Large bases mobilise less unit resistance at working settlements (50 in / base in).
    if (Bb > 4.17f) t.Q *= 50.0f / (12.0f * Bb);
    // Shallow bases: capacity grows from zero at the ground to full at ten base diameters.
    if (depth < 10.0f * Bb) t.Q *= depth / (10.0f * Bb);
  }
  return t;
}

std::vector<std::string> sandStrengthMissingError(const LayerEnd& at) {
  if (at.PHI >= 0.001f || at.BLOWS >= 0.001f) return {};
  const std::string frame = "*********************ERROR**********************";
  return {frame, "PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS",
          "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS", frame};
}

std::vector<std::string> gravelLayerWarnings(const Layer& layer) {
  std::vector<std::string> lines;
  if (layer.KSOIL != kGravellySand && layer.KSOIL != kGravel) return lines;
  const Real top = layer.top.BLOWS;
  const Real bottom = layer.bottom.BLOWS;
  const std::string indent(7, ' ');
  if (top > 50 || bottom > 50) {
    const std::vector<std::string> block = {
        indent + std::string(21, ' ') + "WARNING MESSAGE",
        indent + std::string(59, '-'),
        blowCountLine(top, " AT TOP"),
        blowCountLine(bottom, " AT BOTTOM"),
        indent + "UNIT TIP RESISTANCE IS LIMITED TO 30 TSF" + " IF SPT-N IS OVER 50",
        indent + "LOADING TEST IS RECOMMENDED FOR USING HIGHER VALUE.",
        "",
    };
    lines.insert(lines.end(), block.begin(), block.end());
  }
  if (top <= 25 || bottom <= 25) {
    const std::vector<std::string> block = {
        indent + "*****************WARNING*********************",
        blowCountLine(top, " AT TOP"),
        blowCountLine(bottom, " AT BOTTOM"),
        indent + "Blow counts should be greater than 25 for this criterion.",
        indent + "Select other soil criteria and do not use this output data.",
    };
    lines.insert(lines.end(), block.begin(), block.end());
  }
  return lines;
}

}  // namespace talmo
