#pragma once
// What a run found, kept for the JSON results: every analysed case with its capacity rows and
// load-settlement curves, the most efficient shaft, the design charts and the runtime notes.
// Values are the engine's, in the project's units, before the report's rounding.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "real.h"
#include "run_model.h"

namespace talmo {

struct CaseResults {
  int caseNumber = 0, lengthIndex = 0, diameterIndex = 0;
  Real diameter = 0, baseDiameter = 0, length = 0;
  int status = 0;  // 0 completed, else the run status that stopped the run in this case
  // The report's columns: length, volume, QS, QB (WT), QU, two factored or allowable loads, and
  // QU/VOLUME (ASD) or the LRFD total.
  std::vector<std::array<Real, 8>> rows;
  bool socket = false;  // tip in rock or geomaterial: one socket curve
  // Top load, top movement, tip load, tip movement by curve kind (trend, upper, lower bound).
  std::array<std::vector<std::array<Real, 4>>, 3> settlement;
};

struct MostEfficientShaft {
  Real diameter = 0, baseDiameter = 0, length = 0, volume = 0, QU = 0, perVolume = 0;
};

struct ChartResults {
  std::vector<Real> settlements;  // as entered (in or m)
  std::vector<Real> diameters, lengths;
  std::vector<Real> topLoads;     // [settlement][diameter][length]
};

struct RunResults {
  std::optional<RunModel> model;  // as read and converted; none when the project was unreadable
  std::vector<CaseResults> cases;
  std::optional<MostEfficientShaft> best;
  std::optional<ChartResults> charts;
  // Runtime notes as written, and where each case's block of case lines starts and ends in
  // them (those lines name the case; the rest are warnings and errors).
  struct CaseLines {
    int caseNumber = 0;
    std::size_t from = 0, to = 0;
  };
  std::vector<std::string> runtimeLines;
  std::vector<CaseLines> caseLines;
};

}  // namespace talmo
