#include "batch.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

namespace talmo::cli {
namespace {

namespace fs = std::filesystem;

bool isProjectFile(const fs::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == ".tm8d";
}

std::string readProblem(const fs::path& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return "is a folder";
  std::ifstream probe(path, std::ios::binary);
  if (!probe) return "cannot read project file";
  return {};
}

}  // namespace

fs::path jsonPathFor(const fs::path& project) {
  fs::path p = project;
  return p.replace_extension(".json");
}

std::vector<Project> collectProjects(const std::vector<std::string>& arguments) {
  std::vector<Project> projects;
  std::set<fs::path> seen;
  auto add = [&](const std::string& shown, const fs::path& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec).lexically_normal();
    const fs::path key = fs::weakly_canonical(absolute, ec);
    if (!seen.insert(ec ? absolute : key).second) return;
    projects.push_back({shown, absolute, readProblem(absolute)});
  };
  for (const auto& argument : arguments) {
    std::error_code ec;
    if (!fs::is_directory(argument, ec)) {
      add(argument, argument);
      continue;
    }
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(argument, ec))
      if (isProjectFile(entry.path()) && !entry.is_directory(ec)) files.push_back(entry.path());
    if (files.empty()) {
      projects.push_back({argument, fs::absolute(argument, ec), "folder holds no project file (*.tm8d)"});
      continue;
    }
    std::sort(files.begin(), files.end());
    for (const auto& f : files) add((fs::path(argument) / f.filename()).string(), f);
  }
  return projects;
}

int analyseOne(const fs::path& project, bool json, int caseThreads, std::ostream& console, RunNames& names) {
  names = namesForProject(project);
  RunOptions options;
  options.caseThreads = caseThreads;
  options.workDir = project.parent_path();
  options.consoleOut = &console;  // names any result file that cannot be created
  if (json) options.jsonResults = jsonPathFor(project);
  options.removeTemporaries = true;  // by the engine, while it holds the folder
  return runAnalysis(names, options);
}

void runProjects(const std::vector<Project>& projects, int jobs, bool json,
                 const std::function<void(const Outcome&)>& finished) {
  std::mutex reporting;
  // Runnable projects grouped by folder, groups in the order of their first project.
  std::vector<std::vector<const Project*>> groups;
  std::map<fs::path, std::size_t> groupOf;
  for (const Project& p : projects) {
    if (!p.problem.empty()) {
      finished({&p, kStatusInputError, {}, {}});
      continue;
    }
    std::error_code ec;
    fs::path folder = fs::weakly_canonical(p.path.parent_path(), ec);
    if (ec) folder = p.path.parent_path();
    const auto [it, added] = groupOf.emplace(folder, groups.size());
    if (added) groups.emplace_back();
    groups[it->second].push_back(&p);
  }

  const std::size_t threads = std::min<std::size_t>(static_cast<std::size_t>(std::max(1, jobs)), groups.size());
  const int caseThreads = std::max(1, jobs / static_cast<int>(std::max<std::size_t>(threads, 1)));
  std::atomic<std::size_t> next{0};
  auto worker = [&] {
    for (std::size_t g; (g = next++) < groups.size();) {
      for (const Project* p : groups[g]) {
        Outcome outcome;
        outcome.project = p;
        std::ostringstream console;
        try {
          outcome.status = analyseOne(p->path, json, caseThreads, console, outcome.names);
        } catch (...) {
          outcome.status = kStatusInternalFailure;
        }
        outcome.console = console.str();
        const std::lock_guard lock(reporting);
        finished(outcome);
      }
    }
  };
  std::vector<std::thread> pool;
  for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (auto& t : pool) t.join();
}

}  // namespace talmo::cli
