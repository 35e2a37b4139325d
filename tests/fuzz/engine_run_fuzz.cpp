// Any bytes as a project file, analysed by the engine's run entry in a folder of its own: the run
// ends with a run status and readable result files, never in a crash, undefined behaviour, a hang
// or an internal failure, and no report, runtime-notes or plot file holds a number that is not
// finite.
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "talmo/engine.h"

namespace {

namespace fs = std::filesystem;

// One folder for the whole fuzzing process, removed when it ends.
const fs::path& runFolder() {
  static const fs::path folder = [] {
    std::string pattern = (fs::temp_directory_path() / "talmo-engine-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(runFolder(), ec);
    });
    return fs::path(pattern);
  }();
  return folder;
}

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string trimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\r')) s.pop_back();
  return s;
}

// A number that is not finite, as the engine's formatting prints it: a blank-separated token
// "NaN", "Inf" or "-Inf" (or the lower-case forms of the list format). The user's own words are
// skipped: the title line, and the word quoted in a message about the project file.
bool holdsNonFinite(const std::string& text, const std::string& titleLine) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!titleLine.empty() && trimRight(line) == titleLine) continue;
    // A quoted word of the file, which may itself hold quotes: from the first quote to the last.
    const auto open = line.find('"'), close = line.rfind('"');
    if (open != std::string::npos && close > open) line.erase(open, close - open + 1);
    std::string token;
    auto bad = [&] {
      std::string t;
      for (char c : token) t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      return t == "nan" || t == "inf" || t == "-inf" || t == "-nan";
    };
    for (char c : line + " ") {
      if (c == ' ' || c == '=' || c == '(' || c == ')') {
        if (bad()) return true;
        token.clear();
      } else {
        token += c;
      }
    }
  }
  return false;
}

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "engine_run_fuzz: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace talmo;
  const fs::path project = runFolder() / "fuzz.tm8d";
  {
    std::ofstream out(project, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  const RunNames names = namesForProject(project);
  RunOptions options;
  options.workDir = runFolder();
  options.clock = [] { return LocalTime{2026, 12, 10, 9, 5, 7}; };
  options.removeTemporaries = true;
  const int status = runAnalysis(names, options);
  // The report and the curve listing print the title as 5 blanks and its first 72 characters.
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::string title = input.substr(0, input.find('\n'));
  if (!title.empty() && title.back() == '\r') title.pop_back();
  title.resize(72, ' ');
  const std::string titleLine = trimRight("     " + title);

  require(status == kStatusCompleted || status == kStatusStrengthCurveDepth || status == kStatusStrengthCurveValue ||
              status == kStatusTransferLimit || status == kStatusNeedAnotherLayer || status == kStatusInputError,
          "unexpected run status");
  const std::string report = readFile(names.report);
  const std::string runtime = readFile(names.runtime);
  require(!report.empty(), "empty report");
  if (status != kStatusCompleted) require(!runtime.empty(), "a non-zero status without runtime notes");
  require(!holdsNonFinite(report, titleLine), "a number that is not finite in the report");
  require(!holdsNonFinite(runtime, titleLine), "a number that is not finite in the runtime notes");
  require(!holdsNonFinite(readFile(names.plot), titleLine), "a number that is not finite in the plot file");
  return 0;
}
