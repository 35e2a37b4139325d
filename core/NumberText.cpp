#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace talmo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Rough power of ten of an out-of-range number (already checked to be well formed):
// positive for overflow, negative for underflow.
long decimalMagnitude(std::string_view t) {
  long leading = 0;  // digits before the point after leading zeros
  long zerosAfterPoint = 0;
  std::size_t i = 0;
  bool seenNonZero = false;
  bool afterPoint = false;
  for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
    if (t[i] == '.') { afterPoint = true; continue; }
    if (!afterPoint && (seenNonZero || t[i] != '0')) { seenNonZero = true; ++leading; }
    if (afterPoint && !seenNonZero) { if (t[i] == '0') ++zerosAfterPoint; else seenNonZero = true; }
  }
  long exponent = 0;
  if (i < t.size()) {
    ++i;
    bool neg = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) neg = t[i++] == '-';
    for (; i < t.size(); ++i) exponent = std::min(exponent * 10 + (t[i] - '0'), 100000L);
    if (neg) exponent = -exponent;
  }
  return leading > 0 ? leading + exponent : exponent - zerosAfterPoint;
}

}  // namespace

bool ParseReal(std::string_view text, double& value) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  std::size_t digits = 0;
  while (i < n && isDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < n && isDigit(text[i])) ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  if (i != n) return false;
  // from_chars takes no leading "+" and reads the rest exactly like the pattern checked above.
  double v = 0.0;
  auto [end, ec] = std::from_chars(text.data() + start, text.data() + n, v);
  if (end != text.data() + n) return false;
  if (ec == std::errc::result_out_of_range) {
    // Underflow reads as zero; overflow is not a number this program can hold.
    if (decimalMagnitude(text.substr(start)) > 0) return false;
    v = 0.0;
  } else if (ec != std::errc()) {
    return false;
  }
  value = negative ? -v : v;
  return true;
}

}  // namespace talmo

namespace talmo {

std::string FormatGeneral(double value, int significantDigits) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";
  const int precision = std::clamp(significantDigits, 1, 18);
  // Round to the significant digits once, in scientific form: "d.ddddddde-XX".
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value),
                                 std::chars_format::scientific, precision - 1);
  const std::string sci(buffer, ec == std::errc() ? end : buffer);
  const std::size_t ePos = sci.find('e');
  std::string digits;
  for (std::size_t i = 0; i < ePos; ++i)
    if (sci[i] != '.') digits += sci[i];
  const int exponent = std::atoi(sci.c_str() + ePos + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = value < 0 ? "-" : "";
  if (exponent < -5 || exponent >= precision) {
    text += digits[0];
    if (digits.size() > 1) text += "." + digits.substr(1);
    text += "E" + std::to_string(exponent);
  } else if (exponent < 0) {
    text += "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  } else {
    const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerDigits) {
      text += digits + std::string(integerDigits - digits.size(), '0');
    } else {
      text += digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
    }
  }
  return text;
}

}  // namespace talmo
