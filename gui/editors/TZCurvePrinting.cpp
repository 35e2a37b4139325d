#include "TZCurvePrinting.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "EditorFields.h"
#include "GridTableEditor.h"

namespace talmo {

TTzPrintChoice::TTzPrintChoice(TEditorHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  box_ = new QCheckBox(QStringLiteral("&Print Internally-Generated"));
  auto* label = new QLabel(QStringLiteral("t-z Curves for Verification"));
  // The label continues the box's text, so it starts where the text does.
  label->setIndent(style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                   style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
  editDepths_ = new QPushButton(QStringLiteral("Edit Depths"));
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(box_, 0, 0);
  grid->addWidget(label, 1, 0);
  grid->addWidget(editDepths_, 0, 1, 2, 1, Qt::AlignVCenter);
  grid->setColumnStretch(2, 1);
  connect(box_, &QCheckBox::toggled, editDepths_, &QWidget::setEnabled);
  connect(editDepths_, &QPushButton::clicked, this, &TTzPrintChoice::editDepths);
}

void TTzPrintChoice::Load(const TProgramData& p) {
  box_->setChecked(p.PrintTZCurves == 1);
  editDepths_->setEnabled(box_->isChecked());
}

void TTzPrintChoice::Store(TProgramData& p) const { p.PrintTZCurves = box_->isChecked() ? 1 : 0; }

void TTzPrintChoice::editDepths() { ShowTableEditorModal(host_.Tables().TblTZDepth(), this); }

TDlgTZPrint::TDlgTZPrint(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("Option of Printing t-z Curves"), parent) {
  choice_ = new TTzPrintChoice(host);
  auto* close = new QPushButton(QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, [this] { CloseEditor(this); });
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(choice_);
  layout->addStretch();
  layout->addLayout(buttons);
  WatchControls();
}

void TDlgTZPrint::LoadFromProject() {
  ApplyUnits();
  choice_->Load(host_.Project());
}

void TDlgTZPrint::WriteToProject() { choice_->Store(host_.Project()); }

}  // namespace talmo
