#pragma once
// Conversion factors between the project's SI units and the engine's internal English units
// (ft, tons, psf, pcf, cubic yards), and the work units of the load-transfer computation (in,
// psi, lb). One place, so that every module converts with the same numbers.
#include "real.h"

namespace talmo {

inline constexpr Real kPi = 3.1416f;  // the value the engine's geometry uses

// SI to internal English units.
inline constexpr Real kFtPerM = 3.2808f;
inline constexpr Real kTonsPerKn = 0.1124f;
inline constexpr Real kPcfPerKnPerM3 = 6.3659f;
inline constexpr Real kPsfPerKnPerM2 = 20.885f;
inline constexpr Real kCuYdPerM3 = 1.3078f;
inline constexpr Real kTonsPerCuYdPerKnPerM3 = 0.08594586f;

// Internal units to work units of the load-transfer computation, and those to SI.
inline constexpr Real kInPerFt = 12;
inline constexpr Real kLbPerTon = 2000;
inline constexpr Real kPsfPerTsf = 2000;
inline constexpr Real kPsiPerTsf = 2000.0f / 144.0f;
inline constexpr Real kMPerIn = 0.0254f;
inline constexpr Real kInPerM = 39.37f;
inline constexpr Real kKnPerLb = 4.448f / 1000;
inline constexpr Real kKnPerM2PerPsi = 6.894757f;
inline constexpr Real kPsfPerPsi = 144;

}  // namespace talmo
