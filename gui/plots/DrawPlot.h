#pragma once
// DrawPlot: paints one plot onto any QPainter surface (window, printer page, image, SVG) from
// a layout computed by PlotLayout: white background, captions, ticks with dotted grid and
// labels, curves with markers, the legend box for print and image, the soil-layer column and
// the frame of the graph. It draws only; every position comes from the layout functions.
#include <QPainter>

#include "PlotLayout.h"
#include "PlotModel.h"

namespace talmo {

// Base text height of a surface in pixels: the window's 14-pixel font on screen, and the same
// physical size (14 pixels at 96 ppi) on a printer page or in an image.
int BaseFontHeight(int ppiY);

// Where the legend box of a print or an image goes: where it hides least of the curves, or,
// once the user has placed the on-screen legend, at its top-left corner taken as fractions of
// the window's width and height.
struct TLegendPlacement {
  bool automatic = true;
  double fx = 0.7;
  double fy = 0.7;
};

// Paints `plot` over the data range `bounds` on `painter`, laid out by `area`.
void DrawPlot(QPainter& painter, const TGraphPlot& plot, const TDrawArea& area, const TFloatRect& bounds,
              const TLegendPlacement& legend = {});

// The plot's serif font at a pixel height, normal or bold.
QFont PlotFont(int pixelHeight, bool bold);

}  // namespace talmo
