// Plot geometry checked with numbers worked out by hand: automatic ranges, layouts, data <->
// pixel transforms, tick spacing, zoom rules and marker outlines.
#include "PlotLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace talmo {
namespace {

// A plot with one line through the given points.
void Fill(TGraphPlot& plot, std::initializer_list<TFloatPoint> points) {
  plot.SetLineCount(plot.LineCount() + 1);
  TLine& line = plot.Lines(plot.LineCount() - 1);
  line.SetCount(static_cast<int>(points.size()));
  int i = 0;
  for (const TFloatPoint& p : points) line[i++] = p;
}

TEST(PlotLayout, AutomaticRangesRoundToDecadeSteps) {
  struct Case {
    const char* what;
    std::initializer_list<TFloatPoint> points;
    bool yReversed;
    TFloatRect expected;
  } cases[] = {
      // log10 237 has fraction 0.37 < log10 3: step 10. Depth 40: log10 40 = 1.60, step 10.
      {"x to 237", {{0, 0}, {237, 40}}, false, {0, 240, 0, 40}},
      // log10 420 has fraction 0.62: step 100.
      {"x to 420", {{0, 0}, {420, 40}}, false, {0, 500, 0, 40}},
      // Uplift loads are negative: the lower bound rounds away from zero. Depth 12 has
      // fraction 0.08: step 1.
      {"negative x", {{-35, 0}, {0, 12}}, false, {-40, 0, 0, 12}},
      // Elevations 100 down to 61 start from the first point: width 39, step 10; the lower
      // end rounds toward zero (60), the top is the larger value.
      {"elevations", {{5, 100}, {7, 61}}, true, {0, 7, 100, 60}},
      // One point at the origin: widened by 0.01 each side, width 0.02, step 0.001.
      {"single point", {{0, 0}}, false, {-0.01, 0.01, -0.01, 0.01}},
  };
  for (const Case& c : cases) {
    TGraphPlot plot;
    plot.Yreversed = c.yReversed;
    Fill(plot, c.points);
    const TFloatRect r = AutoScale(plot);
    EXPECT_NEAR(r.Left, c.expected.Left, 1e-12) << c.what;
    EXPECT_NEAR(r.Right, c.expected.Right, 1e-12) << c.what;
    EXPECT_NEAR(r.Top, c.expected.Top, 1e-12) << c.what;
    EXPECT_NEAR(r.Bottom, c.expected.Bottom, 1e-12) << c.what;
  }
}

TEST(PlotLayout, PointsThatAreNoNumbersDoNotSpoilTheRange) {
  TGraphPlot plot;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  Fill(plot, {{0, 0}, {nan, 3}, {237, std::numeric_limits<double>::infinity()}, {150, 40}});
  const TFloatRect r = AutoScale(plot);
  EXPECT_DOUBLE_EQ(r.Right, 150);  // log10 150 has fraction 0.18: step 10
  EXPECT_DOUBLE_EQ(r.Bottom, 40);

  TGraphPlot nothing;  // no finite point at all: a plain unit range, never a closed window
  Fill(nothing, {{nan, nan}});
  const TFloatRect u = AutoScale(nothing);
  EXPECT_DOUBLE_EQ(u.Right - u.Left, 1);
  EXPECT_DOUBLE_EQ(u.Bottom - u.Top, 1);
}

TEST(PlotLayout, ScreenLayoutLeavesRoomForCaptionsLabelsAndLayers) {
  // 1000 x 700 window at 96 ppi with the 14-pixel font: 2H + ppi/8 + H/8 = 28 + 12 + 1 = 41;
  // ppi/4 + H/2 = 24 + 7 = 31.
  TLayoutOptions o;
  o.FontHeight = 14;
  EXPECT_EQ(ScreenLayout(1000, 700, 96, 96, o).GraphArea, (TPixelRect{41, 41, 969, 669}));
  o.XOnTop = false;  // labels below: top H/2 + ppi/4 = 31, bottom 700 - 41
  EXPECT_EQ(ScreenLayout(1000, 700, 96, 96, o).GraphArea, (TPixelRect{41, 31, 969, 659}));
  o.XOnTop = true;
  o.UserCaption = true;
  o.UserCaptionOnTop = true;  // H/8 + H more at the top
  EXPECT_EQ(ScreenLayout(1000, 700, 96, 96, o).GraphArea.top, 56);
  o.UserCaptionOnTop = false;  // H less at the bottom
  EXPECT_EQ(ScreenLayout(1000, 700, 96, 96, o).GraphArea.bottom, 655);
  o.UserCaption = false;
  o.ShowLayers = true;  // one inch off the right: a gap of a fifth, then the column
  const TDrawArea a = ScreenLayout(1000, 700, 96, 96, o);
  EXPECT_EQ(a.GraphArea.right, 873);
  EXPECT_EQ(a.LayersArea, (TPixelRect{892, 41, 969, 669}));
  // A bitmap keeps the user caption's room too, so a chart title never covers the axis text.
  o.ShowLayers = false;
  o.UserCaption = true;
  o.UserCaptionOnTop = true;
  EXPECT_EQ(BitmapLayout(1000, 700, 96, o).GraphArea.top, 56);
}

TEST(PlotLayout, PrinterPageUsesTheMarginsAndThePhysicalOffset) {
  TPageGeometry page;
  page.paperWidth = 5100;  // 8.5 x 11 in at 600 ppi
  page.paperHeight = 6600;
  TLayoutOptions o;
  o.FontHeight = 80;
  TDrawArea a = PrinterLayout(page, o);
  EXPECT_EQ(a.Bounds, (TPixelRect{600, 600, 4500, 6000}));
  // 2H + ppi/8 + H/8 = 160 + 75 + 10 = 245 left of and above the graph; no room on the right.
  EXPECT_EQ(a.GraphArea, (TPixelRect{845, 845, 4500, 6000}));
  page.offsetX = 100;
  page.marginLeft = 100;  // inside the unprintable strip: the strip wins
  a = PrinterLayout(page, o);
  EXPECT_EQ(a.Bounds.left, 0);
  EXPECT_EQ(a.Bounds.right, 5100 + 100 - 600);
}

TEST(PlotLayout, DataAndPixelsRoundTrip) {
  TDrawArea a;
  a.GraphArea = {41, 41, 969, 669};  // 928 x 628
  const TFloatRect depth{0, 240, 0, 40};
  // x 120 is half of 928 -> 41 + 464; depth 10 is a quarter of 628 -> 41 + 157 from the top.
  EXPECT_EQ(ToScreen(a, depth, true, 120, 10), (TPixelPoint{505, 198}));
  TFloatPoint back = ToData(a, depth, true, {505, 198});
  EXPECT_DOUBLE_EQ(back.x, 120);
  EXPECT_DOUBLE_EQ(back.y, 10);
  // y growing upward (t-z curves): 157 up from the bottom.
  EXPECT_EQ(ToScreen(a, depth, false, 120, 10), (TPixelPoint{505, 512}));
  back = ToData(a, depth, false, {505, 512});
  EXPECT_DOUBLE_EQ(back.y, 10);
  // Elevations: Top 100 at the top, 60 at the bottom; elevation 90 a quarter down.
  EXPECT_EQ(ToScreen(a, {0, 240, 100, 60}, true, 0, 90).y, 198);
  // Halves round to even: 2.5 -> 2 and 3.5 -> 4 on a range 0..928.
  EXPECT_EQ(ToScreen(a, {0, 928, 0, 628}, true, 2.5, 0).x, 43);
  EXPECT_EQ(ToScreen(a, {0, 928, 0, 628}, true, 3.5, 0).x, 45);
  // Left of the graph is no data point.
  back = ToData(a, depth, true, {10, 198});
  EXPECT_EQ(back.x, 0);
  EXPECT_EQ(back.y, 0);
}

TEST(PlotLayout, TickSpacing) {
  EXPECT_DOUBLE_EQ(NiceSpacing(1.5), 1);
  EXPECT_DOUBLE_EQ(NiceSpacing(2), 2);
  EXPECT_DOUBLE_EQ(NiceSpacing(4.9), 2);
  EXPECT_DOUBLE_EQ(NiceSpacing(5), 5);
  EXPECT_DOUBLE_EQ(NiceSpacing(8.9), 5);
  EXPECT_DOUBLE_EQ(NiceSpacing(9.5), 10);
  EXPECT_DOUBLE_EQ(NiceSpacing(0.03), 0.02);

  TDrawArea a;
  a.FontHeight = 14;
  a.GraphArea = {41, 41, 969, 669};
  // 928 / 84 = 11 intervals: 240 / 11 = 21.8 -> major 20, minor 4, indices 0..60.
  // 628 / 84 = 7 intervals: 40 / 7 = 5.7 -> major 5, minor 1, indices 0..40.
  TMarkSpacing m = ComputeMarkSpacing(a, {0, 240, 0, 40});
  ASSERT_TRUE(m.valid);
  EXPECT_DOUBLE_EQ(m.sx, 4);
  EXPECT_DOUBLE_EQ(m.sy, 1);
  EXPECT_EQ(m.startX, 0);
  EXPECT_EQ(m.finishX, 60);
  EXPECT_EQ(m.finishY, 40);
  // Reversed y counts the same ticks; a negative range starts below zero.
  m = ComputeMarkSpacing(a, {-40, 0, 100, 60});
  EXPECT_EQ(m.startX, -100);  // 40 / 11 = 3.6 -> major 2, minor 0.4
  EXPECT_EQ(m.startY, 60);
  EXPECT_EQ(m.finishY, 100);
  // A graph shorter than six text heights has no ticks.
  a.GraphArea = {41, 41, 969, 100};
  EXPECT_FALSE(ComputeMarkSpacing(a, {0, 240, 0, 40}).valid);
}

TEST(PlotLayout, TickLabelsAndReadout) {
  EXPECT_EQ(TickLabel(1000), "1000");
  EXPECT_EQ(TickLabel(0.5), "0.5");
  EXPECT_EQ(TickLabel(25000), "2.5E04");  // five integer digits: scientific, two-digit exponent
  EXPECT_EQ(TickLabel(0.000002), "2E-06");
  EXPECT_EQ(TickLabel(5 * 0.2 * 3), "3");
  EXPECT_EQ(ReadoutNumber(123.456), "123.46");
}

TEST(PlotLayout, ZoomRules) {
  const TFloatRect full{0, 1000, 0, 1000};
  struct Case {
    const char* what;
    TFloatPoint a, b;
    TFloatRect expected;
  } cases[] = {
      // A band 10 wide is narrowed to a twentieth of the full range, centred on it.
      {"small band", {400, 200}, {410, 300}, {380, 430, 200, 300}},
      // Near an edge the window shifts back inside the full range.
      {"left edge", {0, 0}, {2, 1000}, {0, 50, 0, 1000}},
      {"right edge", {998, 0}, {1000, 1000}, {950, 1000, 0, 1000}},
      // The corners may come in any order.
      {"corners swapped", {300, 900}, {100, 700}, {100, 300, 700, 900}},
  };
  for (const Case& c : cases) {
    const TFloatRect r = ZoomIn(c.a, c.b, full, false);
    EXPECT_DOUBLE_EQ(r.Left, c.expected.Left) << c.what;
    EXPECT_DOUBLE_EQ(r.Right, c.expected.Right) << c.what;
    EXPECT_DOUBLE_EQ(r.Top, c.expected.Top) << c.what;
    EXPECT_DOUBLE_EQ(r.Bottom, c.expected.Bottom) << c.what;
  }
  // Zooming out of the full range keeps it (the centre is clamped).
  const TFloatRect same = ZoomOut(full, {300, 10}, full, false);
  EXPECT_DOUBLE_EQ(same.Left, 0);
  EXPECT_DOUBLE_EQ(same.Right, 1000);
  EXPECT_DOUBLE_EQ(same.Top, 0);
  EXPECT_DOUBLE_EQ(same.Bottom, 1000);
  // From [380, 430] the width doubles around the click.
  const TFloatRect out = ZoomOut({380, 430, 200, 300}, {405, 250}, full, false);
  EXPECT_DOUBLE_EQ(out.Left, 355);
  EXPECT_DOUBLE_EQ(out.Right, 455);
  EXPECT_DOUBLE_EQ(out.Top, 150);
  EXPECT_DOUBLE_EQ(out.Bottom, 350);

  // An elevation axis keeps the higher end on top, zooming in and out.
  const TFloatRect elevations{0, 10, 100, 60};
  const TFloatRect in = ZoomIn({5, 80}, {6, 81}, elevations, true);
  // A twentieth of 40 is 2, centred on the band's 80.5: 79.5 to 81.5, the higher end on top.
  EXPECT_DOUBLE_EQ(in.Top, 81.5);
  EXPECT_DOUBLE_EQ(in.Bottom, 79.5);
  const TFloatRect back = ZoomOut(in, {5, 80}, elevations, true);
  EXPECT_GT(back.Top, back.Bottom);
}

TEST(PlotLayout, LegendGoesWhereItHidesLeastOfTheCurves) {
  TDrawArea a;
  a.GraphArea = {0, 0, 1000, 600};
  const TFloatRect depth{0, 100, 0, 40};  // depth grows downward
  // A capacity curve from the top-left corner to the bottom-right corner leaves the top-right
  // free: the default bottom-right place would cover its end.
  TGraphPlot capacity;
  Fill(capacity, {{0, 0}, {100, 40}});
  EXPECT_EQ(QuietBoxPlace(capacity, a, depth, 200, 100), (TPixelPoint{796, 4}));
  // With nothing drawn the bottom-right corner is taken.
  capacity.Lines(0).Visible = false;
  EXPECT_EQ(QuietBoxPlace(capacity, a, depth, 200, 100), (TPixelPoint{796, 496}));
}

TEST(PlotLayout, MarkerOutlines) {
  // Square: corners at 45 degrees, radius 3 -> 2.12 -> 2 pixels each way.
  EXPECT_EQ(MarkerOutline(2, 3, 3),
            (std::vector<TPixelPoint>{{2, -2}, {2, 2}, {-2, 2}, {-2, -2}}));
  // Triangle pointing down: first vertex straight below; the 11th line uses it again.
  const std::vector<TPixelPoint> down = MarkerOutline(1, 3, 3);
  ASSERT_EQ(down.size(), 3u);
  EXPECT_EQ(down[0], (TPixelPoint{0, 3}));
  EXPECT_EQ(MarkerOutline(11, 3, 3), down);
  // Pentagon: five vertices, the first straight up.
  const std::vector<TPixelPoint> five = MarkerOutline(5, 3, 3);
  ASSERT_EQ(five.size(), 5u);
  EXPECT_EQ(five[0], (TPixelPoint{0, -3}));
  EXPECT_EQ(CurvePenWidth(96, 1), 1);
  EXPECT_EQ(CurvePenWidth(600, 2), 6);
  EXPECT_EQ(PaletteColour(17), 0x000000u);  // the 18th curve is black again
  EXPECT_EQ(PaletteColour(2), 0xFF0000u);
}

}  // namespace
}  // namespace talmo
