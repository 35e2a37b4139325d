#include "NumberText.h"

#include <algorithm>
#include <charconv>

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
