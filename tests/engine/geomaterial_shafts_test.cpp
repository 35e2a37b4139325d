// Whole shafts in intermediate geomaterials and rock: capacity tables and socket load-settlement
// curves checked against hand calculations, the socket warnings, the closing note of clay shale,
// and the agreement of every soil type's project with its SI twin.
//
// Hand working (python as a pocket calculator) follows the conventions of capacity_shafts_test:
// pi = 3.1416, one-foot slices, tip averaged over trunc(2 Bb) steps with weights 1.2x / 0.4(2-x).
// A socket's side acts on its own perimeter and its base on its own area.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "plot_reader.h"
#include "run_model.h"
#include "report_tables.h"

namespace talmo {
namespace {

using namespace test;

// The rows (load, movement[, tip load, tip movement]) of every load-settlement table of a
// report, in order: socket tables ("TOP LOAD    TOP MOVEMENT") and soil tables alike.
std::vector<std::vector<std::vector<double>>> settlementTables(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::vector<double>>> tables;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    if (lines[i].rfind("            TOP LOAD    TOP MOVEMENT", 0) != 0) continue;
    std::vector<std::vector<double>> rows;
    for (std::size_t j = i + 2; j < lines.size(); ++j) {
      std::istringstream in(lines[j]);
      in.imbue(std::locale::classic());
      std::vector<double> row;
      for (double v; in >> v;) row.push_back(v);
      if (row.size() != 2 && row.size() != 4) break;
      rows.push_back(row);
    }
    tables.push_back(rows);
  }
  return tables;
}

std::string padded80(const std::string& text) { return text + std::string(80 - text.size(), ' '); }

// A printed E16.4 value: four significant digits.
void expectE4(double got, double want, const std::string& what) {
  EXPECT_NEAR(got, want, 5e-4 * std::fabs(want) + 1e-12) << what;
}

// ---------------------------------------------------------------------------------------------
// Decomposed rock 0..40 ft, 125 pcf, N = 50, socket 2 ft under a 3-ft shaft, water at 10 ft,
// shaft 20 ft long (R = 20 ft), rows every 10 ft, FST 2, FSB 3, Ec 3.6E6 psi.
//   effective stress at a step d: 125 d to 10 ft, 1250 + 62.6 (d - 10) below;
//   below R + 2B = 24 ft the stress at the layer's middle, 125 x 20 - 62.4 x 10 = 1876 psf;
//   each step: x = 423.14 N / sigma, phi = arctan((N / (12.2 + 20.3 sigma / 2115.7))^0.34),
//   w = (1 - sin phi) x^sin(phi) tan(0.75 phi) sigma, side = w / 2000 x 3.1416 x 2,
//   tip = 2.1459 sigma x^0.8 x 0.7854 x 4 / 2000;
//   e.g. step 10: sigma 1250, w = 1993.881 psf, side 6.263976 t, tip 40.501923 t;
//        steps 24, 25 take 1876 psf (their own would be 2126.4 and 2189.0 psf).
//   L = 10: QS = 55.29443, QB = 41.75147; L = 20: QS = 120.78713, QB = 44.28884.
const char* const kDecomposedRockShaft =
    "Decomposed rock by hand\r\n1 \r\n2 1 1 10 0 2 0 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n1 10 20 2 3\r\n"
    "5 40 \r\n125 50 0.3 0 2 0 0 1 1 \r\n125 50 0.3 0 2 0 0 1 1 \r\n";

TEST(GeomaterialShaftByHand, EachShaftLengthHasItsOwnReferenceDepth) {
  // With the length given, the reference depth R of a geomaterial is the shaft's length: the
  // shafts of 20, 19 and 18 ft step the rock each with their own R, so the 18-ft case prints
  // the table of a run of that one length (its tip averages steps 18 to 23, and below
  // R + 2B = 22 ft the stress is the layer's middle one only when R is 18).
  const std::string threeLengths =
      "Decomposed rock, three lengths\r\n1 \r\n2 1 1 10 0 2 1 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n1 10 20 2 3\r\n"
      "18 1\r\n5 40 \r\n125 50 0.3 0 2 0 0 1 1 \r\n125 50 0.3 0 2 0 0 1 1 \r\n";
  const std::string oneLength =
      "Decomposed rock, 18 ft\r\n1 \r\n2 1 1 10 0 2 0 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n1 10 18 2 3\r\n"
      "5 40 \r\n125 50 0.3 0 2 0 0 1 1 \r\n125 50 0.3 0 2 0 0 1 1 \r\n";
  const Outputs many = analyse(threeLengths);
  const Outputs one = analyse(oneLength);
  ASSERT_EQ(many.status, 0);
  ASSERT_EQ(one.status, 0);
  const auto manyTables = capacityTables(many.report);
  const auto oneTable = capacityTables(one.report);
  ASSERT_EQ(manyTables.size(), 3u);
  ASSERT_EQ(oneTable.size(), 1u);
  EXPECT_EQ(manyTables[2], oneTable[0]);
  EXPECT_NE(manyTables[0].back(), oneTable[0].back());
}

TEST(GeomaterialShaftByHand, DecomposedRockCapacityAndSettlement) {
  const Outputs r = analyse(kDecomposedRockShaft);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {10, 2.61800, 55.29443, 41.75147, 97.04590, 69.21159, 41.56437, 37.06872},
                  {20, 5.23600, 120.78713, 44.28884, 165.07597, 135.55008, 75.15651, 31.52711},
              },
              false, "decomposed rock");
  // Settlement (Randolph and Wroth pile, whole length, no modulus entered): E = 22 x 2115.7 x
  // 50^0.82 = 1150885.6 psf, s = 10, lambda = 1171.133, zeta = 4.212128, mu L = 0.402709,
  // r = 0.1032456; Qe = 126.53573 t at 0.1362178 in; Qb at the tip (1876 psf) 43.92788 t;
  // Qr = 38.17927 t, dw = 0.8359803 in.
  const auto curves = settlementTables(r.report);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].size(), 15u);
  const struct {
    std::size_t k;
    double load, movement;
  } points[] = {{0, 12.653573, 0.01362178}, {9, 126.53573, 0.1362178}, {13, 164.71501, 0.9721981},
                {14, 164.71501, 1.1666377}};
  for (const auto& p : points) {
    expectE4(curves[0][p.k][0], p.load, "load of point " + std::to_string(p.k + 1));
    expectE4(curves[0][p.k][1], p.movement, "movement of point " + std::to_string(p.k + 1));
  }
}

// ---------------------------------------------------------------------------------------------
// Clay 0..10 ft (cu 1000 psf, alpha 0.55, Nc 6 -> 9) over weak rock 10..40 ft: rough wall with
// closed joints (code 1), qu 100000 psf, slump 6 in, 30 degrees, socket 2.5 ft under a 3-ft
// shaft, core modulus 30000 psi at 10 ft to 60000 psi at 40 ft, RQD 60; shaft 30 ft (R = 30).
//   socket top d = 10 ft, zc = 30 - 20/2 = 20 ft: M = 0.682246, sigma_n = 2046.737 psf,
//   n = 0.0204674; fa = 0.5 qu x 0.7625 = 38125 psf;
//   step d: Ls = max(d - 10, 2.5), rho = Ls / 2.5; mean core modulus of the steps 11..d
//   30000 + 500 (d - 9) psi, Em = that x 144 x 0.425; e = log10(Ec / Em);
//   Omega, Gamma; Kt = Em Omega 0.125 / (3.1416 Ls fa Gamma); w = Kf fa;
//   side = w / 2000 x 3.1416 x 2.5; tip = 0.7854 x 6.25 x q / 2000
//   e.g. step 20: Kt 0.760200, Kf 0.441922, side 66.16318 t, tip 95.81040 t.
//   clay: side 2.59182 t per foot, tip 0.5 (6 + 0.3 d) 7.0686 t.
const char* const kWeakRockShaft =
    "Weak rock by hand\r\n1 \r\n2 1 1 10 0 2 0 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n2 50 30 2 3\r\n"
    "2 10 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 120 0.0 1000 0 0 0 1 1 \r\n0 0\r\n"
    "6 40 \r\n100000 1 6 30 2.5 0 30000 60 0 1 1 \r\n100000 1 6 30 2.5 0 60000 60 0 1 1 \r\n";

TEST(GeomaterialShaftByHand, WeakRockCapacity) {
  const Outputs r = analyse(kWeakRockShaft);
  ASSERT_EQ(r.status, 0);
  const auto tables = capacityTables(r.report);
  ASSERT_EQ(tables.size(), 1u);
  expectTable(tables[0],
              {
                  {10, 2.61800, 25.91820, 82.31591, 108.23411, 53.35684, 40.39774, 41.34229},
                  {20, 5.23600, 761.48361, 98.97168, 860.45529, 794.47417, 413.73236, 164.33447},
                  {30, 7.85400, 1376.26326, 104.71641, 1480.97968, 1411.16873, 723.03710, 188.56375},
              },
              false, "weak rock");
  EXPECT_EQ(r.runtime.find("WARNING MESSAGE"), std::string::npos);  // within the method's range
  // The socket carries the clay above it: a rising curve of fifteen points.
  const auto curves = settlementTables(r.report);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].size(), 15u);
  for (std::size_t k = 1; k < 15; ++k) {
    EXPECT_GT(curves[0][k][0], curves[0][k - 1][0]) << k;
    EXPECT_GT(curves[0][k][1], curves[0][k - 1][1]) << k;
  }
}

TEST(GeomaterialShaftByHand, WeakRockSocketWithoutOverburden) {
  // Weak rock from the ground (d = 0), socket 3 ft under a 3-ft shaft, uniform core 40000 psi,
  // a 20-ft shaft: zc = 10 ft, M(6, 10) = 0.811588, n = 0.0121738,
  // Em = 40000 x 144 x 0.425, rho = 20/3. The head is the socket head: movement w_k = 2.7E-4 x
  // 1.5^(k-1) ft and load 3.1416 x 3 x 20 x Kf(w_k) fa + 0.7854 x 9 x q(w_k):
  //   k = 1: 0.00324 in, 4.311165 + 2.166749 = 6.477914 t
  //   k = 8: 0.05535844 in, 73.41024 + 14.51031 = 87.92055 t
  //   k = 15: 0.9458508 in, 948.7979 + 97.17279 = 1045.9707 t (the wall below its cap, QS 1765.01 t)
  const Outputs r = analyse(
      "Weak rock from the ground\r\n1 \r\n2 1 1 10 0 2 0 0 0 0 0\r\n3 3 0 0 0 0 3600000\r\n1 50 20 2 3\r\n"
      "6 40 \r\n100000 1 6 30 3 0 40000 60 0 1 1 \r\n100000 1 6 30 3 0 40000 60 0 1 1 \r\n");
  ASSERT_EQ(r.status, 0);
  const auto curves = settlementTables(r.report);
  ASSERT_EQ(curves.size(), 1u);
  ASSERT_EQ(curves[0].size(), 15u);
  expectE4(curves[0][0][1], 0.00324, "movement 1");
  expectE4(curves[0][0][0], 6.477914, "load 1");
  expectE4(curves[0][7][1], 0.05535844, "movement 8");
  expectE4(curves[0][7][0], 87.92055, "load 8");
  expectE4(curves[0][14][1], 0.9458508, "movement 15");
  expectE4(curves[0][14][0], 1045.9707, "load 15");
}

TEST(GeomaterialShaftWarnings, NarrowSocketWarnsAtEveryStepAndReportsOnce) {
  // The weak-rock shaft with a 1.5-ft socket: the steps 11..36 (down to two base diameters below
  // the 30-ft tip) are each out of the method's range.
  std::string project = kWeakRockShaft;
  for (std::string::size_type at; (at = project.find(" 30 2.5 0 ")) != std::string::npos;)
    project.replace(at, 10, " 30 1.5 0 ");
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  const std::string value = "   Diameter (FT) =     1.50";
  EXPECT_EQ(count(r.runtime, value + "\n"), 26);
  EXPECT_EQ(count(r.reportText, value), 1);
  // In the report the block follows the case's last row, each line 80 characters wide.
  std::size_t at = 0;
  while (at < r.report.size() && r.report[at].rfind("     30.0", 0) != 0) ++at;
  ASSERT_LT(at + 3, r.report.size());
  EXPECT_EQ(r.report[at + 1], padded80("                     WARNING MESSAGE"));
  EXPECT_EQ(r.report[at + 3], padded80(value));
  EXPECT_EQ(count(r.runtime, "SOCKET LENGTH/SOCKET DIAMETER"), 0);
  // With a design load of 1 ton the table ends at its first row, 10 ft: only the steps 11..16 of
  // that base's averaging zone were used.
  std::string byLoad = project;
  byLoad.replace(byLoad.find("2 1 1 10 0 2"), 12, "1 1 1 10 0 2");
  byLoad.replace(byLoad.find("2 50 30 2 3"), 11, "2 50 1 2 3");
  const Outputs shortShaft = analyse(byLoad);
  ASSERT_EQ(shortShaft.status, 0);
  EXPECT_EQ(count(shortShaft.runtime, value + "\n"), 6);
}

TEST(GeomaterialShaftWarnings, ReportedTheFirstTimeInTheRunOnly) {
  // Two diameters (3 and 3.5 ft) with a 1-ft socket, 1.1667 ft in the second case: both cases
  // are out of the method's range at every step, the report says so once.
  std::string project = kWeakRockShaft;
  for (std::string::size_type at; (at = project.find(" 30 2.5 0 ")) != std::string::npos;)
    project.replace(at, 10, " 30 1.0 0 ");
  project.replace(project.find("3 3 0 0 0 0 3600000"), 19, "3 3.5 0 0 0 0 3600000");
  const Outputs r = analyse(project);
  ASSERT_EQ(r.status, 0);
  ASSERT_EQ(count(r.reportText, "- CASE ANALYZED"), 2);
  const std::string text = "SOCKET DIAMETER SHOULD BE GREATER THAN 0.5 m or 1.64 ft";
  EXPECT_EQ(count(r.reportText, text), 1);
  EXPECT_EQ(count(r.runtime, "   Diameter (FT) =     1.00\n"), 26);
  EXPECT_EQ(count(r.runtime, "   Diameter (FT) =     1.17\n"), 27);  // zone of 7 steps
}

}  // namespace
}  // namespace talmo

// ---------------------------------------------------------------------------------------------
// A project and its SI twin: the same shaft and ground entered in kN and m.

namespace talmo {
namespace {

using namespace test;

// What a project value is, for its SI twin.
enum class Quantity { none, length, unitWeight, stress, modulus, slump };

std::vector<Quantity> quantitiesOf(int type) {
  using Q = Quantity;
  switch (type) {
    case kSand: return {Q::none, Q::unitWeight, Q::none, Q::none, Q::none, Q::stress, Q::stress, Q::none, Q::none};
    case kClay:
    case kClayShale:
      return {Q::none, Q::unitWeight, Q::none, Q::stress, Q::none, Q::stress, Q::stress, Q::none, Q::none};
    case kStrongRockSideOrTip:
    case kStrongRock:
      return {Q::stress, Q::stress, Q::length, Q::length, Q::length, Q::stress,
              Q::modulus, Q::none, Q::stress, Q::none, Q::none};
    case kDecomposedRock:
      return {Q::unitWeight, Q::none, Q::none, Q::modulus, Q::length, Q::stress, Q::stress, Q::none, Q::none};
    case kWeakRock:
      return {Q::stress, Q::none, Q::slump, Q::none, Q::length, Q::stress,
              Q::modulus, Q::none, Q::stress, Q::none, Q::none};
    default: return {Q::unitWeight, Q::none, Q::none, Q::stress, Q::stress, Q::none, Q::none};
  }
}

// English value to the SI project's entry.
double toSi(double v, Quantity q) {
  switch (q) {
    case Quantity::length: return v / 3.2808;
    case Quantity::unitWeight: return v / 6.3659;
    case Quantity::stress: return v / 20.885;
    case Quantity::modulus: return v * 6.894757;  // psi to kN/m2
    case Quantity::slump: return v * 0.0254;
    default: return v;
  }
}

struct LayerEntry {
  int type;
  double bottom;  // ft
  std::vector<double> atTop, atBottom;  // the two data lines
  std::string tail;  // the lines after the data lines (method, coefficients)
};

std::string number(double v) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out.precision(9);
  out << v;
  return out.str();
}

// A shaft 40 ft long and 3 ft wide, rows every 5 ft, Ec 3.6E6 psi, water at 10 ft.
std::string twinProject(const std::vector<LayerEntry>& layers, bool si) {
  auto len = [&](double ft) { return number(si ? toSi(ft, Quantity::length) : ft); };
  std::string p = "Twin\r\n" + std::string(si ? "2" : "1") + " \r\n2 1 1 " + len(5) + " 0 2 0 0 0 0 0\r\n" + len(3) +
                  " " + len(3) + " 0 0 0 0 " + number(si ? toSi(3.6e6, Quantity::modulus) : 3.6e6) + "\r\n" +
                  std::to_string(layers.size()) + " " + len(10) + " " + len(40) + " 2 3\r\n";
  for (const LayerEntry& l : layers) {
    p += std::to_string(l.type) + " " + len(l.bottom) + " \r\n";
    const auto q = quantitiesOf(l.type);
    for (const auto* values : {&l.atTop, &l.atBottom}) {
      for (std::size_t k = 0; k < values->size(); ++k) p += number(si ? toSi((*values)[k], q[k]) : (*values)[k]) + " ";
      p += "\r\n";
    }
    p += l.tail;
  }
  return p;
}

const LayerEntry kClayCover = {kClay, 20, {0, 120, 0, 1500, 0, 0, 0, 1, 1}, {0, 120, 0, 1500, 0, 0, 0, 1, 1}, "0 0\r\n"};

// A layer of each type from 20 to 60 ft.
std::vector<LayerEntry> tipLayers() {
  return {
      {kSand, 60, {0, 120, 34, 0, 20, 0, 0, 1, 1}, {0, 125, 36, 0, 30, 0, 0, 1, 1}, "2 \r\n0 0 \r\n"},
      {kClay, 60, {0, 120, 0, 3000, 0, 0, 0, 1, 1}, {0, 125, 0, 4000, 0, 0, 0, 1, 1}, "0 0\r\n"},
      {kClayShale, 60, {0, 125, 0, 8000, 0, 0, 0, 1, 1}, {0, 125, 0, 12000, 0, 0, 0, 1, 1}, "0 0\r\n"},
      {kStrongRockSideOrTip, 60, {100000, 500000, 5, 0, 3, 0, 1e6, 80, 0, 1, 1},
       {100000, 500000, 5, 0, 3, 0, 1e6, 80, 0, 1, 1}, ""},
      {kDecomposedRock, 60, {125, 40, 0.3, 20000, 3, 0, 0, 1, 1}, {130, 50, 0.3, 30000, 3, 0, 0, 1, 1}, ""},
      {kWeakRock, 60, {100000, 2, 7, 30, 3, 0, 50000, 80, 0, 1, 1}, {120000, 2, 7, 30, 3, 0, 60000, 80, 0, 1, 1}, ""},
      {kStrongRock, 60, {200000, 500000, 5, 0, 2.5, 0, 1e6, 80, 0, 1, 1},
       {200000, 500000, 5, 0, 2.5, 0, 1e6, 80, 0, 1, 1}, ""},
      {kGravellySand, 60, {125, 30, 0, 0, 0, 1, 1}, {127, 45, 0, 0, 0, 1, 1}, ""},
      {kGravel, 60, {130, 60, 0, 0, 0, 1, 1}, {130, 70, 0, 0, 0, 1, 1}, ""},
  };
}

TEST(GeomaterialShaftUnits, EverySoilTypeAgreesWithItsSiTwin) {
  // Same ground, same shaft: the SI report, converted back (m x 3.2808, m3 x 1.3078,
  // kN x 0.1124, kN per m3 x 0.08594586; curve loads kN / 8.896, movements m / 0.0254), carries the
  // English numbers within the rounding of its one-decimal fields and the conversion constants.
  const double factors[8] = {3.2808, 1.3078, 0.1124, 0.1124, 0.1124, 0.1124, 0.1124, 0.08594586};
  const double siHalfUnit[8] = {0.05, 0.005, 0.05, 0.05, 0.05, 0.05, 0.05, 0.005};
  for (const LayerEntry& tip : tipLayers()) {
    const std::string name = "tip of type " + std::to_string(tip.type);
    const Outputs en = analyse(twinProject({kClayCover, tip}, false));
    const Outputs si = analyse(twinProject({kClayCover, tip}, true));
    ASSERT_EQ(en.status, 0) << name;
    ASSERT_EQ(si.status, 0) << name;
    const auto enRows = capacityTables(en.report), siRows = capacityTables(si.report);
    ASSERT_EQ(enRows.size(), 1u) << name;
    ASSERT_EQ(siRows.size(), 1u) << name;
    ASSERT_EQ(enRows[0].size(), 8u) << name;
    ASSERT_EQ(siRows[0].size(), enRows[0].size()) << name;
    for (std::size_t i = 0; i < enRows[0].size(); ++i) {
      for (int k = 1; k < 8; ++k) {
        const double e = enRows[0][i][k], s = siRows[0][i][k] * factors[k];
        EXPECT_NEAR(s, e, 0.005 + siHalfUnit[k] * factors[k] + 2e-4 * std::fabs(e))
            << name << ", row " << i << ", column " << k;
      }
    }
    const auto enCurves = settlementTables(en.report), siCurves = settlementTables(si.report);
    ASSERT_FALSE(enCurves.empty()) << name;
    ASSERT_EQ(siCurves.size(), enCurves.size()) << name;
    for (std::size_t c = 0; c < enCurves.size(); ++c) {
      ASSERT_EQ(enCurves[c].size(), 15u) << name;
      ASSERT_EQ(siCurves[c].size(), 15u) << name;
      for (std::size_t k = 0; k < 15; ++k) {
        const auto &e = enCurves[c][k], &s = siCurves[c][k];
        EXPECT_NEAR(s[0] / 8.896, e[0], 1e-3 * std::fabs(e[0])) << name << ", curve " << c << ", load " << k;
        EXPECT_NEAR(s[1] / 0.0254, e[1], 1e-3 * std::fabs(e[1])) << name << ", curve " << c << ", movement " << k;
      }
    }
    // A tip in rock or geomaterial gets its socket curve.
    const bool socket = tip.type >= kStrongRockSideOrTip && tip.type <= kStrongRock;
    EXPECT_EQ(en.reportText.find("LOAD SETTLEMENT RELATIONSHIP") != std::string::npos, socket) << name;
    EXPECT_EQ(enCurves.size(), socket ? (tip.type == kDecomposedRock || tip.type == kWeakRock ? 1u : 2u) : 3u)
        << name;
  }
}

// ---------------------------------------------------------------------------------------------
// Clay shale at the bottom of the profile.

std::string shaleProject(double cu, bool si, bool shaleAtBottom) {
  std::vector<LayerEntry> layers = {kClayCover,
                                   {kClayShale, 60, {0, 125, 0, cu, 0, 0, 0, 1, 1}, {0, 125, 0, cu, 0, 0, 0, 1, 1},
                                    "0 0\r\n"}};
  if (!shaleAtBottom)
    layers.push_back({kClay, 80, {0, 120, 0, 3000, 0, 0, 0, 1, 1}, {0, 120, 0, 3000, 0, 0, 0, 1, 1}, "0 0\r\n"});
  return twinProject(layers, si);
}

TEST(ClayShaleNote, SoftShaleClosesTheResultsWithItsTopLoadTable) {
  // cu 8000 psf: qu = 2 cu = 16000 psf (111 psi), below 1000 psi.
  for (bool si : {false, true}) {
    const Outputs r = analyse(shaleProject(8000, si, true));
    ASSERT_EQ(r.status, 0);
    const auto& L = r.report;
    std::size_t at = 0;
    while (at < L.size() && L[at] != "     ROCK WITH COMPRESSIVE STRENGTH LESS THAN 1000 PSI (6894 kPA)") ++at;
    ASSERT_LT(at + 9 + 14, L.size()) << (si ? "SI" : "English");
    EXPECT_EQ(L[at - 1], "");
    EXPECT_EQ(L[at - 2], "");
    const std::vector<std::string> note = {
        "     " + std::string(60, '-'),
        "     IF THE SETTLEMENT IS LESS THAN 0.4 IN. (10 mm), THE LOAD IS",
        "     CARRIED ENTIRELY IN SIDE RESISTANCE.  IF THE SETTLEMENT IS",
        "     GREATER THAN 0.4 IN. (10 MM), THE LOAD IS CARRIED ENTIRELY",
        "     IN END BEARING.",
        "",
        std::string(22, ' ') + "TOP  LOAD     TOP MOVEMENT     ",
        std::string(22, ' ') + (si ? "   kN              M             " : "   TONS             IN.       ")};
    for (std::size_t k = 0; k < note.size(); ++k) EXPECT_EQ(L[at + 1 + k], note[k]);
    // The table is the shaft's trend curve, the last of its three tables.
    const auto curves = settlementTables(L);
    ASSERT_EQ(curves.size(), 3u);
    for (std::size_t k = 0; k < 15; ++k) {
      const std::string& row = L[at + 9 + k];
      ASSERT_EQ(row.size(), 13u + 34u) << row;
      EXPECT_EQ(row.substr(0, 13), std::string(13, ' '));
      expectE4(std::stod(row.substr(13, 17)), curves[2][k][0], "top load " + std::to_string(k));
      expectE4(std::stod(row.substr(30, 17)), curves[2][k][1], "top movement " + std::to_string(k));
    }
  }
}

TEST(ClayShaleNote, OnlyForSoftShaleAtTheBottom) {
  // cu 80000 psf: qu = 160000 psf (1111 psi); or shale with clay below it.
  for (const auto& project : {shaleProject(80000, false, true), shaleProject(8000, false, false)}) {
    const Outputs r = analyse(project);
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.reportText.find("ROCK WITH COMPRESSIVE STRENGTH"), std::string::npos);
  }
}

// ---------------------------------------------------------------------------------------------
// Rock tips in the other run modes.

TEST(SocketSettlementCases, DesignLoadAndDesignChartsOfRockTips) {
  // Clay over strong rock, design charts at 0.05 and 0.5 in for two diameters and two lengths:
  // the chart's head load lies on the plotted socket curve of its case (linear between points).
  const std::string project =
      "Rock tip charts\r\n1 \r\n2 1 1 5 0 2 0 1 0 0 0\r\n3 4 0 0 0 0 3600000\r\n2 10 40 2 3\r\n"
      "35 5 1 2\r\n0.05 0.5 \r\n"
      "2 20 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 120 0.0 1500 0 0 0 1 1 \r\n0 0\r\n"
      "7 60 \r\n200000 500000 5 0 0 0 1000000 80 0 1 1 \r\n200000 500000 5 0 0 0 1000000 80 0 1 1 \r\n";
  TempDir dir;
  ASSERT_EQ(runProjectText(dir, project), kStatusCompleted);
  const auto plot = readPlotFile(dir / "p.tm8p", true, false);
  ASSERT_EQ(plot.N, 4);
  EXPECT_EQ(plot.ID2, 2);
  EXPECT_FALSE(plot.tzSectionPresent);
  ASSERT_EQ(plot.charts, 2);
  // Cases run diameter by diameter, the lengths of each in turn.
  for (std::size_t ch = 0; ch < 2; ++ch) {
    const double s = plot.chartSettlements[ch];
    for (std::size_t d = 0; d < 2; ++d) {
      for (std::size_t l = 0; l < 2; ++l) {
        const auto& curve = plot.settlement[2 * d + l][0];  // (load, movement, 0, 0)
        double movementBelow = 0, loadBelow = 0, expected = curve.back()[0];
        for (const auto& p : curve) {
          if (p[1] >= s) {
            expected = loadBelow + (p[0] - loadBelow) * (s - movementBelow) / (p[1] - movementBelow);
            break;
          }
          movementBelow = p[1];
          loadBelow = p[0];
        }
        const double chartTons = plot.chartPoints[ch][d][l][1] / 2000;  // charts carry pounds
        EXPECT_NEAR(chartTons, expected, 0.01 * expected) << "chart " << ch << ", diameter " << d << ", length " << l;
      }
    }
  }
  // With a design load instead, the table stops in the rock and the socket still has its curve.
  std::string byLoad = project;
  const std::string chartLines = "2 10 40 2 3\r\n35 5 1 2\r\n0.05 0.5 \r\n";
  byLoad.replace(byLoad.find("2 1 1 5 0 2 0 1 0 0 0"), 21, "1 1 1 5 0 2 0 0 0 0 0");
  byLoad.replace(byLoad.find(chartLines), chartLines.size(), "2 10 600 2 3\r\n");
  const Outputs r = analyse(byLoad);
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(settlementTables(r.report).size(), 6u);  // three diameters (3 to 4 ft by 0.5), two bounds each
}

}  // namespace
}  // namespace talmo
