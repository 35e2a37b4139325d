#include "plot_file.h"

#include "fixed_format.h"

namespace talmo {
namespace {

// One record of blank-separated E10.3 fields.
void appendFields(std::string& out, std::initializer_list<Real> values) {
  for (Real v : values) {
    out += ' ';
    fmt::appendE(out, v, 10, 3);
  }
  out += '\n';
}

}  // namespace

PlotCurveRecords plotCurveRecords(const PlotCurve& curve) {
  PlotCurveRecords r;
  r.pointCount = static_cast<int>(curve.depthPoints.size()) + 2;
  const Real firstDepth = curve.depthPoints.empty() ? 0 : curve.depthPoints.front()[0];
  r.depthPoints.reserve(90 * curve.depthPoints.size() + 100);
  r.depthPoints += "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  \n";
  r.depthPoints += ' ';
  fmt::appendE(r.depthPoints, firstDepth, 10, 3);
  r.depthPoints += "   0.0   0.0  0.0 0.0  0.0  0.0 \n";
  for (const auto& p : curve.depthPoints) {
    appendFields(r.depthPoints, {p[0], p[1], p[2], p[3], p[4]});
    appendFields(r.depthPoints, {p[5], p[6]});
  }
  for (std::size_t k = 0; k < 3; ++k) {
    r.settlement[k].reserve(45 * curve.settlement[k].size());
    for (const auto& s : curve.settlement[k]) appendFields(r.settlement[k], {s[0], s[1], s[2], s[3]});
  }
  return r;
}

void writePlotFile(TextOut& plot, const std::vector<PlotCurveRecords>& curves, int ID2) {
  const int P = curves.empty() ? 2 : curves.front().pointCount;
  plot.line(fmt::listInt(static_cast<long long>(curves.size())) + fmt::listInt(P) + fmt::listInt(ID2));
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const PlotCurveRecords& curve = curves[i];
    plot.appendText(curve.depthPoints);
    const int kinds = ID2 > 2 ? 3 : 1;
    for (int k = 0; k < kinds; ++k) plot.appendText(curve.settlement[static_cast<std::size_t>(k)]);
    if (i + 1 < curves.size()) {
      plot.line(fmt::listInt(static_cast<long long>(i + 2)) + fmt::listInt(curves[i + 1].pointCount) +
                fmt::listInt(0));
    }
  }
}

}  // namespace talmo
