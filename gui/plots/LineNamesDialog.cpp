#include "LineNamesDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "PlotLayout.h"
#include "UserDialogs.h"

namespace talmo {

TfrmLineNames::TfrmLineNames(const QStringList& names, TUserDialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setWindowTitle("Legend");
  setMinimumSize(195, 167);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 10, 10, 10);
  layout->addWidget(new QLabel("Select line to modify:", this));
  lbLines = new QListWidget(this);
  lbLines->addItems(names);
  layout->addWidget(lbLines, 1);
  layout->addWidget(new QLabel("Type new legend below:", this));
  edLine = new QLineEdit(this);
  edLine->installEventFilter(this);
  layout->addWidget(edLine);
  auto* buttons = new QHBoxLayout;
  auto* ok = new QPushButton("&OK", this);
  auto* cancel = new QPushButton("&Cancel", this);
  buttons->addSpacing(10);
  buttons->addWidget(ok);
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addSpacing(10);
  layout->addLayout(buttons);
  connect(ok, &QPushButton::clicked, this, &TfrmLineNames::accept);
  connect(cancel, &QPushButton::clicked, this, &TfrmLineNames::reject);
  connect(lbLines, &QListWidget::currentRowChanged, this, &TfrmLineNames::selectEntry);
  connect(edLine, &QLineEdit::returnPressed, this, &TfrmLineNames::StoreEdit);
  if (lbLines->count() > 0) {
    lbLines->setCurrentRow(0);
    selectEntry(0);
  }
}

void TfrmLineNames::selectEntry(int row) {
  if (row < 0) return;
  edLine->setText(lbLines->item(row)->text());
  QPalette palette = edLine->palette();
  palette.setColor(QPalette::Text, QColor::fromRgb(static_cast<QRgb>(PaletteColour(row))));
  edLine->setPalette(palette);
}

bool TfrmLineNames::StoreEdit() {
  QListWidgetItem* item = lbLines->currentItem();
  if (item == nullptr) return true;
  if (edLine->text().isEmpty()) {
    dialogs_.Information(this, "The line must have a name!");
    edLine->setText(item->text());
    return false;
  }
  item->setText(edLine->text());
  return true;
}

bool TfrmLineNames::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edLine && event->type() == QEvent::FocusOut) StoreEdit();
  return QDialog::eventFilter(watched, event);
}

QStringList TfrmLineNames::Names() const {
  QStringList names;
  for (int i = 0; i < lbLines->count(); ++i) names << lbLines->item(i)->text();
  return names;
}

void TfrmLineNames::accept() {
  if (StoreEdit()) QDialog::accept();
}

}  // namespace talmo
