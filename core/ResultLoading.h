#pragma once
// Result loading: reads the plot-data file the engine writes beside the project (.tm8p) and
// refills the main window's plot models. The file is read positionally with the word reader,
// number after number across line ends, skipping to a new line only after the capacity data
// and after the transfer curves; a file that ends there is complete.
//
// The project data and the soil-layer table live elsewhere; the loader takes the few
// settings it needs as a plain struct and the layers as (type code, bottom depth) pairs.
#include <optional>
#include <string>
#include <vector>

#include "MainPlots.h"
#include "WordReader.h"

namespace talmo {

// The project settings that shape the loaded plots (values as stored in the project).
struct TResultSettings {
  int fUnits = 1;             // 1 English (ft, tons), 2 SI (m, kN)
  int UseElevation = 0;       // 1: depth plots show elevation = ValElevation - depth
  double ValElevation = 0.0;  // elevation of the top of the shaft, ft / m
  int NLRFD = 2;              // 1 LRFD, 2 ASD
  int KCYCL = 1;              // 1 compression, 2 uplift
  int IPENT = 0;              // curves are shaft lengths instead of diameters
  int IChart = 0;             // design charts follow the capacity curves
  int PrintTZCurves = 0;      // 1: extra t-z curves precede the regular ones
  int Yesnewversion = 1;      // 0: results of the oldest format carry no factored values
  double FST = 2.5;           // factors of safety for the oldest format's factored values
  double FSB = 3.0;
  double DSTART = 0.0;        // first diameter and chart increment for the curve names, ft / m
  double DIAMINCR = 0.0;
};

// One row of the soil-layer table as the layer column needs it.
struct TSoilLayerEntry {
  int type = 0;               // soil type code 1..9
  double bottomDepth = 0.0;   // depth of the layer's bottom, ft / m
};

// The outcome of a load. The loader shows nothing itself: the caller shows `message` in an
// information box when it is not empty.
struct TPlotLoadResult {
  bool ok = false;            // the whole file was read; the caller's ShowOutput
  std::optional<int> ID2;     // the file's load-settlement indicator, for the project's ID2
  std::string message;        // text to show the user; empty when the load stays silent
  std::string formatError;    // the reader's own description of a format error
};

inline constexpr const char* kRunResultsError = "An error occured in running the main program.";

// Reads the plot-data file into the plots and sets plots.ShowOutput (the result),
// showtzcurves and showloadcurves. A format error stops the reading and leaves what was read;
// after a run (afterRun) it asks the caller to show kRunResultsError, when a project is
// opened it is silent. A file that cannot be opened throws EFOpenError.
TPlotLoadResult ReadPlotData(TMainPlots& plots, const std::string& fileName, bool afterRun,
                             const TResultSettings& settings, const std::vector<TSoilLayerEntry>& layers);
// The same from a reader already holding the file's text.
TPlotLoadResult ReadPlotData(TMainPlots& plots, TWordReader& reader, bool afterRun,
                             const TResultSettings& settings, const std::vector<TSoilLayerEntry>& layers);

// Reads design chart `chartIndex` (0-based) of `chartCount` into `chart`: nothing when the
// index is not below the count (the chart keeps its content); otherwise its settlement and
// `curveCount` curves of `pointCount` (length, load) pairs, converted from the engine's
// inches and pounds to ft and tons (English) or m and kN (SI). Throws EInOutError on a
// format error or on counts the file cannot hold.
void ReadPltChart(TGraphPlot& chart, int curveCount, TWordReader& reader, int chartIndex, int chartCount,
                  int pointCount, int fUnits);

// Attaches the soil-layer column to a depth plot that has at least one curve of one point:
// one entry per layer, named and filled by its type, at its bottom depth (or at the elevation
// of its bottom when elevations are used). A plot with nothing to draw gets no column.
void AddLayersGraphPlot(TGraphPlot& plot, const std::vector<TSoilLayerEntry>& layers,
                        const TResultSettings& settings);

}  // namespace talmo
