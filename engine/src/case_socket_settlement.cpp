#include "case_socket_settlement.h"

#include <optional>
#include <string>

#include "entered_units.h"
#include "fixed_format.h"
#include "geomaterial.h"
#include "profile.h"
#include "report_echo.h"
#include "rock_socket_tables.h"
#include "settlement_output.h"
#include "socket_settlement.h"

namespace talmo {
namespace {

const std::string kIndent(5, ' ');

// The curves of the report section, each with the t-z line of its overburden when the rule has
// two (strong rock); or the reason why the tip gives none.
struct SocketCurves {
  std::vector<std::pair<std::optional<CurveKind>, std::vector<SocketPoint>>> curves;
  std::string noCurve;
  std::vector<std::string> warningLines;
  int status = 0;
};

// Side resistance (tons) of the one-foot slices down to depth z (ft).
Real sideDownTo(const std::vector<DepthStep>& steps, Real z) {
  Real side = 0;
  for (const DepthStep& s : steps)
    if (s.depth > 0 && static_cast<Real>(s.depth) <= z + 1e-3f) side += s.side;
  return side;
}

// The socket diameter at the tip (ft).
Real socketDiameterAt(const RunModel& run, const SettlementCase& c, const LayerEnd& at) {
  return socketDiameter(at.BDS, run.si(), c.diameterRatio, c.shaft.D);
}

// The layers above the socket top `top` (ft) with their strength, for the overburden solution.
Overburden overburdenAbove(const RunModel& run, const SettlementCase& c, Real top) {
  Overburden ob;
  const std::vector<Layer>& layers = *c.layers;
  for (std::size_t i = 0; i < layers.size() && layers[i].XBOT <= top + 1e-3f; ++i) {
    ob.layers.push_back({layers[i].XTOP, layers[i].XBOT, layers[i].KSOIL});
    for (std::size_t k = 2 * i; k < 2 * i + 2 && k < c.boundary.size(); ++k)
      ob.boundaryProfile.push_back({c.boundary[k].depth, c.boundary[k].unitSide});
  }
  for (const DepthStep& s : *c.steps)
    if (s.depth > 0 && static_cast<Real>(s.depth) <= top + 1e-3f)
      ob.oneFootProfile.push_back({static_cast<Real>(s.depth), s.unitSide});
  ob.length = top;
  ob.D = c.shaft.D;
  ob.EPILE = run.EPILE;
  ob.TOPLENG = run.TOPLENG;
  return ob;
}

SocketCurves decomposedRockCurves(const RunModel& run, const SettlementCase& c, const Layer& tip, const LayerEnd& at) {
  const EnteredUnits u{run.si()};
  const Real L = c.length;
  const Real B = socketDiameterAt(run, c, at);
  const GeomaterialModulus m =
      decomposedRockModulus(u.modulus(tip.top.EL), u.modulus(tip.bottom.EL), tip.top.BLOWS, tip.bottom.BLOWS, at.BLOWS);
  SocketCurves out;
  if (!(m.E > 0)) {
    out.noCurve = "THE GEOMATERIAL AT THE TIP HAS NEITHER A MODULUS NOR BLOW COUNTS.";
    return out;
  }
  // The base at the tip, on the stress of the tip's own step.
  const Real sigma = effectiveStressAt(*c.stress, L);
  DecomposedRockPile pile;
  pile.E = m.E;
  pile.rho = m.rho;
  pile.Ec = run.EPILE * kPsfPerTsf;
  pile.L = L;
  pile.B = B;
  pile.Qs = c.Qs * kLbPerTon;
  pile.Qb = run.uplift() ? 0 : decomposedRock(at.BLOWS, sigma).q * 0.7854f * B * B;
  out.curves.push_back({std::nullopt, decomposedRockCurve(pile)});
  return out;
}

SocketCurves weakRockCurves(const RunModel& run, const SettlementCase& c, const Layer& tip, const LayerEnd& at) {
  const EnteredUnits u{run.si()};
  const Real L = c.length;
  const Real B = socketDiameterAt(run, c, at);
  const WeakRockGeometry g = weakRockGeometry(*c.layers, L, L, B);
  // The mean core modulus as the capacity rule saw it at the tip.
  WeakRockModuli moduli;
  for (const DepthStep& s : *c.steps)
    if (s.weakRockCore && static_cast<Real>(s.depth) < L) moduli.add(s.coreModulus);
  const WeakRockSocket socket = weakRockSocket(
      weakRockInput(tip, at, run.si(), moduli.meanWith(u.modulus(at.EL)), run.EPILE * kPsfPerTsf, B, g));
  SocketCurves out;
  if (!(socket.Em > 0)) {
    out.noCurve = "THE WEAK ROCK AT THE TIP HAS NO ELASTIC MODULUS.";
    return out;
  }
  // The wall carries at most the side resistance the capacity rule gives the socket.
  const Real sideCap = std::max(c.Qs - sideDownTo(*c.steps, g.d), Real(0)) * kLbPerTon;
  std::vector<SocketPoint> head;
  for (Real w : weakRockMovements(B))
    head.push_back({w, weakRockSocketLoad(socket, L - g.d, sideCap, !run.uplift(), w)});
  SocketCurve curve = carryThroughOverburden(overburdenAbove(run, c, g.d), head, CurveKind::trend);
  out.warningLines = std::move(curve.warningLines);
  out.status = curve.status;
  out.curves.push_back({std::nullopt, std::move(curve.points)});
  return out;
}

SocketCurves strongRockCurves(const RunModel& run, const SettlementCase& c, const LayerEnd& at) {
  const std::vector<Layer>& layers = *c.layers;
  const Real L = c.length;
  // The socket begins at the top of the first rock layer.
  Real top = L;
  for (const Layer& l : layers) {
    if (l.KSOIL >= kStrongRockSideOrTip && l.KSOIL <= kStrongRock) {
      top = std::min(l.XTOP, L);
      break;
    }
  }
  const RockMass mass = socketRockMass(layers, top, L, run.si());
  const Real Em = mass.Ei * strongRockModulusRatio(mass.RQD);
  SocketCurves out;
  if (!(Em > 0)) {
    out.noCurve = "THE ROCK OF THE SOCKET HAS NO ELASTIC MODULUS.";
    return out;
  }
  const Real Ds = socketDiameterAt(run, c, at);
  const Real ultimate = (std::max(c.Qs - sideDownTo(*c.steps, top), Real(0)) + c.Qb) * kLbPerTon;
  const ElasticSocket socket = strongRockSocket(Em, Ds, L - top, run.EPILE * kPsfPerTsf, ultimate);
  std::vector<SocketPoint> head;
  for (Real w : strongRockMovements(Ds)) head.push_back({w, socket.load(w)});
  const Overburden ob = overburdenAbove(run, c, top);
  for (CurveKind kind : {CurveKind::lowerBound, CurveKind::upperBound}) {
    SocketCurve curve = carryThroughOverburden(ob, head, kind);
    out.warningLines.insert(out.warningLines.end(), curve.warningLines.begin(), curve.warningLines.end());
    if ((out.status = curve.status) != 0) return out;
    out.curves.push_back({kind, std::move(curve.points)});
  }
  return out;
}

void writeTable(TextOut& report, const std::vector<SocketPoint>& points, const SettlementUnits& u) {
  report.line("            TOP LOAD    TOP MOVEMENT");
  report.line(fmt::X(4) + fmt::padRight("", 8) + fmt::padRight(std::string("(") + u.loadUnit() + ")", 16) + "(" +
              u.movementUnit() + ")");
  for (const SocketPoint& p : points)
    report.line(fmt::X(4) + fmt::E(u.load(p.load), 16, 4) + fmt::E(u.movement(p.movement * kInPerFt), 16, 4));
}

}  // namespace

SocketSettlementResult runSocketSettlement(const RunModel& run, RunFiles& files, const SettlementCase& c,
                                           int tipType) {
  const std::vector<Layer>& layers = *c.layers;
  const Layer& tip = layers[layerIndexAt(layers, c.length)];
  const LayerEnd at = interpolate(tip, c.length - tip.XTOP);
  SocketCurves curves = tipType == kDecomposedRock ? decomposedRockCurves(run, c, tip, at)
                        : tipType == kWeakRock     ? weakRockCurves(run, c, tip, at)
                                                   : strongRockCurves(run, c, at);
  SocketSettlementResult result;
  writeSettlementWarnings(files, curves.warningLines);
  if ((result.status = curves.status) != 0) return result;

  const SettlementUnits u{run.si()};
  TextOut& report = files.report;
  report.blankLines(2);
  writeHeading(report, "LOAD SETTLEMENT RELATIONSHIP", 28);
  if (!curves.noCurve.empty() || curves.curves.front().second.empty()) {
    const std::string why = curves.noCurve.empty() ? "THE SOCKET HAS NO DIAMETER." : curves.noCurve;
    for (TextOut* out : {&files.report, &files.runtime}) {
      out->line();
      out->line(kIndent + "NO LOAD-SETTLEMENT CURVE IS COMPUTED: " + why);
    }
    result.plotPoints.assign(kSocketPoints, {0, 0, 0, 0});
    result.chartHeadLoadsLb.assign(definedSettlementsInches(run).size(), 0);
    return result;
  }
  for (const auto& [kind, points] : curves.curves) {
    if (kind) {
      report.blankLines(2);
      report.line(kIndent + resultHeading(*kind));
    }
    report.line();
    writeTable(report, points, u);
  }
  const std::vector<SocketPoint>& plotted = curves.curves.front().second;
  for (const SocketPoint& p : plotted)
    result.plotPoints.push_back({u.load(p.load), u.movement(p.movement * kInPerFt), 0, 0});
  result.chartHeadLoadsLb = loadsAtSettlements(plotted, definedSettlementsInches(run));
  return result;
}

}  // namespace talmo
