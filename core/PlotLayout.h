#pragma once
// Geometry of a plot drawing, free of any drawing surface: the pixel rectangles of the screen,
// printer and bitmap layouts, the automatic data range rounded to decade steps, the data <->
// pixel transforms, the tick spacing, the zoom rules, the marker outlines and the curve
// palette. The painter only draws what these functions compute, so every number of a plot can
// be checked without a display.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "PlotModel.h"

namespace talmo {

struct TPixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const TPixelPoint&) const = default;
};

// A pixel rectangle; right and bottom are the first column and row outside it.
struct TPixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(TPixelPoint p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
  TPixelPoint Clamp(TPixelPoint p) const;
  bool operator==(const TPixelRect&) const = default;
};

// The layout of one drawing on one surface.
struct TDrawArea {
  TPixelRect Bounds;      // the whole drawing
  TPixelRect GraphArea;   // the plotting rectangle
  TPixelRect LayersArea;  // the soil-layer column (empty without it)
  int ppiX = 96;
  int ppiY = 96;
  int FontHeight = 14;    // H: text height of the plot's font size factor, in pixels
  bool PrintLegend = false;  // the legend is drawn into the surface (print and image)
  bool MessedUp = false;     // with PrintLegend: the screen fill pictures instead of the print ones
};

// What shapes a layout besides the surface.
struct TLayoutOptions {
  bool XOnTop = true;
  bool UserCaption = false;       // a user caption is shown
  bool UserCaptionOnTop = false;
  bool ShowLayers = false;        // the layer column is shown (and the plot has layers)
  int FontHeight = 14;            // H
  static TLayoutOptions Of(const TGraphPlot& plot, int baseFontHeight);
};

// Text height in pixels of size factor `sizeFactor` (tenths) over a base font height.
int PlotFontHeight(int baseFontHeight, int sizeFactor);

// The window's client area (0, 0, width, height).
TDrawArea ScreenLayout(int width, int height, int ppiX, int ppiY, const TLayoutOptions& options);
// An image of the given pixel size; laid out as on screen, with its own resolution.
TDrawArea BitmapLayout(int width, int height, int ppi, const TLayoutOptions& options);
// A printer page: paper size and physical offsets (printable-area origin) in printer pixels,
// margins in thousandths of an inch.
struct TPageGeometry {
  int paperWidth = 0, paperHeight = 0;
  int offsetX = 0, offsetY = 0;
  int ppiX = 600, ppiY = 600;
  int marginLeft = 1000, marginTop = 1000, marginRight = 1000, marginBottom = 1000;
};
TDrawArea PrinterLayout(const TPageGeometry& page, const TLayoutOptions& options);

// Automatic range of the plot's main lines (active or not): decade-rounded bounds, Top/Bottom
// swapped for reversed y. Points that are not finite numbers are left out; a plot without a
// finite point gets the range 0..1 in both directions.
TFloatRect AutoScale(const TGraphPlot& plot);
// The decade step of a range of the given width (width > 0).
double NiceStep(double width);

// Data <-> pixels on a layout and a data range.
TPixelPoint ToScreen(const TDrawArea& area, const TFloatRect& bounds, bool xOnTop, double x, double y);
// The inverse without rounding; a pixel left or right of the graph gives (0, 0).
TFloatPoint ToData(const TDrawArea& area, const TFloatRect& bounds, bool xOnTop, TPixelPoint p);

// Minor tick spacing and the range of minor tick indices that fall inside the data range;
// every fifth index (a multiple of 5) is a major tick with a grid line and a label.
struct TMarkSpacing {
  bool valid = false;  // false: the graph is too small for any tick
  double sx = 0.0, sy = 0.0;
  int startX = 0, finishX = 0, startY = 0, finishY = 0;
};
TMarkSpacing ComputeMarkSpacing(const TDrawArea& area, const TFloatRect& bounds);
// A raw spacing made nice: 1, 2 or 5 times a power of ten (10 for a leading 9).
double NiceSpacing(double raw);

// Tick label: general format with 4 significant digits.
std::string TickLabel(double value);
// Pointer read-out number: general format with 5 significant digits.
std::string ReadoutNumber(double value);

// Zoom in to the rectangle between two data points, kept at least one twentieth of the full
// range wide in each direction and inside the full range; the result keeps the plot's
// orientation (Top the larger y for reversed y).
TFloatRect ZoomIn(TFloatPoint a, TFloatPoint b, const TFloatRect& full, bool yReversed);
// Zoom out around a data point: each direction doubles, never beyond the full range.
TFloatRect ZoomOut(const TFloatRect& current, TFloatPoint at, const TFloatRect& full, bool yReversed);

// Where a box of w x h pixels (the legend) hides the least of the curves: the top-left pixel
// of one of the places along the right edge, the left edge and the middle of the graph (from
// the bottom, then the top, then the rows between), the one covering the fewest points sampled
// along the visible curves; ties go to the earlier place, so an empty plot gets the
// bottom-right corner.
TPixelPoint QuietBoxPlace(const TGraphPlot& plot, const TDrawArea& area, const TFloatRect& bounds, int w, int h);

// Outline vertices of marker m (1..10, other numbers wrap) around (0, 0) for radii rx, ry.
std::vector<TPixelPoint> MarkerOutline(int m, int rx, int ry);

// The curve palette (0xRRGGBB); entry k of a list uses palette[k mod 17].
inline constexpr std::array<std::uint32_t, 17> kPlotPalette = {
    0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x800080, 0x800000, 0x000080, 0xFF00FF, 0x808000,
    0x008080, 0x808080, 0x00FF00, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF};
inline std::uint32_t PaletteColour(int k) { return kPlotPalette[static_cast<std::size_t>(((k % 17) + 17) % 17)]; }

// Pen width of curves in pixels for a surface resolution and the plot's width factor.
int CurvePenWidth(int ppiX, int widthLine);

// Rounding to the nearest integer, halves to even.
int NearestInt(double value);

}  // namespace talmo
