#pragma once
// TDlgOptions ("Control Options"): end bearing in sands (IMOD), the output increment (PINC),
// the elevation labels of the plots (UseElevation, ValElevation), the word processor of the
// main window, and the printing of additional t-z curves (PrintTZCurves, TblTZDepth).
#include "EditorWindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace talmo {

class TTzPrintChoice;

class TDlgOptions : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TDlgOptions(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;
  // "&Browse...": a file chooser preset with the current text; the chosen file replaces it.
  void BrowseClick();

  QLineEdit* TextEditorField() const { return textEditor_; }
  QCheckBox* ElevationBox() const { return useElevation_; }
  TDataEdit* ElevationField() const { return elevation_; }
  TTzPrintChoice* TzChoice() const { return tzChoice_; }

 protected:
  bool CheckInput() override;
  void WriteToProject() override;

 private:
  QRadioButton* interpolated_ = nullptr;       // IMOD 1
  QRadioButton* maximumAtAnyDepth_ = nullptr;  // IMOD 0
  TDataEdit* outputIncrement_ = nullptr;
  QCheckBox* useElevation_ = nullptr;
  TDataEdit* elevation_ = nullptr;
  QLineEdit* textEditor_ = nullptr;
  TTzPrintChoice* tzChoice_ = nullptr;
};

}  // namespace talmo
