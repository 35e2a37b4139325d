// Any plot-data file, loaded under a few project settings one after the other into the same
// plots: the loader ends with a result or a format error of its own, and never crashes, hangs,
// allocates without bound or hits undefined behaviour; its result and the plots' flags agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "ResultLoading.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

std::vector<talmo::TResultSettings> settingsVariants() {
  using talmo::TResultSettings;
  TResultSettings plain;  // English ASD, one diameter
  plain.DSTART = 3;
  TResultSettings siCharts;  // SI LRFD, design charts and extra t-z curves
  siCharts.fUnits = 2;
  siCharts.NLRFD = 1;
  siCharts.IChart = 1;
  siCharts.PrintTZCurves = 1;
  siCharts.DSTART = 0.9;
  siCharts.DIAMINCR = 0.15;
  TResultSettings olderUplift;  // oldest format, uplift, elevations, zero factors of safety
  olderUplift.Yesnewversion = 0;
  olderUplift.KCYCL = 2;
  olderUplift.UseElevation = 1;
  olderUplift.ValElevation = 100;
  olderUplift.FST = 0;
  olderUplift.FSB = 0;
  TResultSettings lengths;  // several lengths with charts and extra t-z curves
  lengths.IPENT = 1;
  lengths.IChart = 1;
  lengths.PrintTZCurves = 1;
  return {plain, siCharts, olderUplift, lengths};
}

const std::vector<talmo::TSoilLayerEntry> kLayers = {{2, 15}, {1, 40}, {4, 60}, {0, 70}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace talmo;
  static const std::vector<TResultSettings> variants = settingsVariants();
  const std::string text(reinterpret_cast<const char*>(data), size);
  TMainPlots plots;
  bool afterRun = true;
  for (const TResultSettings& settings : variants) {
    TWordReader reader = TWordReader::FromText(text);
    const TPlotLoadResult r = ReadPlotData(plots, reader, afterRun, settings, kLayers);
    require(r.ok == plots.ShowOutput);
    require(r.ok == r.formatError.empty());
    require(r.message == (r.ok || !afterRun ? "" : kRunResultsError));
    require(!plots.showloadcurves || plots.showtzcurves);
    require(!(plots.showtzcurves && !r.ok));
    for (TGraphPlot* plot : plots.All()) {
      require(plot->Units() == settings.fUnits);
      for (int i = 0; i < plot->LineCount(); ++i) (void)plot->Lines(i).LineName();
    }
    afterRun = !afterRun;
  }
  return 0;
}
