// Changing the soil type of a layer: the layer gets the new type's table and keeps exactly the
// values whose meaning the two types share, at the top and at the bottom of the layer.
#include "SoilTypeChange.h"

#include <gtest/gtest.h>

#include "ProjectTables.h"

namespace talmo {
namespace {

// Fills column c of both rows of the layer's table with 10 * (c + 1) (top) and 10 * (c + 1) + 1
// (bottom): every value tells where it came from. Choice columns get 2 (top) and 3 (bottom).
void fillDistinct(TGridTable& layer) {
  for (int c = 0; c < layer.ColumnCount(); ++c) {
    if (layer.Column(c).ClassCode() == TColumnClass::Enum) {
      layer.SetIntValue(c, 0, 2);
      layer.SetIntValue(c, 1, 3);
    } else {
      layer.SetFloatValue(c, 0, 10.0 * (c + 1));
      layer.SetFloatValue(c, 1, 10.0 * (c + 1) + 1);
    }
  }
}

// The table's values after the change: top row, then bottom row.
std::vector<double> values(const TGridTable& layer) {
  std::vector<double> out;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < layer.ColumnCount(); ++c) out.push_back(layer.GetFloatValue(c, r));
  return out;
}

TEST(SoilTypeChange, SharedValuesCarryOverAndTheRestStartAtTheDefaults) {
  struct Case {
    int from, to;
    std::vector<double> expected;  // top row, then bottom row, by column of the new type
  } cases[] = {
      // sand -> clay: unit weight (sand c0) and blow counts (sand c2)
      {kSoilSand, kSoilClay, {10, 0, 30, 0, 0, 11, 0, 31, 0, 0}},
      // clay -> sand: unit weight and blow counts; the method starts as the Ko method
      {kSoilClay, kSoilSand, {10, 0, 30, 0, 0, 1, 0, 0, 11, 0, 31, 0, 0, 1, 0, 0}},
      // clay -> shale: every value
      {kSoilClay, kSoilShale, {10, 20, 30, 40, 50, 11, 21, 31, 41, 51}},
      // sand -> gravel: unit weight, blow counts (sand c2 -> c1) and beta (sand c4 -> c2)
      {kSoilSand, kSoilGravel, {10, 30, 50, 11, 31, 51}},
      // gravelly sand -> decomposed rock: unit weight and blow counts
      {kSoilGravellySand, kSoilDecomposedRock, {10, 20, 0, 0, 0, 11, 21, 0, 0, 0}},
      // strong rock -> weak rock: compressive strength, socket diameter and RQD; the
      // interface condition starts as the first entry of its list
      {kSoilStrongRockSideOrTip, kSoilWeakRock, {10, 1, 0, 0, 50, 0, 70, 11, 1, 0, 0, 51, 0, 71}},
      // strong rock (either) -> strong rock (both): every value
      {kSoilStrongRockSideOrTip, kSoilStrongRock, {10, 20, 30, 40, 50, 60, 70, 11, 21, 31, 41, 51, 61, 71}},
      // decomposed rock -> strong rock: the socket diameter only
      {kSoilDecomposedRock, kSoilStrongRock, {0, 0, 0, 0, 50, 0, 0, 0, 0, 0, 0, 51, 0, 0}},
      // rock -> sand: nothing
      {kSoilWeakRock, kSoilSand, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
  };
  for (const Case& c : cases) {
    TProjectTables tables;
    TGridTable& d = tables.D();
    d.SetRowCount(2);
    d.SetIntValue(kLayerSoilType, 1, c.from);
    d.SetFloatValue(kLayerDepth, 1, 25);
    fillDistinct(*d.GetDataValue(kLayerData, 1));
    ChangeSoilType(d, 1, c.to);
    EXPECT_EQ(d.GetIntValue(kLayerSoilType, 1), c.to);
    EXPECT_EQ(d.GetFloatValue(kLayerDepth, 1), 25);
    EXPECT_EQ(values(*d.GetDataValue(kLayerData, 1)), c.expected) << c.from << " -> " << c.to;
    EXPECT_EQ(d.GetDataValue(kLayerData, 1)->Caption, tables.LayerTemplate(c.to).Caption);
  }
}

TEST(SoilTypeChange, TheSameTypeKeepsEveryValue) {
  TProjectTables tables;
  TGridTable& d = tables.D();
  d.SetRowCount(1);
  d.SetIntValue(kLayerSoilType, 0, kSoilClay);
  fillDistinct(*d.GetDataValue(kLayerData, 0));
  const TGridTable* before = d.GetDataValue(kLayerData, 0);
  ChangeSoilType(d, 0, kSoilClay);
  EXPECT_EQ(d.GetDataValue(kLayerData, 0), before);
  EXPECT_EQ(values(*before), (std::vector<double>{10, 20, 30, 40, 50, 11, 21, 31, 41, 51}));
}

}  // namespace
}  // namespace talmo
