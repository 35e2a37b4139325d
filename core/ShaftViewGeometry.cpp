#include "ShaftViewGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "PlotModel.h"
#include "ProjectResults.h"

namespace talmo {

TShaftProfile ShaftProfileOf(const TProgramData& p) {
  TShaftProfile profile;
  profile.D = p.DSTART;
  profile.R = p.RATIO;
  profile.A = p.BELANGL;
  profile.T = p.TOPLENG;
  profile.B = p.BS;
  profile.W = p.WTD;
  profile.layers = SoilLayersOf(p.Tables());
  // A design-load project has no length before its run; a given length not yet entered
  // neither. Both are drawn to the bottom of the profile.
  profile.L = (p.METHOD == 1 || p.PD < 1e-4) ? profile.LastLayerBottom() : p.PD;
  return profile;
}

double BellHeight(double D, double R, double A) {
  if (R <= 1.0 || A <= 0.0 || A >= 90.0) return 0.0;
  return D * (R - 1.0) / 2.0 / std::tan(A * std::numbers::pi / 180.0);
}

std::string ElevationSoilName(int type) {
  static const char* const names[] = {"Sand",      "Clay",        "Shale",         "Strong Rock", "Decomposed Rock/Gravel",
                                      "Weak Rock", "Strong Rock", "Gravelly Sand", "Gravel"};
  return type >= 1 && type <= 9 ? names[type - 1] : "";
}

std::string BlockSoilName(int type, int layerNumber) {
  static const char* const names[] = {"Sand",      "Clay",        "Shale",         "Strong Rock(FHWA)", "Decomposed Rock",
                                      "Weak Rock", "Strong Rock", "Gravelly Sand", "Gravel"};
  return type >= 1 && type <= 9 ? names[type - 1] : "Layer " + std::to_string(layerNumber);
}

// ---------------------------------------------------------------- elevation view

namespace {

TShaftPart trapezoid(double top, double height, double topWidth, double bottomWidth, TRgb fill) {
  const double bottom = top + height;
  return {{{{-topWidth / 2, top}, {topWidth / 2, top}, {-bottomWidth / 2, bottom}, {bottomWidth / 2, bottom}}}, fill};
}

}  // namespace

std::vector<TShaftPart> ElevationParts(const TShaftProfile& s) {
  const double hb = BellHeight(s.D, s.R, s.A);
  const double ground = 2 * s.D;
  const double bellWidth = hb > 0 ? s.R * s.D : s.D;
  const TRgb gray{128, 128, 128};
  return {trapezoid(ground, s.T, s.D, s.D, {255, 0, 0}),
          trapezoid(ground + s.T, s.L - s.B - s.T - hb, s.D, s.D, gray),
          trapezoid(ground + s.L - s.B - hb, s.B, s.D, s.D, {0, 0, 255}),
          trapezoid(ground + s.L - hb, hb, s.D, bellWidth, gray)};
}

TViewRect ElevationExtent(const TShaftProfile& s, const std::vector<TShaftPart>& parts) {
  TViewRect extent{0, 0, 0, 2 * s.D + s.LastLayerBottom()};
  for (const TShaftPart& part : parts) {
    for (const TViewPoint& p : part.corners) {
      extent.Left = std::min(extent.Left, p.x);
      extent.Right = std::max(extent.Right, p.x);
      extent.Bottom = std::max(extent.Bottom, p.y);
    }
  }
  return extent;
}

std::optional<TViewRect> ElevationWindow(const TViewRect& e, int clientWidth, int clientHeight) {
  const double width = e.Right - e.Left;
  const double height = e.Bottom - e.Top;
  if (clientWidth <= 0 || clientHeight <= 0 || !(width > 0) || !(height > 0)) return std::nullopt;
  const double a = (double(clientWidth) / clientHeight) / (width / height);
  if (!std::isfinite(a) || a <= 0) return std::nullopt;
  TViewRect window = e;
  if (a >= 1) {
    window.Left = a * e.Left;
    window.Right = a * e.Right;
  } else {
    window.Top = e.Top / a;
    window.Bottom = e.Bottom / a;
  }
  return window;
}

// ---------------------------------------------------------------- 3D view

TBlockExtents BlockExtents(const TShaftProfile& s) {
  TBlockExtents e;
  e.G = std::max(12.5 * s.D, s.W > 0 ? s.W : 0.0);
  e.Zmax = std::max(s.L, s.LastLayerBottom());
  e.H = std::max({2 * e.Zmax, e.G, 12.5 * s.D});
  e.Width = 2 * e.G;
  return e;
}

double BlockFitScale(const TBlockExtents& e, int clientWidth, int clientHeight) {
  const double across = e.Width > 0 ? (clientWidth - 50) / e.Width : 1.0;
  const double down = e.H > 0 ? (clientHeight - 50) / e.H : 1.0;
  return std::min(across, down);
}

double BlockDepthRange(const TBlockExtents& e, double D, int clientWidth, int clientHeight) {
  const double m = std::min(e.Width, 25 * D);
  if (!(m > 0)) return std::max(clientWidth, clientHeight) / 2.0;
  return std::min(clientWidth, clientHeight) / 2.0 * 640 * e.H / m;
}

std::array<double, 3> BlockLayerColour(int layerIndex) {
  static const std::array<std::array<double, 3>, 10> colours{{{0.8, 0.55, 0},
                                                              {0.55, 0.4, 0.2},
                                                              {0.4, 0.4, 0.2},
                                                              {0.4, 0.4, 0.55},
                                                              {0, 0.5, 0.5},
                                                              {0.2, 0.2, 0.55},
                                                              {0.8, 0, 0.8},
                                                              {0.4, 0.4, 0.55},
                                                              {0.15, 0.15, 0.45},
                                                              {0.65, 0.4, 0.2}}};
  return colours[static_cast<std::size_t>(std::abs(layerIndex) % 10)];
}

std::string BlockValueLabel(double value) {
  char text[40];
  const double magnitude = std::fabs(value);
  // Zero (the ground surface, say) reads 0.000, not 0.000E+00.
  if ((magnitude <= 0.001 && value != 0) || magnitude >= 100000)
    std::snprintf(text, sizeof text, "%.3E", value);  // the C library writes at least 2 exponent digits
  else
    std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

std::vector<TCurveStrip> CombinedCurveStrips(const TGraphPlot& plot, const TShaftProfile& s, bool useElevation,
                                             double groundElevation, double factor) {
  const int lines = std::min(plot.LineCount(), 3);
  double E = 0;
  for (int i = 0; i < lines; ++i)
    for (const TFloatPoint& p : plot.Lines(i).Points()) E = std::max(E, std::fabs(p.x));
  // With every value 0 (or none at all) the curves have no scale: nothing is drawn.
  if (!(E > 0) || !std::isfinite(E)) return {};
  const double P = 2 * s.D * factor;
  // A point's depth is the shaft length it belongs to, the depth of that shaft's tip: the
  // curve ends level with the tip drawn beside it. (Moving the points up by the excluded
  // bottom length would show the capacity of a 45 ft shaft at 42 ft.)
  auto depthOf = [&](const TFloatPoint& p) { return useElevation ? groundElevation - p.y : p.y; };
  std::vector<TCurveStrip> strips(static_cast<std::size_t>(lines));
  for (int i = 0; i < lines; ++i) {
    const auto& points = plot.Lines(i).Points();
    TCurveStrip& strip = strips[static_cast<std::size_t>(i)];
    for (std::size_t j = 0; j < points.size(); ++j) {
      if (std::fabs(points[j].x) > std::fabs(strip.maxValue) || j == 0) {
        strip.maxValue = points[j].x;
        strip.maxDepth = depthOf(points[j]);
      }
      if (j + 1 == points.size()) break;
      const double d0 = depthOf(points[j]), d1 = depthOf(points[j + 1]);
      const double x0 = s.D + points[j].x / E * P, x1 = s.D + points[j + 1].x / E * P;
      strip.quads.push_back({{{s.D, -d1}, {s.D, -d0}, {x0, -d0}, {x1, -d1}}});
    }
    strip.labelX = 1.5 * s.D + strip.maxValue / E * P;
  }
  return strips;
}

double StepSizeFactor(double factor, bool up) {
  if (!(factor > 0) || !std::isfinite(factor)) return 1.0;
  const double d = std::pow(10.0, std::floor(std::log10(factor)));
  // A small tolerance keeps 0.3 / 0.1 at 3, not 2.9999999999999996.
  const int m = static_cast<int>(std::floor(factor / d + 1e-9));
  if (up) return m >= 10 ? d * 20 : d * (m + 1);
  return m <= 1 ? d * 0.9 : d * (m - 1);
}

}  // namespace talmo
