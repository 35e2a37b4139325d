#pragma once
// TfrmGraphCaption, "Graph Caption": the user's title of a plot and whether it stands above
// or below the graph. The plot takes the text and the place however the dialog is closed.
#include <QDialog>

class QLineEdit;
class QRadioButton;

namespace talmo {

class TGraphPlot;

class TfrmGraphCaption : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmGraphCaption(QWidget* parent = nullptr);
  void LoadFrom(const TGraphPlot& plot);
  void StoreInto(TGraphPlot& plot) const;

  QLineEdit* edtCaption = nullptr;
  QRadioButton* rbTop = nullptr;
  QRadioButton* rbBottom = nullptr;
};

}  // namespace talmo
