#include "SoilLayersEditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "EditorFields.h"
#include "NumericField.h"
#include "NumberText.h"
#include "ProjectTables.h"
#include "SoilPropertiesEditor.h"
#include "SoilTypeChange.h"
#include "UnitCodes.h"

namespace talmo {

namespace {

// The numeric columns of D in the order of the grid, and where the grid shows them.
constexpr std::array<int, 5> kFieldColumns{kLayerDepth, kLayerMaxSideFriction, kLayerMaxEndBearing,
                                            kLayerSideFactor, kLayerTipFactor};
constexpr int kLabelColumn = 0;
constexpr int kTypeColumn = 1;
constexpr int kFirstNumberColumn = 2;
constexpr int kEditColumn = kFirstNumberColumn + static_cast<int>(kFieldColumns.size());
constexpr int kHeadingRows = 2;
constexpr int kVisibleLayers = 10;  // more rows scroll
constexpr int kDropDownLines = 9;

bool isFactor(int field) { return kFieldColumns[static_cast<std::size_t>(field)] >= kLayerSideFactor; }

// The two heading lines of each grid column in a unit system.
std::array<QString, 2> headingLines(int gridColumn, int units) {
  const bool si = units == 2;
  const QString stress = si ? "       (kN/m^2)    " : "       (lb/ft^2)    ";
  switch (gridColumn) {
    case kLabelColumn: return {"  Layer ", ""};
    case kTypeColumn: return {" Soil Type ", ""};
    case kFirstNumberColumn: return {"Depth at Bottom * ", si ? " of each layer (m) " : " of each layer (ft) "};
    case kFirstNumberColumn + 1: return {"Max. Side Friction ** ", stress};
    case kFirstNumberColumn + 2: return {"Max. End Bearing ** ", stress};
    case kFirstNumberColumn + 3: return {"LRFD Res. Factor", " (Side Friction) "};
    case kFirstNumberColumn + 4: return {"LRFD Res. Factor", " (End Bearing) "};
    default: return {"", ""};
  }
}

const char* const kNotes[] = {
    "Notes:",
    "* Bottom of last layer must be deeper than the shaft bottom plus two pile diameters.",
    "** If entries are left as zero, the program assumes no limits in side friction and end bearing computed by the "
    "program",
    "** Use a very small number (e.g. 0.001) for layers where load transfer should be ignored.",
};

QPushButton* plainButton(const QString& text) {
  auto* button = new QPushButton(text);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TDlgSoilLayers::TDlgSoilLayers(TEditorHost& host, QWidget* parent)
    : TEditorWindow(host, QStringLiteral("Soill Layers"), parent) {
  auto* group = new QGroupBox("Layers Definition");
  auto* groupLayout = new QVBoxLayout(group);
  scroll_ = new QScrollArea;
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll_->setWidgetResizable(true);
  gridHolder_ = new QWidget;
  grid_ = new QGridLayout(gridHolder_);
  grid_->setHorizontalSpacing(4);
  grid_->setVerticalSpacing(2);
  for (int column = 0; column <= kEditColumn; ++column)
    for (int line = 0; line < kHeadingRows; ++line) {
      auto* heading = new QLabel;
      heading->setAlignment(Qt::AlignCenter);
      grid_->addWidget(heading, line, column);
      headings_.push_back(heading);
    }
  grid_->setRowStretch(kHeadingRows + kMaxLayers, 1);
  scroll_->setWidget(gridHolder_);
  groupLayout->addWidget(scroll_);

  add_ = plainButton("Add Layer");
  insert_ = plainButton("Insert Layer");
  delete_ = plainButton("Delete Layer");
  confirm_ = new QCheckBox("Confirm Deletion");
  confirm_->setChecked(true);
  auto* rowButtons = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{add_, insert_, delete_, confirm_}) rowButtons->addWidget(w);
  rowButtons->addStretch();
  connect(add_, &QPushButton::clicked, this, &TDlgSoilLayers::AddLayerClick);
  connect(insert_, &QPushButton::clicked, this, &TDlgSoilLayers::InsertLayerClick);
  connect(delete_, &QPushButton::clicked, this, &TDlgSoilLayers::DeleteLayerClick);

  QStringList notes;
  for (const char* note : kNotes) notes << note;
  auto* close = plainButton("Close");
  connect(close, &QPushButton::clicked, this, [this] { CloseEditor(this); });
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(NoteLines(notes));
  bottom->addStretch();
  bottom->addWidget(close, 0, Qt::AlignBottom);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(rowButtons);
  layout->addLayout(bottom);
}

TDataEdit* TDlgSoilLayers::Field(int row, int layerColumn) const {
  const auto at = std::find(kFieldColumns.begin(), kFieldColumns.end(), layerColumn);
  if (at == kFieldColumns.end()) return nullptr;
  return rows_.at(static_cast<std::size_t>(row)).fields[static_cast<std::size_t>(at - kFieldColumns.begin())];
}

QString TDlgSoilLayers::Heading(int layerColumn) const {
  int gridColumn = kTypeColumn;
  const auto at = std::find(kFieldColumns.begin(), kFieldColumns.end(), layerColumn);
  if (at != kFieldColumns.end()) gridColumn = kFirstNumberColumn + static_cast<int>(at - kFieldColumns.begin());
  return headings_[static_cast<std::size_t>(gridColumn * kHeadingRows)]->text() + "\n" +
         headings_[static_cast<std::size_t>(gridColumn * kHeadingRows + 1)]->text();
}

// ---------------------------------------------------------------- rows

TDlgSoilLayers::TRow TDlgSoilLayers::makeRow(int row) {
  const int gridRow = kHeadingRows + row;
  TRow r;
  r.label = new QLabel("Layer " + QString::number(row + 1));
  grid_->addWidget(r.label, gridRow, kLabelColumn);

  r.type = new QComboBox;
  r.type->setMaxVisibleItems(kDropDownLines);
  for (const std::string& name : host_.Tables().D().ColumnAs<TEnumColumn>(kLayerSoilType).Names)
    r.type->addItem(QString::fromStdString(name));
  connect(r.type, &QComboBox::activated, this, [this, row](int index) { chooseType(row, index); });
  grid_->addWidget(r.type, gridRow, kTypeColumn);

  for (std::size_t i = 0; i < kFieldColumns.size(); ++i) {
    auto* field = new TDataEdit;
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 12);
    field->SetMinVal(0);  // depths, limits and factors are never negative
    field->SetMessageHandler(
        [this](QWidget* source, const QString& text) { host_.Dialogs().Information(source->window(), text); });
    WatchField(field);
    if (i == 0) connect(field, &QLineEdit::textEdited, this, [this] { profileEdited_ = true; });
    grid_->addWidget(field, gridRow, kFirstNumberColumn + static_cast<int>(i));
    r.fields[i] = field;
  }

  r.edit = plainButton("Edit Layer " + QString::number(row + 1));
  connect(r.edit, &QPushButton::clicked, this, [this, row] { EditLayerClick(row); });
  grid_->addWidget(r.edit, gridRow, kEditColumn);

  // Shown at once (a layout would show them only later), so the window is fitted to them.
  for (QWidget* w : std::initializer_list<QWidget*>{r.label, r.type, r.edit}) w->show();
  for (TDataEdit* field : r.fields) field->show();
  for (QWidget* w : std::initializer_list<QWidget*>{r.type, r.edit}) w->installEventFilter(this);
  for (TDataEdit* field : r.fields) field->installEventFilter(this);
  for (QWidget* w : std::initializer_list<QWidget*>{r.type, r.edit}) w->setProperty("layerRow", row);
  for (TDataEdit* field : r.fields) field->setProperty("layerRow", row);
  return r;
}

void TDlgSoilLayers::removeLastRow() {
  TRow r = rows_.back();
  rows_.pop_back();
  // Deleted at once: a field being destroyed validates nothing.
  delete r.label;
  delete r.type;
  for (TDataEdit* field : r.fields) delete field;
  delete r.edit;
}

bool TDlgSoilLayers::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    const QVariant row = watched->property("layerRow");
    if (row.isValid()) currentRow_ = row.toInt();
  }
  return TEditorWindow::eventFilter(watched, event);
}

void TDlgSoilLayers::fillRow(int row) {
  const TGridTable& d = host_.Tables().D();
  TRow& r = rows_[static_cast<std::size_t>(row)];
  const int type = d.GetIntValue(kLayerSoilType, row);
  r.type->setCurrentIndex(type >= 1 && type <= r.type->count() ? type - 1 : -1);
  for (std::size_t i = 0; i < kFieldColumns.size(); ++i) {
    r.fields[i]->SetUnits(host_.Project().Units());
    ShowNumber(r.fields[i], d.GetFloatValue(kFieldColumns[i], row));
  }
}

void TDlgSoilLayers::LoadFromProject() {
  TGridTable& d = host_.Tables().D();
  d.RaiseToMinimumRows();
  lrfd_ = host_.Project().NLRFD == 1;
  while (static_cast<int>(rows_.size()) > d.RowCount()) removeLastRow();
  while (static_cast<int>(rows_.size()) < d.RowCount()) rows_.push_back(makeRow(static_cast<int>(rows_.size())));
  for (int row = 0; row < d.RowCount(); ++row) fillRow(row);
  currentRow_ = std::clamp(currentRow_, 0, LayerCount() - 1);
  for (int column = 0; column <= kEditColumn; ++column) {
    const auto lines = headingLines(column, host_.Project().Units());
    for (int line = 0; line < kHeadingRows; ++line)
      headings_[static_cast<std::size_t>(column * kHeadingRows + line)]->setText(lines[static_cast<std::size_t>(line)]);
  }
  shownTables_ = layerTables();
  showColumns();
  updateButtons();
  // The window is fitted when its rows or columns change, not on every activation: a size the
  // user chose stays.
  // Sizes are only right once the window is shown.
  if (const std::pair<int, bool> shape{LayerCount(), lrfd_}; !isVisible() || fittedFor_ != shape) {
    fitWindow();
    fittedFor_ = isVisible() ? std::optional(shape) : std::nullopt;
  }
}

std::vector<int> TDlgSoilLayers::layerTables() const {
  const TGridTable& d = host_.Tables().D();
  std::vector<int> identifiers;
  for (int row = 0; row < d.RowCount(); ++row) {
    const TGridTable* table = d.GetDataValue(kLayerData, row);
    identifiers.push_back(table ? table->Identifier() : -1);
  }
  return identifiers;
}

void TDlgSoilLayers::showColumns() {
  for (int i = 0; i < static_cast<int>(kFieldColumns.size()); ++i) {
    if (!isFactor(i)) continue;
    const int column = kFirstNumberColumn + i;
    for (int line = 0; line < kHeadingRows; ++line)
      headings_[static_cast<std::size_t>(column * kHeadingRows + line)]->setVisible(lrfd_);
    for (TRow& r : rows_) r.fields[static_cast<std::size_t>(i)]->setVisible(lrfd_);
  }
}

void TDlgSoilLayers::updateButtons() {
  add_->setEnabled(LayerCount() < kMaxLayers);
  insert_->setEnabled(LayerCount() < kMaxLayers);
  // A project keeps at least one layer: the last one cannot be deleted.
  delete_->setEnabled(LayerCount() > 1);
}

void TDlgSoilLayers::fitWindow() {
  // At most ten layers show; the window widens for the LRFD columns.
  gridHolder_->adjustSize();
  const QSize content = gridHolder_->sizeHint();
  int height = content.height();
  if (LayerCount() > kVisibleLayers) {
    const QMargins margins = grid_->contentsMargins();
    const int spacing = grid_->verticalSpacing();
    int headings = 0;
    for (int line = 0; line < kHeadingRows; ++line)
      headings += headings_[static_cast<std::size_t>(kEditColumn * kHeadingRows + line)]->sizeHint().height() + spacing;
    int rowHeight = 0;
    for (QWidget* w : std::initializer_list<QWidget*>{rows_[0].type, rows_[0].fields[0], rows_[0].edit})
      rowHeight = std::max(rowHeight, w->sizeHint().height());
    height = margins.top() + headings + kVisibleLayers * (rowHeight + spacing) - spacing;
  }
  const int frame = 2 * scroll_->frameWidth();
  scroll_->setFixedSize(content.width() + scroll_->verticalScrollBar()->sizeHint().width() + frame,
                          std::min(height, content.height()) + frame);
  // The layouts between the grid and this window learn the new size now, not at their next
  // deferred pass, so that the window can be fitted to it.
  for (QWidget* w = scroll_->parentWidget(); w != nullptr; w = w == this ? nullptr : w->parentWidget())
    if (w->layout()) w->layout()->activate();
  adjustSize();
  if (auto* frameWindow = qobject_cast<QMdiSubWindow*>(parentWidget())) frameWindow->adjustSize();
}

// ---------------------------------------------------------------- commands

void TDlgSoilLayers::chooseType(int row, int index) {
  if (reloadIfStale()) return;
  TGridTable& d = host_.Tables().D();
  if (row >= d.RowCount() || index < 0) return;
  if (d.GetIntValue(kLayerSoilType, row) == index + 1) return;
  ChangeSoilType(d, row, index + 1);
  shownTables_ = layerTables();
  host_.MarkChanged();
}

bool TDlgSoilLayers::reloadIfStale() {
  // Rows of a project that is gone are never written into its successor: show the new one.
  if (layerTables() == shownTables_) return false;
  LoadFromProject();
  return true;
}

bool TDlgSoilLayers::storeRows() {
  if (reloadIfStale()) return false;
  for (const TRow& r : rows_)
    for (TDataEdit* field : r.fields)
      if (!field->CloseQuery()) return false;
  WriteToProject();
  return true;
}

void TDlgSoilLayers::WriteToProject() {
  TGridTable& d = host_.Tables().D();
  if (d.RowCount() != LayerCount()) d.SetRowCount(LayerCount());
  bool changed = false;
  for (int row = 0; row < LayerCount(); ++row) {
    for (std::size_t i = 0; i < kFieldColumns.size(); ++i) {
      if (isFactor(static_cast<int>(i)) && !lrfd_) continue;  // hidden for ASD: kept as stored
      const int column = kFieldColumns[i];
      const double stored = d.GetFloatValue(column, row);
      const double value = ReadNumber(rows_[static_cast<std::size_t>(row)].fields[i], stored);
      if (value == stored) continue;
      d.SetFloatValue(column, row, value);
      changed = true;
    }
  }
  if (changed) host_.MarkChanged();
  profileEdited_ = false;
}

bool TDlgSoilLayers::CheckInput() {
  if (reloadIfStale()) return true;
  // The profile is checked once the user has worked on it: a project as loaded stands.
  if (!profileEdited_) return true;
  const int units = host_.Project().Units();
  const QString length = QString::fromStdString(ExpandUnitsString("L2", units));
  const auto shown = [&length](double value) {
    return QString::fromStdString(FormatGeneral(value, 8)) + " " + length;
  };
  double above = 0.0;
  for (int row = 0; row < LayerCount(); ++row) {
    TDataEdit* field = rows_[static_cast<std::size_t>(row)].fields[0];
    const double bottom = ReadNumber(field, 0.0);
    if (bottom <= above) {
      const QString text =
          row == 0 ? "The bottom of layer 1 must be below the ground surface: its depth must be greater than 0."
                   : "The bottom of layer " + QString::number(row + 1) + " (" + shown(bottom) +
                         ") must be deeper than the bottom of layer " + QString::number(row) + " (" + shown(above) +
                         ").";
      host_.Dialogs().Information(window(), text);
      field->setFocus();
      return false;
    }
    above = bottom;
  }
  // The engine needs soil two diameters below the tip to compute the base resistance.
  const TProgramData& p = host_.Project();
  const double diameter = std::max(p.DSTART, p.DIALIM);
  if (p.PD > 0 && diameter > 0) {
    const double needed = p.PD + 2 * diameter;
    const std::pair<double, double> profile{above, needed};
    if (above < needed && warned_ != profile) {
      warned_ = profile;
      host_.Dialogs().Information(window(), "Warning: the bottom of the last layer (" + shown(above) +
                                                ") should be deeper than the shaft bottom plus two pile diameters (" +
                                                shown(needed) + ").");
      rows_.back().fields[0]->setFocus();
      return false;
    }
  }
  return true;
}

void TDlgSoilLayers::scrollTo(QWidget* control) {
  // New rows have their places once the layout has run.
  QPointer<QWidget> target(control);
  QMetaObject::invokeMethod(this, [this, target] {
    if (target) scroll_->ensureWidgetVisible(target);
  }, Qt::QueuedConnection);
}

void TDlgSoilLayers::AddLayerClick() {
  if (LayerCount() >= kMaxLayers || !storeRows()) return;
  host_.Tables().D().AddRowGroup();
  host_.MarkChanged();
  LoadFromProject();
  profileEdited_ = true;
  currentRow_ = LayerCount() - 1;
  scrollTo(rows_.back().type);
}

void TDlgSoilLayers::InsertLayerClick() {
  if (LayerCount() >= kMaxLayers || !storeRows()) return;
  const int row = currentRow_;
  host_.Tables().D().InsertRowGroup(row);
  host_.MarkChanged();
  LoadFromProject();
  profileEdited_ = true;
  scrollTo(rows_[static_cast<std::size_t>(row)].type);
}

void TDlgSoilLayers::DeleteLayerClick() {
  if (LayerCount() <= 1) return;
  const int row = currentRow_;
  if (confirm_->isChecked() &&
      !host_.Dialogs().AskYesNo(window(), "Do you want to delete soil layer in row " + QString::number(row + 1)))
    return;
  if (!storeRows()) return;
  host_.Tables().D().DeleteRowGroup(row);
  host_.MarkChanged();
  LoadFromProject();
  profileEdited_ = true;
}

void TDlgSoilLayers::EditLayerClick(int row) {
  if (reloadIfStale()) return;
  const int type = host_.Tables().D().GetIntValue(kLayerSoilType, row);
  if (type < 1 || type > kSoilTypeCount) return;
  currentRow_ = row;
  TDlgSoils properties(host_, row + 1, type, this);
  properties.exec();
  scrollTo(rows_[static_cast<std::size_t>(row)].edit);
}

}  // namespace talmo
