#pragma once
// Changing the soil type of a layer: the layer's own table becomes a fresh copy of the new
// type's template, and the values whose meaning the old and new types share are carried over
// into it (top and bottom rows alike); every other value starts at the template's default.
#include "GridTable.h"

namespace talmo {

// Sets the soil type (1 to 9) of row `row` of the soil-layer table and carries the shared
// values over. Choosing the type the row already has changes nothing.
void ChangeSoilType(TGridTable& layers, int row, int soilType);

}  // namespace talmo
