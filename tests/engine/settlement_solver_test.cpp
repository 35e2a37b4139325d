#include "settlement_solver.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace talmo {
namespace {

// One uniform layer from the ground to `bottomFt` with unit side resistance f (tsf) at every
// depth, as the capacity computation hands it over; shaft of length L and diameter D (ft).
LoadTransferInput uniformShaft(int KSOIL, Real bottomFt, Real f, Real L, Real D) {
  LoadTransferInput in;
  in.layers = {{0, bottomFt, KSOIL}};
  in.boundaryProfile = {{0, f}, {bottomFt, f}};
  for (int ft = 1; ft <= static_cast<int>(bottomFt); ++ft) in.oneFootProfile.push_back({Real(ft), f});
  in.tipKSOIL = KSOIL;
  in.L = L;
  in.D = D;
  in.EPILE = 216000;  // tsf: 3E6 psi
  in.NS = static_cast<int>(L);
  in.Qb = 45;
  return in;
}

bool finite(const TipSolution& p) {
  return std::isfinite(p.headLoad) && std::isfinite(p.headMovement) && std::isfinite(p.tipLoad);
}

TEST(SettlementTipMovements, LastThreeFollowTheDiameter) {
  struct Case {
    Real D, w13, w14, w15;
  };
  const Case cases[] = {
      {36, 0.625f, 0.9f, 1.8f},  // 1 % of D = 0.36 is below 0.5: 0.625
      {120, 1.2f, 3.0f, 6.0f},
      // 12 in: 0.625; 2.5 % = 0.3 < 0.625 gives 1.25 x 0.625; 5 % = 0.6 < 0.78125 gives 1.25 x that.
      {12, 0.625f, 0.78125f, 0.9765625f},
  };
  for (const auto& c : cases) {
    const auto w = standardTipMovements(c.D);
    EXPECT_FLOAT_EQ(w[0], 1e-5f);
    EXPECT_FLOAT_EQ(w[11], 0.5f);
    EXPECT_NEAR(w[12], c.w13, 1e-6) << c.D;
    EXPECT_NEAR(w[13], c.w14, 1e-6) << c.D;
    EXPECT_NEAR(w[14], c.w15, 1e-6) << c.D;
  }
}

TEST(SettlementStiffness, StemThenLinearToTheBase) {
  // Ep 1000 psi, D 10 in, bell 20 in: AE stem = 1000 x 0.7854 x 100 = 78540 lb, base 314160 lb.
  // L 100 in with a 10-in bell and 10 in ignored bottom: the stem ends at 80 in.
  const auto p = stiffnessProfile(1000, 10, 20, 100, 10, 10);
  EXPECT_NEAR(axialStiffnessAt(p, 50), 78540, 0.5);
  EXPECT_NEAR(axialStiffnessAt(p, 80), 78540, 0.5);
  EXPECT_NEAR(axialStiffnessAt(p, 90), 196350, 0.5);
  EXPECT_NEAR(axialStiffnessAt(p, 100), 314160, 0.5);
  // A bell taller than the shaft: the stiffness changes from the head on.
  const auto tall = stiffnessProfile(1000, 10, 20, 100, 150, 0);
  EXPECT_NEAR(axialStiffnessAt(tall, 50), 196350, 0.5);
  // Straight shaft without bell or bottom portion: uniform, no division by a zero span.
  const auto straight = stiffnessProfile(1000, 10, 0, 100, 0, 0);
  EXPECT_NEAR(axialStiffnessAt(straight, 99.9f), 78540, 0.5);
  EXPECT_NEAR(axialStiffnessAt(straight, 100), 78540, 0.5);
}

TEST(SettlementSolver, ShortClayShaftFirstThreeTrendPointsByHand) {
  // Clay, f = 0.72 tsf = 0.72 x 2000 / 144 = 10 psi everywhere, so every t-z curve has tmax = 10.
  // D = 3 ft = 36 in, L = 10 ft = 120 in, NS = 2 (h = 60 in), Qb = 45 tons = 90000 lb,
  // Ep = 216000 tsf = 3E6 psi: AE = 3E6 x 0.7854 x 36^2 = 3.0536352E9 lb.
  // q-w (cohesive trend, B = 36): first point w = 0.005 x 36 = 0.18 in, Q = 0.395 x 90000 = 35550.
  // t-z (cohesive trend): first point z = 0.001 x 36 = 0.036 in, t = 0.51 x 10 = 5.1 psi, so
  // t = 141.6667 z while z <= 0.036 in.
  //
  // wt = 1E-5 in: Pt = 35550 x 1E-5 / 0.18 = 1.975 lb.
  //  segment 1 (mid depth 90): wm = wt; t = 1.416667E-3; dP = pi x 36 x 60 x t = 6785.840 t
  //    = 9.61327; Ptop = 11.58827; delta = 60 x (1.975 + 4.806637) / AE = 1.33250E-7;
  //    wtop = 1.013325E-5. New wm = wt + (1.975 + (1.975 + 11.58827) / 2) x 15 / AE
  //    = wt + 4.30E-8: within 1E-5, accepted on the first trial.
  //  segment 2 (mid depth 30): wm = 1.013325E-5; t = 1.435544E-3; dP = 9.74137;
  //    Ptop = 21.32964; delta = 60 x (11.58827 + 4.870685) / AE = 3.23397E-7;
  //    wtop = 1.045665E-5 (new wm differs by 1.4E-7: accepted).
  // Every movement stays on the first, straight part of both curves, so the solution is
  // proportional to wt: 5E-5 gives 5 times these values, 1E-4 ten times.
  auto in = uniformShaft(2, 20, 0.72f, 10, 3);
  in.NS = 2;
  const auto pass = runLoadTransfer(in, CurveKind::trend);
  ASSERT_EQ(pass.status, 0);
  EXPECT_TRUE(pass.warningLines.empty());
  ASSERT_EQ(pass.points.size(), 15u);
  const Real scale[] = {1, 5, 10};
  for (int k = 0; k < 3; ++k) {
    const auto& p = pass.points[k];
    EXPECT_NEAR(p.tipLoad, 1.975f * scale[k], 1e-4 * scale[k]) << k;
    EXPECT_NEAR(p.headLoad, 21.32964f * scale[k], 2e-4 * scale[k]) << k;
    EXPECT_NEAR(p.headMovement, 1.045665e-5f * scale[k], 2e-11 * scale[k]) << k;
    ASSERT_EQ(p.segments.size(), 2u);
    EXPECT_NEAR(p.segments[0].totalLoad, 11.58827f * scale[k], 1e-4 * scale[k]) << k;
    EXPECT_NEAR(p.segments[0].totalMovement, 1.013325e-5f * scale[k], 2e-11 * scale[k]) << k;
    EXPECT_NEAR(p.segments[1].loadTransfer, 1.435544e-3f * scale[k], 1e-8 * scale[k]) << k;
    EXPECT_EQ(p.segments[0].iterations, 1);
  }
}

TEST(SettlementSolver, RigidShaftMovesAsOneBody) {
  auto in = uniformShaft(2, 40, 0.5f, 30, 3);
  in.EPILE = 1e12f;
  const auto pass = runLoadTransfer(in, CurveKind::trend);
  ASSERT_EQ(pass.points.size(), 15u);
  for (const auto& p : pass.points) {
    EXPECT_NEAR(p.headMovement, p.tipMovement, 1e-6 * p.tipMovement) << p.tipMovement;
    EXPECT_GT(p.headLoad, p.tipLoad);  // the side still carries load
    for (const auto& s : p.segments) EXPECT_EQ(s.iterations, 1) << p.tipMovement;
  }
}

TEST(SettlementSolver, ShaftInsideIgnoredTopPortionCarriesOnlyItsTip) {
  // TOPLENG below the tip: no side transfer. Head load = tip load; the head moves by the elastic
  // shortening of a column under the tip load: L Pt / AE with AE = 3E6 x 0.7854 x 36^2.
  auto in = uniformShaft(2, 40, 0.5f, 20, 3);
  in.TOPLENG = 25;
  const auto pass = runLoadTransfer(in, CurveKind::trend);
  ASSERT_EQ(pass.points.size(), 15u);
  const double AE = 3e6 * 0.7854 * 36 * 36;
  for (const auto& p : pass.points) {
    EXPECT_EQ(p.headLoad, p.tipLoad) << p.tipMovement;
    const double shortening = 240.0 * p.tipLoad / AE;
    EXPECT_NEAR(p.headMovement - p.tipMovement, shortening, 1e-6 * p.tipMovement + 1e-4 * shortening);
  }
}

TEST(SettlementSolver, UpperBoundAboveTrendAboveLowerBound) {
  struct Case {
    const char* name;
    int KSOIL;
    Real f;   // tsf
    Real Qb;  // tons
  };
  const Case cases[] = {{"clay", 2, 0.6f, 60}, {"sand", 1, 0.9f, 150}, {"gravel", 9, 1.2f, 200}};
  for (const auto& c : cases) {
    auto in = uniformShaft(c.KSOIL, 60, c.f, 40, 4);
    in.Qb = c.Qb;
    const auto upper = runLoadTransfer(in, CurveKind::upperBound);
    const auto trend = runLoadTransfer(in, CurveKind::trend);
    const auto lower = runLoadTransfer(in, CurveKind::lowerBound);
    ASSERT_EQ(trend.points.size(), 15u) << c.name;
    for (int k = 0; k < 15; ++k) {
      EXPECT_GE(upper.points[k].headLoad, trend.points[k].headLoad) << c.name << " point " << k + 1;
      EXPECT_GE(trend.points[k].headLoad, lower.points[k].headLoad) << c.name << " point " << k + 1;
      EXPECT_GT(lower.points[k].headLoad, 0) << c.name;
    }
  }
}

// A pass solved without segment records (the passes whose segments are never printed) must
// carry the very head and tip values of the full solution, for each curve kind of one shaft.
TEST(SettlementSolver, HeadsOnlyPassHasTheHeadsOfTheFullOne) {
  const auto in = uniformShaft(2, 60, 0.6f, 40, 4);
  const LoadTransferShaft shaft(in);
  SolverOptions headsOnly;
  headsOnly.keepSegments = false;
  const std::vector<Real> settlements = {0.1f, 0.5f};
  for (CurveKind kind : {CurveKind::lowerBound, CurveKind::trend, CurveKind::upperBound}) {
    const auto full = shaft.run(kind, settlements);
    const auto heads = shaft.run(kind, settlements, headsOnly);
    ASSERT_EQ(heads.points.size(), 15u);
    ASSERT_EQ(heads.definedPoints.size(), settlements.size());
    for (auto [a, b] : {std::pair(&full.points, &heads.points), std::pair(&full.definedPoints, &heads.definedPoints)}) {
      for (std::size_t k = 0; k < a->size(); ++k) {
        const TipSolution& f = (*a)[k];
        const TipSolution& h = (*b)[k];
        EXPECT_EQ(std::bit_cast<std::uint32_t>(f.headLoad), std::bit_cast<std::uint32_t>(h.headLoad)) << k;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(f.headMovement), std::bit_cast<std::uint32_t>(h.headMovement)) << k;
        EXPECT_EQ(f.tipLoad, h.tipLoad);
        EXPECT_TRUE(h.segments.empty());
      }
    }
    EXPECT_EQ(full.points[0].segments.size(), 40u);
  }
}

TEST(SettlementSolver, IterationBoundEndsACyclingSegmentWithAWarning) {
  // One 100-in segment of a 1-in shaft, no tip load, AE = 25000 x 0.7854 = 19635 lb. The t-z
  // curve rises to 1 psi at 0.1 in and drops to 0 just after it. From wt = 0.05 in:
  //   wm = 0.05: t = 0.5, dP = pi x 1 x 100 x 0.5 = 157.08, new wm = 0.05 + 12.5 x 157.08 / 19635
  //   = 0.15; wm = 0.15: t = 0, new wm = 0.05; and so on, never settling.
  TransferCurve tz;
  tz.points = {{0, 0}, {0.1f, 1}, {0.1001f, 0}, {10, 0}};
  std::vector<TransferCurve> curves = {tz, tz};
  curves[1].depth = 100;
  TransferCurve qw;
  qw.points = {{0, 0}, {1, 0}};
  ShaftModel shaft{100, 1, 0, 1, stiffnessProfile(25000, 1, 0, 100, 0, 0)};
  const Real wt[] = {0.05f};

  // Odd bound: the last trial is the one at wm = 0.05 (t = 0.5); head load 157.08 lb, head
  // movement 0.05 + 100 x 78.54 / 19635 = 0.45 in.
  SolverOptions options;
  options.maxIterations = 7;
  const auto seven = solveLoadSettlement(shaft, curves, qw, wt, options);
  ASSERT_EQ(seven.points.size(), 1u);
  const auto& p = seven.points[0];
  EXPECT_EQ(p.unconvergedSegments, 1);
  EXPECT_FALSE(p.segments[0].converged);
  EXPECT_EQ(p.segments[0].iterations, 7);
  EXPECT_NEAR(p.headLoad, 157.08f, 0.01);
  EXPECT_NEAR(p.headMovement, 0.45f, 1e-4);
  const std::vector<std::string> expected = {"**** WARNING ****",
                                             "AT ASSUMED TIP MOVEMENT NO.  1,    1 SEGMENT(S) DID NOT CONVERGE",
                                             "WITHIN     7 TRIALS; THE LAST TRIAL IS USED."};
  EXPECT_EQ(seven.warningLines, expected);
  EXPECT_EQ(seven.status, 0);

  // The default bound ends the cycle too (even: last trial at wm = 0.15, no side transfer).
  const auto byDefault = solveLoadSettlement(shaft, curves, qw, wt);
  ASSERT_EQ(byDefault.points.size(), 1u);
  EXPECT_EQ(byDefault.points[0].segments[0].iterations, SolverOptions{}.maxIterations);
  EXPECT_TRUE(finite(byDefault.points[0]));
  EXPECT_NEAR(byDefault.points[0].headLoad, 0, 1e-6);
  EXPECT_EQ(byDefault.warningLines.size(), 3u);
}

TEST(SettlementSolver, SegmentOutsideTheCurvesStopsWithStatus5) {
  // Curves only down to 50 in; with NS = 2 the lower segment's mid depth is 90 in.
  std::vector<TransferCurve> curves = {sideCurve(CurveFamily::cohesive, CurveKind::trend, 36, 10),
                                       sideCurve(CurveFamily::cohesive, CurveKind::trend, 36, 10)};
  curves[1].depth = 50;
  const auto qw = baseCurve(CurveFamily::cohesive, CurveKind::trend, 36, 1000);
  ShaftModel shaft{120, 36, 0, 2, stiffnessProfile(3e6f, 36, 0, 120, 0, 0)};
  const auto w = standardTipMovements(36);
  const auto r = solveLoadSettlement(shaft, curves, qw, w);
  EXPECT_EQ(r.status, kStatusTransferLimit);
  EXPECT_TRUE(r.points.empty());
  ASSERT_EQ(r.warningLines.size(), 2u);
  EXPECT_EQ(r.warningLines[1], "THE VALUE OF X = 0.900E+02 IS BEYOND THE EXTENT OF THE INPUT LOAD TRANSFER CURVES");
  // In the ignored top portion no side transfer is looked up, so nothing lies outside.
  shaft.TOPLENG = 100;
  EXPECT_EQ(solveLoadSettlement(shaft, curves, qw, w).status, 0);
}

TEST(SettlementSolver, ConstructionFailuresEndThePass) {
  auto shortProfile = uniformShaft(2, 20, 0.72f, 10, 3);
  shortProfile.boundaryProfile = {{0, 0.72f}, {10, 0.72f}};
  const auto a = runLoadTransfer(shortProfile, CurveKind::trend);
  EXPECT_EQ(a.status, kStatusStrengthCurveDepth);
  EXPECT_TRUE(a.points.empty());
  EXPECT_EQ(a.warningLines.size(), 2u);

  auto deepTip = uniformShaft(2, 20, 0.72f, 10, 3);
  deepTip.L = 25;  // clay tip below the profile
  const auto b = runLoadTransfer(deepTip, CurveKind::trend);
  EXPECT_EQ(b.status, kStatusStrengthCurveValue);
  EXPECT_TRUE(b.points.empty());
}

TEST(SettlementSolver, DegenerateInputsGiveFiniteResultsOrNone) {
  // No modulus: warned, treated as rigid.
  auto noModulus = uniformShaft(2, 20, 0.72f, 10, 3);
  noModulus.EPILE = 0;
  const auto a = runLoadTransfer(noModulus, CurveKind::trend);
  ASSERT_EQ(a.points.size(), 15u);
  EXPECT_EQ(a.warningLines.size(), 3u);
  for (const auto& p : a.points) {
    EXPECT_TRUE(finite(p));
    EXPECT_EQ(p.headMovement, p.tipMovement);
  }
  // No diameter: nothing to solve.
  auto noDiameter = uniformShaft(2, 20, 0.72f, 10, 3);
  noDiameter.D = 0;
  const auto b = runLoadTransfer(noDiameter, CurveKind::trend);
  EXPECT_TRUE(b.points.empty());
  EXPECT_EQ(b.status, 0);
  EXPECT_FALSE(b.warningLines.empty());
  // No segments asked for: one segment.
  auto noSegments = uniformShaft(2, 20, 0.72f, 10, 3);
  noSegments.NS = 0;
  const auto c = runLoadTransfer(noSegments, CurveKind::trend);
  ASSERT_EQ(c.points.size(), 15u);
  EXPECT_EQ(c.points[0].segments.size(), 1u);
}

TEST(SettlementDefinedSettlements, TipMovementsByInterpolationAndExtrapolation) {
  // Pairs (head, tip): (0.1, 0.05), (0.3, 0.25), (0.6, 0.5).
  std::vector<TipSolution> pairs(3);
  const Real head[] = {0.1f, 0.3f, 0.6f}, tip[] = {0.05f, 0.25f, 0.5f};
  for (int k = 0; k < 3; ++k) {
    pairs[k].headMovement = head[k];
    pairs[k].tipMovement = tip[k];
  }
  // 0.2: half way between the first two, 0.15. 0.05: below the first pair, from the origin,
  // 0.025. 0.9: beyond, slope (0.5 - 0.25) / (0.6 - 0.3) from the last, 0.5 + 0.3 x 0.8333 = 0.75.
  const std::vector<Real> s = {0.2f, 0.05f, 0.9f, 0.3f, 0, -1};
  const auto t = tipMovementsAtSettlements(pairs, s);
  const Real expected[] = {0.15f, 0.025f, 0.75f, 0.25f, 0, 0};
  ASSERT_EQ(t.size(), s.size());
  for (std::size_t k = 0; k < s.size(); ++k) EXPECT_NEAR(t[k], expected[k], 1e-6) << s[k];

  // Two points with the same head movement never divide by zero.
  pairs[2].headMovement = 0.3f;
  EXPECT_TRUE(std::isfinite(tipMovementsAtSettlements(pairs, std::vector<Real>{0.9f})[0]));
}

TEST(SettlementDefinedSettlements, ChartLoadsOfARigidEndBearingShaft) {
  // Rigid shaft without side transfer: head movement = tip movement, head load = q-w value.
  // Qb = 45 tons = 90000 lb, cohesive trend, B = 36 in.
  //  s = 0.3 in: between (0.18, 0.395 Qb) and (0.36, 0.56 Qb):
  //  (0.395 + 0.165 x 0.12 / 0.18) Qb = 0.505 Qb = 45450 lb.
  //  s = 2.5 in: beyond the largest head movement (1.8 in) by extrapolation, tip 2.5 in; between
  //  (1.8, 0.97 Qb) and (2.52, 0.98 Qb): (0.97 + 0.01 x 0.7 / 0.72) Qb = 88175 lb.
  auto in = uniformShaft(2, 40, 0.5f, 20, 3);
  in.TOPLENG = 25;
  in.EPILE = 1e12f;
  const std::vector<Real> s = {0.3f, 2.5f};
  const auto pass = runLoadTransfer(in, CurveKind::trend, s);
  ASSERT_EQ(pass.definedPoints.size(), 2u);
  EXPECT_NEAR(pass.definedPoints[0].tipMovement, 0.3f, 1e-5);
  EXPECT_NEAR(pass.definedPoints[0].headLoad, 45450, 1);
  EXPECT_NEAR(pass.definedPoints[1].tipMovement, 2.5f, 1e-5);
  EXPECT_NEAR(pass.definedPoints[1].headLoad, 88175, 1);
}

// A rigid shaft (no modulus: no shortening) with a flat t = 10 psi beyond 0.01 in of movement
// and a q-w curve of 1000 lb per inch: at a tip movement of 0.5 in every side-carrying segment
// takes pi D h x 10 and the tip 500 lb.
struct FlatCurves {
  std::vector<TransferCurve> side;
  TransferCurve qw;
  FlatCurves() {
    for (Real depth : {0.0f, 1000.0f}) side.push_back({depth, 2, 10, {{0, 0}, {0.01f, 10}}});
    qw.points = {{0, 0}, {1, 1000}};
  }
};

int sideSegments(const TipSolution& s) {
  int n = 0;
  for (const auto& seg : s.segments) n += seg.loadTransfer > 0;
  return n;
}

TEST(SettlementSolver, SideTransferOnlyWithinTheLoadCarryingZone) {
  // L = 40 ft = 480 in, D = 36 in, 40 segments of 12 in (mid depths 6, 18, .., 474 in), ignored
  // top 5 ft = 60 in, no side below 35 ft = 420 in (5 ft ignored bottom portion): the mid depths
  // 66 .. 414 in carry side, 30 segments: head = 500 + 3.1416 x 36 x 12 x 10 x 30 = 407651.36 lb.
  const FlatCurves c;
  ShaftModel shaft{480, 36, 60, 40, stiffnessProfile(0, 36, 0, 480, 0, 0), 420};
  const TipSolution s = solveTipMovement(shaft, c.side, c.qw, 0.5f);
  EXPECT_FLOAT_EQ(s.tipLoad, 500);
  EXPECT_EQ(sideSegments(s), 30);
  EXPECT_NEAR(s.headLoad, 407651.36, 0.5);  // single precision: 30 sums near 4E5
  EXPECT_FLOAT_EQ(s.headMovement, 0.5f);
  // A mid depth on the bottom of the zone counts; one just above it no longer reaches it.
  shaft.sideBottom = 414;
  EXPECT_EQ(sideSegments(solveTipMovement(shaft, c.side, c.qw, 0.5f)), 30);
  shaft.sideBottom = 413.9f;
  EXPECT_EQ(sideSegments(solveTipMovement(shaft, c.side, c.qw, 0.5f)), 29);
}

TEST(SettlementSolver, MidDepthOnTheIgnoredTopPortionCounts) {
  // L = 120 in in 19 segments: the tenth mid depth from the tip is 120 (1 - 9.5 / 19) = 60 in,
  // on the 5-ft ignored top portion, but single precision computes it as 59.9999962 in. It is
  // not shallower than the ignored portion, so it carries side: 10 segments.
  const FlatCurves c;
  const ShaftModel shaft{120, 36, 60, 19, stiffnessProfile(0, 36, 0, 120, 0, 0)};
  const TipSolution s = solveTipMovement(shaft, c.side, c.qw, 0.5f);
  ASSERT_EQ(s.segments.size(), 19u);
  EXPECT_NEAR(s.segments[9].depth, 60, 1e-4);
  EXPECT_GT(s.segments[9].loadTransfer, 0);
  EXPECT_EQ(s.segments[10].loadTransfer, 0);  // 53.68 in, within the ignored portion
  EXPECT_EQ(sideSegments(s), 10);
  EXPECT_NEAR(s.headLoad, 500 + 3.1416 * 36 * (120.0 / 19) * 10 * 10, 0.05);
}

TEST(SettlementSolver, IgnoredBottomPortionCarriesNoSide) {
  // Sand with f = 0.5 tsf (tmax = 0.5 x 2000 / 144 = 6.94444 psi), a nearly rigid shaft 30 ft
  // long and 3 ft wide, upper bound (flat at tmax beyond 0.006 D = 0.216 in), BS = 5 ft: at the
  // last tip movement (1.8 in) the side carries 3.1416 x 36 x 12 x 6.94444 x 25 = 235620 lb.
  auto in = uniformShaft(1, 40, 0.5f, 30, 3);
  in.EPILE = 1e12f;
  in.NS = segmentsOfAtMostOneFoot(in.L);
  in.BS = 5;
  const auto pass = runLoadTransfer(in, CurveKind::upperBound);
  ASSERT_EQ(pass.points.size(), 15u);
  const TipSolution& last = pass.points.back();
  EXPECT_NEAR(last.headLoad - last.tipLoad, 235620, 0.5);
  EXPECT_EQ(sideSegments(last), 25);
}

TEST(SettlementSolver, SegmentsOfAtMostOneFoot) {
  EXPECT_EQ(segmentsOfAtMostOneFoot(40), 40);
  EXPECT_EQ(segmentsOfAtMostOneFoot(40.00001f), 40);  // a rounding error above a whole foot
  EXPECT_EQ(segmentsOfAtMostOneFoot(32.5f), 33);
  EXPECT_EQ(segmentsOfAtMostOneFoot(0.3f), 1);
}

TEST(SettlementSolver, AxialStateBetweenSegmentEnds) {
  // The rigid flat-curve shaft of 40 segments: load falls linearly over each side segment.
  const FlatCurves c;
  const ShaftModel shaft{480, 36, 60, 40, stiffnessProfile(0, 36, 0, 480, 0, 0), 420};
  const TipSolution s = solveTipMovement(shaft, c.side, c.qw, 0.5f);
  const double perInch = 3.1416 * 36 * 10;
  EXPECT_NEAR(axialStateAt(s, 480, 480).load, 500, 1e-3);
  EXPECT_NEAR(axialStateAt(s, 480, 0).load, s.headLoad, 1e-3);
  // Below 420 in nothing is added; 414 in is the middle of the deepest side-carrying segment
  // (408..420 in): half its increment. At 240 in fifteen segments (180 in) have added theirs.
  EXPECT_NEAR(axialStateAt(s, 480, 414).load, 500 + perInch * 6, 0.05);
  EXPECT_NEAR(axialStateAt(s, 480, 240).load, 500 + perInch * 180, 0.05);
}

}  // namespace
}  // namespace talmo
