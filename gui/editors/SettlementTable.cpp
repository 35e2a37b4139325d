#include "SettlementTable.h"

#include <QHeaderView>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "Errors.h"
#include "ExpressionEvaluator.h"

namespace talmo {

namespace {

// With "." as the decimal point whatever the user's locale, like every numeric field.
QString shortestForm(double value) {
  QLocale locale = QLocale::c();
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

TSettlementTable::TSettlementTable(QWidget* parent) : QTableWidget(kMaxChartSettlements, 2, parent) {
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  horizontalHeader()->setStretchLastSection(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  for (int row = 0; row < kMaxChartSettlements; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row + 1));
    number->setFlags(Qt::ItemIsEnabled);  // the point's number is not edited
    setItem(row, 0, number);
    setItem(row, 1, new QTableWidgetItem);
  }
}

void TSettlementTable::Load(const std::array<double, kMaxChartSettlements>& settlements, int count, int units) {
  const QSignalBlocker quiet(this);
  count = std::clamp(count, 0, kMaxChartSettlements);
  setHorizontalHeaderLabels(
      {QStringLiteral("N"), units == 2 ? QStringLiteral("Settlement (m)") : QStringLiteral("Settlement (in)")});
  for (int row = 0; row < kMaxChartSettlements; ++row)
    item(row, 1)->setText(row < count ? shortestForm(settlements[static_cast<std::size_t>(row)]) : QStringLiteral("1"));
  ShowRows(count);
}

void TSettlementTable::ShowRows(int count) {
  for (int row = 0; row < kMaxChartSettlements; ++row) setRowHidden(row, row >= count);
}

int TSettlementTable::ShownRows() const {
  int shown = 0;
  while (shown < kMaxChartSettlements && !isRowHidden(shown)) ++shown;
  return shown;
}

std::optional<double> TSettlementTable::Settlement(int row) const {
  // Read as the numeric fields read their entries ("." as the decimal point, expressions too).
  double value = 0;
  try {
    value = EvaluateExpression(item(row, 1)->text().toStdString());
  } catch (const EAssignError&) {
    return std::nullopt;
  }
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

QSize TSettlementTable::sizeHint() const {
  const int rowHeight = verticalHeader()->defaultSectionSize();
  return {fontMetrics().averageCharWidth() * 26, horizontalHeader()->sizeHint().height() + rowHeight * 6};
}

}  // namespace talmo
