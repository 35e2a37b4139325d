#include "GraphCaptionDialog.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "PlotModel.h"

namespace talmo {

TfrmGraphCaption::TfrmGraphCaption(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Graph Caption");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Enter Graph Caption", this));
  edtCaption = new QLineEdit(this);
  edtCaption->setMinimumWidth(320);
  layout->addWidget(edtCaption);
  auto* place = new QGroupBox("Caption Location", this);
  auto* placeLayout = new QHBoxLayout(place);
  rbTop = new QRadioButton("Top", place);
  rbBottom = new QRadioButton("Bottom", place);
  placeLayout->addWidget(rbTop);
  placeLayout->addWidget(rbBottom);
  layout->addWidget(place);
  auto* ok = new QPushButton("&OK", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

void TfrmGraphCaption::LoadFrom(const TGraphPlot& plot) {
  edtCaption->setText(QString::fromStdString(plot.UserCaption));
  rbTop->setChecked(plot.UserCaptionOnTop);
  rbBottom->setChecked(!plot.UserCaptionOnTop);
}

void TfrmGraphCaption::StoreInto(TGraphPlot& plot) const {
  plot.UserCaption = edtCaption->text().toStdString();
  plot.UserCaptionOnTop = rbTop->isChecked();
}

}  // namespace talmo
