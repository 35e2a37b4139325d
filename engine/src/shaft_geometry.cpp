#include "shaft_geometry.h"

#include <algorithm>
#include <cmath>

namespace talmo {

ShaftGeometry shaftGeometry(Real D, Real RATIO, Real BELANGL) {
  ShaftGeometry g;
  g.D = D;
  g.belled = RATIO > 0;
  g.Bb = g.belled ? D * RATIO : D;
  g.Ab = kPi / 4 * g.Bb * g.Bb;
  g.steelArea = 0.36f * kPi * D * D;
  if (g.belled) {
    g.toe = D <= 3.52f ? 0.25f : 0.5f;
    const Real theta = BELANGL / 57.29f;
    const Real tanTheta = std::tan(theta);
    // A bell angle of 0 has no defined height; such a bell is treated as its toe alone.
    const Real flare = tanTheta > 1e-6f ? (g.Bb - D) / (2 * tanTheta) : 0;
    g.h = std::max<Real>(flare, 0) + g.toe;
    g.Vb = (g.toe * g.Ab + kPi / 3 * (g.h - g.toe) * (D * D / 4 + g.Bb * g.Bb / 4 + D * g.Bb / 4)) / 27;
  }
  return g;
}

Real ShaftGeometry::volume(Real L) const {
  return std::max<Real>(L - h, 0) * kPi / 4 * D * D / 27 + Vb;
}

Real ShaftGeometry::upliftWeight(Real L, Real WTD) const {
  // Concrete at 150 pcf (4050 lb per cubic yard) less water at 62.4 pcf over the submerged length.
  Real weight = volume(L) * 4050 / 2000;
  if (L > WTD) weight -= (L - WTD) * 0.02450448f * D * D;
  return weight;
}

int tipAveragingSteps(Real B) {
  // The zone never reaches beyond the deepest profile; the bound keeps the count an int.
  return static_cast<int>(std::clamp<Real>(std::trunc(2 * B), 0, 1e6f));
}

}  // namespace talmo
