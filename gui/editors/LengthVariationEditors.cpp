#include "LengthVariationEditors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "NumericField.h"
#include "EditorFields.h"
#include "SettlementTable.h"

namespace talmo {

namespace {

constexpr int kFewestPoints = 1;

// A note in column 2 of a field's row.
void addNote(QGridLayout* grid, int row, const QStringList& lines) { grid->addWidget(NoteLines(lines), row, 2); }

}  // namespace

// ---- TLengthFields

TLengthFields::TLengthFields(QGridLayout* grid, int row, const QString& minimumDefault) {
  maximum_ = AddNumberField(grid, row, "Maximum shaft &length ", "L2");
  minimum_ = AddNumberField(grid, row + 1, "Minimum &shaft length ", "L2");
  addNote(grid, row + 1, {"* Should be at least 6 diameters ", "   plus any exclusion zone defined.", minimumDefault});
  increment_ = AddNumberField(grid, row + 2, "Shaft length increment", "L2");
  addNote(grid, row + 2, {"* A maximum of 100 increments", "  will be considered.", "- default: 3 ft or 1 m"});
}

void TLengthFields::Load(const TProgramData& p) const {
  ShowNumber(maximum_, p.PD);
  ShowNumber(minimum_, p.PDMIN);
  ShowNumber(increment_, p.PDINCR);
}

void TLengthFields::Store(TProgramData& p) const {
  p.PD = ReadNumber(maximum_, p.PD);
  p.PDMIN = ReadNumber(minimum_, p.PDMIN);
  p.PDINCR = ReadNumber(increment_, p.PDINCR);
}

std::vector<TEntryRule> TLengthFields::Rules() const {
  const QString zeroMeans = QStringLiteral("for the default");
  return {GreaterThanZero(maximum_), GreaterThanZero(minimum_, zeroMeans),
          NotAbove(minimum_, maximum_, QStringLiteral("maximum shaft length")), GreaterThanZero(increment_, zeroMeans)};
}

// ---- TfrmVaryLength

TfrmVaryLength::TfrmVaryLength(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("Multiple Shaft Lengths"), parent) {
  evaluate_ = new QCheckBox(QStringLiteral("Evaluate Shaft Lengths (for Specified Diameter)"));
  lengthsPanel_ = new QWidget;
  auto* grid = new QGridLayout(lengthsPanel_);
  grid->setContentsMargins(0, 0, 0, 0);
  lengths_ = std::make_unique<TLengthFields>(grid, 0, "- default: 70% maximum shaft length");
  connect(evaluate_, &QCheckBox::toggled, lengthsPanel_, &QWidget::setEnabled);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(evaluate_);
  layout->addWidget(lengthsPanel_);
  layout->addStretch();
  WatchControls();
}

void TfrmVaryLength::LoadFromProject() {
  ApplyUnits();
  const TProgramData& p = host_.Project();
  evaluate_->setChecked(p.IPENT == 1);
  lengthsPanel_->setEnabled(evaluate_->isChecked());
  lengths_->Load(p);
}

bool TfrmVaryLength::CheckInput() { return CheckEntries(lengths_->Rules()); }

void TfrmVaryLength::WriteToProject() {
  TProgramData& p = host_.Project();
  p.IPENT = evaluate_->isChecked() ? 1 : 0;
  // Multiple lengths and design charts exclude each other: ticking one clears the other.
  if (p.IPENT == 1) p.IChart = 0;
  lengths_->Store(p);
}

// ---- TfrmDesignChart

TfrmDesignChart::TfrmDesignChart(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("ASD/LRFD Design Charts"), parent) {
  compute_ = new QCheckBox(QStringLiteral("Compute ASD/LRFD Design Charts"));

  variation_ = new QGroupBox(QStringLiteral("Shaft Length/Diameter Variation"));
  auto* grid = new QGridLayout(variation_);
  lengths_ = std::make_unique<TLengthFields>(grid, 0, "- default: 30% maximum shaft length");
  const int row = TLengthFields::kRows;
  diameterIncrement_ = AddNumberField(grid, row, "Shaft diameter increment", "L2");
  addNote(grid, row, {"* A maximum of 20 increments", "  will be considered.", "- default: 0.5 ft or .15 m"});

  settlementsGroup_ = new QGroupBox(QStringLiteral("Defined Settlements"));
  auto* pointsRow = new QGridLayout;
  points_ = AddNumberField(pointsRow, 0, "Number of Points", "");
  points_->SetIntegerOnly(true);
  points_->SetMaxVal(kMaxChartSettlements);
  points_->SetMinVal(kFewestPoints);
  up_ = new QToolButton;
  up_->setArrowType(Qt::UpArrow);
  down_ = new QToolButton;
  down_->setArrowType(Qt::DownArrow);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  pointsRow->addLayout(arrows, 0, 2);
  pointsRow->setColumnStretch(3, 1);
  settlements_ = new TSettlementTable;
  auto* settlementColumn = new QVBoxLayout(settlementsGroup_);
  settlementColumn->addLayout(pointsRow);
  settlementColumn->addWidget(settlements_);

  connect(compute_, &QCheckBox::toggled, this, &TfrmDesignChart::enableByBox);
  connect(points_, &QLineEdit::textChanged, this, &TfrmDesignChart::pointsEdited);
  connect(up_, &QToolButton::clicked, this, [this] { stepPoints(1); });
  connect(down_, &QToolButton::clicked, this, [this] { stepPoints(-1); });
  connect(settlements_, &QTableWidget::itemChanged, this, [this] { host_.MarkChanged(); });

  auto* groups = new QHBoxLayout;
  groups->addWidget(variation_, 1);
  groups->addWidget(settlementsGroup_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(compute_);
  layout->addLayout(groups);
  WatchControls();
}

void TfrmDesignChart::LoadFromProject() {
  ApplyUnits();
  const TProgramData& p = host_.Project();
  compute_->setChecked(p.IChart == 1);
  enableByBox();
  lengths_->Load(p);
  ShowNumber(diameterIncrement_, p.DIAMINCR);
  // Shown as stored, 0 for a project read without design charts, until a number is entered.
  ShowNumber(points_, p.NPOINTPD);
  settlements_->Load(p.PDSETT, p.NPOINTPD, p.Units());
}

bool TfrmDesignChart::CheckInput() {
  std::vector<TEntryRule> rules = lengths_->Rules();
  rules.push_back(GreaterThanZero(diameterIncrement_, QStringLiteral("for the default")));
  if (!CheckEntries(rules)) return false;
  // A disabled table cannot be corrected by the user; its cells are checked while it can.
  if (!settlements_->isEnabled()) return true;
  const int count = pointCount(0);
  for (int row = 0; row < count; ++row) {
    if (!settlements_->Settlement(row)) {
      settlements_->setCurrentCell(row, 1);
      settlements_->setFocus(Qt::OtherFocusReason);
      host_.Dialogs().Information(this, QStringLiteral("Settlement %1 is not a number.").arg(row + 1));
      return false;
    }
  }
  return true;
}

void TfrmDesignChart::WriteToProject() {
  TProgramData& p = host_.Project();
  p.IChart = compute_->isChecked() ? 1 : 0;
  if (p.IChart == 1) p.IPENT = 0;  // see TfrmVaryLength
  lengths_->Store(p);
  p.DIAMINCR = ReadNumber(diameterIncrement_, p.DIAMINCR);
  p.NPOINTPD = pointCount(p.NPOINTPD);
  // Only a disabled table can still hold a cell that is not a number: that entry keeps its value.
  for (int row = 0; row < p.NPOINTPD; ++row)
    if (const auto settlement = settlements_->Settlement(row)) p.PDSETT[static_cast<std::size_t>(row)] = *settlement;
}

void TfrmDesignChart::enableByBox() {
  const bool on = compute_->isChecked();
  variation_->setEnabled(on);
  settlementsGroup_->setEnabled(on);
}

void TfrmDesignChart::pointsEdited() {
  // Only a whole number of 1 to 10 resizes the table; anything else waits for the next keystroke.
  const double value = ReadNumber(points_, 0);
  if (value == std::trunc(value) && value >= kFewestPoints && value <= kMaxChartSettlements)
    settlements_->ShowRows(static_cast<int>(value));
}

void TfrmDesignChart::stepPoints(int step) {
  const int current = pointCount(0);
  points_->SetNumber(std::clamp(current + step, kFewestPoints, kMaxChartSettlements));
  host_.MarkChanged();
}

int TfrmDesignChart::pointCount(int fallback) const {
  const double value = ReadNumber(points_, fallback);
  // Kept inside the ten entries the project holds, whatever a disabled field was left showing.
  return static_cast<int>(std::clamp(std::round(value), 0.0, static_cast<double>(kMaxChartSettlements)));
}

}  // namespace talmo
