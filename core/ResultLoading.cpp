#include "ResultLoading.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

#include "Errors.h"

namespace talmo {

namespace {

constexpr int kSettlementPoints = 15;  // load-settlement points per curve in the file
constexpr int kTransferPairs = 10;     // (vertical, horizontal) pairs per t-z or Q-w curve
constexpr int kTransferWords = 3 + 2 * kTransferPairs;
constexpr int kLoadCurves = 15;        // load-distribution curves
constexpr int kChartPlots = 10;
// A plot file may be damaged or hand-edited. Every count read from it is checked against the
// words left in the file before anything is allocated for it; the capacity curves, whose
// short curves are padded to the common point count, are also capped as a whole (a real run
// writes a few thousand points).
constexpr long long kMaxCapacityPoints = 1'000'000;

// Words not yet read, from the reader's position to the end of the file.
class TWordsLeft {
 public:
  explicit TWordsLeft(const TWordReader& reader)
      : reader_(reader), suffix_(static_cast<std::size_t>(reader.NumberLines()) + 1, 0) {
    for (int line = reader.NumberLines() - 1; line >= 0; --line)
      suffix_[static_cast<std::size_t>(line)] =
          suffix_[static_cast<std::size_t>(line) + 1] + reader.GetWordCount(line);
  }
  long long operator()() const {
    const int line = std::clamp(reader_.CurrentLine(), 0, reader_.NumberLines());
    return suffix_[static_cast<std::size_t>(line)] - (line < reader_.NumberLines() ? reader_.CurrentItem() : 0);
  }

 private:
  const TWordReader& reader_;
  std::vector<long long> suffix_;
};

[[noreturn]] void countError(const TWordReader& reader, long long count) {
  throw EInOutError("Error on Line " + std::to_string(reader.CurrentLine() + 1) + " Item " +
                    std::to_string(reader.CurrentItem()) + "\r" + "The count " + std::to_string(count) +
                    " is negative or larger than the file can hold.");
}

// Reads a count of items of at least `wordsPerItem` words each.
int readCount(TWordReader& reader, const TWordsLeft& wordsLeft, long long wordsPerItem) {
  const int count = reader.ReadInteger();
  if (count < 0 || count * wordsPerItem > wordsLeft()) countError(reader, count);
  return count;
}

std::string unitSuffix(int fUnits) { return fUnits == 2 ? " m" : " ft"; }

void readChart(TGraphPlot& chart, int curveCount, TWordReader& reader, const TWordsLeft& wordsLeft,
               int chartIndex, int chartCount, int pointCount, int fUnits) {
  if (chartIndex >= chartCount) return;
  // The settlement, then per curve its diameter and the (length, load) pairs.
  const long long left = wordsLeft();
  if (pointCount < 0 || pointCount > left / 2) countError(reader, pointCount);
  if (curveCount < 0 || curveCount > left / (1 + 2LL * pointCount)) countError(reader, curveCount);
  const bool si = fUnits == 2;
  const double settlement = reader.ReadFloat();
  chart.Caption = "Design Chart (" + PlotNumberText(settlement) + (si ? "-m" : "-in") + " movement)";
  chart.UserCaption = chart.Caption;
  chart.SetLineCount(curveCount);
  chart.SetCount(pointCount);
  // The engine writes lengths in inches and loads in pounds; English diameters in inches too.
  const double lengthDivisor = si ? 39.37 : 12.0;
  const double loadDivisor = si ? 224.82014388489208633 : 2000.0;
  for (int k = 0; k < curveCount; ++k) {
    TLine& line = chart.Lines(k);
    const double diameter = reader.ReadFloat();
    line.fValueS = "Dia=" + PlotNumberText(si ? diameter : diameter / 12.0) + unitSuffix(fUnits);
    for (int m = 0; m < pointCount; ++m) {
      const double length = reader.ReadFloat();
      const double load = reader.ReadFloat();
      line[m] = {load / loadDivisor, length / lengthDivisor};
    }
  }
}

// Fills the plots from one reader, step by step in the order of the file.
class TPlotFileLoader {
 public:
  TPlotFileLoader(TMainPlots& plots, TWordReader& reader, const TResultSettings& settings,
                  const std::vector<TSoilLayerEntry>& layers, TPlotLoadResult& result)
      : plots_(plots), reader_(reader), s_(settings), layers_(layers), result_(result), wordsLeft_(reader) {}

  void Load() {
    SetCaptions();
    ReadCapacityCurves();
    if (s_.IChart >= 1) ReadCharts();
    NameCurves();
    FillCombinedPlots();
    for (TGraphPlot* plot : DepthPlots()) AddLayersGraphPlot(*plot, layers_, s_);
    if (SkipToNextLineAndAtEnd()) return;
    if (s_.PrintTZCurves == 1) ReadTransferCurves(plots_.pltTzAdd, false);
    ReadTransferCurves(plots_.pltTz, false);
    ReadTransferCurves(plots_.pltQw, true);
    plots_.showtzcurves = true;
    if (SkipToNextLineAndAtEnd()) return;
    ReadLoadDistribution();
    plots_.showloadcurves = true;
  }

 private:
  bool Uplift() const { return s_.KCYCL > 1; }
  bool Elevations() const { return s_.UseElevation == 1; }

  // The six capacity plots, in the order of the values of a depth point after the depth.
  std::array<TGraphPlot*, 6> CapacityPlots() const {
    return {&plots_.pltSkin, &plots_.pltTip, &plots_.pltTotal, &plots_.FSpltSkin, &plots_.FSpltTip,
            &plots_.FSpltTotal};
  }
  // The plots with depth (or elevation) on the vertical axis and a soil-layer column.
  std::array<TGraphPlot*, 8> DepthPlots() const {
    return {&plots_.pltSkin,   &plots_.pltTip,   &plots_.pltTotal,   &plots_.FSpltSkin,
            &plots_.FSpltTip,  &plots_.FSpltTotal, &plots_.pltCombine, &plots_.pltCombineD};
  }

  void SetCaptions() {
    for (TGraphPlot* plot : DepthPlots()) {
      plot->YCaption = Elevations() ? "Elevation" : "Depth";
      plot->Yreversed = Elevations();
    }
    const bool lrfd = s_.NLRFD == 1;
    plots_.FSpltSkin.XCaption = lrfd ? "LRFD Side Resistance " : "Side Resistance/F.S. ";
    plots_.FSpltTip.XCaption = lrfd ? "LRFD Tip Resistance " : "Tip Resistance/F.S. ";
    plots_.FSpltTotal.XCaption = lrfd ? "LRFD Total Resistance " : "Total Resistance/F.S. ";
    plots_.pltCombineD.XCaption = lrfd ? "LRFD Resistance " : "Resistance/F.S. ";
    if (Uplift()) plots_.FSpltTip.XCaption = "Self-Weight";
  }

  // Header and, per curve, its depth points, load-settlement points and the separator.
  void ReadCapacityCurves() {
    const int wordsPerPoint = s_.Yesnewversion != 0 ? 7 : 5;
    N_ = readCount(reader_, wordsLeft_, 4 * kSettlementPoints);
    P_ = readCount(reader_, wordsLeft_, wordsPerPoint);
    ID2_ = reader_.ReadInteger();
    result_.ID2 = ID2_;
    long long totalPoints = static_cast<long long>(N_) * P_;
    if (totalPoints > kMaxCapacityPoints) countError(reader_, totalPoints);

    for (TGraphPlot* plot : CapacityPlots()) {
      plot->SetLineCount(N_);
      plot->SetCount(P_);
    }
    // Bounds not in the file are cleared, so no curve of an earlier run stays on show.
    const bool bounds = ID2_ > 2;
    for (TGraphPlot* plot : {&plots_.pltAxial, &plots_.pltUpper, &plots_.pltLower}) {
      plot->SetLineCount(plot == &plots_.pltAxial || bounds ? N_ : 0);
      plot->SetCount(kSettlementPoints + 1);
    }
    lastDepth_.assign(static_cast<std::size_t>(N_), 0.0);

    int curvePoints = P_;
    for (int i = 0; i < N_; ++i) {
      // A curve longer than the header's count keeps all its points, so the rest of the file
      // stays in step.
      if (curvePoints > P_) {
        totalPoints += curvePoints - P_;
        if (totalPoints > kMaxCapacityPoints) countError(reader_, totalPoints);
        for (TGraphPlot* plot : CapacityPlots()) plot->Lines(i).SetCount(curvePoints);
      }
      ReadDepthPoints(i, curvePoints);
      // A vanishing tip resistance at the last depth is kept just above zero.
      if (P_ > 0 && plots_.pltTip.Data(i, P_ - 1).x < 0.0001) plots_.pltTip.Data(i, P_ - 1).x = 0.00001;
      ReadSettlementCurve(plots_.pltAxial.Lines(i));
      if (bounds) {
        ReadSettlementCurve(plots_.pltUpper.Lines(i));
        ReadSettlementCurve(plots_.pltLower.Lines(i));
      }
      if (i + 1 < N_) {
        reader_.ReadInteger();
        curvePoints = readCount(reader_, wordsLeft_, wordsPerPoint);
        reader_.ReadInteger();
      }
    }
  }

  // Reads `curvePoints` depth points of curve i; the plots' further points repeat the last.
  void ReadDepthPoints(int i, int curvePoints) {
    const std::array<TGraphPlot*, 6> plots = CapacityPlots();
    const int count = plots[0]->Lines(i).Count();
    for (int j = 0; j < count; ++j) {
      if (j >= curvePoints) {
        for (TGraphPlot* plot : plots) plot->Data(i, j) = j > 0 ? plot->Data(i, j - 1) : TFloatPoint{};
        continue;
      }
      const double depth = reader_.ReadFloat();
      std::array<double, 6> values{};
      for (int k = 0; k < 3; ++k) values[static_cast<std::size_t>(k)] = reader_.ReadFloat();
      if (s_.Yesnewversion != 0) {
        for (int k = 3; k < 6; ++k) values[static_cast<std::size_t>(k)] = reader_.ReadFloat();
      } else {
        reader_.ReadFloat();  // older results carry one unused value instead of the factored ones
        values[3] = values[0] / SafetyFactor(s_.FST);
        values[4] = Uplift() ? values[1] : values[1] / SafetyFactor(s_.FSB);
        values[5] = values[3] + values[4];
      }
      // Under uplift the "tip" is the shaft's self-weight, which no factor reduces.
      if (Uplift()) values[4] = values[1];
      const double y = Elevations() ? s_.ValElevation - depth : depth;
      for (std::size_t k = 0; k < plots.size(); ++k) plots[k]->Data(i, j) = {values[k], y};
      lastDepth_[static_cast<std::size_t>(i)] = depth;
    }
  }

  // A factor of safety that is not positive leaves the value unfactored rather than infinite.
  static double SafetyFactor(double factor) { return factor > 0.0 ? factor : 1.0; }

  // Fifteen (load, settlement, unused, unused) records after the origin.
  void ReadSettlementCurve(TLine& line) {
    line[0] = {};
    for (int k = 1; k <= kSettlementPoints; ++k) {
      const double load = reader_.ReadFloat();
      const double settlement = reader_.ReadFloat();
      reader_.ReadFloat();
      reader_.ReadFloat();
      line[k] = {load, settlement};
    }
  }

  void ReadCharts() {
    const int chartCount = readCount(reader_, wordsLeft_, 1);
    const int curveCount = reader_.ReadInteger();
    const int pointCount = reader_.ReadInteger();
    chartLengths_ = pointCount;
    for (int n = 0; n < kChartPlots; ++n)
      readChart(plots_.PltChart[static_cast<std::size_t>(n)], curveCount, reader_, wordsLeft_, n, chartCount,
                pointCount, s_.fUnits);
    // Charts beyond the ten plots are passed over, so the transfer curves still read right.
    TGraphPlot unused;
    for (int n = kChartPlots; n < chartCount; ++n)
      readChart(unused, curveCount, reader_, wordsLeft_, n, chartCount, pointCount, s_.fUnits);
  }

  // Curves of several lengths are named by length; otherwise by diameter. For design charts
  // the engine analyses every chart length of a diameter before the next diameter, so each
  // curve is named by both.
  void NameCurves() {
    const bool si = s_.fUnits == 2;
    const std::string unit = unitSuffix(s_.fUnits);
    // Diameters step as the engine steps them: by the chart increment (its default when the
    // project leaves it 0), otherwise by half a foot (0.152 m).
    double step = si ? 0.152 : 0.5;
    if (s_.IChart > 0) step = s_.DIAMINCR > 0.0 ? s_.DIAMINCR : (si ? 0.15 : 0.5);
    const int lengthsPerDiameter = s_.IChart >= 1 && chartLengths_ > 1 ? chartLengths_ : 1;
    const std::array<TGraphPlot*, 9> named = {&plots_.pltSkin,   &plots_.pltTip,    &plots_.pltTotal,
                                              &plots_.FSpltSkin, &plots_.FSpltTip,  &plots_.FSpltTotal,
                                              &plots_.pltAxial,  &plots_.pltUpper,  &plots_.pltLower};
    for (int i = 0; i < N_; ++i) {
      const std::string length = "L =" + PlotNumberText(lastDepth_[static_cast<std::size_t>(i)]) + unit;
      std::string name = length;
      if (s_.IPENT == 0) {
        name = "Dia=" + PlotNumberText(s_.DSTART + (i / lengthsPerDiameter) * step) + unit;
        if (lengthsPerDiameter > 1) name += ", " + length;
      }
      for (TGraphPlot* plot : named)
        if (i < plot->LineCount()) plot->Lines(i).fValueS = name;
    }
  }

  // Copies the first curve of each source into one combined plot; sources without curves
  // (bounds that were not computed) are left out.
  static void Combine(TGraphPlot& combined, std::initializer_list<std::pair<TGraphPlot*, const char*>> sources) {
    int count = 0;
    for (const auto& source : sources) count += source.first->LineCount() > 0 ? 1 : 0;
    combined.SetLineCount(count);
    int k = 0;
    for (const auto& [plot, name] : sources) {
      if (plot->LineCount() == 0) continue;
      const TLine& from = plot->Lines(0);
      TLine& to = combined.Lines(k++);
      to.SetCount(from.Count());
      for (int j = 0; j < from.Count(); ++j) to[j] = from[j];
      to.fValueS = name;
    }
  }

  void FillCombinedPlots() {
    const char* tipName = Uplift() ? "  Self-Weight" : "  Tip Resistance";
    Combine(plots_.pltCombine,
            {{&plots_.pltSkin, "  Skin Friction"}, {&plots_.pltTip, tipName}, {&plots_.pltTotal, "  Total Capacity"}});
    Combine(plots_.pltCombineD, {{&plots_.FSpltSkin, "  Skin Friction"},
                                 {&plots_.FSpltTip, tipName},
                                 {&plots_.FSpltTotal, "  Total Capacity"}});
    Combine(plots_.pltCombinedSettle, {{&plots_.pltAxial, "  Trend (Averaged)"},
                                       {&plots_.pltUpper, "  Upper Bound"},
                                       {&plots_.pltLower, "  Lower Bound"}});
  }

  // Moves to the start of the line after the one last read; true when nothing but blank
  // lines is left, which ends a complete file.
  bool SkipToNextLineAndAtEnd() {
    if (!reader_.Eof()) reader_.ReadLine();
    return wordsLeft_() == 0;
  }

  // A count, then per curve its record (two integers and the depth for t-z; an integer, the
  // diameter and an integer for Q-w) and ten (vertical, horizontal) pairs.
  void ReadTransferCurves(TGraphPlot& plot, bool tipCurves) {
    const int count = readCount(reader_, wordsLeft_, kTransferWords);
    plot.SetLineCount(count);
    plot.SetCount(kTransferPairs);
    for (int c = 0; c < count; ++c) {
      TLine& line = plot.Lines(c);
      reader_.ReadInteger();
      if (tipCurves) {
        line.fValueS = "Dia=" + PlotNumberText(reader_.ReadFloat()) + unitSuffix(s_.fUnits);
        reader_.ReadInteger();
      } else {
        reader_.ReadInteger();
        line.fValueS = "H=" + PlotNumberText(reader_.ReadFloat()) + unitSuffix(s_.fUnits);
      }
      for (int k = 0; k < kTransferPairs; ++k) {
        const double vertical = reader_.ReadFloat();
        line[k] = {reader_.ReadFloat(), vertical};
      }
    }
  }

  // Fifteen curves of P - 2 (depth, load, unused) points.
  void ReadLoadDistribution() {
    TGraphPlot& plot = plots_.pltLoad;
    plot.SetLineCount(kLoadCurves);
    plot.SetCount(std::max(P_ - 2, 0));
    for (int c = 0; c < kLoadCurves; ++c) {
      TLine& line = plot.Lines(c);
      for (int j = 0; j < line.Count(); ++j) {
        const double vertical = reader_.ReadFloat();
        line[j] = {reader_.ReadFloat(), vertical};
        reader_.ReadFloat();
      }
    }
  }

  TMainPlots& plots_;
  TWordReader& reader_;
  const TResultSettings& s_;
  const std::vector<TSoilLayerEntry>& layers_;
  TPlotLoadResult& result_;
  TWordsLeft wordsLeft_;
  int N_ = 0;
  int P_ = 0;
  int ID2_ = 0;
  int chartLengths_ = 0;           // shaft lengths per diameter of the design charts
  std::vector<double> lastDepth_;  // depth of the last point read of each curve
};

}  // namespace

void ReadPltChart(TGraphPlot& chart, int curveCount, TWordReader& reader, int chartIndex, int chartCount,
                  int pointCount, int fUnits) {
  readChart(chart, curveCount, reader, TWordsLeft(reader), chartIndex, chartCount, pointCount, fUnits);
}

TPlotLoadResult ReadPlotData(TMainPlots& plots, TWordReader& reader, bool afterRun,
                             const TResultSettings& settings, const std::vector<TSoilLayerEntry>& layers) {
  TPlotLoadResult result;
  plots.ShowOutput = false;
  plots.showtzcurves = false;
  plots.showloadcurves = false;
  try {
    TPlotFileLoader(plots, reader, settings, layers, result).Load();
    result.ok = true;
  } catch (const EInOutError& e) {
    // Nothing of a damaged file is offered: the flags of the sections read before stay off.
    result.formatError = e.what();
    if (afterRun) result.message = kRunResultsError;
    plots.showtzcurves = false;
    plots.showloadcurves = false;
  }
  for (TGraphPlot* plot : plots.All()) plot->SetUnits(settings.fUnits);
  plots.ShowOutput = result.ok;
  return result;
}

TPlotLoadResult ReadPlotData(TMainPlots& plots, const std::string& fileName, bool afterRun,
                             const TResultSettings& settings, const std::vector<TSoilLayerEntry>& layers) {
  TWordReader reader(fileName);
  return ReadPlotData(plots, reader, afterRun, settings, layers);
}

void AddLayersGraphPlot(TGraphPlot& plot, const std::vector<TSoilLayerEntry>& layers,
                        const TResultSettings& settings) {
  struct LayerLook {
    const char* name;
    int fill;
  };
  // Name written in the band and fill pattern of each soil type code 1..9.
  static constexpr LayerLook kLooks[] = {
      {" SAND ", 7},  {" CLAY ", 1},      {" SHALE ", 8}, {" ROCK ", 9},     {" GW ", 12},
      {" WEAK ROCK ", 10}, {" ROCK ", 9}, {" GW ", 11},   {" GRAVEL ", 12},
  };
  const bool elevations = settings.UseElevation == 1;
  if (plot.LineCount() < 1 || plot.Count() < 1) {
    plot.SetLayerLineCount(0);
    return;
  }
  plot.LayersTop = elevations ? settings.ValElevation : 0.0;
  plot.SetLayerLineCount(static_cast<int>(layers.size()));
  plot.SetLayerCount(1);
  for (std::size_t r = 0; r < layers.size(); ++r) {
    const TSoilLayerEntry& layer = layers[r];
    TLine& line = plot.LayerLines(static_cast<int>(r));
    const bool known = layer.type >= 1 && layer.type <= 9;
    line.fValueS = known ? kLooks[layer.type - 1].name : "LAYER " + std::to_string(r + 1);
    const double y = elevations ? settings.ValElevation - layer.bottomDepth : layer.bottomDepth;
    line[0] = {known ? static_cast<double>(kLooks[layer.type - 1].fill) : 0.0, y};
  }
}

}  // namespace talmo
