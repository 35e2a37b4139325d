#include "rock.h"

#include <cmath>

#include <gtest/gtest.h>

namespace talmo {
namespace {

LayerEnd rock(Real QUR, Real QUCON, Real BDS = 3, Real CS = 3, Real DISCT = 0) {
  LayerEnd at;
  at.QUR = QUR;
  at.QUCON = QUCON;
  at.BDS = BDS;
  at.CS = CS;
  at.DISCT = DISCT;
  return at;
}

RunModel upliftRun() {
  RunModel run;
  run.KCYCL = 2;
  run.RCYCL = 0.7f;
  return run;
}

RunModel siRun() {
  RunModel run;
  run.fUnits = 2;
  return run;
}

TEST(RockSide, WeakerOfRockAndConcreteGoverns) {
  struct Case { const char* name; int KSOIL; Real QUR, QUCON; RunModel run; Real coefficient, f; };
  const Case cases[] = {
      // 0.15 x 30000 / 2000
      {"soft rock", kStrongRock, 30000, 500000, RunModel{}, 0.15f, 2.25f},
      {"concrete governs", kStrongRock, 300000, 30000, RunModel{}, 0.15f, 2.25f},
      // 280 psi is still the linear rule: 0.15 x 40320 / 2000
      {"280 psi", kStrongRock, 40320, 500000, RunModel{}, 0.15f, 3.024f},
      // 144 sqrt(2000) = 6439.88 psf; 2.5 x 6439.88 / 2000
      {"2000 psi", kStrongRock, 288000, 500000, RunModel{}, 2.5f, 8.04984f},
      // type 4 above 1000 psi: end bearing only
      {"type 4 strong", kStrongRockSideOrTip, 200000, 500000, RunModel{}, 2.5f, 0},
      // 144 sqrt(694.44) = 3794.73; 2.5 x 3794.73 / 2000
      {"type 4 weaker", kStrongRockSideOrTip, 100000, 500000, RunModel{}, 2.5f, 4.74342f},
      // uplift keeps the side: 144 sqrt(1388.89) x 0.7 = 3756.59; 2.5 x 3756.59 / 2000
      {"type 4 uplift", kStrongRockSideOrTip, 200000, 500000, upliftRun(), 2.5f, 4.69574f},
      // 1000 kN/m2 = 20885 psf; 0.15 x 20885 / 2000
      {"SI", kStrongRock, 1000, 10000, siRun(), 0.15f, 1.566375f},
      {"no concrete strength", kStrongRock, 30000, 0, RunModel{}, 0.15f, 0},
  };
  for (const Case& c : cases) {
    const RockSide s = rockSide(c.KSOIL, rock(c.QUR, c.QUCON), 3, 1, c.run);
    EXPECT_EQ(s.coefficient, c.coefficient) << c.name;
    EXPECT_NEAR(s.f, c.f, 1e-4f) << c.name;
  }
}

TEST(RockSide, LateralAreaOfSocketOrShaft) {
  const RunModel english;
  EXPECT_NEAR(rockSide(kStrongRock, rock(30000, 500000, 4), 5, 1, english).lateralArea, 12.5664f, 1e-4f);
  // Socket scaled with the shaft: 4 x 1.5 = 6 ft; 3.1416 x 6
  EXPECT_NEAR(rockSide(kStrongRock, rock(30000, 500000, 4), 7.5f, 1.5f, english).lateralArea, 18.8496f,
              1e-4f);
  // No socket diameter: the 3-ft shaft perimeter
  EXPECT_NEAR(rockSide(kStrongRock, rock(30000, 500000, 0), 3, 1, english).lateralArea, 9.4248f, 1e-4f);
  // 1 m socket = 3.2808 ft; 3.1416 x 3.2808
  EXPECT_NEAR(rockSide(kStrongRock, rock(1000, 10000, 1), 3, 1, siRun()).lateralArea, 10.30696f, 1e-4f);
}

TEST(RockTip, JointedRockBearing) {
  struct Case {
    const char* name;
    int KSOIL;
    LayerEnd at;
    Real D;
    RunModel run;
    Real B, Ksp, Q;
  };
  const Case cases[] = {
      // Ksp = (3 + 1) / 10 = 0.4; Q = 144 x 2.3562 x 9 x 0.4
      {"unjointed aperture", kStrongRock, rock(288000, 500000), 3, RunModel{}, 3, 0.4f, 1221.454f},
      // Ksp = 4 / (10 sqrt(1 + 300 x 0.01/3)) = 0.282843; 1221.454 / sqrt(2)
      {"open joints", kStrongRock, rock(288000, 500000, 3, 3, 0.01f), 3, RunModel{}, 3, 0.282843f,
       863.698f},
      // type 4 above 1000 psi: 100 x 2.3562 x 9 x 0.4
      {"type 4 strong", kStrongRockSideOrTip, rock(200000, 500000), 3, RunModel{}, 3, 0.4f, 848.232f},
      {"type 4 weaker", kStrongRockSideOrTip, rock(100000, 500000), 3, RunModel{}, 3, 0.4f, 0},
      // the concrete decides which way type 4 carries load
      {"type 4, weak concrete", kStrongRockSideOrTip, rock(200000, 100000), 3, RunModel{}, 3, 0.4f, 0},
      // no socket: shaft diameter 4 ft, s/B = 1; 144 x 2.3562 x 16 x 0.4
      {"no socket", kStrongRock, rock(288000, 500000, 0, 4), 4, RunModel{}, 4, 0.4f, 2171.474f},
      // no spacing: unjointed, Ksp = 0.5; 144 x 2.3562 x 9 x 0.5
      {"no spacing", kStrongRock, rock(288000, 500000, 3, 0, 0.01f), 3, RunModel{}, 3, 0.5f, 1526.818f},
      // 1 m socket and spacing: B = 3.2808 ft, Ksp 0.4; 208850/2000 x 2.3562 x 10.76365 x 0.4
      {"SI", kStrongRock, rock(10000, 20000, 1, 1), 3, siRun(), 3.2808f, 0.4f, 1059.342f},
  };
  for (const Case& c : cases) {
    const RockTip t = rockTip(c.KSOIL, c.at, c.D, 1, c.run);
    EXPECT_NEAR(t.B, c.B, 1e-5f) << c.name;
    EXPECT_NEAR(t.Ab, 0.7854f * c.B * c.B, 1e-4f) << c.name;
    EXPECT_NEAR(t.Ksp, c.Ksp, 1e-5f) << c.name;
    EXPECT_NEAR(t.Q, c.Q, c.Q * 1e-5f + 1e-6f) << c.name;
  }
}

TEST(RockTip, NoDiameterAtAllGivesNothingFinite) {
  const RockTip t = rockTip(kStrongRock, rock(288000, 500000, 0, 0), 0, 1, RunModel{});
  EXPECT_EQ(t.Q, 0.0f);
  EXPECT_EQ(t.Ab, 0.0f);
  EXPECT_TRUE(std::isfinite(t.Ksp));
}

}  // namespace
}  // namespace talmo
