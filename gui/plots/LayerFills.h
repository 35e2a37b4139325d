#pragma once
// Fills of the soil-layer column by fill code: six hatches (1..6) and six small
// monochrome pictures (7..12: stipple, dashed courses, bricks, crossed bricks, stipple with
// pebbles, pebbles) tiled as a brush; the print tiles are coarser-grained for paper.
#include <QPainter>

namespace talmo {

// Fills `band` with the pattern of a fill code (nothing for a code without one). Hatch lines
// are drawn a twelfth of an inch apart at the surface's resolution, so they look alike on
// screen, paper and in an SVG drawing.
void FillLayerBand(QPainter& painter, const QRect& band, int fillCode, bool printTiles, int ppi);

}  // namespace talmo
