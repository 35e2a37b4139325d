#include "plot_file.h"

#include <span>

#include "fixed_format.h"

namespace talmo {
namespace {

constexpr std::size_t kFieldWidth = 11;  // 1X,E10.3

// One record of blank-separated E10.3 fields, laid out whole and appended in one piece.
template <std::size_t N>
void appendFields(std::string& out, std::span<const Real, N> values) {
  char record[N * kFieldWidth + 1];
  char* at = record;
  for (Real v : values) {
    *at++ = ' ';
    fmt::writeE(at, v, 10, 3);
    at += kFieldWidth - 1;
  }
  *at = '\n';
  out.append(record, sizeof record);
}

constexpr std::size_t recordSize(std::size_t fields) { return fields * kFieldWidth + 1; }

}  // namespace

PlotCurveRecords plotCurveRecords(const PlotCurve& curve) {
  static constexpr std::string_view kFirstPoint = "   0.0  0.0  0.0  0.0  0.0 0.0  0.0  \n";
  static constexpr std::string_view kSecondPointRest = "   0.0   0.0  0.0 0.0  0.0  0.0 \n";
  PlotCurveRecords r;
  r.pointCount = static_cast<int>(curve.depthPoints.size()) + 2;
  std::size_t size = kFirstPoint.size() + kFieldWidth + kSecondPointRest.size() +
                     curve.depthPoints.size() * (recordSize(5) + recordSize(2));
  for (const auto& points : curve.settlement) size += points.size() * recordSize(4);
  r.text.reserve(size);

  const Real firstDepth = curve.depthPoints.empty() ? 0 : curve.depthPoints.front()[0];
  r.text += kFirstPoint;
  r.text += ' ';
  fmt::appendE(r.text, firstDepth, 10, 3);
  r.text += kSecondPointRest;
  for (const auto& p : curve.depthPoints) {
    const std::span<const Real, 7> point(p);
    appendFields(r.text, point.first<5>());
    appendFields(r.text, point.last<2>());
  }
  r.blockEnds[0] = r.text.size();
  for (std::size_t k = 0; k < 3; ++k) {
    for (const auto& s : curve.settlement[k]) appendFields(r.text, std::span<const Real, 4>(s));
    r.blockEnds[k + 1] = r.text.size();
  }
  return r;
}

void writePlotFile(TextOut& plot, const std::vector<PlotCurveRecords>& curves, int ID2) {
  const int P = curves.empty() ? 2 : curves.front().pointCount;
  plot.line(fmt::listInt(static_cast<long long>(curves.size())) + fmt::listInt(P) + fmt::listInt(ID2));
  for (std::size_t i = 0; i < curves.size(); ++i) {
    const PlotCurveRecords& curve = curves[i];
    plot.appendText(curve.depthPoints());
    const std::size_t kinds = ID2 > 2 ? 3 : 1;
    for (std::size_t k = 0; k < kinds; ++k) plot.appendText(curve.settlement(k));
    if (i + 1 < curves.size()) {
      plot.line(fmt::listInt(static_cast<long long>(i + 2)) + fmt::listInt(curves[i + 1].pointCount) +
                fmt::listInt(0));
    }
  }
}

}  // namespace talmo
