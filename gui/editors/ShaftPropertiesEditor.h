#pragma once
// TfrmShaftpeneta ("Drilled-Shaft Properties"): the range of shaft diameters, the bell, the two
// zones without skin friction and the modulus of elasticity of the shaft.
#include <array>

#include "EditorWindow.h"

class QLabel;

namespace talmo {

class TfrmShaftpeneta : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TfrmShaftpeneta(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;

 protected:
  bool CheckInput() override;
  void WriteToProject() override;

 private:
  static constexpr int kFieldCount = 7;
  std::array<TDataEdit*, kFieldCount> fields_{};
  QLabel* bottomLabel_ = nullptr;  // shows its own text, not the field's caption
  QWidget* maxDiameterNote_ = nullptr;
};

}  // namespace talmo
