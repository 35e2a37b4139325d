#include "PileDiagrams.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cstdlib>

#include "BlockView.h"
#include "ShaftViewGeometry.h"

namespace talmo {

// ---------------------------------------------------------------- size factor box

TSizeFactorBox::TSizeFactorBox(QWidget* parent) : QAbstractSpinBox(parent) {
  SetFactor(1.0);
  connect(lineEdit(), &QLineEdit::textEdited, this, &TSizeFactorBox::textTyped);
}

void TSizeFactorBox::SetFactor(double factor) {
  factor_ = factor;
  lineEdit()->setText(QLocale().toString(factor, 'g', QLocale::FloatingPointShortest));
}

void TSizeFactorBox::stepBy(int steps) {
  for (int i = 0; i < std::abs(steps); ++i) factor_ = StepSizeFactor(factor_, steps > 0);
  SetFactor(factor_);
  emit FactorChanged(factor_);
}

void TSizeFactorBox::textTyped(const QString& text) {
  if (text.trimmed().isEmpty()) return;
  bool ok = false;
  double value = QLocale().toDouble(text.trimmed(), &ok);
  if (!ok) value = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok) {
    emit Rejected(text);
    return;
  }
  factor_ = value;
  emit FactorChanged(factor_);
}

// ---------------------------------------------------------------- dialog

TDlgPileDiagrams::TDlgPileDiagrams(TDlgBlock& view, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Tool | Qt::WindowStaysOnTopHint), view_(view) {
  setWindowTitle("Combined Plots");
  setAttribute(Qt::WA_DeleteOnClose);
  showPlots_ = new QCheckBox("Show Plots");
  skin_ = new QCheckBox("Skin Friction");
  tip_ = new QCheckBox("Tip Resistance");
  total_ = new QCheckBox("Total Capacity");
  values_ = new QCheckBox("Show Maximum Values");
  auto* select = new QGroupBox("Select Plots");
  ultimate_ = new QRadioButton("Ultimate Effects");
  factored_ = new QRadioButton("ASD/LRFD Effects");
  auto* selectLayout = new QVBoxLayout(select);
  selectLayout->addWidget(ultimate_);
  selectLayout->addWidget(factored_);
  size_ = new TSizeFactorBox;
  problem_ = new QLabel;
  problem_->setStyleSheet("color: red");
  problem_->setWordWrap(true);
  problem_->hide();
  auto* close = new QPushButton("Close");

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(showPlots_);
  for (QCheckBox* box : {skin_, tip_, total_, values_}) layout->addWidget(box);
  layout->addWidget(select);
  auto* sizeRow = new QFormLayout;
  sizeRow->addRow("Size Factor", size_);
  layout->addLayout(sizeRow);
  layout->addWidget(problem_);
  layout->addWidget(close);

  for (QCheckBox* box : {showPlots_, skin_, tip_, total_, values_}) connect(box, &QCheckBox::toggled, this, &TDlgPileDiagrams::apply);
  connect(ultimate_, &QRadioButton::toggled, this, &TDlgPileDiagrams::apply);
  connect(size_, &TSizeFactorBox::FactorChanged, this, &TDlgPileDiagrams::apply);
  connect(size_, &TSizeFactorBox::Rejected, this, [this](const QString& text) {
    problem_->setText("Size Factor: \"" + text + "\" is not a number; the curves keep the factor " +
                      QLocale().toString(size_->Factor(), 'g', QLocale::FloatingPointShortest) + ".");
    problem_->show();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  LoadFromView();
  adjustSize();
  placeOver(mainWindow);
}

void TDlgPileDiagrams::placeOver(QWidget* mainWindow) {
  if (mainWindow == nullptr) return;
  // Centred three quarters across and half-way down the main window, kept inside it.
  const QRect frame = mainWindow->frameGeometry();
  QPoint topLeft(frame.left() + frame.width() * 3 / 4 - width() / 2, frame.top() + frame.height() / 2 - height() / 2);
  if (topLeft.x() + width() > frame.right()) topLeft.setX(frame.right() - width());
  if (topLeft.y() + height() > frame.bottom()) topLeft.setY(frame.bottom() - height());
  move(topLeft);
}

void TDlgPileDiagrams::showEvent(QShowEvent* event) {
  LoadFromView();
  QDialog::showEvent(event);
}

void TDlgPileDiagrams::LoadFromView() {
  loading_ = true;
  const TBlockOptions& o = view_.Options();
  showPlots_->setChecked(o.ShowUltimateEffects);
  skin_->setChecked(o.ShowSkinFriction);
  tip_->setChecked(o.ShowTipResistance);
  total_->setChecked(o.ShowTotalCapacity);
  values_->setChecked(o.ShowUltimateEffectsValues);
  (o.ShowUltimateResults == 1 ? factored_ : ultimate_)->setChecked(true);
  size_->SetFactor(o.UltimateEffectsFactor);
  enableCurveControls(o.ShowUltimateEffects);
  loading_ = false;
}

// Every control but "Show Plots" works only while the curves are shown.
void TDlgPileDiagrams::enableCurveControls(bool enabled) {
  for (QWidget* control : std::initializer_list<QWidget*>{skin_, tip_, total_, values_, ultimate_, factored_, size_})
    control->setEnabled(enabled);
}

void TDlgPileDiagrams::apply() {
  if (loading_) return;
  problem_->hide();
  TBlockOptions& o = view_.Options();
  o.ShowUltimateEffects = showPlots_->isChecked();
  o.ShowSkinFriction = skin_->isChecked();
  o.ShowTipResistance = tip_->isChecked();
  o.ShowTotalCapacity = total_->isChecked();
  o.ShowUltimateEffectsValues = values_->isChecked();
  o.ShowUltimateResults = factored_->isChecked() ? 1 : 0;
  o.UltimateEffectsFactor = size_->Factor();
  enableCurveControls(o.ShowUltimateEffects);
  view_.ApplyOptions();
}

}  // namespace talmo
