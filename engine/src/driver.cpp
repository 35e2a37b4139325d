#include "driver.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

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
#include "ordered_work.h"
#include "plot_file.h"
#include "profile.h"
#include "report_echo.h"
#include "report_first_lines.h"
#include "settlement_output.h"

namespace talmo {
namespace {

constexpr int kMaxLengths = 100;
constexpr int kMaxDiameters = 20;

// One case of the run: its shaft and length and its three numbers.
struct CaseJob {
  Real D = 0, length = 0;
  int diameterIndex = 0, lengthIndex = 0;  // from 0
  CaseNumbers numbers;
};

// What one case computed: its records for every result file, in memory, and what the closing
// blocks of the run need from it. Cases are computed on their own, each into its own output,
// and taken up in case order.
struct CaseOutput {
  RunFiles files;                     // in-memory records of the case
  std::size_t runtimeCaseLines = 0;   // leading runtime records that name the case
  std::vector<SocketWarningBlock> rockWarnings;  // the first socket warning of each kind in the case
  std::size_t reportBeforeRock = 0;   // where the report's rock messages go: after the table
  std::string console;                // for the console: the stop of a design load too large
  bool soilTip = false;
  bool asFirstSoilTip = false;        // computed with the first soil tip's extra records
  int extraStatus = 0;                // from the extra t-z curves (first soil tip only)
  int status = 0;                     // not 0: the run stops after this case
  bool socket = false;
  PlotCurve curve;
  PlotCurveRecords plotRecords;       // the curve as the plot file holds it
  Capacity atLength;
  ShaftGeometry shaft;
  std::vector<Real> chartHeadLoadsLb;
  SettlementRunState settlement;      // the case's q-w curve count and last load-transfer pass
  CaseResults results;                // for the JSON results
};

// The depth steps of one shaft and what follows from them alone: the capacity at every whole
// foot and the side resistance at the layer boundaries.
struct ShaftProfile {
  std::vector<DepthStep> steps;
  CapacityProfile capacity;
  std::vector<BoundaryResistance> boundary;
};

ShaftProfile shaftProfile(const CaseGround& ground, Real BSr) {
  ShaftProfile p;
  p.steps = computeDepthSteps(ground);
  p.capacity = capacityProfile(ground.run, p.steps, ground.shaft, BSr);
  p.boundary = boundarySideResistance(ground, p.steps);
  return p;
}

// Whether a shaft's profile is the same for all its lengths: the length enters it only as the
// reference depth of a geomaterial layer, and only when the length is given.
bool profileSameForEveryLength(const RunModel& m, const std::vector<Layer>& layers) {
  const auto geomaterial = [](const Layer& l) { return l.KSOIL == kDecomposedRock || l.KSOIL == kWeakRock; };
  return m.METHOD != 2 || std::none_of(layers.begin(), layers.end(), geomaterial);
}

// The shaft profiles of a run's diameters, each computed by the first case of its diameter that
// asks and read by every length of it; a run whose profiles depend on the length computes one
// per case instead.
class DiameterProfiles {
 public:
  DiameterProfiles(const RunModel& m, const std::vector<Layer>& layers, int diameters)
      : shared_(profileSameForEveryLength(m, layers)),
        once_(std::make_unique<std::once_flag[]>(static_cast<std::size_t>(diameters))),
        profiles_(static_cast<std::size_t>(diameters)) {}

  // Cases of several threads may ask at once: the first computes, the others wait for it.
  std::shared_ptr<const ShaftProfile> of(int diameterIndex, const CaseGround& ground, Real BSr) {
    if (!shared_) return std::make_shared<const ShaftProfile>(shaftProfile(ground, BSr));
    const auto i = static_cast<std::size_t>(diameterIndex);
    std::call_once(once_[i], [&] { profiles_[i] = std::make_shared<const ShaftProfile>(shaftProfile(ground, BSr)); });
    return profiles_[i];
  }

 private:
  bool shared_;
  std::unique_ptr<std::once_flag[]> once_;
  std::vector<std::shared_ptr<const ShaftProfile>> profiles_;
};

// One analysis run: the model, the files and what the cases leave for the closing blocks.
class Driver {
 public:
  Driver(RunModel model, RunFiles& files, const RunOptions& options, RunResults* results)
      : m_(std::move(model)), files_(files), options_(options), u_{m_.si()}, results_(results) {}

  int run();

 private:
  int runCases();
  void keepClosingResults(bool diametersVaried);
  struct TableResult {
    PlotCurve curve;
    Capacity atLength;     // the last row printed: the shaft's length
    bool reached = false;  // the table reached the shaft's length or the design load
    std::vector<SocketWarningBlock> rockWarnings;  // first socket warning of each kind in the case
    std::vector<std::array<Real, 8>> rows;  // the printed columns, for the JSON results
  };
  // Computes one case into its own output; reads only what the run set up before the cases,
  // so several cases may be computed at once.
  CaseOutput computeCase(const CaseJob& job, bool firstSoilTip) const;
  // Appends a computed case to the run's files and results; false when the run stops.
  bool takeCase(const CaseJob& job, CaseOutput& out);
  TableResult writeCapacityTable(RunFiles& files, const std::vector<DepthStep>& steps,
                                 const CapacityProfile& profile, const std::vector<Real>& printed, Real length,
                                 int zoneSteps) const;
  // Writes the load-settlement section of a case into its output.
  void analyseLoadSettlement(const SettlementCase& sc, int tipType, CaseOutput& out) const;
  void writeStepMessages(TextOut& report, const std::vector<DepthStep>& steps, int upTo, std::size_t& next) const;
  int caseThreads(std::size_t cases) const;
  void writeCutShortNote(const std::string& what, int analysed, Real first, Real last, long long notAnalysed);

  RunModel m_;
  RunFiles& files_;
  const RunOptions& options_;
  PrintUnits u_;
  Real EPILEasEntered_ = 0;
  std::vector<Layer> wholeFoot_;  // the layers on whole feet: the same for every case
  std::vector<Real> stress_;      // effective stress at every whole foot: the same for every case
  // Shaft profiles by diameter; filled by the cases as they are computed.
  std::unique_ptr<DiameterProfiles> profiles_;
  BestShaft best_;
  std::vector<PlotCurveRecords> curves_;
  std::vector<std::array<Real, 4>> lastCaseCurve_;  // the last case's first curve, for the clay-shale note
  bool allBounds_ = true;  // every curve carries its upper- and lower-bound points
  bool soilTipAnalysed_ = false;
  Real lastLength_ = 0;  // shaft length of the last case analysed
  SettlementRunState settlementState_;
  DesignCharts charts_;
  // Each kind of socket warning goes to the report the first time in the run only.
  std::array<bool, kSocketWarningKinds> socketWarned_{};
  int status_ = kStatusCompleted;
  RunResults* results_ = nullptr;
  bool anyCase_ = false;
  std::vector<std::string> lastRockMessages_;  // of the last case taken: ROCKMSG.DAT keeps them
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
  // The rock-message scratch file holds the last case's messages, as after a run case by case.
  if (anyCase_) {
    TextOut scratch;
    scratch.open(files_.rockMessagePath());
    for (const auto& l : lastRockMessages_) scratch.line(l);
  }
  writeTzDataFile(m_, files_, settlementState_);
  return status;
}

int Driver::caseThreads(std::size_t cases) const {
  const int wanted = options_.caseThreads > 0 ? options_.caseThreads
                                              : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(wanted), cases));
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
  wholeFoot_ = wholeFootLayers(m_.layers);
  stress_ = effectiveStressTable(wholeFoot_, m_.WTD, static_cast<int>(wholeFoot_.back().XBOT));

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

  profiles_ = std::make_unique<DiameterProfiles>(m_, wholeFoot_, diameters);
  charts_ = DesignCharts(definedSettlementsInches(m_), diameters,
                         m_.IChart >= 1 ? static_cast<int>(lengths.size()) : 0);
  std::vector<CaseJob> jobs;
  int caseNumber = 0;
  for (int di = 0; di < diameters; ++di) {
    const Real D = m_.DSTART + static_cast<Real>(di) * diameterStep;
    const bool allLengths = m_.IChart >= 1 || (m_.IPENT >= 1 && di == 0);
    const std::size_t lengthCount = allLengths ? lengths.size() : 1;
    for (std::size_t li = 0; li < lengthCount; ++li)
      jobs.push_back({D, lengths[li], di, static_cast<int>(li), {++caseNumber, static_cast<int>(li) + 1, di + 1}});
  }

  // The cases are computed ahead on worker threads (the first one as the first soil tip, which
  // it usually is) and taken up here in order.
  bool completed = true;
  const int threads = caseThreads(jobs.size());
  computeInOrder<CaseOutput>(
      jobs.size(), threads, 4 * static_cast<std::size_t>(threads),
      [&](std::size_t i) { return computeCase(jobs[i], i == 0); },
      [&](std::size_t i, CaseOutput& out) { return completed = takeCase(jobs[i], out); });
  if (!completed) return status_;

  if (diameters > 1) writeMostEfficientShaft(m_, best_, files_.report);
  if (results_) keepClosingResults(diameters > 1);
  if (!curves_.empty() && clayShaleNoteApplies(m_, lastLength_))
    writeClayShaleNote(m_.si(), lastCaseCurve_, files_.report);
  writePlotFile(files_.plot, curves_, allBounds_ ? 3 : 2);
  if (m_.IChart >= 1) charts_.write(m_, files_.report, files_.plot);
  // Without any shaft tipped in soil the plot file ends after the capacity data.
  if (soilTipAnalysed_) files_.tzDiam.line(fmt::listInt(settlementState_.qwCurves));
  return status_;
}

bool Driver::takeCase(const CaseJob& job, CaseOutput& out) {
  // The t-z, load-distribution and extra t-z records belong to the first case whose tip is in
  // soil: a later case computed without them is computed again with them.
  if (!soilTipAnalysed_ && out.soilTip && !out.asFirstSoilTip) out = computeCase(job, true);

  anyCase_ = true;
  charts_.setDiameter(job.diameterIndex, job.D);
  charts_.setLength(job.lengthIndex, job.length);
  RunFiles& f = out.files;
  // Each kind of socket warning goes to the report the first time in the run only.
  std::vector<std::string> rockMessages;
  for (const SocketWarningBlock& w : out.rockWarnings) {
    bool& first = socketWarned_[static_cast<std::size_t>(w.kind)];
    if (!first) rockMessages.insert(rockMessages.end(), w.lines.begin(), w.lines.end());
    first = true;
  }
  const std::string_view report = f.report.text();
  files_.report.appendText(report.substr(0, out.reportBeforeRock));
  files_.report.appendRecordsFixedWidth(rockMessages, 80);
  files_.report.appendText(report.substr(out.reportBeforeRock));
  if (results_) {
    const std::size_t from = results_->runtimeLines.size();
    results_->caseLines.push_back({job.numbers.caseNumber, from, from + out.runtimeCaseLines});
  }
  files_.runtime.appendText(f.runtime.text());
  files_.curveListing.appendText(f.curveListing.text());
  files_.settlementListing.appendText(f.settlementListing.text());
  files_.tzPlot.appendText(f.tzPlot.text());
  files_.qwPlot.appendText(f.qwPlot.text());
  files_.loadSettlementPlot.appendText(f.loadSettlementPlot.text());
  files_.chart.appendText(f.chart.text());
  lastRockMessages_ = std::move(rockMessages);
  if (!out.console.empty() && options_.consoleOut) *options_.consoleOut << out.console;

  if (out.soilTip) soilTipAnalysed_ = true;
  if (out.socket) allBounds_ = false;
  settlementState_.qwCurves += out.settlement.qwCurves;
  if (out.settlement.hasLastPass) {
    settlementState_.hasLastPass = true;
    settlementState_.lastKind = out.settlement.lastKind;
    settlementState_.lastPass = std::move(out.settlement.lastPass);
    settlementState_.lastD = out.settlement.lastD;
    settlementState_.lastL = out.settlement.lastL;
  }
  if (results_) results_->cases.push_back(std::move(out.results));
  if (out.extraStatus != 0) status_ = out.extraStatus;
  if (out.status != 0) {
    status_ = out.status;
    return false;
  }

  charts_.setHeadLoads(job.diameterIndex, job.lengthIndex, out.chartHeadLoadsLb);
  curves_.push_back(std::move(out.plotRecords));
  lastCaseCurve_ = std::move(out.curve.settlement[0]);
  const Real shaftLength = out.atLength.length;
  lastLength_ = shaftLength;
  if (out.atLength.perVolume > best_.perVolume) {
    best_ = {out.shaft.D, out.shaft.Bb, shaftLength, out.atLength.volume, out.atLength.QU, out.atLength.perVolume};
  }
  return true;
}

void Driver::keepClosingResults(bool diametersVaried) {
  if (diametersVaried && best_.perVolume >= 0)
    results_->best = MostEfficientShaft{u_.length(best_.D),      u_.length(best_.Bb), u_.length(best_.length),
                                        u_.volume(best_.volume), u_.force(best_.QU),  u_.forcePerVolume(best_.perVolume)};
  if (m_.IChart >= 1) {
    const SettlementUnits su{m_.si()};
    ChartResults c;
    for (std::size_t s = 0; s < charts_.settlementsIn().size(); ++s) c.settlements.push_back(m_.PDSETT[s]);
    for (Real d : charts_.diametersFt()) c.diameters.push_back(u_.length(d));
    for (Real l : charts_.lengthsFt()) c.lengths.push_back(u_.length(l));
    for (std::size_t s = 0; s < c.settlements.size(); ++s)
      for (std::size_t d = 0; d < c.diameters.size(); ++d)
        for (std::size_t l = 0; l < c.lengths.size(); ++l)
          c.topLoads.push_back(su.load(charts_.headLoad(s, static_cast<int>(d), static_cast<int>(l))));
    results_->charts = std::move(c);
  }
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

void Driver::writeStepMessages(TextOut& report, const std::vector<DepthStep>& steps, int upTo,
                               std::size_t& next) const {
  const std::string indent(5, ' ');
  for (; next < steps.size() && static_cast<int>(next) <= upTo; ++next) {
    for (const auto& l : steps[next].reportLines) report.line(l.empty() ? l : indent + l);
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

Driver::TableResult Driver::writeCapacityTable(RunFiles& files, const std::vector<DepthStep>& steps,
                                               const CapacityProfile& profile, const std::vector<Real>& printed,
                                               Real length, int zoneSteps) const {
  TableResult table;
  const bool designLoadGiven = m_.METHOD != 2;
  const int bottom = static_cast<int>(steps.size()) - 1;
  table.reached = !designLoadGiven && !printed.empty() && std::fabs(printed.back() - length) < 1e-3f;

  std::size_t nextMessageStep = 0;
  for (Real P : printed) {
    writeStepMessages(files.report, steps, static_cast<int>(std::ceil(P)), nextMessageStep);
    const Capacity c = capacityAt(profile, P);
    files.report.line(capacityRow(m_, c));
    if (results_) table.rows.push_back(capacityColumns(m_, c));
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
  // length, in depth order; the first socket warning of each kind is kept for the report.
  const int lastUsedStep = std::min(bottom, static_cast<int>(std::ceil(table.atLength.length)) + zoneSteps);
  std::array<bool, kSocketWarningKinds> warned{};
  for (int d = 1; d <= lastUsedStep; ++d) {
    const DepthStep& step = steps[static_cast<std::size_t>(d)];
    for (const auto& l : step.runtimeLines) files.runtime.line("     " + l);
    for (const SocketWarningBlock& w : step.socketWarnings) {
      for (const auto& l : w.lines) files.runtime.line(l);
      bool& first = warned[static_cast<std::size_t>(w.kind)];
      if (!first) table.rockWarnings.push_back(w);
      first = true;
    }
  }
  if (table.atLength.length > static_cast<Real>(profile.deepestFullZone) + 1e-3f) {
    files.runtime.line();
    files.runtime.line("       INCREASE THE SOIL DEPTH TO GIVE ENOUGH LENGTH FOR");
    files.runtime.line("       COMPUTING THE BASE RESISTANCE- AT LEAST TWO DIAMETER");
  }
  return table;
}

CaseOutput Driver::computeCase(const CaseJob& job, bool firstSoilTip) const {
  CaseOutput out;
  RunFiles& files = out.files;
  files.names = files_.names;
  files.workDir = files_.workDir;
  // A case writes some 10 kB of report, a few kB of settlement listing and little elsewhere.
  files.report.openMemory(16384);
  files.settlementListing.openMemory(8192);
  files.runtime.openMemory(1024);
  files.qwPlot.openMemory(1024);
  files.chart.openMemory(1024);
  for (TextOut* t : {&files.plot, &files.curveListing, &files.tzPlot, &files.loadSettlementPlot, &files.tzDiam})
    t->openMemory();
  out.asFirstSoilTip = firstSoilTip;

  const Real D = job.D, length = job.length;
  const CaseNumbers& numbers = job.numbers;
  const ShaftGeometry shaft = shaftGeometry(D, m_.RATIO, m_.BELANGL);
  out.shaft = shaft;
  const Real BSr = roundToWholeFoot(m_.BS);
  writeCaseHeader(m_, numbers, shaft, BSr, length, EPILEasEntered_, files);
  out.runtimeCaseLines = files.runtime.lineCount();
  CaseResults& found = out.results;
  found.caseNumber = numbers.caseNumber;
  found.lengthIndex = numbers.lengthIndex;
  found.diameterIndex = numbers.diameterIndex;
  found.diameter = u_.length(shaft.D);
  found.baseDiameter = u_.length(shaft.Bb);
  found.length = u_.length(length);

  const std::vector<Layer>& layers = wholeFoot_;
  const Real diameterRatio = m_.DSTART > 0 ? D / m_.DSTART : 1;
  const CaseGround ground{m_, layers, stress_, shaft, diameterRatio, m_.METHOD == 2 ? length : 0};
  const std::shared_ptr<const ShaftProfile> shaftResults = profiles_->of(job.diameterIndex, ground, BSr);
  const std::vector<DepthStep>& steps = shaftResults->steps;
  const CapacityProfile& profile = shaftResults->capacity;
  // The profile reaches its last layer's bottom as entered; the steps end on the whole foot
  // nearest to it, and lengths in between take the values of the last step.
  const Real profileBottom = std::max(static_cast<Real>(steps.size() - 1), m_.layers.back().XBOT);
  TableResult table = writeCapacityTable(files, steps, profile, printedLengths(m_, length, BSr, profileBottom),
                                         length, tipAveragingSteps(shaft.Bb));

  // Messages of the rock models for this case: which of them the report shows depends on the
  // cases before (each kind once in the run), so they are placed when the case is taken up.
  out.rockWarnings = std::move(table.rockWarnings);
  out.reportBeforeRock = files.report.text().size();

  found.rows = std::move(table.rows);
  if (!found.rows.empty()) found.length = found.rows.back()[0];
  if (!table.reached) {
    std::ostringstream console;
    writeNeedAnotherLayer(files, &console);
    out.console = console.str();
    out.status = found.status = kStatusNeedAnotherLayer;
    return out;
  }

  // Load-settlement behaviour of the shaft at its length.
  const Capacity& atLength = table.atLength;
  out.atLength = atLength;
  const Real shaftLength = atLength.length;
  const int tipType = layers[layerIndexAt(layers, shaftLength)].KSOIL;
  SettlementCase sc;
  sc.layers = &layers;
  sc.steps = &steps;
  sc.boundary = shaftResults->boundary;
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
  sc.firstCase = firstSoilTip;
  sc.diametersVary = m_.DIALIM > m_.DSTART + 1e-3f;
  out.curve = std::move(table.curve);
  analyseLoadSettlement(sc, tipType, out);
  if (out.status == 0) out.plotRecords = plotCurveRecords(out.curve);
  found.status = out.status;
  found.socket = out.socket;
  found.settlement = out.curve.settlement;
  return out;
}

void Driver::analyseLoadSettlement(const SettlementCase& sc, int tipType, CaseOutput& out) const {
  RunFiles& files = out.files;
  out.soilTip = soilTip(tipType);
  if (sc.firstCase && m_.PrintTZCurves == 1 && out.soilTip) out.extraStatus = writeExtraTzCurves(m_, files, sc);
  files.report.blankLines(3);
  writeHeading(files.report, "AXIAL LOAD VS SETTLEMENT CURVES", 31);
  if (!out.soilTip) {
    // Rock and geomaterial sockets: one curve (strong rock: two, the lower bound plotted), so the
    // plot file carries no bound blocks.
    SocketSettlementResult socket = runSocketSettlement(m_, files, sc, tipType);
    out.socket = true;
    if (socket.status > 0) {
      out.status = socket.status;
      return;
    }
    out.curve.settlement[0] = std::move(socket.plotPoints);
    out.chartHeadLoadsLb = std::move(socket.chartHeadLoadsLb);
    return;
  }
  SettlementResult settlement = runCaseSettlement(m_, files, sc, out.settlement);
  if (settlement.status > 0) {
    out.status = settlement.status;
    return;
  }
  out.curve.settlement = std::move(settlement.plotPoints);
  out.chartHeadLoadsLb = std::move(settlement.chartHeadLoadsLb);
}

}  // namespace

int runDriver(std::istream& project, RunFiles& files, const RunOptions& options, RunResults* results) {
  RunModel model;
  try {
    model = readProject(project, files);
  } catch (const InputError& error) {
    writeInputError(files, error);
    return kStatusInputError;
  }
  if (results) results->model = model;
  return Driver(std::move(model), files, options, results).run();
}

}  // namespace talmo
