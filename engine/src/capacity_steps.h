#pragma once
// The one-foot depth steps of one case: at every whole foot the side resistance the slice
// adds and the tip load of a base at that depth, from the soil model of the layer's type,
// limited by the layer's maximum side friction and end bearing.
#include <string>
#include <vector>

#include "real.h"
#include "run_model.h"
#include "shaft_geometry.h"

namespace talmo {

struct DepthStep {
  int depth = 0;             // ft, bottom of the one-foot slice
  std::size_t layer = 0;     // index of the layer stepped
  Real unitSide = 0;         // unit side resistance after the layer's limit, tsf
  Real side = 0;             // side resistance of the slice, tons (0 in the ignored top portion)
  Real sideFactored = 0;     // the same times the layer's LRFD side factor
  Real tip = 0;              // tip load of a base at this depth, tons
  Real tipFactored = 0;      // the same times the layer's LRFD tip factor
  bool strongRockTip = false;  // tip load from the strong-rock rule
  Real socketDiameter = 0;   // strong rock: socket diameter of the step, ft
  std::vector<std::string> reportLines;   // warnings for the report at this step
  std::vector<std::string> runtimeLines;  // errors for the runtime file at this step
};

// Steps 0 .. bottom of the profile (index = depth in ft; step 0 carries nothing). `layers`
// must have whole-foot tops and bottoms and the case's cohesive defaults filled in; `stress`
// is their effective-stress table (the same for every case of a run).
std::vector<DepthStep> computeDepthSteps(const RunModel& run, const std::vector<Layer>& layers,
                                         const std::vector<Real>& stress, const ShaftGeometry& shaft,
                                         Real diameterRatio);

// Unit side resistance (tsf, after the layer's limit) at a layer's top and bottom, in depth
// order: the strength profile of the load-transfer curves.
struct BoundaryResistance {
  Real depth = 0;  // ft
  Real unitSide = 0;
};
std::vector<BoundaryResistance> boundarySideResistance(const RunModel& run, const std::vector<Layer>& layers,
                                                       const std::vector<Real>& stress,
                                                       const ShaftGeometry& shaft, Real diameterRatio);

// The layers of a case: whole-foot depths and, for clay and clay shale, the default alpha and
// Nc for the case's stem diameter.
std::vector<Layer> caseLayers(const RunModel& run, Real D);

}  // namespace talmo
