#pragma once
// Load-settlement of a drilled shaft tipped in rock or an intermediate geomaterial, by closed
// rules for the socket instead of the segment-by-segment solution of a shaft in soil:
// - decomposed rock or gravel: the Randolph and Wroth elastic pile in a geomaterial of modulus
//   E, up to full side resistance, then a plastic branch while the base mobilises;
// - weak rock: the FHWA cohesive-geomaterial socket, its wall mobilised through the stiffness
//   factor Kt and its base through the elastic base rule, at fifteen socket-head movements;
// - strong rock: an elastic socket (influence factor of Rowe and Armitage, Pells and Turner) up
//   to the socket's ultimate resistance.
// A weak- or strong-rock socket carries the shaft above it: its head load and movement are
// carried up through the overburden by the load-transfer solution of a shaft in soil, with the
// t-z curves of the overburden's layers and the stem's axial stiffness (docs/rock_socket_settlement.md).
//
// Units: ft, lb and psf inside the socket rules; the overburden solution converts to its own
// work units (in, psi, lb) and back.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "geomaterial.h"
#include "real.h"
#include "run_model.h"
#include "transfer_curves.h"

namespace talmo {

inline constexpr int kSocketPoints = 15;

// A point of a load-settlement curve: movement (ft) and load (lb).
struct SocketPoint {
  Real movement = 0;
  Real load = 0;
};

// ---------------------------------------------------------------------------------------------
// Decomposed rock / gravel.

// Modulus E (psf) of the geomaterial at the tip and the ratio rho of its mean over the pile to
// its value at the tip: from the entered moduli of the tip layer (ELtop, ELbottom, psf) when the
// bottom one is given, else from the blow counts, E = 22 pa N^0.82 with N at the tip and rho =
// N(top) / N(bottom) (1 without a bottom blow count).
struct GeomaterialModulus {
  Real E = 0;
  Real rho = 1;
};
GeomaterialModulus decomposedRockModulus(Real ELtop, Real ELbottom, Real Ntop, Real Nbottom, Real Ntip);

struct DecomposedRockPile {
  Real E = 0;    // psf
  Real rho = 1;
  Real Ec = 0;   // shaft modulus, psf (0 or less: a rigid shaft)
  Real L = 0;    // shaft length, ft
  Real B = 0;    // socket diameter, ft
  Real Qs = 0;   // ultimate side resistance, lb
  Real Qb = 0;   // ultimate base resistance, lb
};
// Fifteen points: ten on the elastic line up to full side resistance, four while the base takes
// the rest of the ultimate load, and the ultimate held to 1.2 times the movement. Empty when
// the pile has no modulus or no diameter.
std::vector<SocketPoint> decomposedRockCurve(const DecomposedRockPile& pile);

// ---------------------------------------------------------------------------------------------
// Weak rock.

// Socket-head movements (ft) of the curve: 9E-5 B x 1.5^k, k = 0..14.
std::array<Real, kSocketPoints> weakRockMovements(Real B);

// Load (lb) the socket head carries at movement w (ft): its wall, pi B Ls Kf(w) fa over the
// socket length `socketLength` (ft), at most `sideCap` (lb), and, when `withBase`, its base.
Real weakRockSocketLoad(const WeakRockSocket& s, Real socketLength, Real sideCap, bool withBase, Real w);

// ---------------------------------------------------------------------------------------------
// Strong rock.

// Socket-head movements (ft): 1.8E-4 Ds x 1.5^k, k = 0..14.
std::array<Real, kSocketPoints> strongRockMovements(Real Ds);

// Thickness-weighted mean of the entered moduli (psf) and RQD of the rock layers (types 4 to 7)
// between the socket top and the tip (ft), layers in ft.
struct RockMass {
  Real Ei = 0;
  Real RQD = 0;
};
RockMass socketRockMass(const std::vector<Layer>& layers, Real top, Real tip, bool si);

// An elastic socket up to its ultimate resistance: the head settles P I / (Em Ds).
struct ElasticSocket {
  Real Em = 0;         // rock-mass modulus, psf
  Real I = 0;          // influence factor
  Real stiffness = 0;  // Em Ds / I, lb/ft
  Real ultimate = 0;   // lb
  Real load(Real w) const;
};
// Em (psf), socket diameter Ds and length Ls (ft), shaft modulus Ec (psf), ultimate (lb).
ElasticSocket strongRockSocket(Real Em, Real Ds, Real Ls, Real Ec, Real ultimate);

// ---------------------------------------------------------------------------------------------
// The shaft above a socket.

struct Overburden {
  std::vector<TransferLayer> layers;          // ft: the layers above the socket top
  std::vector<StrengthPoint> boundaryProfile; // ft, tsf: unit side resistance at their tops and bottoms
  std::vector<StrengthPoint> oneFootProfile;  // ft, tsf: of their one-foot steps
  Real length = 0;   // ft: depth of the socket top
  Real D = 0;        // stem diameter, ft
  Real EPILE = 0;    // tsf (0 or less: a rigid stem)
  Real TOPLENG = 0;  // ft: no side transfer above it
};

struct SocketCurve {
  std::vector<SocketPoint> points;        // head movement and load
  std::vector<std::string> warningLines;  // each line for the report and the runtime file
  int status = 0;                         // a t-z construction or extent failure (2, 5)
};

// Head movement and load for each socket-head point (movement ft, load lb, in increasing
// movement): the stem carries the socket's load up through the overburden in one-foot segments,
// taking side transfer from the overburden's t-z curves of `kind` and shortening under its
// axial load. Without overburden the head is the socket's head.
SocketCurve carryThroughOverburden(const Overburden& overburden, std::span<const SocketPoint> socketHead,
                                   CurveKind kind);

// Head load (lb) at each head movement asked for (in): linear on the curve from the origin,
// the last load beyond the last point. 0 for a movement of 0 or less.
std::vector<Real> loadsAtSettlements(std::span<const SocketPoint> curve, std::span<const Real> settlementsIn);

}  // namespace talmo
