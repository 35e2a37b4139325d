#pragma once
// The plot file read back by the interactive program: a header, then per result curve the
// depth points of the capacity curves, and the curve separators. Values are in ft and tons for
// an English project, in m and kN for an SI project.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "real.h"
#include "text_out.h"

namespace talmo {

struct PlotCurve {
  // depth, ultimate side, tip, total, factored side, tip, total
  std::vector<std::array<Real, 7>> depthPoints;
  // top load, top settlement, tip load, tip movement per load-settlement point, by curve kind
  // (trend, upper bound, lower bound); empty when none was computed
  std::array<std::vector<std::array<Real, 4>>, 3> settlement;
};

// A curve's records as the plot file holds them, formatted as soon as the curve is known (by the
// case that computed it): the two leading points and the depth points, then the load-settlement
// points of each curve kind.
struct PlotCurveRecords {
  // The depth-point records, then the load-settlement records of each curve kind, in one text.
  std::string text;
  std::array<std::size_t, 4> blockEnds{};  // where the depth points and each kind's records end
  int pointCount = 2;  // depth points and the two leading ones

  std::string_view depthPoints() const { return std::string_view(text).substr(0, blockEnds[0]); }
  std::string_view settlement(std::size_t kind) const {
    return std::string_view(text).substr(blockEnds[kind], blockEnds[kind + 1] - blockEnds[kind]);
  }
};
PlotCurveRecords plotCurveRecords(const PlotCurve& curve);

// ID2 is 3 when the upper- and lower-bound blocks follow each trend block, else 2.
void writePlotFile(TextOut& plot, const std::vector<PlotCurveRecords>& curves, int ID2);

}  // namespace talmo
