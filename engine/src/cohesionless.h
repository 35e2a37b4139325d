#pragma once
// Sand, gravelly sand and gravel: side resistance by the Ko, beta or Chen and Kulhawy method
// (sand) or by the Rollins beta functions (gravelly sand, gravel); tip resistance from SPT
// blow counts, or from the friction angle when no blow count is given. Units: psf, ft, tsf,
// tons, degrees.
#include <string>
#include <vector>

#include "real.h"
#include "run_model.h"

namespace talmo {

// Friction angle (degrees) of sand from the SPT chart for blow count N at vertical effective
// stress sigmaV (psf). No blow count (N <= 0) gives 0; beyond the chart the last value holds.
Real frictionAngleFromBlows(Real N, Real sigmaV);

// Side coefficient the program uses when a layer gives none, at depth z (ft) with blow count
// BLOWS: sand beta method 1.5 - 0.135 sqrt(z) (scaled by N/15 for loose sand) within
// 0.25..1.2; sand Ko and Chen-Kulhawy methods 0.25; gravelly sand and gravel the Rollins depth
// functions within 0.25..1.8 and 0.25..3.0.
Real defaultSideCoefficient(int KSOIL, int sandMethod, Real z, Real BLOWS);

// Friction angle, interface angle and side coefficient at both ends of a cohesionless layer
// for the report echo: the entries as read, or the program's estimates (then marked).
// sigmaTop, sigmaBottom: vertical effective stress (psf) at the layer's top and bottom depth.
// The step rules below estimate from the step itself; do not store these in the layer.
struct CohesionlessDefaults {
  Real PHITop = 0, PHIBottom = 0;
  bool phiEstimated = false;
  Real deltaTop = 0, deltaBottom = 0;  // interface friction angle (sand)
  bool deltaEstimated = false;
  Real COEFTop = 0, COEFBottom = 0;    // Ko, beta or m by method; beta for types 8 and 9
  bool coefEstimated = false;
};
CohesionlessDefaults cohesionlessDefaults(const Layer& layer, Real sigmaTop, Real sigmaBottom);

// Unit side resistance at one step of a cohesionless layer.
struct CohesionlessSide {
  Real f = 0;       // tsf, before the layer's side limit
  Real PHI = 0;     // friction angle of the step, degrees (entered or from the chart)
  bool phiEstimated = false;
  Real COEF = 0;    // side coefficient used (Ko, beta or m)
  Real OCR = 1;     // overconsolidation ratio of the Chen-Kulhawy method, for the report
};
// layer: the layer as read (KSOIL, sandMethod, coefficient entries); at: parameters
// interpolated at the step (PHI, CU = interface angle, BLOWS, COEF); depth: step depth, ft;
// sigmaV: vertical effective stress at the step, sigmaMid: at the middle of the step, psf;
// run: loading (KCYCL, RCYCL, RATIO). An entered coefficient of 0 or less gives f = 0.
CohesionlessSide cohesionlessSide(const Layer& layer, const LayerEnd& at, Real depth, Real sigmaV,
                                  Real sigmaMid, const RunModel& run);

// Tip resistance for a base at one step of a cohesionless layer.
struct CohesionlessTip {
  Real Q = 0;  // tip load, tons, before the end-bearing limit and the uplift rule
  Real q = 0;  // unit tip resistance, tsf, before the IMOD reductions
};
// at: parameters interpolated at the step (BLOWS, PHI degrees); depth: step depth, ft;
// Bb: base diameter, ft; IMOD = 1 applies the large-base and shallow-base reductions.
CohesionlessTip cohesionlessTip(const LayerEnd& at, Real depth, Real Bb, int IMOD);

// Runtime-file error for a sand step with neither friction angle nor blow count (empty when
// either is given).
std::vector<std::string> sandStrengthMissingError(const LayerEnd& at);

// Lines the report echo prints after a gravelly sand or gravel layer: blow counts above 50
// (tip limited to 30 tsf) or of 25 and less (outside the method's range). Empty otherwise.
std::vector<std::string> gravelLayerWarnings(const Layer& layer);

}  // namespace talmo
