#include "settlement_output.h"

#include <algorithm>
#include <cstring>

#include "fixed_format.h"

namespace talmo {
namespace {

const std::string kIndent(5, ' ');

// A plot record of two list-directed values, built in `row` (reused from record to record).
void writePair(TextOut& out, std::string& row, Real vertical, Real horizontal) {
  row.clear();
  fmt::appendListReal(row, vertical);
  fmt::appendListReal(row, horizontal);
  out.line(row);
}

}  // namespace

std::string resultHeading(CurveKind kind) {
  switch (kind) {
    case CurveKind::upperBound: return "RESULT FROM UPPER-BOUND LINE";
    case CurveKind::lowerBound: return "RESULT FROM LOWER-BOUND LINE";
    default: return "RESULT FROM TREND (AVERAGED) LINE";
  }
}

void writeTzTable(TextOut& out, const std::vector<TransferCurve>& curves, const SettlementUnits& u) {
  out.line();
  out.line("        T-Z CURVE   NO. OF   DEPTH TO CURVE   LOAD TRANSFER   PILE MOVEMENT");
  out.line(std::string("           NO.      POINTS        ") + u.depthUnit() + "            " +
           fmt::padRight(u.transferUnit(), 12) + "    " + u.movementUnit());
  std::string row;
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const TransferCurve& c = curves[i];
    out.line(fmt::X(8) + fmt::I(static_cast<long long>(i + 1), 5) +
             fmt::I(static_cast<long long>(c.points.size()), 11) + fmt::E(u.depth(c.depth), 16, 4));
    for (const CurvePoint& p : c.points) {
      row.assign(40, ' ');
      fmt::appendE(row, u.transfer(p.value), 17, 4);
      fmt::appendE(row, u.movement(p.movement), 16, 4);
      out.line(row);
    }
  }
}

void writeShaftLines(TextOut& out, Real Dft, Real Lft, const SettlementUnits& u) {
  const char* unit = u.si ? " M" : " FT";
  out.line(kIndent + "SHAFT DIAMETER           =" + fmt::F(u.lengthFt(Dft), 10, 4) + unit);
  out.line(kIndent + "SHAFT LENGTH             =" + fmt::F(u.lengthFt(Lft), 10, 4) + unit);
}

void writeQwTable(TextOut& out, const TransferCurve& curve, const SettlementUnits& u) {
  out.line();
  out.line("          TIP   LOAD        TIP MOVEMENT");
  out.line(std::string("            (") + u.loadUnit() + ")              (" + u.movementUnit() + ")");
  char point[18 + 19];  // E18.4,E19.4
  for (const CurvePoint& p : curve.points) {
    fmt::writeE(point, u.load(p.value), 18, 4);
    fmt::writeE(point + 18, u.movement(p.movement), 19, 4);
    out.line(std::string_view(point, sizeof point));
  }
}

void writeLoadSettlementTable(TextOut& report, CurveKind kind, const LoadTransferPass& pass,
                              const std::vector<Real>& definedSettlementsIn, const SettlementUnits& u) {
  report.blankLines(2);
  report.line(kIndent + resultHeading(kind));
  report.line();
  report.line("            TOP LOAD    TOP MOVEMENT        TIP LOAD    TIP MOVEMENT");
  const std::string lu = std::string("(") + u.loadUnit() + ")";
  const std::string mu = std::string("(") + u.movementUnit() + ")";
  report.line(fmt::X(4) + fmt::padRight("", 8) + fmt::padRight(lu, 16) + fmt::padRight(mu, 16) +
              fmt::padRight(lu, 16) + mu);
  // 4X,4E16.4, laid out whole.
  char point[4 + 4 * 16];
  std::memset(point, ' ', 4);
  for (const TipSolution& s : pass.points) {
    char* field = point + 4;
    for (Real v : {u.load(s.headLoad), u.movement(s.headMovement), u.load(s.tipLoad), u.movement(s.tipMovement)}) {
      fmt::writeE(field, v, 16, 4);
      field += 16;
    }
    report.line(std::string_view(point, sizeof point));
  }
  if (!pass.definedPoints.empty()) {
    report.line();
    report.line(kIndent + "RESULT FOR DEFINED SETTLEMENTS");
    report.line();
    report.line("          SETTLEMENT        TOP LOAD");
    report.line(fmt::X(10) + fmt::padRight(mu, 18) + lu);
    std::string row;
    for (std::size_t i = 0; i < pass.definedPoints.size() && i < definedSettlementsIn.size(); ++i) {
      row.assign(4, ' ');
      fmt::appendE(row, u.movement(definedSettlementsIn[i]), 16, 4);
      fmt::appendE(row, u.load(pass.definedPoints[i].headLoad), 16, 4);
      report.line(row);
    }
  }
}

void writeTzData(TextOut& out, CurveKind kind, const LoadTransferPass& pass, Real Dft, Real Lft,
                 const SettlementUnits& u) {
  out.line(kIndent + "NOTE: TZ CURVE DATA ARE AVAILABLE FOR SAND " + "AND CLAY LAYERS ONLY.");
  out.line();
  out.line(kIndent + resultHeading(kind));
  writeShaftLines(out, Dft, Lft, u);
  writeTzTable(out, pass.sideCurves, u);
  writeQwTable(out, pass.qwCurve, u);
  for (std::size_t k = 0; k < pass.points.size(); ++k) {
    const TipSolution& s = pass.points[k];
    out.line();
    out.line(kIndent + "ASSUMED TIP MOVEMENT NO." + fmt::I(static_cast<long long>(k + 1), 3) + " =" +
             fmt::E(u.movement(s.tipMovement), 12, 4) + " " + u.movementUnit());
    out.line(kIndent + "   DEPTH   LOAD");
    for (auto it = s.segments.rbegin(); it != s.segments.rend(); ++it) {
      out.line(fmt::X(3) + fmt::E(u.depth(it->topDepth), 10, 3) + fmt::X(3) + fmt::E(u.load(it->totalLoad), 10, 3));
    }
    out.line(kIndent + "TOP LOAD =" + fmt::E(u.load(s.headLoad), 12, 4) + "   TOP MOVEMENT =" +
             fmt::E(u.movement(s.headMovement), 12, 4));
  }
}

void writeTzPlotCurve(TextOut& out, const TransferCurve& curve, int number, bool extraCurve,
                      const SettlementUnits& u) {
  const auto count = static_cast<long long>(curve.points.size());
  if (extraCurve) {
    out.line(fmt::X(8) + fmt::I(number, 5) + fmt::I(count, 11) + fmt::E(u.depth(curve.depth), 16, 4));
  } else {
    out.line(fmt::I(number, 5) + fmt::I(curve.KSOIL, 5) + fmt::F(u.depth(curve.depth), 10, 2));
  }
  std::string row;
  for (const CurvePoint& p : curve.points) writePair(out, row, u.transfer(p.value), u.movement(p.movement));
}

void writeQwPlotCurve(TextOut& out, const TransferCurve& curve, int caseNumber, Real Dft, int diameterIndex,
                      const SettlementUnits& u) {
  out.line(fmt::I(caseNumber, 5) + fmt::F(u.lengthFt(Dft), 10, 2) + fmt::I(diameterIndex, 5));
  std::string row;
  for (const CurvePoint& p : curve.points) writePair(out, row, u.load(p.value), u.movement(p.movement));
}

void writeLoadDistribution(TextOut& out, const std::vector<TipSolution>& points, Real L, int rows,
                           const SettlementUnits& u) {
  rows = std::max(rows, 1);
  std::string row;
  for (const TipSolution& s : points) {
    for (int k = 0; k < rows; ++k) {
      const Real depth = L * static_cast<Real>(k) / static_cast<Real>(rows);
      const AxialState a = axialStateAt(s, L, depth);
      row.clear();
      for (Real v : {u.depth(depth), u.load(a.load), u.movement(a.movement)}) {
        row.append(3, ' ');
        fmt::appendE(row, v, 10, 3);
      }
      out.line(row);
    }
  }
}

}  // namespace talmo
