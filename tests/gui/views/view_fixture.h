#pragma once
// A four-layer project for the view tests: clay to 10 ft, sand to 25 ft, clay to 40 ft and
// sand to 60 ft, water at 12 ft, a 3 ft shaft 45 ft long with a bell of ratio 2.5 at 45
// degrees (bell height 3 x 1.5 / 2 = 2.25 ft), 5 ft excluded at the top and 3 ft at the bottom.
#include "ProgramData.h"
#include "ProjectTables.h"

namespace talmo::testing {

inline void MakeFourLayerBelledProject(TProgramData& p) {
  TGridTable& d = p.Tables().D();
  const int types[] = {kSoilClay, kSoilSand, kSoilClay, kSoilSand};
  const double bottoms[] = {10, 25, 40, 60};
  d.SetRowCount(4);
  for (int i = 0; i < 4; ++i) {
    d.SetIntValue(kLayerSoilType, i, types[i]);
    d.SetFloatValue(kLayerDepth, i, bottoms[i]);
  }
  p.METHOD = 2;
  p.DSTART = 3;
  p.RATIO = 2.5;
  p.BELANGL = 45;
  p.TOPLENG = 5;
  p.BS = 3;
  p.PD = 45;
  p.WTD = 12;
}

}  // namespace talmo::testing
