// The road of one analysis: the program saves a project, the real engine analyses the saved
// file, its plot file is loaded into the main window's plots with the project's settings, and
// the loaded curves are compared with the numbers the engine printed in its report (the plot
// file carries 3 significant digits).
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "ProgramData.h"
#include "NumberText.h"
#include "ProjectResults.h"
#include "ResultLoading.h"
#include "engine/test_support.h"

namespace talmo {
namespace {

using Rows = std::vector<std::vector<double>>;

bool numbersOf(const std::string& line, std::vector<double>& out) {
  std::istringstream words(line);
  out.clear();
  for (std::string w; words >> w;) {
    double v = 0;
    if (!ParseReal(w, v)) return false;
    out.push_back(v);
  }
  return !out.empty();
}

// The rows of numbers of the report table under the first line holding `heading` from the
// `occurrence`-th (0-based) line holding `anchor` on, after `headerLines` further non-empty
// heading lines.
Rows reportTable(const std::vector<std::string>& report, const std::string& anchor, int occurrence,
                 const std::string& heading, int headerLines) {
  std::size_t i = 0;
  for (int seen = -1; i < report.size(); ++i)
    if (report[i].find(anchor) != std::string::npos && ++seen == occurrence) break;
  while (i < report.size() && report[i].find(heading) == std::string::npos) ++i;
  Rows rows;
  int skipped = 0;
  std::vector<double> numbers;
  for (++i; i < report.size(); ++i) {
    const bool blank = report[i].find_first_not_of(" \r") == std::string::npos;
    if (blank && rows.empty()) continue;
    if (skipped < headerLines) {
      ++skipped;
      continue;
    }
    if (blank || !numbersOf(report[i], numbers)) break;
    rows.push_back(numbers);
  }
  return rows;
}

// A plot value against the report's: the plot file keeps 3 significant digits (half a unit of
// the third digit is 0.5 % of the value at most) and the report rounds to its last decimal.
void expectPrinted(double plot, double report, double reportRounding, const std::string& what) {
  EXPECT_NEAR(plot, report, 0.0051 * std::fabs(report) + reportRounding) << what;
}

struct Analysis {
  test::TempDir dir;
  TProjectTables tables;
  std::unique_ptr<TProgramData> project;
  int status = -1;
  std::vector<std::string> report;
  TMainPlots plots;
  TPlotLoadResult result;

  // A project read from text as File Open reads it.
  explicit Analysis(const std::string& projectText) {
    TProjectLoad load = TProgramData::CreateFromText(tables, "p.tm8d", projectText, kFilterCurrent);
    EXPECT_EQ(load.error, "");
    project = std::move(load.project);
    run();
  }
  // A project built in code by `build` from a new project.
  explicit Analysis(const std::function<void(TProgramData&)>& build) {
    project = std::make_unique<TProgramData>(tables);
    build(*project);
    run();
  }

 private:
  void run() {
    project->FileName = (dir / "p.tm8d").string();
    project->Save();
    RunOptions options;
    options.workDir = dir.path();
    options.clock = test::pinnedTime;
    status = runAnalysis(namesForProject(project->FileName), options);
    report = test::readLines(dir / "p.tm8o");
    result = ReadPlotData(plots, (dir / "p.tm8p").string(), true, ResultSettingsOf(*project),
                          SoilLayersOf(tables));
  }
};

// Capacity table rows of report case `caseIndex` against curve `curve` of the depth plots.
// Each printed row is a depth point from the third on; `factored` gives the three factored
// values of a row.
template <typename Factored>
void expectCapacityCurve(Analysis& a, int caseIndex, int curve, double elevation, bool elevations,
                         Factored factored) {
  const Rows rows = reportTable(a.report, "LENGTH  VOLUME", caseIndex, "LENGTH  VOLUME", 1);
  ASSERT_FALSE(rows.empty());
  TMainPlots& p = a.plots;
  ASSERT_GE(p.pltSkin.Lines(curve).Count(), static_cast<int>(rows.size()) + 2);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const int j = static_cast<int>(r) + 2;
    const std::vector<double>& row = rows[r];
    const std::string at = "case " + std::to_string(caseIndex + 1) + " depth " + FormatGeneral(row[0], 6);
    const double y = elevations ? elevation - row[0] : row[0];
    EXPECT_NEAR(p.pltSkin.Data(curve, j).y, y, 0.0051 * std::fabs(row[0]) + 0.05) << at;
    expectPrinted(p.pltSkin.Data(curve, j).x, row[2], 0.005, at + " side");
    expectPrinted(p.pltTip.Data(curve, j).x, row[3], 0.005, at + " tip");
    expectPrinted(p.pltTotal.Data(curve, j).x, row[4], 0.005, at + " total");
    const std::array<double, 3> f = factored(row);
    expectPrinted(p.FSpltSkin.Data(curve, j).x, f[0], 0.005, at + " factored side");
    expectPrinted(p.FSpltTip.Data(curve, j).x, f[1], 0.005, at + " factored tip");
    expectPrinted(p.FSpltTotal.Data(curve, j).x, f[2], 0.005, at + " factored total");
  }
}

// The three load-settlement tables of report case `caseIndex` against curve `curve`.
void expectSettlementCurves(Analysis& a, int caseIndex, int curve) {
  TMainPlots& p = a.plots;
  const std::pair<const char*, TGraphPlot*> kinds[] = {{"RESULT FROM TREND (AVERAGED) LINE", &p.pltAxial},
                                                       {"RESULT FROM UPPER-BOUND LINE", &p.pltUpper},
                                                       {"RESULT FROM LOWER-BOUND LINE", &p.pltLower}};
  for (const auto& [heading, plot] : kinds) {
    const Rows rows = reportTable(a.report, "AXIAL LOAD VS SETTLEMENT CURVES", caseIndex, heading, 2);
    ASSERT_EQ(rows.size(), 15u) << heading;
    EXPECT_EQ(plot->Data(curve, 0).x, 0.0);
    for (int k = 0; k < 15; ++k) {
      const std::string at = std::string(heading) + " point " + std::to_string(k + 1);
      expectPrinted(plot->Data(curve, k + 1).x, rows[static_cast<std::size_t>(k)][0], 0.0, at + " load");
      expectPrinted(plot->Data(curve, k + 1).y, rows[static_cast<std::size_t>(k)][1], 0.0, at + " settlement");
    }
  }
}

std::vector<std::string> lineNames(const TGraphPlot& plot) {
  std::vector<std::string> names;
  for (int i = 0; i < plot.LineCount(); ++i) names.push_back(plot.Lines(i).LineName());
  return names;
}

// English ASD, two clay layers, elevations from 100 ft, extra t-z curves at 10 and 20 ft.
const char* const kClayProject =
    "Clay test: 2.5 ft shaft, 30 ft, two clay layers\r\n"
    "1 \r\n"
    "2 1 1 5 1 2 0 0 1 100 1\r\n"
    "2.5 2.5 0 0 5 0 3600000\r\n"
    "2 10 30 2.5 3\r\n"
    "2 15 \r\n"
    "0 115 0.0 800 0 0 0 1 1 \r\n"
    "0 115 0.0 1200 0 0 0 1 1 \r\n"
    "0 0\r\n"
    "2 50 \r\n"
    "0 120 0.0 1500 0 0 0 1 1 \r\n"
    "0 120 0.0 2500 0 0 0 1 1 \r\n"
    "0 0\r\n"
    "2\r\n"
    "10\r\n"
    "20\r\n";

TEST(AnalysisRoad, ClayProjectLoadsTheReportsCurvesAtElevations) {
  Analysis a(kClayProject);
  ASSERT_EQ(a.status, kStatusCompleted);
  ASSERT_TRUE(a.result.ok) << a.result.formatError;
  EXPECT_EQ(a.result.message, "");
  EXPECT_EQ(a.result.ID2, 3);
  EXPECT_TRUE(a.plots.ShowOutput);
  EXPECT_TRUE(a.plots.showtzcurves);
  EXPECT_TRUE(a.plots.showloadcurves);

  TMainPlots& p = a.plots;
  ASSERT_EQ(p.pltSkin.LineCount(), 1);
  EXPECT_EQ(p.pltSkin.Count(), 8);  // seven printed depths (5 to 30 ft, and the top) + 2
  EXPECT_EQ(lineNames(p.FSpltTotal), std::vector<std::string>{"Dia=2.5 ft"});
  EXPECT_EQ(p.pltSkin.YCaption, "Elevation");
  EXPECT_TRUE(p.pltSkin.Yreversed);
  EXPECT_EQ(p.FSpltSkin.XCaption, "Side Resistance/F.S. ");
  EXPECT_EQ(p.pltSkin.Data(0, 0).y, 100.0);
  expectCapacityCurve(a, 0, 0, 100, true, [](const std::vector<double>& row) {
    return std::array<double, 3>{row[2] / 2.5, row[3] / 3.0, row[6]};  // QS/FST, QB/FSB, QDN
  });
  expectSettlementCurves(a, 0, 0);

  // The layer column at the elevations of the layer bottoms.
  ASSERT_EQ(p.pltCombineD.LayerLineCount(), 2);
  EXPECT_EQ(p.pltCombineD.LayersTop, 100.0);
  EXPECT_EQ(p.pltCombineD.LayerLines(1).LineName(), " CLAY ");
  EXPECT_EQ(p.pltCombineD.LayerData(1, 0).y, 50.0);

  // Transfer curves: the two extra t-z depths, five t-z curves per layer, the tip curves.
  EXPECT_EQ(lineNames(p.pltTzAdd), (std::vector<std::string>{"H=10 ft", "H=20 ft"}));
  EXPECT_EQ(p.pltTz.LineCount(), 10);
  EXPECT_EQ(p.pltTz.Lines(0).LineName(), "H=0 ft");
  EXPECT_GE(p.pltQw.LineCount(), 1);
  EXPECT_EQ(p.pltQw.Lines(0).LineName(), "Dia=2.5 ft");
  EXPECT_EQ(p.pltQw.Lines(0).Count(), 10);
  // Load distribution: fifteen curves down the printed depths.
  ASSERT_EQ(p.pltLoad.LineCount(), 15);
  EXPECT_EQ(p.pltLoad.Count(), 6);
  for (TGraphPlot* plot : p.All()) EXPECT_EQ(plot->Units(), 1);
}

// English ASD uplift, one sand layer, shaft lengths 40 and 30 ft.
const char* const kSandProject =
    "Sand uplift test\r\n"
    "1 \r\n"
    "2 2 0.8 5 1 2 1 0 0 0 0\r\n"
    "3 3 0 0 5 0 3600000\r\n"
    "1 10 40 2.5 3\r\n"
    "20 10\r\n"
    "1 60 \r\n"
    "0.0 120 32 0 15 0 0 1 1 \r\n"
    "0.0 125 36 0 30 0 0 1 1 \r\n"
    "2 \r\n"
    "0 0 \r\n";

TEST(AnalysisRoad, SandUpliftProjectOfSeveralLengthsLoadsEveryLength) {
  Analysis a(kSandProject);
  ASSERT_EQ(a.status, kStatusCompleted);
  ASSERT_TRUE(a.result.ok) << a.result.formatError;
  TMainPlots& p = a.plots;
  ASSERT_EQ(p.pltSkin.LineCount(), 2);
  EXPECT_EQ(p.pltSkin.Count(), 10);
  const std::vector<std::string> names = {"L =40 ft", "L =30 ft"};
  for (const TGraphPlot* plot : {&p.pltTip, &p.FSpltTip, &p.pltAxial, &p.pltUpper, &p.pltLower})
    EXPECT_EQ(lineNames(*plot), names) << plot->Caption;
  EXPECT_EQ(p.FSpltTip.XCaption, "Self-Weight");
  EXPECT_EQ(lineNames(p.pltCombine),
            (std::vector<std::string>{"  Skin Friction", "  Self-Weight", "  Total Capacity"}));
  EXPECT_EQ(lineNames(p.pltCombinedSettle),
            (std::vector<std::string>{"  Trend (Averaged)", "  Upper Bound", "  Lower Bound"}));

  // Under uplift the tip column is the shaft weight WT, never divided.
  const auto factored = [](const std::vector<double>& row) {
    return std::array<double, 3>{row[2] / 2.5, row[3], row[6]};
  };
  for (int c = 0; c < 2; ++c) {
    expectCapacityCurve(a, c, c, 0, false, factored);
    expectSettlementCurves(a, c, c);
  }
  // The 30 ft shaft prints two depths fewer; its last point is repeated up to P.
  for (int j = 8; j < 10; ++j) EXPECT_EQ(p.pltTotal.Data(1, j).y, 30.0);
  EXPECT_EQ(p.pltTotal.Data(1, 9).x, p.pltTotal.Data(1, 7).x);
  // The combined plots hold the first curve.
  EXPECT_EQ(p.pltCombine.Data(2, 9).x, p.pltTotal.Data(0, 9).x);
  EXPECT_EQ(p.pltCombinedSettle.Data(2, 15).x, p.pltLower.Data(0, 15).x);
}

// SI LRFD, clay over sand, diameters 0.9 to 1.2 m by 0.15 m, design charts for three
// settlements at shaft lengths 12, 10 and 8 m; built field by field as the editors do.
void buildSiChartsProject(TProgramData& p) {
  p.SetUnits(2);
  p.Title = "SI LRFD charts";
  p.PINC = 1;
  p.METHOD = 2;
  p.NLRFD = 1;
  p.IChart = 1;
  p.DSTART = 0.9;
  p.DIALIM = 1.2;
  p.TOPLENG = 1.5;
  p.EPILE = 25000000;
  p.WTD = 4;
  p.PD = 12;
  p.PDMIN = 6;
  p.PDINCR = 2;
  p.DIAMINCR = 0.15;
  p.NPOINTPD = 3;
  p.PDSETT[0] = 0.0127;
  p.PDSETT[1] = 0.0254;
  p.PDSETT[2] = 0.05;
  TGridTable& d = p.Tables().D();
  d.SetRowCount(2);
  d.SetIntValue(kLayerSoilType, 0, kSoilClay);
  d.SetFloatValue(kLayerDepth, 0, 5);
  d.SetIntValue(kLayerSoilType, 1, kSoilSand);
  d.SetFloatValue(kLayerDepth, 1, 20);
  for (int row : {0, 1}) {
    d.SetFloatValue(kLayerSideFactor, row, row == 0 ? 0.45 : 0.55);
    d.SetFloatValue(kLayerTipFactor, row, row == 0 ? 0.4 : 0.5);
  }
  TGridTable& clayLayer = *d.GetDataValue(kLayerData, 0);
  TGridTable& sandLayer = *d.GetDataValue(kLayerData, 1);
  for (int end : {kLayerTop, kLayerBottom}) {
    clayLayer.SetFloatValue(clay::UnitWeight, end, 18.8);
    clayLayer.SetFloatValue(clay::Cohesion, end, end == kLayerTop ? 50 : 70);
    sandLayer.SetFloatValue(sand::UnitWeight, end, end == kLayerTop ? 19.5 : 20);
    sandLayer.SetFloatValue(sand::FrictionAngle, end, end == kLayerTop ? 34 : 36);
    sandLayer.SetFloatValue(sand::InterfaceAngle, end, end == kLayerTop ? 20 : 30);
    sandLayer.SetIntValue(sand::Method, end, sand::BetaMethod);
  }
}

TEST(AnalysisRoad, SiLrfdProjectWithDesignChartsLoadsCurvesAndCharts) {
  Analysis a(buildSiChartsProject);
  ASSERT_EQ(a.status, kStatusCompleted);
  ASSERT_TRUE(a.result.ok) << a.result.formatError;
  TMainPlots& p = a.plots;

  // One curve per case: every chart length of a diameter, then the next diameter.
  ASSERT_EQ(p.pltSkin.LineCount(), 9);
  EXPECT_EQ(p.pltSkin.Count(), 13);
  EXPECT_EQ(lineNames(p.pltAxial),
            (std::vector<std::string>{"Dia=0.9 m, L =12 m", "Dia=0.9 m, L =10 m", "Dia=0.9 m, L =8 m",
                                      "Dia=1.05 m, L =12 m", "Dia=1.05 m, L =10 m", "Dia=1.05 m, L =8 m",
                                      "Dia=1.2 m, L =12 m", "Dia=1.2 m, L =10 m", "Dia=1.2 m, L =8 m"}));
  EXPECT_EQ(p.FSpltTotal.XCaption, "LRFD Total Resistance ");
  EXPECT_EQ(p.pltCombineD.XCaption, "LRFD Resistance ");
  const auto lrfd = [](const std::vector<double>& row) { return std::array<double, 3>{row[5], row[6], row[7]}; };
  for (int c : {0, 4, 8}) {
    expectCapacityCurve(a, c, c, 0, false, lrfd);
    expectSettlementCurves(a, c, c);
  }
  for (TGraphPlot* plot : p.All()) EXPECT_EQ(plot->Units(), 2);

  // Design charts: three of three diameters, loads against lengths as the report prints them.
  const char* captions[] = {"Design Chart (0.0127-m movement)", "Design Chart (0.0254-m movement)",
                            "Design Chart (0.05-m movement)"};
  for (int c = 0; c < 3; ++c) {
    const TGraphPlot& chart = p.PltChart[static_cast<std::size_t>(c)];
    EXPECT_EQ(chart.Caption, captions[c]);
    EXPECT_EQ(chart.UserCaption, captions[c]);
    EXPECT_EQ(lineNames(chart), (std::vector<std::string>{"Dia=0.9 m", "Dia=1.05 m", "Dia=1.2 m"}));
    const Rows rows = reportTable(a.report, "- SETTLEMENT,", c, "- SETTLEMENT,", 3);
    ASSERT_EQ(rows.size(), 3u);
    for (int k = 0; k < 3; ++k) {
      ASSERT_EQ(chart.Lines(k).Count(), 3);
      for (int m = 0; m < 3; ++m) {
        const std::vector<double>& row = rows[static_cast<std::size_t>(m)];
        const std::string at = std::string(captions[c]) + " curve " + std::to_string(k) + " row " + std::to_string(m);
        EXPECT_NEAR(chart.Lines(k)[m].y, row[0], 0.005) << at;
        const double load = row[static_cast<std::size_t>(k) + 1];
        EXPECT_NEAR(chart.Lines(k)[m].x, load, 0.001 * load + 0.005) << at;
      }
    }
  }
  EXPECT_EQ(p.PltChart[3].LineCount(), 0);
  EXPECT_EQ(p.PltChart[3].Caption, "Design Chart 4");
}

}  // namespace
}  // namespace talmo
