#pragma once
// The grid tables of a project, owned by the main window for the whole run of the program:
// the soil-layer table D (one row per layer, each with its own table of top and bottom values),
// the nine per-type templates those layer tables are copied from, and the extra t-z depths.
// One TTableRegistry, owned here as well, lists them and every nested layer table.
#include <array>
#include <memory>
#include <vector>

#include "GridTable.h"

namespace talmo {

// Soil type codes, the position in the soil-type list of D's first column.
enum TSoilType : int {
  kSoilSand = 1,
  kSoilClay = 2,
  kSoilShale = 3,
  kSoilStrongRockSideOrTip = 4,
  kSoilDecomposedRock = 5,
  kSoilWeakRock = 6,
  kSoilStrongRock = 7,
  kSoilGravellySand = 8,
  kSoilGravel = 9,
};
constexpr int kSoilTypeCount = 9;

// Identifiers of the layer-table templates, by soil type (entry type - 1).
inline constexpr std::array<int, kSoilTypeCount> kLayerTemplateIdentifiers{1, 2, 3, 4, 5, 6, 7, 31, 32};

// Columns of the soil-layer table D.
enum TLayerColumn : int {
  kLayerSoilType = 0,
  kLayerDepth = 1,          // depth at the bottom of the layer, L2
  kLayerData = 2,           // the layer's own table
  kLayerMaxSideFriction = 3,  // F/L2^2, 0 = no limit
  kLayerMaxEndBearing = 4,    // F/L2^2, 0 = no limit
  kLayerSideFactor = 5,       // LRFD resistance factor for side friction
  kLayerTipFactor = 6,        // LRFD resistance factor for end bearing
};
constexpr int kMaxLayers = 40;
constexpr int kMaxTzDepths = 50;

// Rows of every layer table.
constexpr int kLayerTop = 0;
constexpr int kLayerBottom = 1;

// Columns of the layer tables, by soil family.
namespace sand {
enum : int { UnitWeight, FrictionAngle, BlowCounts, Ko, Beta, Method, InterfaceAngle, StressExponent };
// Side friction methods (the choice in Method).
enum : int { KoMethod = 1, BetaMethod = 2, ChenKulhawyMethod = 3 };
}  // namespace sand
namespace clay {  // clay and shale
enum : int { UnitWeight, Cohesion, BlowCounts, Alpha, Nc };
}
namespace rock {  // both strong-rock types
enum : int {
  RockStrength,
  ConcreteStrength,
  DiscontinuitySpacing,
  DiscontinuityThickness,
  SocketDiameter,
  Modulus,
  RQD
};
}
namespace decomposed {
enum : int { UnitWeight, BlowCounts, PoissonRatio, YoungModulus, SocketDiameter };
}
namespace weakrock {
enum : int { RockStrength, InterfaceCondition, Slump, InterfaceFrictionAngle, SocketDiameter, Modulus, RQD };
}  // namespace weakrock
namespace gravel {  // gravelly sand and gravel
enum : int { UnitWeight, BlowCounts, Beta };
}

class TProjectTables {
 public:
  TProjectTables();
  ~TProjectTables();
  TProjectTables(const TProjectTables&) = delete;
  TProjectTables& operator=(const TProjectTables&) = delete;

  TTableRegistry& Registry() { return registry_; }
  TGridTable& D() { return *layers_; }
  const TGridTable& D() const { return *layers_; }
  TGridTable& TblTZDepth() { return *tzDepths_; }
  const TGridTable& TblTZDepth() const { return *tzDepths_; }
  // The template of a soil type (1 to 9).
  const TGridTable& LayerTemplate(int soilType) const;

  // The tables that hold project values (D and TblTZDepth): they follow the project's unit
  // system, changed state and row resets. The templates hold definitions only.
  std::array<TGridTable*, 2> ValueTables() { return {layers_.get(), tzDepths_.get()}; }
  std::array<const TGridTable*, 2> ValueTables() const { return {layers_.get(), tzDepths_.get()}; }

 private:
  TTableRegistry registry_;  // first member: it outlives every table
  std::vector<std::unique_ptr<TGridTable>> templates_;
  std::unique_ptr<TGridTable> layers_;
  std::unique_ptr<TGridTable> tzDepths_;
};

}  // namespace talmo
