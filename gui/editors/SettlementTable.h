#pragma once
// The table of defined settlements of the design charts: columns "N" and "Settlement (in)"
// ("Settlement (m)" in SI), rows 1 to 10 of which the first "Number of Points" are shown.
// Rows beyond the shown ones keep their texts, so fewer points and then more again bring the
// earlier settlements back. Numbers are shown and read with "." as the decimal point, as in
// every numeric field.
#include <QTableWidget>
#include <array>
#include <optional>

#include "ProgramData.h"

namespace talmo {

class TSettlementTable : public QTableWidget {
  Q_OBJECT

 public:
  explicit TSettlementTable(QWidget* parent = nullptr);

  // The heading of `units`, every settlement 1, then the first `count` rows holding
  // `settlements` in shortest form and only those rows shown. Raises no change signal.
  void Load(const std::array<double, kMaxChartSettlements>& settlements, int count, int units);
  // Shows the first `count` rows (0 to 10).
  void ShowRows(int count);
  int ShownRows() const;
  // The settlement of row `row` (from 0); none when the cell does not hold a finite number.
  std::optional<double> Settlement(int row) const;
  // The settlement cell of `row`, for editing.
  QTableWidgetItem* SettlementItem(int row) const { return item(row, 1); }

  QSize sizeHint() const override;
};

}  // namespace talmo
