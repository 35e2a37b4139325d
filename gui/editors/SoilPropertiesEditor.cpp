#include "SoilPropertiesEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "EditorFields.h"
#include "GridTable.h"
#include "NumericField.h"
#include "ProjectTables.h"

namespace talmo {

namespace {

// One line of a page: the caption, the layer-table column it edits and its unit code.
// Strengths, unit weights and blow counts cannot be negative; blow counts are whole numbers
// within the limits of their column.
struct TPropertyLine {
  const char* caption;
  int column;
  const char* units;
  bool notNegative = false;
};

struct TPage {
  const char* name;
  std::vector<TPropertyLine> lines;
  std::vector<const char*> notes;
};

const TPage kSandPage{"Sand",
                      {{"1. Total Unit Weight", sand::UnitWeight, "F/L2^3", true},
                       {"2. Coefficient of Lateral Earth Pressure, Ko", sand::Ko, ""},
                       {"3. Beta Value (*)", sand::Beta, ""},
                       {"4. Preconsolidation Stress Exponent (**) (m)", sand::StressExponent, ""},
                       {"5. Blow Counts from SPT", sand::BlowCounts, "", true},
                       {"6. Friction Angle (***)", sand::FrictionAngle, "Deg"},
                       {"7. Interface Angle (****)", sand::InterfaceAngle, "Deg"}},
                      {"Notes:", "(*)  Program will estimate the value internally if it is left as zero ",
                       "(**)  Recommended values for m: 0.6 for clean quartzitic sands and 0.8 for silty sands to sandy "
                       "silts.",
                       "(***)  Program will ignore friction angle value if blow counts value is defined",
                       "(***)  Program will estimate friction angle based on blow counts if it is left as zero.",
                       "(****)  Blow counts value is required to estimate effective vertical preconsolidation stress",
                       "(****)  Program will assume interface angle equal to the friction angle if it is left as zero."}};
// Sand notes by position in kSandPage.notes.
enum { kNoteBetaEstimated = 1, kNoteM = 2, kNoteIgnoreAngle = 3, kNoteAngleFromBlows = 4 };

const TPage kClayPage{"Clay",
                      {{"1. Total Unit Weight", clay::UnitWeight, "F/L2^3", true},
                       {"2. Cohesion", clay::Cohesion, "F/L2^2", true},
                       {"3. Blow Counts from SPT (*)", clay::BlowCounts, "", true},
                       {"4. Alpha Factor (**)", clay::Alpha, ""},
                       {"5. Bearing Capacity Coefficient, Nc (**)", clay::Nc, ""}},
                      {"(**)  Program will generate internally the value if it is left as zero ",
                       "(*)  Program will ignore blow count value if cohesion is defined "}};
const TPage kRockPage{"Rock",
                      {{"1. Rock Compressive Strength", rock::RockStrength, "F/L2^2", true},
                       {"2. Concrete Compressive Strength", rock::ConcreteStrength, "F/L2^2", true},
                       {"3. Discontinuity Spacing", rock::DiscontinuitySpacing, "L2"},
                       {"4. Discontinuity Thickness", rock::DiscontinuityThickness, "L2"},
                       {"5. Socket Diameter", rock::SocketDiameter, "L2"},
                       {"6. Elastic Modulus", rock::Modulus, "F/L^2"},
                       {"7. RQD, %", rock::RQD, ""}},
                      {}};
const TPage kDecomposedPage{"Decomp. Rock",
                            {{"1. Total Unit Weight", decomposed::UnitWeight, "F/L2^3", true},
                             {"2. Blow Counts from SPT", decomposed::BlowCounts, "", true},
                             {"3. Poisson Ratio", decomposed::PoissonRatio, ""},
                             {"5. Socket Diameter", decomposed::SocketDiameter, "L2"},
                             {"6. Young Modulus (optional)", decomposed::YoungModulus, "F/L^2"}},
                            {}};
// The interface condition list comes first on this page (see buildLines).
const TPage kWeakRockPage{"Weak Rock",
                          {{"2. Rock Compressive Strength", weakrock::RockStrength, "F/L2^2", true},
                           {"3. Concrete Slump", weakrock::Slump, "L"},
                           {"4. Interface Friction Angle", weakrock::InterfaceFrictionAngle, "Deg"},
                           {"5. Socket Diameter", weakrock::SocketDiameter, "L2"},
                           {"6. Elastic Modulus of Rock Core", weakrock::Modulus, "F/L^2"},
                           {"7. RQD, %", weakrock::RQD, ""}},
                          {"(*) Interface Condition Index", "1 - Rough Surface w/closed joints",
                           "2- Smooth Surface w/closed joints", "3 - Rough Surface w/open joints",
                           "4- Smooth Surface w/open joints"}};
const TPage kGravelPage{"Gravel",
                        {{"1. Total Unit Weight", gravel::UnitWeight, "F/L2^3", true},
                         {"2. Blow Counts from SPT", gravel::BlowCounts, "", true},
                         {"3. Beta Value", gravel::Beta, ""}},
                        {}};

const TPage& pageOf(int soilType) {
  switch (soilType) {
    case kSoilSand: return kSandPage;
    case kSoilClay:
    case kSoilShale: return kClayPage;
    case kSoilDecomposedRock: return kDecomposedPage;
    case kSoilWeakRock: return kWeakRockPage;
    case kSoilGravellySand:
    case kSoilGravel: return kGravelPage;
    default: return kRockPage;
  }
}

const char* headingOf(int soilType) {
  switch (soilType) {
    case kSoilSand: return "Sand (FHWA Spec.)";
    case kSoilClay: return "Clay (FHWA Spec.)";
    case kSoilShale: return "Shale (Reese and Aurora)";
    case kSoilStrongRockSideOrTip: return "Strong Rock (FHWA Spec. - use either side friction or end bearing)";
    case kSoilDecomposedRock: return "Decomposed Rock/Gravel (FHWA Spec.)";
    case kSoilWeakRock: return "Weak Rock (FHWA Spec.)";
    case kSoilStrongRock: return "Strong Rock (FHWA Spec. - side friction plus end bearing)";
    case kSoilGravellySand: return "Gravelly Sand (Rollins et al)";
    case kSoilGravel: return "Gravel (Rollins et al)";
    default: return "";
  }
}

const char* const kProcedureNames[] = {"Ko Method", "Beta Method", "Chen and Kulhawy (2002) Method"};

bool isWhole(const TColumn& column) { return column.ClassCode() != TColumnClass::Float; }

// Whether the sand side-friction procedure uses the coefficient in `column`: its field is open
// and its value kept; the others are greyed and cleared. With no procedure chosen all count.
bool procedureUses(int procedure, int column) {
  switch (procedure) {
    case sand::KoMethod: return column != sand::Beta && column != sand::StressExponent;
    case sand::BetaMethod: return column != sand::Ko && column != sand::InterfaceAngle && column != sand::StressExponent;
    case sand::ChenKulhawyMethod: return column != sand::Ko && column != sand::Beta;
    default: return true;
  }
}

}  // namespace

TDlgSoils::TDlgSoils(TEditorHost& host, int layer, int soilType, QWidget* parent)
    : QDialog(parent), host_(host), layer_(layer), soilType_(soilType) {
  setWindowTitle("Data for Layer " + QString::number(layer));
  setModal(true);
  const TPage& page = pageOf(soilType);

  heading_ = new QLabel(headingOf(soilType));
  QFont bold = heading_->font();
  bold.setBold(true);
  heading_->setFont(bold);

  auto* box = new QGroupBox(page.name);
  auto* grid = new QGridLayout(box);
  grid->addWidget(new QLabel("Values at"), 0, 1, Qt::AlignHCenter);
  grid->addWidget(new QLabel("Values at"), 0, 2, Qt::AlignHCenter);
  grid->addWidget(new QLabel("Top of Layer"), 1, 1, Qt::AlignHCenter);
  grid->addWidget(new QLabel("Bottom of Layer"), 1, 2, Qt::AlignHCenter);
  buildLines(grid, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading_);
  layout->addWidget(box);

  if (soilType == kSoilSand) {
    auto* group = new QGroupBox("Side Friction Procedure");
    auto* choices = new QVBoxLayout(group);
    for (const char* name : kProcedureNames) {
      auto* choice = new QRadioButton(name);
      choices->addWidget(choice);
      procedures_.push_back(choice);
      connect(choice, &QRadioButton::toggled, this, &TDlgSoils::applyProcedure);
    }
    layout->addWidget(group);
  }
  for (const char* note : page.notes) {
    notes_.push_back(new QLabel(note));
    layout->addWidget(notes_.back());
  }

  auto* buttons = new QHBoxLayout;
  auto* copy = new QPushButton("Copy Values From Top To Bottom");
  copy->setAutoDefault(false);
  auto* close = new QPushButton("Close");
  close->setAutoDefault(false);
  buttons->addWidget(copy);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);
  connect(copy, &QPushButton::clicked, this, &TDlgSoils::CopyTopToBottom);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  load();
}

TGridTable& TDlgSoils::table() const {
  TGridTable* table = host_.Tables().D().GetDataValue(kLayerData, layer_ - 1);
  if (table == nullptr) throw std::logic_error("layer " + std::to_string(layer_) + " has no table of values");
  return *table;
}

void TDlgSoils::buildLines(QGridLayout* grid, int firstRow) {
  const TPage& page = pageOf(soilType_);
  const TGridTable& values = table();
  const auto message = [this](QWidget* source, const QString& text) { host_.Dialogs().Information(source->window(), text); };
  int row = firstRow;
  if (soilType_ == kSoilWeakRock) {
    grid->addWidget(new QLabel("1. Interface Condition Index (*)"), row, 0);
    for (int side = 0; side < 2; ++side) {
      auto* list = new QComboBox;
      for (const char* item : {"1", "2", "3", "4"}) list->addItem(item);
      grid->addWidget(list, row, 1 + side);
      conditions_[static_cast<std::size_t>(side)] = list;
    }
    ++row;
  }
  for (const TPropertyLine& line : page.lines) {
    TLine built{line.column, {}};
    const TColumn& column = values.Column(line.column);
    for (int side = 0; side < 2; ++side) {
      TDataEdit* field = nullptr;
      if (side == 0) {
        field = AddNumberField(grid, row, line.caption, line.units);
      } else {
        field = new TDataEdit;
        field->SetCaption(line.caption);
        field->SetUnitsString(line.units);
        field->setMinimumWidth(built.fields[0]->minimumWidth());
        field->setMaximumWidth(built.fields[0]->maximumWidth());
        grid->addWidget(field, row, 2);
      }
      field->SetUnits(host_.Project().Units());
      field->SetMessageHandler(message);
      if (line.notNegative) field->SetMinVal(0);
      if (const auto* whole = dynamic_cast<const TIntColumn*>(&column)) {
        field->SetIntegerOnly(true);
        field->SetMinVal(std::max(whole->Minimum, 0));
        field->SetMaxVal(whole->Maximum);
      }
      built.fields[static_cast<std::size_t>(side)] = field;
    }
    lines_.push_back(built);
    ++row;
  }
}

std::array<TDataEdit*, 2> TDlgSoils::Fields(int column) const {
  for (const TLine& line : lines_)
    if (line.column == column) return line.fields;
  return {nullptr, nullptr};
}

void TDlgSoils::load() {
  const TGridTable& values = table();
  for (const TLine& line : lines_)
    for (int side = 0; side < 2; ++side)
      ShowNumber(line.fields[static_cast<std::size_t>(side)], values.GetFloatValue(line.column, side));
  if (conditions_[0]) {
    for (int side = 0; side < 2; ++side) {
      const int code = values.GetIntValue(weakrock::InterfaceCondition, side);
      conditions_[static_cast<std::size_t>(side)]->setCurrentIndex(code >= 1 && code <= 4 ? code - 1 : -1);
    }
  }
  if (!procedures_.empty()) {
    // The file carries the procedure of the bottom row.
    const int code = values.GetIntValue(sand::Method, kLayerBottom);
    if (code >= 1 && code <= static_cast<int>(procedures_.size()))
      procedures_[static_cast<std::size_t>(code - 1)]->setChecked(true);
    applyProcedure();
  }
}

int TDlgSoils::procedure() const {
  for (std::size_t i = 0; i < procedures_.size(); ++i)
    if (procedures_[i]->isChecked()) return static_cast<int>(i) + 1;
  return 0;
}

void TDlgSoils::applyProcedure() {
  const int chosen = procedure();
  for (int column : {sand::Ko, sand::InterfaceAngle, sand::Beta, sand::StressExponent})
    for (TDataEdit* field : Fields(column)) field->setEnabled(procedureUses(chosen, column));
  if (notes_.size() == kSandPage.notes.size()) {
    notes_[kNoteBetaEstimated]->setVisible(chosen == sand::BetaMethod);
    notes_[kNoteIgnoreAngle]->setVisible(chosen == sand::BetaMethod);
    notes_[kNoteM]->setVisible(chosen == sand::ChenKulhawyMethod);
    notes_[kNoteAngleFromBlows]->setVisible(chosen != sand::BetaMethod);
  }
}

void TDlgSoils::CopyTopToBottom() {
  for (const TLine& line : lines_) line.fields[1]->setText(line.fields[0]->text());
  if (conditions_[0]) conditions_[1]->setCurrentIndex(conditions_[0]->currentIndex());
}

bool TDlgSoils::checkEntries() {
  for (const TLine& line : lines_)
    for (TDataEdit* field : line.fields)
      if (field->isEnabled() && !field->CloseQuery()) return false;
  if (procedure() == sand::KoMethod) {
    const auto ko = Fields(sand::Ko);
    if (ko[0]->Number() == 0 && ko[1]->Number() == 0) {
      host_.Dialogs().Information(this,
                                  "Coefficient of Lateral Earth Pressure, Ko,\rshould be greater than zero while using "
                                  "Ko Method\rPlease Check!");
      ko[0]->setFocus();
      return false;
    }
  }
  return true;
}

void TDlgSoils::writeBack() {
  TGridTable& values = table();
  bool changed = false;
  const auto store = [&](int column, int row, double value) {
    if (values.GetFloatValue(column, row) == value) return;
    if (isWhole(values.Column(column)))
      values.SetIntValue(column, row, static_cast<int>(std::lround(value)));
    else
      values.SetFloatValue(column, row, value);
    changed = true;
  };
  const int chosen = procedure();
  // The procedure's unused coefficients are cleared, so the file never carries a value that
  // the analysis would not use.
  for (const TLine& line : lines_) {
    for (int side = 0; side < 2; ++side) {
      const double stored = values.GetFloatValue(line.column, side);
      const double value =
          procedureUses(chosen, line.column) ? ReadNumber(line.fields[static_cast<std::size_t>(side)], stored) : 0.0;
      store(line.column, side, value);
    }
  }
  if (chosen > 0)
    for (int side = 0; side < 2; ++side) store(sand::Method, side, chosen);
  if (conditions_[0])
    for (int side = 0; side < 2; ++side) {
      const int index = conditions_[static_cast<std::size_t>(side)]->currentIndex();
      if (index >= 0) store(weakrock::InterfaceCondition, side, index + 1);
    }
  if (changed) host_.MarkChanged();
}

void TDlgSoils::done(int result) {
  if (!checkEntries()) return;
  writeBack();
  QDialog::done(result);
}

}  // namespace talmo
