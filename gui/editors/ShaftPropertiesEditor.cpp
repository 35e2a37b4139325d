#include "ShaftPropertiesEditor.h"

#include <QGridLayout>
#include <QLabel>
#include <optional>

#include "NumericField.h"
#include "EditorFields.h"
#include "ShaftPicture.h"
#include "UnitCodes.h"

namespace talmo {

namespace {

TEntryRule positive(TDataEdit* field) { return GreaterThanZero(field); }

struct TShaftField {
  const char* caption;
  const char* units;
  std::optional<double> largest;
  double TProgramData::*value;
  const char* note;
  TEntryRule (*limit)(TDataEdit*);  // beyond the largest value; the maximum diameter's is its own
};

// In display order. The maximum diameter is the second row (see LoadFromProject).
const TShaftField kShaftFields[] = {
    {"Minimum Shaft Diameter, B, to be Considered", "L2", 30, &TProgramData::DSTART, nullptr, positive},
    {"Maximum Shaft Diameter, B, to be Considered", "L2", 30, &TProgramData::DIALIM, "(Enter 0 if same as minimum)",
     nullptr},
    {"&Ratio of Base Diameter to Shaft Diameter,  Bb/B", "", 10, &TProgramData::RATIO, "(Enter 0 for straight shaft)",
     NotNegative},
    {"&Angle of Bell with Respect to Vertical,  Ang ", "deg", 90, &TProgramData::BELANGL,
     "(Enter 0 for straight shaft)", NotNegative},
    {"Length of &Upper Exclusion Zone without Skin Friction, Lue", "L2", std::nullopt, &TProgramData::TOPLENG, nullptr,
     NotNegative},
    {"Lenght of Bottom Portion of Shaft without Skin Friction, Lle", "L2", 100, &TProgramData::BS, nullptr,
     NotNegative},
    {"&Modulus of Elasticity of Drilled Shaft ", "F/L²", 300000000, &TProgramData::EPILE, nullptr, positive},
};
constexpr int kMaxDiameterRow = 1;
constexpr int kBottomRow = 5;
// The bottom zone's field carries a misspelt caption; its label is spelt right.
const char* const kBottomLabel = "Length of Bottom Portion of Shaft without Skin Friction, Lle";

const char* const kExplanation[] = {
    "Shaft diameter, B, is automatically incremented in 6-inch or 0.15 m increments between the specified minimum ",
    "and maximum diameters.",
    "* This default increment can be changed while using Design Charts.",
    "",
    "For shafts in cohesive soils, the upper exclusion zone, Lue, is used to eliminate side resistance lost due to ",
    "desiccation cracking and the lower exclusion zone, Lle, is used to account for side resistance lost due to "
    "horizontal ",
    "stress loss under loading.  ",
    "",
    "For shafts in cohesive soils, a lower exclusion zone for side resistance is usually not reccomended for uplift "
    "loading. ",
    "",
    "No exclusion zones are recommended for shafts in cohesionless soils.",
    "",
    "Bells should not be specified for shafts in cohesionless soils or rock.",
};

}  // namespace

TfrmShaftpeneta::TfrmShaftpeneta(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("Drilled-Shaft Properties"), parent) {
  auto* grid = new QGridLayout;
  for (int row = 0; row < kFieldCount; ++row) {
    const TShaftField& f = kShaftFields[row];
    fields_[row] = AddNumberField(grid, row, f.caption, f.units, f.largest);
    if (f.note) {
      auto* note = new QLabel(f.note);
      grid->addWidget(note, row, 2);
      if (row == kMaxDiameterRow) maxDiameterNote_ = note;
    }
  }
  // Detach the bottom zone's label from its field so it keeps its own spelling.
  bottomLabel_ = fields_[kBottomRow]->EditLabel();
  fields_[kBottomRow]->SetEditLabel(nullptr);
  bottomLabel_->setBuddy(fields_[kBottomRow]);

  QStringList lines;
  for (const char* line : kExplanation) lines << line;
  auto* explanation = new QLabel(lines.join('\n'));

  auto* layout = new QGridLayout(this);
  layout->addLayout(grid, 0, 0);
  layout->addWidget(new TShaftPicture, 0, 1);
  layout->addWidget(explanation, 1, 0, 1, 2);
  layout->setRowStretch(2, 1);
  WatchControls();
}

void TfrmShaftpeneta::LoadFromProject() {
  ApplyUnits();
  const TProgramData& p = host_.Project();
  for (int row = 0; row < kFieldCount; ++row) ShowNumber(fields_[row], p.*kShaftFields[row].value);
  bottomLabel_->setText(QString(kBottomLabel) + " (" +
                        QString::fromStdString(ExpandUnitsString(kShaftFields[kBottomRow].units, p.Units())) + ")");
  // Multiple shaft lengths are evaluated for one diameter: the maximum is the minimum then.
  const bool oneDiameter = p.METHOD == 2 && p.IPENT == 1;
  fields_[kMaxDiameterRow]->setEnabled(!oneDiameter);
  maxDiameterNote_->setVisible(!oneDiameter);
}

bool TfrmShaftpeneta::CheckInput() {
  TDataEdit* minimum = fields_[0];
  TDataEdit* maximum = fields_[kMaxDiameterRow];
  const double smallest = ReadNumber(minimum, 0);
  std::vector<TEntryRule> rules;
  for (int row = 0; row < kFieldCount; ++row) {
    if (row == kMaxDiameterRow) {
      rules.push_back({maximum, [smallest](double v) { return v == 0 || v >= smallest; },
                       "0 (same as minimum) or not below the minimum diameter (" + maximum->FormatNumber(smallest) +
                           ")",
                       minimum});
    } else {
      rules.push_back(kShaftFields[row].limit(fields_[row]));
    }
  }
  return CheckEntries(rules);
}

void TfrmShaftpeneta::WriteToProject() {
  TProgramData& p = host_.Project();
  for (int row = 0; row < kFieldCount; ++row) {
    double& value = p.*kShaftFields[row].value;
    value = ReadNumber(fields_[row], value);
  }
}

}  // namespace talmo
