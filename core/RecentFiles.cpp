#include "RecentFiles.h"

#include <algorithm>
#include <filesystem>

namespace talmo {

void TRecentFiles::Record(const std::string& file) {
  auto found = std::find(entries_.begin(), entries_.end(), file);
  if (found == entries_.begin()) return;
  if (found == entries_.end()) found = entries_.end() - 1;  // the tenth entry drops out
  std::move_backward(entries_.begin(), found, found + 1);
  entries_[0] = file;
}

int TRecentFiles::Count() const {
  return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [](const std::string& e) { return !e.empty(); }));
}

std::array<std::string, TRecentFiles::kCapacity> TRecentFiles::Compacted() const {
  std::array<std::string, kCapacity> result{};
  std::copy_if(entries_.begin(), entries_.end(), result.begin(), [](const std::string& e) { return !e.empty(); });
  return result;
}

std::string TRecentFiles::DisplayPath(const std::string& file, const std::string& currentDir) {
  namespace fs = std::filesystem;
  if (currentDir.empty()) return file;
  const fs::path relative = fs::path(file).lexically_relative(fs::path(currentDir));
  if (relative.empty() || *relative.begin() == "..") return file;
  return relative.string();
}

}  // namespace talmo
