#include "fixed_format.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace talmo::fmt {
namespace {

std::string stars(int w) { return std::string(static_cast<std::size_t>(w > 0 ? w : 0), '*'); }

std::string rightJustify(const std::string& text, int w) {
  if (static_cast<int>(text.size()) > w) return stars(w);
  return std::string(static_cast<std::size_t>(w) - text.size(), ' ') + text;
}

// A value that is not a number at all says so, rather than passing for one too wide.
std::string nonFinite(double value, int w) {
  return rightJustify(std::isnan(value) ? "NaN" : value < 0 ? "-Inf" : "Inf", w);
}

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

}  // namespace

std::string F(double value, int w, int d) {
  if (!std::isfinite(value)) return nonFinite(value, w);
  char buf[512];
  auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, d + kGuardDigits);
  if (ec != std::errc()) return stars(w);
  std::string digits(buf, end);
  const std::size_t point = digits.find('.');
  roundKeeping(digits, point + 1 + static_cast<std::size_t>(d));
  if (d == 0 && digits.back() != '.') digits += '.';
  // A negative value that rounds to zero prints as zero, not "-0.00".
  const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
  return rightJustify(negative ? "-" + digits : digits, w);
}

std::string E(double value, int w, int d) {
  if (!std::isfinite(value)) return nonFinite(value, w);
  if (d < 1) return stars(w);
  std::string text;
  if (value == 0) {
    text = "0." + std::string(static_cast<std::size_t>(d), '0') + "E+00";
  } else {
    // The exact significant digits d.ddd...e±x, rounded to d digits and shifted to the mantissa
    // 0.dddd with exponent x+1; a carry (9.9996 to 10.00) moves into the exponent.
    char buf[128];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific,
                                   d - 1 + kGuardDigits);
    if (ec != std::errc()) return stars(w);
    std::string_view s(buf, static_cast<std::size_t>(end - buf));
    const auto epos = s.find('e');
    std::string digits;
    digits += s[0];
    digits += s.substr(2, epos - 2);
    int exponent = 0;
    const char* first = s.data() + epos + 1;
    if (*first == '+') ++first;
    std::from_chars(first, s.data() + s.size(), exponent);
    exponent += 1;
    if (roundKeeping(digits, static_cast<std::size_t>(d))) {
      digits.resize(static_cast<std::size_t>(d));  // "1000" of a carry: keep d digits
      ++exponent;
    }
    if (exponent > 99 || exponent < -99) return stars(w);
    const int mag = std::abs(exponent);
    text = (value < 0 ? "-0." : "0.") + digits + "E" + (exponent < 0 ? '-' : '+') +
           static_cast<char>('0' + mag / 10) + static_cast<char>('0' + mag % 10);
  }
  return rightJustify(text, w);
}

std::string I(long long value, int w) { return rightJustify(std::to_string(value), w); }

std::string X(int n) { return std::string(static_cast<std::size_t>(n > 0 ? n : 0), ' '); }

std::string listInt(long long value) { return " " + std::to_string(value); }

std::string listReal(double value) {
  // General form with the seven significant digits a single-precision value carries, so that
  // 0.036 stays 0.036 rather than its binary neighbour 0.036000002.
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 7);
  std::string text(buf, ec == std::errc() ? end : buf);
  for (char& c : text)
    if (c == 'e') c = 'E';
  if (text.find_first_of(".En") == std::string::npos) text += ".0";
  return " " + text;
}

std::string padRight(std::string_view text, std::size_t w) {
  std::string out(text.substr(0, w));
  out.resize(w, ' ');
  return out;
}

}  // namespace talmo::fmt
