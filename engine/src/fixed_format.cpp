#include "fixed_format.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <string_view>

namespace talmo::fmt {
namespace {

// ---- Fields are written into a record's own characters (writeE) or into a buffer that is then
// appended in one piece: a record is built field by field, so one append per field matters.

std::size_t widthOf(int w) { return static_cast<std::size_t>(std::max(w, 0)); }

void writeStars(char* field, std::size_t width) { std::memset(field, '*', width); }

// Text right-justified in the field, or asterisks when it does not fit.
void writeRightJustified(char* field, std::size_t width, std::string_view text) {
  if (text.size() > width) return writeStars(field, width);
  std::memset(field, ' ', width - text.size());
  std::memcpy(field + width - text.size(), text.data(), text.size());
}

// Appends a field of w characters that `write` fills.
template <typename Write>
void appendField(std::string& out, int w, Write write) {
  const std::size_t width = widthOf(w);
  char field[64];
  if (width <= sizeof field) {
    write(field);
    out.append(field, width);
    return;
  }
  const std::size_t at = out.size();
  out.resize(at + width);
  write(out.data() + at);
}

void appendRightJustified(std::string& out, std::string_view text, int w) {
  appendField(out, w, [&](char* field) { writeRightJustified(field, widthOf(w), text); });
}

std::string rightJustify(std::string_view text, int w) {
  std::string out;
  appendRightJustified(out, text, w);
  return out;
}

// A value that is not a number at all says so, rather than passing for one too wide.
std::string_view nonFiniteText(double value) { return std::isnan(value) ? "NaN" : value < 0 ? "-Inf" : "Inf"; }

// ---- Exact digits: decide every rounding, ties included, from the exact binary value.

// Extra digits beyond the kept ones: enough to tell an exact tie (binary values such as 32.5
// or 0.125) from a value merely near one, since a double carries about 17 significant digits.
constexpr int kGuardDigits = 25;

// Adds one to the last digit of a string of decimal digits (a point may sit among them).
// Returns true when the carry runs out of the front ("9.99" becomes "10.00").
bool incrementDigits(std::string& digits) {
  for (auto i = digits.size(); i-- > 0;) {
    if (digits[i] == '.') continue;
    if (digits[i] != '9') {
      ++digits[i];
      return false;
    }
    digits[i] = '0';
  }
  digits.insert(digits.begin(), '1');
  return true;
}

// Keeps `keep` characters of an exact digit string and rounds the rest away, halves upward,
// the way engineers round by hand (32.5 to 33, not to the even 32).
bool roundKeeping(std::string& digits, std::size_t keep) {
  const bool up = keep < digits.size() && digits[keep] >= '5';
  digits.resize(keep);
  return up && incrementDigits(digits);
}

// |value| with d decimals ("0.13", "42."); false when it is too large to write.
bool exactFixed(double magnitude, int d, std::string& digits) {
  char buf[512];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::fixed, d + kGuardDigits);
  if (ec != std::errc()) return false;
  digits.assign(buf, end);
  const std::size_t point = digits.find('.');
  roundKeeping(digits, point + 1 + static_cast<std::size_t>(d));
  if (d == 0 && digits.back() != '.') digits += '.';
  return true;
}

// d significant digits of |value| > 0 and the exponent x of 0.ddd x 10^x.
bool exactScientific(double magnitude, int d, std::string& digits, int& exponent) {
  char buf[128];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, d - 1 + kGuardDigits);
  if (ec != std::errc()) return false;
  const std::string_view s(buf, static_cast<std::size_t>(end - buf));
  const auto epos = s.find('e');
  digits.assign(1, s[0]);
  digits += s.substr(2, epos - 2);
  const char* first = s.data() + epos + 1;
  if (*first == '+') ++first;
  std::from_chars(first, s.data() + s.size(), exponent);
  exponent += 1;
  if (roundKeeping(digits, static_cast<std::size_t>(d))) {
    digits.resize(static_cast<std::size_t>(d));  // "1000" of a carry: keep d digits
    ++exponent;
  }
  return true;
}

// ---- Rounding by double arithmetic, for the many values that lie far from a tie.
//
// |value| is scaled by a power of ten so that the digits to keep form the integer part, and
// the fraction decides the rounding. The scaling errs by a few units in the 16th significant
// digit, so a fraction within kTieMargin of one half (an exact tie such as 0.125, or a value
// merely near one such as 2.675) goes to the exact digits, which give the same text.
constexpr double kTieMargin = 1e-6;
constexpr double kMaxScaled = 1e9;  // beyond it the margin no longer covers the scaling error
constexpr int kMaxPowerOfTen = 22;  // 10^k is exact in a double up to here

double powerOfTen(int k) {
  static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                       1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  return kPowers[k];
}

// floor(log10(2^e)) for the exponents of a double, in integer arithmetic: 315653 / 2^20 is
// log10(2) closely enough that no product crosses a whole number wrongly for |e| <= 2620.
int floorLog10Pow2(int e) { return (e * 315653) >> 20; }

// Writes the `count` last decimal digits of `value` to digits[0 .. count), two at a time.
void writeDigits(std::uint32_t value, int count, char* digits) {
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
      "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
      "8081828384858687888990919293949596979899";
  int k = count;
  for (; k >= 2; k -= 2, value /= 100) std::memcpy(digits + k - 2, kPairs + 2 * (value % 100), 2);
  if (k == 1) digits[0] = static_cast<char>('0' + value % 10);
}

// magnitude x 10^k with one rounding; false when 10^k is not exact.
bool scaled(double magnitude, int k, double& out) {
  if (k > kMaxPowerOfTen || k < -kMaxPowerOfTen) return false;
  out = k >= 0 ? magnitude * powerOfTen(k) : magnitude / powerOfTen(-k);
  return true;
}

// Rounds a scaled value half up to an integer; false when it lies too near a tie to tell.
bool roundScaled(double t, long long& rounded) {
  if (!(t < kMaxScaled)) return false;
  const auto whole = static_cast<long long>(t);  // t >= 0: truncation is the floor
  const double fraction = t - static_cast<double>(whole);
  if (std::fabs(fraction - 0.5) <= kTieMargin) return false;
  rounded = whole + (fraction > 0.5 ? 1 : 0);
  return true;
}

// |value| x 10^d rounded half up to an integer; false to use the exact digits.
bool fixedByScaling(double magnitude, int d, std::uint32_t& rounded) {
  double t = 0;
  long long r = 0;
  if (d < 0 || d > 9 || !scaled(magnitude, d, t) || !roundScaled(t, r)) return false;
  rounded = static_cast<std::uint32_t>(r);  // at most 10^9
  return true;
}

// Decimal digits of a value, at least one.
int digitCount(std::uint32_t value) {
  int n = 1;
  for (; value >= 10; value /= 10) ++n;
  return n;
}

// d significant digits of |value| > 0 into buf and the exponent x of 0.ddd x 10^x; false to use
// the exact digits.
bool scientificByScaling(double magnitude, int d, char* buf, int& exponent) {
  if (d < 1 || d > 9) return false;
  // The decimal exponent from the binary one; it may be one off, which the scaling corrects.
  const auto biased = static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7ff);
  if (biased == 0) return false;  // subnormal: the exact digits
  int e = floorLog10Pow2(biased - 1023);
  const double low = powerOfTen(d - 1), high = powerOfTen(d);
  double t = 0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!scaled(magnitude, d - 1 - e, t)) return false;
    if (t < low) {
      --e;
    } else if (t >= high) {
      ++e;
    } else {
      break;
    }
  }
  long long rounded = 0;
  if (!(t >= low && t < high) || !roundScaled(t, rounded)) return false;
  if (rounded >= static_cast<long long>(high)) {  // 9.9996 to 10.00: the carry raises the exponent
    rounded /= 10;
    ++e;
  }
  writeDigits(static_cast<std::uint32_t>(rounded), d, buf);  // below 10^9
  exponent = e + 1;
  return true;
}

// Significant digits of a list-directed real.
constexpr int kListDigits = 7;

// |value| > 0 in the general form with kListDigits significant digits (fixed for decimal
// exponents -4 .. 6, else scientific, trailing zeros dropped: "0.036", "2.5E+10") into buf;
// returns its length, 0 when the digits lie too near a tie to tell by scaling.
std::size_t generalByScaling(double magnitude, char* buf) {
  char digits[kListDigits];
  int exponent = 0;  // of 0.ddd x 10^exponent
  if (!scientificByScaling(magnitude, kListDigits, digits, exponent)) return 0;
  auto kept = static_cast<std::size_t>(kListDigits);
  while (kept > 1 && digits[kept - 1] == '0') --kept;
  const int x = exponent - 1;  // of d.ddd x 10^x
  std::size_t n = 0;
  if (x < -4 || x >= kListDigits) {
    buf[n++] = digits[0];
    if (kept > 1) {
      buf[n++] = '.';
      std::memcpy(buf + n, digits + 1, kept - 1);
      n += kept - 1;
    }
    const int mag = std::abs(x);
    buf[n++] = 'E';
    buf[n++] = x < 0 ? '-' : '+';
    if (mag >= 100) buf[n++] = static_cast<char>('0' + mag / 100);
    buf[n++] = static_cast<char>('0' + mag / 10 % 10);
    buf[n++] = static_cast<char>('0' + mag % 10);
    return n;
  }
  if (x < 0) {
    const auto zeros = static_cast<std::size_t>(-x - 1);
    buf[n++] = '0';
    buf[n++] = '.';
    std::memset(buf + n, '0', zeros);
    n += zeros;
    std::memcpy(buf + n, digits, kept);
    return n + kept;
  }
  const auto whole = static_cast<std::size_t>(x + 1);
  for (std::size_t i = 0; i < whole; ++i) buf[n++] = i < kept ? digits[i] : '0';
  if (kept > whole) {
    buf[n++] = '.';
    std::memcpy(buf + n, digits + whole, kept - whole);
    n += kept - whole;
  }
  return n;
}

// The Fw.d field written to field[0 .. w).
void writeF(char* field, double value, int w, int d) {
  const std::size_t width = widthOf(w);
  if (!std::isfinite(value)) return writeRightJustified(field, width, nonFiniteText(value));
  std::uint32_t rounded = 0;
  if (!fixedByScaling(std::fabs(value), d, rounded)) {
    std::string exact;
    if (!exactFixed(std::fabs(value), d, exact)) return writeStars(field, width);
    const bool negative = value < 0 && exact.find_first_not_of("0.") != std::string::npos;
    return writeRightJustified(field, width, negative ? "-" + exact : exact);
  }
  // [-]w.ddd with at least one digit before the point (0.004 in F6.2 is "0.00"); a negative
  // value that rounds to zero prints as zero, not "-0.00".
  const auto decimals = static_cast<std::size_t>(d);
  const auto scale = static_cast<std::uint32_t>(powerOfTen(d));
  const std::uint32_t whole = rounded / scale;
  const auto wholeDigits = static_cast<std::size_t>(digitCount(whole));
  const bool negative = value < 0 && rounded != 0;
  const std::size_t length = (negative ? 1 : 0) + wholeDigits + 1 + decimals;
  if (length > width) return writeStars(field, width);
  std::memset(field, ' ', width - length);
  char* text = field + width - length;
  if (negative) *text++ = '-';
  writeDigits(whole, static_cast<int>(wholeDigits), text);
  text[wholeDigits] = '.';
  writeDigits(rounded % scale, d, text + wholeDigits + 1);
}

// The general form of a list-directed real by the library's exact conversion (zero, values near
// a rounding tie or beyond the scaling, and the non-finite ones) into buf; returns its length.
std::size_t generalExact(double value, char* buf, std::size_t size) {
  const auto [end, ec] = std::to_chars(buf, buf + size, value, std::chars_format::general, kListDigits);
  if (ec != std::errc()) return 0;
  std::replace(buf, end, 'e', 'E');
  return static_cast<std::size_t>(end - buf);
}

}  // namespace

void appendF(std::string& out, double value, int w, int d) {
  appendField(out, w, [&](char* field) { writeF(field, value, w, d); });
}

void writeE(char* field, double value, int w, int d) {
  const std::size_t width = widthOf(w);
  if (!std::isfinite(value)) return writeRightJustified(field, width, nonFiniteText(value));
  if (d < 1 || d > 32) return writeStars(field, width);
  // [-]0.dddE+xx: d significant digits rounded half up, shifted to the mantissa 0.dddd with
  // exponent x+1 (a carry, 9.9996 to 10.00, moves into the exponent).
  const auto digitsWanted = static_cast<std::size_t>(d);
  const std::size_t length = (value < 0 ? 1 : 0) + 2 + digitsWanted + 4;
  if (length > width) return writeStars(field, width);
  std::memset(field, ' ', width - length);
  char* text = field + width - length;
  if (value < 0) *text++ = '-';
  *text++ = '0';
  *text++ = '.';
  int exponent = 0;
  if (value == 0) {
    std::memset(text, '0', digitsWanted);
  } else if (!scientificByScaling(std::fabs(value), d, text, exponent)) {
    std::string exact;
    if (!exactScientific(std::fabs(value), d, exact, exponent)) return writeStars(field, width);
    std::memcpy(text, exact.data(), digitsWanted);
  }
  if (exponent > 99 || exponent < -99) return writeStars(field, width);
  text += digitsWanted;
  const int mag = std::abs(exponent);
  *text++ = 'E';
  *text++ = exponent < 0 ? '-' : '+';
  *text++ = static_cast<char>('0' + mag / 10);
  *text = static_cast<char>('0' + mag % 10);
}

void appendE(std::string& out, double value, int w, int d) {
  appendField(out, w, [&](char* field) { writeE(field, value, w, d); });
}

std::string F(double value, int w, int d) {
  std::string out;
  appendF(out, value, w, d);
  return out;
}

std::string E(double value, int w, int d) {
  std::string out;
  appendE(out, value, w, d);
  return out;
}

std::string I(long long value, int w) { return rightJustify(std::to_string(value), w); }

std::string X(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

std::string listInt(long long value) { return " " + std::to_string(value); }

void appendListReal(std::string& out, double value) {
  // General form with the seven significant digits a single-precision value carries, so that
  // 0.036 stays 0.036 rather than its binary neighbour 0.036000002.
  char buf[64];
  buf[0] = ' ';
  std::size_t length = 0;
  if (std::isfinite(value) && value != 0) {
    buf[1] = '-';
    const std::size_t sign = value < 0 ? 1 : 0;
    length = generalByScaling(std::fabs(value), buf + 1 + sign);
    if (length > 0) length += sign;
  }
  if (length == 0) length = generalExact(value, buf + 1, sizeof buf - 1);
  // A whole number keeps its point ("2.0"); an exponent or "nan" stands as it is.
  std::size_t n = 1 + length;
  if (std::none_of(buf + 1, buf + n, [](char c) { return c == '.' || c == 'E' || c == 'n'; })) {
    buf[n++] = '.';
    buf[n++] = '0';
  }
  out.append(buf, n);
}

std::string listReal(double value) {
  std::string out;
  appendListReal(out, value);
  return out;
}

std::string padRight(std::string_view text, std::size_t w) {
  std::string out(text.substr(0, w));
  out.resize(w, ' ');
  return out;
}

}  // namespace talmo::fmt
