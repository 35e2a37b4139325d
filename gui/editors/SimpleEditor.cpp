#include "SimpleEditor.h"

#include <QGridLayout>

#include "NumericField.h"
#include "EditorFields.h"

namespace talmo {

namespace {

struct TFieldText {
  const char* caption;
  const char* units;
  double TProgramData::*value;
};

struct TEditorText {
  const char* caption;
  std::vector<TFieldText> fields;
};

const TEditorText& textOf(TSimpleEditorKind kind) {
  static const TEditorText waterTable{"Water Table", {{"&Depth of water table", "L2", &TProgramData::WTD}}};
  static const TEditorText safety{"Factor of Safety (F.S.)",
                                  {{"The F.S. applied to the ultimate &side friction", "", &TProgramData::FST},
                                   {"The F.S. applied to the ultimate &base capacity", "", &TProgramData::FSB}}};
  return kind == TSimpleEditorKind::WaterTable ? waterTable : safety;
}

}  // namespace

TSimpleEditor::TSimpleEditor(TEditorHost& host, TSimpleEditorKind kind, QWidget* parent)
    : TEditorWindow(host, textOf(kind).caption, parent), kind_(kind) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  for (const TFieldText& f : textOf(kind).fields)
    fields_.push_back({AddNumberField(grid, row++, f.caption, f.units), f.value});
  grid->setRowStretch(row, 1);
  WatchControls();
}

void TSimpleEditor::LoadFromProject() {
  ApplyUnits();
  for (const TBoundField& f : fields_) ShowNumber(f.field, host_.Project().*f.value);
}

void TSimpleEditor::WriteToProject() {
  for (const TBoundField& f : fields_) {
    double& value = host_.Project().*f.value;
    value = ReadNumber(f.field, value);
  }
}

}  // namespace talmo
