#include "case_settlement.h"

#include "fixed_format.h"
#include "profile.h"
#include "report_echo.h"
#include "settlement_output.h"
#include "settlement_solver.h"

namespace talmo {
namespace {

LoadTransferInput transferInput(const RunModel& run, const SettlementCase& c) {
  LoadTransferInput in;
  for (const Layer& l : *c.layers) in.layers.push_back({l.XTOP, l.XBOT, l.KSOIL});
  for (const BoundaryResistance& b : c.boundary) in.boundaryProfile.push_back({b.depth, b.unitSide});
  for (const DepthStep& s : *c.steps)
    if (s.depth > 0) in.oneFootProfile.push_back({static_cast<Real>(s.depth), s.unitSide});
  in.tipKSOIL = (*c.layers)[layerIndexAt(*c.layers, c.length)].KSOIL;
  // The steps end on the whole foot nearest the profile's bottom; a shaft may reach the bottom
  // as entered (60.4 ft), so the last layer and its strength extend to it.
  const Real enteredBottom = run.layers.empty() ? 0 : run.layers.back().XBOT;
  if (!in.layers.empty() && enteredBottom > in.layers.back().XBOT) {
    in.layers.back().XBOT = enteredBottom;
    if (!in.boundaryProfile.empty()) in.boundaryProfile.back().depth = enteredBottom;
  }
  in.L = c.length;
  in.D = c.shaft.D;
  in.Bb = c.shaft.belled ? c.shaft.Bb : 0;
  in.EPILE = run.EPILE;
  in.TOPLENG = run.TOPLENG;
  in.BS = c.BSr;
  in.bellHeight = c.shaft.h;
  in.NS = segmentsOfAtMostOneFoot(c.length);
  in.Qb = c.Qb;
  return in;
}

WorkProfile workProfileOf(const LoadTransferInput& in) {
  return workProfile(in.layers, in.boundaryProfile, in.oneFootProfile);
}

std::size_t kindIndex(CurveKind k) { return static_cast<std::size_t>(static_cast<int>(k) - 1); }

void keepLastPass(SettlementRunState& state, CurveKind kind, LoadTransferPass&& pass, const SettlementCase& c) {
  state.hasLastPass = true;
  state.lastKind = kind;
  state.lastPass = std::move(pass);
  state.lastD = c.shaft.D;
  state.lastL = c.length;
}

}  // namespace

void writeSettlementWarnings(RunFiles& files, const std::vector<std::string>& lines) {
  for (const auto& l : lines) {
    files.report.line(std::string(5, ' ') + l);
    files.runtime.line(std::string(5, ' ') + l);
  }
}

std::vector<Real> definedSettlementsInches(const RunModel& run) {
  std::vector<Real> out;
  if (run.IChart < 1) return out;
  for (int i = 0; i < run.NPOINTPD; ++i) {
    const Real s = run.PDSETT[static_cast<std::size_t>(i)];
    out.push_back(run.si() ? s * kInPerM : s);
  }
  return out;
}

void writeTzDataFile(const RunModel& run, const RunFiles& files, const SettlementRunState& state) {
  if (!state.hasLastPass) return;
  TextOut tzData;
  tzData.open(files.tzDataPath());
  writeTzData(tzData, state.lastKind, state.lastPass, state.lastD, state.lastL, SettlementUnits{run.si()});
}

int writeExtraTzCurves(const RunModel& run, RunFiles& files, const SettlementCase& c) {
  const SettlementUnits u{run.si()};
  TextOut& report = files.report;
  report.blankLines(3);
  writeHeading(report, "ADDITIONAL TZ CURVES", 20);
  report.blankLines(2);
  report.line("     NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY FOR SAND AND CLAY LAYERS.");
  report.blankLines(2);

  const WorkProfile profile = workProfileOf(transferInput(run, c));
  std::vector<Real> depths;
  for (Real d : run.extraTzDepths) depths.push_back(d * kInPerFt);
  int status = 0;
  for (CurveKind kind : {CurveKind::trend, CurveKind::upperBound, CurveKind::lowerBound}) {
    const CurveSet set = extraSideCurves(profile, depths, c.shaft.D * kInPerFt, kind);
    writeSettlementWarnings(files, set.warningLines);
    if (set.status != 0) status = set.status;
    report.line();
    report.line("     " + resultHeading(kind));
    writeTzTable(report, set.curves, u);
    if (kind == CurveKind::trend) {
      files.tzPlot.line(fmt::listInt(static_cast<long long>(set.curves.size())));
      for (std::size_t i = 0; i < set.curves.size(); ++i)
        writeTzPlotCurve(files.tzPlot, set.curves[i], static_cast<int>(i + 1), true, u);
    }
  }
  return status;
}

SettlementResult runCaseSettlement(const RunModel& run, RunFiles& files, const SettlementCase& c,
                                   SettlementRunState& state) {
  const SettlementUnits u{run.si()};
  SettlementResult result;
  const LoadTransferInput input = transferInput(run, c);
  const std::vector<Real> settlements = definedSettlementsInches(run);
  const std::string underline = "        -------------";
  if (c.firstCase) {
    files.settlementListing.line("        QW CURVE DATA");
    files.settlementListing.line(underline);
    files.curveListing.line("        TZ CURVE DATA");
    files.curveListing.line(underline);
    files.tzPlot.line(fmt::listInt(static_cast<long long>(5 * c.layers->size())));
  }

  const LoadTransferShaft shaft(input);
  std::array<LoadTransferPass, 3> passes;
  for (CurveKind kind : {CurveKind::trend, CurveKind::upperBound, CurveKind::lowerBound}) {
    const bool trend = kind == CurveKind::trend;
    LoadTransferPass& pass = passes[kindIndex(kind)];
    // Segment records are printed for the first case's trend pass (load distribution) and the
    // run's last pass (TZDATA), which is a lower-bound pass or one that stopped before any point.
    SolverOptions options;
    options.keepSegments = kind == CurveKind::lowerBound || (trend && c.firstCase);
    pass = shaft.run(kind, trend ? std::span<const Real>(settlements) : std::span<const Real>(), options);
    writeSettlementWarnings(files, pass.warningLines);

    if (c.firstCase) {
      writeTzTable(files.curveListing, pass.sideCurves, u);
      files.curveListing.line();
      files.curveListing.line("     " + resultHeading(kind));
      writeShaftLines(files.curveListing, c.shaft.D, c.length, u);
    }
    writeQwTable(files.settlementListing, pass.qwCurve, u);
    files.settlementListing.line();
    files.settlementListing.line("     " + resultHeading(kind));
    if (c.diametersVary)
      files.settlementListing.line("     VARIATION DIAMETER       =" + fmt::I(c.diameterIndex, 10));
    writeShaftLines(files.settlementListing, c.shaft.D, c.length, u);

    if (trend) {
      if (c.firstCase) {
        for (std::size_t i = 0; i < pass.sideCurves.size(); ++i)
          writeTzPlotCurve(files.tzPlot, pass.sideCurves[i], static_cast<int>(i + 1), false, u);
        writeLoadDistribution(files.loadSettlementPlot, pass.points, c.length * kInPerFt, c.rows, u);
      }
      if (!pass.qwCurve.points.empty()) {
        writeQwPlotCurve(files.qwPlot, pass.qwCurve, c.caseNumber, c.shaft.D, c.diameterIndex, u);
        ++state.qwCurves;
      }
      for (const TipSolution& s : pass.definedPoints) result.chartHeadLoadsLb.push_back(s.headLoad);
      if (!settlements.empty()) {
        files.chart.line(fmt::listInt(c.caseNumber) + fmt::listReal(c.shaft.D) + fmt::listReal(c.length));
        for (std::size_t i = 0; i < pass.definedPoints.size() && i < settlements.size(); ++i) {
          files.chart.line(fmt::X(3) + fmt::E(settlements[i], 10, 3) + fmt::X(3) +
                           fmt::E(pass.definedPoints[i].tipMovement, 10, 3) + fmt::X(3) +
                           fmt::E(pass.definedPoints[i].headLoad, 10, 3));
        }
      }
    }
    for (const TipSolution& s : pass.points) {
      result.plotPoints[kindIndex(kind)].push_back(
          {u.load(s.headLoad), u.movement(s.headMovement), u.load(s.tipLoad), u.movement(s.tipMovement)});
    }
    if (pass.status > 0) {
      result.status = pass.status;
      keepLastPass(state, kind, std::move(pass), c);
      return result;
    }
  }

  for (CurveKind kind : {CurveKind::lowerBound, CurveKind::upperBound, CurveKind::trend}) {
    const LoadTransferPass& pass = passes[kindIndex(kind)];
    writeLoadSettlementTable(files.report, kind, pass, kind == CurveKind::trend ? settlements : std::vector<Real>{}, u);
  }
  keepLastPass(state, CurveKind::lowerBound, std::move(passes[kindIndex(CurveKind::lowerBound)]), c);
  return result;
}

}  // namespace talmo
