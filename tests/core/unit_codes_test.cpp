// Unit labels in both expansion rules and the factors that convert stored values.
#include "UnitCodes.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

TEST(UnitCodes, LabelsOfGridColumnsAndFields) {
  struct Case {
    const char* units;
    int system;
    const char* grid;
    const char* field;
  } cases[] = {
      {"F2", kEnglish, "tons", "tons"},
      {"F2", kSI, "kN", "kN"},
      {"F/L2^2", kEnglish, "lbs/ft^2", "lbs/ft^2"},
      {"F/L2^2", kSI, "kN/m^2", "kN/m^2"},
      {"F/L^2", kEnglish, "lbs/in^2", "lbs/in^2"},
      {"L1", kSI, "mm", "mm"},
      {"F4", kEnglish, "lb-sec2/in", "lb-sec2/in"},
      {"F/L2^3", kSymbolic, "F/L^3", "F/L2^3"},
      {"deg", kSI, "deg", "deg"},
      {"", kEnglish, "", ""},
      // The field replaces only the first length code found: "L2" wins and the bare L stays.
      {"L2/L", kEnglish, "ft/in", "ft/L"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandUnitsGrid(c.units, c.system), c.grid) << c.units << " system " << c.system;
    EXPECT_EQ(ExpandUnitsString(c.units, c.system), c.field) << c.units << " system " << c.system;
  }
}

TEST(UnitCodes, ConversionFactorsBetweenSystems) {
  struct Case {
    const char* units;
    double siToEnglish;
  } cases[] = {
      {"L2", 3.280839895},
      {"F/L2^2", 224.8089237 / (3.280839895 * 3.280839895)},  // about 20.885
      {"F/L^2", 224.8089237 / (39.37007874 * 39.37007874)},   // about 0.145038
      {"F/L²", 224.8089237 / (39.37007874 * 39.37007874)},
      {"F/L2^3", 224.8089237 / (3.280839895 * 3.280839895 * 3.280839895)},  // about 6.3659
      {"F2", 0.1124044745},
      {"F9", 0.1124044745},  // any other force digit counts as tons
      {"deg", 1.0},
      {"", 1.0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(UnitConversionFactor(c.units, kSI, kEnglish), c.siToEnglish, 1e-9 * c.siToEnglish)
        << c.units;
    EXPECT_NEAR(UnitConversionFactor(c.units, kEnglish, kSI), 1.0 / c.siToEnglish,
                1e-9 / c.siToEnglish)
        << c.units;
  }
  EXPECT_NEAR(UnitConversionFactor("F/L2^2", kSI, kEnglish), 20.885, 0.001);
  for (auto [from, to] : {std::pair{1, 1}, {2, 2}, {1, 3}, {3, 2}, {2, 3}})
    EXPECT_EQ(UnitConversionFactor("F/L2^2", from, to), 1.0) << from << "->" << to;
}

TEST(UnitCodes, AStressGoesToEnglishAndBack) {
  const double english = 100.0 * UnitConversionFactor("F/L2^2", kSI, kEnglish);
  EXPECT_NEAR(english, 2088.5, 0.05);
  EXPECT_NEAR(english * UnitConversionFactor("F/L2^2", kEnglish, kSI), 100.0, 1e-9);
}

}  // namespace
}  // namespace talmo
