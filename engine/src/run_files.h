#pragma once
// The files of one run, by role. Models write to a role ("files.runtime"), never to a path.
#include <filesystem>

#include "talmo/engine.h"
#include "text_out.h"

namespace talmo {

struct RunFiles {
  TextOut report;             // the text report
  TextOut plot;               // plot data read back by the interactive program
  TextOut runtime;            // run notes and warnings for the user
  TextOut curveListing;       // header, date, t-z and q-w curve listings
  TextOut settlementListing;  // temporary: appended to the curve listing at the end
  TextOut tzPlot;             // temporary: t-z plot data, appended to the plot file
  TextOut qwPlot;             // temporary: q-w plot data, appended to the plot file
  TextOut loadSettlementPlot; // temporary: load-distribution data, appended to the plot file
  TextOut chart;              // CHART.DAT, design-chart side data
  TextOut tzDiam;             // TZDIAM.DAT, appended to the plot file

  RunNames names;
  std::filesystem::path workDir;

  std::filesystem::path chartPath() const { return workDir / "CHART.DAT"; }
  std::filesystem::path tzDiamPath() const { return workDir / "TZDIAM.DAT"; }
  std::filesystem::path tzDataPath() const { return workDir / "TZDATA.DAT"; }
  std::filesystem::path rockMessagePath() const { return workDir / "ROCKMSG.DAT"; }
};

}  // namespace talmo
