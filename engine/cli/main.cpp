// talmo: analyses drilled-shaft projects without the interactive program.
//
//   talmo run [-j N] [--json] PROJECT.tm8d|FOLDER ...     (or without "run")
//   talmo export PROJECT.tm8d [-o FILE.xlsx] [--no-markers]
//
// Writes the report (.tm8o), plot file (.tm8p), runtime notes (.tm8r) and curve listing (.tm8z)
// beside each project, and the side files CHART.DAT and TZDATA.DAT in the project's folder.
#include <unistd.h>

#include <charconv>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "batch.h"
#include "export_command.h"
#include "talmo/engine.h"

namespace {

constexpr const char* kVersion = "2017.8.7";

constexpr int kExitCompleted = 0;
constexpr int kExitWithErrors = 1;  // a run ended with a non-zero run status
constexpr int kExitUsage = 2;       // bad command line, missing or unreadable project file

void printHelp(std::ostream& out) {
  out << "Usage: talmo run [-j N] [--json] PROJECT.tm8d|FOLDER ...\n"
         "       talmo PROJECT.tm8d ...\n"
         "       talmo export PROJECT.tm8d [-o FILE.xlsx] [--no-markers]\n"
         "       talmo --help | --version\n"
         "\n"
         "Analyses vertically loaded drilled shaft projects and writes, beside each project,\n"
         "the report (.tm8o), the plot file (.tm8p), the runtime notes (.tm8r) and the curve\n"
         "listing (.tm8z); CHART.DAT and TZDATA.DAT go to the project's folder. A folder stands\n"
         "for its *.tm8d files.\n"
         "\n"
         "  -j N, --jobs N   analyse on N threads (default: the number of cores):\n"
         "                   projects of different folders, and the cases of a project;\n"
         "                   projects in one folder are analysed one after the other\n"
         "  --json           also write the results as NAME.json beside each project\n"
         "\n"
         "Exit status: 0 when every run completed, 1 when a run ended with a non-zero run\n"
         "status (there may be errors: see the report and the runtime notes), 2 for a bad\n"
         "command line, a project file that cannot be read, or result files that cannot be\n"
         "written.\n";
}

struct CommandLine {
  std::vector<std::string> projects;
  int jobs = 0;
  bool json = false;
  bool ok = true;
};

bool parseJobs(const std::string& text, int& jobs) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), jobs);
  return ec == std::errc() && end == text.data() + text.size() && jobs >= 1;
}

CommandLine parse(std::vector<std::string> args) {
  CommandLine c;
  if (!args.empty() && args[0] == "run") args.erase(args.begin());
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      c.json = true;
    } else if (a == "-j" || a == "--jobs") {
      if (++i >= args.size() || !parseJobs(args[i], c.jobs)) c.ok = false;
    } else if (a.rfind("-j", 0) == 0 && a.size() > 2) {
      if (!parseJobs(a.substr(2), c.jobs)) c.ok = false;
    } else if (a.rfind("--jobs=", 0) == 0) {
      if (!parseJobs(a.substr(7), c.jobs)) c.ok = false;
    } else if (a.size() > 1 && a[0] == '-') {
      c.ok = false;
    } else {
      c.projects.push_back(a);
    }
  }
  if (c.projects.empty()) c.ok = false;
  if (c.jobs == 0) c.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return c;
}

// The one-project form, as the command has always answered.
int analyseSingle(const std::string& argument, int jobs, bool json) {
  const auto projects = talmo::cli::collectProjects({argument});
  const auto& project = projects.front();
  if (!project.problem.empty()) {
    std::cerr << "talmo: cannot read project file " << argument << '\n';
    return kExitUsage;
  }
  talmo::RunNames names;
  const int status = talmo::cli::analyseOne(project.path, json, jobs, std::cerr, names);
  if (status == talmo::kStatusOutputError) {
    std::cerr << "talmo: the results could not be written beside " << project.path.string() << '\n';
    return kExitUsage;
  }
  std::cout << (status == talmo::kStatusCompleted ? "Computations are completed."
                                                  : "Computations are completed, but there may be errors.")
            << '\n'
            << "Report:        " << names.report << '\n'
            << "Runtime notes: " << names.runtime << '\n';
  if (json) std::cout << "JSON results:  " << talmo::cli::jsonPathFor(project.path).string() << '\n';
  return status == talmo::kStatusCompleted ? kExitCompleted : kExitWithErrors;
}

// Several projects: one line per project as it finishes, "[k/N] " before it on a terminal.
int analyseMany(const std::vector<std::string>& arguments, int jobs, bool json) {
  const auto projects = talmo::cli::collectProjects(arguments);
  const bool terminal = isatty(STDOUT_FILENO) == 1;
  std::size_t done = 0;
  int exitCode = kExitCompleted;
  talmo::cli::runProjects(projects, jobs, json, [&](const talmo::cli::Outcome& o) {
    ++done;
    std::cerr << o.console;
    if (terminal) std::cout << '[' << done << '/' << projects.size() << "] ";
    std::cout << o.project->shownName << "  ";
    if (!o.project->problem.empty() || o.status == talmo::kStatusOutputError) {
      std::cout << (o.project->problem.empty() ? "the results could not be written" : o.project->problem) << '\n';
      exitCode = kExitUsage;
    } else {
      std::cout << "status " << o.status << " (" << talmo::statusMeaning(o.status) << ")  " << o.names.report
                << '\n';
      if (o.status != talmo::kStatusCompleted && exitCode == kExitCompleted) exitCode = kExitWithErrors;
    }
    std::cout.flush();
  });
  return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    printHelp(std::cout);
    return kExitCompleted;
  }
  if (!args.empty() && args[0] == "--version") {
    std::cout << "talmo " << kVersion << '\n';
    return kExitCompleted;
  }
  if (!args.empty() && args[0] == "export")
    return talmo::RunExportCommand({args.begin() + 1, args.end()}, std::cout, std::cerr);
  const CommandLine c = parse(args);
  if (!c.ok) {
    printHelp(std::cerr);
    return kExitUsage;
  }
  std::error_code ec;
  if (c.projects.size() == 1 && !std::filesystem::is_directory(c.projects[0], ec))
    return analyseSingle(c.projects[0], c.jobs, c.json);
  return analyseMany(c.projects, c.jobs, c.json);
}
