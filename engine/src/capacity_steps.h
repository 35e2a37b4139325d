#pragma once
// The one-foot depth steps of one case: at every whole foot the side resistance the slice
// adds and the tip load of a base at that depth, from the soil model of the layer's type,
// limited by the layer's maximum side friction and end bearing.
#include <string>
#include <vector>

#include "geomaterial.h"
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
  bool weakRockCore = false; // a weak-rock step below the ignored top portion: its core
  Real coreModulus = 0;      // modulus (psf) counts in the mean modulus of the sockets below
  std::vector<std::string> reportLines;   // warnings for the report at this step
  std::vector<std::string> runtimeLines;  // errors for the runtime file at this step
  std::vector<SocketWarningBlock> socketWarnings;  // weak-rock socket outside the method's range
};

// What the soil models of one case see besides the layer stepped. `run.EPILE` is in tsf (the
// driver converts it once); `layers` have whole-foot tops and bottoms and the run's cohesive
// defaults; `stress` is their effective-stress table (the same for every case of a run).
struct CaseGround {
  const RunModel& run;
  const std::vector<Layer>& layers;
  const std::vector<Real>& stress;
  ShaftGeometry shaft;
  Real diameterRatio = 1;  // current over initial shaft diameter: scales the sockets
  Real length = 0;         // the case's shaft length when it is given (METHOD 2), else 0
};

// Reference depth of the geomaterial rules in layer i: the shaft length when it is given,
// otherwise the middle of the layer plus the ignored top portion.
Real referenceDepth(const CaseGround& ground, std::size_t layer);

// Steps 0 .. bottom of the profile (index = depth in ft; step 0 carries nothing). The weak-rock
// mean modulus accumulates from the top down within this one shaft.
std::vector<DepthStep> computeDepthSteps(const CaseGround& ground);

// Unit side resistance (tsf, after the layer's limit) at a layer's top and bottom, in depth
// order: the strength profile of the load-transfer curves.
struct BoundaryResistance {
  Real depth = 0;  // ft
  Real unitSide = 0;
};
// `steps` are the case's depth steps, whose weak-rock moduli above a boundary enter its value.
std::vector<BoundaryResistance> boundarySideResistance(const CaseGround& ground, const std::vector<DepthStep>& steps);

}  // namespace talmo
