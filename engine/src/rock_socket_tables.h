#pragma once
// Chart values of the elastic strong-rock socket: the mass-to-intact modulus ratio by RQD and
// the settlement influence factor of a socket (Pells and Turner, Rowe and Armitage), read by
// linear interpolation; beyond a chart its edge value holds.
#include "real.h"

namespace talmo {

// Em / Ei for RQD (%) from 0 (0.1) to 100 (1.0).
Real strongRockModulusRatio(Real RQD);

// Influence factor I of a socket of slenderness L/D (0 to 20) and stiffness ratio Ec / Em
// (curves 10, 50, 100 and 5000; linear in both): the socket head settles P I / (Em D).
Real socketInfluenceFactor(Real LOverD, Real EcOverEm);

}  // namespace talmo
