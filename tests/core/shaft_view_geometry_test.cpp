// Geometry of the elevation and 3D views, worked out by hand for small profiles.
#include <gtest/gtest.h>

#include <cmath>

#include "PlotModel.h"
#include "ProgramData.h"
#include "ShaftViewGeometry.h"

namespace talmo {
namespace {

// 3 ft shaft, bell ratio 2 at 30 degrees, 5 ft excluded at the top and 2 ft at the bottom,
// 40 ft long, clay to 15 ft over sand to 40 ft. Bell height 3 (2 - 1) / 2 / tan 30 = 2.598076.
TShaftProfile belledShaft() {
  TShaftProfile s;
  s.D = 3;
  s.R = 2;
  s.A = 30;
  s.T = 5;
  s.B = 2;
  s.L = 40;
  s.W = 50;
  s.layers = {{kSoilClay, 15}, {kSoilSand, 40}};
  return s;
}

TEST(ElevationGeometry, BelledShaftPartsStackFromTheGroundToTheBellBase) {
  const auto parts = ElevationParts(belledShaft());
  ASSERT_EQ(parts.size(), 4u);
  const double hb = 2.598076;
  // (top y, bottom y, top width, bottom width, fill) of each part; the ground lies at 2D = 6.
  const struct {
    double top, bottom, topWidth, bottomWidth;
    TRgb fill;
  } expected[] = {{6, 11, 3, 3, {255, 0, 0}},
                  {11, 44 - hb, 3, 3, {128, 128, 128}},
                  {44 - hb, 46 - hb, 3, 3, {0, 0, 255}},
                  {46 - hb, 46, 3, 6, {128, 128, 128}}};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const auto& c = parts[i].corners;
    EXPECT_NEAR(c[0].y, expected[i].top, 1e-5);
    EXPECT_NEAR(c[1].y, expected[i].top, 1e-5);
    EXPECT_NEAR(c[2].y, expected[i].bottom, 1e-5);
    EXPECT_NEAR(c[1].x - c[0].x, expected[i].topWidth, 1e-9);
    EXPECT_NEAR(c[3].x - c[2].x, expected[i].bottomWidth, 1e-9);
    EXPECT_DOUBLE_EQ(c[0].x, -c[1].x);  // centred on the axis
    EXPECT_EQ(parts[i].fill, expected[i].fill);
  }
}

TEST(ElevationGeometry, ModelWindowKeepsTrueProportions) {
  const TShaftProfile s = belledShaft();
  const TViewRect extent = ElevationExtent(s, ElevationParts(s));
  EXPECT_DOUBLE_EQ(extent.Left, -3);
  EXPECT_DOUBLE_EQ(extent.Right, 3);
  EXPECT_DOUBLE_EQ(extent.Top, 0);
  EXPECT_DOUBLE_EQ(extent.Bottom, 46);  // bell base 6 + 40 and last layer 6 + 40
  // Extent 6 wide, 46 high. A 600 x 460 area is 10 times wider: the profile keeps its full
  // height and the window widens across.
  auto wide = ElevationWindow(extent, 600, 460);
  ASSERT_TRUE(wide);
  EXPECT_NEAR(wide->Left, -30, 1e-9);
  EXPECT_NEAR(wide->Right, 30, 1e-9);
  EXPECT_NEAR(wide->Bottom, 46, 1e-9);
  // A 100 x 1000 area is narrower (a = 0.1 / (6 / 46)): the full width shows, space below.
  auto tall = ElevationWindow(extent, 100, 1000);
  ASSERT_TRUE(tall);
  EXPECT_NEAR(tall->Left, -3, 1e-9);
  EXPECT_NEAR(tall->Top, 0, 1e-9);
  EXPECT_NEAR(tall->Bottom, 60, 1e-9);
}

TEST(ElevationGeometry, StraightShaftAboveDeeperLayersAndEmptyProfiles) {
  TShaftProfile s;
  s.D = 2;
  s.R = 1;
  s.A = 45;
  s.L = 20;
  s.layers = {{kSoilSand, 30}};
  const auto parts = ElevationParts(s);
  EXPECT_DOUBLE_EQ(parts[0].corners[2].y, parts[0].corners[0].y);  // no excluded top
  EXPECT_DOUBLE_EQ(parts[1].corners[2].y, 24);
  EXPECT_DOUBLE_EQ(parts[3].corners[0].y, parts[3].corners[2].y);  // flat bell ...
  EXPECT_DOUBLE_EQ(parts[3].corners[3].x - parts[3].corners[2].x, 2);  // ... of the shaft's width
  EXPECT_DOUBLE_EQ(ElevationExtent(s, parts).Bottom, 34);  // down to the layer at 4 + 30

  TShaftProfile nothing;  // no diameter, no layers: nothing to draw
  EXPECT_FALSE(ElevationWindow(ElevationExtent(nothing, ElevationParts(nothing)), 400, 300));
  EXPECT_FALSE(ElevationWindow({-1, 1, 0, 10}, 0, 300));
}

TEST(ShaftProfile, LengthOfDesignLoadProjectsAndMissingLengthsComesFromTheLayersWithoutWriting) {
  TProjectTables tables;
  TProgramData project(tables);
  tables.D().SetRowCount(2);
  tables.D().SetIntValue(kLayerSoilType, 0, kSoilClay);
  tables.D().SetFloatValue(kLayerDepth, 0, 12);
  tables.D().SetIntValue(kLayerSoilType, 1, kSoilSand);
  tables.D().SetFloatValue(kLayerDepth, 1, 55);
  project.DSTART = 3;
  project.ResetChanged();
  const struct {
    int method;
    double PD, drawn;
  } cases[] = {{2, 40, 40}, {2, 0, 55}, {1, 40, 55}};
  for (const auto& c : cases) {
    project.METHOD = c.method;
    project.PD = c.PD;
    const TShaftProfile s = ShaftProfileOf(project);
    EXPECT_DOUBLE_EQ(s.L, c.drawn);
    EXPECT_DOUBLE_EQ(project.PD, c.PD);  // the stored length and the design load stay
    ASSERT_EQ(s.layers.size(), 2u);
    EXPECT_DOUBLE_EQ(s.LayerTop(1), 12);
  }
  EXPECT_FALSE(project.Changed());
}

TEST(BlockGeometry, ExtentsFitScaleAndDepthRange) {
  TShaftProfile s = belledShaft();
  s.layers.push_back({kSoilSand, 60});
  TBlockExtents e = BlockExtents(s);
  EXPECT_DOUBLE_EQ(e.G, 50);  // the water-table depth exceeds 12.5 D = 37.5
  EXPECT_DOUBLE_EQ(e.Zmax, 60);
  EXPECT_DOUBLE_EQ(e.H, 120);
  EXPECT_DOUBLE_EQ(e.Width, 100);
  // 850 x 650 pixels: across (850 - 50) / 100 = 8, down (650 - 50) / 120 = 5.
  EXPECT_DOUBLE_EQ(BlockFitScale(e, 850, 650), 5);
  // m = min(2G, 25 D) = 75; half the smaller side 325; 325 x 640 x 120 / 75.
  EXPECT_DOUBLE_EQ(BlockDepthRange(e, s.D, 850, 650), 332800);

  s.W = 0;  // no water table: G = 12.5 D
  e = BlockExtents(s);
  EXPECT_DOUBLE_EQ(e.G, 37.5);
  EXPECT_DOUBLE_EQ(BlockFitScale(BlockExtents(TShaftProfile{}), 850, 650), 1);  // nothing to fit
  EXPECT_DOUBLE_EQ(BlockDepthRange(BlockExtents(TShaftProfile{}), 0, 850, 650), 425);
}

TEST(BlockGeometry, ValueLabelsAndLayerNames) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{123.4567, "123.457"}, {-2.5, "-2.500"},       {100000, "1.000E+05"},
               {0.0005, "5.000E-04"}, {0.001, "1.000E-03"}, {0, "0.000"}};
  for (const auto& c : cases) EXPECT_EQ(BlockValueLabel(c.value), c.text) << c.value;
  EXPECT_EQ(BlockSoilName(4, 2), "Strong Rock(FHWA)");
  EXPECT_EQ(BlockSoilName(12, 3), "Layer 3");
  EXPECT_EQ(ElevationSoilName(5), "Decomposed Rock/Gravel");
}

// A combined plot of three lines at depths 0, 10, 20.
void fillCombined(TGraphPlot& plot, double depthBase, double sign) {
  plot.SetLineCount(3);
  plot.SetCount(3);
  const double values[3][3] = {{0, 100, 200}, {0, 50, 400}, {0, 150, 600}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) plot.Data(i, j) = {values[i][j], depthBase + sign * 10 * j};
}

TEST(BlockCurves, ValuesScaleToTwiceTheDiameterTimesTheFactor) {
  TShaftProfile s;
  s.D = 2;
  TGraphPlot plot;
  fillCombined(plot, 0, 1);
  // E = 600, P = 2 x 2 x 1.5 = 6: a value v lies at x = 2 + v / 100.
  auto strips = CombinedCurveStrips(plot, s, false, 0, 1.5);
  ASSERT_EQ(strips.size(), 3u);
  const auto& q = strips[0].quads;
  ASSERT_EQ(q.size(), 2u);
  const double expected[4][2] = {{2, -10}, {2, 0}, {2, 0}, {3, -10}};
  for (int k = 0; k < 4; ++k) {
    EXPECT_DOUBLE_EQ(q[0][k].x, expected[k][0]);
    EXPECT_DOUBLE_EQ(q[0][k].y, expected[k][1]);
  }
  EXPECT_DOUBLE_EQ(strips[1].maxValue, 400);
  EXPECT_DOUBLE_EQ(strips[1].maxDepth, 20);
  EXPECT_DOUBLE_EQ(strips[2].labelX, 3 + 6);  // 1.5 D + 600 / 600 x 6

  // Elevations (top 100) read back as depths; an excluded bottom does not move the points:
  // the capacity of a 20 ft shaft stays level with its tip at 20 ft.
  TGraphPlot elevations;
  fillCombined(elevations, 100, -1);
  s.B = 4;
  strips = CombinedCurveStrips(elevations, s, true, 100, 1.5);
  EXPECT_DOUBLE_EQ(strips[0].quads[0][0].y, -10);
  EXPECT_DOUBLE_EQ(strips[0].quads[0][1].y, 0);
  EXPECT_DOUBLE_EQ(strips[0].maxDepth, 20);
}

TEST(BlockCurves, AllZeroOrEmptyPlotsDrawNothing) {
  TShaftProfile s;
  s.D = 2;
  TGraphPlot plot;
  EXPECT_TRUE(CombinedCurveStrips(plot, s, false, 0, 1).empty());
  plot.SetLineCount(3);
  plot.SetCount(4);
  EXPECT_TRUE(CombinedCurveStrips(plot, s, false, 0, 1).empty());
}

TEST(SizeFactor, StepsAlongTheLadderOfItsDecade) {
  const struct {
    double factor;
    bool up;
    double next;
  } cases[] = {{1, false, 0.9}, {9, true, 10},   {10, true, 20},  {0, true, 1},     {0, false, 1},
               {-5, true, 1},   {20, false, 10}, {0.3, false, 0.2}, {0.3, true, 0.4}, {0.1, false, 0.09},
               {2.5, true, 3}};
  for (const auto& c : cases)
    EXPECT_NEAR(StepSizeFactor(c.factor, c.up), c.next, 1e-12) << c.factor << (c.up ? " up" : " down");
}

}  // namespace
}  // namespace talmo
