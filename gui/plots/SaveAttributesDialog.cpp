#include "SaveAttributesDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

#include "NumericField.h"
#include "PlotLayout.h"

namespace talmo {

namespace {

TDataEdit* AddField(QFormLayout* form, const QString& caption, const QString& units, double minimum,
                    double value, QWidget* parent) {
  auto* field = new TDataEdit(parent);
  auto* label = new QLabel(parent);
  field->SetEditLabel(label);
  field->SetCaption(caption);
  field->SetUnitsString(units);
  field->SetUnits(3);
  field->SetMinVal(minimum);
  field->SetNumber(value);
  form->addRow(label, field);
  return field;
}

}  // namespace

TdlgFormat::TdlgFormat(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Save Attributes");
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  deHeight = AddField(form, "&Height", "in", 2.0, 4.0, this);
  deWidth = AddField(form, "&Width", "in", 2.0, 6.0, this);
  dePPI = AddField(form, "&Pixels Per Inch", "", 10, 72, this);
  dePPI->SetIntegerOnly(true);
  dePPI->SetMaxVal(std::numeric_limits<int>::max());
  layout->addLayout(form);
  auto* colours = new QGroupBox("Colors", this);
  auto* colourLayout = new QVBoxLayout(colours);
  for (const char* text :
       {"Black and White", "256 Colors", "High Color (16 bit)", "True Color (24 bit)", "16 Colors"}) {
    auto* button = new QRadioButton(text, colours);
    button->setChecked(QString(text) == "16 Colors");
    colourLayout->addWidget(button);
  }
  layout->addWidget(colours);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &TdlgFormat::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TdlgFormat::reject);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

int TdlgFormat::PixelsPerInch() const { return NearestInt(dePPI->Number()); }

QSize TdlgFormat::PixelSize() const {
  const double p = PixelsPerInch();
  return {NearestInt(p * deWidth->Number()), NearestInt(p * deHeight->Number())};
}

void TdlgFormat::accept() {
  for (TDataEdit* field : {deHeight, deWidth, dePPI})
    if (!field->CloseQuery()) return;
  QDialog::accept();
}

}  // namespace talmo
