#include "ControlOptionsEditor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "NumericField.h"
#include "EditorFields.h"
#include "TZCurvePrinting.h"

namespace talmo {

namespace {

// A label that continues the text of the check box or radio button above it.
QLabel* continuation(QWidget* button, const QString& text) {
  auto* label = new QLabel(text);
  label->setIndent(button->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                   button->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing));
  return label;
}

}  // namespace

TDlgOptions::TDlgOptions(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("Control Options"), parent) {
  auto* endBearing = new QGroupBox(QStringLiteral("End Bearing in Sands"));
  interpolated_ = new QRadioButton(QStringLiteral("Use linear interpolation from zero at ground to "));
  maximumAtAnyDepth_ = new QRadioButton(QStringLiteral("Use maximum values at any depth"));
  auto* endBearingRows = new QVBoxLayout(endBearing);
  endBearingRows->setSpacing(2);
  endBearingRows->addWidget(interpolated_);
  endBearingRows->addWidget(continuation(interpolated_, QStringLiteral("maximum values at 10 pile diameters.")));
  endBearingRows->addWidget(maximumAtAnyDepth_);

  auto* printing = new QGroupBox(QStringLiteral("Printing Options"));
  auto* printingRows = new QGridLayout(printing);
  outputIncrement_ = AddNumberField(printingRows, 0, "Output Increment", "L2");

  auto* plot = new QGroupBox(QStringLiteral("Plot Options"));
  auto* plotRows = new QGridLayout(plot);
  useElevation_ = new QCheckBox(QStringLiteral("Use Elevation instead of Depth for Label of Vertical Axis"));
  plotRows->addWidget(useElevation_, 0, 0, 1, 3);
  elevation_ = AddNumberField(plotRows, 1, "Elevation for Top of Shaft", "L2");
  plotRows->addWidget(new QLabel(QStringLiteral("Note: Labels will be updated after analysis is completed.")), 2, 0, 1,
                      3);
  plotRows->setColumnStretch(2, 1);
  connect(useElevation_, &QCheckBox::toggled, elevation_, &QWidget::setEnabled);

  auto* editorGroup = new QGroupBox(QStringLiteral("Text Editor Options"));
  auto* editorRow = new QHBoxLayout(editorGroup);
  textEditor_ = new QLineEdit;
  auto* editorLabel = new QLabel(QStringLiteral("&Text Editor:"));
  editorLabel->setBuddy(textEditor_);
  auto* browse = new QPushButton(QStringLiteral("&Browse..."));
  connect(browse, &QPushButton::clicked, this, &TDlgOptions::BrowseClick);
  editorRow->addWidget(editorLabel);
  editorRow->addWidget(textEditor_, 1);
  editorRow->addWidget(browse);

  auto* tzGroup = new QGroupBox(QStringLiteral("Printing Additional t-z Curves"));
  tzChoice_ = new TTzPrintChoice(host, tzGroup);
  (new QVBoxLayout(tzGroup))->addWidget(tzChoice_);

  auto* close = new QPushButton(QStringLiteral("Close"));
  connect(close, &QPushButton::clicked, this, [this] { CloseEditor(this); });

  auto* layout = new QGridLayout(this);
  layout->addWidget(endBearing, 0, 0);
  layout->addWidget(printing, 0, 1);
  layout->addWidget(plot, 1, 0, 1, 2);
  layout->addWidget(editorGroup, 2, 0, 1, 2);
  layout->addWidget(tzGroup, 3, 0, 1, 2);
  layout->addWidget(close, 4, 1, Qt::AlignRight);
  layout->setRowStretch(5, 1);
  WatchControls();
}

void TDlgOptions::LoadFromProject() {
  ApplyUnits();
  const TProgramData& p = host_.Project();
  textEditor_->setText(host_.WordProcessor());
  ShowNumber(outputIncrement_, p.PINC);
  (p.IMOD == 1 ? interpolated_ : maximumAtAnyDepth_)->setChecked(true);
  useElevation_->setChecked(p.UseElevation == 1);
  elevation_->setEnabled(useElevation_->isChecked());
  ShowNumber(elevation_, p.ValElevation);
  tzChoice_->Load(p);
}

bool TDlgOptions::CheckInput() { return CheckEntries({GreaterThanZero(outputIncrement_)}); }

void TDlgOptions::WriteToProject() {
  TProgramData& p = host_.Project();
  host_.SetWordProcessor(textEditor_->text());
  p.PINC = ReadNumber(outputIncrement_, p.PINC);
  p.IMOD = interpolated_->isChecked() ? 1 : 0;
  p.UseElevation = useElevation_->isChecked() ? 1 : 0;
  p.ValElevation = ReadNumber(elevation_, p.ValElevation);
  tzChoice_->Store(p);
}

void TDlgOptions::BrowseClick() {
  // Programs carry no extension here, so both choices show every file.
  int filterIndex = 1;
  const QString program = host_.Dialogs().OpenFile(
      this, textEditor_->text(), {QStringLiteral("Programs (*)"), QStringLiteral("All Files (*)")}, filterIndex);
  if (!program.isEmpty()) textEditor_->setText(program);
}

}  // namespace talmo
