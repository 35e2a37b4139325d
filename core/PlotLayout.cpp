#include "PlotLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "NumberText.h"

namespace talmo {

namespace {

// Rounds away from zero (ceiling for positive values, floor otherwise).
double RoundOut(double v) { return v > 0 ? std::ceil(v) : std::floor(v); }
// Rounds toward zero.
double RoundIn(double v) { return std::trunc(v); }

struct Interval {
  double lo = 0.0, hi = 0.0;
  double Width() const { return hi - lo; }
};

Interval YInterval(const TFloatRect& r) { return {std::min(r.Top, r.Bottom), std::max(r.Top, r.Bottom)}; }

void AddLayerColumn(TDrawArea& a, const TLayoutOptions& o) {
  if (!o.ShowLayers) return;
  const int right = a.GraphArea.right;
  a.GraphArea.right -= a.ppiX;
  a.LayersArea = {right - a.ppiX + a.ppiX / 5, a.GraphArea.top, right, a.GraphArea.bottom};
}

}  // namespace

TPixelPoint TPixelRect::Clamp(TPixelPoint p) const {
  return {std::clamp(p.x, left, std::max(left, right)), std::clamp(p.y, top, std::max(top, bottom))};
}

int NearestInt(double value) {
  if (!std::isfinite(value)) return 0;
  const double limit = static_cast<double>(std::numeric_limits<int>::max() / 2);
  return static_cast<int>(std::nearbyint(std::clamp(value, -limit, limit)));
}

int PlotFontHeight(int baseFontHeight, int sizeFactor) { return std::abs(baseFontHeight * sizeFactor / 10); }

TLayoutOptions TLayoutOptions::Of(const TGraphPlot& plot, int baseFontHeight) {
  TLayoutOptions o;
  o.XOnTop = plot.XOnTop;
  o.UserCaption = !plot.UserCaption.empty();
  o.UserCaptionOnTop = plot.UserCaptionOnTop;
  o.ShowLayers = plot.ShowLayers && plot.LayerLineCount() > 0;
  o.FontHeight = PlotFontHeight(baseFontHeight, plot.SizeFont);
  return o;
}

// Graph inside the window, captions and tick labels outside it, the layer column at the right.
TDrawArea ScreenLayout(int width, int height, int ppiX, int ppiY, const TLayoutOptions& o) {
  const int H = o.FontHeight;
  TDrawArea a;
  a.Bounds = {0, 0, width, height};
  a.ppiX = ppiX;
  a.ppiY = ppiY;
  a.FontHeight = H;
  TPixelRect& g = a.GraphArea;
  g.left = a.Bounds.left + 2 * H + ppiX / 8 + H / 8;
  g.right = a.Bounds.right - ppiX / 4 - H / 2;
  if (o.XOnTop) {
    g.top = a.Bounds.top + 2 * H + ppiY / 8 + H / 8;
    g.bottom = a.Bounds.bottom - ppiY / 4 - H / 2;
  } else {
    g.top = a.Bounds.top + H / 2 + ppiY / 4;
    g.bottom = a.Bounds.bottom - 2 * H - ppiY / 8 - H / 8;
  }
  if (o.UserCaption) {
    if (o.UserCaptionOnTop) g.top += H / 8 + H;
    else g.bottom -= H;
  }
  AddLayerColumn(a, o);
  return a;
}

TDrawArea BitmapLayout(int width, int height, int ppi, const TLayoutOptions& options) {
  // The user caption keeps its own space in an image too: a design chart's title would
  // otherwise be written over the axis caption.
  TDrawArea a = ScreenLayout(width, height, ppi, ppi, options);
  a.PrintLegend = true;
  a.MessedUp = true;
  return a;
}

TDrawArea PrinterLayout(const TPageGeometry& p, const TLayoutOptions& o) {
  auto px = [](int thousandths, int ppi) { return NearestInt(thousandths * static_cast<double>(ppi) / 1000.0); };
  TDrawArea a;
  a.ppiX = p.ppiX;
  a.ppiY = p.ppiY;
  a.FontHeight = o.FontHeight;
  a.PrintLegend = true;
  a.Bounds.left = std::max(px(p.marginLeft, p.ppiX), p.offsetX) - p.offsetX;
  a.Bounds.right = p.paperWidth + p.offsetX - std::max(px(p.marginRight, p.ppiX), p.offsetX);
  a.Bounds.top = std::max(px(p.marginTop, p.ppiY), p.offsetY) - p.offsetY;
  a.Bounds.bottom = p.paperHeight + p.offsetY - std::max(px(p.marginBottom, p.ppiY), p.offsetY);
  const int H = o.FontHeight;
  TPixelRect& g = a.GraphArea;
  g.left = a.Bounds.left + 2 * H + p.ppiX / 8 + H / 8;
  g.right = a.Bounds.right;
  if (o.XOnTop) {
    g.top = a.Bounds.top + 2 * H + p.ppiY / 8 + H / 8;
    g.bottom = a.Bounds.bottom;
  } else {
    g.top = a.Bounds.top;
    g.bottom = a.Bounds.bottom - 2 * H - p.ppiY / 8 - H / 8;
  }
  if (o.UserCaption) {
    if (o.UserCaptionOnTop) g.top += p.ppiY / 4;
    else g.bottom -= p.ppiY / 2;
  }
  AddLayerColumn(a, o);
  return a;
}

double NiceStep(double width) {
  const double a = std::log10(width);
  double step = std::pow(10.0, std::floor(a));
  if (a - std::floor(a) < std::log10(3.0)) step /= 10.0;
  return step;
}

TFloatRect AutoScale(const TGraphPlot& plot) {
  Interval x, y;
  bool any = false;
  for (int i = 0; i < plot.LineCount(); ++i) {
    for (const TFloatPoint& p : plot.Lines(i).Points()) {
      if (!std::isfinite(p.x) || !std::isfinite(p.y)) continue;
      if (!any) {
        // Elevations start from the first point; everything else includes the origin.
        y = plot.Yreversed ? Interval{p.y, p.y} : Interval{};
        any = true;
      }
      x = {std::min(x.lo, p.x), std::max(x.hi, p.x)};
      y = {std::min(y.lo, p.y), std::max(y.hi, p.y)};
    }
  }
  if (!any) return plot.Yreversed ? TFloatRect{0, 1, 1, 0} : TFloatRect{0, 1, 0, 1};
  for (Interval* r : {&x, &y}) {
    if (r->hi == r->lo) {
      r->lo -= 0.01;
      r->hi += 0.01;
    }
  }
  TFloatRect bounds;
  const double sy = NiceStep(y.Width());
  const double yMax = sy * RoundOut(y.hi / sy);
  const double yMin = sy * (plot.Yreversed ? RoundIn(y.lo / sy) : RoundOut(y.lo / sy));
  bounds.Top = plot.Yreversed ? yMax : yMin;
  bounds.Bottom = plot.Yreversed ? yMin : yMax;
  const double sx = NiceStep(x.Width());
  bounds.Left = sx * RoundOut(x.lo / sx);
  bounds.Right = sx * RoundOut(x.hi / sx);
  // A range the rounding could not widen (values beyond double precision) still draws.
  if (!(bounds.Right > bounds.Left)) bounds.Right = bounds.Left + 1.0;
  if (bounds.Top == bounds.Bottom) bounds.Bottom = bounds.Top + (plot.Yreversed ? -1.0 : 1.0);
  return bounds;
}

TPixelPoint ToScreen(const TDrawArea& area, const TFloatRect& b, bool xOnTop, double x, double y) {
  const TPixelRect& g = area.GraphArea;
  const int px = g.left + NearestInt((x - b.Left) / (b.Right - b.Left) * g.Width());
  const int d = NearestInt((y - b.Top) / (b.Bottom - b.Top) * g.Height());
  return {px, xOnTop ? g.top + d : g.bottom - d};
}

TFloatPoint ToData(const TDrawArea& area, const TFloatRect& b, bool xOnTop, TPixelPoint p) {
  const TPixelRect& g = area.GraphArea;
  if (p.x < g.left || p.x > g.right || g.Width() == 0 || g.Height() == 0) return {};
  const double d = xOnTop ? p.y - g.top : g.bottom - p.y;
  return {b.Left + (p.x - g.left) * (b.Right - b.Left) / g.Width(), b.Top + d * (b.Bottom - b.Top) / g.Height()};
}

double NiceSpacing(double raw) {
  const double e = std::pow(10.0, std::floor(std::log10(raw)));
  const int k = static_cast<int>(std::trunc(raw / e + 1e-9));
  if (k < 2) return e;
  if (k < 5) return 2 * e;
  if (k < 9) return 5 * e;
  return 10 * e;
}

TMarkSpacing ComputeMarkSpacing(const TDrawArea& area, const TFloatRect& b) {
  TMarkSpacing m;
  const int step = 6 * std::max(area.FontHeight, 1);
  const int nx = std::abs(area.GraphArea.Width()) / step;
  const int ny = std::abs(area.GraphArea.Height()) / step;
  const Interval y = YInterval(b);
  if (nx == 0 || ny == 0 || !(b.Right > b.Left) || !(y.Width() > 0)) return m;
  m.sx = NiceSpacing((b.Right - b.Left) / nx) / 5;
  m.sy = NiceSpacing(y.Width() / ny) / 5;
  // Ticks are counted from zero; only those inside the range are kept, so a deep zoom far
  // from the origin costs no more than the full view.
  auto first = [](double lo, double s) { return static_cast<int>(std::ceil(lo / s - 1e-9)); };
  auto last = [](double hi, double s) { return static_cast<int>(std::floor(hi / s + 1e-9)); };
  const double big = 1e8;
  if (std::abs(b.Left / m.sx) > big || std::abs(b.Right / m.sx) > big || std::abs(y.lo / m.sy) > big ||
      std::abs(y.hi / m.sy) > big)
    return m;
  m.startX = first(b.Left, m.sx);
  m.finishX = last(b.Right, m.sx);
  m.startY = first(y.lo, m.sy);
  m.finishY = last(y.hi, m.sy);
  m.valid = true;
  return m;
}

namespace {

// General format with `digits` significant digits and an exponent of at least two digits.
std::string GeneralWithTwoDigitExponent(double value, int digits) {
  std::string text = FormatGeneral(value, digits);
  const auto e = text.find('E');
  if (e == std::string::npos) return text;
  std::string exponent = text.substr(e + 1);
  const bool negative = !exponent.empty() && exponent[0] == '-';
  if (negative) exponent.erase(0, 1);
  if (exponent.size() < 2) exponent.insert(0, "0");
  return text.substr(0, e + 1) + (negative ? "-" : "") + exponent;
}

}  // namespace

std::string TickLabel(double value) {
  // Tick values are multiples of the spacing; a rounding residue is no number of its own.
  return GeneralWithTwoDigitExponent(std::abs(value) < 1e-12 ? 0.0 : value, 4);
}

std::string ReadoutNumber(double value) { return GeneralWithTwoDigitExponent(value, 5); }

namespace {

// Narrows [lo, hi] to at least a twentieth of [fullLo, fullHi], centred, inside the full range.
Interval KeepZoomWidth(Interval r, Interval full) {
  if (full.Width() <= 20 * r.Width()) return r;
  const double w = full.Width() / 20;
  const double centre = (r.lo + r.hi) / 2;
  Interval n{centre - w / 2, centre + w / 2};
  if (n.lo < full.lo) n = {full.lo, full.lo + w};
  if (n.hi > full.hi) n = {full.hi - w, full.hi};
  return n;
}

// Doubles [lo, hi] around `at`, kept inside the full range.
Interval Widen(Interval r, double at, Interval full) {
  const double p = std::min(r.Width(), full.Width() / 2);
  const double centre = std::clamp(at, full.lo + p, std::max(full.lo + p, full.hi - p));
  return {centre - p, centre + p};
}

TFloatRect Assemble(Interval x, Interval y, bool yReversed) {
  return yReversed ? TFloatRect{x.lo, x.hi, y.hi, y.lo} : TFloatRect{x.lo, x.hi, y.lo, y.hi};
}

}  // namespace

TFloatRect ZoomIn(TFloatPoint a, TFloatPoint b, const TFloatRect& full, bool yReversed) {
  const Interval x = KeepZoomWidth({std::min(a.x, b.x), std::max(a.x, b.x)}, {full.Left, full.Right});
  const Interval y = KeepZoomWidth({std::min(a.y, b.y), std::max(a.y, b.y)}, YInterval(full));
  return Assemble(x, y, yReversed);
}

TFloatRect ZoomOut(const TFloatRect& current, TFloatPoint at, const TFloatRect& full, bool yReversed) {
  const Interval x = Widen({current.Left, current.Right}, at.x, {full.Left, full.Right});
  const Interval y = Widen(YInterval(current), at.y, YInterval(full));
  return Assemble(x, y, yReversed);
}

TPixelPoint QuietBoxPlace(const TGraphPlot& plot, const TDrawArea& area, const TFloatRect& bounds, int w, int h) {
  const TPixelRect& g = area.GraphArea;
  constexpr int kInset = 4;
  constexpr int kRows = 9;
  // Columns right, left, middle; in each the bottom, the top, then the rows between upward.
  const int xs[3] = {g.right - w - kInset, g.left + kInset, (g.left + g.right - w) / 2};
  const int bottom = g.bottom - h - kInset, top = g.top + kInset;
  std::vector<TPixelRect> places;
  for (int x : xs) {
    for (int row : {0, kRows - 1, 1, 2, 3, 4, 5, 6, 7}) {
      const int y = bottom + (top - bottom) * row / (kRows - 1);
      // The counted area reaches a little beyond the box, so no marker peeks out from under it.
      places.push_back({x - 2 * kInset, y - 2 * kInset, x + w + 2 * kInset, y + h + 2 * kInset});
    }
  }
  std::vector<int> covered(places.size(), 0);
  constexpr int kSamples = 8;  // per segment, so a line crossing a place without a vertex counts
  for (int i = 0; i < plot.LineCount(); ++i) {
    const TLine& line = plot.Lines(i);
    if (!line.Active || !line.Visible) continue;
    const auto& points = line.Points();
    for (std::size_t k = 0; k + 1 < points.size(); ++k) {
      const TFloatPoint& a = points[k];
      const TFloatPoint& b = points[k + 1];
      if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) continue;
      for (int s = 0; s < kSamples; ++s) {
        const double t = static_cast<double>(s) / kSamples;
        const TPixelPoint p = ToScreen(area, bounds, plot.XOnTop, a.x + t * (b.x - a.x), a.y + t * (b.y - a.y));
        for (std::size_t c = 0; c < places.size(); ++c) covered[c] += places[c].Contains(p) ? 1 : 0;
      }
    }
  }
  const auto best = std::min_element(covered.begin(), covered.end()) - covered.begin();
  return {places[static_cast<std::size_t>(best)].left + 2 * kInset, places[static_cast<std::size_t>(best)].top + 2 * kInset};
}

std::vector<TPixelPoint> MarkerOutline(int m, int rx, int ry) {
  m = ((m - 1) % 10 + 10) % 10 + 1;
  std::vector<double> angles;
  if (m == 1) {
    angles = {180, 300, 60};  // triangle pointing down
  } else if (m == 2) {
    angles = {45, 135, 225, 315};  // upright square
  } else {
    for (int k = 0; k < m; ++k) angles.push_back(360.0 * k / m);
  }
  std::vector<TPixelPoint> outline;
  for (double degrees : angles) {
    const double a = degrees * std::numbers::pi / 180.0;
    outline.push_back({NearestInt(std::sin(a) * rx), -NearestInt(std::cos(a) * ry)});
  }
  return outline;
}

int CurvePenWidth(int ppiX, int widthLine) { return (NearestInt(ppiX / 300.0) + 1) * widthLine; }

}  // namespace talmo
