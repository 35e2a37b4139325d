#pragma once
// Linear interpolation in design tables read off charts: one-way tables (a value against one
// key) and two-way tables (rows against one key, columns against another). Keys increase; a key
// outside a table takes the value at the nearest end, so a table never extrapolates.
#include <span>

#include "real.h"

namespace talmo {

// Value at x in the table (keys[i], values[i]); both spans have the same, non-zero size.
Real lookup(std::span<const Real> keys, std::span<const Real> values, Real x);

// Value at (row, column) in a table whose rows stand at rowKeys and columns at columnKeys;
// `values` holds the rows one after the other. Linear in the column key along each row, then
// linear in the row key between the two rows bracketing `row`.
Real lookup(std::span<const Real> rowKeys, std::span<const Real> columnKeys, std::span<const Real> values,
            Real row, Real column);

}  // namespace talmo
