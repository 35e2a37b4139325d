#pragma once
// Many projects in one command: the project list from the arguments (a folder stands for its
// project files) and their runs on worker threads. Runs of projects in one folder share the
// folder's side files (CHART.DAT, TZDATA.DAT, TZDIAM.DAT, ROCKMSG.DAT): the engine's folder
// lock serialises them, and they are given to one worker, in the order given, so that no worker
// waits on another; folders run in parallel.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "talmo/engine.h"

namespace talmo::cli {

struct Project {
  std::string shownName;           // as the user named it (folder/file for a folder's files)
  std::filesystem::path path;      // absolute
  std::string problem;             // why it cannot be analysed; empty when it can
};

// Projects named by the arguments, in order; a folder gives its *.tm8d files sorted by name
// (the extension in any letter case). A file named twice is analysed once. A missing or
// unreadable file, or a folder without project files, becomes a Project with a problem.
std::vector<Project> collectProjects(const std::vector<std::string>& arguments);

struct Outcome {
  const Project* project = nullptr;
  int status = kStatusCompleted;   // run status; meaningless when the project has a problem
  std::string console;             // what the engine said on its console during the run
  RunNames names;
};

// Analyses every project without a problem on `jobs` threads and calls `finished` (on one
// thread at a time) as each run ends; projects with a problem are reported at once. Threads
// that no folder needs compute the cases of the runs.
void runProjects(const std::vector<Project>& projects, int jobs, bool json,
                 const std::function<void(const Outcome&)>& finished);

// Names of the JSON results of a project: beside it, extension .json.
std::filesystem::path jsonPathFor(const std::filesystem::path& project);

// Runs a single project the way the command always has, its cases on `caseThreads` threads;
// the temporaries are removed after.
int analyseOne(const std::filesystem::path& project, bool json, int caseThreads, std::ostream& console,
               RunNames& names);

}  // namespace talmo::cli
