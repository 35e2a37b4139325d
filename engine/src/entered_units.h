#pragma once
// Rock and geomaterial parameters keep the project's units after reading (strengths in psf or
// kN/m2, moduli in psi or kN/m2, socket diameters in ft or m, slump in in or m); the models
// convert them where they use them, with these rules, into ft, psf and in.
#include "real.h"
#include "units.h"

namespace talmo {

struct EnteredUnits {
  bool si = false;
  Real length(Real v) const { return si ? v * kFtPerM : v; }           // ft
  Real stress(Real v) const { return si ? v * kPsfPerKnPerM2 : v; }    // psf
  Real modulus(Real v) const { return si ? v * kPsfPerKnPerM2 : v * kPsfPerPsi; }  // psf
  Real slump(Real v) const { return si ? v * kInPerM : v; }            // in
};

}  // namespace talmo
