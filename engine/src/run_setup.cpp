#include "run_setup.h"

#include <ctime>
#include <exception>
#include <fstream>
#include <system_error>

#include "driver.h"
#include "folder_lock.h"
#include "fixed_format.h"
#include "json_results.h"
#include "report_first_lines.h"
#include "run_files.h"

namespace talmo {
namespace {

constexpr std::size_t kVersionWidth = 12;
constexpr std::size_t kNameWidth = 255;

std::string stripLineEnd(std::string s) {
  if (!s.empty() && s.back() == '\r') s.pop_back();
  return s;
}

// A name is at most 255 characters; trailing blanks are not part of it.
std::string fileNameFrom(std::string line) {
  line = stripLineEnd(std::move(line)).substr(0, kNameWidth);
  const auto last = line.find_last_not_of(" \t");
  return last == std::string::npos ? std::string() : line.substr(0, last + 1);
}

std::string twoDigits(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}

const std::string kEqualsLine = "     " + std::string(73, '=');
const std::string kHyphenLine = "     " + std::string(73, '-');

// Splits a path into folder (with its trailing separator) and file name with extension.
std::pair<std::string, std::string> splitFolderAndName(const std::string& name) {
  const auto slash = name.find_last_of("/\\");
  if (slash == std::string::npos) return {"", name};
  return {name.substr(0, slash + 1), name.substr(slash + 1)};
}

void writeLines(TextOut& out, const std::vector<std::string>& lines) {
  for (const auto& l : lines) out.line(l);
}

std::string trimRight(const std::string& s) {
  const auto last = s.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

}  // namespace

LocalTime systemLocalTime() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

NamesFileContent readNamesFile(std::istream& in) {
  NamesFileContent content;
  std::string line;
  if (!std::getline(in, line)) return content;
  content.names.version = fmt::padRight(stripLineEnd(line), kVersionWidth);
  std::string* targets[] = {&content.names.project,      &content.names.report,
                            &content.names.plot,         &content.names.runtime,
                            &content.names.curveListing, &content.names.settlementListing,
                            &content.names.tzPlot,       &content.names.qwPlot,
                            &content.names.loadSettlementPlot};
  for (auto* target : targets) {
    if (!std::getline(in, line)) break;
    *target = fileNameFrom(line);
    ++content.fileNamesRead;
  }
  return content;
}

void promptForNames(std::istream& in, std::ostream& out, RunNames& names) {
  struct Prompt {
    const char* text;
    int emptyLinesBefore;
    std::string* target;
  };
  const Prompt prompts[] = {
      {"ENTER THE NAME FOR THE INPUT FILE", 1, &names.project},
      {"ENTER A NAME FOR THE OUTPUT FILE:", 1, &names.report},
      {"ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.", 2, &names.plot},
  };
  for (const auto& p : prompts) {
    for (int i = 0; i < p.emptyLinesBefore; ++i) out << '\n';
    out << "       " << p.text << '\n' << " ENTER >" << '\n' << std::flush;
    std::string line;
    if (std::getline(in, line)) *p.target = fileNameFrom(line);
  }
}

std::vector<std::string> headerBlock(const std::string& version) {
  const std::string indent(20, ' ');
  return {kEqualsLine,
          "",
          indent + "  Talmo for Windows, Version " + fmt::padRight(version, kVersionWidth),
          "",
          indent + "VERTICALLY LOADED DRILLED SHAFT ANALYSIS",
          "",
          kEqualsLine,
          "",
          ""};
}

std::vector<std::string> fileBlock(const RunNames& names) {
  const auto project = splitFolderAndName(names.project);
  auto nameOf = [](const std::string& n) { return trimRight(splitFolderAndName(n).second); };
  return {"     Path to file locations      : " + trimRight(project.first),
          "     Name of input data file     : " + nameOf(names.project),
          "     Name of output file         : " + nameOf(names.report),
          "     Name of plot output file    : " + nameOf(names.plot),
          "     Name of runtime file        : " + nameOf(names.runtime),
          "",
          ""};
}

std::vector<std::string> dateBlock(const LocalTime& now) {
  static constexpr const char* kMonths[] = {"January", "February", "March",     "April",
                                            "May",     "June",     "July",      "August",
                                            "September", "October", "November", "December"};
  const int month = (now.month >= 1 && now.month <= 12) ? now.month : 1;
  return {kHyphenLine,
          std::string(26, ' ') + "Time and Date of Analysis",
          kHyphenLine,
          "",
          std::string(15, ' ') + "Date:  " + kMonths[month - 1] + " " + twoDigits(now.day) + ", " +
              std::to_string(now.year) + "     Time:  " + twoDigits(now.hour) + ":" +
              twoDigits(now.minute) + ":" + twoDigits(now.second),
          ""};
}

namespace {

// A result file that cannot be created stops the run before any computation: the framed error
// block names it and the reason, in whichever of the report and the runtime notes could be
// opened, so that the user who opens either finds the explanation.
struct UnwritableFile {
  std::string name;
  std::string reason;
};

void writeOutputError(RunFiles& files, const std::vector<UnwritableFile>& unwritable) {
  std::vector<std::string> lines;
  for (const auto& u : unwritable) {
    lines.push_back("THE RESULT FILE CANNOT BE CREATED:");
    lines.push_back("  " + u.name);
    lines.push_back("  (" + u.reason + ")");
  }
  lines.push_back("THE ANALYSIS WAS STOPPED; NO RESULTS WERE COMPUTED.");
  writeErrorBlock(files, lines);
}

// The temporaries merged into the plot file and the curve listing.
void removeTemporaries(const RunFiles& files) {
  std::error_code ec;
  for (const auto& n : {files.names.settlementListing, files.names.tzPlot, files.names.qwPlot,
                        files.names.loadSettlementPlot})
    if (!n.empty()) std::filesystem::remove(n, ec);
  std::filesystem::remove(files.tzDiamPath(), ec);
}

// One run, with the folder already locked.
int runInLockedFolder(const RunNames& names, const RunOptions& options) {
  RunFiles files;
  files.names = names;
  files.workDir = options.workDir;
  files.names.version = fmt::padRight(names.version, kVersionWidth);

  files.chart.open(files.chartPath());
  files.tzDiam.open(files.tzDiamPath());
  // The plot file takes TZDIAM.DAT's records from this run's own copy.
  files.tzDiam.keepRecords();

  // The output files in the order of their channels; each replaces an earlier run's content.
  std::ifstream project;
  if (!names.project.empty()) project.open(names.project, std::ios::binary);
  // A named output that cannot be created would lose results silently: the run stops.
  std::vector<UnwritableFile> unwritable;
  const std::pair<TextOut*, const std::string*> outputs[] = {
      {&files.report, &names.report},
      {&files.plot, &names.plot},
      {&files.runtime, &names.runtime},
      {&files.curveListing, &names.curveListing},
      {&files.settlementListing, &names.settlementListing},
      {&files.tzPlot, &names.tzPlot},
      {&files.qwPlot, &names.qwPlot},
      {&files.loadSettlementPlot, &names.loadSettlementPlot}};
  for (const auto& [out, name] : outputs)
    if (!out->open(*name) && !name->empty()) unwritable.push_back({*name, out->openError()});
  if (!files.chart.isOpen()) unwritable.push_back({files.chartPath().string(), files.chart.openError()});
  if (!files.tzDiam.isOpen()) unwritable.push_back({files.tzDiamPath().string(), files.tzDiam.openError()});
  std::ofstream json;
  if (!options.jsonResults.empty()) {
    json.open(options.jsonResults, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!json) unwritable.push_back({options.jsonResults.string(), "the file could not be opened for writing"});
  }
  if (!unwritable.empty()) {
    if (options.consoleOut)
      for (const auto& u : unwritable)
        *options.consoleOut << "Cannot write the file " << u.name << " (" << u.reason << ")\n";
    writeOutputError(files, unwritable);
    if (options.removeTemporaries) removeTemporaries(files);
    return kStatusOutputError;
  }

  const auto header = headerBlock(files.names.version);
  writeLines(files.report, header);
  writeLines(files.curveListing, header);
  writeLines(files.report, fileBlock(files.names));
  const auto date = dateBlock(options.clock ? options.clock() : systemLocalTime());
  writeLines(files.report, date);
  writeLines(files.curveListing, date);

  RunResults results;
  if (json.is_open()) files.runtime.keepCopy(&results.runtimeLines);
  int status = kStatusCompleted;
  if (!project.is_open()) {
    writeInputError(files, InputError{0, 0, "THE PROJECT FILE CANNOT BE OPENED: " + names.project});
    if (options.consoleOut) *options.consoleOut << "Cannot open the project file " << names.project << '\n';
    status = kStatusInputError;
  } else {
    try {
      status = runDriver(project, files, options, json.is_open() ? &results : nullptr);
    } catch (const std::exception& e) {
      // Nothing may end a run without an explanation in its files.
      writeErrorBlock(files, {"THE ANALYSIS STOPPED BECAUSE OF AN INTERNAL FAILURE:", std::string("  ") + e.what(),
                              "THE RESULTS OF THIS RUN ARE INCOMPLETE."});
      status = kStatusInternalFailure;
    }
  }

  // Close the temporaries, append them to their final files, close everything.
  files.settlementListing.close();
  files.tzPlot.close();
  files.qwPlot.close();
  files.loadSettlementPlot.close();
  files.tzDiam.close();
  constexpr std::size_t kRecordWidth = 80;
  files.curveListing.appendFileFixedWidth(names.settlementListing, kRecordWidth);
  files.plot.appendFileFixedWidth(names.tzPlot, kRecordWidth);
  files.plot.appendRecordsFixedWidth(files.tzDiam.records(), kRecordWidth);
  files.plot.appendFileFixedWidth(names.qwPlot, kRecordWidth);
  files.plot.appendFileFixedWidth(names.loadSettlementPlot, kRecordWidth);
  if (json.is_open()) writeJsonResults(json, files.names, status, results);
  if (options.removeTemporaries) removeTemporaries(files);
  return status;
}

}  // namespace

int runAnalysis(const RunNames& names, const RunOptions& options) {
  const FolderLock lock(options.workDir);
  return runInLockedFolder(names, options);
}

int runFromNamesFile(const RunOptions& options) {
  if (options.consoleOut) {
    *options.consoleOut << "Talmo: vertically loaded drilled shaft analysis\n";
  }
  // names.dat is the run's first file: the folder is locked before it is read.
  const FolderLock lock(options.workDir);
  std::ifstream namesFile(options.workDir / "names.dat", std::ios::binary);
  NamesFileContent content = readNamesFile(namesFile);
  namesFile.close();
  if (content.fileNamesRead < 9 && options.consoleIn && options.consoleOut) {
    promptForNames(*options.consoleIn, *options.consoleOut, content.names);
  }
  // Relative names in names.dat are relative to the run's folder.
  auto anchor = [&](std::string& n) {
    if (!n.empty() && std::filesystem::path(n).is_relative()) n = (options.workDir / n).string();
  };
  if (options.workDir != "." && !options.workDir.empty()) {
    for (auto* n : {&content.names.project, &content.names.report, &content.names.plot,
                    &content.names.runtime, &content.names.curveListing,
                    &content.names.settlementListing, &content.names.tzPlot,
                    &content.names.qwPlot, &content.names.loadSettlementPlot})
      anchor(*n);
  }
  return runInLockedFolder(content.names, options);
}

const char* statusMeaning(int status) {
  switch (status) {
    case kStatusCompleted: return "completed";
    case kStatusStrengthCurveDepth: return "a depth lies beyond the extent of the input strength curve";
    case kStatusStrengthCurveValue: return "a value lies beyond the extent of the input strength curve";
    case kStatusTransferLimit: return "a value lies beyond the input maximum load transfer";
    case kStatusNeedAnotherLayer: return "NEED ANOTHER SOIL LAYER";
    case kStatusInputError: return "the project file could not be read";
    case kStatusOutputError: return "a result file could not be created";
    default: return "an unexpected failure inside the engine";
  }
}

RunNames namesForProject(const std::filesystem::path& project) {
  auto with = [&](const char* ext) {
    auto p = project;
    p.replace_extension(ext);
    return p.string();
  };
  RunNames n;
  n.version = "2017.8.7";
  n.project = project.string();
  n.report = with(".tm8o");
  n.plot = with(".tm8p");
  n.runtime = with(".tm8r");
  n.curveListing = with(".tm8z");
  n.settlementListing = with(".tm8w");
  n.tzPlot = with(".tm8t");
  n.qwPlot = with(".tm8q");
  n.loadSettlementPlot = with(".tm8l");
  return n;
}

}  // namespace talmo
