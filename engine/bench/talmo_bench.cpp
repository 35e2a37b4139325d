// Times the engine on a large design-chart project and on the bundled example.
//
//   talmo_bench [EXAMPLE.tm8d] [RUNS] [THREADS]
//   talmo_bench --write-large FILE.tm8d
//
// Prints the median wall-clock time of RUNS runs (default 7) of each project with the cases
// computed on one thread and on THREADS threads (default 2). The large project is generated
// (large_project.h); --write-large only writes it.
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

double medianSeconds(const std::filesystem::path& project, int runs, int threads) {
  std::vector<double> times;
  talmo::RunOptions options;
  options.workDir = project.parent_path();
  options.caseThreads = threads;
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
  if (argc == 3 && std::string(argv[1]) == "--write-large") {
    std::ofstream(argv[2], std::ios::binary) << talmo::bench::LargeDesignChartProject();
    return 0;
  }
  const std::filesystem::path example = argc > 1 ? argv[1] : "examples/clay_over_sand.tm8d";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const int threads = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2;
  const auto dir = std::filesystem::temp_directory_path() / "talmo-bench";
  std::filesystem::create_directories(dir);

  const auto large = dir / "large.tm8d";
  std::ofstream(large, std::ios::binary) << talmo::bench::LargeDesignChartProject();
  const auto small = dir / "example.tm8d";
  std::filesystem::copy_file(example, small, std::filesystem::copy_options::overwrite_existing);

  for (const int t : {1, threads}) {
    std::printf("large design-chart project (40 layers, 20 diameters, 30 lengths, 10 settlements), %d thread(s): %8.1f ms\n",
                t, 1000 * medianSeconds(large, runs, t));
    std::printf("bundled example (%s), %d thread(s): %8.2f ms\n", example.filename().c_str(), t,
                1000 * medianSeconds(small, runs, t));
  }
  std::printf("median of %d runs each\n", runs);
  std::filesystem::remove_all(dir);
  return 0;
}
