#include "report_echo.h"

#include <string>
#include <vector>

#include "cohesionless.h"
#include "cohesive.h"
#include "fixed_format.h"
#include "profile.h"

namespace talmo {
namespace {

const std::string kIndent(5, ' ');
const std::string kMarkEstimated = "(*)  ";
const std::string kMarkNone = "     ";

// One echo line: the label in a 50-character field, "=", the value in E10.3 and, for values the
// program may estimate, a five-character mark.
std::string echoLine(const std::string& label, Real value, const std::string* mark = nullptr) {
  return "       " + fmt::padRight(label, 50) + "=" + fmt::E(value, 10, 3) + (mark ? *mark : "");
}

const char* typeText(int type) {
  switch (type) {
    case kSand: return "----SAND";
    case kClay: return "----CLAY";
    case kClayShale: return "----CLAY SHALE";
    case kStrongRockSideOrTip: return "----STRONG ROCK";
    case kDecomposedRock: return "----DECOMPOSED ROCK";
    case kWeakRock: return "----WEAK ROCK";
    case kStrongRock: return "----STRONG ROCK";
    case kGravellySand: return "----GRAVELLEY SAND";
    case kGravel: return "----GRAVEL";
    default: return "";
  }
}

// What the models make of a layer's entries: estimated friction angles, side coefficients,
// alpha and Nc, each end with its value and whether it was estimated.
struct EchoedEnd {
  Real PHI = 0, COEF = 0, NC = 0;
};
struct EchoedLayer {
  EchoedEnd top, bottom;
  bool phiEstimated = false, coefEstimated = false, ncEstimated = false;
};

EchoedLayer estimatesFor(const Layer& layer, const std::vector<Real>& stress) {
  EchoedLayer e;
  e.top.PHI = layer.top.PHI;
  e.bottom.PHI = layer.bottom.PHI;
  e.top.COEF = layer.top.COEF;
  e.bottom.COEF = layer.bottom.COEF;
  e.top.NC = layer.top.NC;
  e.bottom.NC = layer.bottom.NC;
  if (layer.KSOIL == kClay || layer.KSOIL == kClayShale) {
    // The defaults are already in the layer (applyCohesiveDefaults).
    e.coefEstimated = layer.alphaEstimated;
    e.ncEstimated = layer.ncEstimated;
  } else if (layer.KSOIL == kSand || layer.KSOIL == kGravellySand || layer.KSOIL == kGravel) {
    const CohesionlessDefaults d = cohesionlessDefaults(layer, effectiveStressAt(stress, layer.XTOP),
                                                        effectiveStressAt(stress, layer.XBOT));
    e.top.PHI = d.PHITop;
    e.bottom.PHI = d.PHIBottom;
    e.phiEstimated = d.phiEstimated;
    e.top.COEF = d.COEFTop;
    e.bottom.COEF = d.COEFBottom;
    // Ko left at 0 is simply held at its lower limit, not estimated from other parameters:
    // only beta and m carry the mark.
    e.coefEstimated = d.coefEstimated && !(layer.KSOIL == kSand && layer.sandMethod == 1);
  }
  return e;
}

// The lines of one end of a layer, by type.
std::vector<std::string> endBlock(const Layer& layer, const LayerEnd& end, const EchoedEnd& est,
                                  const EchoedLayer& marks, Real depth, const PrintUnits& u) {
  const bool si = u.si;
  const std::string sqft = si ? "KN/SQ M" : "LB/SQ FT";
  const std::string cuft = si ? "KN/CU M" : "LB/CU FT";
  const std::string sqin = si ? "KN/SQ M" : "LB/SQ IN";
  const std::string ft = si ? "M" : "FT";
  const std::string* phiMark = marks.phiEstimated ? &kMarkEstimated : &kMarkNone;
  const std::string blows = "BLOWS PER FOOT FROM STANDARD PENETRATION TEST";
  const std::string weight = "SOIL UNIT WEIGHT, " + cuft;
  const std::string transfer = "MAXIMUM LOAD TRANSFER FOR SOIL, " + sqft;
  std::vector<std::string> lines;
  switch (layer.KSOIL) {
    case kSand:
      lines = {echoLine("INTERNAL FRICTION ANGLE, DEG.", est.PHI, phiMark), echoLine(blows, end.BLOWS),
               echoLine(weight, u.unitWeight(end.GAMMA)), echoLine(transfer, u.stress(end.TRANLM))};
      break;
    case kClay:
    case kClayShale:
      lines = {echoLine("UNDRAINED SHEAR STRENGTH, " + sqft, u.stress(end.CU)), echoLine(blows, end.BLOWS),
               echoLine(weight, u.unitWeight(end.GAMMA)), echoLine(transfer, u.stress(end.TRANLM))};
      break;
    case kStrongRockSideOrTip:
    case kStrongRock:
      lines = {echoLine("DIAMETER OF SOCKET, " + ft, end.BDS),
               echoLine("SPACING OF DISCONTINUITIES," + ft, end.CS),
               echoLine("THICKNESS OF INDIVIDUAL DISCONTINUITIES," + ft, end.DISCT),
               echoLine("UNIAXIAL COMPRESSION STRENGTH OF ROCK," + sqft, end.QUR),
               echoLine("UNIAXIAL COMPRESSION STRENGTH OF CONCRETE," + sqft, end.QUCON),
               echoLine("ELASTIC MODULUS FOR THE INTACT ROCK, " + (si ? sqin : sqin + "."), end.EL),
               echoLine("ROCK QUALITY DESIGNATION (RQD) %", end.RQD)};
      break;
    case kDecomposedRock:
      lines = {echoLine("ELASTIC MODULUS OF GRAVEL, " + sqin, end.EL),
               echoLine("POISSION RATIO OF GRAVEL", end.POISSON), echoLine(blows, end.BLOWS),
               echoLine(weight, u.unitWeight(end.GAMMA)), echoLine(transfer, u.stress(end.TRANLM))};
      break;
    case kWeakRock:
      lines = {echoLine("DIAMETER OF SOCKET, " + ft, end.BDS),
               echoLine(std::string("SLUMP OF CONCRETE, ") + (si ? "M" : "IN"), end.SLUMP),
               echoLine("ANGLE OF INTERFACE FRICTION, DEG.", end.IFA),
               echoLine("UNIAXIAL COMPRESSION STRENGTH OF ROCK," + sqft, end.QUR),
               echoLine("ELASTIC MODULUS FOR THE INTACT ROCK, " + (si ? sqin : sqin + "."), end.EL),
               echoLine("ROCK QUALITY DESIGNATION (RQD) %", end.RQD)};
      break;
    case kGravellySand:
    case kGravel:
      lines = {echoLine(blows, end.BLOWS), echoLine(weight, u.unitWeight(end.GAMMA)),
               echoLine(transfer, u.stress(end.TRANLM))};
      break;
    default:
      break;
  }
  lines.push_back(echoLine("DEPTH, " + ft, u.length(depth)));

  // The side-friction procedure and coefficients that follow the block.
  const std::string* coefMark = marks.coefEstimated ? &kMarkEstimated : &kMarkNone;
  const int method = layer.KSOIL == kSand ? layer.sandMethod : 2;
  if (layer.KSOIL == kSand || layer.KSOIL == kGravellySand || layer.KSOIL == kGravel) {
    if (method == 1) {
      lines.push_back("       SIDE FRICTION PROCEDURE: Ko METHOD");
      lines.push_back(echoLine("LATERAL EARTH-PRESSURE COEFFICIENT - Ko", est.COEF, &kMarkNone));
    } else if (method == 3) {
      lines.push_back("       SIDE FRICTION PROCEDURE, KULHAWY AND CHEN METHOD");
      lines.push_back(echoLine("PRECONSOLIDATION STRESS EXPONENT - M", est.COEF, coefMark));
    } else {
      lines.push_back("       SIDE FRICTION PROCEDURE, BETA METHOD");
      lines.push_back(echoLine("SKIN FRICTION COEFFICIENT- BETA", est.COEF, coefMark));
    }
  } else if (layer.KSOIL == kClay || layer.KSOIL == kClayShale) {
    lines.push_back(echoLine("STRENGTH REDUCTION FACTOR-ALPHA", est.COEF, coefMark));
    lines.push_back(echoLine("END BEARING COEFFICIENT-Nc", est.NC,
                             marks.ncEstimated ? &kMarkEstimated : &kMarkNone));
  }
  return lines;
}

bool writeSoilInformation(const RunModel& m, TextOut& report, const PrintUnits& u) {
  report.blankLines(2);
  writeHeading(report, "SOIL INFORMATION", 15);
  report.line();
  const std::vector<Layer> whole = wholeFootLayers(m.layers);
  const int bottom = whole.empty() ? 0 : static_cast<int>(whole.back().XBOT);
  const std::vector<Real> stress = effectiveStressTable(whole, m.WTD, bottom);
  bool anyEstimated = false;
  for (std::size_t i = 0; i < m.layers.size(); ++i) {
    const Layer& layer = m.layers[i];
    const EchoedLayer est = estimatesFor(layer, stress);
    anyEstimated = anyEstimated || est.phiEstimated || est.coefEstimated || est.ncEstimated;
    const std::string indent(layer.KSOIL <= kClayShale ? 5 : 4, ' ');
    report.line(indent + "LAYER NO" + fmt::I(static_cast<long long>(i + 1), 3) + typeText(layer.KSOIL));
    report.line();
    report.line("       AT THE TOP");
    report.line();
    for (const auto& l : endBlock(layer, layer.top, est.top, est, layer.XTOP, u)) report.line(l);
    report.line("       AT THE BOTTOM");
    report.line();
    for (const auto& l : endBlock(layer, layer.bottom, est.bottom, est, layer.XBOT, u)) report.line(l);
    if (m.lrfd()) {
      report.line(echoLine("LRFD RESISTANCE FACTOR (SIDE FRICTION)", layer.RS));
      report.line(echoLine("LRFD RESISTANCE FACTOR (TIP RESISTANCE)", layer.RB));
      report.line();
    }
    if (layer.KSOIL == kClay || layer.KSOIL == kClayShale) {
      for (const auto& l : cohesiveLayerWarnings(layer)) report.line(l);
    }
    for (const auto& l : gravelLayerWarnings(layer)) report.line(l);
  }
  return anyEstimated;
}

void writeLengthLines(const RunModel& m, TextOut& report, const PrintUnits& u) {
  report.line(shaftLine("MAXIMUM SHAFT LENGTH", fmt::F(u.length(m.designDepth), 9, 3), u.lengthUnit()));
  report.line(shaftLine("MINIMUM SHAFT LENGTH", fmt::F(u.length(m.PDMIN), 9, 3), u.lengthUnit()));
  report.line(shaftLine("SHAFT LENGTH INCREMENT", fmt::F(u.length(m.PDINCR), 9, 3), u.lengthUnit()));
}

}  // namespace

std::string shaftLine(std::string_view label, std::string_view value, std::string_view unit) {
  constexpr std::size_t kLabelWidth = 26;
  label = label.substr(0, kLabelWidth);
  std::string line;
  line.reserve(6 + kLabelWidth + 1 + value.size() + 2 + unit.size());
  line.append(6, ' ');
  line.append(label);
  line.append(kLabelWidth - label.size(), ' ');
  line += '=';
  line.append(value);
  line.append("  ");
  line.append(unit);
  return line;
}

void writeHeading(TextOut& out, const std::string& text, std::size_t hyphens) {
  out.line(kIndent + text);
  out.line(kIndent + std::string(hyphens, '-'));
}

void writeInputEcho(const RunModel& m, TextOut& report) {
  const PrintUnits u{m.si()};
  if (!m.lrfd()) {
    report.line();
    writeHeading(report, "FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY =" + fmt::F(m.FST, 5, 2), 55);
    writeHeading(report, "FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY =" + fmt::F(m.FSB, 5, 2), 54);
  }

  if (writeSoilInformation(m, report, u)) {
    report.line();
    report.line(kIndent + "(*) ESTIMATED BY THE PROGRAM BASED ON OTHER PARAMETERS");
    report.line();
  }

  report.blankLines(2);
  writeHeading(report, "INPUT DRILLED SHAFT INFORMATION", 30);
  report.line();
  const std::string len = u.lengthUnit();
  report.line(shaftLine("MINIMUM SHAFT DIAMETER", fmt::F(u.length(m.DSTART), 9, 3), len));
  report.line(shaftLine("MAXIMUM SHAFT DIAMETER", fmt::F(u.length(m.DIALIM), 9, 3), len));
  report.line(shaftLine("RATIO BASE/SHAFT DIAMETER", fmt::F(m.RATIO, 9, 3), len));
  report.line(shaftLine("ANGLE OF BELL", fmt::F(m.BELANGL, 9, 3), "DEG."));
  report.line(shaftLine("IGNORED TOP PORTION", fmt::F(u.length(m.TOPLENG), 9, 3), len));
  report.line(shaftLine("IGNORED BOTTOM PORTION", fmt::F(u.length(m.BS), 9, 3), len));
  report.line("      " + fmt::padRight("ELASTIC MODULUS, Ec", 26) + "=" + fmt::E(m.EPILE, 10, 3) +
              (m.si() ? " KN/SQ M" : "  LB/SQ IN"));
  report.blankLines(2);

  if (m.IPENT == 1) {
    report.blankLines(2);
    writeHeading(report, "VARY SHAFT LENGTH FOR INITIAL DIAMETER", 38);
    writeLengthLines(m, report, u);
    report.blankLines(2);
  }
  if (m.IChart == 1) {
    report.blankLines(2);
    writeHeading(report, "COMPUTATION OF LRFD CHARTS", 26);
    writeLengthLines(m, report, u);
    report.line(shaftLine("DIAMETER INCREMENT", fmt::F(u.length(m.DIAMINCR), 9, 3), len));
    report.blankLines(2);
    report.line();
    report.line(std::string(6, ' ') + "   POINT    SETTLEMENT VALUES, " + (m.si() ? "M" : "IN"));
    for (int i = 0; i < m.NPOINTPD; ++i) {
      report.line(std::string(7, ' ') + fmt::I(i + 1, 5) + std::string(5, ' ') +
                  fmt::F(m.PDSETT[static_cast<std::size_t>(i)], 9, 4));
    }
  }
  report.blankLines(4);
  writeHeading(report, "COMPUTATION RESULTS", 19);
}

}  // namespace talmo
