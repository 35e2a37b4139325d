// The report's echo of the input, character by character, for a small project.
#include <gtest/gtest.h>

#include "test_support.h"

namespace talmo {
namespace {

std::vector<std::string> linesBetween(const std::string& text, const std::string& from, const std::string& to) {
  const auto a = text.find(from);
  const auto b = text.find(to, a);
  std::vector<std::string> out;
  std::string chunk = text.substr(a, b - a);
  for (std::size_t start = 0; start < chunk.size();) {
    const auto end = chunk.find('\n', start);
    out.push_back(chunk.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

TEST(ReportEcho, ClayLayerAndShaftInputAsd) {
  // Clay 0-20 ft, cu 1000 to 1500 psf, alpha and Nc left to the program for a 3 ft shaft:
  // alpha 0.55 at both ends (cu below 1.5 atmospheres); Nc 6 at the top and
  // 6 (1 + 0.2 x 20 / 3) = 14, capped at 9, at the bottom.
  test::TempDir dir;
  const char* project =
      "Echo\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 3 0 0 5 0 3600000\r\n1 10 15 2.5 3\r\n"
      "2 20 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 0\r\n";
  ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted);
  const std::string report = test::readFile(dir / "p.tm8o");
  auto echo = [](const std::string& label, const std::string& value, const std::string& mark = "") {
    return "       " + label + std::string(50 - label.size(), ' ') + "=" + value + mark;
  };
  const std::vector<std::string> expected = {
      "",
      "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY = 2.50",
      "     " + std::string(55, '-'),
      "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY = 3.00",
      "     " + std::string(54, '-'),
      "",
      "",
      "     SOIL INFORMATION",
      "     " + std::string(15, '-'),
      "",
      "     LAYER NO  1----CLAY",
      "",
      "       AT THE TOP",
      "",
      echo("UNDRAINED SHEAR STRENGTH, LB/SQ FT", " 0.100E+04"),
      echo("BLOWS PER FOOT FROM STANDARD PENETRATION TEST", " 0.000E+00"),
      echo("SOIL UNIT WEIGHT, LB/CU FT", " 0.120E+03"),
      echo("MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", " 0.100E+11"),
      echo("DEPTH, FT", " 0.000E+00"),
      echo("STRENGTH REDUCTION FACTOR-ALPHA", " 0.550E+00", "(*)  "),
      echo("END BEARING COEFFICIENT-Nc", " 0.600E+01", "(*)  "),
      "       AT THE BOTTOM",
      "",
      echo("UNDRAINED SHEAR STRENGTH, LB/SQ FT", " 0.150E+04"),
      echo("BLOWS PER FOOT FROM STANDARD PENETRATION TEST", " 0.000E+00"),
      echo("SOIL UNIT WEIGHT, LB/CU FT", " 0.120E+03"),
      echo("MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", " 0.100E+11"),
      echo("DEPTH, FT", " 0.200E+02"),
      echo("STRENGTH REDUCTION FACTOR-ALPHA", " 0.550E+00", "(*)  "),
      echo("END BEARING COEFFICIENT-Nc", " 0.900E+01", "(*)  "),
      "",
      "     (*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS",
      "",
      "",
      "",
      "     INPUT DRILLED SHAFT INFORMATION",
      "     " + std::string(30, '-'),
      "",
      "      MINIMUM SHAFT DIAMETER    =    3.000  FT.",
      "      MAXIMUM SHAFT DIAMETER    =    3.000  FT.",
      "      RATIO BASE/SHAFT DIAMETER =    0.000  FT.",
      "      ANGLE OF BELL             =    0.000  DEG.",
      "      IGNORED TOP PORTION       =    5.000  FT.",
      "      IGNORED BOTTOM PORTION    =    0.000  FT.",
      "      ELASTIC MODULUS, Ec       = 0.360E+07  LB/SQ IN",
      "",
      "",
      "",
      "",
      "",
      "",
      "     COMPUTATION RESULTS",
  };
  const auto lines = linesBetween(report, "\n\n     FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE", "     -------------------\n");
  // The chunk starts at the newline that ends the water-table block.
  ASSERT_GE(lines.size(), expected.size() + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i + 1], expected[i]) << i;
}

TEST(ReportEcho, LrfdSandPrintsFactorsAndNoFactorsOfSafety) {
  test::TempDir dir;
  const char* project =
      "Echo LRFD\r\n1 \r\n2 1 1 5 0 1 0 0 0 0 0\r\n3 3 0 0 5 0 3600000\r\n1 10 15 2.5 3\r\n"
      "1 20 \r\n0.0 120 32 0 20 0 0 0.55 0.5 \r\n0.0 120 34 30 30 0 0 0.55 0.5 \r\n1 \r\n0.5 0.4 \r\n";
  ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted);
  const std::string report = test::readFile(dir / "p.tm8o");
  EXPECT_EQ(report.find("FACTOR OF SAFETY APPLIED"), std::string::npos);
  EXPECT_NE(report.find("       SIDE FRICTION PROCEDURE: Ko METHOD\n"
                        "       LATERAL EARTH-PRESSURE COEFFICIENT - Ko           = 0.400E+00     \n"),
            std::string::npos);
  EXPECT_NE(report.find("       INTERNAL FRICTION ANGLE, DEG.                     = 0.320E+02     \n"),
            std::string::npos);
  EXPECT_NE(report.find("       LRFD RESISTANCE FACTOR (SIDE FRICTION)            = 0.550E+00\n"
                        "       LRFD RESISTANCE FACTOR (TIP RESISTANCE)           = 0.500E+00\n\n"),
            std::string::npos);
  EXPECT_EQ(report.find("(*) ESTIMATED"), std::string::npos);  // nothing was estimated
}

TEST(ReportEcho, EstimatedMarkOnBetaAndMButNotOnKo) {
  // A side coefficient left at 0: beta and m are estimated (marked), Ko is only held at 0.25.
  struct Case {
    int method;
    std::string line;
    bool note;
  };
  const Case cases[] = {
      {1, "       LATERAL EARTH-PRESSURE COEFFICIENT - Ko           = 0.250E+00     \n", false},
      // beta at the top, z = 0: 1.5, limited to 1.2
      {2, "       SKIN FRICTION COEFFICIENT- BETA                   = 0.120E+01(*)  \n", true},
      {3, "       PRECONSOLIDATION STRESS EXPONENT - M              = 0.250E+00(*)  \n", true},
  };
  for (const Case& c : cases) {
    test::TempDir dir;
    const std::string project =
        "Echo marks\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 3 0 0 5 0 3600000\r\n1 10 15 2.5 3\r\n"
        "1 20 \r\n0.0 120 32 0 20 0 0 1 1 \r\n0.0 120 34 30 30 0 0 1 1 \r\n" +
        std::to_string(c.method) + " \r\n0 0 \r\n";
    ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted) << c.method;
    const std::string report = test::readFile(dir / "p.tm8o");
    EXPECT_NE(report.find(c.line), std::string::npos) << c.method << report;
    EXPECT_EQ(report.find("(*) ESTIMATED") != std::string::npos, c.note) << c.method;
  }
}

}  // namespace
}  // namespace talmo
