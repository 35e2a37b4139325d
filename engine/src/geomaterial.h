#pragma once
// Intermediate geomaterials after the FHWA drilled-shaft design method:
// - decomposed rock or gravel (type 5), a cohesionless geomaterial whose friction angle,
//   overconsolidation and base resistance follow from SPT blow counts;
// - weak rock (type 6), a cohesive geomaterial socket whose side resistance depends on the
//   fluid pressure of the fresh concrete, the rock strength, the roughness and jointing of the
//   socket wall and the stiffness of shaft and rock mass (O'Neill et al.).
//
// Units inside these rules: ft, lb and psf, moduli included (a modulus is a stress). Every
// modulus and strength is converted to psf before it reaches them (EnteredUnits), so the
// dimensionless groups Ec/Em, Em/sigma_n and the stiffness factor Kt come out the same in an
// English and an SI project.
#include <string>
#include <vector>

#include "real.h"
#include "run_model.h"

namespace talmo {

inline constexpr Real kGeomaterialAtmosphere = 2115.7f;  // psf
inline constexpr Real kConcreteUnitWeight = 150;         // pcf

// Socket diameter (ft) of a geomaterial layer's entry BDS (ft or m), scaled with the shaft by
// diameterRatio; the shaft diameter D when the layer gives none.
Real socketDiameter(Real BDS, bool si, Real diameterRatio, Real D);

// ---------------------------------------------------------------------------------------------
// Decomposed rock / gravel.

// Vertical effective stress (psf) at the middle of layer i from layer means: every layer above
// adds the mean of its top and bottom unit weights times its thickness, layer i half of its own;
// less the water pressure at the middle when it lies at or below the water table WTD. Layers in
// ft and pcf.
Real layerMidStress(const std::vector<Layer>& layers, std::size_t i, Real WTD);

// The stress the decomposed-rock rules use at a step `depth` (ft): the effective stress of the
// step itself down to two socket diameters B below the reference depth R; deeper, the stress at
// the middle of the layer.
Real decomposedRockStress(Real midLayerStress, Real stepStress, Real depth, Real R, Real B);

struct DecomposedRock {
  Real x = 0;    // 0.2 N pa / sigma
  Real phi = 0;  // friction angle, rad: arctan((N / (12.2 + 20.3 sigma / pa))^0.34)
  Real w = 0;    // side work value (1 - sin phi) x^(sin phi) tan(0.75 phi) sigma, psf
  Real q = 0;    // unit base resistance 2.1459 sigma x^0.8, psf
};
// Blow count N and vertical effective stress sigma (psf). A step without stress or blows has
// no resistance (both rules tend to 0 as sigma -> 0).
DecomposedRock decomposedRock(Real N, Real sigma);

// ---------------------------------------------------------------------------------------------
// Weak rock.

// Interface condition codes: 1 rough with closed joints, 2 smooth with closed joints, 3 rough
// with open joints, 4 smooth with open joints.
bool roughSocket(int code);
bool openJoints(int code);

// Where the socket of a shaft stands, for a step at `depth` (ft), a socket diameter B (ft) and
// the reference depth R (ft).
struct WeakRockGeometry {
  Real d = 0;   // socket top: top of the first layer of weak or strong rock (types 6, 7)
  Real Ls = 0;  // socket length for the stiffness factors: from d to the step, at least B
  Real Lr = 0;  // socket length of the shaft: R - d
  Real zc = 0;  // depth of fresh concrete at the middle of the socket, at most 40 ft
};
WeakRockGeometry weakRockGeometry(const std::vector<Layer>& layers, Real depth, Real R, Real B);

struct WeakRockInput {
  int code = 1;    // interface condition
  Real qu = 0;     // rock compressive strength, psf
  Real slump = 0;  // concrete slump, in
  Real phiRc = 0;  // interface friction angle, degrees
  Real RQD = 0;    // %
  Real Ei = 0;     // mean modulus of the intact rock core over the socket, psf
  Real Ec = 0;     // shaft modulus, psf
  Real B = 0;      // socket diameter, ft
  Real Ls = 0;     // socket length, ft
  Real zc = 0;     // depth of fresh concrete, ft
};

// The socket of a weak-rock layer at a point: the layer's entries interpolated there (`at`, in
// the project's units), the mean core modulus Ei and the shaft modulus Ec (psf), the socket
// diameter B and the socket's geometry.
WeakRockInput weakRockInput(const Layer& layer, const LayerEnd& at, bool si, Real Ei, Real Ec, Real B,
                            const WeakRockGeometry& geometry);

// The movement-independent quantities of a socket.
struct WeakRockSocket {
  WeakRockInput in;
  Real M = 0;             // fluid-pressure factor
  Real sigmaN = 0;        // normal stress of the fresh concrete on the wall, psf
  Real alpha = 0;         // side resistance factor of a smooth wall
  Real modulusRatio = 0;  // rock mass to intact core
  Real alphaE = 0;        // jointing reduction of fa
  Real fa = 0;            // maximum side resistance after the jointing reduction, psf
  Real Em = 0;            // rock-mass modulus, psf
  Real n = 0;             // normal stress at slip over qu (rough: sigmaN / qu, at most 1)
  Real rho = 0;           // Ls / B
  Real Omega = 0, Gamma = 0;  // stiffness factors of the socket
};
WeakRockSocket weakRockSocket(const WeakRockInput& in);

// Stiffness factor Kt of the socket wall at a socket-head movement w (ft):
// Em Omega w / (pi Ls fa Gamma).
Real socketStiffnessFactor(const WeakRockSocket& s, Real w);
// Share Kf of fa that a wall of stiffness factor Kt mobilises: Kt up to n, then rising towards 1.
Real mobilisedShare(Real Kt, Real n);
// Unit base resistance (psf) at a socket-head movement w (ft), at most 2.5 qu:
// 0.0134 Em rho / (1 + rho) [200 (sqrt(rho) - Omega)(1 + rho) w / (pi Ls Gamma)]^0.67.
Real weakRockBaseResistance(const WeakRockSocket& s, Real w);

// The capacity rule of a step: the wall and base at a movement of 5 % of the socket diameter.
struct WeakRockStep {
  WeakRockSocket socket;
  Real Kt = 0, Kf = 0;
  Real w = 0;  // side work value, psf: fa on a smooth wall, Kf fa on a rough one
  Real q = 0;  // unit base resistance, psf
};
WeakRockStep weakRockStep(const WeakRockInput& in);

// Mean modulus of the intact weak-rock core over the weak-rock one-foot steps of a shaft, from
// the top down: each step adds its interpolated modulus, and a step's mean counts itself.
class WeakRockModuli {
 public:
  void add(Real E) {
    sum_ += E;
    ++count_;
  }
  Real meanWith(Real E) const { return (sum_ + E) / static_cast<Real>(count_ + 1); }

 private:
  Real sum_ = 0;
  int count_ = 0;
};

// The three checks of a weak-rock socket against the range of the method. Each block goes to
// the runtime notes at every step and, the first time for a shaft, to the report.
enum class SocketWarning : int { slenderness = 0, stiffnessRatio = 1, diameter = 2 };
inline constexpr int kSocketWarningKinds = 3;
struct SocketWarningBlock {
  SocketWarning kind;
  std::vector<std::string> lines;
};
// LrOverB: shaft's socket length over diameter; rho: Ls / B; EcOverEm; B: socket diameter, ft.
std::vector<SocketWarningBlock> weakRockWarnings(Real LrOverB, Real rho, Real EcOverEm, Real B);

}  // namespace talmo
