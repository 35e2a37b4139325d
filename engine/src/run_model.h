#pragma once
// The run model: everything the project file says, after reading, defaults and conversion to
// the engine's internal English units (ft, tons, psf, pcf).
#include <array>
#include <string>
#include <vector>

#include "real.h"

namespace talmo {

inline constexpr int kMaxLayers = 40;          // layers a project file may hold
inline constexpr int kMaxChartSettlements = 10;
inline constexpr int kMaxExtraTzDepths = 50;

// Soil type codes shared by the project file, the program and the engine.
enum SoilType : int {
  kSand = 1,
  kClay = 2,
  kClayShale = 3,
  kStrongRockSideOrTip = 4,
  kDecomposedRock = 5,
  kWeakRock = 6,
  kStrongRock = 7,
  kGravellySand = 8,
  kGravel = 9,
};

// Parameters at one end (top or bottom) of a layer. Which fields a layer uses depends on its
// type; unused fields stay 0. Units after reading: pcf, psf, ft, degrees; rock moduli and
// strengths, slump and socket diameter keep the project's units (converted where used).
struct LayerEnd {
  Real NC = 0;        // bearing capacity factor Nc (clay, clay shale)
  Real GAMMA = 0;     // total unit weight
  Real PHI = 0;       // friction angle (sand)
  Real CU = 0;        // undrained shear strength; for sand the interface friction angle, degrees
  Real BLOWS = 0;     // SPT blow count N
  Real TRANLM = 0;    // maximum side friction (1E10 = no limit)
  Real EBMAX = 0;     // maximum end bearing (1E10 = no limit; negative fixes the unit tip resistance)
  Real COEF = 0;      // side coefficient: Ko, beta or m (sand by method), beta (8, 9), alpha (2, 3)
  Real QUR = 0;       // rock compressive strength
  Real QUCON = 0;     // concrete compressive strength
  Real CS = 0;        // discontinuity spacing
  Real DISCT = 0;     // discontinuity thickness
  Real BDS = 0;       // socket diameter
  Real EL = 0;        // elastic modulus of the rock or geomaterial
  Real RQD = 0;       // rock quality designation, %
  Real POISSON = 0;   // Poisson's ratio (decomposed rock / gravel)
  Real ICOND = 0;     // interface condition code (weak rock)
  Real SLUMP = 0;     // concrete slump (weak rock)
  Real IFA = 0;       // interface friction angle, degrees (weak rock)
};

struct Layer {
  Real KSOILReal = 0;  // type code as read
  int KSOIL = 0;       // type code, truncated
  Real XTOP = 0;       // ft
  Real XBOT = 0;       // ft
  LayerEnd top;
  LayerEnd bottom;
  Real RS = 1;         // LRFD resistance factor, side
  Real RB = 1;         // LRFD resistance factor, tip
  int sandMethod = 0;  // 1 Ko, 2 beta, 3 Chen and Kulhawy (sand only)
  // Clay and clay shale: alpha and Nc left at 0 and replaced by the defaults (report mark).
  bool alphaEstimated = false;
  bool ncEstimated = false;
};

struct RunModel {
  std::string title;   // exactly 72 characters
  int fUnits = 1;      // 1 English, 2 SI
  std::string units = "EN";
  int METHOD = 1;      // 1 design load given, 2 shaft length given
  int KCYCL = 1;       // 1 compression, 2 uplift
  Real RCYCL = 1;
  Real PINC = 1;
  int IMOD = 0;
  int NLRFD = 2;
  int IPENT = 0;
  int IChart = 0;
  int UseElevation = 0;
  Real ValElevation = 0;
  int PrintTZCurves = 0;
  Real DSTART = 0, DIALIM = 0, RATIO = 0, BELANGL = 0, TOPLENG = 0, BS = 0, EPILE = 0;
  Real WTD = 0;
  Real DGH = 0;          // design load (tons) for METHOD 1, shaft length (ft) for METHOD 2
  Real designDepth = 0;  // shaft length for METHOD 2, else 0
  Real FST = 0, FSB = 0;
  Real PDMIN = 0, PDINCR = 0, DIAMINCR = 0;
  int NPOINTPD = 0;
  std::array<Real, kMaxChartSettlements> PDSETT{};  // in the project's unit (in or m)
  std::vector<Real> extraTzDepths;                  // ft
  std::vector<Layer> layers;
  int rockLayerCount = 0;

  bool si() const { return fUnits == 2; }
  bool lrfd() const { return NLRFD == 1; }
  bool uplift() const { return KCYCL == 2; }
  // Factor on the side work value: under uplift the reduction factor RCYCL, times RATIO when
  // the shaft is belled wider than its stem; 1 in compression.
  Real upliftSideFactor() const { return uplift() ? RCYCL * (RATIO > 1 ? RATIO : 1) : 1; }
};

}  // namespace talmo
