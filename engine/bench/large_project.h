#pragma once
// The large project of the benchmarks: 40 layers of alternating clay and sand down to 200 ft,
// 20 diameters, 30 shaft lengths and 10 defined settlements (600 cases of design charts).
#include <sstream>
#include <string>

namespace talmo::bench {

inline std::string LargeDesignChartProject() {

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

}  // namespace talmo::bench
