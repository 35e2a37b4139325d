#include "SettlementTable.h"

#include <QHeaderView>
#include <QLocale>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

namespace talmo {

namespace {

QString shortestForm(double value) {
  QLocale locale;
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
  const QString text = item(row, 1)->text().trimmed();
  bool ok = false;
  double value = QLocale().toDouble(text, &ok);
  // A point typed as in the project file is understood in any locale.
  if (!ok) value = QLocale::c().toDouble(text, &ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

QSize TSettlementTable::sizeHint() const {
  const int rowHeight = verticalHeader()->defaultSectionSize();
  return {fontMetrics().averageCharWidth() * 26, horizontalHeader()->sizeHint().height() + rowHeight * 6};
}

}  // namespace talmo
