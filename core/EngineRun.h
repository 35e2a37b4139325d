#pragma once
// One analysis through the engine library: the project (already saved) is handed to the
// engine through names.dat in the project's folder, the library is loaded for this one call
// and unloaded after it, and the engine's intermediate files are deleted. Nothing but files
// passes between the program and the engine.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "DynamicLibrary.h"
#include "NumericLocale.h"

namespace talmo {

// The library's file name and the version line of names.dat.
inline constexpr const char* kEngineLibraryName = "libTalmo2017_DLL.so";
inline constexpr const char* kProgramVersion = "2017.8.7";

// Path with its extension replaced (`extension` includes the dot).
std::filesystem::path ChangeFileExt(const std::filesystem::path& file, const std::string& extension);

// Writes names.dat into `folder`: the version, the project file and its report, plot, runtime,
// curve-listing and four temporary files, one per line with CR LF ends. A path longer than
// the engine's 255-character names is written without its folder (the engine runs in the
// project's folder, so the bare name finds the same file).
void WriteNamesFile(const std::filesystem::path& folder, const std::filesystem::path& project);

// Where the engine library is looked for: beside the program, then in the build tree
// (../engine) and in the program's private library folder when installed (../lib/talmo, so
// /usr/lib/talmo for /usr/bin/wintalmo). Returns the first that exists, else the path beside
// the program (whose absence the run reports).
std::filesystem::path FindEngineLibrary(const std::filesystem::path& programFolder);

// What the user is told after a run request.
struct TEngineRunResult {
  bool ran = false;     // the engine was called (results may be loaded)
  int status = 0;       // the engine's run status when it ran
  std::string message;  // text of the information box ("\r" separates lines)
};

class TEngineRunner {
 public:
  // Runs the project file (full path) through the library at `libraryPath`. `busy` is called
  // with true just before the engine call and false just after it (busy cursor). The current
  // directory is the project's folder afterwards.
  TEngineRunResult Run(const std::filesystem::path& project, const std::filesystem::path& libraryPath,
                       const std::function<void(bool)>& busy = {});

 private:
  // The one engine library of the program; it exists only during a run.
  std::unique_ptr<TDynamicLibrary> library_;
};

}  // namespace talmo
