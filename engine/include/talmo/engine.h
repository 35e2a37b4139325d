#pragma once
// Public interface of the Talmo analysis engine.
//
// One call of runAnalysis() is one complete run: it reads the project file, writes the report,
// the plot file, the runtime notes, the curve listing and the side files, merges the temporary
// files and returns the run status. Runs share no state. A run holds an exclusive lock on the
// file TALMO.LCK in its folder (options.workDir) from its first to its last file operation, so
// runs in one folder, in one process or several, take turns, and runs in different folders go
// on in parallel.
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>

namespace talmo {

// Run statuses returned by a run.
inline constexpr int kStatusCompleted = 0;
inline constexpr int kStatusStrengthCurveDepth = 2;   // a depth beyond the strength curve
inline constexpr int kStatusStrengthCurveValue = 4;   // a value beyond the strength curve
inline constexpr int kStatusTransferLimit = 5;        // beyond the maximum load transfer
inline constexpr int kStatusNeedAnotherLayer = 7;     // the profile cannot carry the design load
inline constexpr int kStatusInputError = 9;           // the project file could not be read or used
inline constexpr int kStatusOutputError = 10;         // a result file could not be created
inline constexpr int kStatusInternalFailure = 99;     // an unexpected failure inside the engine

// A short text saying what a run status means ("completed", "NEED ANOTHER SOIL LAYER", ...).
const char* statusMeaning(int status);

struct LocalTime {
  int year = 2000, month = 1, day = 1;  // month 1..12
  int hour = 0, minute = 0, second = 0;
};
using Clock = std::function<LocalTime()>;
LocalTime systemLocalTime();

// The files of a run, as the ten lines of names.dat give them.
struct RunNames {
  std::string version;            // version text of the calling program, 12 characters
  std::string project;            // .tm8d, read
  std::string report;             // .tm8o
  std::string plot;               // .tm8p
  std::string runtime;            // .tm8r
  std::string curveListing;       // .tm8z
  std::string settlementListing;  // .tm8w, merged into the curve listing
  std::string tzPlot;             // .tm8t, merged into the plot file
  std::string qwPlot;             // .tm8q, merged into the plot file
  std::string loadSettlementPlot; // .tm8l, merged into the plot file
};

struct RunOptions {
  // Folder of the side files CHART.DAT, TZDIAM.DAT, TZDATA.DAT and ROCKMSG.DAT (and of
  // names.dat for runFromNamesFile).
  std::filesystem::path workDir = ".";
  Clock clock = systemLocalTime;
  // Console for the banner and the fall-back prompts; null means no console.
  std::istream* consoleIn = nullptr;
  std::ostream* consoleOut = nullptr;
  // When not empty, the run also writes its results as JSON to this file (docs/json-results.md).
  std::filesystem::path jsonResults;
  // Threads that compute the cases of the run (0: one per core). Every file is the same
  // whatever the count: the cases are written in their order.
  int caseThreads = 0;
  // Remove the merged temporaries (the settlement listing, t-z, q-w and load-settlement plot
  // files and TZDIAM.DAT) at the end of the run, while the folder is still locked.
  bool removeTemporaries = false;
};

// Analyses the project named in `names` and returns the run status.
int runAnalysis(const RunNames& names, const RunOptions& options);

// Reads names.dat in options.workDir (prompting on the console for the first three names when
// it cannot be read) and analyses the project it names. Returns the run status.
int runFromNamesFile(const RunOptions& options);

// Names of the result files the interactive program gives a project: the project's path with
// its extension replaced, version text "2017.8.7".
RunNames namesForProject(const std::filesystem::path& project);

}  // namespace talmo
