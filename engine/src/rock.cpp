#include "rock.h"

#include "entered_units.h"

#include <algorithm>
#include <cmath>

namespace talmo {
namespace {

constexpr Real kSideLimitStrength = 40320.0f;  // 280 psi: weak rock, linear side rule below
constexpr Real kTipOnlyStrength = 144000.0f;   // 1000 psi: type 4 switches to end bearing

// The step's rock data in psf and ft.
struct Socket {
  Real QUR = 0, QUCON = 0;
  Real B = 0;  // socket diameter, or the shaft diameter when the layer gives none
  Real CS = 0, DISCT = 0;
};

Socket socketAt(const LayerEnd& at, Real D, Real diameterRatio, const RunModel& run) {
  const EnteredUnits u{run.si()};
  Socket s;
  s.QUR = u.stress(at.QUR);
  s.QUCON = u.stress(at.QUCON);
  s.B = u.length(at.BDS) * diameterRatio;
  if (s.B < 0.001f) s.B = D;
  s.CS = u.length(at.CS);
  s.DISCT = u.length(at.DISCT);
  return s;
}

// The socket's shear is governed by the weaker of rock and concrete.
Real governingStrength(const Socket& s) { return std::max(std::min(s.QUR, s.QUCON), 0.0f); }

}  // namespace

RockSide rockSide(int KSOIL, const LayerEnd& at, Real D, Real diameterRatio, const RunModel& run) {
  const Socket socket = socketAt(at, D, diameterRatio, run);
  RockSide side;
  side.qu = governingStrength(socket);
  side.lateralArea = kPi * socket.B;
  Real c = side.qu;
  side.coefficient = 0.15f;
  if (side.qu > kSideLimitStrength) {
    // Strong rock: 2.5 sqrt(qu) with qu in psi, back in psf.
    side.coefficient = 2.5f;
    c = 144.0f * std::sqrt(side.qu / 144.0f);
  }
  if (KSOIL == kStrongRockSideOrTip && side.qu > kTipOnlyStrength && !run.uplift()) c = 0;
  const Real uplift = run.upliftSideFactor();
  const Real w = c * uplift;
  side.f = side.coefficient * w / 2000.0f;
  return side;
}

RockTip rockTip(int KSOIL, const LayerEnd& at, Real D, Real diameterRatio, const RunModel& run) {
  const Socket socket = socketAt(at, D, diameterRatio, run);
  RockTip tip;
  tip.B = std::max(socket.B, 0.0f);
  tip.Ab = 0.7854f * tip.B * tip.B;
  if (tip.B <= 0) return tip;
  if (socket.CS > 0) {
    const Real t = std::max(socket.DISCT, 0.0f);
    tip.Ksp = (3 + socket.CS / tip.B) / (10 * std::sqrt(1 + 300 * t / socket.CS));
  } else {
    // No spacing given: unjointed rock, taken at the widest spacing the rule covers
    // (s = 2 B, closed joints).
    tip.Ksp = 0.5f;
  }
  if (KSOIL == kStrongRockSideOrTip && governingStrength(socket) <= kTipOnlyStrength) return tip;
  // 3 qu Ksp over the socket area: (QUR / 2000) x 3 x 0.7854 B2 x Ksp.
  tip.Q = std::max(socket.QUR, 0.0f) / 2000.0f * 2.3562f * tip.B * tip.B * tip.Ksp;
  return tip;
}

}  // namespace talmo
