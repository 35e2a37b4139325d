// talmo: analyses a drilled-shaft project without the interactive program.
//
//   talmo run PROJECT.tm8d     (or: talmo PROJECT.tm8d)
//   talmo export PROJECT.tm8d [-o FILE.xlsx] [--no-markers]
//
// Writes the report (.tm8o), plot file (.tm8p), runtime notes (.tm8r) and curve listing (.tm8z)
// beside the project, and the side files CHART.DAT and TZDATA.DAT in the project's folder.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "export_command.h"
#include "talmo/engine.h"

namespace {

constexpr const char* kVersion = "2017.8.7";

constexpr int kExitCompleted = 0;
constexpr int kExitWithErrors = 1;  // the run ended with a non-zero run status
constexpr int kExitUsage = 2;       // bad command line, missing or unreadable project file

void printHelp(std::ostream& out) {
  out << "Usage: talmo run PROJECT.tm8d\n"
         "       talmo PROJECT.tm8d\n"
         "       talmo export PROJECT.tm8d [-o FILE.xlsx] [--no-markers]\n"
         "       talmo --help | --version\n"
         "\n"
         "Analyses a vertically loaded drilled shaft project and writes, beside the project,\n"
         "the report (.tm8o), the plot file (.tm8p), the runtime notes (.tm8r) and the curve\n"
         "listing (.tm8z); CHART.DAT and TZDATA.DAT go to the project's folder.\n"
         "\n"
         "Exit status: 0 when the run completed, 1 when it completed with a non-zero run\n"
         "status (there may be errors: see the report and the runtime notes), 2 for a bad\n"
         "command line, a project file that cannot be read, or result files that cannot be\n"
         "written.\n";
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
  if (!args.empty() && args[0] == "run") args.erase(args.begin());
  if (args.size() != 1) {
    printHelp(std::cerr);
    return kExitUsage;
  }

  std::error_code ec;
  const std::filesystem::path project = std::filesystem::absolute(args[0], ec);
  std::ifstream probe(project);
  if (ec || !probe || std::filesystem::is_directory(project, ec)) {
    std::cerr << "talmo: cannot read project file " << args[0] << '\n';
    return kExitUsage;
  }
  probe.close();

  const talmo::RunNames names = talmo::namesForProject(project);
  talmo::RunOptions options;
  options.workDir = project.parent_path();
  options.consoleOut = &std::cerr;  // names any result file that cannot be created
  options.removeTemporaries = true;
  const int status = talmo::runAnalysis(names, options);
  if (status == talmo::kStatusOutputError) {
    std::cerr << "talmo: the results could not be written beside " << project.string() << '\n';
    return kExitUsage;
  }

  std::cout << (status == talmo::kStatusCompleted ? "Computations are completed."
                                                  : "Computations are completed, but there may be errors.")
            << '\n'
            << "Report:        " << names.report << '\n'
            << "Runtime notes: " << names.runtime << '\n';
  return status == talmo::kStatusCompleted ? kExitCompleted : kExitWithErrors;
}
