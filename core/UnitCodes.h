#pragma once
// Unit codes: every quantity the user sees is tagged with a short code string ("F/L2^2",
// "L2", "F2", ...) instead of a unit name. The same code gives the label in the project's unit
// system and the factor that converts stored values when the project switches systems.
//   F lbs|kN  F1 kips|kN  F2 tons|kN  F4 lb-sec2/in|Mg  F5 sec|sec  F6 slug|Mg
//   L in|m    L1 in|mm    L2 ft|m     L3 rad|rad
// A unit string holds at most one force-type and one length-type term, each a code letter,
// an optional digit and an optional "^" with a one-digit exponent. Strings without codes
// ("deg", "") are shown as they are and never convert.
#include <string>

namespace talmo {

// Unit systems of a project and of the labels.
enum TUnitSystem : int { kEnglish = 1, kSI = 2, kSymbolic = 3 };

// Label for a grid-table column: every code is replaced by its name, two-character codes
// first (F2 F1 F4 F5 F6 F L3 L2 L1 L), so "F2" is never read as "F" followed by "2".
std::string ExpandUnitsGrid(const std::string& units, int unitSystem);

// Label for a numeric field or a plot axis: only the first force-type code found (F6, F5, F4,
// F2, F1, else every bare F) and the first length-type code found (L2, L1, L3, else every
// bare L) are replaced; in the symbolic system the text is returned unchanged.
// "F/L^2" reads "lbs/in^2" in English and "kN/m^2" in SI.
std::string ExpandUnitsString(const std::string& units, int unitSystem);

// Label for a plot axis. A plot knows only F, F1, F2, L, L1 and L2: "F2", else "F1", else every
// bare "F" is replaced, then the same for L2, L1, L; in the symbolic system the text is
// returned unchanged. "F/L^2" reads "lbs/in^2" in English and "kN/m^2" in SI.
std::string ExpandUnitsPlot(const std::string& units, int unitSystem);

// Factor that multiplies a stored value when its project goes from system `oldSystem` to
// `newSystem`: English to SI divides by the SI-to-English factor of the string, SI to English
// multiplies by it, and every other pair (same system, anything with the symbolic system)
// gives 1. "F/L2^2" from SI to English is 224.8089237 / 3.280839895^2, about 20.885.
double UnitConversionFactor(const std::string& units, int oldSystem, int newSystem);

}  // namespace talmo
