#pragma once
// The result diagrams of the main window: one plot model per diagram for the whole run of the
// program, with their design-time captions, axis units and orientation, and the flags that
// tell which results are loaded. The result loader refills them after every run.
#include <array>

#include "PlotModel.h"

namespace talmo {

struct TMainPlots {
  TMainPlots();
  TMainPlots(const TMainPlots&) = delete;
  TMainPlots& operator=(const TMainPlots&) = delete;

  // Capacity against depth: ultimate, then factored (ASD or LRFD).
  TGraphPlot pltSkin, pltTip, pltTotal;
  TGraphPlot FSpltSkin, FSpltTip, FSpltTotal;
  // First curve's side, tip and total on one diagram: ultimate and factored.
  TGraphPlot pltCombine, pltCombineD;
  // Load against settlement: trend, upper and lower bound, and the first curve's three.
  TGraphPlot pltAxial, pltUpper, pltLower, pltCombinedSettle;
  // Transfer curves and the load distribution.
  TGraphPlot pltTz, pltQw, pltTzAdd, pltLoad;
  // Design charts: PltChart[0] is "Design Chart 1" ... PltChart[9] "Design Chart  10".
  std::array<TGraphPlot, 10> PltChart;

  bool ShowOutput = false;      // results of the current project are loaded
  bool showtzcurves = false;    // the loaded results include t-z and Q-w curves
  bool showloadcurves = false;  // the loaded results include load-distribution curves

  static constexpr int kPlotCount = 26;
  // Every plot in the fixed order of the export list: the eight capacity plots, the four
  // settlement plots, t-z, Q-w, additional t-z, load distribution, then the ten charts.
  std::array<TGraphPlot*, kPlotCount> All();
};

}  // namespace talmo
