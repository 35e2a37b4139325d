#include "PlotAvailability.h"

namespace talmo {

namespace {

// Rows of TMainPlots::All.
constexpr int kUpperRow = 9, kLowerRow = 10, kCombinedSettleRow = 11;
constexpr int kTzRow = 12, kQwRow = 13, kTzAddRow = 14, kLoadRow = 15, kFirstChartRow = 16;

}  // namespace

bool PlotCommandEnabled(TMainPlots& plots, int row, const TProgramData& project, bool plotFileExists) {
  if (row < 0 || row >= TMainPlots::kPlotCount || !plots.ShowOutput || !plotFileExists) return false;
  switch (row) {
    case kUpperRow:
    case kLowerRow:
    case kCombinedSettleRow: return project.ID2 != 0;
    case kTzRow:
    case kQwRow: return plots.showtzcurves;
    case kTzAddRow: return plots.showtzcurves && project.PrintTZCurves == 1 && plots.pltTzAdd.LineCount() > 0;
    case kLoadRow: return plots.showloadcurves;
    default: break;
  }
  if (row >= kFirstChartRow) return project.IChart == 1 && project.NPOINTPD >= row - kFirstChartRow + 1;
  return true;
}

std::vector<int> ExportablePlotRows(TMainPlots& plots, const TProgramData& project, bool plotFileExists) {
  std::vector<int> rows;
  const auto all = plots.All();
  for (int row = 0; row < TMainPlots::kPlotCount; ++row)
    if (PlotCommandEnabled(plots, row, project, plotFileExists) && all[static_cast<std::size_t>(row)]->HasSomethingToDraw())
      rows.push_back(row);
  return rows;
}

}  // namespace talmo
