#pragma once
// Locale-independent reading of decimal numbers: optional sign, digits, optional "." and
// fraction, optional exponent with E or e. The decimal point is always "." whatever the
// process locale, so files written on one machine read the same on every other.
#include <string_view>

namespace talmo {

// True when the whole of `text` is a decimal number; the value is stored in `value`.
// Rejects blanks, commas, hexadecimal, "inf" and "nan".
bool ParseReal(std::string_view text, double& value);

}  // namespace talmo
