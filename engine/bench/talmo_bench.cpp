// Times the engine on a large design-chart project and on the bundled example.
//
//   talmo_bench [EXAMPLE.tm8d] [RUNS]
//
// Prints the median wall-clock time of RUNS runs (default 7) of each project. The large project
// is generated (large_project.h).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "large_project.h"
#include "talmo/engine.h"

namespace {

double medianSeconds(const std::filesystem::path& project, int runs) {
  std::vector<double> times;
  talmo::RunOptions options;
  options.workDir = project.parent_path();
  const talmo::RunNames names = talmo::namesForProject(project);
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const int status = talmo::runAnalysis(names, options);
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) std::fprintf(stderr, "run status %d for %s\n", status, project.c_str());
    times.push_back(std::chrono::duration<double>(end - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path example = argc > 1 ? argv[1] : "examples/clay_over_sand.tm8d";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const auto dir = std::filesystem::temp_directory_path() / "talmo-bench";
  std::filesystem::create_directories(dir);

  const auto large = dir / "large.tm8d";
  std::ofstream(large, std::ios::binary) << talmo::bench::LargeDesignChartProject();
  const auto small = dir / "example.tm8d";
  std::filesystem::copy_file(example, small, std::filesystem::copy_options::overwrite_existing);

  std::printf("large design-chart project (40 layers, 20 diameters, 30 lengths, 10 settlements): %8.1f ms\n",
              1000 * medianSeconds(large, runs));
  std::printf("bundled example (%s): %8.2f ms\n", example.filename().c_str(), 1000 * medianSeconds(small, runs));
  std::printf("median of %d runs each\n", runs);
  std::filesystem::remove_all(dir);
  return 0;
}
