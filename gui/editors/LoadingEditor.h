#pragma once
// The two alternative ways of stating the problem: the shaft length (METHOD 2) or the design
// load (METHOD 1), each with the type
// of loading and the reduction factor for uplift. One class serves both; the quantity chooses
// the caption, the field and the project value.
#include "EditorWindow.h"

class QRadioButton;

namespace talmo {

enum class TLoadingQuantity {
  ShaftLength,  // PD, ft / m
  DesignLoad,   // LPD, tons / kN
};

class TLoadingEditor : public TEditorWindow {
  Q_OBJECT

 public:
  TLoadingEditor(TEditorHost& host, TLoadingQuantity quantity, QWidget* parent = nullptr);

  TLoadingQuantity Quantity() const { return quantity_; }
  void LoadFromProject() override;

 protected:
  bool CheckInput() override;
  void WriteToProject() override;

 private:
  void enableReduction();

  TLoadingQuantity quantity_;
  TDataEdit* value_ = nullptr;
  QRadioButton* compression_ = nullptr;
  QRadioButton* uplift_ = nullptr;
  TDataEdit* reduction_ = nullptr;
};

}  // namespace talmo
