#include "driver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <fstream>
#include <ostream>

#include "capacity_steps.h"
#include "capacity_table.h"
#include "case_report.h"
#include "case_settlement.h"
#include "case_socket_settlement.h"
#include "clay_shale_note.h"
#include "cohesive.h"
#include "design_charts.h"
#include "fixed_format.h"
#include "input_reader.h"
#include "plot_file.h"
#include "profile.h"
#include "report_echo.h"
#include "report_first_lines.h"

namespace talmo {
namespace {

constexpr int kMaxLengths = 100;
constexpr int kMaxDiameters = 20;

// One analysis run: the model, the files and what the cases leave for the closing blocks.
class Driver {
 public:
  Driver(RunModel model, RunFiles& files, const RunOptions& options)
      : m_(std::move(model)), files_(files), options_(options), u_{m_.si()} {}

  int run();

 private:
  int runCases();
  struct CaseResult {
    bool completed = false;
  };
  struct TableResult {
    PlotCurve curve;
    Capacity atLength;     // the last row printed: the shaft's length
    bool reached = false;  // the table reached the shaft's length or the design load
    std::vector<std::string> rockMessages;  // first socket warning of each kind, for the report
  };
  CaseResult runCase(Real D, Real length, const CaseNumbers& numbers);
  TableResult writeCapacityTable(const std::vector<DepthStep>& steps, const CapacityProfile& profile,
                                 const std::vector<Real>& printed, Real length, int zoneSteps);
  // Writes the load-settlement section of a case; false when the run must stop.
  bool analyseLoadSettlement(const SettlementCase& sc, int tipType, const CaseNumbers& numbers, PlotCurve& curve);
  void writeStepMessages(const std::vector<DepthStep>& steps, int upTo, std::size_t& reportNext);
  void writeCutShortNote(const std::string& what, int analysed, Real first, Real last, long long notAnalysed);

  RunModel m_;
  RunFiles& files_;
  const RunOptions& options_;
  PrintUnits u_;
  Real EPILEasEntered_ = 0;
  std::vector<Real> stress_;  // effective stress at every whole foot: the same for every case
  BestShaft best_;
  std::vector<PlotCurve> curves_;
  bool allBounds_ = true;  // every curve carries its upper- and lower-bound points
  bool soilTipAnalysed_ = false;
  Real lastLength_ = 0;  // shaft length of the last case analysed
  SettlementRunState settlementState_;
  DesignCharts charts_;
  // Each kind of socket warning goes to the report the first time in the run only.
  std::array<bool, kSocketWarningKinds> socketWarned_{};
  int status_ = kStatusCompleted;
};

// How many of `asked` (a count that may exceed any integer) a limit of `analysed` leaves out.
long long notAnalysedCount(Real asked, int analysed) {
  return static_cast<long long>(std::min<Real>(asked, 1e15f)) - analysed;
}

bool soilTip(int type) {
  return type == kSand || type == kClay || type == kClayShale || type == kGravellySand || type == kGravel;
}

int Driver::run() {
  const int status = runCases();
  writeTzDataFile(m_, files_, settlementState_);
  return status;
}

int Driver::runCases() {
  // Alpha and Nc left at 0 in clay take their defaults once, before the echo prints them.
  applyCohesiveDefaults(m_.layers, m_.DSTART);
  writeInputEcho(m_, files_.report);
  files_.curveListing.line();
  files_.curveListing.line("     " + m_.title);
  files_.curveListing.blankLines(2);
  files_.curveListing.line("     NOTE: TZ AND QW CURVES DATA ARE AVAILABLE ONLY FOR SAND AND CLAY LAYERS.");
  files_.curveListing.blankLines(2);

  // Shaft modulus from psi (or kN/m2) to tsf.
  EPILEasEntered_ = m_.EPILE;
  m_.EPILE = m_.si() ? m_.EPILE * kPsfPerKnPerM2 / kPsfPerTsf : m_.EPILE / kPsiPerTsf;
  // The output increment is a length in the project's unit; 0 asks for one foot, or one metre
  // in an SI project (the project file checks that it is not negative).
  if (!(m_.PINC > 0)) m_.PINC = 1;
  if (m_.si()) m_.PINC *= kFtPerM;
  const std::vector<Layer> wholeFoot = wholeFootLayers(m_.layers);
  stress_ = effectiveStressTable(wholeFoot, m_.WTD, static_cast<int>(wholeFoot.back().XBOT));

  const Real diameterStep = m_.IChart >= 1 ? m_.DIAMINCR : 0.5f;
  const Real diametersAsked =
      diameterStep > 0 ? std::trunc((m_.DIALIM - m_.DSTART) / diameterStep + 0.001f) + 1 : 1;
  const int diameters = diametersAsked > kMaxDiameters ? kMaxDiameters : std::max(static_cast<int>(diametersAsked), 1);
  if (diametersAsked > kMaxDiameters)
    writeCutShortNote("DIAMETERS", kMaxDiameters, m_.DSTART + static_cast<Real>(kMaxDiameters) * diameterStep,
                      m_.DSTART + (diametersAsked - 1) * diameterStep, notAnalysedCount(diametersAsked, kMaxDiameters));

  // Shaft lengths: from the design depth up to the minimum length, for every diameter with
  // design charts and for the initial diameter with multiple lengths.
  std::vector<Real> lengths = {m_.designDepth};
  const bool varyLengths = m_.METHOD == 2 && (m_.IPENT >= 1 || m_.IChart >= 1) && m_.PDINCR > 0;
  if (varyLengths) {
    const Real asked = std::trunc((m_.designDepth - m_.PDMIN) / m_.PDINCR + 0.001f) + 1;
    const int count = asked > kMaxLengths ? kMaxLengths : std::max(static_cast<int>(asked), 1);
    if (asked > kMaxLengths)
      writeCutShortNote("SHAFT LENGTHS", kMaxLengths, m_.designDepth - static_cast<Real>(kMaxLengths) * m_.PDINCR,
                        m_.designDepth - (asked - 1) * m_.PDINCR, notAnalysedCount(asked, kMaxLengths));
    lengths.clear();
    for (int k = 0; k < count; ++k) lengths.push_back(m_.designDepth - static_cast<Real>(k) * m_.PDINCR);
  }

  charts_ = DesignCharts(definedSettlementsInches(m_), diameters,
                         m_.IChart >= 1 ? static_cast<int>(lengths.size()) : 0);
  int caseNumber = 0;
  for (int di = 0; di < diameters; ++di) {
    const Real D = m_.DSTART + static_cast<Real>(di) * diameterStep;
    const bool allLengths = m_.IChart >= 1 || (m_.IPENT >= 1 && di == 0);
    const std::size_t lengthCount = allLengths ? lengths.size() : 1;
    for (std::size_t li = 0; li < lengthCount; ++li) {
      const CaseNumbers numbers{++caseNumber, static_cast<int>(li) + 1, di + 1};
      charts_.setDiameter(di, D);
      charts_.setLength(static_cast<int>(li), lengths[li]);
      if (!runCase(D, lengths[li], numbers).completed) return status_;
    }
  }
  if (diameters > 1) writeMostEfficientShaft(m_, best_, files_.report);
  if (!curves_.empty() && clayShaleNoteApplies(m_, lastLength_))
    writeClayShaleNote(m_.si(), curves_.back().settlement[0], files_.report);
  writePlotFile(files_.plot, curves_, allBounds_ ? 3 : 2);
  if (m_.IChart >= 1) charts_.write(m_, files_.report, files_.plot);
  // Without any shaft tipped in soil the plot file ends after the capacity data.
  if (soilTipAnalysed_) files_.tzDiam.line(fmt::listInt(settlementState_.qwCurves));
  return status_;
}

// A run analyses at most 100 shaft lengths and 20 diameters; the ones beyond are named in the
// runtime notes and the report, so that a cut-short run does not pass for a complete one.
void Driver::writeCutShortNote(const std::string& what, int analysed, Real first, Real last, long long notAnalysed) {
  const std::string unit = u_.si ? " M" : " FT";
  const std::vector<std::string> lines = {
      "*********************WARNING**********************",
      "ONLY THE FIRST " + std::to_string(analysed) + " " + what + " ARE ANALYSED.",
      "THE " + std::to_string(notAnalysed) + " " + what + " FROM" + fmt::F(u_.length(first), 10, 3) + unit + " TO" +
          fmt::F(u_.length(last), 10, 3) + unit,
      "WERE NOT ANALYSED; ANALYSE THEM IN A SEPARATE RUN.",
  };
  for (TextOut* out : {&files_.runtime, &files_.report}) {
    out->line();
    for (const auto& l : lines) out->line("     " + l);
    out->line();
  }
}

void Driver::writeStepMessages(const std::vector<DepthStep>& steps, int upTo, std::size_t& next) {
  const std::string indent(5, ' ');
  for (; next < steps.size() && static_cast<int>(next) <= upTo; ++next) {
    for (const auto& l : steps[next].reportLines) files_.report.line(l.empty() ? l : indent + l);
  }
}

// Printed lengths: multiples of the output increment from the top of the load-carrying zone
// down to `deepest`; with the length given, the table ends with a row at that length.
std::vector<Real> printedLengths(const RunModel& m, Real length, Real BSr, Real profileBottom) {
  const bool designLoadGiven = m.METHOD != 2;
  const Real deepest = std::min(designLoadGiven ? profileBottom : length, profileBottom);
  const Real firstPrintable = m.TOPLENG + BSr;
  std::vector<Real> printed;
  for (int k = 1;; ++k) {
    const Real P = static_cast<Real>(k) * m.PINC;
    if (P > deepest + 1e-3f) break;
    if (P >= firstPrintable - 1e-4f && (printed.empty() || P > printed.back())) printed.push_back(P);
  }
  if (!designLoadGiven && length <= profileBottom + 1e-3f && (printed.empty() || length > printed.back() + 1e-3f))
    printed.push_back(length);
  return printed;
}

Driver::TableResult Driver::writeCapacityTable(const std::vector<DepthStep>& steps, const CapacityProfile& profile,
                                               const std::vector<Real>& printed, Real length, int zoneSteps) {
  TableResult table;
  const bool designLoadGiven = m_.METHOD != 2;
  const int bottom = static_cast<int>(steps.size()) - 1;
  table.reached = !designLoadGiven && !printed.empty() && std::fabs(printed.back() - length) < 1e-3f;

  std::size_t nextMessageStep = 0;
  for (Real P : printed) {
    writeStepMessages(steps, static_cast<int>(std::ceil(P)), nextMessageStep);
    const Capacity c = capacityAt(profile, P);
    files_.report.line(capacityRow(m_, c));
    table.curve.depthPoints.push_back({u_.length(P), u_.force(c.QS), u_.force(c.QB), u_.force(c.QU),
                                       u_.force(c.sideFactored), u_.force(c.tipFactored),
                                       u_.force(c.totalFactored)});
    table.atLength = c;
    if (designLoadGiven && c.allowable > m_.DGH) {
      table.reached = true;
      break;
    }
  }
  // Runtime notes of the steps the table used, down to the averaging zone below the shaft's
  // length, in depth order; the first socket warning of each kind also goes to the report.
  const int lastUsedStep = std::min(bottom, static_cast<int>(std::ceil(table.atLength.length)) + zoneSteps);
  for (int d = 1; d <= lastUsedStep; ++d) {
    const DepthStep& step = steps[static_cast<std::size_t>(d)];
    for (const auto& l : step.runtimeLines) files_.runtime.line("     " + l);
    for (const SocketWarningBlock& w : step.socketWarnings) {
      for (const auto& l : w.lines) files_.runtime.line(l);
      bool& first = socketWarned_[static_cast<std::size_t>(w.kind)];
      if (!first) table.rockMessages.insert(table.rockMessages.end(), w.lines.begin(), w.lines.end());
      first = true;
    }
  }
  if (table.atLength.length > static_cast<Real>(profile.deepestFullZone) + 1e-3f) {
    files_.runtime.line();
    files_.runtime.line("       INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR");
    files_.runtime.line("       COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER");
  }
  return table;
}

Driver::CaseResult Driver::runCase(Real D, Real length, const CaseNumbers& numbers) {
  const ShaftGeometry shaft = shaftGeometry(D, m_.RATIO, m_.BELANGL);
  const Real BSr = roundToWholeFoot(m_.BS);
  writeCaseHeader(m_, numbers, shaft, BSr, length, EPILEasEntered_, files_);

  const std::vector<Layer> layers = wholeFootLayers(m_.layers);
  const Real diameterRatio = m_.DSTART > 0 ? D / m_.DSTART : 1;
  const CaseGround ground{m_, layers, stress_, shaft, diameterRatio, m_.METHOD == 2 ? length : 0};
  const std::vector<DepthStep> steps = computeDepthSteps(ground);
  const CapacityProfile profile = capacityProfile(m_, steps, shaft, BSr);
  // The profile reaches its last layer's bottom as entered; the steps end on the whole foot
  // nearest to it, and lengths in between take the values of the last step.
  const Real profileBottom = std::max(static_cast<Real>(steps.size() - 1), m_.layers.back().XBOT);
  TableResult table = writeCapacityTable(steps, profile, printedLengths(m_, length, BSr, profileBottom), length,
                                         tipAveragingSteps(shaft.Bb));

  // Messages of the rock models for this case: kept in the rock-message scratch file as well,
  // and copied into the report from this run's own records.
  {
    TextOut scratch;
    scratch.open(files_.rockMessagePath());
    for (const auto& l : table.rockMessages) scratch.line(l);
    files_.report.appendRecordsFixedWidth(table.rockMessages, 80);
  }

  if (!table.reached) {
    writeNeedAnotherLayer(files_, options_.consoleOut);
    status_ = kStatusNeedAnotherLayer;
    return {};
  }

  // Load-settlement behaviour of the shaft at its length.
  const Capacity& atLength = table.atLength;
  const Real shaftLength = atLength.length;
  const int tipType = layers[layerIndexAt(layers, shaftLength)].KSOIL;
  SettlementCase sc;
  sc.layers = &layers;
  sc.steps = &steps;
  sc.boundary = boundarySideResistance(ground, steps);
  sc.shaft = shaft;
  sc.BSr = BSr;
  sc.length = shaftLength;
  sc.rows = std::max(static_cast<int>(table.curve.depthPoints.size()), 1);
  sc.Qb = m_.uplift() ? 0 : atLength.QB;
  sc.Qs = atLength.QS;
  sc.diameterRatio = diameterRatio;
  sc.stress = &stress_;
  sc.caseNumber = numbers.caseNumber;
  sc.diameterIndex = numbers.diameterIndex;
  // The t-z, load-distribution and extra t-z plot records come from the first case whose tip
  // is in soil, so that the plot file carries them in the order its reader expects.
  sc.firstCase = !soilTipAnalysed_;
  sc.diametersVary = m_.DIALIM > m_.DSTART + 1e-3f;
  if (!analyseLoadSettlement(sc, tipType, numbers, table.curve)) return {};
  curves_.push_back(std::move(table.curve));
  lastLength_ = shaftLength;

  if (atLength.perVolume > best_.perVolume) {
    best_ = {shaft.D, shaft.Bb, shaftLength, atLength.volume, atLength.QU, atLength.perVolume};
  }
  return {true};
}

bool Driver::analyseLoadSettlement(const SettlementCase& sc, int tipType, const CaseNumbers& numbers,
                                   PlotCurve& curve) {
  if (sc.firstCase && m_.PrintTZCurves == 1 && soilTip(tipType)) {
    const int extraStatus = writeExtraTzCurves(m_, files_, sc);
    if (extraStatus != 0) status_ = extraStatus;
  }
  files_.report.blankLines(3);
  writeHeading(files_.report, "AXIAL LOAD VS SETTLEMENT CURVES", 31);
  if (!soilTip(tipType)) {
    // Rock and geomaterial sockets: one curve (strong rock: two, the lower bound plotted), so the
    // plot file carries no bound blocks.
    SocketSettlementResult socket = runSocketSettlement(m_, files_, sc, tipType);
    allBounds_ = false;
    if (socket.status > 0) {
      status_ = socket.status;
      return false;
    }
    curve.settlement[0] = std::move(socket.plotPoints);
    charts_.setHeadLoads(numbers.diameterIndex - 1, numbers.lengthIndex - 1, socket.chartHeadLoadsLb);
    return true;
  }
  soilTipAnalysed_ = true;
  SettlementResult settlement = runCaseSettlement(m_, files_, sc, settlementState_);
  if (settlement.status > 0) {
    status_ = settlement.status;
    return false;
  }
  curve.settlement = std::move(settlement.plotPoints);
  charts_.setHeadLoads(numbers.diameterIndex - 1, numbers.lengthIndex - 1, settlement.chartHeadLoadsLb);
  return true;
}

}  // namespace

int runDriver(std::istream& project, RunFiles& files, const RunOptions& options) {
  RunModel model;
  try {
    model = readProject(project, files);
  } catch (const InputError& error) {
    writeInputError(files, error);
    return kStatusInputError;
  }
  return Driver(std::move(model), files, options).run();
}

}  // namespace talmo
