#include "socket_settlement.h"

#include <algorithm>
#include <cmath>

#include "entered_units.h"
#include "rock_socket_tables.h"
#include "settlement_solver.h"
#include "units.h"

namespace talmo {
namespace {

constexpr Real kElasticPoints = 10;  // points on the elastic line of decomposed rock
constexpr Real kPlasticPoints = 4;

// tanh(x) / x, 1 at x = 0.
Real tanhOverX(Real x) { return x > 1e-4f ? std::tanh(x) / x : 1; }

template <std::size_t n>
std::array<Real, n> geometricMovements(Real first) {
  std::array<Real, n> w{};
  Real m = first;
  for (Real& x : w) {
    x = m;
    m *= 1.5f;
  }
  return w;
}

bool isRock(int type) { return type >= kStrongRockSideOrTip && type <= kStrongRock; }

}  // namespace

// ---------------------------------------------------------------------------------------------
// Decomposed rock / gravel.

GeomaterialModulus decomposedRockModulus(Real ELtop, Real ELbottom, Real Ntop, Real Nbottom, Real Ntip) {
  if (ELbottom > 0.001f * kPsfPerPsi) return {ELbottom, (ELtop + ELbottom) / 2 / ELbottom};
  // 22 pa N^0.82 with pa = 2115.7 psf.
  const Real E = 22 * kGeomaterialAtmosphere * std::pow(std::max(Ntip, Real(0)), 0.82f);
  return {E, Nbottom > 0 ? Ntop / Nbottom : 1};
}

std::vector<SocketPoint> decomposedRockCurve(const DecomposedRockPile& p) {
  if (!(p.E > 0) || !(p.B > 0)) return {};
  const Real s = std::max(p.L, 0.0001f) / p.B;  // slenderness of the pile
  // Ratio of the shaft's modulus to the shear modulus of the ground, G = E / 2.6 (Poisson's
  // ratio 0.3); a shaft without a modulus is rigid.
  const bool rigid = !(p.Ec > 0);
  const Real lambda = rigid ? 0 : 2.6f * p.Ec / p.E;
  // zeta = ln(rm / r0): the radius rm beyond which the shaft's shear stresses vanish is taken at
  // least one diameter from the axis, so that a short or top-soft pile keeps a positive zeta.
  const Real rmOverR0 = 2 * s * (0.25f + 2.5f * (1.5f * p.rho - 0.25f));
  const Real zeta = std::log(std::max(rmOverR0, Real(2)));
  const Real muL = rigid ? 0 : 2 * s * std::sqrt(2 / (zeta * lambda));
  const Real share = tanhOverX(muL);  // tanh(mu L) / (mu L)
  const Real shaftTerm = rigid ? 0 : 8 * s * share / (4.7124f * lambda);
  const Real r = 5.6f * (shaftTerm + 1) / (12.5664f * s * share * p.rho / zeta + 26.666666f);

  // Head load at full side resistance; the base carries r / (2.1 cosh mu L) of it. That load
  // cannot exceed the ultimate: the base would fail first.
  const Real ultimate = p.Qs + p.Qb;
  const Real baseShare = r / (2.1f * std::cosh(muL));
  Real Qe = baseShare < 1 ? p.Qs / (1 - baseShare) : ultimate;
  Qe = std::min(Qe, ultimate);
  const Real we = r * Qe / p.E / p.B;

  std::vector<SocketPoint> points;
  for (int k = 1; k <= static_cast<int>(kElasticPoints); ++k) {
    const Real t = static_cast<Real>(k) / kElasticPoints;
    points.push_back({t * we, t * Qe});
  }
  // Beyond it the base takes the rest of the ultimate load on its own stiffness.
  const Real Qr = std::max(ultimate - Qe, Real(0));
  const Real dw = 0.84f * Qr / p.B / (0.4f * p.E);
  for (int k = 1; k <= static_cast<int>(kPlasticPoints); ++k) {
    const Real t = static_cast<Real>(k) / kPlasticPoints;
    points.push_back({we + t * dw, Qe + t * Qr});
  }
  points.push_back({1.2f * (we + dw), points.back().load});
  return points;
}

// ---------------------------------------------------------------------------------------------
// Weak rock.

std::array<Real, kSocketPoints> weakRockMovements(Real B) { return geometricMovements<kSocketPoints>(9e-5f * B); }

Real weakRockSocketLoad(const WeakRockSocket& s, Real socketLength, Real sideCap, bool withBase, Real w) {
  const Real B = s.in.B;
  const Real Kf = mobilisedShare(socketStiffnessFactor(s, w), s.n);
  const Real wall = std::min(kPi * B * std::max(socketLength, Real(0)) * Kf * s.fa, std::max(sideCap, Real(0)));
  const Real base = withBase ? 0.7854f * B * B * weakRockBaseResistance(s, w) : 0;
  return wall + base;
}

// ---------------------------------------------------------------------------------------------
// Strong rock.

std::array<Real, kSocketPoints> strongRockMovements(Real Ds) {
  return geometricMovements<kSocketPoints>(0.00018f * Ds);
}

RockMass socketRockMass(const std::vector<Layer>& layers, Real top, Real tip, bool si) {
  const EnteredUnits u{si};
  Real thickness = 0, EL = 0, RQD = 0;
  for (const Layer& l : layers) {
    if (!isRock(l.KSOIL)) continue;
    const Real from = std::max(l.XTOP, top), to = std::min(l.XBOT, tip);
    if (to <= from) continue;
    const Real t = to - from;
    // Values at the middle of the part within the socket.
    const Real z = (from + to) / 2 - l.XTOP;
    const Real span = l.XBOT - l.XTOP;
    const Real share = span > 0 ? z / span : 0;
    EL += t * u.modulus(l.top.EL + (l.bottom.EL - l.top.EL) * share);
    RQD += t * (l.top.RQD + (l.bottom.RQD - l.top.RQD) * share);
    thickness += t;
  }
  if (!(thickness > 0)) return {};
  return {EL / thickness, RQD / thickness};
}

Real ElasticSocket::load(Real w) const { return std::min(stiffness * std::max(w, Real(0)), ultimate); }

ElasticSocket strongRockSocket(Real Em, Real Ds, Real Ls, Real Ec, Real ultimate) {
  ElasticSocket s;
  s.Em = Em;
  s.ultimate = std::max(ultimate, Real(0));
  if (!(Em > 0) || !(Ds > 0)) return s;
  // A shaft without a modulus is taken as the stiffest the chart knows.
  const Real stiffnessRatio = Ec > 0 ? Ec / Em : 5000;
  s.I = socketInfluenceFactor(std::max(Ls, Real(0)) / Ds, stiffnessRatio);
  s.stiffness = Em * Ds / s.I;
  return s;
}

// ---------------------------------------------------------------------------------------------
// The shaft above a socket.

SocketCurve carryThroughOverburden(const Overburden& ob, std::span<const SocketPoint> socketHead, CurveKind kind) {
  SocketCurve out;
  if (!(ob.length > 0) || ob.layers.empty() || !(ob.D > 0)) {
    out.points.assign(socketHead.begin(), socketHead.end());
    return out;
  }
  const WorkProfile profile = workProfile(ob.layers, ob.boundaryProfile, ob.oneFootProfile);
  const Real D = ob.D * kInPerFt;
  const Real L = ob.length * kInPerFt;
  CurveSet side = buildSideCurves(profile, D, kind);
  out.warningLines = std::move(side.warningLines);
  if ((out.status = side.status) != 0) return out;

  // The socket is the overburden's base: its load at each socket-head movement.
  TransferCurve socket;
  socket.points.push_back({0, 0});
  std::vector<Real> movements;
  for (const SocketPoint& p : socketHead) {
    const Real w = p.movement * kInPerFt;
    if (!(w > socket.points.back().movement)) continue;
    socket.points.push_back({w, p.load});
    movements.push_back(w);
  }
  const Real Ep = ob.EPILE * kPsiPerTsf;
  const ShaftModel shaft{L, D, ob.TOPLENG * kInPerFt, std::max(1, static_cast<int>(std::lround(ob.length))),
                         stiffnessProfile(Ep, D, 0, L, 0, 0)};
  LoadSettlementCurve curve = solveLoadSettlement(shaft, side.curves, socket, movements);
  out.warningLines.insert(out.warningLines.end(), curve.warningLines.begin(), curve.warningLines.end());
  if ((out.status = curve.status) != 0) return out;
  for (const TipSolution& s : curve.points) out.points.push_back({s.headMovement / kInPerFt, s.headLoad});
  return out;
}

std::vector<Real> loadsAtSettlements(std::span<const SocketPoint> curve, std::span<const Real> settlementsIn) {
  std::vector<Real> loads;
  for (Real s : settlementsIn) {
    const Real w = s / kInPerFt;
    if (!(w > 0) || curve.empty()) {
      loads.push_back(0);
      continue;
    }
    SocketPoint below{0, 0};
    Real load = curve.back().load;
    for (const SocketPoint& p : curve) {
      if (p.movement >= w) {
        const Real span = p.movement - below.movement;
        load = span > 0 ? below.load + (p.load - below.load) * (w - below.movement) / span : p.load;
        break;
      }
      below = p;
    }
    loads.push_back(load);
  }
  return loads;
}

}  // namespace talmo
