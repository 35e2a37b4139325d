#pragma once
// Editors that show a few project values as they are: "Water Table" (WTD) and "Factor of
// Safety (F.S.)" (FST, FSB). One class serves both; the kind chooses the caption and fields.
#include <vector>

#include "EditorWindow.h"

namespace talmo {

enum class TSimpleEditorKind { WaterTable, FactorOfSafety };

class TSimpleEditor : public TEditorWindow {
  Q_OBJECT

 public:
  TSimpleEditor(TEditorHost& host, TSimpleEditorKind kind, QWidget* parent = nullptr);

  TSimpleEditorKind Kind() const { return kind_; }
  void LoadFromProject() override;

 protected:
  bool CheckInput() override;
  void WriteToProject() override;

 private:
  struct TBoundField {
    TDataEdit* field;
    double TProgramData::*value;
    TEntryRule (*limit)(TDataEdit*);
  };

  TSimpleEditorKind kind_;
  std::vector<TBoundField> fields_;
};

}  // namespace talmo
