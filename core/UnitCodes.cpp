#include "UnitCodes.h"

#include <array>
#include <cmath>
#include <string_view>

namespace talmo {

namespace {

struct UnitCode {
  std::string_view code;
  std::string_view english;
  std::string_view si;
  std::string_view symbolic;
  double siToEnglish;
};

constexpr std::array<UnitCode, 10> kCodes{{
    {"F", "lbs", "kN", "F", 224.8089237},
    {"F1", "kips", "kN", "F", 0.2248089237},
    {"F2", "tons", "kN", "F", 0.1124044745},
    {"F4", "lb-sec2/in", "Mg", "M", 5.7101483},
    {"F5", "sec", "sec", "T", 1.0},
    {"F6", "slug", "Mg", "F", 68.364249},
    {"L", "in", "m", "L", 39.37007874},
    {"L1", "in", "mm", "L", 0.03937007874},
    {"L2", "ft", "m", "L", 3.280839895},
    {"L3", "rad", "rad", "L", 1.0},
}};

const UnitCode& codeNamed(std::string_view name) {
  for (const UnitCode& c : kCodes)
    if (c.code == name) return c;
  return kCodes[0];
}

std::string_view labelOf(const UnitCode& c, int unitSystem) {
  switch (unitSystem) {
    case kSI: return c.si;
    case kSymbolic: return c.symbolic;
    default: return c.english;
  }
}

void replaceAll(std::string& text, std::string_view what, std::string_view by) {
  std::size_t pos = 0;
  while ((pos = text.find(what, pos)) != std::string::npos) {
    text.replace(pos, what.size(), by);
    pos += by.size();
  }
}

// Replaces the first code of `candidates` present in the text (all its occurrences).
void replaceFirstPresent(std::string& text, std::initializer_list<std::string_view> candidates,
                         int unitSystem) {
  for (std::string_view name : candidates) {
    if (text.find(name) != std::string::npos) {
      replaceAll(text, name, labelOf(codeNamed(name), unitSystem));
      return;
    }
  }
}

// SI-to-English value of one side of a unit string ("F2", "F/L2^2" numerator "F", ...).
double partValue(std::string_view part) {
  double value = 1.0;
  std::size_t i = 0;
  auto takeTerm = [&](char letter, auto codeForDigit) {
    if (i >= part.size() || part[i] != letter) return;
    ++i;
    char digit = '0';
    if (i < part.size() && part[i] >= '0' && part[i] <= '9') digit = part[i++];
    int exponent = 1;
    if (i + 1 < part.size() && part[i] == '^' && part[i + 1] >= '0' && part[i + 1] <= '9') {
      exponent = part[i + 1] - '0';
      i += 2;
    } else if (part.substr(i, 2) == "\u00b2" || part.substr(i, 2) == "\u00b3") {
      // "F/L²" is written with a superscript; it means the same as "F/L^2".
      exponent = part.substr(i, 2) == "\u00b2" ? 2 : 3;
      i += 2;
    }
    value *= std::pow(codeNamed(codeForDigit(digit)).siToEnglish, exponent);
  };
  takeTerm('F', [](char d) -> std::string_view {
    switch (d) {
      case '0': return "F";
      case '1': return "F1";
      case '4': return "F4";
      case '5': return "F5";
      case '6': return "F6";
      default: return "F2";
    }
  });
  takeTerm('L', [](char d) -> std::string_view {
    switch (d) {
      case '0': return "L";
      case '1': return "L1";
      case '3': return "L3";
      default: return "L2";
    }
  });
  return value;
}

}  // namespace

std::string ExpandUnitsGrid(const std::string& units, int unitSystem) {
  std::string text = units;
  for (std::string_view name : {"F2", "F1", "F4", "F5", "F6", "F", "L3", "L2", "L1", "L"})
    replaceAll(text, name, labelOf(codeNamed(name), unitSystem));
  return text;
}

std::string ExpandUnitsString(const std::string& units, int unitSystem) {
  if (unitSystem == kSymbolic) return units;
  std::string text = units;
  replaceFirstPresent(text, {"F6", "F5", "F4", "F2", "F1", "F"}, unitSystem);
  replaceFirstPresent(text, {"L2", "L1", "L3", "L"}, unitSystem);
  return text;
}

std::string ExpandUnitsPlot(const std::string& units, int unitSystem) {
  if (unitSystem == kSymbolic) return units;
  std::string text = units;
  replaceFirstPresent(text, {"F2", "F1", "F"}, unitSystem);
  replaceFirstPresent(text, {"L2", "L1", "L"}, unitSystem);
  return text;
}

double UnitConversionFactor(const std::string& units, int oldSystem, int newSystem) {
  int direction = 0;
  if (oldSystem == kEnglish && newSystem == kSI) direction = -1;
  if (oldSystem == kSI && newSystem == kEnglish) direction = 1;
  if (direction == 0) return 1.0;
  const std::size_t slash = units.find('/');
  const std::string_view all(units);
  const double numerator = partValue(all.substr(0, slash));
  const double denominator = slash == std::string::npos ? 1.0 : partValue(all.substr(slash + 1));
  return std::pow(numerator / denominator, direction);
}

}  // namespace talmo
