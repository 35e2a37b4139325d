#include "PlotModel.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace talmo {
namespace {

TEST(PlotModel, NewPlotHasTheDocumentedDefaults) {
  TGraphPlot plot;
  EXPECT_EQ(plot.CurveName, "Curve #");
  EXPECT_TRUE(plot.XOnTop);
  EXPECT_FALSE(plot.Yreversed);
  EXPECT_TRUE(plot.ShowLegend);
  EXPECT_FALSE(plot.ShowLayers);
  EXPECT_TRUE(plot.ShowFontWidth);
  EXPECT_EQ(plot.Markers, 1);
  EXPECT_EQ(plot.SizeFont, 10);
  EXPECT_EQ(plot.LegendFont, 11);
  EXPECT_EQ(plot.WidthLine, 1);
  EXPECT_EQ(plot.Units(), 1);
  EXPECT_TRUE(plot.LimitActive);
  EXPECT_FALSE(plot.FormExists);
  EXPECT_EQ(plot.LineCount(), 0);
  EXPECT_EQ(plot.LayerLineCount(), 0);
  EXPECT_EQ(plot.LineCount2(), 0);
  EXPECT_EQ(plot.LineCount3(), 0);
}

TEST(PlotModel, EmptyPlotHasNothingToDrawAndIgnoresPointCount) {
  TGraphPlot plot;
  plot.SetCount(16);
  EXPECT_EQ(plot.Count(), 0);
  EXPECT_FALSE(plot.HasSomethingToDraw());
  plot.SetLineCount(1);
  EXPECT_TRUE(plot.HasSomethingToDraw());
  EXPECT_EQ(plot.Lines(0).Count(), 0);  // a new line takes the main count, which was 0
}

TEST(PlotModel, RaisingLineCountAddsZeroLinesOfTheMainCountNamedByPosition) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  plot.SetCount(16);
  plot.Data(1, 15) = {7.0, 8.0};
  plot.SetLineCount(5);
  ASSERT_EQ(plot.LineCount(), 5);
  for (int i = 2; i < 5; ++i) {
    EXPECT_EQ(plot.Lines(i).Count(), 16);
    EXPECT_EQ(plot.Data(i, 15).x, 0.0);
    EXPECT_TRUE(plot.Lines(i).Visible);
    EXPECT_TRUE(plot.Lines(i).Active);
  }
  EXPECT_EQ(plot.Lines(2).LineName(), "Curve #3");
  EXPECT_EQ(plot.Lines(3).LineName(), "Curve #4");
  EXPECT_EQ(plot.Lines(4).LineName(), "Curve #5");
  EXPECT_EQ(plot.Data(1, 15).y, 8.0);  // existing points stay

  plot.SetLineCount(1);
  EXPECT_EQ(plot.LineCount(), 1);
  plot.SetLineCount(-3);
  EXPECT_EQ(plot.LineCount(), 0);
}

TEST(PlotModel, PointCountReadsTheFirstLineAndSetsEveryLine) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  plot.SetCount(4);
  plot.Lines(0).SetCount(9);  // lines may differ afterwards; the list's count is the first's
  EXPECT_EQ(plot.Count(), 9);
  EXPECT_EQ(plot.Lines(1).Count(), 4);
  plot.SetCount(-1);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(plot.Lines(i).Count(), 0);
}

TEST(PlotModel, LineNamePrefersOwnNameThenDefaultNamesThenCurveNameAndValue) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  plot.DefLineNames = {"first", "second"};
  plot.Lines(1).fValueS = "mine";
  EXPECT_EQ(plot.Lines(0).LineName(), "first");
  EXPECT_EQ(plot.Lines(1).LineName(), "mine");  // an own name wins over DefLineNames
  EXPECT_EQ(plot.Lines(2).LineName(), "Curve #3");
  plot.CurveName = "Pile ";
  plot.Lines(2).Value = 2.5;
  EXPECT_EQ(plot.Lines(2).LineName(), "Pile 2.5");
}

TEST(PlotModel, ListsAreIndependentAndNewLinesOfEveryListTakeTheMainCount) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  plot.SetCount(5);
  plot.SetLayerLineCount(3);
  EXPECT_EQ(plot.LayerCount(), 5);
  EXPECT_EQ(plot.LayerLines(2).Value, 3.0);  // main line count + 1 at creation
  plot.SetLayerCount(1);
  EXPECT_EQ(plot.LayerLines(0).Count(), 1);
  EXPECT_EQ(plot.Count(), 5);
  plot.SetLineCount2(1);
  plot.SetLineCount3(4);
  EXPECT_EQ(plot.Count2(), 5);
  EXPECT_EQ(plot.LineCount3(), 4);
  plot.Data3(3, 4) = {1.0, 2.0};
  EXPECT_EQ(plot.Lines3(3)[4].y, 2.0);
  EXPECT_EQ(plot.MainIndexOf(plot.Lines(1)), 1);
  EXPECT_EQ(plot.MainIndexOf(plot.LayerLines(1)), -1);
}

TEST(PlotModel, IndexOutsideAListThrowsInsteadOfReadingStrayMemory) {
  TGraphPlot plot;
  plot.SetLineCount(1);
  plot.SetCount(2);
  EXPECT_THROW(plot.Lines(1), std::out_of_range);
  EXPECT_THROW(plot.Lines(-1), std::out_of_range);
  EXPECT_THROW(plot.Data(0, 2), std::out_of_range);
  EXPECT_THROW(plot.Data(0, -1), std::out_of_range);
  EXPECT_THROW(plot.LayerLines(0), std::out_of_range);
}

TEST(PlotModel, UnitsAreClampedIntoOneToThree) {
  TGraphPlot plot;
  for (auto [set, read] : {std::pair{0, 1}, {7, 3}, {2, 2}, {-5, 1}, {3, 3}}) {
    plot.SetUnits(set);
    EXPECT_EQ(plot.Units(), read) << "set " << set;
  }
}

TEST(PlotModel, ExpandUnitsKnowsOnlyTheForceAndLengthCodesOfAPlot) {
  struct Case {
    const char* code;
    int units;
    const char* label;
  };
  const Case cases[] = {
      {"F/L^2", 1, "lbs/in^2"}, {"F/L^2", 2, "kN/m^2"},  {"F2", 1, "tons"},      {"F2", 2, "kN"},
      {"L", 2, "m"},            {"L2", 1, "ft"},         {"L1", 2, "mm"},        {"F1", 1, "kips"},
      {"F/L2^2", 1, "lbs/ft^2"}, {"F/L^2", 3, "F/L^2"},  {"F4", 1, "lbs4"},      {"", 2, ""},
      {"deg", 1, "deg"},
  };
  TGraphPlot plot;
  for (const Case& c : cases) {
    plot.SetUnits(c.units);
    EXPECT_EQ(plot.ExpandUnits(c.code), c.label) << c.code << " in system " << c.units;
  }
}

TEST(PlotModel, HideAndDestructionCloseAnOpenWindowOnce) {
  int closed = 0;
  {
    TGraphPlot plot;
    plot.SetFormCloser([&] { ++closed; });
    plot.Hide();  // no window yet
    EXPECT_EQ(closed, 0);
    plot.FormExists = true;
    plot.Hide();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(plot.FormExists);
    plot.FormExists = true;
  }
  EXPECT_EQ(closed, 2);
}

TEST(PlotModel, CurveNameNumbersDropBinaryNoise) {
  EXPECT_EQ(PlotNumberText(3.5), "3.5");
  EXPECT_EQ(PlotNumberText(1.0 + 0.152 * 2), "1.304");
  EXPECT_EQ(PlotNumberText(0.9 + 3 * 0.15), "1.35");
  EXPECT_EQ(PlotNumberText(40.0), "40");
  EXPECT_EQ(PlotNumberText(40.0 / 12.0), "3.3333333");
  EXPECT_EQ(PlotNumberText(0.0254), "0.0254");
}

}  // namespace
}  // namespace talmo
