#include "ExportDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "WorkbookExport.h"

namespace talmo {

namespace {

// The workbook is a file now, not a window of a running spreadsheet program: the notes say so.
constexpr const char* kNotes[] = {
    "The workbook is written to a file of your choice and then opened in your spreadsheet program.",
    "Please wait until all the data has been exported to the workbook.",
    "The workbook is saved when it is written; there is nothing to save afterwards.",
    "Results exported will be for the current load case/combination.",
};

}  // namespace

TDlgExport::TDlgExport(TMainPlots& plots, std::vector<int> rows, TUserDialogs& dialogs, const QString& proposedFile,
                       QWidget* parent)
    : QDialog(parent), plots_(plots), dialogs_(dialogs), proposedFile_(proposedFile) {
  setWindowTitle("Export to Excel");
  auto* layout = new QVBoxLayout(this);
  for (const char* note : kNotes) layout->addWidget(new QLabel(note));

  auto* group = new QGroupBox("Available Plots");
  auto* groupLayout = new QVBoxLayout(group);
  list_ = new QListWidget;
  list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 50, list_->fontMetrics().height() * 16);
  groupLayout->addWidget(list_);
  layout->addWidget(group);
  connect(list_, &QListWidget::itemChanged, this, [this] { updateGenerateButton(); });

  markers_ = new QCheckBox("Add markers in plots");
  markers_->setChecked(true);
  layout->addWidget(markers_);

  auto* buttons = new QHBoxLayout;
  auto button = [&](const char* text, auto click) {
    auto* b = new QPushButton(text);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, click);
    buttons->addWidget(b);
    return b;
  };
  button("Select All", [this] { SelectAllClick(); });
  button("Unselect All", [this] { UnselectAllClick(); });
  generate_ = button("Generate Excel File", [this] { GenerateClick(); });
  button("Close Window", [this] { accept(); });
  layout->addLayout(buttons);

  Refill(std::move(rows));
}

void TDlgExport::Refill(std::vector<int> rows) {
  indices_ = std::move(rows);
  const QSignalBlocker quiet(list_);
  list_->clear();
  const auto all = plots_.All();
  for (int row : indices_) {
    auto* item = new QListWidgetItem(QString::fromStdString(all[static_cast<std::size_t>(row)]->Caption), list_);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
  }
  updateGenerateButton();
}

void TDlgExport::setAllChecked(bool checked) {
  {
    const QSignalBlocker quiet(list_);
    for (int i = 0; i < list_->count(); ++i) {
      QListWidgetItem* item = list_->item(i);
      if (item->flags() & Qt::ItemIsEnabled) item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
  }
  updateGenerateButton();
}

void TDlgExport::updateGenerateButton() {
  bool any = false;
  for (int i = 0; i < list_->count() && !any; ++i) any = list_->item(i)->checkState() == Qt::Checked;
  generate_->setEnabled(any);
}

void TDlgExport::GenerateClick() {
  std::vector<const TGraphPlot*> chosen;
  const auto all = plots_.All();
  for (int i = 0; i < list_->count(); ++i)
    if (list_->item(i)->checkState() == Qt::Checked) chosen.push_back(all[static_cast<std::size_t>(indices_[i])]);
  if (chosen.empty()) return;

  QString file = dialogs_.SaveFile(this, "Save Excel Workbook As", proposedFile_,
                                   {"Excel Workbook(*.xlsx)", "All Files(*)"});
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += ".xlsx";
  file = QFileInfo(file).absoluteFilePath();
  proposedFile_ = file;

  TWorkbookExportResult result;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  try {
    result = WriteWorkbook(file.toStdString(), chosen, markers_->isChecked());
  } catch (const std::exception& e) {
    QApplication::restoreOverrideCursor();
    dialogs_.Information(this, QString::fromStdString(e.what()));
    return;
  }
  QApplication::restoreOverrideCursor();
  more255_ = result.more255;
  QString message = QString::fromStdString(ExportCompletedMessage(file.toStdString(), more255_));
  if (!dialogs_.OpenDocument(file)) message += "No spreadsheet program could open it; open it from its folder.\r";
  dialogs_.Information(this, message);
}

}  // namespace talmo
