#pragma once
// Clay and clay shale: alpha method for side resistance, Nc times undrained shear strength for
// the base, with the program's defaults for alpha and Nc and a fall-back to SPT blow counts
// when no shear strength is given. Units: psf, ft, tsf, tons.
#include <string>
#include <vector>

#include "real.h"
#include "run_model.h"

namespace talmo {

// Alpha of the alpha method for an undrained shear strength CU (psf): 0.55 up to
// CU = 1.5 atmospheres, falling linearly to 0.40 at 2.5 atmospheres and beyond.
Real defaultAlpha(Real CU);

// Bearing capacity factor at depth z (ft) below the ground for a shaft of diameter D (ft):
// 6 (1 + 0.2 z/D), at most 9 for clay and 7 for clay shale (KSOIL). D <= 0 gives the cap.
Real defaultNc(Real z, Real D, int KSOIL);

// Side coefficient and Nc at both ends of a cohesive layer: the entries as read, or the
// defaults when both entries of a pair are below 1E-5 (then marked estimated). The driver
// stores them in its working copy of the layer for the case (Nc depends on the case's D) and
// interpolates them at every step; the report echo prints them with their marks.
struct CohesiveDefaults {
  Real alphaTop = 0, alphaBottom = 0;
  bool alphaEstimated = false;
  Real NCTop = 0, NCBottom = 0;
  bool ncEstimated = false;
};
CohesiveDefaults cohesiveDefaults(const Layer& layer, Real D);

// Replaces the alpha and Nc entries of every clay and clay-shale layer by the defaults where
// they were left at 0, once for the run: from the layer ends as entered and the initial shaft
// diameter D, so that the report prints exactly the values every case computes with.
void applyCohesiveDefaults(std::vector<Layer>& layers, Real D);

// Unit side resistance at one step of a clay or clay-shale layer.
struct CohesiveSide {
  Real f = 0;     // tsf, before the layer's side limit
  Real CU = 0;    // shear strength the side rule used, psf (from blow counts when CU is 0)
  std::vector<std::string> reportLines;  // to the report: the blow-count warning for clay
};
// at: the layer's parameters interpolated at the step (COEF = alpha, CU, BLOWS), with alpha
// already defaulted; run: loading (KCYCL, RCYCL, RATIO). A step whose alpha is 0 or negative
// carries no side resistance.
CohesiveSide cohesiveSide(int KSOIL, const LayerEnd& at, const RunModel& run);

// Tip resistance for a base at one step of a clay or clay-shale layer.
struct CohesiveTip {
  Real Q = 0;    // tip load, tons, before the end-bearing limit and the uplift rule
  Real q = 0;    // unit tip resistance su Nc, tsf (clay: at most 40)
  Real su = 0;   // undrained shear strength, tsf
  Real NC = 0;   // bearing capacity factor used
  Real Fr = 1;   // reduction factor for large bases
};
// layer: the layer as stepped (KSOIL, CU entries, Nc entries); at: parameters interpolated at
// the step (CU, BLOWS, NC); depth: step depth, ft; Bb: base diameter, ft.
CohesiveTip cohesiveTip(const Layer& layer, const LayerEnd& at, Real depth, Real Bb);

// Lines the report echo prints after a clay or clay-shale layer: the warning that a top
// strength of 2.5 atmospheres or more is better designed as intermediate geomaterial.
std::vector<std::string> cohesiveLayerWarnings(const Layer& layer);

}  // namespace talmo
