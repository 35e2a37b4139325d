#include "MainPlots.h"

#include <string_view>

namespace talmo {

namespace {

// Design-time texts of one diagram. Every plot starts with the model's defaults (curve
// names "Curve #", markers on every point, font and pen factors 1, legend shown); only these
// differ.
struct PlotDefinition {
  TGraphPlot TMainPlots::*plot;
  std::string_view caption, xCaption, xUnits, yCaption, yUnits;
  bool xOnTop;
};

constexpr PlotDefinition kPlots[] = {
    {&TMainPlots::pltSkin, "Ultimate Skin Friction vs Depth", "Ultimate Skin Friction ", "F2", "Depth ", "L2", true},
    {&TMainPlots::pltTip, "Ultimate Tip Resistance vs Depth", "Ultimate Tip Resistance ", "F2", "Depth ", "L2", true},
    {&TMainPlots::pltTotal, "Ultimate Total Capacity vs Depth", "Ultimate Total Capacity ", "F2", "Depth ", "L2", true},
    {&TMainPlots::pltAxial, "Axial Load vs Settlement (averaged)", "Axial Load ", "F2", "Settlement ", "L", true},
    {&TMainPlots::pltLoad, "Load Distribution", "Total Capacity ", "F2", "Depth ", "L2", true},
    {&TMainPlots::pltCombine, "Combined Plots vs Depth (ultimate)", "Ultimate Axial Capacity", "F2", "Depth", "L2", true},
    {&TMainPlots::pltCombineD, "Combined Plots vs Depth (ASD/LRFD)", "Axial Capacity w/F. S.", "F2", "Depth", "L2", true},
    {&TMainPlots::FSpltSkin, "ASD/LRFD Skin Friction vs Depth ", "Skin Friction w/F.S.", "F2", "Depth", "L2", true},
    {&TMainPlots::FSpltTip, "ASD/LRFD Tip Resistance vs Depth ", "Tip Resistance w/F.S.", "F2", "Depth", "L2", true},
    {&TMainPlots::FSpltTotal, "ASD/LRFD Total Capacity vs Depth", "Total Capacity w/F.S.", "F2", "Depth", "L2", true},
    {&TMainPlots::pltUpper, "Axial Load vs Settlement (upper bound)", "Axial Load (upper bound)", "F2", "Settlement", "L", true},
    {&TMainPlots::pltLower, "Axial Load vs Settlement (lower bound)", "Axial Load (lower bound)", "F2", "Settlement", "L", true},
    {&TMainPlots::pltCombinedSettle, "Combined Plots of Load vs Settlement", "Axial Load", "F2", "Settlement", "L", true},
    {&TMainPlots::pltQw, "Q-w curves (averaged)", "Tip Displacement, w", "L", "Tip Load, Q", "F2", false},
    {&TMainPlots::pltTz, "t-z curves (averaged)", "Axial Displacement, z", "L", "Unit Load Transfer, t", "F/L^2", false},
    {&TMainPlots::pltTzAdd, "Additional t-z curves (averaged)", "Axial Displacement, z", "L", "Unit Load Transfer, t", "F/L^2", false},
};

// The tenth chart's title carries two blanks; the window list and the export show it so.
constexpr std::string_view kChartCaptions[10] = {
    "Design Chart 1", "Design Chart 2", "Design Chart 3", "Design Chart 4", "Design Chart 5",
    "Design Chart 6", "Design Chart 7", "Design Chart 8", "Design Chart 9", "Design Chart  10",
};

void define(TGraphPlot& plot, std::string_view caption, std::string_view xCaption, std::string_view xUnits,
            std::string_view yCaption, std::string_view yUnits, bool xOnTop) {
  plot.Caption = caption;
  plot.XCaption = xCaption;
  plot.XUnits = xUnits;
  plot.YCaption = yCaption;
  plot.YUnits = yUnits;
  plot.XOnTop = xOnTop;
}

}  // namespace

TMainPlots::TMainPlots() {
  for (const PlotDefinition& d : kPlots)
    define(this->*d.plot, d.caption, d.xCaption, d.xUnits, d.yCaption, d.yUnits, d.xOnTop);
  for (std::size_t k = 0; k < PltChart.size(); ++k)
    define(PltChart[k], kChartCaptions[k], "Axial Capacity", "F2", "Depth", "L2", true);
}

std::array<TGraphPlot*, TMainPlots::kPlotCount> TMainPlots::All() {
  return {&pltSkin,     &pltTip,     &pltTotal,    &FSpltSkin,   &FSpltTip,    &FSpltTotal,  &pltCombine,
          &pltCombineD, &pltAxial,   &pltUpper,    &pltLower,    &pltCombinedSettle,         &pltTz,
          &pltQw,       &pltTzAdd,   &pltLoad,     &PltChart[0], &PltChart[1], &PltChart[2], &PltChart[3],
          &PltChart[4], &PltChart[5], &PltChart[6], &PltChart[7], &PltChart[8], &PltChart[9]};
}

}  // namespace talmo
