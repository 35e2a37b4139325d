// The JSON results read back against the report an engineer reads: every capacity row, the
// most efficient shaft and the design-chart loads agree with the printed values within the
// report's precision.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>

#include "report_tables.h"

namespace talmo {
namespace {

using nlohmann::json;

struct JsonRun {
  int status;
  json doc;
  std::vector<std::string> report;
};

JsonRun runWithJson(const std::string& project) {
  test::TempDir dir;
  test::writeFile(dir / "p.tm8d", project);
  RunOptions options;
  options.workDir = dir.path();
  options.clock = test::pinnedTime;
  options.jsonResults = dir / "p.json";
  JsonRun r;
  r.status = runAnalysis(namesForProject(dir / "p.tm8d"), options);
  r.doc = json::parse(test::readFile(dir / "p.json"));
  r.report = test::readLines(dir / "p.tm8o");
  return r;
}

// Half a unit of the last printed digit, and a little for the single-precision value.
void expectPrinted(double json, double printed, int decimals, const std::string& where) {
  EXPECT_NEAR(json, printed, 0.5 * std::pow(10.0, -decimals) + 1e-6 * std::fabs(printed)) << where;
}

// Every case's capacity rows against the report's tables, column by column.
void expectRowsAsPrinted(const JsonRun& r, bool si) {
  const auto tables = test::capacityTables(r.report);
  const json& cases = r.doc.at("cases");
  ASSERT_EQ(cases.size(), tables.size());
  for (std::size_t c = 0; c < tables.size(); ++c) {
    const json& capacity = cases[c].at("capacity");
    const json& rows = capacity.at("rows");
    ASSERT_EQ(rows.size(), tables[c].size()) << "case " << c + 1;
    ASSERT_EQ(capacity.at("columns").size(), 8u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (std::size_t k = 0; k < 8; ++k) {
        const std::string name = capacity["columns"][k].at("name");
        const int decimals = k == 0 ? 1 : k == 7 ? 2 : si ? 1 : 2;
        expectPrinted(rows[i].at(name), tables[c][i][k], decimals,
                      "case " + std::to_string(c + 1) + ", row " + std::to_string(i) + ", " + name);
      }
    }
  }
}

// Clay, 3 ft shaft 32.5 ft long, ASD.
const char* const kClay =
    "Uniform clay\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 0 0 0 5 2 3600000\r\n1 50 32.5 2 3\r\n"
    "2 40 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 0\r\n";

TEST(JsonResults, ClayRunAsTheReportPrintsIt) {
  const JsonRun r = runWithJson(kClay);
  ASSERT_EQ(r.status, kStatusCompleted);
  const json& d = r.doc;
  EXPECT_EQ(d.at("schema"), 1);
  EXPECT_EQ(d.at("status"), 0);
  EXPECT_EQ(d.at("statusMeaning"), "completed");
  EXPECT_EQ(d.at("title"), "Uniform clay");
  EXPECT_EQ(d.at("units").at("system"), "English");
  EXPECT_EQ(d.at("units").at("force"), "tons");
  EXPECT_EQ(d.at("design").at("method"), "ASD");
  EXPECT_EQ(d.at("design").at("given"), "shaft length");
  EXPECT_EQ(d.at("design").at("shaftLength"), 32.5);
  EXPECT_EQ(d.at("design").at("factorsOfSafety").at("base"), 3.0);
  EXPECT_EQ(d.at("waterTableDepth"), 50.0);
  ASSERT_EQ(d.at("layers").size(), 1u);
  EXPECT_EQ(d["layers"][0].at("type"), 2);
  EXPECT_EQ(d["layers"][0].at("typeName"), "clay");
  EXPECT_EQ(d["layers"][0].at("bottom"), 40.0);
  ASSERT_EQ(d.at("cases").size(), 1u);
  const json& c = d["cases"][0];
  EXPECT_EQ(c.at("diameter"), 3.0);
  EXPECT_EQ(c.at("length"), 32.5);
  EXPECT_EQ(c.at("status"), 0);
  const std::vector<std::string> names = {"LENGTH", "VOLUME", "QS", "QB", "QU", "QBD", "QDN", "QU/VOLUME"};
  for (std::size_t k = 0; k < names.size(); ++k) EXPECT_EQ(c["capacity"]["columns"][k].at("name"), names[k]);
  EXPECT_EQ(c["capacity"]["columns"][7].at("unit"), "tons/cu yd");
  // Hand values at 32.5 ft (see the capacity tests): QS = 2.59182 x 25.5, QB = 3.5343 (6 + 0.075 x 35.80303).
  const json& last = c["capacity"]["rows"].back();
  EXPECT_NEAR(last.at("QS"), 66.0914, 1e-3);
  EXPECT_NEAR(last.at("QB"), 30.6962, 1e-3);
  expectRowsAsPrinted(r, false);
  for (const char* kind : {"trend", "upperBound", "lowerBound"})
    EXPECT_EQ(c.at("loadSettlement").at(kind).size(), 15u) << kind;
  EXPECT_TRUE(d.at("mostEfficientShaft").is_null());
  EXPECT_TRUE(d.at("designCharts").is_null());
}

// Sand 0 to 60 ft; shafts 40 ft long of 3, 3.5 and 4 ft.
const char* const kSandThreeDiameters =
    "Sand, three diameters\r\n1 \r\n2 1 1 5 0 2 0 0 0 0 0\r\n3 4 0 0 5 0 3600000\r\n1 10 40 2 3\r\n"
    "1 60 \r\n0.0 120 34 0 20 0 0 1 1 \r\n0.0 125 36 0 30 0 0 1 1 \r\n2 \r\n0 0 \r\n";

double reportValueAfter(const std::vector<std::string>& report, const std::string& label) {
  for (const auto& l : report)
    if (l.rfind(label, 0) == 0) return std::stod(l.substr(label.size()));
  ADD_FAILURE() << "no line " << label;
  return 0;
}

TEST(JsonResults, SandWithThreeDiametersAndTheMostEfficientShaft) {
  const JsonRun r = runWithJson(kSandThreeDiameters);
  ASSERT_EQ(r.status, kStatusCompleted);
  const json& cases = r.doc.at("cases");
  ASSERT_EQ(cases.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(cases[i].at("diameterVariation"), i + 1);
    EXPECT_EQ(cases[i].at("diameter"), 3.0 + 0.5 * static_cast<double>(i));
  }
  expectRowsAsPrinted(r, false);
  const json& best = r.doc.at("mostEfficientShaft");
  ASSERT_TRUE(best.is_object());
  expectPrinted(best.at("diameter"), reportValueAfter(r.report, "  DIAMETER OF STEM       ="), 2, "stem");
  expectPrinted(best.at("length"), 40, 0, "length");
  expectPrinted(best.at("QU"), reportValueAfter(r.report, "  ULTIMATE LOAD CAPACITY ="), 2, "QU");
  expectPrinted(best.at("QU/VOLUME"), reportValueAfter(r.report, "  QU/VOLUME OF CONCRETE  ="), 2, "QU/VOLUME");
}

// SI clay, LRFD, shafts of 0.9 and 1.2 m, 12, 10.5 and 9 m long, charts at 12.7 and
// 25.4 mm.
const char* const kSiLrfdCharts =
    "SI LRFD charts\r\n2 \r\n2 1 1 1.5 0 1 0 1 0 0 0\r\n0.9 1.2 0 0 1.5 0 25000000\r\n1 3 12 2 3\r\n"
    "9 1.5 0.3 2\r\n0.0127 0.0254 \r\n"
    "2 20 \r\n0 19 0.0 75 0 0 0 0.45 0.4 \r\n0 19 0.0 120 0 0 0 0.45 0.4 \r\n0 0\r\n";

// The chart rows of the report: per settlement, per length, the loads of the diameters.
std::vector<std::vector<std::vector<double>>> reportChartRows(const std::vector<std::string>& report) {
  std::vector<std::vector<std::vector<double>>> charts;
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i].find("TOP LOAD, KN") == std::string::npos) continue;
    auto& chart = charts.emplace_back();
    for (std::size_t j = i + 1; j < report.size() && !report[j].empty(); ++j) {
      std::vector<double> row;
      for (std::size_t at = 0; at + 9 <= report[j].size(); at += 9) row.push_back(std::stod(report[j].substr(at, 9)));
      chart.push_back(row);
    }
  }
  return charts;
}

TEST(JsonResults, SiLrfdDesignChartsAsPrinted) {
  const JsonRun r = runWithJson(kSiLrfdCharts);
  ASSERT_EQ(r.status, kStatusCompleted);
  EXPECT_EQ(r.doc.at("units").at("system"), "SI");
  EXPECT_EQ(r.doc.at("units").at("length"), "m");
  EXPECT_EQ(r.doc.at("design").at("method"), "LRFD");
  EXPECT_EQ(r.doc["cases"][0]["capacity"]["columns"][5].at("name"), "LRFD QS");
  EXPECT_EQ(r.doc["cases"][0]["capacity"]["columns"][2].at("unit"), "kN");
  // Two diameters of three lengths each: 12, 10.5 and 9 m.
  ASSERT_EQ(r.doc.at("cases").size(), 6u);
  expectRowsAsPrinted(r, true);

  const json& charts = r.doc.at("designCharts");
  ASSERT_TRUE(charts.is_object());
  EXPECT_EQ(charts.at("settlements"), json({0.0127, 0.0254}));
  EXPECT_EQ(charts.at("diameters").size(), 2u);
  EXPECT_EQ(charts.at("lengths").size(), 3u);
  const auto printed = reportChartRows(r.report);
  ASSERT_EQ(printed.size(), 2u);
  for (std::size_t s = 0; s < 2; ++s) {
    ASSERT_EQ(printed[s].size(), 3u);
    for (std::size_t l = 0; l < 3; ++l) {
      expectPrinted(charts["lengths"][l], printed[s][l][0], 2, "length");
      for (std::size_t d = 0; d < 2; ++d) {
        const double load = charts["topLoads"][s][d][l];
        EXPECT_GT(load, 0);
        expectPrinted(load, printed[s][l][d + 1], 2, "chart load");
      }
    }
  }
}

TEST(JsonResults, UnreadableProjectGivesTheStatusAndTheErrorBlock) {
  const JsonRun r = runWithJson("Title\r\n1\r\n2 1 x\r\n");
  EXPECT_EQ(r.status, kStatusInputError);
  EXPECT_EQ(r.doc.at("status"), kStatusInputError);
  EXPECT_FALSE(r.doc.contains("cases"));
  ASSERT_EQ(r.doc.at("warnings").size(), 1u);
  const json& lines = r.doc["warnings"][0].at("lines");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "THE ANALYSIS WAS STOPPED."), lines.end());
}

}  // namespace
}  // namespace talmo
