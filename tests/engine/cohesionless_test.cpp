#include "cohesionless.h"

#include <gtest/gtest.h>

namespace talmo {
namespace {

Layer cohesionlessLayer(int KSOIL, int sandMethod, Real xtop, Real xbot) {
  Layer l;
  l.KSOIL = KSOIL;
  l.sandMethod = sandMethod;
  l.XTOP = xtop;
  l.XBOT = xbot;
  return l;
}

Layer withCoefficient(Layer l, Real top, Real bottom) {
  l.top.COEF = top;
  l.bottom.COEF = bottom;
  return l;
}

RunModel uplift(Real RCYCL, Real RATIO) {
  RunModel run;
  run.KCYCL = 2;
  run.RCYCL = RCYCL;
  run.RATIO = RATIO;
  return run;
}

// tan(30 / 57.29) = 0.5774207 (the program's degree conversion, not exactly 30 degrees).
constexpr Real kTan30 = 0.5774207f;

TEST(CohesionlessChart, FrictionAngleFromBlowsAndStress) {
  struct Case { Real N, p; Real phi; };  // p in psi
  const Case cases[] = {
      {30, 30, 37.5f},  // B = 39, A = 36: 39 - 10 x 3 / 20
      {4, 30, 20},      // 5 N
      {8, 30, 31},      // 30 + 0.5 x 2
      {12, 30, 32.1f},  // B = 32.8, A = 31.4: 32.8 - 10 x 1.4 / 20
      {70, 30, 43.5f},  // A = 42: 42 + 10 x 3 / 20
      {95, 30, 45},
      {4, 10, 32},      // C = 34: 34 - 0.5 x 4
      {10, 10, 35},     // C = 38, B = 32: 38 - 10 x 6 / 20
      {40, 10, 43},     // B = 41: 41 + 10 x 4 / 20
      {60, 10, 45},
      {1, 0, 16},       // C between 0 and 32
      {8, 40, 24},      // 3 N
      {12, 40, 31.4f},  // A between 31 and 32
      {30, 50, 36},
      {90, 50, 44},
      {100, 50, 44},    // beyond the chart: the last value of curve A holds
      {0, 10, 0},       // no blow count: no estimate
      {0, 30, 0},
      {-3, 50, 0},
  };
  for (const Case& c : cases)
    EXPECT_NEAR(frictionAngleFromBlows(c.N, c.p * 144), c.phi, 1e-4f) << "N " << c.N << " p " << c.p;
}

TEST(CohesionlessDefaults, SideCoefficientByTypeAndDepth) {
  struct Case { int KSOIL, method; Real z, N; Real coef; };
  const Case cases[] = {
      {kSand, 2, 25, 10, 0.55f},        // (1.5 - 0.135 x 5) x 10/15
      {kSand, 2, 144, 30, 0.25f},       // 1.5 - 0.135 x 12 = -0.12 -> 0.25
      {kSand, 2, 4, 20, 1.2f},          // 1.5 - 0.27 = 1.23 -> 1.2
      {kSand, 2, 16, 0, 0.96f},         // no N: no loose-sand scaling
      {kSand, 1, 25, 10, 0.25f},        // Ko
      {kSand, 3, 25, 10, 0.25f},        // m
      {kGravellySand, 2, 32.81f, 0, 1.1565f},  // 2 - 0.15 x 10^0.75
      {kGravellySand, 2, 0.5f, 0, 1.8f},       // 1.963 -> 1.8
      {kGravel, 2, 0, 0, 3.0f},                // 3.4 -> 3.0
      {kGravel, 2, 100, 0, 0.25486f},          // 3.4 exp(-2.5908)
      {kGravel, 2, 200, 0, 0.25f},             // 0.019 -> 0.25
  };
  for (const Case& c : cases)
    EXPECT_NEAR(defaultSideCoefficient(c.KSOIL, c.method, c.z, c.N), c.coef, 2e-4f)
        << "type " << c.KSOIL << " z " << c.z;
}

TEST(CohesionlessDefaults, SandWithBlowCountsOnly) {
  Layer sand = cohesionlessLayer(kSand, 1, 0, 20);
  sand.top.BLOWS = 10;
  sand.bottom.BLOWS = 20;
  // Top: p = 0, C(10) = 38. Bottom: p = 2400/144 = 16.67, C(20) = 45, B(20) = 36:
  // 45 - 16.67 x 9 / 20 = 37.5.
  const CohesionlessDefaults d = cohesionlessDefaults(sand, 0, 2400);
  EXPECT_TRUE(d.phiEstimated);
  EXPECT_NEAR(d.PHITop, 38, 1e-4f);
  EXPECT_NEAR(d.PHIBottom, 37.5f, 1e-4f);
  EXPECT_TRUE(d.deltaEstimated);  // interface angle follows the estimated phi
  EXPECT_NEAR(d.deltaTop, 38, 1e-4f);
  EXPECT_NEAR(d.deltaBottom, 37.5f, 1e-4f);
  EXPECT_TRUE(d.coefEstimated);
  EXPECT_EQ(d.COEFTop, 0.25f);
  EXPECT_EQ(d.COEFBottom, 0.25f);
}

TEST(CohesionlessDefaults, EnteredValuesStayUnmarked) {
  Layer sand = withCoefficient(cohesionlessLayer(kSand, 2, 0, 25), 0.8f, 0);
  sand.top.PHI = 32;
  sand.bottom.PHI = 34;
  sand.top.BLOWS = 10;
  const CohesionlessDefaults d = cohesionlessDefaults(sand, 0, 3000);
  EXPECT_FALSE(d.phiEstimated);
  EXPECT_EQ(d.PHITop, 32.0f);
  EXPECT_TRUE(d.deltaEstimated);
  EXPECT_EQ(d.deltaTop, 32.0f);
  EXPECT_EQ(d.deltaBottom, 34.0f);
  EXPECT_FALSE(d.coefEstimated);
  EXPECT_EQ(d.COEFTop, 0.8f);
  EXPECT_EQ(d.COEFBottom, 0.0f);
}

TEST(CohesionlessDefaults, BetaEndsFromDepthAndBlowCount) {
  Layer sand = cohesionlessLayer(kSand, 2, 0, 25);
  sand.top.BLOWS = 10;
  sand.bottom.BLOWS = 10;
  CohesionlessDefaults d = cohesionlessDefaults(sand, 0, 3000);
  EXPECT_NEAR(d.COEFTop, 1.0f, 1e-5f);      // 1.5 x 10/15
  EXPECT_NEAR(d.COEFBottom, 0.55f, 1e-5f);  // (1.5 - 0.675) x 10/15

  // Gravel from 10 to 30 ft: 3.4 exp(-0.085 x 3.048) and 3.4 exp(-0.085 x 9.144).
  const Layer gravel = cohesionlessLayer(kGravel, 0, 10, 30);
  d = cohesionlessDefaults(gravel, 1200, 3000);
  EXPECT_TRUE(d.coefEstimated);
  EXPECT_NEAR(d.COEFTop, 2.62399f, 1e-4f);
  EXPECT_NEAR(d.COEFBottom, 1.56289f, 1e-4f);
  EXPECT_FALSE(d.phiEstimated);  // the angles are sand parameters
  EXPECT_FALSE(d.deltaEstimated);
}

struct SideCase {
  const char* name;
  Layer layer;
  Real phi, delta, N, coef;  // interpolated at the step
  Real depth, sigmaV, sigmaMid;
  RunModel run;
  Real f;
};

CohesionlessSide sideOf(const SideCase& c) {
  LayerEnd at;
  at.PHI = c.phi;
  at.CU = c.delta;
  at.BLOWS = c.N;
  at.COEF = c.coef;
  return cohesionlessSide(c.layer, at, c.depth, c.sigmaV, c.sigmaMid, c.run);
}

TEST(CohesionlessSide, KoMethod) {
  const Layer ko = withCoefficient(cohesionlessLayer(kSand, 1, 0, 40), 0.5f, 0.5f);
  const Layer koDefault = cohesionlessLayer(kSand, 1, 0, 40);
  const SideCase cases[] = {
      // 0.5 x 2000 tan(30/57.29) / 2000
      {"Ko", ko, 30, 30, 0, 0.5f, 20, 2000, 1900, RunModel{}, 0.5f * kTan30},
      {"delta from phi", ko, 30, 0, 0, 0.5f, 20, 2000, 1900, RunModel{}, 0.5f * kTan30},
      {"Ko left at 0", koDefault, 30, 30, 0, 0, 20, 2000, 1900, RunModel{}, 0.25f * kTan30},
      // w x 0.7 x 2
      {"uplift, belled", ko, 30, 30, 0, 0.5f, 20, 2000, 1900, uplift(0.7f, 2), 0.7f * kTan30},
      // phi from the chart: N = 10, p = 10 -> 35, also used as the interface angle;
      // 1440 tan(35/57.29) / 2000 = 1440 x 0.7002994 / 2000
      {"phi from N", withCoefficient(ko, 1, 1), 0, 20, 10, 1, 12, 1440, 1380, RunModel{}, 0.504216f},
      {"coefficient negative", withCoefficient(ko, 0.5f, -0.5f), 30, 30, 0, -0.1f, 20, 2000, 1900,
       RunModel{}, 0},
  };
  for (const SideCase& c : cases) EXPECT_NEAR(sideOf(c).f, c.f, 1e-5f) << c.name;

  const CohesionlessSide s = sideOf(cases[4]);
  EXPECT_TRUE(s.phiEstimated);
  EXPECT_NEAR(s.PHI, 35, 1e-4f);
}

TEST(CohesionlessSide, BetaMethods) {
  const Layer sandDefault = cohesionlessLayer(kSand, 2, 0, 40);
  const Layer sand = withCoefficient(sandDefault, 1, 1);
  const Layer gravellySand = withCoefficient(cohesionlessLayer(kGravellySand, 0, 0, 40), 1, 1);
  const Layer gravel = withCoefficient(cohesionlessLayer(kGravel, 0, 0, 40), 1, 1);
  const SideCase cases[] = {
      // beta from the step: (1.5 - 0.135 x 5) x 10/15 = 0.55; 0.55 x 2500/2000
      {"sand, beta left at 0", sandDefault, 32, 0, 10, 0, 25, 2600, 2500, RunModel{}, 0.6875f},
      {"sand, capped", sand, 32, 0, 30, 1, 25, 5100, 5000, RunModel{}, 2.1f},  // 2.5 -> 2.1
      {"gravelly sand, capped", gravellySand, 0, 0, 30, 1, 25, 5100, 5000, RunModel{}, 2.1f},
      {"gravel, not capped", gravel, 0, 0, 30, 1, 25, 5100, 5000, RunModel{}, 2.5f},
      // uplift reduces the stress by RCYCL only: 1 x 2000/2000 x 0.7
      {"uplift", sand, 32, 0, 30, 1, 25, 2100, 2000, uplift(0.7f, 2), 0.7f},
  };
  for (const SideCase& c : cases) EXPECT_NEAR(sideOf(c).f, c.f, 1e-5f) << c.name;
  EXPECT_NEAR(sideOf(cases[0]).COEF, 0.55f, 1e-5f);
}

TEST(CohesionlessSide, ChenKulhawyMethod) {
  // phi = delta = 30, so sin(30/57.29) = 0.5000457 and w = sigmaV x 0.5774207.
  struct Case { Real N, m, sigmaV; Real OCR, f; };
  const Case cases[] = {
      // OCR = 994.37897 x 16^0.5 / 1000 = 3.97752; K0 = 0.4999543 x 3.97752^0.5000457 = 0.997157;
      // f = 0.997157 x 577.4207 / 2000
      {16, 0.5f, 1000, 3.97752f, 0.287890f},
      // 994.38 / 2000 < 1 -> OCR 1; K0 = 0.4999543; f = 0.4999543 x 2000 x 0.5774207 / 2000
      {1, 0.5f, 2000, 1.0f, 0.288684f},
      // OCR = 994.37897 x 50 / 500 = 99.4379: K0 = 4.9865 exceeds the passive coefficient
      // tan2(0.7854 + 0.2618258) = 3.000391; f = 3.000391 x 288.7104 / 2000
      {50, 1, 500, 99.4379f, 0.433122f},
  };
  const Layer ck = cohesionlessLayer(kSand, 3, 0, 40);
  for (const Case& c : cases) {
    const SideCase sc{"", withCoefficient(ck, c.m, c.m), 30, 30, c.N, c.m, 20, c.sigmaV, 0, RunModel{}, 0};
    const CohesionlessSide s = sideOf(sc);
    EXPECT_NEAR(s.OCR, c.OCR, c.OCR * 1e-5f) << "N " << c.N;
    EXPECT_NEAR(s.f, c.f, 1e-5f) << "N " << c.N;
  }
}

TEST(CohesionlessTip, BlowCountAndFrictionAngleRules) {
  struct Case { const char* name; Real N, phi, depth, Bb; int IMOD; Real q, Q; };
  const Case cases[] = {
      {"N 40", 40, 0, 50, 3, 0, 24, 169.646f},   // 0.6 x 40 = 24; x 7.0686
      {"N 45", 45, 0, 50, 3, 0, 27, 190.852f},   // 27 x 7.0686
      {"N 60", 60, 0, 30, 6, 0, 30, 848.232f},   // 30 x 28.2744
      // 848.232 x 50/72 x 30/60
      {"N 60, IMOD", 60, 0, 30, 6, 1, 30, 294.525f},
      // small base, shallow: 169.646 x 15/30
      {"shallow", 40, 0, 15, 3, 1, 24, 84.823f},
      // large base, deep: 24 x 19.635 x 50/60
      {"large base", 40, 0, 60, 5, 1, 24, 392.7f},
      {"loose, no N", 0, 28, 50, 3, 0, 0, 1e-5f},
      {"phi 33", 0, 33, 50, 3, 0, 8.001f, 56.5559f},   // 2.667 x 3; x 7.0686
      {"phi 38", 0, 38, 50, 3, 0, 21.6f, 152.682f},    // 16 + 2.8 x 2
      {"phi 42", 0, 42, 50, 3, 0, 30, 212.058f},
  };
  for (const Case& c : cases) {
    LayerEnd at;
    at.BLOWS = c.N;
    at.PHI = c.phi;
    const CohesionlessTip t = cohesionlessTip(at, c.depth, c.Bb, c.IMOD);
    EXPECT_NEAR(t.q, c.q, 1e-4f) << c.name;
    EXPECT_NEAR(t.Q, c.Q, c.Q * 1e-5f) << c.name;
  }
}

TEST(CohesionlessMessages, SandWithoutStrengthData) {
  LayerEnd at;
  const std::vector<std::string> error = {
      "*********************ERROR**********************",
      "PLEASE INPUT EITHER THE N-VALUE FROM STANDARD PENETRATION TESTS",
      "OR THE INTERNAL FRICTION ANGLE FOR SAND LAYERS",
      "*********************ERROR**********************",
  };
  EXPECT_EQ(sandStrengthMissingError(at), error);
  at.PHI = 30;
  EXPECT_TRUE(sandStrengthMissingError(at).empty());
  at.PHI = 0;
  at.BLOWS = 5;
  EXPECT_TRUE(sandStrengthMissingError(at).empty());
}

TEST(CohesionlessMessages, GravelBlowCountWarnings) {
  const std::vector<std::string> high = {
      "                            WARNING MESSAGE",
      "       -----------------------------------------------------------",
      "                    BLOWS PER FOOT IS =   60.00 AT TOP",
      "                    BLOWS PER FOOT IS =   10.00 AT BOTTOM",
      "       UNIT TIP RESISTANCE IS LIMITED TO 30 TSF IF SPT-N IS OVER 50",
      "       LOADING TEST IS RECOMMENDED FOR USING HIGHER VALUE.",
      "",
  };
  const std::vector<std::string> low = {
      "       *****************WARNING*********************",
      "                    BLOWS PER FOOT IS =   60.00 AT TOP",
      "                    BLOWS PER FOOT IS =   10.00 AT BOTTOM",
      "       Blow counts should be greater than 25 for this criterion.",
      "       Select other soil criteria and do not use this output data.",
  };
  auto layer = [](int type, Real top, Real bottom) {
    Layer l = cohesionlessLayer(type, 0, 0, 20);
    l.top.BLOWS = top;
    l.bottom.BLOWS = bottom;
    return l;
  };
  std::vector<std::string> both = high;
  both.insert(both.end(), low.begin(), low.end());
  EXPECT_EQ(gravelLayerWarnings(layer(kGravel, 60, 10)), both);
  EXPECT_EQ(gravelLayerWarnings(layer(kGravellySand, 60, 10)), both);

  const std::vector<std::string> onlyHigh = gravelLayerWarnings(layer(kGravel, 40, 50.5f));
  ASSERT_EQ(onlyHigh.size(), 7u);
  EXPECT_EQ(onlyHigh[3], "                    BLOWS PER FOOT IS =   50.50 AT BOTTOM");
  EXPECT_EQ(gravelLayerWarnings(layer(kGravel, 25, 40)).size(), 5u);  // 25 is still too low
  EXPECT_TRUE(gravelLayerWarnings(layer(kGravel, 26, 50)).empty());
  EXPECT_TRUE(gravelLayerWarnings(layer(kSand, 60, 10)).empty());
}

}  // namespace
}  // namespace talmo
