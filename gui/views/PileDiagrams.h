#pragma once
// TDlgPileDiagrams ("Combined Plots"): a small tool window over the main window that switches
// the capacity curves of the 3D view, chooses ultimate or ASD/LRFD curves and sets their size
// factor; every change applies to the view at once. The 3D view creates it on the first
// request and shows it again later; closing it frees it.
#include <QAbstractSpinBox>
#include <QDialog>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace talmo {

class TDlgBlock;

// The size factor box: free typing, and up-down arrows stepping along the 1-2-...-9-10-20
// ladder of the factor's decade.
class TSizeFactorBox : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit TSizeFactorBox(QWidget* parent = nullptr);
  double Factor() const { return factor_; }
  void SetFactor(double factor);  // shown in the shortest general format
  void stepBy(int steps) override;

 signals:
  void FactorChanged(double factor);
  // Typed text that is not a number; the factor keeps its value.
  void Rejected(const QString& text);

 protected:
  StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

 private:
  void textTyped(const QString& text);
  double factor_ = 1.0;
};

class TDlgPileDiagrams : public QDialog {
  Q_OBJECT

 public:
  TDlgPileDiagrams(TDlgBlock& view, QWidget* mainWindow);
  // Loads the controls from the view's options (done on every activation).
  void LoadFromView();
  TSizeFactorBox* SizeFactor() const { return size_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void apply();
  void enableCurveControls(bool enabled);
  void placeOver(QWidget* mainWindow);

  TDlgBlock& view_;
  QCheckBox* showPlots_;
  QCheckBox* skin_;
  QCheckBox* tip_;
  QCheckBox* total_;
  QCheckBox* values_;
  QRadioButton* ultimate_;
  QRadioButton* factored_;
  TSizeFactorBox* size_;
  QLabel* problem_;
  bool loading_ = false;
};

}  // namespace talmo
