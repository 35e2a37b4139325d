#include "transfer_curves.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

namespace talmo {
namespace {

// Uniform strength profile over the layers [0, bottomIn] (in, psi).
WorkProfile oneLayerProfile(int KSOIL, Real bottomIn, Real tmaxPsi) {
  WorkProfile p;
  p.layers = {{0, bottomIn, KSOIL}};
  p.boundary = {{0, tmaxPsi}, {bottomIn, tmaxPsi}};
  return p;
}

TEST(TransferCurveShapes, ClayTrendForThreeFootShaft) {
  // D = 36 in, tmax = 10 psi: peak 0.955 x 10 at z = 0.008 x 36 = 0.288 in, last point
  // 0.835 x 10 at 0.02 x 36 = 0.72 in.
  const auto c = sideCurve(CurveFamily::cohesive, CurveKind::trend, 36, 10);
  ASSERT_EQ(c.points.size(), 10u);
  EXPECT_EQ(c.points.front().movement, 0);
  EXPECT_EQ(c.points.front().value, 0);
  EXPECT_NEAR(valueAtMovement(c, 0.288f), 9.55f, 1e-4);
  EXPECT_NEAR(valueAtMovement(c, 0.72f), 8.35f, 1e-4);
  EXPECT_NEAR(valueAtMovement(c, 1.0f), 8.35f, 1e-4);  // flat beyond the last point
  // Between points: 0.018 in is half of the first point (0.036, 5.1); 0.054 in is half way
  // from (0.036, 5.1) to (0.072, 7.2).
  EXPECT_NEAR(valueAtMovement(c, 0.018f), 2.55f, 1e-4);
  EXPECT_NEAR(valueAtMovement(c, 0.054f), 6.15f, 1e-4);
  EXPECT_EQ(valueAtMovement(c, -1), 0);  // a movement below the origin carries nothing
}

TEST(TransferCurveShapes, SandUpperBoundIsFlatAtTmaxFromSixTenthsPercentOfDiameter) {
  // The line reaches 0.98 tmax at z = 0.005 D and tmax at 0.006 D (0.216 in for D = 36 in).
  const auto c = sideCurve(CurveFamily::cohesionless, CurveKind::upperBound, 36, 10);
  EXPECT_NEAR(valueAtMovement(c, 0.18f), 9.8f, 1e-4);
  for (Real z : {0.216f, 0.25f, 0.5f, 0.72f, 3.0f}) EXPECT_NEAR(valueAtMovement(c, z), 10, 1e-4) << z;
}

TEST(TransferCurveShapes, EachLineHasItsOwnValues) {
  // One point of every line (family x kind x side/base), so swapped rows or kinds show up.
  struct Case {
    bool side;
    CurveFamily family;
    CurveKind kind;
    Real fraction;  // z / D or w / B
    Real expected;  // t / tmax or Q / Qb
  };
  const Case cases[] = {
      {true, CurveFamily::cohesionless, CurveKind::trend, 0.003f, 0.72f},
      {true, CurveFamily::cohesionless, CurveKind::upperBound, 0.002f, 0.76f},
      {true, CurveFamily::cohesionless, CurveKind::lowerBound, 0.012f, 0.93f},
      {true, CurveFamily::cohesive, CurveKind::trend, 0.016f, 0.9f},
      {true, CurveFamily::cohesive, CurveKind::upperBound, 0.005f, 1.01f},
      {true, CurveFamily::cohesive, CurveKind::lowerBound, 0.02f, 0.75f},
      {false, CurveFamily::cohesionless, CurveKind::trend, 0.1f, 1.46f},
      {false, CurveFamily::cohesionless, CurveKind::upperBound, 0.025f, 0.76f},
      {false, CurveFamily::cohesionless, CurveKind::lowerBound, 0.04f, 0.8f},
      {false, CurveFamily::cohesive, CurveKind::trend, 0.005f, 0.395f},
      {false, CurveFamily::cohesive, CurveKind::upperBound, 0.07f, 0.994f},
      {false, CurveFamily::cohesive, CurveKind::lowerBound, 0.015f, 0.54f},
  };
  for (const auto& c : cases) {
    const auto curve = c.side ? sideCurve(c.family, c.kind, 100, 1) : baseCurve(c.family, c.kind, 100, 1);
    EXPECT_NEAR(valueAtMovement(curve, c.fraction * 100), c.expected, 1e-5)
        << (c.side ? "side " : "base ") << static_cast<int>(c.family) << " kind " << static_cast<int>(c.kind);
  }
}

TEST(TransferCurveShapes, FamilyBySoilType) {
  for (int KSOIL = 1; KSOIL <= 9; ++KSOIL) {
    EXPECT_EQ(sideCurveFamily(KSOIL), KSOIL == 1 ? CurveFamily::cohesionless : CurveFamily::cohesive) << KSOIL;
    const bool granularTip = KSOIL == 1 || KSOIL == 8 || KSOIL == 9;
    EXPECT_EQ(baseCurveFamily(KSOIL), granularTip ? CurveFamily::cohesionless : CurveFamily::cohesive) << KSOIL;
  }
}

TEST(TransferCurveShapes, BelledBaseScalesWithBellDiameter) {
  // 3-ft shaft with a 6-ft bell: B = 72 in, last point at 0.1 x 72 = 7.2 in. A gravel tip takes
  // the cohesionless line: 1.46 Qb there.
  const auto r = buildBaseCurve(oneLayerProfile(9, 600, 10), 9, 480, 36, 72, 1000, CurveKind::trend);
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(r.curve.points.size(), 10u);
  EXPECT_NEAR(r.curve.points.back().movement, 7.2f, 1e-5);
  EXPECT_NEAR(r.curve.points.back().value, 1460, 1e-2);
  // A straight shaft (Bb = 0) uses its own diameter.
  const auto straight = buildBaseCurve(oneLayerProfile(9, 600, 10), 9, 480, 36, 0, 1000, CurveKind::trend);
  EXPECT_NEAR(straight.curve.points.back().movement, 3.6f, 1e-5);
}

TEST(TransferProfile, InterpolatesTakesLowerLayerAtBoundaryAndFlagsExtent) {
  // Two layers meeting at 120 in; the boundary appears twice, once per layer.
  const std::vector<StrengthPoint> p = {{0, 2}, {120, 4}, {120, 8}, {240, 10}};
  struct Case {
    Real depth, value;
    bool beyond;
  };
  const Case cases[] = {
      {60, 3, false},     {120, 8, false},    {180, 9, false}, {-5, 2, false},
      {240.05f, 10, false},  // within 0.1 in of the last point
      {240.2f, 10, true},
  };
  for (const auto& c : cases) {
    const auto r = interpolateProfile(p, c.depth);
    EXPECT_NEAR(r.value, c.value, 1e-5) << c.depth;
    EXPECT_EQ(r.beyondExtent, c.beyond) << c.depth;
  }
  // Points closer than the threshold count as one: their mean, never a division by ~0.
  const std::vector<StrengthPoint> close = {{100, 1}, {100.0005f, 3}};
  EXPECT_NEAR(interpolateProfile(close, 100.0002f).value, 2, 1e-5);
  EXPECT_TRUE(interpolateProfile({}, 10).beyondExtent);
}

TEST(TransferProfile, SideTransferInterpolatesBetweenCurvesInDepth) {
  // Clay curves of a 36-in shaft at 100 in (tmax 10) and 200 in (tmax 20); at z = 0.288 in they
  // give 9.55 and 19.1 psi.
  std::vector<TransferCurve> curves = {sideCurve(CurveFamily::cohesive, CurveKind::trend, 36, 10),
                                       sideCurve(CurveFamily::cohesive, CurveKind::trend, 36, 20)};
  curves[0].depth = 100;
  curves[1].depth = 200;
  EXPECT_NEAR(sideTransferAt(curves, 150, 0.288f).value, 14.325f, 1e-4);
  EXPECT_NEAR(sideTransferAt(curves, 100, 0.288f).value, 9.55f, 1e-4);
  const auto nearBottom = sideTransferAt(curves, 200.05f, 0.288f);
  EXPECT_NEAR(nearBottom.value, 19.1f, 1e-4);
  EXPECT_FALSE(nearBottom.beyondExtent);
  EXPECT_TRUE(sideTransferAt(curves, 250, 0.288f).beyondExtent);
  EXPECT_TRUE(sideTransferAt(curves, 50, 0.288f).beyondExtent);
}

TEST(TransferProfile, OnwardSearchGivesTheValueOfAFullSearchFromAnyStart) {
  // The solver's trials start the movement search where the last one ended; the value must be
  // the same bits as a search from the first point, whatever the start, also where a curve of
  // zero diameter has all its points at one movement or the movement is not a number.
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  for (Real D : {36.0f, 0.0f}) {
    std::vector<TransferCurve> curves = {sideCurve(CurveFamily::cohesive, CurveKind::trend, D, 10),
                                         sideCurve(CurveFamily::cohesionless, CurveKind::upperBound, D, 20)};
    curves[0].depth = 100;
    curves[1].depth = 200;
    ASSERT_TRUE(movementsAscend(curves[0]));
    for (Real depth : {50.0f, 100.0f, 137.5f, 200.0f, 260.0f}) {
      const DepthTransfer transfer(curves, depth, shareMovements(curves));
      for (Real z : {-1.0f, 0.0f, 0.036f, 0.05f, 0.072f, 0.3f, 0.72f, 5.0f, nan}) {
        const auto expected = std::bit_cast<std::uint32_t>(transfer.valueAt(z));
        for (std::size_t start : {0, 3, 9, 10, 40}) {
          std::size_t k = start;
          EXPECT_EQ(std::bit_cast<std::uint32_t>(transfer.valueAt(z, k)), expected)
              << "D " << D << ", depth " << depth << ", z " << z << ", start " << start;
        }
      }
    }
  }
  TransferCurve unordered;
  unordered.points = {{0, 0}, {0.2f, 1}, {0.1f, 2}};
  EXPECT_FALSE(movementsAscend(unordered));
  unordered.points = {{0, 0}, {nan, 1}};
  EXPECT_FALSE(movementsAscend(unordered));
}

TEST(TransferCurveSites, FivePerLayerWithLowerLayersStartingOneFootIn) {
  std::vector<TransferLayer> layers;
  for (int j = 0; j < 4; ++j) layers.push_back({120.0f * j, 120.0f * (j + 1), j + 1});
  const auto sites = curveSites(layers);
  ASSERT_EQ(sites.size(), 20u);
  const Real firstLayer[] = {0, 30, 60, (60 + 119.99f) / 2, 119.99f};
  for (int k = 0; k < 5; ++k) EXPECT_NEAR(sites[k].depth, firstLayer[k], 1e-4) << k;
  EXPECT_NEAR(sites[5].depth, 132.01f, 1e-4);  // 12.01 in below the second layer's top
  EXPECT_EQ(sites[5].KSOIL, 2);
  EXPECT_EQ(sites[19].KSOIL, 4);
}

TEST(TransferCurveSites, ThinLayerSitesStayInOrderAndInsideTheLayer) {
  // A 2-ft layer below the first: one foot below its top (132.01) would pass its centre (132).
  const std::vector<TransferLayer> layers = {{0, 120, 2}, {120, 144, 1}, {144, 144.1f, 2}};
  const auto sites = curveSites(layers);
  ASSERT_EQ(sites.size(), 15u);
  for (std::size_t m = 1; m < sites.size(); ++m) EXPECT_LE(sites[m - 1].depth, sites[m].depth) << m;
  const Real second[] = {126, 132, 132, 137.995f, 143.99f};
  for (int k = 0; k < 5; ++k) EXPECT_NEAR(sites[5 + k].depth, second[k], 1e-3) << k;
  for (int k = 10; k < 15; ++k) {
    EXPECT_GE(sites[k].depth, 144);
    EXPECT_LE(sites[k].depth, 144.1f);
  }
}

TEST(TransferCurveBuild, WorkProfileConvertsUnitsAndMendsLayers) {
  // A zero-thickness layer gets 0.1 in; the next one starts at its new bottom.
  const std::vector<TransferLayer> layers = {{0, 10, 2}, {10, 10, 1}, {10, 20, 2}};
  const std::vector<StrengthPoint> tsf = {{0, 0.72f}, {20, 1.44f}};
  const auto w = workProfile(layers, tsf, tsf);
  ASSERT_EQ(w.layers.size(), 3u);
  EXPECT_NEAR(w.layers[1].XTOP, 120, 1e-4);
  EXPECT_NEAR(w.layers[1].XBOT, 120.1f, 1e-4);
  EXPECT_NEAR(w.layers[2].XTOP, 120.1f, 1e-4);
  EXPECT_NEAR(w.layers[2].XBOT, 240, 1e-4);
  EXPECT_NEAR(w.boundary[1].depth, 240, 1e-4);
  EXPECT_NEAR(w.boundary[0].value, 10, 1e-4);  // 0.72 tsf x 2000 / 144
  EXPECT_NEAR(w.oneFoot[1].value, 20, 1e-4);
}

TEST(TransferCurveBuild, OneFootProfileGivesTmaxExceptAtTheDeepestSite) {
  WorkProfile p = oneLayerProfile(2, 240, 13);
  for (int ft = 1; ft <= 20; ++ft) p.oneFoot.push_back({12.0f * ft, 10});
  const auto set = buildSideCurves(p, 36, CurveKind::trend);
  ASSERT_EQ(set.status, 0);
  ASSERT_EQ(set.curves.size(), 5u);
  for (int m = 0; m < 4; ++m) EXPECT_NEAR(set.curves[m].tmax, 10, 1e-5) << m;
  EXPECT_NEAR(set.curves[4].tmax, 13, 1e-5);
  EXPECT_NEAR(set.curves[4].depth, 239.99f, 1e-4);
  EXPECT_NEAR(valueAtMovement(set.curves[0], 0.288f), 9.55f, 1e-4);  // clay trend shape

  // Without a one-foot profile the boundary profile serves every site.
  p.oneFoot.clear();
  for (const auto& c : buildSideCurves(p, 36, CurveKind::trend).curves) EXPECT_NEAR(c.tmax, 13, 1e-5);
}

TEST(TransferCurveBuild, SiteBelowStrengthProfileStopsWithStatus2) {
  // Layer to 240 in, profile only to 120 in: the site at 180 in is 60 in beyond it.
  WorkProfile p = oneLayerProfile(2, 240, 10);
  p.boundary = {{0, 10}, {120, 10}};
  const auto set = buildSideCurves(p, 36, CurveKind::trend);
  EXPECT_EQ(set.status, kStatusStrengthCurveDepth);
  EXPECT_EQ(set.curves.size(), 3u);  // 0, 60 and 120 in were built
  const std::vector<std::string> expected = {
      "**** WARNING ****", "THE VALUE OF X = 0.180E+03IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1"};
  EXPECT_EQ(set.warningLines, expected);
}

TEST(TransferCurveBuild, CohesiveTipBelowStrengthProfileStopsWithStatus4) {
  const WorkProfile p = oneLayerProfile(2, 240, 10);
  const auto clay = buildBaseCurve(p, 2, 300, 36, 0, 1000, CurveKind::trend);
  EXPECT_EQ(clay.status, kStatusStrengthCurveValue);
  EXPECT_TRUE(clay.curve.points.empty());
  const std::vector<std::string> expected = {
      "**** WARNING ****", "THE VALUE OF X = 0.30E+03 IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE"};
  EXPECT_EQ(clay.warningLines, expected);
  // A sand tip is built without the check; a clay tip at the profile bottom passes it.
  EXPECT_EQ(buildBaseCurve(p, 1, 300, 36, 0, 1000, CurveKind::trend).status, 0);
  EXPECT_EQ(buildBaseCurve(p, 2, 240, 36, 0, 1000, CurveKind::trend).status, 0);
}

TEST(TransferCurveBuild, ExtraCurvesAtRequestedDepths) {
  WorkProfile p;
  p.layers = {{0, 120, 2}, {120, 240, 1}};
  p.boundary = {{0, 2}, {120, 4}, {120, 8}, {240, 10}};
  const std::vector<Real> depths = {60, 120, 300};
  const auto set = extraSideCurves(p, depths, 36, CurveKind::lowerBound);
  ASSERT_EQ(set.curves.size(), 3u);
  EXPECT_EQ(set.curves[0].KSOIL, 2);
  EXPECT_NEAR(set.curves[0].tmax, 3, 1e-5);
  EXPECT_EQ(set.curves[1].KSOIL, 1);  // a boundary belongs to the layer below it
  EXPECT_NEAR(set.curves[1].tmax, 8, 1e-5);
  // Below the profile: deepest layer, last value, status 2 with its warning.
  EXPECT_EQ(set.curves[2].KSOIL, 1);
  EXPECT_NEAR(set.curves[2].tmax, 10, 1e-5);
  EXPECT_EQ(set.status, kStatusStrengthCurveDepth);
  ASSERT_EQ(set.warningLines.size(), 2u);
  // Sand lower bound at z = 0.003 D: 0.54 tmax.
  EXPECT_NEAR(valueAtMovement(set.curves[1], 0.108f), 0.54f * 8, 1e-4);
}

TEST(TransferCurveBuild, ExtentWarningTexts) {
  EXPECT_EQ(extentWarningLines(kStatusTransferLimit, 90)[1],
            "THE VALUE OF X = 0.900E+02 IS BEYOND THE EXTENT OF THE INPUT LOAD TRANSFER CURVES");
  EXPECT_TRUE(extentWarningLines(7, 90).empty());
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

// Curves longer than the points kept inside the object (a socket's head curve) move to the heap
// and back without losing or reordering a point.
TEST(CurvePointStorage, LongCurvesKeepEveryPointThroughCopiesAndResizes) {
  const std::size_t inside = CurvePoints::kInlinePoints;
  CurvePoints points;
  for (std::size_t k = 0; k < inside + 4; ++k) points.push_back({static_cast<Real>(k), static_cast<Real>(10 * k)});
  ASSERT_EQ(points.size(), inside + 4);
  const CurvePoints copy = points;
  for (std::size_t k = 0; k < copy.size(); ++k) {
    EXPECT_EQ(copy[k].movement, static_cast<Real>(k));
    EXPECT_EQ(copy[k].value, static_cast<Real>(10 * k));
  }
  points.resize(3);  // back inside the object
  ASSERT_EQ(points.size(), 3u);
  EXPECT_EQ(points.back().value, 20);
  points.resize(inside + 1);  // new points are the origin
  EXPECT_EQ(points[2].value, 20);
  EXPECT_EQ(points[3].movement, 0);
  EXPECT_EQ(points.back().value, 0);
  EXPECT_EQ(std::distance(points.begin(), points.end()), static_cast<std::ptrdiff_t>(inside + 1));

  // The value look-up reads a heap-held curve like a short one: 15.5 between (1, 10) and (2, 20)
  // of the copy's points; beyond the last point its value.
  TransferCurve curve;
  curve.points = copy;
  EXPECT_FLOAT_EQ(valueAtMovement(curve, 1.55f), 15.5f);
  EXPECT_EQ(valueAtMovement(curve, 1000), static_cast<Real>(10 * (inside + 3)));
}

}  // namespace
}  // namespace talmo
