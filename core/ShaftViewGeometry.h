#pragma once
// Window-free geometry of the shaft views: the shaft and soil profile as entered (diameter,
// bell, excluded portions, length, water table, layers), the parts and model window of the
// elevation, the extents and scales of the 3D view, the capacity curves drawn beside the
// shaft, and the size-factor ladder of the curves. Lengths are in the project's unit system
// (ft or m); nothing here writes to the project.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ProgramData.h"
#include "ResultLoading.h"

namespace talmo {

class TGraphPlot;

// The project quantities the views draw.
struct TShaftProfile {
  double D = 0;   // shaft diameter
  double R = 0;   // bell diameter ratio
  double A = 0;   // bell angle, degrees from the vertical
  double T = 0;   // excluded top length
  double B = 0;   // excluded bottom length
  double W = 0;   // water-table depth (0 or less: none)
  double L = 0;   // shaft length
  std::vector<TSoilLayerEntry> layers;  // type and bottom depth, top down

  double LastLayerBottom() const { return layers.empty() ? 0.0 : layers.back().bottomDepth; }
  // Top depth of layer i: the bottom of the layer above, 0 for the first.
  double LayerTop(std::size_t i) const { return i == 0 ? 0.0 : layers[i - 1].bottomDepth; }
};

// The profile of the current project. A shaft length below 1e-4 (not entered yet), and any
// length of a design-load project (METHOD 1, whose length the analysis finds), is drawn down
// to the bottom of the last layer. The project is only read.
TShaftProfile ShaftProfileOf(const TProgramData& project);

// Height of the bell below the shaft: D (R - 1) / 2 / tan(A); 0 for a straight shaft (R <= 1)
// or an angle outside 0 < A < 90 degrees.
double BellHeight(double D, double R, double A);

// Soil name of a type code in the elevation view ("Decomposed Rock/Gravel") and in the 3D
// view's labels ("Strong Rock(FHWA)", "Layer n" for an unknown code).
std::string ElevationSoilName(int type);
std::string BlockSoilName(int type, int layerNumber);

// ---------------------------------------------------------------- elevation view

// A point of the elevation: x across from the shaft axis, y downward; y = depth + 2D, so the
// ground surface lies two diameters below the top of the drawing.
struct TViewPoint {
  double x = 0;
  double y = 0;
};

struct TRgb {
  int red = 0, green = 0, blue = 0;
  bool operator==(const TRgb&) const = default;
};

// One coloured part of the shaft: a quadrilateral (top-left, top-right, bottom-left,
// bottom-right).
struct TShaftPart {
  std::array<TViewPoint, 4> corners;
  TRgb fill;
};

// The four parts in drawing order: excluded top (red), effective shaft (gray), excluded
// bottom (blue), bell (gray trapezoid from D to R D); a part of no height is flat.
std::vector<TShaftPart> ElevationParts(const TShaftProfile& profile);

// Model rectangle: Left/Right across, Top/Bottom the y range (Top < Bottom).
struct TViewRect {
  double Left = 0, Right = 0, Top = 0, Bottom = 0;
};

// Extent of the drawing: the parts across (at most 0 on the left, at least 0 on the right) and
// from y = 0 down to the deeper of the shaft tip and the last layer's bottom.
TViewRect ElevationExtent(const TShaftProfile& profile, const std::vector<TShaftPart>& parts);

// The model window mapped onto a client area of the given size: the extent widened across
// (a wide window) or stretched downward (a tall window) so that the shaft keeps its true
// proportions. Empty when the extent or the client area has no size.
std::optional<TViewRect> ElevationWindow(const TViewRect& extent, int clientWidth, int clientHeight);

// ---------------------------------------------------------------- 3D view

struct TBlockExtents {
  double G = 0;     // half-size of the soil blocks in plan
  double Zmax = 0;  // deepest point drawn: shaft tip or last layer bottom
  double H = 0;     // fitting height
  double Width = 0; // fitting width, 2G
};
TBlockExtents BlockExtents(const TShaftProfile& profile);

// Pixels per model unit at zoom 1: the model fits the window with 25 pixels to spare on each
// side.
double BlockFitScale(const TBlockExtents& extents, int clientWidth, int clientHeight);

// Half-depth of the orthographic box (near and far planes at plus and minus this), in pixels.
double BlockDepthRange(const TBlockExtents& extents, double D, int clientWidth, int clientHeight);

// Layer colour (red, green, blue in 0..1) by the layer's position in the table.
std::array<double, 3> BlockLayerColour(int layerIndex);

// A value label: exponent format with 4 significant digits for nonzero magnitudes of at most
// 0.001 or at least 100000, fixed with 3 decimals otherwise (0 reads 0.000).
std::string BlockValueLabel(double value);

// One capacity curve drawn beside the shaft in the plane y = 0: a strip of quadrilaterals
// (x, z) between the shaft-side line x = D and the curve, and its largest value.
struct TCurveStrip {
  std::vector<std::array<TViewPoint, 4>> quads;  // x across, y = z (negative depth)
  double maxValue = 0;
  double maxDepth = 0;
  double labelX = 0;   // where the largest value is written
};

// The three curves of a combined capacity plot (skin friction, tip resistance, total), each
// value scaled so that the largest magnitude over all three lines spans 2 D x factor. A point
// lies at its shaft length (read back from the elevation when the plot holds elevations), so
// each curve ends level with the shaft tip. Empty when the plot has no points, or every value
// is 0: a curve scale needs a nonzero largest value.
std::vector<TCurveStrip> CombinedCurveStrips(const TGraphPlot& plot, const TShaftProfile& profile,
                                             bool useElevation, double groundElevation, double factor);

// The next size factor on a 1-2-...-9-10-20 ladder within its decade (up or down); a factor
// that is not positive becomes 1.
double StepSizeFactor(double factor, bool up);

}  // namespace talmo
