#pragma once
// Small helpers shared by the engine tests: a temporary folder, whole-file reading and a pinned
// clock.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "talmo/engine.h"

namespace talmo::test {

class TempDir {
 public:
  TempDir() {
    std::random_device rd;
    path_ = std::filesystem::temp_directory_path() / ("talmo-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline std::string readFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

inline std::vector<std::string> readLines(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::vector<std::string> lines;
  std::string l;
  while (std::getline(in, l)) lines.push_back(l);
  return lines;
}

// The report, plot file, runtime notes and curve listing of a project by extension, less the
// lines holding any of `skipped` (such as the run's clock, which differs from run to run).
inline std::map<std::string, std::string> resultFiles(std::filesystem::path project,
                                                      std::initializer_list<std::string_view> skipped) {
  std::map<std::string, std::string> out;
  for (const char* ext : {".tm8o", ".tm8p", ".tm8r", ".tm8z"}) {
    std::string& text = out[ext];
    for (const auto& l : readLines(project.replace_extension(ext))) {
      const auto holds = [&l](std::string_view s) { return l.find(s) != std::string::npos; };
      if (std::none_of(skipped.begin(), skipped.end(), holds)) text += l + "\n";
    }
  }
  return out;
}

inline void writeFile(const std::filesystem::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

inline LocalTime pinnedTime() { return {2026, 12, 10, 9, 5, 7}; }

// Runs the project text in a fresh folder with the pinned clock; returns the run status.
inline int runProjectText(const TempDir& dir, const std::string& projectText) {
  writeFile(dir / "p.tm8d", projectText);
  RunOptions options;
  options.workDir = dir.path();
  options.clock = pinnedTime;
  return runAnalysis(namesForProject(dir / "p.tm8d"), options);
}

}  // namespace talmo::test
