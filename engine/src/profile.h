#pragma once
// The soil profile as the models see it: layer bottoms on whole feet, the linear interpolation
// of a layer's parameters between its top and its bottom, and the vertical effective stress.
// Units: ft, pcf, psf.
#include <vector>

#include "real.h"
#include "run_model.h"

namespace talmo {

inline constexpr Real kUnitWeightWater = 62.4f;  // pcf

// A depth brought to a whole foot: the fraction is dropped, and one foot added when it was
// 0.5 or more (20.5 ft becomes 21 ft, 20.4 ft becomes 20 ft).
Real roundToWholeFoot(Real depth);

// The layers with every top and bottom on whole feet.
std::vector<Layer> wholeFootLayers(const std::vector<Layer>& layers);

// Index of the layer holding depth d (top < d <= bottom); the first layer holds d <= 0 and
// the last one every depth below the profile.
std::size_t layerIndexAt(const std::vector<Layer>& layers, Real depth);

// Every parameter of the layer at position z (ft below the layer's top), interpolated linearly
// between the top and the bottom values. Nothing is taken from a neighbouring layer.
LayerEnd interpolate(const Layer& layer, Real z);

// One parameter at position z.
Real interpolate(const Layer& layer, Real LayerEnd::*field, Real z);

// Vertical effective stress (psf) at every whole foot 0 .. maxDepth, accumulated over one-foot
// increments with the submerged unit weight below the water table WTD (ft).
std::vector<Real> effectiveStressTable(const std::vector<Layer>& layers, Real WTD, int maxDepth);

// Effective stress at depth d (ft) from the table: the stress at the whole foot at or above d.
Real effectiveStressAt(const std::vector<Real>& table, Real depth);

// Effective stress at the middle of the one-foot step that ends at `depth`: half a foot of the
// step's unit weight less, submerged below the water table.
Real midStepStress(Real sigmaV, Real GAMMA, Real depth, Real WTD);

}  // namespace talmo
