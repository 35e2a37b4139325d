#pragma once
// Locale-independent writing and reading of decimal numbers. Writing: general format with a
// given number of significant digits. Reading: optional sign, digits, optional "." and
// fraction, optional exponent with E or e. The decimal point is always "." whatever the
// process locale, so files written on one machine read the same on every other.
#include <string>
#include <string_view>

namespace talmo {

// True when the whole of `text` is a decimal number; the value is stored in `value`.
// Rejects blanks, commas, hexadecimal, "inf" and "nan".
bool ParseReal(std::string_view text, double& value);

}  // namespace talmo

namespace talmo {

// General format with at most `significantDigits` significant digits (1 to 18): fixed notation
// with trailing zeros dropped and no point for whole values (0, 2.5, 0.0254, 12345678);
// scientific notation with an upper-case E, no plus sign and no leading zeros in the exponent
// (1.5E-6, 1E20, -1.2345679E9) when the magnitude is below 1E-5 or the rounded value needs
// more integer digits than significant digits. "." is always the decimal point. Not-a-number
// and infinities are written "NAN", "INF" and "-INF".
std::string FormatGeneral(double value, int significantDigits);

}  // namespace talmo
