#pragma once
// Strong rock sockets (types 4 and 7): side resistance from the compressive strength of the
// weaker of rock and concrete; end bearing of jointed rock, 3 qu Ksp, with the spacing-and-
// aperture coefficient Ksp. Type 4 carries either side or tip, chosen by strength: above
// 1000 psi the socket works in end bearing, at or below it in side resistance.
//
// Inputs are the layer's parameters interpolated at the step as the run model holds them: rock
// and concrete strengths (QUR, QUCON), discontinuity spacing and thickness (CS, DISCT) and the
// socket diameter (BDS) in the project's units (psf and ft, or kN/m2 and m in an SI project,
// converted here). D is the current shaft diameter (ft); diameterRatio the ratio of the current
// to the initial shaft diameter, which scales the socket. A socket diameter below 0.001 ft means
// none: the shaft diameter is used.
#include "real.h"
#include "run_model.h"

namespace talmo {

struct RockSide {
  Real f = 0;            // unit side resistance, tsf, before the layer's side limit
  Real coefficient = 0;  // side coefficient used: 0.15 (qu <= 280 psi) or 2.5
  Real qu = 0;           // smaller of rock and concrete strength, psf
  Real lateralArea = 0;  // side area of the one-foot step, ft2 (socket or shaft perimeter)
};
// run: loading (KCYCL, RCYCL, RATIO) and unit system.
RockSide rockSide(int KSOIL, const LayerEnd& at, Real D, Real diameterRatio, const RunModel& run);

struct RockTip {
  Real Q = 0;    // tip load, tons, before the end-bearing limit and the uplift rule
  Real Ab = 0;   // socket base area, ft2
  Real B = 0;    // socket diameter used, ft (the tip-averaging zone is 2 B deep)
  Real Ksp = 0;  // spacing-and-aperture coefficient
};
// run: unit system. Spacing 0 counts as unjointed rock (Ksp = 0.5).
RockTip rockTip(int KSOIL, const LayerEnd& at, Real D, Real diameterRatio, const RunModel& run);

}  // namespace talmo
