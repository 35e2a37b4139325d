#pragma once
// Reading the report back the way an engineer reads it: the capacity tables of every case by
// their fixed columns, and a whole run's outputs. Shared by the tests of whole shafts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "test_support.h"

namespace talmo::test {

// One printed row: length, volume, QS, QB (or WT), QU, two factored columns, last column.
using Row = std::vector<double>;
using Table = std::vector<Row>;

// Columns of a row: blank, F8.1, blank, F8.d, five F9.d, blank, F9.2.
struct Field {
  std::size_t from, width;
};
inline constexpr Field kFields[8] = {{1, 8}, {10, 8}, {18, 9}, {27, 9}, {36, 9}, {45, 9}, {54, 9}, {64, 9}};

// Parses a row by its fixed columns and checks the decimals of each field (English: 1, then 2
// everywhere; SI: 1 for lengths, volumes and forces, 2 for the last column).
inline bool parseRow(const std::string& line, bool si, Row& row, std::string* why = nullptr) {
  if (line.size() != 73 || line[0] != ' ' || line[9] != ' ' || line[63] != ' ') {
    if (why) *why = "layout";
    return false;
  }
  row.clear();
  for (int k = 0; k < 8; ++k) {
    const std::string text = line.substr(kFields[k].from, kFields[k].width);
    const auto dot = text.find('.');
    const int decimals = dot == std::string::npos ? -1 : static_cast<int>(text.size() - dot - 1);
    const int wanted = k == 0 ? 1 : k == 7 ? 2 : si ? 1 : 2;
    if (decimals != wanted) {
      if (why) *why = "decimals of column " + std::to_string(k);
      return false;
    }
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    while (end && *end == ' ') ++end;
    if (!end || *end != '\0') {
      if (why) *why = "number in column " + std::to_string(k);
      return false;
    }
    row.push_back(v);
  }
  return true;
}

inline bool isUnitLine(const std::string& l) {
  return l.rfind("      (FT)   (CU.YDS)", 0) == 0 || l.rfind("      ( M )  (CU.M )", 0) == 0;
}

inline bool endsCaseTable(const std::string& l) {
  return l.find("- CASE ANALYZED") != std::string::npos || l.find("AXIAL LOAD VS SETTLEMENT") != std::string::npos ||
         l.find("THE MOST EFFICIENT SHAFT") != std::string::npos;
}

// Every capacity table of the report, in case order: the rows after each unit line, up to the
// next case. Step warnings of the soil models may stand between the rows.
inline std::vector<Table> capacityTables(const std::vector<std::string>& lines) {
  std::vector<Table> tables;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!isUnitLine(lines[i])) continue;
    const bool si = lines[i].find("( M )") != std::string::npos;
    Table t;
    Row r;
    for (std::size_t j = i + 1; j < lines.size() && !endsCaseTable(lines[j]); ++j)
      if (parseRow(lines[j], si, r)) t.push_back(r);
    tables.push_back(t);
  }
  return tables;
}

// Hand values of one row; tolerance half a unit of the printed digit.
inline void expectRow(const Row& got, const Row& want, bool si, const std::string& where) {
  ASSERT_EQ(got.size(), 8u) << where;
  static const char* const kNames[8] = {"length", "volume", "QS", "QB/WT", "QU", "col6", "col7", "last"};
  for (int k = 0; k < 8; ++k) {
    const int decimals = k == 0 ? 1 : k == 7 ? 2 : si ? 1 : 2;
    const double tol = 0.5 * std::pow(10.0, -decimals) + 5e-6 * std::max(1.0, std::fabs(want[k]));
    EXPECT_NEAR(got[k], want[k], tol) << where << ", column " << kNames[k];
  }
}

inline void expectTable(const Table& got, const std::vector<Row>& want, bool si, const std::string& name) {
  ASSERT_EQ(got.size(), want.size()) << name << ": number of rows";
  for (std::size_t i = 0; i < want.size(); ++i)
    expectRow(got[i], want[i], si, name + ", row at " + std::to_string(want[i][0]));
}

inline int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
  return n;
}

inline bool containsLine(const std::vector<std::string>& lines, const std::string& l) {
  for (const auto& x : lines)
    if (x == l) return true;
  return false;
}

struct Outputs {
  int status;
  std::vector<std::string> report;
  std::string reportText, runtime, plot;
};

inline Outputs analyse(const std::string& project) {
  TempDir dir;
  Outputs r;
  r.status = runProjectText(dir, project);
  r.report = readLines(dir / "p.tm8o");
  for (auto& l : r.report)
    if (!l.empty() && l.back() == '\r') l.pop_back();
  r.reportText = readFile(dir / "p.tm8o");
  r.runtime = readFile(dir / "p.tm8r");
  r.plot = readFile(dir / "p.tm8p");
  return r;
}

}  // namespace talmo::test
