// Result loading from small hand-written plot files: where every number goes, the names and
// captions, the short-curve padding, the older format, elevations, design charts, the end of
// a complete file and the reaction to damaged files.
#include "ResultLoading.h"

#include <gtest/gtest.h>

#include <string>

#include "Errors.h"
#include "NumberText.h"
#include "engine/test_support.h"

namespace talmo {
namespace {

std::string num(double v) { return FormatGeneral(v, 10); }

// Fifteen load-settlement records: load = scale * k, settlement = 0.01 * k, two unused values.
std::string settlementBlock(double scale) {
  std::string s;
  for (int k = 1; k <= 15; ++k) s += " " + num(scale * k) + " " + num(0.01 * k) + " 9 9\n";
  return s;
}

// Ten transfer-curve pairs, the vertical value first: vertical = scale * k, horizontal = 0.1 * k.
std::string pairBlock(double scale) {
  std::string s;
  for (int k = 0; k < 10; ++k) s += " " + num(scale * k) + " " + num(0.1 * k) + "\n";
  return s;
}

// Two curves of a header count P = 3: the second curve holds only two points.
// Curve 1: depths 0, 5, 10; at 10 ft skin 20, tip 30, total 50, factored 10, 10, 20.
// Curve 2: depths 0, 8; at 8 ft skin 4, tip 0, total 4, factored 2, 0, 2.
std::string capacityData(int ID2) {
  const bool bounds = ID2 > 2;
  return std::to_string(2) + " 3 " + std::to_string(ID2) + "\n" +
         "   0.0  0.0  0.0  0.0  0.0 0.0  0.0\n"
         "  0.500E+01   0.0   0.0  0.0 0.0  0.0  0.0\n"
         "  0.100E+02  0.200E+02  0.300E+02  0.500E+02  0.100E+02\n"
         "  0.100E+02  0.200E+02\n" +
         settlementBlock(10) + (bounds ? settlementBlock(12) + settlementBlock(8) : "") +
         " 2 2 0\n"
         "   0.0  0.0  0.0  0.0  0.0 0.0  0.0\n"
         "  0.800E+01  0.400E+01  0.000E+00  0.400E+01  0.200E+01\n"
         "  0.000E+00  0.200E+01\n" +
         settlementBlock(5) + (bounds ? settlementBlock(6) + settlementBlock(4) : "");
}

std::string transferData(bool extraTz) {
  return (extraTz ? " 1\n        1   10      0.6500E+01\n" + pairBlock(1) : std::string()) +
         " 2\n    1    2      0.00\n" + pairBlock(2) + "    2    2      5.00\n" + pairBlock(3) + " 1\n" +
         "    1      3.00    1\n" + pairBlock(4);
}

// Fifteen load-distribution curves of P - 2 = 1 point: depth 7, load 10 * (c + 1).
std::string loadData() {
  std::string s;
  for (int c = 1; c <= 15; ++c) s += "   0.700E+01   " + num(10.0 * c) + "   0.100E+01\n";
  return s;
}

std::string repeated(const std::string& piece, int times) {
  std::string s;
  for (int i = 0; i < times; ++i) s += piece;
  return s;
}

const std::vector<TSoilLayerEntry> kLayers = {{2, 20.0}, {1, 60.0}, {11, 70.0}};

TResultSettings siLrfd() {
  TResultSettings s;
  s.fUnits = 2;
  s.NLRFD = 1;
  s.DSTART = 0.9;
  return s;
}

TPlotLoadResult load(TMainPlots& plots, const std::string& text, const TResultSettings& s,
                     bool afterRun = true) {
  TWordReader reader = TWordReader::FromText(text);
  return ReadPlotData(plots, reader, afterRun, s, kLayers);
}

TEST(ResultLoading, CompleteFileFillsEveryPlotAndFlag) {
  TMainPlots plots;
  const TPlotLoadResult r = load(plots, capacityData(3) + transferData(false) + loadData(), siLrfd());
  ASSERT_TRUE(r.ok) << r.formatError;
  EXPECT_EQ(r.message, "");
  EXPECT_EQ(r.ID2, 3);
  EXPECT_TRUE(plots.ShowOutput);
  EXPECT_TRUE(plots.showtzcurves);
  EXPECT_TRUE(plots.showloadcurves);

  // Depth plots: N curves of P points; the value of the plot on x, the depth on y.
  for (TGraphPlot* p : {&plots.pltSkin, &plots.pltTip, &plots.pltTotal, &plots.FSpltSkin, &plots.FSpltTip,
                        &plots.FSpltTotal}) {
    ASSERT_EQ(p->LineCount(), 2) << p->Caption;
    EXPECT_EQ(p->Lines(0).Count(), 3);
    EXPECT_EQ(p->Lines(1).Count(), 3);
    EXPECT_EQ(p->Lines(0).LineName(), "Dia=0.9 m");
    EXPECT_EQ(p->Lines(1).LineName(), "Dia=1.052 m");
    EXPECT_EQ(p->YCaption, "Depth");
    EXPECT_FALSE(p->Yreversed);
    EXPECT_EQ(p->Data(0, 1).y, 5.0);
    EXPECT_EQ(p->Data(0, 2).y, 10.0);
    EXPECT_EQ(p->Units(), 2);
  }
  EXPECT_EQ(plots.pltSkin.Data(0, 2).x, 20.0);
  EXPECT_EQ(plots.pltTip.Data(0, 2).x, 30.0);
  EXPECT_EQ(plots.pltTotal.Data(0, 2).x, 50.0);
  EXPECT_EQ(plots.FSpltSkin.Data(0, 2).x, 10.0);
  EXPECT_EQ(plots.FSpltTip.Data(0, 2).x, 10.0);
  EXPECT_EQ(plots.FSpltTotal.Data(0, 2).x, 20.0);
  // The short second curve repeats its last point; a zero tip at point P becomes 0.00001.
  EXPECT_EQ(plots.pltSkin.Data(1, 2).x, 4.0);
  EXPECT_EQ(plots.pltSkin.Data(1, 2).y, 8.0);
  EXPECT_EQ(plots.pltTip.Data(1, 1).x, 0.0);
  EXPECT_EQ(plots.pltTip.Data(1, 2).x, 0.00001);
  EXPECT_EQ(plots.FSpltTotal.Data(1, 2).x, 2.0);

  // LRFD captions of the factored plots.
  EXPECT_EQ(plots.FSpltSkin.XCaption, "LRFD Side Resistance ");
  EXPECT_EQ(plots.FSpltTip.XCaption, "LRFD Tip Resistance ");
  EXPECT_EQ(plots.FSpltTotal.XCaption, "LRFD Total Resistance ");
  EXPECT_EQ(plots.pltCombineD.XCaption, "LRFD Resistance ");

  // Load-settlement: the origin, then fifteen (load, settlement) points per curve.
  for (TGraphPlot* p : {&plots.pltAxial, &plots.pltUpper, &plots.pltLower}) {
    ASSERT_EQ(p->LineCount(), 2);
    EXPECT_EQ(p->Lines(0).Count(), 16);
    EXPECT_EQ(p->Data(0, 0).x, 0.0);
    EXPECT_EQ(p->Data(0, 0).y, 0.0);
    EXPECT_EQ(p->Lines(1).LineName(), "Dia=1.052 m");
  }
  EXPECT_EQ(plots.pltAxial.Data(0, 15).x, 150.0);
  EXPECT_DOUBLE_EQ(plots.pltAxial.Data(0, 15).y, 0.15);
  EXPECT_EQ(plots.pltUpper.Data(0, 1).x, 12.0);
  EXPECT_EQ(plots.pltLower.Data(1, 2).x, 8.0);

  // The combined plots hold the first curve's three.
  ASSERT_EQ(plots.pltCombine.LineCount(), 3);
  EXPECT_EQ(plots.pltCombine.Lines(0).LineName(), "  Skin Friction");
  EXPECT_EQ(plots.pltCombine.Lines(1).LineName(), "  Tip Resistance");
  EXPECT_EQ(plots.pltCombine.Lines(2).LineName(), "  Total Capacity");
  EXPECT_EQ(plots.pltCombine.Data(2, 2).x, 50.0);
  EXPECT_EQ(plots.pltCombineD.Data(1, 2).x, 10.0);
  ASSERT_EQ(plots.pltCombinedSettle.LineCount(), 3);
  EXPECT_EQ(plots.pltCombinedSettle.Lines(0).LineName(), "  Trend (Averaged)");
  EXPECT_EQ(plots.pltCombinedSettle.Lines(1).LineName(), "  Upper Bound");
  EXPECT_EQ(plots.pltCombinedSettle.Lines(2).LineName(), "  Lower Bound");
  EXPECT_EQ(plots.pltCombinedSettle.Data(2, 1).x, 8.0);

  // The soil-layer column of the depth plots, from the top down.
  for (TGraphPlot* p : {&plots.pltSkin, &plots.FSpltTotal, &plots.pltCombine, &plots.pltCombineD}) {
    ASSERT_EQ(p->LayerLineCount(), 3);
    EXPECT_EQ(p->LayersTop, 0.0);
    EXPECT_EQ(p->LayerLines(0).LineName(), " CLAY ");
    EXPECT_EQ(p->LayerLines(1).LineName(), " SAND ");
    EXPECT_EQ(p->LayerLines(2).LineName(), "LAYER 3");
    EXPECT_EQ(p->LayerData(0, 0).x, 1.0);
    EXPECT_EQ(p->LayerData(1, 0).x, 7.0);
    EXPECT_EQ(p->LayerData(2, 0).x, 0.0);
    EXPECT_EQ(p->LayerData(1, 0).y, 60.0);
  }
  EXPECT_EQ(plots.pltAxial.LayerLineCount(), 0);

  // Transfer curves: ten (horizontal, vertical) points, named by depth or diameter.
  EXPECT_EQ(plots.pltTzAdd.LineCount(), 0);
  ASSERT_EQ(plots.pltTz.LineCount(), 2);
  EXPECT_EQ(plots.pltTz.Lines(1).LineName(), "H=5 m");
  EXPECT_EQ(plots.pltTz.Data(1, 9).y, 27.0);
  EXPECT_DOUBLE_EQ(plots.pltTz.Data(1, 9).x, 0.9);
  ASSERT_EQ(plots.pltQw.LineCount(), 1);
  EXPECT_EQ(plots.pltQw.Lines(0).LineName(), "Dia=3 m");
  EXPECT_EQ(plots.pltQw.Data(0, 2).y, 8.0);

  // Load distribution: fifteen curves of P - 2 points.
  ASSERT_EQ(plots.pltLoad.LineCount(), 15);
  EXPECT_EQ(plots.pltLoad.Lines(14).Count(), 1);
  EXPECT_EQ(plots.pltLoad.Data(14, 0).x, 150.0);
  EXPECT_EQ(plots.pltLoad.Data(14, 0).y, 7.0);
  EXPECT_EQ(plots.pltLoad.Lines(14).LineName(), "Curve #15");

  for (TGraphPlot* p : plots.All()) EXPECT_EQ(p->Units(), 2);
}

TEST(ResultLoading, FileEndingAfterASectionIsCompleteWithTheLaterResultsOff) {
  struct Case {
    const char* what;
    std::string text;
    bool tz, loadCurves;
  };
  const Case cases[] = {
      {"after the depth data", capacityData(3), false, false},
      {"after the depth data and blank lines", capacityData(3) + "\n   \n\n", false, false},
      {"after the transfer curves", capacityData(3) + transferData(false), true, false},
      {"after the load distribution", capacityData(3) + transferData(false) + loadData(), true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMainPlots plots;
    plots.showtzcurves = plots.showloadcurves = true;  // flags of an earlier load
    const TPlotLoadResult r = load(plots, c.text, siLrfd());
    EXPECT_TRUE(r.ok) << r.formatError;
    EXPECT_TRUE(plots.ShowOutput);
    EXPECT_EQ(plots.showtzcurves, c.tz);
    EXPECT_EQ(plots.showloadcurves, c.loadCurves);
    EXPECT_EQ(plots.pltSkin.LineCount(), 2);
  }
}

TEST(ResultLoading, WithoutBoundsTheSeparatorFollowsTheTrendAndNoStaleBoundsRemain) {
  TMainPlots plots;
  ASSERT_TRUE(load(plots, capacityData(3), siLrfd()).ok);
  ASSERT_EQ(plots.pltUpper.LineCount(), 2);

  const TPlotLoadResult r = load(plots, capacityData(2) + transferData(false), siLrfd());
  ASSERT_TRUE(r.ok) << r.formatError;
  EXPECT_EQ(r.ID2, 2);
  EXPECT_EQ(plots.pltAxial.LineCount(), 2);
  EXPECT_EQ(plots.pltAxial.Data(1, 15).x, 75.0);  // second curve read in step
  EXPECT_EQ(plots.pltUpper.LineCount(), 0);
  EXPECT_EQ(plots.pltLower.LineCount(), 0);
  ASSERT_EQ(plots.pltCombinedSettle.LineCount(), 1);
  EXPECT_EQ(plots.pltCombinedSettle.Lines(0).LineName(), "  Trend (Averaged)");
  EXPECT_TRUE(plots.showtzcurves);
}

// The oldest format: depth, skin, tip, total and one unused value per point.
std::string olderFormatFile() {
  return "1 2 2\n"
         "0 0 0 0 0\n"
         "10 25 30 55 99\n" +
         settlementBlock(1);
}

TEST(ResultLoading, OlderResultsGetFactoredValuesFromTheFactorsOfSafety) {
  TResultSettings s;  // English ASD, default factors 2.5 and 3.0
  s.Yesnewversion = 0;
  s.DSTART = 3;
  TMainPlots plots;
  const TPlotLoadResult r = load(plots, olderFormatFile(), s);
  ASSERT_TRUE(r.ok) << r.formatError;
  EXPECT_EQ(plots.FSpltSkin.Data(0, 1).x, 10.0);
  EXPECT_EQ(plots.FSpltTip.Data(0, 1).x, 10.0);
  EXPECT_EQ(plots.FSpltTotal.Data(0, 1).x, 20.0);
  EXPECT_EQ(plots.pltTotal.Data(0, 1).x, 55.0);
  EXPECT_EQ(plots.FSpltSkin.XCaption, "Side Resistance/F.S. ");
  EXPECT_EQ(plots.pltCombineD.XCaption, "Resistance/F.S. ");
  EXPECT_EQ(plots.pltSkin.Lines(0).LineName(), "Dia=3 ft");
  EXPECT_EQ(plots.pltUpper.LineCount(), 0);

  // Under uplift the tip is the self-weight, never divided; a zero factor does not divide.
  s.KCYCL = 2;
  s.FST = 0;
  ASSERT_TRUE(load(plots, olderFormatFile(), s).ok);
  EXPECT_EQ(plots.FSpltSkin.Data(0, 1).x, 25.0);
  EXPECT_EQ(plots.FSpltTip.Data(0, 1).x, 30.0);
  EXPECT_EQ(plots.FSpltTotal.Data(0, 1).x, 55.0);
  EXPECT_EQ(plots.FSpltTip.XCaption, "Self-Weight");
  EXPECT_EQ(plots.pltCombine.Lines(1).LineName(), "  Self-Weight");
  EXPECT_EQ(plots.pltCombineD.Lines(1).LineName(), "  Self-Weight");
}

TEST(ResultLoading, UpliftKeepsTheTipUnfactoredInCurrentResultsToo) {
  TResultSettings s = siLrfd();
  s.KCYCL = 2;
  TMainPlots plots;
  ASSERT_TRUE(load(plots, capacityData(3), s).ok);
  EXPECT_EQ(plots.FSpltTip.Data(0, 2).x, 30.0);  // the file's factored 10 is replaced
  EXPECT_EQ(plots.FSpltTotal.Data(0, 2).x, 20.0);
}

TEST(ResultLoading, ElevationsTurnDepthsAndLayersIntoElevationsBelowTheTop) {
  TResultSettings s = siLrfd();
  s.UseElevation = 1;
  s.ValElevation = 100;
  s.IPENT = 1;
  TMainPlots plots;
  ASSERT_TRUE(load(plots, capacityData(3), s).ok);
  for (TGraphPlot* p : {&plots.pltSkin, &plots.FSpltTip, &plots.pltCombine, &plots.pltCombineD}) {
    EXPECT_EQ(p->YCaption, "Elevation");
    EXPECT_TRUE(p->Yreversed);
    EXPECT_EQ(p->LayersTop, 100.0);
    EXPECT_EQ(p->LayerData(0, 0).y, 80.0);
  }
  EXPECT_EQ(plots.pltSkin.Data(0, 2).y, 90.0);   // depth 10 at elevation 100
  EXPECT_EQ(plots.pltSkin.Data(0, 0).y, 100.0);
  EXPECT_FALSE(plots.pltAxial.Yreversed);
  // Curves of several lengths are named by the length, not by the tip's elevation.
  EXPECT_EQ(plots.pltSkin.Lines(0).LineName(), "L =10 m");
  EXPECT_EQ(plots.pltLower.Lines(1).LineName(), "L =8 m");

  s.UseElevation = 0;  // a later load with depths puts the axis back
  ASSERT_TRUE(load(plots, capacityData(3), s).ok);
  EXPECT_FALSE(plots.pltSkin.Yreversed);
  EXPECT_EQ(plots.pltSkin.YCaption, "Depth");
}

// Two curves (shafts 10 and 8 ft long), then the design-chart header (charts, diameters,
// lengths) and the chart blocks.
std::string chartFile(int charts, int diameters, int lengths, const std::string& chartBlocks) {
  return "2 2 2\n"
         "0 0 0 0 0 0 0\n"
         "10 1 1 2 1 1 2\n" +
         settlementBlock(1) + " 2 2 0\n0 0 0 0 0 0 0\n8 1 1 2 1 1 2\n" + settlementBlock(1) + " " +
         std::to_string(charts) + " " + std::to_string(diameters) + " " + std::to_string(lengths) + "\n" +
         chartBlocks;
}

TEST(ResultLoading, DesignChartsAreConvertedFromInchesAndPounds) {
  TResultSettings s;  // English
  s.IChart = 1;
  s.DSTART = 3;
  s.DIAMINCR = 1;
  const std::string blocks =
      " 0.5\n    36.0000\n 240 200000\n 360 300000\n    48.0000\n 240 260000\n 360 400000\n"
      " 1\n    36.0000\n 240 100000\n 360 150000\n    48.0000\n 240 130000\n 360 200000\n";
  TMainPlots plots;
  plots.PltChart[2].SetLineCount(1);  // a chart beyond the file's count keeps its content
  const TPlotLoadResult r = load(plots, chartFile(2, 2, 2, blocks) + transferData(false), s);
  ASSERT_TRUE(r.ok) << r.formatError;
  EXPECT_TRUE(plots.showtzcurves);  // the transfer curves still read in step

  const TGraphPlot& chart = plots.PltChart[0];
  EXPECT_EQ(chart.Caption, "Design Chart (0.5-in movement)");
  EXPECT_EQ(chart.UserCaption, "Design Chart (0.5-in movement)");
  ASSERT_EQ(chart.LineCount(), 2);
  EXPECT_EQ(chart.Lines(0).LineName(), "Dia=3 ft");
  EXPECT_EQ(chart.Lines(1).LineName(), "Dia=4 ft");
  EXPECT_EQ(chart.Lines(1).Count(), 2);
  EXPECT_EQ(chart.Lines(1)[1].y, 30.0);   // 360 in
  EXPECT_EQ(chart.Lines(1)[1].x, 200.0);  // 400000 lbs
  EXPECT_EQ(plots.PltChart[1].Caption, "Design Chart (1-in movement)");
  EXPECT_EQ(plots.PltChart[1].Lines(0)[0].x, 50.0);
  EXPECT_EQ(plots.PltChart[2].LineCount(), 1);
  EXPECT_EQ(plots.PltChart[2].Caption, "Design Chart 3");
  // The engine analyses every chart length of a diameter before the next diameter.
  EXPECT_EQ(plots.pltSkin.Lines(0).LineName(), "Dia=3 ft, L =10 ft");
  EXPECT_EQ(plots.pltAxial.Lines(1).LineName(), "Dia=3 ft, L =8 ft");
}

TEST(ResultLoading, ChartsInSIAreConvertedToMetresAndKilonewtons) {
  TResultSettings s = siLrfd();
  s.IChart = 1;  // DIAMINCR left 0: the engine's default step of 0.15 m names the curves
  const std::string blocks = " 0.0127\n    0.9000\n 787.4 449.64028776978417266\n    1.0500\n 787.4 2\n";
  TMainPlots plots;
  ASSERT_TRUE(load(plots, chartFile(1, 2, 1, blocks), s).ok);
  const TGraphPlot& chart = plots.PltChart[0];
  EXPECT_EQ(chart.Caption, "Design Chart (0.0127-m movement)");
  EXPECT_EQ(chart.Lines(0).LineName(), "Dia=0.9 m");
  EXPECT_EQ(chart.Lines(1).LineName(), "Dia=1.05 m");
  EXPECT_DOUBLE_EQ(chart.Lines(0)[0].y, 20.0);
  EXPECT_DOUBLE_EQ(chart.Lines(0)[0].x, 2.0);
  EXPECT_EQ(chart.Units(), 2);
  // One length per diameter: the curves are the diameters, 0.9 m and 0.9 + 0.15 m.
  EXPECT_EQ(plots.pltSkin.Lines(0).LineName(), "Dia=0.9 m");
  EXPECT_EQ(plots.pltSkin.Lines(1).LineName(), "Dia=1.05 m");
}

TEST(ResultLoading, ChartsBeyondTheTenPlotsArePassedOver) {
  TResultSettings s;
  s.IChart = 1;
  std::string blocks;
  for (int c = 1; c <= 11; ++c) blocks += " " + std::to_string(c) + "\n 12 1 1 1 1\n 24 1 1 1 1\n";
  TMainPlots plots;
  const TPlotLoadResult r = load(plots, chartFile(11, 2, 2, blocks) + transferData(false), s);
  ASSERT_TRUE(r.ok) << r.formatError;
  EXPECT_EQ(plots.PltChart[9].Caption, "Design Chart (10-in movement)");
  EXPECT_EQ(plots.pltTz.LineCount(), 2);
}

TEST(ResultLoading, ACurveLongerThanTheHeaderCountKeepsAllItsPoints) {
  const std::string text = "2 2 2\n0 0 0 0 0 0 0\n5 1 1 2 1 1 2\n" + settlementBlock(1) +
                           " 2 3 0\n0 0 0 0 0 0 0\n5 1 1 2 1 1 2\n9 3 3 6 3 3 6\n" + settlementBlock(2) +
                           transferData(false);
  TMainPlots plots;
  const TPlotLoadResult r = load(plots, text, TResultSettings{});
  ASSERT_TRUE(r.ok) << r.formatError;
  EXPECT_EQ(plots.pltSkin.Lines(0).Count(), 2);
  ASSERT_EQ(plots.pltSkin.Lines(1).Count(), 3);
  EXPECT_EQ(plots.pltSkin.Data(1, 2).y, 9.0);
  EXPECT_EQ(plots.pltAxial.Data(1, 15).x, 30.0);
  EXPECT_TRUE(plots.showtzcurves);
}

TEST(ResultLoading, FormatErrorIsReportedAfterARunAndSilentWhenOpening) {
  // The second curve's first point holds a field too wide for the engine's format.
  std::string text = capacityData(3);
  text.replace(text.find("0.400E+01"), 9, "*********");
  for (bool afterRun : {true, false}) {
    TMainPlots plots;
    const TPlotLoadResult r = load(plots, text, siLrfd(), afterRun);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(plots.ShowOutput);
    EXPECT_EQ(r.message, afterRun ? kRunResultsError : "");
    EXPECT_EQ(r.formatError,
              "Error on Line 53 Item 2\rA floating point number was expected but not found.");
    EXPECT_EQ(r.ID2, 3);
    // What was read before the error stays.
    EXPECT_EQ(plots.pltSkin.Data(0, 2).x, 20.0);
  }
}

TEST(ResultLoading, AFailedLoadOffersNoSectionReadBeforeTheError) {
  TMainPlots plots;
  const TPlotLoadResult r = load(plots, capacityData(3) + transferData(false) + " 0.7 x 1\n", siLrfd());
  EXPECT_FALSE(r.ok);
  EXPECT_FALSE(plots.ShowOutput);
  EXPECT_FALSE(plots.showtzcurves);
  EXPECT_FALSE(plots.showloadcurves);
  EXPECT_EQ(plots.pltTz.LineCount(), 2);  // the plots keep what was read
}

TEST(ResultLoading, CountsTheFileCannotHoldAreFormatErrorsNotAllocations) {
  const std::string header = "1 2 2\n0 0 0 0 0 0 0\n10 1 1 2 1 1 2\n" + settlementBlock(1);
  TResultSettings charts;
  charts.IChart = 1;
  TResultSettings extraTz;
  extraTz.PrintTZCurves = 1;
  struct Case {
    const char* what;
    std::string text;
    TResultSettings settings;
  };
  const Case cases[] = {
      {"huge curve count", "2000000000 3 3\n" + settlementBlock(1), {}},
      {"huge point count", "1 2000000000 3\n" + settlementBlock(1), {}},
      {"negative curve count", "-1 3 2\n", {}},
      {"more capacity points than a plot holds", "1001 1001 2\n" + repeated("0 0 0 0 0 0 0 0 0 0\n", 6100), {}},
      {"huge next curve", "2 2 2\n0 0 0 0 0 0 0\n10 1 1 2 1 1 2\n" + settlementBlock(1) + " 2 2000000000 0\n", {}},
      {"huge chart count", header + " 2000000000 1 1\n 1 2 3 4\n", charts},
      {"huge chart curves", header + " 1 2000000000 1\n 1 2 3 4\n", charts},
      {"huge chart points", header + " 1 1 2000000000\n 1 2 3 4\n", charts},
      {"negative chart points", header + " 1 1 -5\n 1 2 3 4\n", charts},
      {"huge extra t-z count", header + " 2000000000\n 1 2 3\n", extraTz},
      {"huge t-z count", header + " 2000000000\n 1 2 3\n", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TMainPlots plots;
    const TPlotLoadResult r = load(plots, c.text, c.settings);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, kRunResultsError);
    EXPECT_NE(r.formatError.find("Error on Line"), std::string::npos) << r.formatError;
  }
  TMainPlots plots;
  EXPECT_EQ(load(plots, "1 2 2\n0 0 0 0 0 0 0\n10 1 1 2 1 1 2\n" + settlementBlock(1) + " -3\n", {})
                .formatError,
            "Error on Line 19 Item 1\rThe count -3 is negative or larger than the file can hold.");
}

TEST(ResultLoading, MissingFileIsAnOpenErrorForTheCaller) {
  test::TempDir dir;
  TMainPlots plots;
  EXPECT_THROW(ReadPlotData(plots, (dir / "none.tm8p").string(), true, TResultSettings{}, kLayers), EFOpenError);
}

TEST(ResultLoading, LayerColumnOnlyForPlotsWithSomethingToDraw) {
  TGraphPlot plot;
  plot.SetLayerLineCount(2);  // a column of an earlier load
  AddLayersGraphPlot(plot, kLayers, TResultSettings{});
  EXPECT_EQ(plot.LayerLineCount(), 0);
  plot.SetLineCount(1);
  AddLayersGraphPlot(plot, kLayers, TResultSettings{});
  EXPECT_EQ(plot.LayerLineCount(), 0);  // a curve without points
  plot.SetCount(1);
  const std::vector<TSoilLayerEntry> all = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5},
                                            {6, 6}, {7, 7}, {8, 8}, {9, 9}, {0, 10}};
  AddLayersGraphPlot(plot, all, TResultSettings{});
  ASSERT_EQ(plot.LayerLineCount(), 10);
  const char* names[] = {" SAND ", " CLAY ", " SHALE ", " ROCK ", " GW ", " WEAK ROCK ", " ROCK ", " GW ",
                         " GRAVEL ", "LAYER 10"};
  const double fills[] = {7, 1, 8, 9, 12, 10, 9, 11, 12, 0};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(plot.LayerLines(i).LineName(), names[i]);
    EXPECT_EQ(plot.LayerLines(i).Count(), 1);
    EXPECT_EQ(plot.LayerData(i, 0).x, fills[i]);
    EXPECT_EQ(plot.LayerData(i, 0).y, i + 1.0);
  }
}

}  // namespace
}  // namespace talmo
