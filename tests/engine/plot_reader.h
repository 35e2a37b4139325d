#pragma once
// A reader of the plot file that consumes it the way the interactive program's result loader
// does: positionally, number by number, skipping to a new line only where the loader does.
// Used to prove that what the engine writes reads back in the expected order and counts.
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace talmo::test {

class PlotWords {
 public:
  explicit PlotWords(const std::filesystem::path& p) {
    std::ifstream in(p);
    for (std::string l; std::getline(in, l);) {
      std::istringstream ws(l);
      std::vector<std::string> words;
      for (std::string w; ws >> w;) words.push_back(w);
      lines_.push_back(words);
    }
  }
  double real() {
    const std::string& w = next();
    std::size_t used = 0;
    const double v = std::stod(w, &used);
    if (used != w.size()) throw std::runtime_error("not a number: " + w);
    return v;
  }
  int integer() {
    const std::string& w = next();
    std::size_t used = 0;
    const int v = std::stoi(w, &used);
    if (used != w.size()) throw std::runtime_error("not an integer: " + w);
    return v;
  }
  // Moves to the start of the line after the current one (the current line being the one the
  // last number came from).
  void skipToNextLine() {
    if (started_) {
      ++line_;
      word_ = 0;
    }
  }
  bool atEnd() {
    while (line_ < lines_.size() && word_ >= lines_[line_].size()) {
      ++line_;
      word_ = 0;
    }
    return line_ >= lines_.size();
  }

 private:
  const std::string& next() {
    if (atEnd()) throw std::runtime_error("plot file ends early");
    started_ = true;
    return lines_[line_][word_++];
  }
  std::vector<std::vector<std::string>> lines_;
  std::size_t line_ = 0, word_ = 0;
  bool started_ = false;
};

struct PlotContent {
  int N = 0, P = 0, ID2 = 0;
  std::vector<std::vector<std::array<double, 7>>> depthCurves;
  std::vector<std::array<std::vector<std::array<double, 4>>, 3>> settlement;  // trend, upper, lower
  int charts = 0, chartDiameters = 0, chartLengths = 0;
  std::vector<double> chartSettlements;
  std::vector<std::vector<double>> chartDiameterValues;           // per chart
  std::vector<std::vector<std::vector<std::array<double, 2>>>> chartPoints;  // chart, diameter, length
  std::vector<double> extraTzDepths;
  int tzCurves = 0;
  std::vector<std::array<double, 2>> firstTzPoints;
  int qwCurves = 0;
  std::vector<double> qwDiameters;
  std::vector<std::vector<std::array<double, 3>>> loadDistribution;
  bool tzSectionPresent = false;
};

// Reads a plot file for a project with the given design-chart and extra-t-z options.
inline PlotContent readPlotFile(const std::filesystem::path& p, bool designCharts, bool extraTz) {
  PlotWords r(p);
  PlotContent c;
  c.N = r.integer();
  c.P = r.integer();
  c.ID2 = r.integer();
  int points = c.P;
  for (int i = 0; i < c.N; ++i) {
    std::vector<std::array<double, 7>> curve;
    for (int j = 0; j < points; ++j) {
      std::array<double, 7> v{};
      for (double& x : v) x = r.real();
      curve.push_back(v);
    }
    c.depthCurves.push_back(curve);
    std::array<std::vector<std::array<double, 4>>, 3> settle;
    for (int k = 0; k < (c.ID2 > 2 ? 3 : 1); ++k) {
      for (int j = 0; j < 15; ++j) {
        std::array<double, 4> v{};
        for (double& x : v) x = r.real();
        settle[static_cast<std::size_t>(k)].push_back(v);
      }
    }
    c.settlement.push_back(settle);
    if (i + 1 < c.N) {
      r.integer();
      points = r.integer();
      r.integer();
    }
  }
  if (designCharts) {
    c.charts = r.integer();
    c.chartDiameters = r.integer();
    c.chartLengths = r.integer();
    for (int ch = 0; ch < c.charts; ++ch) {
      c.chartSettlements.push_back(r.real());
      std::vector<double> diameters;
      std::vector<std::vector<std::array<double, 2>>> perDiameter;
      for (int d = 0; d < c.chartDiameters; ++d) {
        diameters.push_back(r.real());
        std::vector<std::array<double, 2>> pts;
        for (int l = 0; l < c.chartLengths; ++l) {
          const double vertical = r.real();
          pts.push_back({vertical, r.real()});
        }
        perDiameter.push_back(pts);
      }
      c.chartDiameterValues.push_back(diameters);
      c.chartPoints.push_back(perDiameter);
    }
  }
  r.skipToNextLine();
  if (r.atEnd()) return c;
  c.tzSectionPresent = true;
  auto readPairs = [&](std::vector<std::array<double, 2>>* keep) {
    for (int k = 0; k < 10; ++k) {
      const double vertical = r.real();
      const double horizontal = r.real();
      if (keep) keep->push_back({vertical, horizontal});
    }
  };
  if (extraTz) {
    const int T = r.integer();
    for (int t = 0; t < T; ++t) {
      r.integer();
      r.integer();
      c.extraTzDepths.push_back(r.real());
      readPairs(nullptr);
    }
  }
  c.tzCurves = r.integer();
  for (int t = 0; t < c.tzCurves; ++t) {
    r.integer();
    r.integer();
    r.real();
    readPairs(t == 0 ? &c.firstTzPoints : nullptr);
  }
  c.qwCurves = r.integer();
  for (int q = 0; q < c.qwCurves; ++q) {
    r.integer();
    c.qwDiameters.push_back(r.real());
    r.integer();
    readPairs(nullptr);
  }
  r.skipToNextLine();
  if (r.atEnd()) return c;
  for (int k = 0; k < 15; ++k) {
    std::vector<std::array<double, 3>> curve;
    for (int j = 0; j < c.P - 2; ++j) {
      std::array<double, 3> v{};
      for (double& x : v) x = r.real();
      curve.push_back(v);
    }
    c.loadDistribution.push_back(curve);
  }
  if (!r.atEnd()) throw std::runtime_error("plot file holds more than the loader reads");
  return c;
}

}  // namespace talmo::test
