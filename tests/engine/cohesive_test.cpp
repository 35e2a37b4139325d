#include "cohesive.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

Layer cohesiveLayer(int KSOIL, Real xtop, Real xbot, Real cuTop, Real cuBottom) {
  Layer l;
  l.KSOIL = KSOIL;
  l.XTOP = xtop;
  l.XBOT = xbot;
  l.top.CU = cuTop;
  l.bottom.CU = cuBottom;
  return l;
}

RunModel uplift(Real RCYCL, Real RATIO) {
  RunModel run;
  run.KCYCL = 2;
  run.RCYCL = RCYCL;
  run.RATIO = RATIO;
  return run;
}

TEST(CohesiveDefaults, AlphaFollowsStrengthInAtmospheres) {
  struct Case { Real CU; Real alpha; };
  const Case cases[] = {
      {0, 0.55f},       // strength from blow counts only
      {2116.8f, 0.55f}, // r = 1
      {3175.2f, 0.55f}, // r = 1.5, end of the constant range
      {4233.6f, 0.50f}, // r = 2: 0.55 - 0.1 x 0.5
      {6000, 0.40f},    // r = 2.83
  };
  for (const Case& c : cases) EXPECT_NEAR(defaultAlpha(c.CU), c.alpha, 1e-5f) << "CU " << c.CU;
}

TEST(CohesiveDefaults, NcGrowsWithDepthUpToTheTypeCap) {
  EXPECT_NEAR(defaultNc(0, 3, kClay), 6.0f, 1e-5f);
  EXPECT_NEAR(defaultNc(5, 10, kClay), 6.6f, 1e-5f);  // 6 (1 + 0.2 x 0.5)
  EXPECT_NEAR(defaultNc(10, 3, kClay), 9.0f, 1e-5f);  // 6 (1 + 0.2 x 10/3) = 10, capped
  EXPECT_NEAR(defaultNc(10, 3, kClayShale), 7.0f, 1e-5f);
  EXPECT_NEAR(defaultNc(10, 0, kClay), 9.0f, 1e-5f);  // no diameter: cap, not a division by 0
}

TEST(CohesiveDefaults, LayerEndsAreEstimatedOnlyWhenBothEntriesAreZero) {
  Layer clay = cohesiveLayer(kClay, 10, 20, 2116.8f, 4233.6f);
  CohesiveDefaults d = cohesiveDefaults(clay, 3);
  EXPECT_TRUE(d.alphaEstimated);
  EXPECT_NEAR(d.alphaTop, 0.55f, 1e-5f);
  EXPECT_NEAR(d.alphaBottom, 0.50f, 1e-5f);
  EXPECT_TRUE(d.ncEstimated);
  EXPECT_NEAR(d.NCTop, 9.0f, 1e-5f);
  EXPECT_NEAR(d.NCBottom, 9.0f, 1e-5f);

  clay.KSOIL = kClayShale;
  d = cohesiveDefaults(clay, 3);
  EXPECT_NEAR(d.NCTop, 7.0f, 1e-5f);
  EXPECT_NEAR(d.NCBottom, 7.0f, 1e-5f);

  // One entered end keeps the pair as entered, unmarked.
  clay.top.COEF = 0.3f;
  clay.bottom.NC = 8;
  d = cohesiveDefaults(clay, 3);
  EXPECT_FALSE(d.alphaEstimated);
  EXPECT_EQ(d.alphaTop, 0.3f);
  EXPECT_EQ(d.alphaBottom, 0.0f);
  EXPECT_FALSE(d.ncEstimated);
  EXPECT_EQ(d.NCTop, 0.0f);
  EXPECT_EQ(d.NCBottom, 8.0f);
}

TEST(CohesiveSide, AlphaTimesStrength) {
  struct Case {
    const char* name;
    int KSOIL;
    Real alpha, CU, N;
    RunModel run;
    Real f;       // tsf
    Real suSide;  // psf
  };
  const Case cases[] = {
      // 0.55 x 1000 / 2000
      {"clay", kClay, 0.55f, 1000, 0, RunModel{}, 0.275f, 1000},
      // no strength: 200 N = 4000 psf; 0.55 x 4000 / 2000
      {"clay from N", kClay, 0.55f, 0, 20, RunModel{}, 1.1f, 4000},
      // no strength: 2000 x 20 / 53 = 754.717 psf; 0.55 x 754.717 / 2000
      {"shale from N", kClayShale, 0.55f, 0, 20, RunModel{}, 0.207547f, 754.717f},
      // uplift with a bell: 1000 x 0.7 x 2 = 1400; 0.5 x 1400 / 2000
      {"uplift, belled", kClay, 0.5f, 1000, 0, uplift(0.7f, 2), 0.35f, 1000},
      // uplift, ratio below 1 ignored: 1000 x 0.7; 0.5 x 700 / 2000
      {"uplift, straight", kClay, 0.5f, 1000, 0, uplift(0.7f, 0.5f), 0.175f, 1000},
      {"alpha zero", kClay, 0, 1000, 0, RunModel{}, 0, 1000},
      {"alpha negative", kClay, -0.2f, 1000, 0, RunModel{}, 0, 1000},
      {"no strength, no N", kClay, 0.55f, 0, 0, RunModel{}, 0, 0},
  };
  for (const Case& c : cases) {
    LayerEnd at;
    at.COEF = c.alpha;
    at.CU = c.CU;
    at.BLOWS = c.N;
    const CohesiveSide s = cohesiveSide(c.KSOIL, at, c.run);
    EXPECT_NEAR(s.f, c.f, 1e-5f) << c.name;
    EXPECT_NEAR(s.CU, c.suSide, 1e-2f) << c.name;
  }
}

TEST(CohesiveSide, ClayWithoutStrengthWarnsAtEveryStepShaleDoesNot) {
  LayerEnd at;
  at.COEF = 0.55f;
  at.BLOWS = 20;
  const std::vector<std::string> warning = {
      "*********************WARNING**********************",
      "THE PREDICTED LOAD TRANSFER IN CLAY BASED ON THE N-VALUE",
      "FROM STANDARD PENETRATION TESTS IS NOT RECOMMENDED FOR",
      "THE FINAL DESIGN.  PLEASE INPUT THE UNDRAIDED SHEAR",
      "STRENGTH FOR CLAY LAYERS IN THE FINAL DESIGN.",
  };
  EXPECT_EQ(cohesiveSide(kClay, at, RunModel{}).reportLines, warning);
  at.BLOWS = 0;  // nothing at all still warns
  EXPECT_EQ(cohesiveSide(kClay, at, RunModel{}).reportLines, warning);
  EXPECT_TRUE(cohesiveSide(kClayShale, at, RunModel{}).reportLines.empty());
  at.CU = 500;
  EXPECT_TRUE(cohesiveSide(kClay, at, RunModel{}).reportLines.empty());
}

TEST(CohesiveTip, StrengthFromCuOrBlowCounts) {
  // CU entries 0: su = N / 10 = 2 tsf for both types; Bb = 3 ft (no reduction),
  // Ab = 0.7854 x 9 = 7.0686; q = 2 x 9 = 18; Q = 127.235 tons.
  for (int type : {kClay, kClayShale}) {
    const Layer l = cohesiveLayer(type, 10, 30, 0, 0);
    LayerEnd at;
    at.BLOWS = 20;
    at.NC = 9;
    const CohesiveTip t = cohesiveTip(l, at, 20, 3);
    EXPECT_NEAR(t.su, 2.0f, 1e-6f);
    EXPECT_NEAR(t.q, 18.0f, 1e-5f);
    EXPECT_EQ(t.Fr, 1.0f);
    EXPECT_NEAR(t.Q, 127.235f, 1e-3f);
  }
  // A layer with strength at one end uses the interpolated CU even where it is 0.
  const Layer l = cohesiveLayer(kClay, 10, 30, 0, 2000);
  LayerEnd at;
  at.BLOWS = 20;
  at.NC = 9;
  EXPECT_EQ(cohesiveTip(l, at, 11, 3).Q, 0.0f);
}

TEST(CohesiveTip, LargeBaseReduction) {
  // Clay shale, Nc = 7; Q = su x 7 x 0.7854 Bb2 x Fr.
  struct Case {
    Real CU, depth, Bb;
    Real Fr, Q;
  };
  const Case cases[] = {
      // su = 2: a = 0.0071 + 0.0021 x 40/8 = 0.0176 -> 0.015; b = 0.45 x 2 = 0.9;
      // Fr = 2.5 / (0.015 x 96 + 2.25) = 0.677507; Q = 14 x 50.2656 x Fr
      {4000, 40, 8, 0.677507f, 476.774f},
      // su = 10: a -> 0.015; b = 0.45 x sqrt(20) = 2.01 -> 1.5; Fr = 2.5 / (1.8 + 3.75) = 0.450450;
      // Q = 70 x 78.54 x Fr
      {20000, 100, 10, 0.450450f, 2476.486f},
      // su = 0.5: a = 0.0071 + 0.0021 x 1.25 = 0.009725; b = 0.45 -> 0.5;
      // 2.5 / (0.9336 + 1.25) = 1.145 -> 1; Q = 3.5 x 50.2656
      {1000, 10, 8, 1.0f, 175.930f},
      // 6.25 ft is not yet a large base: Q = 14 x 30.6797
      {4000, 40, 6.25f, 1.0f, 429.516f},
  };
  for (const Case& c : cases) {
    const Layer l = cohesiveLayer(kClayShale, 0, 200, c.CU, c.CU);
    LayerEnd at;
    at.CU = c.CU;
    at.NC = 7;
    const CohesiveTip t = cohesiveTip(l, at, c.depth, c.Bb);
    EXPECT_NEAR(t.Fr, c.Fr, 1e-5f) << "Bb " << c.Bb;
    EXPECT_NEAR(t.Q, c.Q, c.Q * 1e-5f) << "Bb " << c.Bb;
  }
}

TEST(CohesiveTip, ClayCapsUnitTipAt40TsfShaleDoesNot) {
  // su = 10000 / 2000 = 5 tsf, Nc = 9: su Nc = 45; Bb = 2 ft, Ab = 3.1416.
  LayerEnd at;
  at.CU = 10000;
  at.NC = 9;
  const CohesiveTip clay = cohesiveTip(cohesiveLayer(kClay, 0, 50, 10000, 10000), at, 30, 2);
  EXPECT_NEAR(clay.q, 40.0f, 1e-5f);
  EXPECT_NEAR(clay.Q, 125.664f, 1e-3f);  // 40 x 3.1416
  const CohesiveTip shale = cohesiveTip(cohesiveLayer(kClayShale, 0, 50, 10000, 10000), at, 30, 2);
  EXPECT_NEAR(shale.q, 45.0f, 1e-5f);
  EXPECT_NEAR(shale.Q, 141.372f, 1e-3f);  // 45 x 3.1416
}

TEST(CohesiveTip, VanishingNcFallsBackToTheEnteredEnd) {
  // Nc entered only at the top: at the bottom the interpolation reaches 0.
  Layer l = cohesiveLayer(kClay, 0, 10, 2000, 2000);
  l.top.NC = 8;
  LayerEnd at;
  at.CU = 2000;
  at.NC = 0;
  const CohesiveTip t = cohesiveTip(l, at, 10, 2);
  EXPECT_EQ(t.NC, 8.0f);
  EXPECT_NEAR(t.Q, 1.0f * 8 * 3.1416f, 1e-4f);  // su 1 tsf x Nc 8 x Ab 3.1416
}

TEST(CohesiveLayerWarnings, StrongTopAsksForGeomaterialDesign) {
  const std::vector<std::string> expected = {
      "       ..........WARNING..........",
      "       THE SHEAR STRENGTH OF THIS MATERIAL MAY BE TOO HIGH",
      "       FOR USING CLAY CRITERIA. DESIGN AS INTERMEDIATE",
      "       GEOMATERIAL IS RECOMMENDED.",
      "",
  };
  EXPECT_EQ(cohesiveLayerWarnings(cohesiveLayer(kClay, 0, 10, 6000, 6000)), expected);
  EXPECT_EQ(cohesiveLayerWarnings(cohesiveLayer(kClayShale, 0, 10, 5292, 0)), expected);  // 2.5 pa
  EXPECT_TRUE(cohesiveLayerWarnings(cohesiveLayer(kClay, 0, 10, 5290, 9000)).empty());    // top only
}

}  // namespace
}  // namespace talmo
