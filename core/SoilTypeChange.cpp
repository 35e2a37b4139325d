#include "SoilTypeChange.h"

#include <array>
#include <vector>

#include "ProjectTables.h"

namespace talmo {

namespace {

// What a column of a layer table means. Two columns of different soil types hold the same
// quantity when they carry the same meaning; only those are carried over.
//
// The mapping, by quantity (the columns of each soil family in brackets):
//   total unit weight       sand c0, clay/shale c0, decomposed rock c0, gravelly sand/gravel c0
//   SPT blow counts         sand c2, clay/shale c2, decomposed rock c1, gravelly sand/gravel c1
//   beta (fs / sigma'v)     sand c4, gravelly sand/gravel c2
//   rock compressive qu     strong rock c0 (both types), weak rock c0
//   RQD, %                  strong rock c6, weak rock c6
//   socket diameter         strong rock c4, weak rock c4, decomposed rock c4
// Types of one family (clay and shale, the two strong-rock types, gravelly sand and gravel)
// share every column. Nothing else carries over: the friction angle of sand and the interface
// friction angle of weak rock, the rock-mass modulus of strong rock, the core modulus of weak
// rock and the Young modulus of decomposed rock are different quantities, and cohesion, alpha,
// Nc, Ko, m, Poisson's ratio, slump, discontinuities, concrete strength and the interface
// condition belong to one family only.
enum class TQuantity {
  None,
  UnitWeight,
  BlowCounts,
  Beta,
  RockStrength,
  RQD,
  SocketDiameter,
};

using TMeanings = std::vector<TQuantity>;
using Q = TQuantity;

// The family of a soil type: types of one family have identical tables.
int familyOf(int soilType) {
  switch (soilType) {
    case kSoilShale: return kSoilClay;
    case kSoilStrongRock: return kSoilStrongRockSideOrTip;
    case kSoilGravel: return kSoilGravellySand;
    default: return soilType;
  }
}

// Meaning of each column of a soil type's layer table, by column index.
const TMeanings& meaningsOf(int soilType) {
  static const TMeanings sandColumns{Q::UnitWeight, Q::None, Q::BlowCounts, Q::None, Q::Beta, Q::None, Q::None, Q::None};
  static const TMeanings clayColumns{Q::UnitWeight, Q::None, Q::BlowCounts, Q::None, Q::None};
  // Strong and weak rock hold their shared quantities in the same columns.
  static const TMeanings rockColumns{Q::RockStrength, Q::None, Q::None, Q::None, Q::SocketDiameter, Q::None, Q::RQD};
  static const TMeanings decomposedColumns{Q::UnitWeight, Q::BlowCounts, Q::None, Q::None, Q::SocketDiameter};
  static const TMeanings gravelColumns{Q::UnitWeight, Q::BlowCounts, Q::Beta};
  static const TMeanings none;
  switch (familyOf(soilType)) {
    case kSoilSand: return sandColumns;
    case kSoilClay: return clayColumns;
    case kSoilStrongRockSideOrTip:
    case kSoilWeakRock: return rockColumns;
    case kSoilDecomposedRock: return decomposedColumns;
    case kSoilGravellySand: return gravelColumns;
    default: return none;
  }
}

// The column of the old table that feeds column `to` of the new one, or -1.
int sourceColumn(int oldType, int newType, int to) {
  if (familyOf(oldType) == familyOf(newType)) return to;
  const TMeanings& from = meaningsOf(oldType);
  const TMeanings& into = meaningsOf(newType);
  if (to >= static_cast<int>(into.size()) || into[static_cast<std::size_t>(to)] == Q::None) return -1;
  for (std::size_t c = 0; c < from.size(); ++c)
    if (from[c] == into[static_cast<std::size_t>(to)]) return static_cast<int>(c);
  return -1;
}

bool holdsNumbers(const TColumn& column) {
  const TColumnClass code = column.ClassCode();
  return code == TColumnClass::Float || code == TColumnClass::Int || code == TColumnClass::Enum;
}

}  // namespace

void ChangeSoilType(TGridTable& layers, int row, int soilType) {
  const int oldType = layers.GetIntValue(kLayerSoilType, row);
  if (oldType == soilType) return;
  // The old values, top and bottom rows, by column.
  std::vector<std::array<double, 2>> old;
  if (const TGridTable* table = layers.GetDataValue(kLayerData, row)) {
    for (int c = 0; c < table->ColumnCount(); ++c) {
      std::array<double, 2> values{};
      if (holdsNumbers(table->Column(c)))
        for (int r = 0; r < 2 && r < table->RowCount(); ++r) values[static_cast<std::size_t>(r)] = table->GetFloatValue(c, r);
      old.push_back(values);
    }
  }
  layers.SetIntValue(kLayerSoilType, row, soilType);  // renews the layer's table from the template
  TGridTable* table = layers.GetDataValue(kLayerData, row);
  if (table == nullptr) return;
  for (int c = 0; c < table->ColumnCount(); ++c) {
    const int from = sourceColumn(oldType, soilType, c);
    if (from < 0 || from >= static_cast<int>(old.size()) || !holdsNumbers(table->Column(c))) continue;
    for (int r = 0; r < 2 && r < table->RowCount(); ++r) {
      const double value = old[static_cast<std::size_t>(from)][static_cast<std::size_t>(r)];
      if (table->Column(c).ClassCode() == TColumnClass::Float)
        table->SetFloatValue(c, r, value);
      else
        table->SetIntValue(c, r, static_cast<int>(value));
    }
  }
}

}  // namespace talmo
