// The result files as the interactive program reads them back.
#include <gtest/gtest.h>

#include "plot_reader.h"
#include "test_support.h"

namespace talmo {
namespace {

// Sand, 0 to 60 ft, beta method with estimated beta; shafts 40 ft long of 3, 3.5 and 4 ft.
const char* kSandProject =
    "Sand, three diameters\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 4 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
    "1 60 \r\n0.0 120 34 0 20 0 0 1 1 \r\n0.0 125 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n";

// Clay, 0 to 60 ft; design charts for 3 and 4 ft shafts 40, 35 and 30 ft long at 0.5 and 1 in.
const char* kChartProject =
    "Clay design charts\r\n1 \r\n2 1 1 5 0 1 0 1 0 0 0\r\n3 4 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
    "30 5 1 2\r\n0.5 1 \r\n"
    "2 60 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n";

void expectBoundsOrdered(const test::PlotContent& plot) {
  for (const auto& curve : plot.settlement) {
    ASSERT_EQ(curve[0].size(), 15u);
    for (std::size_t k = 0; k < 15; ++k) {
      EXPECT_GE(curve[1][k][0], curve[0][k][0]) << "upper bound below trend at point " << k;
      EXPECT_GE(curve[0][k][0], curve[2][k][0]) << "trend below lower bound at point " << k;
      EXPECT_EQ(curve[0][k][3], curve[1][k][3]);  // same assumed tip movement
    }
  }
}

TEST(PlotFile, MultiDiameterSandProjectReadsBack) {
  test::TempDir dir;
  ASSERT_EQ(test::runProjectText(dir, kSandProject), kStatusCompleted);
  const auto plot = test::readPlotFile(dir / "p.tm8p", false, false);
  EXPECT_EQ(plot.N, 3);
  EXPECT_EQ(plot.P, 10);  // rows at 5, 10, ..., 40 ft and the two leading points
  EXPECT_EQ(plot.ID2, 3);
  for (const auto& curve : plot.depthCurves) {
    ASSERT_EQ(curve.size(), 10u);
    for (double v : curve[0]) EXPECT_EQ(v, 0);
    EXPECT_DOUBLE_EQ(curve[1][0], 5);
    EXPECT_DOUBLE_EQ(curve[9][0], 40);
    EXPECT_NEAR(curve[9][3], curve[9][1] + curve[9][2], 0.005 * curve[9][3]);  // total = side + tip
  }
  // A larger diameter carries more at the same length.
  EXPECT_GT(plot.depthCurves[2][9][3], plot.depthCurves[0][9][3]);
  expectBoundsOrdered(plot);
  ASSERT_TRUE(plot.tzSectionPresent);
  EXPECT_EQ(plot.tzCurves, 5);  // five curves for the one layer
  EXPECT_EQ(plot.firstTzPoints.front()[0], 0);
  EXPECT_EQ(plot.qwCurves, 3);
  EXPECT_EQ(plot.qwDiameters, (std::vector<double>{3, 3.5, 4}));
  ASSERT_EQ(plot.loadDistribution.size(), 15u);
  EXPECT_EQ(plot.loadDistribution[0].size(), 8u);
  // Load distribution from the head down: the head load first, depths increasing.
  const auto& last = plot.loadDistribution.back();
  EXPECT_DOUBLE_EQ(last.front()[0], 0);
  EXPECT_GT(last.front()[1], last.back()[1]);
  EXPECT_NEAR(last.front()[1], plot.settlement[0][0][14][0], 0.01 * last.front()[1]);
}

TEST(PlotFile, SiProjectWritesMetresAndKilonewtons) {
  test::TempDir en, si;
  ASSERT_EQ(test::runProjectText(en, kSandProject), kStatusCompleted);
  // The same shaft in SI: 12.192 m long (40 ft), 0.9144 m diameter, printed every 1.524 m.
  const char* siProject =
      "Sand, SI\r\n2 \r\n2 1 1 1.524 0 2 0 0 0 0 0\r\n0.9144 0.9144 0 0 1.524 0 24821126\r\n"
      "1 3.048 12.192 2 3\r\n"
      "1 18.288 \r\n0.0 18.850 34 0 20 0 0 1 1 \r\n0.0 19.636 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n";
  ASSERT_EQ(test::runProjectText(si, siProject), kStatusCompleted);
  const auto english = test::readPlotFile(en / "p.tm8p", false, false);
  const auto metric = test::readPlotFile(si / "p.tm8p", false, false);
  ASSERT_EQ(metric.N, 1);
  ASSERT_EQ(metric.P, english.P);
  const auto& e = english.depthCurves[0].back();
  const auto& m = metric.depthCurves[0].back();
  EXPECT_NEAR(m[0], 12.19, 0.01);
  EXPECT_NEAR(m[3], e[3] / 0.1124, 0.01 * m[3]);  // tons to kN
  EXPECT_NEAR(metric.settlement[0][0][14][1], english.settlement[0][0][14][1] * 0.0254, 1e-3);
  EXPECT_NEAR(metric.qwDiameters[0], 0.91, 1e-9);  // F10.2
}

TEST(PlotFile, DesignChartProjectReadsBack) {
  test::TempDir dir;
  ASSERT_EQ(test::runProjectText(dir, kChartProject), kStatusCompleted);
  const auto plot = test::readPlotFile(dir / "p.tm8p", true, false);
  EXPECT_EQ(plot.N, 6);  // two diameters, three lengths each
  EXPECT_EQ(plot.ID2, 3);
  expectBoundsOrdered(plot);
  ASSERT_EQ(plot.charts, 2);
  EXPECT_EQ(plot.chartDiameters, 2);
  EXPECT_EQ(plot.chartLengths, 3);
  EXPECT_EQ(plot.chartSettlements, (std::vector<double>{0.5, 1}));
  EXPECT_EQ(plot.chartDiameterValues[0], (std::vector<double>{36, 48}));  // inches
  for (int ch = 0; ch < 2; ++ch) {
    for (int d = 0; d < 2; ++d) {
      const auto& pts = plot.chartPoints[static_cast<std::size_t>(ch)][static_cast<std::size_t>(d)];
      EXPECT_DOUBLE_EQ(pts[0][0], 480);  // lengths in inches, longest first
      EXPECT_DOUBLE_EQ(pts[2][0], 360);
      EXPECT_GT(pts[0][1], pts[2][1]);   // a longer shaft carries more at the same settlement
    }
  }
  // More settlement, more load.
  EXPECT_GT(plot.chartPoints[1][0][0][1], plot.chartPoints[0][0][0][1]);
  EXPECT_EQ(plot.qwCurves, 6);
  const std::string report = test::readFile(dir / "p.tm8o");
  EXPECT_NE(report.find("     DESIGN CHART CURVES\n     -------------------\n"), std::string::npos);
  EXPECT_NE(report.find("     - SETTLEMENT,     0.500 IN\n"), std::string::npos);
  EXPECT_NE(report.find("    (FT)      3.00     4.00\n"), std::string::npos);
}

TEST(PlotFile, DesignChartLoadMatchesTheTrendCurveAtThatSettlement) {
  // The chart load at a head movement lies on the trend load-settlement curve of its case.
  test::TempDir dir;
  ASSERT_EQ(test::runProjectText(dir, kChartProject), kStatusCompleted);
  const auto plot = test::readPlotFile(dir / "p.tm8p", true, false);
  const auto& trend = plot.settlement[0][0];  // 3 ft, 40 ft: first case
  for (int ch = 0; ch < 2; ++ch) {
    const double s = plot.chartSettlements[static_cast<std::size_t>(ch)];
    std::size_t k = 1;
    while (k < 15 && trend[k][1] < s) ++k;
    ASSERT_LT(k, 15u) << "settlement beyond the curve";
    const double t = (s - trend[k - 1][1]) / (trend[k][1] - trend[k - 1][1]);
    const double expectedTons = trend[k - 1][0] + t * (trend[k][0] - trend[k - 1][0]);
    const double chartTons = plot.chartPoints[static_cast<std::size_t>(ch)][0][0][1] / 2000;
    EXPECT_NEAR(chartTons, expectedTons, 0.03 * expectedTons) << "settlement " << s;
  }
}

TEST(ResultFiles, EveryMergedPlotRecordIsEightyCharacters) {
  test::TempDir dir;
  ASSERT_EQ(test::runProjectText(dir, kSandProject), kStatusCompleted);
  const auto lines = test::readLines(dir / "p.tm8p");
  std::size_t firstMerged = 0;
  while (firstMerged < lines.size() && lines[firstMerged].size() != 80) ++firstMerged;
  ASSERT_LT(firstMerged, lines.size());
  for (std::size_t i = firstMerged; i < lines.size(); ++i) EXPECT_EQ(lines[i].size(), 80u) << i;
  const std::string listing = test::readFile(dir / "p.tm8z");
  EXPECT_NE(listing.find("        TZ CURVE DATA\n        -------------\n"), std::string::npos);
  EXPECT_NE(listing.find("        QW CURVE DATA"), std::string::npos);  // appended settlement listing
  for (const char* heading : {"RESULT FROM TREND (AVERAGED) LINE", "RESULT FROM UPPER-BOUND LINE",
                              "RESULT FROM LOWER-BOUND LINE"})
    EXPECT_NE(listing.find(heading), std::string::npos) << heading;
  EXPECT_NE(test::readFile(dir / "TZDATA.DAT").find("NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND AND CLAY LAYERS ONLY."),
            std::string::npos);
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(LoadSettlement, ClayShaftToTheProfilesEnteredBottom) {
  // The layer ends at 40.4 ft (steps to 40 ft); a 40.4 ft shaft still gets its three curves.
  test::TempDir dir;
  const char* project =
      "Clay to 40.4 ft\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 3 0 0 5 0 3600000\r\n1 10 40.4 2 3\r\n"
      "2 40.4 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n";
  ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted);
  const auto plot = test::readPlotFile(dir / "p.tm8p", false, false);
  EXPECT_EQ(plot.ID2, 3);
  EXPECT_DOUBLE_EQ(plot.depthCurves[0].back()[0], 40.4);
}

TEST(LoadSettlement, ExtraTzCurvesInReportAndPlotFile) {
  test::TempDir dir;
  const char* project =
      "Extra t-z\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 1\r\n3 3 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
      "2 60 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n"
      "2\r\n10\r\n30\r\n";
  ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted);
  const std::string report = test::readFile(dir / "p.tm8o");
  EXPECT_NE(report.find("\n\n\n\n     ADDITIONAL TZ CURVES\n     --------------------\n\n\n"
                        "     NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY FOR SAND AND CLAY LAYERS.\n\n\n"),
            std::string::npos);
  EXPECT_LT(report.find("ADDITIONAL TZ CURVES"), report.find("AXIAL LOAD VS SETTLEMENT CURVES"));
  const auto plot = test::readPlotFile(dir / "p.tm8p", false, true);
  EXPECT_EQ(plot.extraTzDepths, (std::vector<double>{10, 30}));
  EXPECT_EQ(plot.tzCurves, 5);
  EXPECT_EQ(plot.loadDistribution.size(), 15u);
}

TEST(LoadSettlement, ExtraTzDepthBelowTheProfileWarnsWithStatusTwo) {
  test::TempDir dir;
  const char* project =
      "Extra t-z below\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 1\r\n3 3 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
      "2 60 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n"
      "1\r\n70\r\n";
  EXPECT_EQ(test::runProjectText(dir, project), kStatusStrengthCurveDepth);
  for (const char* file : {"p.tm8o", "p.tm8r"})
    EXPECT_NE(test::readFile(dir / file).find("IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1"), std::string::npos);
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(ResultFiles, LargeShaftsNeverOverflowAField) {
  // 11 to 12 ft shafts 150 ft into very strong rock carry some 80000 tons; a 12 ft shaft in
  // stiff clay settles several inches at its largest assumed tip movement and is charted up to
  // 10 ft of settlement. Each in English and in SI units.
  const char* projects[] = {
      "Large rock socket\r\n1 \r\n2 1 1 10 0 2 0 0 0 0 0\r\n11 12 0 0 0 0 4000000\r\n2 10 150 2 3\r\n"
      "2 50 \r\n0 120 0.0 3000 0 0 0 1 1 \r\n0 125 0.0 4000 0 0 0 1 1 \r\n0 0\r\n"
      "7 200 \r\n2000000 2000000 10 0 0 0 2000000 90 0 1 1 \r\n"
      "2000000 2000000 10 0 0 0 2000000 90 0 1 1 \r\n",
      "Large rock socket, SI\r\n2 \r\n2 1 1 3.048 0 2 0 0 0 0 0\r\n3.353 3.658 0 0 0 0 27579000\r\n"
      "2 3.048 45.72 2 3\r\n"
      "2 15.24 \r\n0 18.85 0.0 143.6 0 0 0 1 1 \r\n0 19.64 0.0 191.5 0 0 0 1 1 \r\n0 0\r\n"
      "7 60.96 \r\n95760 95760 3.048 0 0 0 13790000 90 0 1 1 \r\n"
      "95760 95760 3.048 0 0 0 13790000 90 0 1 1 \r\n",
      "Large clay shaft\r\n1 \r\n2 1 1 10 0 2 0 1 0 0 0\r\n12 12 0 0 0 0 4000000\r\n1 10 190 2 3\r\n"
      "150 20 1 3\r\n1 60 120 \r\n"
      "2 200 \r\n0 120 0.0 5000 0 0 0 1 1 \r\n0 125 0.0 8000 0 0 0 1 1 \r\n0 0\r\n",
      "Large clay shaft, SI\r\n2 \r\n2 1 1 3.048 0 2 0 1 0 0 0\r\n3.658 3.658 0 0 0 0 27579000\r\n"
      "1 3.048 57.91 2 3\r\n45.72 6.096 0.3048 3\r\n0.0254 1.524 3.048 \r\n"
      "2 60.96 \r\n0 18.85 0.0 239.4 0 0 0 1 1 \r\n0 19.64 0.0 383.0 0 0 0 1 1 \r\n0 0\r\n",
  };
  for (const char* project : projects) {
    test::TempDir dir;
    ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted) << project;
    for (const char* file : {"p.tm8o", "p.tm8p", "p.tm8z", "CHART.DAT"}) {
      const std::string out = test::readFile(dir / file);
      EXPECT_EQ(out.find("**"), std::string::npos) << file << " of " << project;
      EXPECT_EQ(out.find("nan"), std::string::npos) << file << " of " << project;
      EXPECT_EQ(out.find("inf"), std::string::npos) << file << " of " << project;
    }
  }
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(PlotFile, RockTipEndsAfterTheCapacityData) {
  // Clay over strong rock, tip in the rock: the socket's curve (its lower-bound line) fills the
  // load-settlement block, without bound blocks (ID2 = 2) and without t-z or q-w records; the
  // loader stops cleanly after the depth data.
  test::TempDir dir;
  const char* project =
      "Rock tip\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 1\r\n3 3 0 0 5 0 3600000\r\n2 10 30 2 3\r\n"
      "2 20 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 125 0.0 3000 0 0 0 1 1 \r\n0 0\r\n"
      "7 50 \r\n200000 500000 5 0 0 0 1000000 80 0 1 1 \r\n200000 500000 5 0 0 0 1000000 80 0 1 1 \r\n"
      "1\r\n10\r\n";
  ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted);
  const auto plot = test::readPlotFile(dir / "p.tm8p", false, true);
  EXPECT_EQ(plot.N, 1);
  EXPECT_EQ(plot.ID2, 2);
  EXPECT_FALSE(plot.tzSectionPresent);
  const auto& curve = plot.settlement[0][0];
  ASSERT_EQ(curve.size(), 15u);
  for (std::size_t k = 0; k < 15; ++k) {
    EXPECT_GT(curve[k][0], 0) << k;
    if (k > 0) {
      EXPECT_GT(curve[k][1], curve[k - 1][1]) << k;
    }
    EXPECT_EQ(curve[k][2], 0) << k;  // no tip values of a socket rule
    EXPECT_EQ(curve[k][3], 0) << k;
  }
  const std::string report = test::readFile(dir / "p.tm8o");
  EXPECT_EQ(report.find("ADDITIONAL TZ CURVES"), std::string::npos);
  EXPECT_NE(report.find("     RESULT FROM LOWER-BOUND LINE"), std::string::npos);
}

TEST(PlotFile, LoadSettlementDoesNotDependOnTheOutputIncrement) {
  // The example printed every 1, 5 and 40 ft: the same three curves (the solution takes
  // segments of at most one foot), and one load-distribution point per printed depth.
  const std::string example = test::readFile(TALMO_EXAMPLES_DIR "/clay_over_sand.tm8d");
  std::vector<test::PlotContent> plots;
  for (const char* increment : {"1", "5", "40"}) {
    std::string project = example;
    project.replace(project.find("2 1 1 5 0 2"), 11, std::string("2 1 1 ") + increment + " 0 2");
    test::TempDir dir;
    ASSERT_EQ(test::runProjectText(dir, project), kStatusCompleted) << increment;
    plots.push_back(test::readPlotFile(dir / "p.tm8p", false, false));
  }
  const std::size_t rows[] = {36, 8, 1};  // 5..40 ft by 1 ft, 5..40 ft by 5 ft, 40 ft
  for (std::size_t i = 0; i < plots.size(); ++i) {
    ASSERT_EQ(plots[i].settlement.size(), 1u);
    EXPECT_EQ(plots[i].settlement[0], plots[0].settlement[0]) << i;
    ASSERT_EQ(plots[i].loadDistribution.size(), 15u);
    EXPECT_EQ(plots[i].loadDistribution[14].size(), rows[i]);
    // The head of the load distribution carries the head load of the curve's last point.
    EXPECT_NEAR(plots[i].loadDistribution[14][0][1], plots[i].settlement[0][0][14][0], 0.001 * plots[i].settlement[0][0][14][0]);
  }
}

}  // namespace
}  // namespace talmo
