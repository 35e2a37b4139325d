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

}  // namespace

std::string F(double value, int w, int d) {
  if (!std::isfinite(value)) return stars(w);
  char buf[400];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, d);
  if (ec != std::errc()) return stars(w);
  std::string digits(buf, end);
  if (d == 0) digits += '.';
  // A negative value that rounds to zero prints as zero, not "-0.00".
  const bool negative = value < 0 && digits.find_first_not_of("0.") != std::string::npos;
  return rightJustify(negative ? "-" + digits : digits, w);
}

std::string E(double value, int w, int d) {
  if (!std::isfinite(value) || d < 1) return stars(w);
  std::string text;
  if (value == 0) {
    text = "0." + std::string(static_cast<std::size_t>(d), '0') + "E+00";
  } else {
    // d significant digits d.ddd e±x, shifted to 0.dddd e±(x+1); to_chars rounds correctly,
    // so a carry (9.9996 to 1.000e+01) lands in the exponent.
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, d - 1);
    if (ec != std::errc()) return stars(w);
    std::string_view s(buf, static_cast<std::size_t>(end - buf));
    const auto epos = s.find('e');
    std::string mantissa;
    mantissa += s[0];
    if (d > 1) mantissa += s.substr(2, epos - 2);
    int exponent = 0;
    const char* first = s.data() + epos + 1;
    if (*first == '+') ++first;
    std::from_chars(first, s.data() + s.size(), exponent);
    exponent += 1;
    if (exponent > 99 || exponent < -99) return stars(w);
    const int mag = std::abs(exponent);
    text = (value < 0 ? "-0." : "0.") + mantissa + "E" + (exponent < 0 ? '-' : '+') +
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
