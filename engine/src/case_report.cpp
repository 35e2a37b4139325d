#include "case_report.h"

#include <ostream>

#include "fixed_format.h"

namespace talmo {
namespace {

const std::string kIndent(5, ' ');

void writeLegend(const RunModel& m, TextOut& report) {
  report.blankLines(m.lrfd() ? 2 : 3);
  writeHeading(report, "PREDICTED RESULTS", 17);
  report.line();
  static const char* const kAsd[] = {
      "QS     = ULTIMATE SIDE RESISTANCE;",
      "QB     = ULTIMATE BASE RESISTANCE;",
      "WT     = WEIGHT OF DRILLED SHAFT (FOR UPLIFT CAPACITY ONLY);",
      "QU     = TOTAL ULTIMATE RESISTANCE;",
      "QBD    = TOTAL ALLOWABLE LOAD USING A FACTOR OF SAFETY",
      "         APPLIED TO THE ULTIMATE BASE RESISTANCE;",
      "QDN    = TOTAL ALLOWABLE LOAD USING FACTORS OF SAFETY",
      "         APPLIED TO THE ULTIMATE SIDE RESISTANCE AND",
      "         THE ULTIMATE BASE RESISTANCE."};
  static const char* const kLrfd[] = {
      "QS      = ULTIMATE SIDE RESISTANCE;",
      "QB      = ULTIMATE BASE RESISTANCE;",
      "WT      = WEIGHT OF DRILLED SHAFT (UPLIFT CAPACITY ONLY);",
      "QU      = TOTAL ULTIMATE RESISTANCE;",
      "LRFD QS = TOTAL SIDE FRICTION USING LRFD RESISTANCE FACTOR",
      "          TO THE ULTIMATE SIDE RESISTANCE;",
      "LRFD QB = TOTAL BASE BEARING USING LRFD RESISTANCE FACTOR",
      "          TO THE ULTIMATE BASE RESISTANCE",
      "LRFD QU = TOTAL CAPACITY WITH LRFD RESISTANCE FACTOR."};
  std::string line = kIndent;
  for (const char* l : m.lrfd() ? kLrfd : kAsd) {
    line.resize(kIndent.size());
    line += l;
    report.line(line);
  }
}

void writeTableHeading(const RunModel& m, TextOut& report) {
  const bool up = m.uplift();
  std::string columns, units;
  if (!m.si()) {
    if (!m.lrfd()) {
      columns = up ? "     LENGTH  VOLUME     QS      WT      QU       QBD      QDN      QU/VOLUME"
                   : "     LENGTH  VOLUME     QS      QB      QU       QBD      QDN      QU/VOLUME";
      units = "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)  (TONS/CU.YDS)";
    } else {
      columns = up ? "     LENGTH  VOLUME     QS      WT      QU     LRFD QS      WT   LRFD QU"
                   : "     LENGTH  VOLUME     QS      QB      QU     LRFD QS  LRFD QB   LRFD QU";
      units = "      (FT)   (CU.YDS) (TONS)   (TONS)  (TONS)   (TONS)   (TONS)    (TONS)";
    }
  } else {
    if (!m.lrfd()) {
      columns = up ? "     LENGTH  VOLUME    QS     WT        QU       QBD     QDN     QU/VOLUME"
                   : "     LENGTH  VOLUME    QS     QB        QU       QBD     QDN     QU/VOLUME";
      units = "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN /CU.M) ";
    } else {
      columns = up ? "     LENGTH  VOLUME    QS     WT        QU      LRFD QS      WT   LRFD QU"
                   : "     LENGTH  VOLUME    QS     QB        QU      LRFD QS  LRFD QB   LRFD QU";
      units = "      ( M )  (CU.M )  ( KN )   ( KN )  ( KN )   ( KN )   ( KN )  ( KN ) ";
    }
  }
  report.line();
  report.line(columns);
  report.line(units);
}

}  // namespace

void writeCaseHeader(const RunModel& m, const CaseNumbers& n, const ShaftGeometry& shaft, Real BSr,
                     Real length, Real EPILEasEntered, RunFiles& files) {
  const PrintUnits u{m.si()};
  const std::string len = u.lengthUnit();
  const std::vector<std::string> caseLines = {
      kIndent + "- CASE ANALYZED      : " + fmt::I(n.caseNumber, 5),
      kIndent + "  VARIATION LENGTH   : " + fmt::I(n.lengthIndex, 5),
      kIndent + "  VARIATION DIAMETER : " + fmt::I(n.diameterIndex, 5)};

  TextOut& report = files.report;
  report.blankLines(3);
  for (const auto& l : caseLines) report.line(l);
  report.blankLines(3);
  report.line(kIndent + "DRILLED SHAFT INFORMATION");
  report.line();
  report.line(kIndent + std::string(25, '-'));
  report.line(shaftLine("DIAMETER OF STEM", fmt::F(u.length(shaft.D), 9, 3), len));
  report.line(shaftLine("DIAMETER OF BASE", fmt::F(u.length(shaft.Bb), 9, 3), len));
  report.line(shaftLine("END OF STEM TO BASE", fmt::F(u.length(shaft.h), 9, 3), len));
  report.line(shaftLine("ANGLE OF BELL", fmt::F(m.BELANGL, 9, 3), "DEG."));
  report.line(shaftLine("IGNORED TOP PORTION", fmt::F(u.length(m.TOPLENG), 9, 3), len));
  report.line(shaftLine("IGNORED BOTTOM PORTION", fmt::F(u.length(BSr), 9, 3), len));
  report.line(shaftLine("AREA OF ONE PERCENT STEEL",
                        fmt::F(m.si() ? shaft.steelArea * 0.00064516f : shaft.steelArea, 9, 3),
                        m.si() ? "SQ. M" : "SQ.IN."));
  report.line("      " + fmt::padRight("ELASTIC MODULUS, Ec", 26) + "=" + fmt::E(EPILEasEntered, 10, 3) +
              (m.si() ? " KN/SQ M" : "  LB/SQ IN"));
  report.line(shaftLine("VOLUME OF UNDERREAM", fmt::F(u.volume(shaft.Vb), 9, 3), m.si() ? "CU. M" : "CU.YDS."));
  if (m.METHOD == 2) report.line(shaftLine("SHAFT LENGTH", fmt::F(u.length(length), 9, 3), len));
  writeLegend(m, report);
  writeTableHeading(m, report);

  TextOut& runtime = files.runtime;
  for (const auto& l : caseLines) runtime.line(l);
  runtime.line();
  runtime.line(shaftLine("DIAMETER OF STEM", fmt::F(u.length(shaft.D), 9, 3), len));
  runtime.line(shaftLine("DIAMETER OF BASE", fmt::F(u.length(shaft.Bb), 9, 3), len));
  if (m.METHOD == 2) runtime.line(shaftLine("SHAFT LENGTH", fmt::F(u.length(length), 9, 3), len));
}

std::array<Real, 8> capacityColumns(const RunModel& m, const Capacity& c) {
  const PrintUnits u{m.si()};
  const bool lrfd = m.lrfd();
  return {u.length(c.length),
          u.volume(c.volume),
          u.force(c.QS),
          u.force(c.QB),
          u.force(c.QU),
          u.force(lrfd ? c.sideFactored : c.QBD),
          u.force(lrfd ? c.tipFactored : c.allowable),
          lrfd ? u.force(c.totalFactored) : u.forcePerVolume(c.perVolume)};
}

std::string capacityRow(const RunModel& m, const Capacity& c) {
  const std::array<Real, 8> v = capacityColumns(m, c);
  const int decimals = m.si() ? 1 : 2;
  std::string row;
  row.reserve(73);
  row += ' ';
  fmt::appendF(row, v[0], 8, 1);
  row += ' ';
  fmt::appendF(row, v[1], 8, decimals);
  for (std::size_t k = 2; k < 7; ++k) fmt::appendF(row, v[k], 9, decimals);
  row += ' ';
  fmt::appendF(row, v[7], 9, 2);
  return row;
}

void writeMostEfficientShaft(const RunModel& m, const BestShaft& best, TextOut& report) {
  const PrintUnits u{m.si()};
  report.blankLines(3);
  if (!m.si()) {
    report.line(" THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:");
    report.line();
    const std::pair<std::string, std::string> lines[] = {
        {"  DIAMETER OF STEM       =" + fmt::F(best.D, 5, 2), " FT."},
        {"  DIAMETER OF BASE       =" + fmt::F(best.Bb, 5, 2), " FT."},
        {"  ESTIMATED SHAFT LENGTH =" + fmt::F(best.length, 5, 0), " FT."},
        {"  VOLUME OF CONCRETE     =" + fmt::F(best.volume, 7, 2), " CU.YDS."},
        {"  ULTIMATE LOAD CAPACITY =" + fmt::F(best.QU, 10, 2), " TONS"},
        {"  QU/VOLUME OF CONCRETE  =" + fmt::F(best.perVolume, 7, 2), " TONS/CU.YD."}};
    for (const auto& [text, unit] : lines) {
      report.line(text + unit);
      report.line();
    }
  } else {
    report.line(" THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE  APPEARS TO BE THE FOLLOWING ONE:");
    report.line();
    const std::string lines[] = {
        " DIAMETER OF STEM       = " + fmt::F(u.length(best.D), 5, 1) + " M",
        " DIAMETER OF BASE       = " + fmt::F(u.length(best.Bb), 5, 1) + " M",
        " ESTIMATED SHAFT LENGTH = " + fmt::F(u.length(best.length), 5, 0) + " M",
        " VOLUME OF CONCRETE     = " + fmt::F(u.volume(best.volume), 7, 2) + " CU.M",
        " ULTIMATE LOAD CAPACITY = " + fmt::F(u.force(best.QU), 10, 2) + " KN  ",
        " QU/VOLUME OF CONCRETE  = " + fmt::F(u.forcePerVolume(best.perVolume), 7, 2) + " KN /CU.M"};
    for (const auto& l : lines) {
      report.line(l);
      report.line();
    }
  }
}

void writeNeedAnotherLayer(RunFiles& files, std::ostream* console) {
  const std::string text = "   *********** NEED ANOTHER SOIL LAYER ************";
  if (console) *console << '\n' << text << '\n';
  for (TextOut* out : {&files.runtime, &files.report}) {
    out->line();
    out->line(text);
  }
}

}  // namespace talmo
