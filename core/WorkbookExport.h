#pragma once
// Export of plots to a spreadsheet workbook (.xlsx), written directly as a file.
//
// The workbook holds, in this order: the index sheet "Legend" (number, plot name, data sheet,
// chart sheet and status of every exported plot, the sheet names linking to the data), then
// per exported plot k its data sheet "Page_k" (captions, then one column pair of x and y per
// line) and its chart sheet "Plot_k" (an XY scatter with one series per line, at most 255).
#include <string>
#include <vector>

#include "PlotModel.h"

namespace talmo {

// A spreadsheet chart takes at most this many series; further lines are written as data only.
inline constexpr int kMaxChartSeries = 255;

// Letters of the 1-based spreadsheet column `column`: "A" to "Z", then "AA" to "ZZ" (702).
// Throws std::out_of_range outside 1..702.
std::string SpreadsheetColumnName(int column);

// The x or y caption of a plot as the export shows it: the axis text, then its expanded unit
// code in brackets when the axis has one ("Depth  (ft)").
std::string ExportXCaption(const TGraphPlot& plot);
std::string ExportYCaption(const TGraphPlot& plot);

struct TWorkbookExportResult {
  bool more255 = false;  // a plot had more lines than its chart could take
};

// Writes the workbook of `plots` (in the given order) to `fileName`. The file is written
// under a temporary name in the same folder and renamed when complete, so a failure leaves an
// older workbook of that name as it was and no partial file. `markers` puts a marker on every
// point of every series. Throws EFOpenError or EInOutError naming the file and the reason.
TWorkbookExportResult WriteWorkbook(const std::string& fileName, const std::vector<const TGraphPlot*>& plots,
                                    bool markers);

// The message shown when the export is done ("\r" separates lines).
std::string ExportCompletedMessage(const std::string& fileName, bool more255);

}  // namespace talmo
