#include "input_reader.h"

#include <gtest/gtest.h>

#include <sstream>

#include "test_support.h"

namespace talmo {
namespace {

using test::TempDir;

// A project with one clay layer and one sand layer. Lines 3 to 5 and the optional lines 6 to 8
// are given by each test.
std::string project(const std::string& line3, const std::string& line4, const std::string& line5,
                    const std::string& optional = "", const std::string& tail = "") {
  return "Test project\r\n1 \r\n" + line3 + "\r\n" + line4 + "\r\n" + line5 + "\r\n" + optional +
         "2 20 \r\n"
         "0 120 0.0 1000 0 0 0 1 1 \r\n"
         "0 120 0.0 1500 0 0 0 0.9 0.8 \r\n"
         "0.55 0.5\r\n"
         "1 60.4 \r\n"
         "0.0 125 34 0 20 0 0 1 1 \r\n"
         "0.0 125 36 30 30 0.001 -80000 1 1 \r\n"
         "2 \r\n"
         "0.4 0.3 \r\n" +
         tail;
}

RunModel read(const std::string& text, RunFiles& files) {
  std::istringstream in(text);
  return readProject(in, files);
}

RunModel read(const std::string& text) {
  RunFiles files;
  return read(text, files);
}

TEST(ProjectReader, LayersByType) {
  const RunModel m = read(project("2 1 1 5 0 1 0 0 0 0 0", "3 3 0 0 5 0 3600000", "2 15 40 2 3"));
  ASSERT_EQ(m.layers.size(), 2u);
  const Layer& clay = m.layers[0];
  EXPECT_EQ(clay.KSOIL, kClay);
  EXPECT_EQ(clay.XTOP, 0);
  EXPECT_EQ(clay.XBOT, 20);
  EXPECT_EQ(clay.top.CU, 1000);
  EXPECT_EQ(clay.bottom.CU, 1500);
  EXPECT_EQ(clay.top.GAMMA, 120);
  EXPECT_FLOAT_EQ(clay.top.COEF, 0.55f);
  EXPECT_FLOAT_EQ(clay.bottom.COEF, 0.5f);
  EXPECT_FLOAT_EQ(clay.RS, 0.9f);  // the bottom line's factors win
  EXPECT_FLOAT_EQ(clay.RB, 0.8f);
  EXPECT_EQ(clay.top.TRANLM, 1e10f);  // 0 means no limit
  EXPECT_EQ(clay.top.EBMAX, 1e10f);

  const Layer& sand = m.layers[1];
  EXPECT_EQ(sand.KSOIL, kSand);
  EXPECT_EQ(sand.XTOP, 20);
  EXPECT_FLOAT_EQ(sand.XBOT, 60.4f);
  EXPECT_EQ(sand.top.PHI, 34);
  EXPECT_EQ(sand.bottom.CU, 30);  // interface friction angle
  EXPECT_EQ(sand.bottom.BLOWS, 30);
  EXPECT_FLOAT_EQ(sand.bottom.TRANLM, 0.001f);  // a tiny limit stays a limit
  EXPECT_EQ(sand.bottom.EBMAX, -80000);
  EXPECT_EQ(sand.sandMethod, 2);
  EXPECT_FLOAT_EQ(sand.top.COEF, 0.4f);
  EXPECT_EQ(m.rockLayerCount, 0);
}

TEST(ProjectReader, GroupsSpanLinesAcceptCommasAndSkipTheRestOfTheLine) {
  // Line 3 split over two lines with commas; line 4 carries a trailing comment-like word.
  const RunModel m = read(project("2,1,1,5,0\r\n1 0 0 0 0 0", "3 3 0 0 5 0 3.6E6 ignored words",
                                  "2 15 40 2 3"));
  EXPECT_EQ(m.METHOD, 2);
  EXPECT_EQ(m.NLRFD, 1);
  EXPECT_EQ(m.EPILE, 3.6e6f);
  EXPECT_EQ(m.layers.size(), 2u);
}

TEST(ProjectReader, TitleIsCutTo72Characters) {
  std::string text = project("2 1 1 5 0 1 0 0 0 0 0", "3 3 0 0 5 0 3600000", "2 15 40 2 3");
  text.replace(0, 12, std::string(70, 'T') + "0123456789");
  EXPECT_EQ(read(text).title, std::string(70, 'T') + "01");
}

struct LengthDefaultsCase {
  const char* name;
  std::string line3, line4, line5, optional;
  int fUnits;
  Real PDMIN, PDINCR, DIAMINCR;
};

TEST(ProjectReader, LengthAndDiameterDefaults) {
  const LengthDefaultsCase cases[] = {
      // 0.7 x 60 = 42 ft beats 6 x 3 + 5 + 2 = 25 ft.
      {"multiple lengths, zero entries", "2 1 1 5 0 2 1 0 0 0 0", "3 3 0 0 5 2 3600000",
       "2 15 60 2 3", "0 0\r\n", 1, 42, 3, 0},
      // An entered 10 ft is raised to the 25 ft minimum.
      {"multiple lengths, short minimum", "2 1 1 5 0 2 1 0 0 0 0", "3 3 0 0 5 2 3600000",
       "2 15 60 2 3", "10 0\r\n", 1, 25, 3, 0},
      // Design charts: 0.3 x 100 = 30 ft beats 6 x 2 + 0 + 0 = 12 ft; increments default.
      {"design charts, English", "2 1 1 5 0 2 0 1 0 0 0", "2 4 0 0 0 0 3600000",
       "2 15 100 2 3", "0 0 0 2\r\n0.5 1 \r\n", 1, 30, 3, 0.5f},
      // Both options: the chart pair replaces the multiple-length pair.
      {"both options", "2 1 1 5 0 2 1 1 0 0 0", "2 4 0 0 0 0 3600000", "2 15 100 2 3",
       "50 5\r\n40 4 1 1\r\n0.5 \r\n", 1, 40, 4, 1},
  };
  for (const auto& c : cases) {
    const RunModel m = read(project(c.line3, c.line4, c.line5, c.optional));
    EXPECT_FLOAT_EQ(m.PDMIN, c.PDMIN) << c.name;
    EXPECT_FLOAT_EQ(m.PDINCR, c.PDINCR) << c.name;
    EXPECT_FLOAT_EQ(m.DIAMINCR, c.DIAMINCR) << c.name;
  }
}

TEST(ProjectReader, SiChartIncrementsDefaultInMetresThenConvert) {
  std::string text = project("2 1 1 1 0 2 0 1 0 0 0", "1 1 0 0 0 0 25000000", "2 5 30 2 3",
                             "0 0 0 1\r\n0.01 \r\n");
  text.replace(text.find("\r\n1 \r\n"), 6, "\r\n2 \r\n");
  const RunModel m = read(text);
  EXPECT_EQ(m.units, "SI");
  EXPECT_NEAR(m.PDINCR, 3.2808f, 1e-5);           // 1 m
  EXPECT_NEAR(m.DIAMINCR, 0.49212f, 1e-5);        // 0.15 m
  EXPECT_NEAR(m.PDMIN, 9.0f * 3.2808f, 1e-4);     // 0.3 x 30 m = 9 m beats 6 x 1 m
  EXPECT_NEAR(m.designDepth, 30 * 3.2808f, 1e-4);
  EXPECT_NEAR(m.WTD, 5 * 3.2808f, 1e-4);
  EXPECT_NEAR(m.layers[0].XBOT, 20 * 3.2808f, 1e-4);
  EXPECT_NEAR(m.layers[0].top.GAMMA, 120 * 6.3659f, 1e-2);
  EXPECT_NEAR(m.layers[0].top.CU, 1000 * 20.885f, 1e-1);
  EXPECT_EQ(m.layers[1].bottom.CU, 30);  // sand interface angle is not a stress
  EXPECT_NEAR(m.layers[1].bottom.EBMAX, -80000 * 20.885f, 1);
  EXPECT_FLOAT_EQ(m.PDSETT[0], 0.01f);  // settlements stay in the project's unit
}

TEST(ProjectReader, BellRatioOfOneIsStraightAndDiameterLimitAtLeastStart) {
  const RunModel m = read(project("2 1 1 5 0 2 0 0 0 0 0", "3 0 1 0 0 0 3600000", "2 15 40 2 3"));
  EXPECT_EQ(m.RATIO, 0);
  EXPECT_EQ(m.DIALIM, 3);
}

TEST(ProjectReader, TwoDiameterWarningOnlyWhenTheTipIsBelowTheProfile) {
  const std::string warning = "     PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER";
  // A tip below the profile also stops the analysis there: no capacity is computed in soil
  // that the project does not describe.
  for (const auto& [depth, expected] : {std::pair{"60.4", false}, std::pair{"60.5", true}}) {
    TempDir dir;
    const std::string text =
        project("2 1 1 5 0 2 0 0 0 0 0", "3 3 0 0 5 0 3600000", std::string("2 15 ") + depth + " 2 3");
    EXPECT_EQ(test::runProjectText(dir, text), expected ? kStatusNeedAnotherLayer : kStatusCompleted);
    for (const char* file : {"p.tm8o", "p.tm8r"}) {
      EXPECT_EQ(test::readFile(dir / file).find(warning) != std::string::npos, expected) << depth << file;
    }
  }
}

TEST(ProjectReader, FirstReportLinesAreExact) {
  TempDir dir;
  const std::string text =
      project("1 2 0.7 5 0 2 0 0 0 0 0", "3 3 0 0 5 0 3600000", "2 15 2.5 2 3");
  ASSERT_EQ(test::runProjectText(dir, text), kStatusCompleted);
  const auto lines = test::readLines(dir / "p.tm8o");
  const std::vector<std::string> expected = {
      "     Test project" + std::string(60, ' '),
      "",
      "",
      "     TOTAL LOAD =       2.5 TONS",
      "     ------------",
      "",
      "",
      "     REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION = 0.700",
      "     ----------------------------------------------",
      "",
      "",
      "     NUMBER OF LAYERS =    2",
      "     ------------------",
      "",
      "",
      "     WATER TABLE DEPTH =      15.0 FT.",
      "     -------------------",
      "",
      "",
  };
  // Header (9), file block (7) and date block (6) come first.
  ASSERT_GE(lines.size(), 22 + expected.size());
  EXPECT_EQ(lines[20], "               Date:  December 10, 2026     Time:  09:05:07");
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[22 + i], expected[i]) << i;
}

TEST(ProjectReader, SiProposedDepthLine) {
  TempDir dir;
  std::string text = project("2 1 1 1 0 2 0 0 0 0 0", "1 1 0 0 0 0 25000000", "2 5 12.5 2 3");
  text.replace(text.find("\r\n1 \r\n"), 6, "\r\n2 \r\n");
  ASSERT_EQ(test::runProjectText(dir, text), kStatusCompleted);
  const std::string report = test::readFile(dir / "p.tm8o");
  EXPECT_NE(report.find("     PROPOSED DEPTH =      12.5 M\n     ----------------\n"), std::string::npos);
  EXPECT_NE(report.find("     WATER TABLE DEPTH =       5.0 M\n"), std::string::npos);
}

// Bad project files never crash or hang: the run stops with an error block and status 9.
class BadProjectFile : public ::testing::Test {
 protected:
  static std::string valid() {
    return project("2 1 1 5 0 2 1 1 0 0 1", "3 3 0 0 5 0 3600000", "2 15 40 2 3",
                   "30 5\r\n30 5 0.5 2\r\n0.5 1 \r\n", "2\r\n10\r\n20\r\n");
  }
  static void expectInputError(const std::string& text, const std::string& context,
                               const std::string& expectedProblem = "") {
    TempDir dir;
    ASSERT_EQ(test::runProjectText(dir, text), kStatusInputError) << context;
    for (const char* file : {"p.tm8o", "p.tm8r"}) {
      const std::string out = test::readFile(dir / file);
      EXPECT_NE(out.find("*********************ERROR**********************"), std::string::npos) << context;
      EXPECT_NE(out.find("THE PROJECT FILE CANNOT BE READ:"), std::string::npos) << context;
      if (!expectedProblem.empty()) {
        EXPECT_NE(out.find(expectedProblem), std::string::npos) << context << out;
      }
    }
  }
  static std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string l;
    while (std::getline(in, l)) out.push_back(l + "\n");
    return out;
  }
};

TEST_F(BadProjectFile, ValidFixtureReadsCleanly) {
  TempDir dir;
  EXPECT_EQ(test::runProjectText(dir, valid()), kStatusCompleted);
}

TEST_F(BadProjectFile, CutShortAtEveryLine) {
  const auto all = lines(valid());
  for (std::size_t keep = 0; keep < all.size(); ++keep) {
    std::string text;
    for (std::size_t i = 0; i < keep; ++i) text += all[i];
    expectInputError(text, "cut after line " + std::to_string(keep), "THE FILE ENDS BEFORE THE");
  }
}

TEST_F(BadProjectFile, LetterInPlaceOfEachNumber) {
  const auto all = lines(valid());
  for (std::size_t li = 1; li < all.size(); ++li) {  // line 1 is the free-text title
    std::istringstream words(all[li]);
    std::vector<std::string> ws;
    for (std::string w; words >> w;) ws.push_back(w);
    for (std::size_t wi = 0; wi < ws.size(); ++wi) {
      std::string text;
      for (std::size_t i = 0; i < all.size(); ++i) {
        if (i != li) {
          text += all[i];
          continue;
        }
        for (std::size_t k = 0; k < ws.size(); ++k) text += (k == wi ? std::string("x") : ws[k]) + " ";
        text += "\n";
      }
      expectInputError(text, "line " + std::to_string(li + 1) + " word " + std::to_string(wi + 1),
                       "LINE " + std::to_string(li + 1) + ", ITEM " + std::to_string(wi + 1) + ":");
    }
  }
}

TEST_F(BadProjectFile, CountsAndCodesOutOfRange) {
  struct Case {
    std::string from, to, problem;
  };
  const std::string base = valid();
  const Case cases[] = {
      {"2 15 40 2 3", "41 15 40 2 3", "THE NUMBER OF LAYERS IS 41; IT MUST BE 1 TO 40"},
      {"2 15 40 2 3", "0 15 40 2 3", "THE NUMBER OF LAYERS IS 0; IT MUST BE 1 TO 40"},
      {"2 20 \r\n", "10 20 \r\n", "THE SOIL TYPE OF LAYER 1 MUST BE 1 TO 9"},
      {"2 20 \r\n", "0 20 \r\n", "THE SOIL TYPE OF LAYER 1 MUST BE 1 TO 9"},
      {"30 5 0.5 2\r\n", "30 5 0.5 11\r\n", "THE NUMBER OF DESIGN-CHART SETTLEMENTS IS 11"},
      {"2\r\n10\r\n20\r\n", "51\r\n10\r\n20\r\n", "THE NUMBER OF EXTRA T-Z DEPTHS IS 51"},
      {"2 1 1 5 0 2", "2.5 1 1 5 0 2", "\"2.5\" IS NOT A WHOLE NUMBER"},
      {"3 3 0 0 5 0 3600000", "3 3 0 0 5 0 1e99", "\"1e99\" IS OUT OF RANGE"},
      {"3 3 0 0 5 0 3600000", "3 3 0 0 5 0 nan", "\"nan\" IS NOT A NUMBER"},
  };
  for (const auto& c : cases) {
    std::string text = base;
    const auto at = text.rfind(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, c.from.size(), c.to);
    expectInputError(text, c.to, c.problem);
  }
}

TEST_F(BadProjectFile, EmptyFile) { expectInputError("", "empty file", "LINE 1:"); }

// Values the analysis cannot do without are refused with the item and its place in the file,
// instead of printing a table of nonsense as a completed run (a diameter of -3 ft once gave
// QU = -136.91 tons with status 0).
TEST_F(BadProjectFile, ValuesTheAnalysisNeeds) {
  struct Case {
    std::string from, to, place, problem;
  };
  const std::string base = valid();
  const Case cases[] = {
      {"3 3 0 0 5 0 3600000", "-3 3 0 0 5 0 3600000", "LINE 4, ITEM 1:",
       "THE MINIMUM SHAFT DIAMETER DSTART IS -3.0; IT MUST BE POSITIVE"},
      {"3 3 0 0 5 0 3600000", "0 3 0 0 5 0 3600000", "LINE 4, ITEM 1:", "THE MINIMUM SHAFT DIAMETER DSTART IS 0.0; IT MUST BE POSITIVE"},
      {"3 3 0 0 5 0 3600000", "3 -4 0 0 5 0 3600000", "LINE 4, ITEM 2:",
       "THE MAXIMUM SHAFT DIAMETER DIALIM IS -4.0; IT MUST NOT BE NEGATIVE"},
      {"3 3 0 0 5 0 3600000", "3 3 0.8 0 5 0 3600000", "LINE 4, ITEM 3:",
       "THE BASE TO SHAFT DIAMETER RATIO IS 0.8; IT MUST BE 0 (NO BELL) OR 1 TO 10"},
      {"3 3 0 0 5 0 3600000", "3 3 -2 30 5 0 3600000", "LINE 4, ITEM 3:", "THE BASE TO SHAFT DIAMETER RATIO IS -2.0; IT MUST BE 0 (NO BELL) OR 1 TO 10"},
      {"3 3 0 0 5 0 3600000", "3 3 2 0 5 0 3600000", "LINE 4, ITEM 4:",
       "THE BELL ANGLE IS 0.0; A BELL NEEDS AN ANGLE ABOVE 0 AND BELOW 90 DEGREES"},
      {"3 3 0 0 5 0 3600000", "3 3 0 0 -5 0 3600000", "LINE 4, ITEM 5:",
       "THE IGNORED TOP PORTION IS -5.0; IT MUST NOT BE NEGATIVE"},
      {"3 3 0 0 5 0 3600000", "3 3 0 0 5 0 0", "LINE 4, ITEM 7:", "THE SHAFT MODULUS EPILE IS 0.0; IT MUST BE POSITIVE"},
      {"3 3 0 0 5 0 3600000", "3 3 0 0 5 0 -3600000", "LINE 4, ITEM 7:", "THE SHAFT MODULUS EPILE IS -3600000.0; IT MUST BE POSITIVE"},
      {"2 15 40 2 3", "2 15 40 0 3", "LINE 5, ITEM 4:",
       "THE FACTOR OF SAFETY ON SIDE FRICTION IS 0.0; IT MUST BE POSITIVE"},
      {"2 15 40 2 3", "2 15 40 2 -3", "LINE 5, ITEM 5:", "THE FACTOR OF SAFETY ON BASE CAPACITY IS -3.0; IT MUST BE POSITIVE"},
      {"2 15 40 2 3", "2 15 -40 2 3", "LINE 5, ITEM 3:", "THE SHAFT LENGTH IS -40.0; IT MUST BE POSITIVE"},
      {"2 1 1 5 0 2 1 1 0 0 1", "2 1 1 -5 0 2 1 1 0 0 1", "LINE 3, ITEM 4:",
       "THE OUTPUT INCREMENT PINC IS -5.0; IT MUST NOT BE NEGATIVE"},
      {"2 1 1 5 0 2 1 1 0 0 1", "2 1 1 0.01 0 2 1 1 0 0 1", "LINE 3, ITEM 4:", "THE OUTPUT INCREMENT PINC IS 0.01; IT MUST BE 0 (ONE FOOT OR ONE METRE) OR AT LEAST 0.1"},
      {"30 5 0.5 2\r\n", "30 -5 0.5 2\r\n", "LINE 7, ITEM 2:", "THE SHAFT LENGTH INCREMENT PDINCR IS -5.0; IT MUST NOT BE NEGATIVE"},
      {"2 \r\n0.4 0.3", "4 \r\n0.4 0.3", "LINE 16, ITEM 1:",
       "THE SIDE FRICTION METHOD OF LAYER 2 IS 4; IT MUST BE 1 (Ko), 2 (BETA) OR 3 (CHEN AND KULHAWY)"},
      {"1 60.4 \r\n", "1 10 \r\n", "LINE 13, ITEM 2:",
       "THE BOTTOM DEPTH OF LAYER 2 IS 10.0; IT MUST NOT LIE ABOVE THE LAYER'S TOP AT 20.0"},
      {"1 60.4 \r\n", "1 5000 \r\n", "LINE 13, ITEM 2:", "THE BOTTOM DEPTH OF LAYER 2 IS 5000.0; THE PROFILE MAY REACH AT MOST 3000 FT"},
      {"0.0 125 36 30 30", "0.0 125 36 30 3e10", "LINE 15, ITEM 5:",
       "THE BLOW COUNT AT THE BOTTOM OF LAYER 2 IS 3E+10; ITS MAGNITUDE MAY BE AT MOST 1E9"},
  };
  for (const auto& c : cases) {
    std::string text = base;
    const auto at = text.rfind(c.from);
    ASSERT_NE(at, std::string::npos) << c.from;
    text.replace(at, c.from.size(), c.to);
    expectInputError(text, c.to, c.place + "\n       " + c.problem);
  }
}

TEST(ProjectChecks, ZeroEntriesKeepTheirDefaults) {
  // Maximum diameter 0 (the minimum), output increment 0 (one foot), factors of safety 0 in an
  // LRFD run (not used): the analysis goes on.
  TempDir dir;
  const std::string text = project("2 1 1 0 0 1 0 0 0 0 0", "3 0 0 0 5 0 3600000", "2 15 40 0 0");
  ASSERT_EQ(test::runProjectText(dir, text), kStatusCompleted);
  const std::string report = test::readFile(dir / "p.tm8o");
  EXPECT_NE(report.find("\n      5.0 "), std::string::npos);  // rows every foot from 5 ft on
  EXPECT_NE(report.find("\n      6.0 "), std::string::npos);
}

TEST(ProjectChecks, SiOutputIncrementOfZeroIsOneMetre) {
  // 12.192 m shaft, ignored top 1.524 m: rows at 2, 3, .., 12 m and at the length.
  TempDir dir;
  const char* si =
      "Sand, SI\r\n2 \r\n2 1 1 0 0 2 0 0 0 0 0\r\n0.9144 0.9144 0 0 1.524 0 24821126\r\n"
      "1 3.048 12.192 2 3\r\n"
      "1 18.288 \r\n0.0 18.850 34 0 20 0 0 1 1 \r\n0.0 19.636 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n";
  ASSERT_EQ(test::runProjectText(dir, si), kStatusCompleted);
  std::vector<std::string> lengths;
  for (const auto& l : test::readLines(dir / "p.tm8o"))
    if (l.size() == 73 && l.substr(0, 9).find('.') != std::string::npos && l[0] == ' ') lengths.push_back(l.substr(1, 8));
  const std::vector<std::string> expected = {"     2.0", "     3.0", "     4.0", "     5.0", "     6.0", "     7.0",
                                             "     8.0", "     9.0", "    10.0", "    11.0", "    12.0", "    12.2"};
  EXPECT_EQ(lengths, expected);
}

}  // namespace
}  // namespace talmo
