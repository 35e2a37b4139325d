#include "Manuals.h"

namespace talmo {

namespace fs = std::filesystem;

fs::path FindManual(const fs::path& programFolder, const char* fileName) {
  const fs::path installed = (programFolder / ".." / "share" / "doc" / "talmo" / fileName).lexically_normal();
  const fs::path candidates[] = {programFolder / fileName, installed};
  std::error_code ec;
  for (const fs::path& candidate : candidates)
    if (fs::is_regular_file(candidate, ec)) return candidate.lexically_normal();
  return installed;
}

}  // namespace talmo
