#include "table_lookup.h"

namespace talmo {

Real lookup(std::span<const Real> keys, std::span<const Real> values, Real x) {
  if (!(x > keys.front())) return values.front();  // also a NaN key: the first value
  for (std::size_t i = 1; i < keys.size(); ++i) {
    if (x <= keys[i]) {
      const Real t = (x - keys[i - 1]) / (keys[i] - keys[i - 1]);
      return values[i - 1] + (values[i] - values[i - 1]) * t;
    }
  }
  return values.back();
}

Real lookup(std::span<const Real> rowKeys, std::span<const Real> columnKeys, std::span<const Real> values,
            Real row, Real column) {
  const std::size_t width = columnKeys.size();
  auto alongRow = [&](std::size_t r) { return lookup(columnKeys, values.subspan(r * width, width), column); };
  if (!(row > rowKeys.front())) return alongRow(0);
  for (std::size_t r = 1; r < rowKeys.size(); ++r) {
    if (row <= rowKeys[r]) {
      const Real t = (row - rowKeys[r - 1]) / (rowKeys[r] - rowKeys[r - 1]);
      const Real above = alongRow(r - 1);
      return above + (alongRow(r) - above) * t;
    }
  }
  return alongRow(rowKeys.size() - 1);
}

}  // namespace talmo
