#include "plot_file.h"

#include "fixed_format.h"

namespace talmo {
namespace {

std::string eFields(std::initializer_list<Real> values) {
  std::string out;
  out.reserve(11 * values.size());
  for (Real v : values) {
    out += ' ';
    fmt::appendE(out, v, 10, 3);
  }
  return out;
}

int pointCount(const PlotCurve& c) { return static_cast<int>(c.depthPoints.size()) + 2; }

}  // namespace

void writePlotFile(TextOut& plot, const std::vector<PlotCurve>& curves, int ID2) {
  const int P = curves.empty() ? 2 : pointCount(curves.front());
  plot.line(fmt::listInt(static_cast<long long>(curves.size())) + fmt::listInt(P) + fmt::listInt(ID2));
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const PlotCurve& curve = curves[i];
    const Real firstDepth = curve.depthPoints.empty() ? 0 : curve.depthPoints.front()[0];
    plot.line("   0.0  0.0  0.0  0.0  0.0 0.0  0.0  ");
    plot.line(" " + fmt::E(firstDepth, 10, 3) + "   0.0   0.0  0.0 0.0  0.0  0.0 ");
    for (const auto& p : curve.depthPoints) {
      plot.line(eFields({p[0], p[1], p[2], p[3], p[4]}));
      plot.line(eFields({p[5], p[6]}));
    }
    const int kinds = ID2 > 2 ? 3 : 1;
    for (int k = 0; k < kinds; ++k) {
      for (const auto& s : curve.settlement[static_cast<std::size_t>(k)])
        plot.line(eFields({s[0], s[1], s[2], s[3]}));
    }
    if (i + 1 < curves.size()) {
      plot.line(fmt::listInt(static_cast<long long>(i + 2)) + fmt::listInt(pointCount(curves[i + 1])) +
                fmt::listInt(0));
    }
  }
}

}  // namespace talmo
