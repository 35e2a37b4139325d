#include "ActiveLinesDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace talmo {

TfrmActiveLines::TfrmActiveLines(const QStringList& names, const QList<bool>& active, QWidget* parent)
    : QDialog(parent), names_(names), active_(active) {
  setWindowTitle("Active Curves");
  setMinimumSize(190, 234);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(new QLabel("Select Curve to Active/Desactive", this));
  auto* headings = new QHBoxLayout;
  headings->addWidget(new QLabel("Active :", this));
  headings->addWidget(new QLabel("Curve", this), 1);
  layout->addLayout(headings);
  lbLines = new QListWidget(this);
  lbLines->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (int i = 0; i < names_.size(); ++i) {
    lbLines->addItem(QString());
    refresh(i);
  }
  if (lbLines->count() > 0) lbLines->setCurrentRow(0);
  layout->addWidget(lbLines, 1);
  auto* toggle = new QPushButton("Activate/Deactivate Selected", this);
  auto* all = new QPushButton("Activate All", this);
  auto* none = new QPushButton("Deactivate All", this);
  auto* ok = new QPushButton("&OK", this);
  auto* cancel = new QPushButton("&Cancel", this);
  auto* grid = new QGridLayout;
  grid->addWidget(toggle, 0, 0, 1, 2);
  grid->addWidget(all, 1, 0);
  grid->addWidget(none, 1, 1);
  grid->addWidget(ok, 2, 0);
  grid->addWidget(cancel, 2, 1);
  layout->addLayout(grid);
  connect(toggle, &QPushButton::clicked, this, &TfrmActiveLines::ToggleSelected);
  connect(all, &QPushButton::clicked, this, [this] { SetAll(true); });
  connect(none, &QPushButton::clicked, this, [this] { SetAll(false); });
  connect(lbLines, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    const int row = lbLines->row(item);
    active_[row] = !active_[row];
    refresh(row);
  });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmActiveLines::refresh(int row) {
  lbLines->item(row)->setText(QString(active_[row] ? " yes : " : " no  : ") + "   " + names_[row]);
}

void TfrmActiveLines::ToggleSelected() {
  QList<int> rows;
  for (QListWidgetItem* item : lbLines->selectedItems()) rows << lbLines->row(item);
  if (rows.isEmpty() && lbLines->currentRow() >= 0) rows << lbLines->currentRow();
  for (int row : rows) {
    active_[row] = !active_[row];
    refresh(row);
  }
}

void TfrmActiveLines::SetAll(bool active) {
  for (int row = 0; row < active_.size(); ++row) {
    active_[row] = active;
    refresh(row);
  }
}

}  // namespace talmo
