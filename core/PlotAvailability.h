#pragma once
// Which result diagrams the user can open: the rule behind the Graphics menu, which the export
// of plots to a workbook follows as well (it offers exactly the plots whose command is enabled).
#include <vector>

#include "MainPlots.h"
#include "ProgramData.h"

namespace talmo {

// Whether the Graphics command of the plot at `row` (0-based position in TMainPlots::All) is
// enabled: results are loaded and their plot file exists, and the results include that kind
// (settlement bounds need ID2, transfer curves and load distribution their own blocks, the
// additional t-z curves their project option and a curve, design chart k needs k chart
// settlements).
bool PlotCommandEnabled(TMainPlots& plots, int row, const TProgramData& project, bool plotFileExists);

// The rows (0-based, in the fixed order of TMainPlots::All) of the plots offered for export:
// those whose command is enabled and that have at least one line.
std::vector<int> ExportablePlotRows(TMainPlots& plots, const TProgramData& project, bool plotFileExists);

}  // namespace talmo
