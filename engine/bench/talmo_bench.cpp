// Times the engine on a large design-chart project and on the bundled example.
//
//   talmo_bench [EXAMPLE.tm8d] [RUNS] [THREADS]
//   talmo_bench --write-large FILE.tm8d
//
// Prints the median wall-clock time of RUNS runs (default 7) of each project with the cases
// computed on one thread and on THREADS threads (default 2). The large project is generated:
// 40 layers of alternating clay and sand down to 200 ft, 20 diameters, 30 shaft lengths and 10
// defined settlements; --write-large only writes it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "talmo/engine.h"

namespace {

std::string largeProject() {
  std::ostringstream p;
  p << "Benchmark: 40 layers, 20 diameters, 30 lengths, 10 settlements\r\n1 \r\n";
  p << "2 1 1 5 0 1 0 1 0 0 0\r\n";                 // length given, LRFD, design charts
  p << "2 11.5 0 0 5 0 3600000\r\n";                // 2 to 11.5 ft in 0.5 ft steps
  p << "40 12 150 2 3\r\n";                          // 40 layers, water at 12 ft, 150 ft long
  p << "63 3 0.5 10\r\n";                            // 30 lengths: 150 down to 63 ft
  p << "0.1 0.2 0.3 0.4 0.5 0.75 1 1.5 2 3 \r\n";
  for (int i = 1; i <= 40; ++i) {
    const int bottom = 5 * i;
    if (i % 2 == 1) {
      p << "2 " << bottom << " \r\n";
      p << "0 118 0.0 " << 800 + 40 * i << " 0 0 0 1 1 \r\n";
      p << "0 120 0.0 " << 840 + 40 * i << " 0 0 0 1 1 \r\n0 0\r\n";
    } else {
      p << "1 " << bottom << " \r\n";
      p << "0.0 120 " << 30 + i / 8 << " 0 " << 12 + i / 2 << " 0 0 1 1 \r\n";
      p << "0.0 122 " << 31 + i / 8 << " 0 " << 13 + i / 2 << " 0 0 1 1 \r\n2 \r\n0 0 \r\n";
    }
  }
  return p.str();
}

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
    std::ofstream(argv[2], std::ios::binary) << largeProject();
    return 0;
  }
  const std::filesystem::path example = argc > 1 ? argv[1] : "examples/clay_over_sand.tm8d";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
  const int threads = argc > 3 ? std::max(1, std::atoi(argv[3])) : 2;
  const auto dir = std::filesystem::temp_directory_path() / "talmo-bench";
  std::filesystem::create_directories(dir);

  const auto large = dir / "large.tm8d";
  std::ofstream(large, std::ios::binary) << largeProject();
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
