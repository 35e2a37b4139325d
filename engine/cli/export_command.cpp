#include "export_command.h"

#include <filesystem>
#include <ostream>

#include "EngineRun.h"
#include "Errors.h"
#include "PlotAvailability.h"
#include "ProgramData.h"
#include "ProjectResults.h"
#include "ResultLoading.h"
#include "WorkbookExport.h"

namespace talmo {

namespace {

constexpr int kExportDone = 0;
constexpr int kExportFailed = 2;

struct TExportRequest {
  std::string project;
  std::string workbook;  // empty: beside the project, with its name
  bool markers = true;
};

bool parse(const std::vector<std::string>& args, TExportRequest& request) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" && i + 1 < args.size() && request.workbook.empty()) {
      request.workbook = args[++i];
    } else if (args[i] == "--no-markers") {
      request.markers = false;
    } else if (request.project.empty() && !args[i].empty() && args[i][0] != '-') {
      request.project = args[i];
    } else {
      return false;
    }
  }
  return !request.project.empty();
}

}  // namespace

int RunExportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  TExportRequest request;
  if (!parse(args, request)) {
    err << "Usage: talmo export PROJECT.tm8d [-o FILE.xlsx] [--no-markers]\n";
    return kExportFailed;
  }
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path project = fs::absolute(request.project, ec);
  if (ec || !fs::is_regular_file(project, ec)) {
    err << "talmo: cannot read project file " << request.project << '\n';
    return kExportFailed;
  }
  const fs::path plotFile = ChangeFileExt(project, ".tm8p");
  if (!fs::exists(plotFile, ec)) {
    err << "talmo: " << project.string() << " has no results (" << plotFile.filename().string()
        << "): run \"talmo run " << request.project << "\" first\n";
    return kExportFailed;
  }

  try {
    // The project's settings shape the plots exactly as when the desktop program loads them.
    TProjectTables tables;
    TProjectLoad load;
    TMainPlots plots;
    TPlotLoadResult result;
    {
      NumericLocaleGuard decimalPoint;
      const bool older = project.extension() == ".tmd";
      load = TProgramData::CreateFromFile(tables, project.string(), older ? kFilterNewerOld : kFilterCurrent);
      if (!load.error.empty()) {
        err << "talmo: " << load.error << '\n';
        return kExportFailed;
      }
      result = ReadPlotData(plots, plotFile.string(), false, ResultSettingsOf(*load.project), SoilLayersOf(tables));
    }
    if (!result.ok) {
      err << "talmo: the plot file " << plotFile.string() << " cannot be read: " << result.formatError << '\n';
      return kExportFailed;
    }
    if (result.ID2) load.project->ID2 = *result.ID2;

    std::vector<const TGraphPlot*> chosen;
    const auto all = plots.All();
    for (int row : ExportablePlotRows(plots, *load.project, true)) chosen.push_back(all[static_cast<std::size_t>(row)]);
    if (chosen.empty()) {
      err << "talmo: the results of " << project.string() << " hold no plot to export\n";
      return kExportFailed;
    }
    const std::string workbook =
        request.workbook.empty() ? ChangeFileExt(project, ".xlsx").string() : fs::absolute(request.workbook).string();
    const TWorkbookExportResult written = WriteWorkbook(workbook, chosen, request.markers);
    out << "Workbook: " << workbook << " (" << chosen.size() << " plots)\n";
    if (written.more255) out << "Some plots show only the first " << kMaxChartSeries << " lines in their charts.\n";
    return kExportDone;
  } catch (const std::exception& e) {
    err << "talmo: " << e.what() << '\n';
    return kExportFailed;
  }
}

}  // namespace talmo
