#include "LoadingEditor.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "NumericField.h"
#include "EditorFields.h"

namespace talmo {

TLoadingEditor::TLoadingEditor(TEditorHost& host, TLoadingQuantity quantity, QWidget* parent)
    : TEditorWindow(host,
                    quantity == TLoadingQuantity::ShaftLength ? QStringLiteral("Drilled Shaft Length")
                                                              : QStringLiteral("Specification of Design Load"),
                    parent),
      quantity_(quantity) {
  auto* valueRow = new QGridLayout;
  value_ = quantity == TLoadingQuantity::ShaftLength ? AddNumberField(valueRow, 0, "Enter the proposed &length", "L2")
                                                     : AddNumberField(valueRow, 0, "Enter the &design load", "F2");

  auto* loading = new QGroupBox(QStringLiteral("Type of Loading"));
  auto* loadingRows = new QGridLayout(loading);
  compression_ = new QRadioButton(QStringLiteral("C&ompression"));
  uplift_ = new QRadioButton(QStringLiteral("&Uplift "));
  loadingRows->addWidget(compression_, 0, 0, 1, 2);
  loadingRows->addWidget(uplift_, 1, 0, 1, 2);
  reduction_ = AddNumberField(loadingRows, 2, "&Reduction factor for uplift loading", "", 1.0);
  connect(uplift_, &QRadioButton::toggled, this, &TLoadingEditor::enableReduction);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(valueRow);
  layout->addWidget(loading);
  layout->addStretch();
  WatchControls();
}

void TLoadingEditor::LoadFromProject() {
  ApplyUnits();
  const TProgramData& p = host_.Project();
  ShowNumber(value_, quantity_ == TLoadingQuantity::ShaftLength ? p.PD : p.LPD);
  (p.KCYCL == 1 ? compression_ : uplift_)->setChecked(true);
  // Shown for compression too: switching to uplift then starts from the stored factor, not
  // from whatever the field held before.
  ShowNumber(reduction_, p.RCYCL);
  enableReduction();
}

bool TLoadingEditor::CheckInput() { return CheckEntries({GreaterThanZero(value_), GreaterThanZero(reduction_)}); }

void TLoadingEditor::WriteToProject() {
  TProgramData& p = host_.Project();
  // A positive value of one quantity makes the other unknown.
  if (quantity_ == TLoadingQuantity::ShaftLength) {
    p.PD = ReadNumber(value_, p.PD);
    if (p.PD > 0) p.LPD = 0;
  } else {
    p.LPD = ReadNumber(value_, p.LPD);
    if (p.LPD > 0) p.PD = 0;
  }
  if (uplift_->isChecked()) {
    p.KCYCL = 2;
    p.RCYCL = ReadNumber(reduction_, p.RCYCL);
  } else {
    p.KCYCL = 1;
    p.RCYCL = 1.0;
  }
}

void TLoadingEditor::enableReduction() { reduction_->setEnabled(uplift_->isChecked()); }

}  // namespace talmo
