#pragma once
// TdlgTitle ("Project Title"): the one line of text that describes the project, at most 80
// characters as the project file holds it.
#include "EditorWindow.h"

class QLineEdit;

namespace talmo {

constexpr int kMaxTitleLength = 80;

class TdlgTitle : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TdlgTitle(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;
  QLineEdit* TitleField() const { return title_; }

 protected:
  void WriteToProject() override;

 private:
  QLineEdit* title_;
};

}  // namespace talmo
