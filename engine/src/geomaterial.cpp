#include "geomaterial.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "entered_units.h"
#include "fixed_format.h"
#include "geomaterial_tables.h"
#include "profile.h"
#include "units.h"

namespace talmo {
namespace {

constexpr Real kDegreesPerRadian = 57.29f;
constexpr Real kTan30 = 0.57735187f;          // the smooth-wall alpha chart is for a 30-degree interface
constexpr Real kMaxConcreteDepth = 40;        // ft: below it the fresh concrete has set
constexpr Real kBaseMovementShare = 0.05f;    // capacity at a movement of 5 % of the socket diameter
// Range of shaft-to-rock stiffness for which the socket's stiffness factors were fitted.
constexpr Real kMinStiffnessRatio = 10, kMaxStiffnessRatio = 500;

Real meanGamma(const Layer& l) { return (l.top.GAMMA + l.bottom.GAMMA) / 2; }

std::vector<std::string> warningBlock(std::vector<std::string> body) {
  std::vector<std::string> lines = {std::string(21, ' ') + "WARNING MESSAGE", "   " + std::string(60, '-')};
  for (auto& l : body) lines.push_back("   " + l);
  lines.emplace_back();
  return lines;
}

}  // namespace

Real socketDiameter(Real BDS, bool si, Real diameterRatio, Real D) {
  const Real B = EnteredUnits{si}.length(BDS) * diameterRatio;
  return B < 0.001f ? D : B;
}

// ---------------------------------------------------------------------------------------------
// Decomposed rock / gravel.

Real layerMidStress(const std::vector<Layer>& layers, std::size_t i, Real WTD) {
  Real sigma = 0;
  for (std::size_t k = 0; k < i && k < layers.size(); ++k)
    sigma += meanGamma(layers[k]) * (layers[k].XBOT - layers[k].XTOP);
  const Layer& l = layers[i];
  const Real mid = (l.XTOP + l.XBOT) / 2;
  sigma += meanGamma(l) * (mid - l.XTOP);
  if (mid >= WTD) sigma -= kUnitWeightWater * (mid - WTD);
  return sigma;
}

Real decomposedRockStress(Real midLayerStress, Real stepStress, Real depth, Real R, Real B) {
  return depth < R + 2 * B ? stepStress : midLayerStress;
}

DecomposedRock decomposedRock(Real N, Real sigma) {
  DecomposedRock r;
  if (!(sigma > 0) || !(N > 0)) return r;
  const Real pa = kGeomaterialAtmosphere;
  r.x = 0.2f * N * pa / sigma;
  r.phi = std::atan(std::pow(N / (12.2f + 20.3f * sigma / pa), 0.34f));
  const Real sinPhi = std::sin(r.phi);
  r.w = (1 - sinPhi) * std::pow(r.x, sinPhi) * std::tan(0.75f * r.phi) * sigma;
  r.q = 2.1459f * sigma * std::pow(r.x, 0.8f);
  return r;
}

// ---------------------------------------------------------------------------------------------
// Weak rock.

bool roughSocket(int code) { return code == 1 || code == 3; }
bool openJoints(int code) { return code == 3 || code == 4; }

WeakRockGeometry weakRockGeometry(const std::vector<Layer>& layers, Real depth, Real R, Real B) {
  WeakRockGeometry g;
  const auto first = std::find_if(layers.begin(), layers.end(),
                                  [](const Layer& l) { return l.KSOIL == kWeakRock || l.KSOIL == kStrongRock; });
  g.d = first != layers.end() ? first->XTOP : 0;
  // The socket reaches from its top to the step; a socket shorter than its diameter counts as
  // one diameter long.
  g.Ls = std::max(depth - g.d, B);
  if (!(g.Ls > 0)) g.Ls = 1;
  g.Lr = R - g.d;
  g.zc = std::min(kMaxConcreteDepth, R - (R - g.d) / 2);
  return g;
}

WeakRockInput weakRockInput(const Layer& layer, const LayerEnd& at, bool si, Real Ei, Real Ec, Real B,
                            const WeakRockGeometry& geometry) {
  const EnteredUnits u{si};
  WeakRockInput in;
  in.code = static_cast<int>(layer.top.ICOND);  // one condition per layer: the top entry
  in.qu = u.stress(at.QUR);
  in.slump = u.slump(at.SLUMP);
  in.phiRc = at.IFA;
  in.RQD = at.RQD;
  in.Ei = Ei;
  in.Ec = Ec;
  in.B = B;
  in.Ls = geometry.Ls;
  in.zc = geometry.zc;
  return in;
}

WeakRockSocket weakRockSocket(const WeakRockInput& in) {
  WeakRockSocket s;
  s.in = in;
  const Real pa = kGeomaterialAtmosphere;
  const bool rough = roughSocket(in.code);
  s.M = fluidPressureFactor(in.slump, in.zc);
  s.sigmaN = kConcreteUnitWeight * std::max(in.zc, Real(0)) * s.M;
  s.alpha = smoothSocketAlpha(in.qu, s.sigmaN / pa);
  const Real qu = std::max(in.qu, Real(0));
  const Real faIntact = rough ? 0.5f * qu : s.alpha * qu * std::tan(in.phiRc / kDegreesPerRadian) / kTan30;
  s.modulusRatio = rockMassModulusRatio(in.RQD, openJoints(in.code));
  s.alphaE = jointingReduction(s.modulusRatio);
  s.fa = std::max(faIntact * s.alphaE, Real(0));
  s.Em = std::max(in.Ei * s.modulusRatio, Real(0));
  if (rough) {
    // The wall dilates against the fresh concrete; a normal stress beyond the rock strength
    // cannot be carried, so n stays within 0..1.
    s.n = qu > 0 ? std::min(s.sigmaN / qu, Real(1)) : 1;
  } else {
    const Real stiffness = s.sigmaN > 0 ? s.Em / s.sigmaN : std::numeric_limits<Real>::max();
    s.n = smoothSocketN(stiffness, qu / pa);
  }
  s.rho = in.B > 0 ? in.Ls / in.B : 0;
  // The stiffness factors were fitted for Ec/Em of 10 to 500; outside that range the Ec/Em
  // warning tells the user, and the rule is still applied with the ratio as it is. Only where
  // the ratio would make a factor non-positive (a stiff shaft in a long socket: Kt would change
  // sign or become infinite) are the factors taken at the nearer end of the fitted range.
  const Real ratio = s.Em > 0 && in.Ec > 0 ? in.Ec / s.Em : kMaxStiffnessRatio;
  const Real root = std::sqrt(s.rho);
  auto factors = [&](Real e) {
    s.Omega = 1.14f * root - 0.44f - 0.05f * (root - 1) * e;
    s.Gamma = 0.37f * root + 0.13f - 0.15f * (root - 1) * e;
  };
  factors(std::log10(ratio));
  if (!(s.Omega > 0) || !(s.Gamma > 0))
    factors(std::log10(std::clamp(ratio, kMinStiffnessRatio, kMaxStiffnessRatio)));
  return s;
}

Real socketStiffnessFactor(const WeakRockSocket& s, Real w) {
  if (!(s.fa > 0) || !(s.Gamma > 0) || !(s.in.Ls > 0)) return 0;
  return std::max(s.Em * s.Omega * w / (kPi * s.in.Ls * s.fa * s.Gamma), Real(0));
}

Real mobilisedShare(Real Kt, Real n) {
  if (Kt <= n) return Kt;
  return n + (Kt - n) * (1 - n) / (1 - 2 * n + Kt);
}

Real weakRockBaseResistance(const WeakRockSocket& s, Real w) {
  const Real cap = 2.5f * std::max(s.in.qu, Real(0));
  const Real slip = (std::sqrt(s.rho) - s.Omega) * (1 + s.rho);
  if (!(s.Gamma > 0) || !(slip > 0) || !(s.Em > 0) || !(s.in.Ls > 0) || !(w > 0)) return 0;
  const Real strain = 200 * slip * w / (kPi * s.in.Ls * s.Gamma);
  const Real q = 0.0134f * s.Em * s.rho / (1 + s.rho) * std::pow(strain, 0.67f);
  return std::min(q, cap);
}

WeakRockStep weakRockStep(const WeakRockInput& in) {
  WeakRockStep step;
  step.socket = weakRockSocket(in);
  const Real w = kBaseMovementShare * in.B;
  step.Kt = socketStiffnessFactor(step.socket, w);
  step.Kf = mobilisedShare(step.Kt, step.socket.n);
  step.w = roughSocket(in.code) ? step.Kf * step.socket.fa : step.socket.fa;
  step.q = weakRockBaseResistance(step.socket, w);
  return step;
}

std::vector<SocketWarningBlock> weakRockWarnings(Real LrOverB, Real rho, Real EcOverEm, Real B) {
  std::vector<SocketWarningBlock> out;
  if (LrOverB <= 2 || rho > 20) {
    out.push_back({SocketWarning::slenderness,
                   warningBlock({"SOCKET LENGTH/SOCKET DIAMETER =" + fmt::F(LrOverB <= 2 ? LrOverB : rho, 9, 2),
                                 "L/D SHOULD BE GREATER THAN 2.0 AND LESS THAN 20.0"})});
  }
  if (!(EcOverEm >= kMinStiffnessRatio && EcOverEm <= kMaxStiffnessRatio)) {
    out.push_back({SocketWarning::stiffnessRatio,
                   warningBlock({std::isfinite(EcOverEm) ? "Ec/Em =" + fmt::F(EcOverEm, 9, 2)
                                                         : "Ec/Em CANNOT BE FORMED: THE ROCK-MASS MODULUS Em IS 0",
                                 "Ec/Em SHOULD BE GREATER THAN 10.0 AND LESS THAN 500.0"})});
  }
  // The method was calibrated on sockets of 0.5 to 1.53 m.
  if (B < 1.64f || B > 1.53f * kFtPerM) {
    out.push_back({SocketWarning::diameter,
                   warningBlock({"Diameter (FT) =" + fmt::F(B, 9, 2),
                                 "SOCKET DIAMETER SHOULD BE GREATER THAN 0.5 m or 1.64 ft",
                                 "AND LESS THAN 1.53 m or 5 ft."})});
  }
  return out;
}

}  // namespace talmo
