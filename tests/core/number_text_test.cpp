// Decimal numbers written in general format and read back, whatever the locale.
#include "NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace talmo {
namespace {

TEST(NumberText, GeneralFormatWithEightSignificantDigits) {
  struct Case {
    double value;
    const char* text;
  } cases[] = {
      {0.0, "0"},          {2.5, "2.5"},          {0.0254, "0.0254"},
      {1.5e-6, "1.5E-6"},  {1e20, "1E20"},        {1e-5, "0.00001"},
      {9e-6, "9E-6"},      {12345678.0, "12345678"}, {123456789.0, "1.2345679E8"},
      {-1234567890.0, "-1.2345679E9"}, {0.1 + 0.2, "0.3"}, {1.0 / 3.0, "0.33333333"},
      {99999999.5, "1E8"}, {-0.5, "-0.5"},        {100.0, "100"},
      {3.048, "3.048"},    {6894.7573, "6894.7573"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatGeneral(c.value, 8), c.text) << c.value;
  EXPECT_EQ(FormatGeneral(0.1, 18), "0.100000000000000006");
  EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 8), "NAN");
  EXPECT_EQ(FormatGeneral(-std::numeric_limits<double>::infinity(), 8), "-INF");
}

TEST(NumberText, ReadsDecimalNumbersOnly) {
  struct Case {
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {"2.5", true, 2.5},   {"-7", true, -7},      {"+1E3", true, 1000},  {".5", true, 0.5},
      {"5.", true, 5},      {"1e-400", true, 0.0}, {"2,5", false, 0},     {"", false, 0},
      {"1e400", false, 0},  {"inf", false, 0},     {"nan", false, 0},     {"0x10", false, 0},
      {" 1", false, 0},     {"1E", false, 0},      {".", false, 0},       {"-", false, 0},
  };
  for (const Case& c : cases) {
    double value = -99;
    EXPECT_EQ(ParseReal(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace talmo
