#include "SimpleEditor.h"

#include <QGridLayout>

#include "NumericField.h"
#include "EditorFields.h"

namespace talmo {

namespace {

TEntryRule factorOfSafety(TDataEdit* field) { return AtLeast(field, 1); }

TEntryRule notAboveGround(TDataEdit* field) {
  TEntryRule rule = NotNegative(field);
  rule.allowed += " (a depth below the ground surface)";
  return rule;
}

struct TFieldText {
  const char* caption;
  const char* units;
  double TProgramData::*value;
  TEntryRule (*limit)(TDataEdit*);
};

struct TEditorText {
  const char* caption;
  std::vector<TFieldText> fields;
};

const TEditorText& textOf(TSimpleEditorKind kind) {
  static const TEditorText waterTable{"Water Table", {{"&Depth of water table", "L2", &TProgramData::WTD, notAboveGround}}};
  static const TEditorText safety{"Factor of Safety (F.S.)",
                                  {{"The F.S. applied to the ultimate &side friction", "", &TProgramData::FST, factorOfSafety},
                                   {"The F.S. applied to the ultimate &base capacity", "", &TProgramData::FSB,
                                    factorOfSafety}}};
  return kind == TSimpleEditorKind::WaterTable ? waterTable : safety;
}

}  // namespace

TSimpleEditor::TSimpleEditor(TEditorHost& host, TSimpleEditorKind kind, QWidget* parent)
    : TEditorWindow(host, textOf(kind).caption, parent), kind_(kind) {
  auto* grid = new QGridLayout(this);
  int row = 0;
  for (const TFieldText& f : textOf(kind).fields)
    fields_.push_back({AddNumberField(grid, row++, f.caption, f.units), f.value, f.limit});
  grid->setRowStretch(row, 1);
  WatchControls();
}

void TSimpleEditor::LoadFromProject() {
  ApplyUnits();
  for (const TBoundField& f : fields_) ShowNumber(f.field, host_.Project().*f.value);
}

bool TSimpleEditor::CheckInput() {
  std::vector<TEntryRule> rules;
  for (const TBoundField& f : fields_) rules.push_back(f.limit(f.field));
  return CheckEntries(rules);
}

void TSimpleEditor::WriteToProject() {
  for (const TBoundField& f : fields_) {
    double& value = host_.Project().*f.value;
    value = ReadNumber(f.field, value);
  }
}

}  // namespace talmo
