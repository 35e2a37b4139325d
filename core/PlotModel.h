#pragma once
// The plot model: one TGraphPlot per result diagram, holding named polylines (TLine) of
// floating-point points, the texts and unit codes of its axes, the display options the plot
// window reads and writes back, and the soil-layer column drawn beside depth curves.
//
// The model knows nothing of windows. The Qt layer creates the plot window (Show), sets
// FormExists while the window lives and registers a closer with SetFormCloser; Hide and the
// plot's destruction call that closer, so a window never outlives the plot it shows.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace talmo {

struct TFloatPoint {
  double x = 0.0;
  double y = 0.0;
};

// A data range. Left/Right bound x; Top is the y value drawn at the upper edge of the graph,
// so for a plot with reversed y (elevations) Top is the larger value.
struct TFloatRect {
  double Left = 0.0;
  double Right = 0.0;
  double Top = 0.0;
  double Bottom = 0.0;
};

class TGraphPlot;

// One curve: an ordered polyline owned by a plot.
class TLine {
 public:
  explicit TLine(TGraphPlot* owner, double value) : owner_(owner), Value(value) {}
  TLine(const TLine&) = delete;
  TLine& operator=(const TLine&) = delete;

  int Count() const { return static_cast<int>(points_.size()); }
  // Appends zero points at the end or drops points from the end; negative counts as 0.
  void SetCount(int count);

  // Point access; an index outside the line throws std::out_of_range.
  TFloatPoint& operator[](int index) { return points_.at(checkedIndex(index)); }
  const TFloatPoint& operator[](int index) const { return points_.at(checkedIndex(index)); }
  const std::vector<TFloatPoint>& Points() const { return points_; }

  // The name shown in legends and menus: the line's own name when it has one; for a line of
  // the main list at position i, entry i of the plot's DefLineNames when there is one;
  // otherwise the plot's CurveName followed by Value ("Curve #3").
  std::string LineName() const;

  TGraphPlot* Owner() const { return owner_; }

 private:
  static std::size_t checkedIndex(int index) {
    return index < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(index);
  }

  TGraphPlot* owner_;  // not owned
  std::vector<TFloatPoint> points_;

 public:
  double Value;          // set at creation to the main list's line count + 1
  std::string fValueS;   // the curve's own name; empty when it has none
  bool Visible = true;   // drawn
  bool Active = true;    // takes part in the window (legend, menu, colour slot)
};

class TGraphPlot {
 public:
  TGraphPlot();
  ~TGraphPlot();
  // Lines keep a pointer to their plot, and a window may point at it: a plot stays in place.
  TGraphPlot(const TGraphPlot&) = delete;
  TGraphPlot& operator=(const TGraphPlot&) = delete;

  // Main list: the curves.
  int LineCount() const { return main_.lineCount(); }
  void SetLineCount(int n) { main_.setLineCount(n); }
  int Count() const { return main_.pointCount(); }
  void SetCount(int n) { main_.setPointCount(n); }
  TLine& Lines(int i) { return main_.line(i); }
  const TLine& Lines(int i) const { return main_.line(i); }
  TFloatPoint& Data(int i, int j) { return main_.line(i)[j]; }

  // Layer list: one line of one point per soil layer (x = fill code, y = bottom of the layer).
  int LayerLineCount() const { return layers_.lineCount(); }
  void SetLayerLineCount(int n) { layers_.setLineCount(n); }
  int LayerCount() const { return layers_.pointCount(); }
  void SetLayerCount(int n) { layers_.setPointCount(n); }
  TLine& LayerLines(int i) { return layers_.line(i); }
  const TLine& LayerLines(int i) const { return layers_.line(i); }
  TFloatPoint& LayerData(int i, int j) { return layers_.line(i)[j]; }

  // The two secondary lists of the three-graph mode (never turned on by this program).
  int LineCount2() const { return second_.lineCount(); }
  void SetLineCount2(int n) { second_.setLineCount(n); }
  int Count2() const { return second_.pointCount(); }
  void SetCount2(int n) { second_.setPointCount(n); }
  TLine& Lines2(int i) { return second_.line(i); }
  TFloatPoint& Data2(int i, int j) { return second_.line(i)[j]; }
  int LineCount3() const { return third_.lineCount(); }
  void SetLineCount3(int n) { third_.setLineCount(n); }
  int Count3() const { return third_.pointCount(); }
  void SetCount3(int n) { third_.setPointCount(n); }
  TLine& Lines3(int i) { return third_.line(i); }
  TFloatPoint& Data3(int i, int j) { return third_.line(i)[j]; }

  // 0-based position of a line in the main list, or -1 when it is not one of its lines.
  int MainIndexOf(const TLine& line) const { return main_.indexOf(line); }

  bool HasSomethingToDraw() const { return LineCount() > 0; }

  // Unit system of the axis labels: 1 English, 2 SI, 3 codes as written; clamped into 1..3.
  int Units() const { return units_; }
  void SetUnits(int units);
  // Label of a unit code in this plot's unit system ("F/L^2" -> "lbs/in^2" or "kN/m^2").
  std::string ExpandUnits(const std::string& units) const;

  // Window link, set by the Qt layer. Hide closes an existing window through the closer.
  void SetFormCloser(std::function<void()> closer) { formCloser_ = std::move(closer); }
  void Hide();

  std::string Caption;
  std::string CurveName = "Curve #";
  std::string XCaption, YCaption, XUnits, YUnits;
  std::string XCaption2, YCaption2, XUnits2, YUnits2;
  std::string XCaption3, YCaption3, XUnits3, YUnits3;
  bool XOnTop = true;       // x labels at the top and y growing downward (depth plots)
  bool Yreversed = false;   // y values are elevations: the largest is drawn at the top
  bool ShowLegend = true;
  bool ShowLayers = false;
  bool ShowWall = false;
  int WallLineCount = 0;
  bool ShowThree = false;
  bool ShowFontWidth = true;
  int Markers = 1;          // 0 none, n a marker on every n-th point
  int SizeFont = 10;        // font size factor in tenths of the base font
  int LegendFont = 11;      // legend font point size at factor 10
  int WidthLine = 1;        // curve pen width factor
  bool LimitActive = true;  // a window opens with only the first 20 lines active
  // Optional hook that may rewrite a legend text (line index, text) when a window opens.
  std::function<void(int, std::string&)> onGetCaption;
  std::vector<std::string> DefLineNames;
  std::string UserCaption;
  bool UserCaptionOnTop = false;
  double LayersTop = 0.0;   // y of the top of the first soil layer
  bool FormExists = false;  // a plot window currently shows this plot

 private:
  // One of the four ordered lists of owned lines.
  class LineList {
   public:
    explicit LineList(TGraphPlot& plot) : plot_(plot) {}
    int lineCount() const { return static_cast<int>(lines_.size()); }
    void setLineCount(int n);
    int pointCount() const { return lines_.empty() ? 0 : lines_.front()->Count(); }
    void setPointCount(int n);
    TLine& line(int i) const;
    int indexOf(const TLine& line) const;

   private:
    TGraphPlot& plot_;
    std::vector<std::unique_ptr<TLine>> lines_;
  };

  LineList main_{*this};
  LineList layers_{*this};
  LineList second_{*this};
  LineList third_{*this};
  int units_ = 1;
  std::function<void()> formCloser_;
};

// Shortest readable text of a number for curve names and captions: general format with at
// most 8 significant digits, so 3.5 reads "3.5" and 1.0 + 2 * 0.152 reads "1.304", not the
// binary neighbour 1.3039999999999998.
std::string PlotNumberText(double value);

}  // namespace talmo
