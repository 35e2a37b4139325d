#include "fixed_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>

namespace talmo::fmt {
namespace {

struct FCase {
  double value;
  int w, d;
  const char* expected;
};

TEST(FixedFormatF, TableOfCases) {
  const FCase cases[] = {
      {12.5, 10, 1, "      12.5"},
      {-3.14159, 8, 2, "   -3.14"},
      {0.0, 6, 2, "  0.00"},
      {9.9999, 6, 2, " 10.00"},      // carry into a new integer digit
      {99.996, 5, 2, "*****"},       // the carry no longer fits
      {-0.001, 6, 2, "  0.00"},      // rounds to zero: no minus sign
      {42.0, 5, 0, "  42."},         // F5.0 keeps the point
      {123456.0, 8, 2, "********"},  // overflow fills with asterisks
      {-12.345, 6, 2, "-12.35"},     // stored as -12.34500000000000064: rounds away
      {0.125, 6, 2, "  0.13"},       // an exact binary tie rounds half up
      {32.5, 5, 0, "  33."},         // as an engineer rounds a shaft length
      {2.675, 6, 2, "  2.67"},       // stored as 2.67499999...: not a tie
      {1.0e10, 9, 2, "*********"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(F(c.value, c.w, c.d), c.expected) << c.value << " F" << c.w << "." << c.d;
  }
}

TEST(FixedFormatE, TableOfCases) {
  const FCase cases[] = {
      {12.5, 10, 3, " 0.125E+02"},
      {0.0, 10, 3, " 0.000E+00"},
      {-12.5, 10, 3, "-0.125E+02"},
      {9.9996, 10, 3, " 0.100E+02"},  // carry moves into the exponent
      {1.0e10, 10, 3, " 0.100E+11"},
      {0.00012345, 11, 4, " 0.1234E-03"},  // stored as 0.000123449999...: rounds down
      {1.0e-5, 10, 3, " 0.100E-04"},
      {0.1125, 10, 3, " 0.113E+00"},  // stored just above the tie
      {0.375, 10, 2, "  0.38E+00"},   // exact tie rounds half up
      {99.95, 10, 3, " 0.100E+03"},   // stored just above 99.95: carry into the exponent
      {12.5, 8, 3, "********"},
      {2000.0, 17, 4, "       0.2000E+04"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(E(c.value, c.w, c.d), c.expected) << c.value << " E" << c.w << "." << c.d;
  }
}

TEST(FixedFormatE, WrittenIntoARecordFillsExactlyItsField) {
  char record[] = "|..........|";
  writeE(record + 1, -12.5, 10, 3);
  EXPECT_STREQ(record, "|-0.125E+02|");
  writeE(record + 1, 12.5, 10, 5);  // 0.12500E+02 is one too wide
  EXPECT_STREQ(record, "|**********|");
  writeE(record + 1, 0.5, 10, 2);
  EXPECT_STREQ(record, "|  0.50E+00|");
}

TEST(FixedFormatE, PlotRecordPutsTwoBlanksBeforeTheMantissa) {
  // In a 1X,E10.3 record the separator blank and the field's own blank precede 0.125E+02.
  EXPECT_EQ(X(1) + E(12.5, 10, 3), "  0.125E+02");
}

TEST(FixedFormatI, WidthAndOverflow) {
  EXPECT_EQ(I(5, 5), "    5");
  EXPECT_EQ(I(-12, 4), " -12");
  EXPECT_EQ(I(0, 3), "  0");
  EXPECT_EQ(I(123456, 5), "*****");
  EXPECT_EQ(X(3), "   ");
}

TEST(FixedFormatList, ShortestForms) {
  EXPECT_EQ(listInt(3), " 3");
  EXPECT_EQ(listReal(0.5), " 0.5");
  EXPECT_EQ(listReal(2.0), " 2.0");
  EXPECT_EQ(listReal(0.1f), " 0.1");
  EXPECT_EQ(listReal(0.036f), " 0.036");  // not the binary neighbour 0.036000002
  EXPECT_EQ(listReal(2.5e10), " 2.5E+10");
}

TEST(FixedFormatList, GeneralFormSwitchesAtTheExponentLimits) {
  struct Case {
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {0.0001, " 0.0001"},            // decimal exponent -4: still fixed
      {0.00001, " 1E-05"},            // -5: scientific
      {1234567.0, " 1234567.0"},      // exponent 6: fixed, seven digits
      {12345678.0, " 1.234568E+07"},  // exponent 7: scientific, rounded to seven digits
      {9999999.5, " 1E+07"},          // the rounding carries into a new exponent
      {-2.5, " -2.5"},
      {1e-300, " 1E-300"},
      {0.0, " 0.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(listReal(c.value), c.expected) << c.value;
  std::string record = "A";
  appendListReal(record, 0.5);
  EXPECT_EQ(record, "A 0.5");
}

TEST(FixedFormatList, AgreesWithTheCLibrarysSevenDigitForm) {
  // The digits are found by scaling unless a value lies near a rounding tie; either way they
  // must be those of printf's %.7G.
  double value = 1.234567e-7;
  for (int i = 0; i < 20000; ++i, value *= -1.0021) {
    for (double v : {value, static_cast<double>(static_cast<float>(value))}) {
      char expected[40];
      std::snprintf(expected, sizeof expected, " %.7G", v);
      std::string e = expected;
      if (e.find_first_of(".E") == std::string::npos) e += ".0";
      ASSERT_EQ(listReal(v), e) << v;
    }
  }
}

// A numeric punctuation with a decimal comma, as a German desktop uses.
struct CommaPunct : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(FixedFormat, IndependentOfTheProcessLocale) {
  // The engine runs inside a desktop process whose locale may use a decimal comma.
  const std::locale savedGlobal = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  const std::string savedC = std::setlocale(LC_NUMERIC, nullptr);
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where the machine has it
  EXPECT_EQ(F(2.5, 5, 2), " 2.50");
  EXPECT_EQ(E(1234.5, 10, 3), " 0.123E+04");
  EXPECT_EQ(listReal(2.5), " 2.5");
  std::setlocale(LC_NUMERIC, savedC.c_str());
  std::locale::global(savedGlobal);
}

}  // namespace
}  // namespace talmo::fmt
