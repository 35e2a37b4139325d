#include "EngineRun.h"

#include <fstream>

namespace talmo {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kEngineNameWidth = 255;
const char* const kResultExtensions[] = {".tm8o", ".tm8p", ".tm8r", ".tm8z",
                                         ".tm8w", ".tm8t", ".tm8q", ".tm8l"};
const char* const kTemporaryExtensions[] = {".tm8w", ".tm8t", ".tm8q", ".tm8l"};

using ItalmoEntry = int (*)(int);

std::string engineName(const fs::path& file) {
  const std::string full = file.string();
  return full.size() <= kEngineNameWidth ? full : file.filename().string();
}

void removeIfExists(const fs::path& file) {
  std::error_code ec;
  fs::remove(file, ec);
}

}  // namespace

fs::path ChangeFileExt(const fs::path& file, const std::string& extension) {
  fs::path changed = file;
  changed.replace_extension(extension);
  return changed;
}

void WriteNamesFile(const fs::path& folder, const fs::path& project) {
  std::ofstream out(folder / "names.dat", std::ios::binary | std::ios::trunc);
  out << kProgramVersion << "\r\n" << engineName(project) << "\r\n";
  for (const char* extension : kResultExtensions) out << engineName(ChangeFileExt(project, extension)) << "\r\n";
}

fs::path FindEngineLibrary(const fs::path& programFolder) {
  const fs::path candidates[] = {programFolder / kEngineLibraryName,
                                 programFolder / ".." / "engine" / kEngineLibraryName,
                                 programFolder / ".." / "lib" / "talmo" / kEngineLibraryName};
  std::error_code ec;
  for (const fs::path& candidate : candidates)
    if (fs::is_regular_file(candidate, ec)) return candidate.lexically_normal();
  return candidates[0];
}

TEngineRunResult TEngineRunner::Run(const fs::path& project, const fs::path& libraryPath,
                                    const std::function<void(bool)>& busy) {
  TEngineRunResult result;
  const fs::path folder = project.parent_path();
  NumericLocaleGuard decimalPoint;
  fs::current_path(folder);
  WriteNamesFile(folder, project);

  if (library_) {
    result.message = "Attempt to reinitialize DLL";
    return result;
  }
  ItalmoEntry italmo = nullptr;
  try {
    library_ = std::make_unique<TDynamicLibrary>(libraryPath.string(), true);
    italmo = reinterpret_cast<ItalmoEntry>(library_->FindProcedure("ITALMO"));
  } catch (const EDLLError&) {
    italmo = nullptr;
  }
  if (italmo == nullptr) {
    library_.reset();
    removeIfExists(folder / "names.dat");
    result.message = "Attempt to initialize DLL failed";
    return result;
  }

  if (busy) busy(true);
  result.status = italmo(7);
  if (busy) busy(false);
  result.ran = true;
  result.message = result.status == 0
                       ? "Computations are completed.\rPlease, check output file for results or error messages."
                       : "Computations are completed, but there may be errors.\rPlease, check output file for "
                         "results or error messages.";

  // The engine has merged its intermediate files into the report; only the results stay.
  removeIfExists(folder / "TZDIAM.DAT");
  for (const char* extension : kTemporaryExtensions) removeIfExists(ChangeFileExt(project, extension));
  library_.reset();
  removeIfExists(folder / "names.dat");
  fs::current_path(folder);
  return result;
}

}  // namespace talmo
