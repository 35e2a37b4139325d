#pragma once
// Printing internally generated t-z curves at chosen depths (PrintTZCurves and the depth table
// TblTZDepth): the choice TTzPrintChoice, shared by the control options and by
// "Option of Printing t-z Curves" (TDlgTZPrint).
#include "EditorWindow.h"

class QCheckBox;
class QPushButton;

namespace talmo {

// The box "&Print Internally-Generated" with its label "t-z Curves for Verification" and the
// button "Edit Depths", which shows the depth table modally and is enabled only while the box
// is ticked.
class TTzPrintChoice : public QWidget {
  Q_OBJECT

 public:
  explicit TTzPrintChoice(TEditorHost& host, QWidget* parent = nullptr);

  void Load(const TProgramData& p);
  void Store(TProgramData& p) const;
  QCheckBox* Box() const { return box_; }
  QPushButton* EditDepthsButton() const { return editDepths_; }

 private:
  void editDepths();

  TEditorHost& host_;
  QCheckBox* box_;
  QPushButton* editDepths_;
};

class TDlgTZPrint : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TDlgTZPrint(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;
  TTzPrintChoice* Choice() const { return choice_; }

 protected:
  void WriteToProject() override;

 private:
  TTzPrintChoice* choice_;
};

}  // namespace talmo
