#pragma once
// Geometry of one analysed shaft: stem and base diameters, bell, concrete volume and weight.
// Units: ft, ft2, cubic yards, tons.
#include "real.h"
#include "units.h"

namespace talmo {

struct ShaftGeometry {
  Real D = 0;           // stem diameter, ft
  Real Bb = 0;          // base diameter, ft
  Real Ab = 0;          // base area, ft2
  Real toe = 0;         // toe height of a bell, ft
  Real h = 0;           // end of stem to base, ft (0 for a straight shaft)
  Real Vb = 0;          // volume of the underream, cubic yards
  Real steelArea = 0;   // area of one percent steel, square inches
  bool belled = false;

  // Concrete volume of a shaft of length L (ft), cubic yards.
  Real volume(Real L) const;
  // Weight of a shaft of length L less the buoyancy of its submerged part, tons (uplift).
  Real upliftWeight(Real L, Real WTD) const;
};

// RATIO > 0 makes a bell of RATIO x D at BELANGL degrees from the vertical.
ShaftGeometry shaftGeometry(Real D, Real RATIO, Real BELANGL);

// Number of one-foot steps over which the tip resistance is averaged below a base of
// diameter B (ft): two diameters.
int tipAveragingSteps(Real B);

}  // namespace talmo
