#include "ProjectResults.h"

namespace talmo {

TResultSettings ResultSettingsOf(const TProgramData& p) {
  TResultSettings settings;
  settings.fUnits = p.Units();
  settings.UseElevation = p.UseElevation;
  settings.ValElevation = p.ValElevation;
  settings.NLRFD = p.NLRFD;
  settings.KCYCL = p.KCYCL;
  settings.IPENT = p.IPENT;
  settings.IChart = p.IChart;
  settings.PrintTZCurves = p.PrintTZCurves;
  settings.Yesnewversion = p.Yesnewversion;
  settings.FST = p.FST;
  settings.FSB = p.FSB;
  settings.DSTART = p.DSTART;
  settings.DIAMINCR = p.DIAMINCR;
  return settings;
}

std::vector<TSoilLayerEntry> SoilLayersOf(const TProjectTables& tables) {
  std::vector<TSoilLayerEntry> layers;
  const TGridTable& d = tables.D();
  for (int row = 0; row < d.RowCount(); ++row)
    layers.push_back({d.GetIntValue(kLayerSoilType, row), d.GetFloatValue(kLayerDepth, row)});
  return layers;
}

}  // namespace talmo
