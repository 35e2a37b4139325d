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

// A word "nan", "inf" or "infinity" in any case: a number that is not finite, as the engine's
// formatting prints it.
bool holdsNonFinite(const std::string& text) {
  std::string word;
  auto isBad = [](const std::string& w) { return w == "nan" || w == "inf" || w == "infinity"; };
  for (char c : text) {
    if (std::isalpha(static_cast<unsigned char>(c))) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    } else {
      if (isBad(word)) return true;
      word.clear();
    }
  }
  return isBad(word);
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

  require(status == kStatusCompleted || status == kStatusStrengthCurveDepth || status == kStatusStrengthCurveValue ||
              status == kStatusTransferLimit || status == kStatusNeedAnotherLayer || status == kStatusInputError,
          "unexpected run status");
  const std::string report = readFile(names.report);
  const std::string runtime = readFile(names.runtime);
  require(!report.empty(), "empty report");
  if (status != kStatusCompleted) require(!runtime.empty(), "a non-zero status without runtime notes");
  require(!holdsNonFinite(report), "a number that is not finite in the report");
  require(!holdsNonFinite(runtime), "a number that is not finite in the runtime notes");
  require(!holdsNonFinite(readFile(names.plot)), "a number that is not finite in the plot file");
  return 0;
}
