#pragma once
// Chart values of the FHWA weak-rock socket rule (cohesive intermediate geomaterial), read by
// linear interpolation; a value beyond a chart takes the chart's edge value.
#include "real.h"

namespace talmo {

// Fluid-pressure factor M of fresh concrete: the lateral pressure at depth zc (ft) below the
// top of the concrete is 150 zc M psf. Slump in inches (5 to 8.86 in the chart).
Real fluidPressureFactor(Real slumpIn, Real zcFt);

// Side resistance factor alpha of a smooth socket for rock strength qu (psf, 10415 to
// 104150 in the chart) and normal stress sigmaN / pa (1 to 7).
Real smoothSocketAlpha(Real quPsf, Real sigmaNOverPa);

// Ratio of rock-mass to intact-rock modulus from RQD (%, 20 to 100); open joints soften the
// mass more than closed ones.
Real rockMassModulusRatio(Real RQD, bool openJoints);

// Reduction alpha_E of the maximum side resistance for the jointing of the rock mass, from the
// mass-to-intact modulus ratio (0.02 to 1).
Real jointingReduction(Real modulusRatio);

// Ratio n of a smooth socket (normal stress on the socket wall at slip over qu) from the
// stiffness ratio Em / sigmaN (400 to 3000) and the strength ratio qu / pa (5 to 48).
Real smoothSocketN(Real EmOverSigmaN, Real quOverPa);

}  // namespace talmo
