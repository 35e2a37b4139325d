// Export of plots to a workbook: column letters, captions, the plots offered, and a failed
// export that must leave an older workbook as it was. The workbook's contents are read back
// by an independent reader in workbook/check_workbook.py.
#include "WorkbookExport.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "Errors.h"
#include "MainPlots.h"
#include "PlotAvailability.h"
#include "core/file_size_limit.h"
#include "engine/test_support.h"

namespace talmo {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::vector<std::string> folderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

TEST(WorkbookExport, ColumnLettersRunFromAToZZ) {
  const std::pair<int, const char*> cases[] = {{1, "A"},   {26, "Z"},   {27, "AA"},  {52, "AZ"},
                                               {53, "BA"}, {510, "SP"}, {677, "ZA"}, {702, "ZZ"}};
  for (const auto& [column, letters] : cases) EXPECT_EQ(SpreadsheetColumnName(column), letters) << column;
  EXPECT_THROW(SpreadsheetColumnName(0), std::out_of_range);
  EXPECT_THROW(SpreadsheetColumnName(703), std::out_of_range);
}

TEST(WorkbookExport, CaptionsCarryTheExpandedUnitsOnlyWhenTheAxisHasAUnitCode) {
  TMainPlots plots;
  EXPECT_EQ(ExportXCaption(plots.pltSkin), "Ultimate Skin Friction  (tons)");
  EXPECT_EQ(ExportYCaption(plots.pltSkin), "Depth  (ft)");
  plots.pltTz.SetUnits(2);
  EXPECT_EQ(ExportYCaption(plots.pltTz), "Unit Load Transfer, t (kN/m^2)");
  plots.pltTz.YUnits.clear();
  EXPECT_EQ(ExportYCaption(plots.pltTz), "Unit Load Transfer, t");
}

// A depth plot of two lines of 40 points: enough data that a small file-size limit stops it.
struct OneDepthPlot {
  OneDepthPlot() {
    plots.pltSkin.SetLineCount(2);
    plots.pltSkin.SetCount(40);
    for (int i = 0; i < 40; ++i) plots.pltSkin.Data(1, i) = {10.0 * i, 1.0 * i};
  }
  TMainPlots plots;
};

TEST(WorkbookExport, AFailedExportLeavesTheOlderWorkbookAndNoTemporaryFile) {
  TempDir dir;
  const auto file = dir / "shaft.xlsx";
  writeFile(file, "the engineer's older workbook");
  OneDepthPlot data;
  std::string error;
  {
    test::FileSizeLimit limit(2000);
    try {
      WriteWorkbook(file.string(), {&data.plots.pltSkin}, true);
    } catch (const EInOutError& e) {
      error = e.what();
    }
  }
  EXPECT_EQ(error, "Cannot write file \"" + file.string() + "\": File too large");
  EXPECT_EQ(readFile(file), "the engineer's older workbook");
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"shaft.xlsx"});

  // Without the limit the same export replaces the older file with a workbook (a zip archive).
  EXPECT_FALSE(WriteWorkbook(file.string(), {&data.plots.pltSkin}, true).more255);
  EXPECT_EQ(readFile(file).substr(0, 2), "PK");
  EXPECT_EQ(folderEntries(dir.path()), std::vector<std::string>{"shaft.xlsx"});
}

TEST(WorkbookExport, AFolderThatDoesNotExistIsNamedWithTheReason) {
  TempDir dir;
  const std::string file = (dir / "missing" / "shaft.xlsx").string();
  OneDepthPlot data;
  try {
    WriteWorkbook(file, {&data.plots.pltSkin}, true);
    FAIL() << "the export was reported as done";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + file + "\": No such file or directory");
  }
}

TEST(WorkbookExport, APlotWiderThanAWorksheetIsRefusedByName) {
  TempDir dir;
  const auto file = dir / "wide.xlsx";
  TGraphPlot wide;
  wide.Caption = "Wide";
  wide.SetLineCount(8193);  // 16386 columns; a worksheet has 16384
  try {
    WriteWorkbook(file.string(), {&wide}, true);
    FAIL() << "the export was reported as done";
  } catch (const EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("the plot \"Wide\" has more lines or points than a worksheet can hold"),
              std::string::npos)
        << e.what();
  }
  EXPECT_TRUE(folderEntries(dir.path()).empty());
}

TEST(WorkbookExport, ThePlotsOfferedAreThoseWhoseCommandIsEnabled) {
  struct Case {
    const char* what;
    bool showOutput, plotFile, tz, load;
    int ID2, PrintTZCurves, IChart, NPOINTPD;
    std::vector<int> rows;
  };
  const std::vector<int> capacityAndAveraged = {0, 1, 2, 3, 4, 5, 6, 7, 8};
  auto with = [&](std::vector<int> extra) {
    std::vector<int> rows = capacityAndAveraged;
    rows.insert(rows.end(), extra.begin(), extra.end());
    return rows;
  };
  const Case cases[] = {
      {"no results", false, true, true, true, 1, 1, 1, 10, {}},
      {"plot file gone", true, false, true, true, 1, 1, 1, 10, {}},
      {"rock tip: no settlement bounds", true, true, false, false, 0, 0, 0, 0, capacityAndAveraged},
      {"soil tip", true, true, false, false, 1, 0, 0, 0, with({9, 10, 11})},
      {"transfer curves", true, true, true, false, 1, 0, 0, 0, with({9, 10, 11, 12, 13})},
      {"extra t-z curves", true, true, true, false, 1, 1, 0, 0, with({9, 10, 11, 12, 13, 14})},
      {"load distribution", true, true, true, true, 1, 0, 0, 0, with({9, 10, 11, 12, 13, 15})},
      {"three design charts", true, true, false, false, 1, 0, 1, 3, with({9, 10, 11, 16, 17, 18})},
      {"charts not asked for", true, true, false, false, 1, 0, 0, 3, with({9, 10, 11})},
  };
  for (const Case& c : cases) {
    TMainPlots plots;
    for (TGraphPlot* plot : plots.All()) plot->SetLineCount(1);
    plots.ShowOutput = c.showOutput;
    plots.showtzcurves = c.tz;
    plots.showloadcurves = c.load;
    TProjectTables tables;
    TProgramData project(tables);
    project.ID2 = c.ID2;
    project.PrintTZCurves = c.PrintTZCurves;
    project.IChart = c.IChart;
    project.NPOINTPD = c.NPOINTPD;
    EXPECT_EQ(ExportablePlotRows(plots, project, c.plotFile), c.rows) << c.what;
  }

  // A plot without lines would give an empty chart: it is not offered.
  TMainPlots plots;
  for (TGraphPlot* plot : plots.All()) plot->SetLineCount(1);
  plots.ShowOutput = true;
  plots.pltTip.SetLineCount(0);
  TProjectTables tables;
  TProgramData project(tables);
  project.ID2 = 0;
  EXPECT_EQ(ExportablePlotRows(plots, project, true), (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8}));
}

}  // namespace
}  // namespace talmo
