#include "json_results.h"

#include <charconv>
#include <nlohmann/json.hpp>

#include "report_echo.h"
#include "settlement_output.h"

namespace talmo {
namespace {

// Keys in the order written, so the document reads like the report.
using json = nlohmann::ordered_json;

// The shortest decimal that reads back as the same single-precision value, as a double, so
// that the JSON shows 0.1 rather than 0.10000000149011612.
json number(Real v) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  double d = v;
  if (ec == std::errc()) std::from_chars(buf, end, d);
  return d;
}

json numbers(const std::vector<Real>& values) {
  json a = json::array();
  for (Real v : values) a.push_back(number(v));
  return a;
}

const char* soilTypeName(int KSOIL) {
  static constexpr const char* kNames[] = {"sand",      "clay",        "clay shale",    "strong rock, side or tip",
                                           "decomposed rock or gravel", "weak rock", "strong rock",
                                           "gravelly sand", "gravel"};
  return KSOIL >= 1 && KSOIL <= 9 ? kNames[KSOIL - 1] : "unknown";
}

struct UnitNames {
  const char *length, *volume, *force, *forcePerVolume, *movement;
};
UnitNames unitNames(bool si) {
  return si ? UnitNames{"m", "cu m", "kN", "kN/cu m", "m"} : UnitNames{"ft", "cu yd", "tons", "tons/cu yd", "in"};
}

// Names of the capacity table's columns, in the report's order.
std::array<const char*, 8> columnNames(const RunModel& m) {
  const char* tip = m.uplift() ? "WT" : "QB";
  if (m.lrfd()) return {"LENGTH", "VOLUME", "QS", tip, "QU", "LRFD QS", m.uplift() ? "LRFD WT" : "LRFD QB", "LRFD QU"};
  return {"LENGTH", "VOLUME", "QS", tip, "QU", "QBD", "QDN", "QU/VOLUME"};
}

json capacityTable(const RunModel& m, const CaseResults& c) {
  const auto names = columnNames(m);
  const UnitNames u = unitNames(m.si());
  const char* units[8] = {u.length, u.volume, u.force, u.force, u.force, u.force, u.force,
                          m.lrfd() ? u.force : u.forcePerVolume};
  json columns = json::array();
  for (std::size_t k = 0; k < names.size(); ++k) columns.push_back({{"name", names[k]}, {"unit", units[k]}});
  json rows = json::array();
  for (const auto& r : c.rows) {
    json row = json::object();
    for (std::size_t k = 0; k < names.size(); ++k) row[names[k]] = number(r[k]);
    rows.push_back(std::move(row));
  }
  return {{"columns", std::move(columns)}, {"rows", std::move(rows)}};
}

json curve(const std::vector<std::array<Real, 4>>& points, bool withTip) {
  json a = json::array();
  for (const auto& p : points) {
    json point = {{"topLoad", number(p[0])}, {"topMovement", number(p[1])}};
    if (withTip) {
      point["tipLoad"] = number(p[2]);
      point["tipMovement"] = number(p[3]);
    }
    a.push_back(std::move(point));
  }
  return a;
}

json loadSettlement(const CaseResults& c) {
  if (c.socket) return {{"socket", curve(c.settlement[0], false)}};
  json ls = json::object();
  const char* kinds[3] = {"trend", "upperBound", "lowerBound"};
  for (std::size_t k = 0; k < 3; ++k)
    if (!c.settlement[k].empty()) ls[kinds[k]] = curve(c.settlement[k], true);
  return ls;
}

json caseJson(const RunModel& m, const CaseResults& c) {
  return {{"case", c.caseNumber},
          {"lengthVariation", c.lengthIndex},
          {"diameterVariation", c.diameterIndex},
          {"diameter", number(c.diameter)},
          {"baseDiameter", number(c.baseDiameter)},
          {"length", number(c.length)},
          {"status", c.status},
          {"statusMeaning", statusMeaning(c.status)},
          {"capacity", capacityTable(m, c)},
          {"loadSettlement", loadSettlement(c)}};
}

json designJson(const RunModel& m) {
  const PrintUnits u{m.si()};
  json d = {{"method", m.lrfd() ? "LRFD" : "ASD"},
            {"loading", m.uplift() ? "uplift" : "compression"},
            {"given", m.METHOD == 2 ? "shaft length" : "design load"}};
  if (m.METHOD == 2) {
    d["shaftLength"] = number(u.length(m.designDepth));
  } else {
    d["designLoad"] = number(u.force(m.DGH));
  }
  if (!m.lrfd()) d["factorsOfSafety"] = {{"side", number(m.FST)}, {"base", number(m.FSB)}};
  if (m.uplift()) d["upliftReductionFactor"] = number(m.RCYCL);
  return d;
}

json layersJson(const RunModel& m) {
  const PrintUnits u{m.si()};
  json a = json::array();
  for (std::size_t i = 0; i < m.layers.size(); ++i) {
    const Layer& l = m.layers[i];
    a.push_back({{"number", i + 1},
                 {"type", l.KSOIL},
                 {"typeName", soilTypeName(l.KSOIL)},
                 {"top", number(u.length(l.XTOP))},
                 {"bottom", number(u.length(l.XBOT))}});
  }
  return a;
}

std::string trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The runtime notes less the lines that name each case, as blocks of lines separated by empty
// lines, each with the case it arose in (0 before the first case).
json warningsJson(const RunResults& r) {
  json a = json::array();
  json block = json::array();
  int caseNumber = 0;
  auto flush = [&] {
    if (!block.empty()) a.push_back({{"case", caseNumber}, {"lines", std::move(block)}});
    block = json::array();
  };
  std::size_t span = 0;
  for (std::size_t i = 0; i < r.runtimeLines.size(); ++i) {
    if (span < r.caseLines.size() && i == r.caseLines[span].from) {
      flush();
      caseNumber = r.caseLines[span].caseNumber;
      i = r.caseLines[span++].to - 1;
      continue;
    }
    const std::string line = trimmed(r.runtimeLines[i]);
    if (line.empty()) {
      flush();
    } else {
      block.push_back(line);
    }
  }
  flush();
  return a;
}

}  // namespace

void writeJsonResults(std::ostream& out, const RunNames& names, int status, const RunResults& r) {
  json doc = {{"schema", 1},
              {"program", "talmo " + trimmed(names.version)},
              {"project", names.project},
              {"report", names.report},
              {"status", status},
              {"statusMeaning", statusMeaning(status)}};
  if (r.model) {
    const RunModel& m = *r.model;
    const UnitNames u = unitNames(m.si());
    doc["title"] = trimmed(m.title);
    doc["units"] = {{"system", m.si() ? "SI" : "English"}, {"length", u.length},   {"volume", u.volume},
                    {"force", u.force},                     {"forcePerVolume", u.forcePerVolume},
                    {"movement", u.movement}};
    doc["design"] = designJson(m);
    doc["waterTableDepth"] = number(PrintUnits{m.si()}.length(m.WTD));
    doc["layers"] = layersJson(m);
    json cases = json::array();
    for (const CaseResults& c : r.cases) cases.push_back(caseJson(m, c));
    doc["cases"] = std::move(cases);
    if (r.best) {
      doc["mostEfficientShaft"] = {{"diameter", number(r.best->diameter)},  {"baseDiameter", number(r.best->baseDiameter)},
                                   {"length", number(r.best->length)},      {"volume", number(r.best->volume)},
                                   {"QU", number(r.best->QU)},              {"QU/VOLUME", number(r.best->perVolume)}};
    } else {
      doc["mostEfficientShaft"] = nullptr;
    }
    if (r.charts) {
      const ChartResults& c = *r.charts;
      const std::size_t K = c.diameters.size(), M = c.lengths.size();
      json loads = json::array();
      for (std::size_t s = 0; s < c.settlements.size(); ++s) {
        json byDiameter = json::array();
        for (std::size_t d = 0; d < K; ++d)
          byDiameter.push_back(numbers({c.topLoads.begin() + static_cast<std::ptrdiff_t>((s * K + d) * M),
                                        c.topLoads.begin() + static_cast<std::ptrdiff_t>((s * K + d + 1) * M)}));
        loads.push_back(std::move(byDiameter));
      }
      doc["designCharts"] = {{"settlements", numbers(c.settlements)},
                             {"diameters", numbers(c.diameters)},
                             {"lengths", numbers(c.lengths)},
                             {"topLoads", std::move(loads)}};
    } else {
      doc["designCharts"] = nullptr;
    }
  }
  doc["warnings"] = warningsJson(r);
  out << doc.dump(1) << '\n';
}

}  // namespace talmo
