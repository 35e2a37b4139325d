#include "input_reader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "fixed_format.h"
#include "report_first_lines.h"
#include "units.h"

namespace talmo {
namespace {

constexpr Real kNoLimit = 1e10f;

// A value as the user wrote it, for the messages of the checks below.
std::string shown(Real v) {
  std::string text = fmt::listReal(v);
  return text.substr(text.find_first_not_of(' '));
}

// The checks of the values an analysis cannot do without. Each names the item and its place
// in the file: the line and the position of the value just read.
[[noreturn]] void refuse(const GroupReader& r, const std::string& problem) {
  throw InputError{r.lineNumber(), r.itemNumber(), problem};
}

// Beyond this magnitude a soil or shaft value is taken for a typing error: no strength, modulus
// or unit weight of the ground or of concrete comes near it in any unit the file uses, and
// products of such values would leave the range of the engine's arithmetic.
constexpr Real kLargestMagnitude = 1e9f;

Real bounded(GroupReader& r, const std::string& what) {
  const Real v = r.real(what);
  if (std::fabs(v) > kLargestMagnitude) refuse(r, "THE " + what + " IS " + shown(v) + "; ITS MAGNITUDE MAY BE AT MOST 1E9");
  return v;
}

Real positive(GroupReader& r, const std::string& what) {
  const Real v = bounded(r, what);
  if (!(v > 0)) refuse(r, "THE " + what + " IS " + shown(v) + "; IT MUST BE POSITIVE");
  return v;
}

Real notNegative(GroupReader& r, const std::string& what) {
  const Real v = bounded(r, what);
  if (v < 0) refuse(r, "THE " + what + " IS " + shown(v) + "; IT MUST NOT BE NEGATIVE");
  return v;
}

// The deepest profile the engine steps through, ft: beyond it a depth is taken for a typing
// error rather than analysed foot by foot.
constexpr Real kDeepestProfile = 3000;
// The largest shaft or base diameter, ft.
constexpr Real kLargestDiameter = 100;

std::string layerItem(int layer, const char* end, const char* name) {
  return std::string(name) + " AT THE " + end + " OF LAYER " + std::to_string(layer);
}

// One data line of a layer (top or bottom), by type.
void readLayerEnd(GroupReader& r, Layer& layer, int index, bool top) {
  const char* end = top ? "TOP" : "BOTTOM";
  LayerEnd& e = top ? layer.top : layer.bottom;
  auto v = [&](const char* name) { return bounded(r, layerItem(index, end, name)); };
  // The limits may be entered as large as the 1E10 that stands for no limit.
  auto limit = [&](const char* name) { return r.real(layerItem(index, end, name)); };
  r.beginGroup();
  switch (layer.KSOIL) {
    case kSand:
    case kClay:
    case kClayShale:
      e.NC = v(layer.KSOIL == kSand ? "PLACEHOLDER 0.0" : "BEARING CAPACITY FACTOR NC");
      e.GAMMA = v("UNIT WEIGHT");
      e.PHI = v(layer.KSOIL == kSand ? "FRICTION ANGLE" : "PLACEHOLDER 0.0");
      e.CU = v(layer.KSOIL == kSand ? "INTERFACE FRICTION ANGLE" : "UNDRAINED SHEAR STRENGTH");
      e.BLOWS = v("BLOW COUNT");
      e.TRANLM = limit("MAXIMUM SIDE FRICTION");
      e.EBMAX = limit("MAXIMUM END BEARING");
      break;
    case kStrongRockSideOrTip:
    case kStrongRock:
      e.QUR = v("ROCK COMPRESSIVE STRENGTH");
      e.QUCON = v("CONCRETE COMPRESSIVE STRENGTH");
      e.CS = v("DISCONTINUITY SPACING");
      e.DISCT = v("DISCONTINUITY THICKNESS");
      e.BDS = v("SOCKET DIAMETER");
      e.TRANLM = limit("MAXIMUM SIDE FRICTION");
      e.EL = v("ELASTIC MODULUS");
      e.RQD = v("RQD");
      e.EBMAX = limit("MAXIMUM END BEARING");
      break;
    case kDecomposedRock:
      e.GAMMA = v("UNIT WEIGHT");
      e.BLOWS = v("BLOW COUNT");
      e.POISSON = v("POISSON'S RATIO");
      e.EL = v("YOUNG'S MODULUS");
      e.BDS = v("SOCKET DIAMETER");
      e.TRANLM = limit("MAXIMUM SIDE FRICTION");
      e.EBMAX = limit("MAXIMUM END BEARING");
      break;
    case kWeakRock:
      e.QUR = v("ROCK COMPRESSIVE STRENGTH");
      e.ICOND = v("INTERFACE CONDITION");
      e.SLUMP = v("CONCRETE SLUMP");
      e.IFA = v("INTERFACE FRICTION ANGLE");
      e.BDS = v("SOCKET DIAMETER");
      e.TRANLM = limit("MAXIMUM SIDE FRICTION");
      e.EL = v("ELASTIC MODULUS");
      e.RQD = v("RQD");
      e.EBMAX = limit("MAXIMUM END BEARING");
      break;
    case kGravellySand:
    case kGravel:
      e.GAMMA = v("UNIT WEIGHT");
      e.BLOWS = v("BLOW COUNT");
      e.COEF = v("BETA");
      e.TRANLM = limit("MAXIMUM SIDE FRICTION");
      e.EBMAX = limit("MAXIMUM END BEARING");
      break;
    default:
      return;
  }
  // The LRFD factors are one value per layer: the bottom line's overwrite the top line's.
  layer.RS = v("LRFD SIDE RESISTANCE FACTOR");
  layer.RB = v("LRFD TIP RESISTANCE FACTOR");
}

Layer readLayer(GroupReader& r, int index, Real xtop, bool si) {
  Layer layer;
  layer.XTOP = xtop;
  const std::string n = std::to_string(index);
  r.beginGroup();
  layer.KSOILReal = r.real("SOIL TYPE OF LAYER " + n);
  if (std::fabs(layer.KSOILReal) > 1e6f || static_cast<int>(layer.KSOILReal) < 1 ||
      static_cast<int>(layer.KSOILReal) > 9) {
    throw InputError{r.lineNumber(), r.itemNumber(),
                     "THE SOIL TYPE OF LAYER " + n + " MUST BE 1 TO 9"};
  }
  layer.KSOIL = static_cast<int>(layer.KSOILReal);
  layer.XBOT = r.real("BOTTOM DEPTH OF LAYER " + n);
  if (layer.XBOT < xtop)
    refuse(r, "THE BOTTOM DEPTH OF LAYER " + n + " IS " + shown(layer.XBOT) + "; IT MUST NOT LIE ABOVE THE LAYER'S TOP AT " +
                  shown(xtop));
  if (layer.XBOT * (si ? kFtPerM : 1) > kDeepestProfile)
    refuse(r, "THE BOTTOM DEPTH OF LAYER " + n + " IS " + shown(layer.XBOT) + "; THE PROFILE MAY REACH AT MOST " +
                  (si ? "914 M" : "3000 FT"));

  readLayerEnd(r, layer, index, true);
  readLayerEnd(r, layer, index, false);

  if (layer.KSOIL == kSand) {
    r.beginGroup();
    layer.sandMethod = r.integer("SIDE FRICTION METHOD OF LAYER " + n);
    if (layer.sandMethod < 1 || layer.sandMethod > 3)
      refuse(r, "THE SIDE FRICTION METHOD OF LAYER " + n + " IS " + std::to_string(layer.sandMethod) +
                    "; IT MUST BE 1 (Ko), 2 (BETA) OR 3 (CHEN AND KULHAWY)");
  }
  if (layer.KSOIL == kSand || layer.KSOIL == kClay || layer.KSOIL == kClayShale) {
    r.beginGroup();
    layer.top.COEF = bounded(r, "SIDE COEFFICIENT AT THE TOP OF LAYER " + n);
    layer.bottom.COEF = bounded(r, "SIDE COEFFICIENT AT THE BOTTOM OF LAYER " + n);
  }
  for (LayerEnd* e : {&layer.top, &layer.bottom}) {
    if (std::fabs(e->TRANLM) < 1e-10f) e->TRANLM = kNoLimit;
    if (std::fabs(e->EBMAX) < 1e-10f) e->EBMAX = kNoLimit;
  }
  return layer;
}

void applyLengthDefaults(RunModel& m, Real minimumShare, bool chart) {
  if (m.PDMIN == 0) m.PDMIN = minimumShare * m.DGH;
  if (m.PDINCR == 0) m.PDINCR = m.si() ? 1.0f : 3.0f;
  if (chart && m.DIAMINCR == 0) m.DIAMINCR = m.si() ? 0.15f : 0.5f;
  m.PDMIN = std::max(m.PDMIN, 6 * m.DSTART + m.TOPLENG + m.BS);
}

}  // namespace

void convertSiToInternal(RunModel& m) {
  m.DGH *= kTonsPerKn;
  for (Real* length : {&m.WTD, &m.designDepth, &m.DSTART, &m.DIALIM, &m.TOPLENG, &m.BS,
                       &m.PDMIN, &m.PDINCR, &m.DIAMINCR})
    *length *= kFtPerM;
  for (Real& d : m.extraTzDepths) d *= kFtPerM;
  for (Layer& layer : m.layers) {
    layer.XTOP *= kFtPerM;
    layer.XBOT *= kFtPerM;
    for (LayerEnd* e : {&layer.top, &layer.bottom}) {
      e->GAMMA *= kPcfPerKnPerM3;
      e->TRANLM *= kPsfPerKnPerM2;
      e->EBMAX *= kPsfPerKnPerM2;
      // A sand layer's CU field holds its interface friction angle, which is not converted.
      if (layer.KSOIL != kSand) e->CU *= kPsfPerKnPerM2;
    }
  }
}

RunModel readProject(std::istream& in, RunFiles& files) {
  GroupReader r(in);
  RunModel m;
  m.title = fmt::padRight(r.textLine("TITLE"), 72);

  r.beginGroup();
  m.fUnits = r.integer("UNIT SYSTEM CODE");
  m.units = m.fUnits == 2 ? "SI" : "EN";

  r.beginGroup();
  m.METHOD = r.integer("COMPUTATION METHOD CODE METHOD");
  m.KCYCL = r.integer("LOADING CODE KCYCL");
  m.RCYCL = m.uplift() ? positive(r, "UPLIFT REDUCTION FACTOR RCYCL") : r.real("UPLIFT REDUCTION FACTOR RCYCL");
  // 0 asks for the default increment of one foot (one metre in an SI project).
  m.PINC = notNegative(r, "OUTPUT INCREMENT PINC");
  if (m.PINC > 0 && m.PINC < 0.1f)
    refuse(r, "THE OUTPUT INCREMENT PINC IS " + shown(m.PINC) + "; IT MUST BE 0 (ONE FOOT OR ONE METRE) OR AT LEAST 0.1");
  m.IMOD = r.integer("END BEARING OPTION IMOD");
  m.NLRFD = r.integer("DESIGN METHOD CODE NLRFD");
  m.IPENT = r.integer("MULTIPLE LENGTHS CODE IPENT");
  m.IChart = r.integer("DESIGN CHART CODE ICHART");
  m.UseElevation = r.integer("ELEVATION LABEL CODE");
  m.ValElevation = r.real("ELEVATION OF THE SHAFT TOP");
  m.PrintTZCurves = r.integer("EXTRA T-Z CURVES CODE");

  r.beginGroup();
  const Real largestDiameter = m.si() ? kLargestDiameter / kFtPerM : kLargestDiameter;
  auto diameter = [&](const std::string& what, bool zeroAllowed) {
    const Real v = zeroAllowed ? notNegative(r, what) : positive(r, what);
    if (v > largestDiameter)
      refuse(r, "THE " + what + " IS " + shown(v) + "; IT MAY BE AT MOST " + (m.si() ? "30 M" : "100 FT"));
    return v;
  };
  m.DSTART = diameter("MINIMUM SHAFT DIAMETER DSTART", false);
  // 0 means the minimum diameter.
  m.DIALIM = diameter("MAXIMUM SHAFT DIAMETER DIALIM", true);
  m.RATIO = r.real("BASE TO SHAFT DIAMETER RATIO");
  if (m.RATIO != 0 && !(m.RATIO >= 1 && m.RATIO <= 10))
    refuse(r, "THE BASE TO SHAFT DIAMETER RATIO IS " + shown(m.RATIO) + "; IT MUST BE 0 (NO BELL) OR 1 TO 10");
  m.BELANGL = r.real("BELL ANGLE");
  if (m.RATIO > 1 && !(m.BELANGL > 0 && m.BELANGL < 90))
    refuse(r, "THE BELL ANGLE IS " + shown(m.BELANGL) + "; A BELL NEEDS AN ANGLE ABOVE 0 AND BELOW 90 DEGREES");
  m.TOPLENG = notNegative(r, "IGNORED TOP PORTION");
  m.BS = notNegative(r, "IGNORED BOTTOM PORTION");
  m.EPILE = positive(r, "SHAFT MODULUS EPILE");

  r.beginGroup();
  const int layerCount = r.integer("NUMBER OF LAYERS");
  if (layerCount < 1 || layerCount > kMaxLayers) {
    throw InputError{r.lineNumber(), r.itemNumber(),
                     "THE NUMBER OF LAYERS IS " + std::to_string(layerCount) + "; IT MUST BE 1 TO 40"};
  }
  m.WTD = bounded(r, "WATER TABLE DEPTH");
  m.DGH = positive(r, m.METHOD == 2 ? "SHAFT LENGTH" : "DESIGN LOAD");
  // The factors of safety divide the ultimate resistances in an ASD run; LRFD does not use them.
  m.FST = m.lrfd() ? r.real("FACTOR OF SAFETY ON SIDE FRICTION") : positive(r, "FACTOR OF SAFETY ON SIDE FRICTION");
  m.FSB = m.lrfd() ? r.real("FACTOR OF SAFETY ON BASE CAPACITY") : positive(r, "FACTOR OF SAFETY ON BASE CAPACITY");

  if (m.IPENT >= 1) {
    r.beginGroup();
    m.PDMIN = notNegative(r, "MINIMUM SHAFT LENGTH PDMIN");
    m.PDINCR = notNegative(r, "SHAFT LENGTH INCREMENT PDINCR");
    applyLengthDefaults(m, 0.7f, false);
  }
  if (m.IChart >= 1) {
    r.beginGroup();
    m.PDMIN = notNegative(r, "MINIMUM SHAFT LENGTH PDMIN");
    m.PDINCR = notNegative(r, "SHAFT LENGTH INCREMENT PDINCR");
    m.DIAMINCR = notNegative(r, "DIAMETER INCREMENT DIAMINCR");
    m.NPOINTPD = r.integer("NUMBER OF DESIGN-CHART SETTLEMENTS");
    if (m.NPOINTPD < 0 || m.NPOINTPD > kMaxChartSettlements) {
      throw InputError{r.lineNumber(), r.itemNumber(),
                       "THE NUMBER OF DESIGN-CHART SETTLEMENTS IS " + std::to_string(m.NPOINTPD) +
                           "; IT MUST BE 0 TO 10"};
    }
    r.beginGroup();
    for (int i = 0; i < m.NPOINTPD; ++i)
      m.PDSETT[static_cast<std::size_t>(i)] = bounded(r, "DESIGN-CHART SETTLEMENT " + std::to_string(i + 1));
    applyLengthDefaults(m, 0.3f, true);
  }
  if (m.METHOD == 2) m.designDepth = m.DGH;

  writeFirstReportLines(m, layerCount, files.report);

  for (int i = 1; i <= layerCount; ++i) {
    const Real xtop = m.layers.empty() ? 0 : m.layers.back().XBOT;
    m.layers.push_back(readLayer(r, i, xtop, m.si()));
    const int type = m.layers.back().KSOIL;
    if (type == kStrongRockSideOrTip || type == kWeakRock || type == kStrongRock) ++m.rockLayerCount;
  }

  if (m.PrintTZCurves == 1) {
    r.beginGroup();
    const int count = r.integer("NUMBER OF EXTRA T-Z DEPTHS");
    if (count < 0 || count > kMaxExtraTzDepths) {
      throw InputError{r.lineNumber(), r.itemNumber(),
                       "THE NUMBER OF EXTRA T-Z DEPTHS IS " + std::to_string(count) +
                           "; IT MUST BE 0 TO 50"};
    }
    r.beginGroup();
    for (int i = 0; i < count; ++i)
      m.extraTzDepths.push_back(bounded(r, "EXTRA T-Z DEPTH " + std::to_string(i + 1)));
  }
  if (m.designDepth > m.layers.back().XBOT) writeProfileTooShortWarning(files);

  if (m.RATIO == 1) m.RATIO = 0;  // a bell of the shaft's own diameter is no bell
  m.DIALIM = std::max(m.DSTART, m.DIALIM);
  if (m.si()) convertSiToInternal(m);
  return m;
}

}  // namespace talmo
