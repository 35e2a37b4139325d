// Load-settlement of rock and geomaterial sockets: the three socket rules and the shaft above a
// socket, against hand-worked values and their limiting cases.
#include "socket_settlement.h"

#include <cmath>

#include <gtest/gtest.h>

namespace talmo {
namespace {

TEST(DecomposedRockSocket, ModulusFromTheLayer) {
  // No modulus entered, N = 40 at both ends: E = 22 x 2115.7 x 40^0.82 = 958442.3 psf, rho = 1
  const GeomaterialModulus fromBlows = decomposedRockModulus(0, 0, 40, 40, 40);
  EXPECT_NEAR(fromBlows.E, 958442.3f, 1);
  EXPECT_EQ(fromBlows.rho, 1);
  // Entered 2000 and 3000 psi: E = the bottom's 432000 psf, rho = (288000 + 432000)/2/432000
  const GeomaterialModulus entered = decomposedRockModulus(288000, 432000, 40, 40, 40);
  EXPECT_EQ(entered.E, 432000);
  EXPECT_NEAR(entered.rho, 0.833333f, 1e-6f);
  EXPECT_EQ(decomposedRockModulus(0, 0, 20, 0, 10).rho, 1);  // no bottom blow count
}

// The decomposed-rock shaft of the whole-shaft test: E = 22 x 2115.7 x 50^0.82 = 1150885.6 psf,
// rho 1, Ec 3.6E6 psi, L = 20 ft, B = 2 ft, Qs = 120.78713 t, Qb = 43.92788 t:
//   s = 10, lambda = 2.6 Ec / E = 1171.133, zeta = ln(20 x 3.375) = 4.212128,
//   mu L = 20 sqrt(2 / (zeta lambda)) = 0.402709, r = 0.1032456;
//   Qe = Qs / (1 - r / (2.1 cosh mu L)) = 253071.47 lb, we = r Qe / (E B) = 0.01135148 ft;
//   Qr = Qs + Qb - Qe = 76358.55 lb, dw = 0.84 Qr / B / (0.4 E) = 0.06966502 ft.
DecomposedRockPile handPile() {
  DecomposedRockPile p;
  p.E = 1150885.6f;
  p.rho = 1;
  p.Ec = 3.6e6f * 144;
  p.L = 20;
  p.B = 2;
  p.Qs = 120.78713f * 2000;
  p.Qb = 43.927876f * 2000;
  return p;
}

TEST(DecomposedRockSocket, ElasticThenPlasticCurveByHand) {
  const auto points = decomposedRockCurve(handPile());
  ASSERT_EQ(points.size(), 15u);
  EXPECT_NEAR(points[0].movement, 0.001135148f, 1e-8f);
  EXPECT_NEAR(points[0].load, 25307.147f, 0.1f);
  EXPECT_NEAR(points[9].movement, 0.01135148f, 1e-7f);
  EXPECT_NEAR(points[9].load, 253071.47f, 1);
  EXPECT_NEAR(points[10].movement, 0.02876774f, 1e-7f);  // we + dw / 4
  EXPECT_NEAR(points[13].movement, 0.08101650f, 1e-6f);  // we + dw
  EXPECT_NEAR(points[13].load, 329430.01f, 1);           // the ultimate Qs + Qb
  EXPECT_NEAR(points[14].movement, 0.09721981f, 1e-6f);  // 1.2 (we + dw)
  EXPECT_EQ(points[14].load, points[13].load);
}

TEST(DecomposedRockSocket, LimitingCases) {
  // A rigid shaft (no modulus): mu L = 0, r = 5.6 / (4 pi s rho / zeta + 26.666666) = 0.0991141;
  // Qe = 240000 / (1 - r / 2.1) = 251888.43 lb, we = r Qe / (E B) = 0.01084630 ft
  DecomposedRockPile rigid = handPile();
  rigid.Ec = 0;
  rigid.Qs = 240000;
  rigid.Qb = 80000;
  const auto r = decomposedRockCurve(rigid);
  ASSERT_EQ(r.size(), 15u);
  EXPECT_NEAR(r[9].load, 251888.43f, 1);
  EXPECT_NEAR(r[9].movement, 0.01084630f, 1e-7f);
  EXPECT_NEAR(r[14].load, 320000, 1);
  // Without base resistance the elastic limit Qs / (1 - 0.075) would pass the ultimate: the
  // curve stops at the ultimate and holds it, never falling back.
  DecomposedRockPile noBase{1e6f, 0.5f, 5e8f, 10, 3, 200000, 0};
  const auto c = decomposedRockCurve(noBase);
  ASSERT_EQ(c.size(), 15u);
  for (std::size_t k = 9; k < 15; ++k) EXPECT_EQ(c[k].load, 200000) << k;
  for (std::size_t k = 1; k < 15; ++k) EXPECT_GE(c[k].movement, c[k - 1].movement) << k;
  // No modulus, no curve.
  EXPECT_TRUE(decomposedRockCurve(DecomposedRockPile{}).empty());
}

TEST(WeakRockSocket, MovementsAndHeadLoadByHand) {
  // A 4-ft socket: 9E-5 x 4 = 3.6E-4 ft, the fifteenth 3.6E-4 x 1.5^14 = 0.1050945 ft
  const auto w = weakRockMovements(4);
  EXPECT_NEAR(w[0], 3.6e-4f, 1e-9f);
  EXPECT_NEAR(w[14], 0.1050945f, 1e-6f);
  // The 30-ft socket of the whole-shaft test at w = 0.01 ft: mean core 40500 psi, Em =
  // 2478600 psf, rho = 8, Omega = 2.572267, Gamma = 0.540100, fa = 38125, n = 0.0204674:
  //   Kt = Em Omega w / (3.1416 x 20 x fa x Gamma) = 0.0492786 -> Kf = 0.0484553;
  //   wall = 3.1416 x 2.5 x 20 x Kf x fa = 290183.3 lb; base = 0.7854 x 6.25 x q = 38047.5 lb
  WeakRockInput in;
  in.code = 1;
  in.qu = 100000;
  in.slump = 6;
  in.phiRc = 30;
  in.RQD = 60;
  in.Ei = 40500 * 144.0f;
  in.Ec = 3.6e6f * 144;
  in.B = 2.5f;
  in.Ls = 20;
  in.zc = 20;
  const WeakRockSocket s = weakRockSocket(in);
  EXPECT_NEAR(weakRockSocketLoad(s, 20, 1e9f, true, 0.01f), 290183.3f + 38047.5f, 3);
  EXPECT_NEAR(weakRockSocketLoad(s, 20, 1e9f, false, 0.01f), 290183.3f, 3);  // uplift: no base
  EXPECT_NEAR(weakRockSocketLoad(s, 20, 1e5f, false, 0.01f), 1e5f, 1e-2f);    // the wall's cap
}

TEST(StrongRockSocket, ElasticUpToTheUltimate) {
  EXPECT_NEAR(strongRockMovements(3)[0], 5.4e-4f, 1e-9f);
  // Em = 1E7 psf, Ds = 3 ft, Ls = 9 ft (L/D 3), Ec/Em 30: I = 0.36625;
  // stiffness Em Ds / I = 81911263 lb/ft
  const ElasticSocket s = strongRockSocket(1e7f, 3, 9, 3e8f, 2e6f);
  EXPECT_NEAR(s.I, 0.36625f, 1e-6f);
  EXPECT_NEAR(s.load(0.01f), 819112.6f, 1);
  EXPECT_EQ(s.load(0.1f), 2e6f);
}

TEST(StrongRockSocket, RockMassOverTheSocket) {
  // Clay 0..10; rock 10..20 (1E6 psi, RQD 80); rock 20..40 (2E6 to 4E6 psi, RQD 90 to 100).
  // Socket 10..30: 10 ft of the first rock, 10 ft of the second with its middle at 25 ft
  // (2.5E6 psi, RQD 92.5): Ei = 1.75E6 psi = 2.52E8 psf, RQD = 86.25.
  auto layer = [](int type, Real top, Real bottom, Real ELtop, Real ELbottom, Real RQDtop, Real RQDbottom) {
    Layer l;
    l.KSOIL = type;
    l.XTOP = top;
    l.XBOT = bottom;
    l.top.EL = ELtop;
    l.bottom.EL = ELbottom;
    l.top.RQD = RQDtop;
    l.bottom.RQD = RQDbottom;
    return l;
  };
  // The clay's modulus entry must not count.
  const std::vector<Layer> layers = {layer(kClay, 0, 10, 9e9f, 9e9f, 0, 0),
                                     layer(kStrongRock, 10, 20, 1e6f, 1e6f, 80, 80),
                                     layer(kStrongRockSideOrTip, 20, 40, 2e6f, 4e6f, 90, 100)};
  const RockMass m = socketRockMass(layers, 10, 30, false);
  EXPECT_NEAR(m.Ei, 2.52e8f, 10);
  EXPECT_NEAR(m.RQD, 86.25f, 1e-4f);
}

// Clay overburden 0..20 ft with a uniform unit side resistance of 0.5 tsf (6.944 psi) above a
// socket; stem 3 ft.
Overburden clayOverburden(Real EPILE, Real TOPLENG) {
  Overburden ob;
  ob.layers = {{0, 20, kClay}};
  ob.boundaryProfile = {{0, 0.5f}, {20, 0.5f}};
  for (int d = 1; d <= 20; ++d) ob.oneFootProfile.push_back({static_cast<Real>(d), 0.5f});
  ob.length = 20;
  ob.D = 3;
  ob.EPILE = EPILE;
  ob.TOPLENG = TOPLENG;
  return ob;
}

TEST(SocketOverburden, NoOverburdenLeavesTheSocketHead) {
  const std::vector<SocketPoint> head = {{0.001f, 1e5f}, {0.002f, 1.8e5f}};
  Overburden none = clayOverburden(259200, 0);
  none.length = 0;
  const SocketCurve c = carryThroughOverburden(none, head, CurveKind::lowerBound);
  ASSERT_EQ(c.points.size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    EXPECT_EQ(c.points[k].movement, head[k].movement);
    EXPECT_EQ(c.points[k].load, head[k].load);
  }
}

TEST(SocketOverburden, StemWithoutSideShortensUnderTheSocketLoad) {
  // The whole overburden in the ignored top portion: the head carries the socket's load and
  // moves by w + P L / AE; AE = 3.6E6 psi x 0.7854 x 36^2 = 3.664362E9 lb, L = 240 in:
  // 1E6 lb shortens the stem 0.0654957 in.
  const std::vector<SocketPoint> head = {{0.01f, 1e6f}, {0.015f, 1.2e6f}};
  const SocketCurve c = carryThroughOverburden(clayOverburden(3.6e6f / (2000.0f / 144), 20), head, CurveKind::trend);
  ASSERT_EQ(c.status, 0);
  ASSERT_EQ(c.points.size(), 2u);
  EXPECT_NEAR(c.points[0].load, 1e6f, 1);
  EXPECT_NEAR(c.points[0].movement * 12, 0.12f + 0.0654957f, 1e-5f);
}

TEST(SocketOverburden, VeryStiffShaftMovesWithTheSocket) {
  // A stem that does not shorten: every segment moves with the socket head. At 0.18 in (0.005 D)
  // the cohesive lines give 0.925 (trend), 1.01 (upper) and 0.84 (lower) of tmax, so the head
  // carries P + f x 6.9444 psi x 3.1416 x 36 in x 240 in.
  struct Case {
    CurveKind kind;
    Real side;
  };
  const Case cases[] = {{CurveKind::trend, 174358.8f}, {CurveKind::upperBound, 190381.0f},
                        {CurveKind::lowerBound, 158336.6f}};
  const std::vector<SocketPoint> head = {{0.015f, 5e5f}};
  for (const Case& c : cases) {
    const SocketCurve curve = carryThroughOverburden(clayOverburden(1e12f, 0), head, c.kind);
    ASSERT_EQ(curve.status, 0);
    ASSERT_EQ(curve.points.size(), 1u);
    EXPECT_NEAR(curve.points[0].movement, 0.015f, 1e-7f);
    EXPECT_NEAR(curve.points[0].load, 5e5f + c.side, 2);
  }
}

TEST(SocketCurve, LoadsAtDefinedSettlements) {
  const std::vector<SocketPoint> curve = {{0.01f, 100}, {0.02f, 300}};
  // 0.06 in = 0.005 ft on the first leg from the origin; 0.18 in between the points; beyond
  // the last point its load holds.
  const auto loads = loadsAtSettlements(curve, std::vector<Real>{0.06f, 0.18f, 0.5f, 0});
  ASSERT_EQ(loads.size(), 4u);
  EXPECT_NEAR(loads[0], 50, 1e-3f);
  EXPECT_NEAR(loads[1], 200, 1e-3f);
  EXPECT_EQ(loads[2], 300);
  EXPECT_EQ(loads[3], 0);
}

}  // namespace
}  // namespace talmo
