#include "GridTable.h"

#include <algorithm>

#include "Errors.h"
#include "ValueStream.h"

namespace talmo {

namespace {

const char* const kTopDepthNeedsFloat = "If column if a topdepth then the next column must be a float column";

[[noreturn]] void indexOutOfBounds(int column, int row) {
  throw std::out_of_range("Index out of bounds (column " + std::to_string(column) + ", row " +
                          std::to_string(row) + ")");
}

}  // namespace

// ---- TData ------------------------------------------------------------------------------------

double TData::GetFloat() const { return table_->GetFloatValue(column_, row_); }
int TData::GetInt() const { return table_->GetIntValue(column_, row_); }
TGridTable* TData::GetData() const { return table_->GetDataValue(column_, row_); }
std::string TData::GetValue() const { return table_->GetStringValue(column_, row_); }
void TData::SetValue(const std::string& text) { table_->SetStringValue(column_, row_, text); }
void TData::SetFloat(double value) { table_->SetFloatValue(column_, row_, value); }
void TData::SetInt(int value) { table_->SetIntValue(column_, row_, value); }

// ---- life and identity ------------------------------------------------------------------------

TGridTable::TGridTable(TTableRegistry& registry, TGridTable* parent) : registry_(&registry), parent_(parent) {
  identifier_ = registry.Register(this);
  if (parent != nullptr) units_ = parent->units_;
}

TGridTable::~TGridTable() {
  columns_.clear();  // nested tables leave the registry first
  registry_->Unregister(this);
}

void TGridTable::SetIdentifier(int identifier) {
  if (identifier < 0 || identifier == identifier_) return;
  if (TGridTable* other = registry_->FindByIdentifier(identifier)) other->identifier_ = identifier_;
  identifier_ = identifier;
}

void TGridTable::SetMinRows(int rows) {
  if (rows <= 0) throw EAssignError("Value must be greater than 0");
  minRows_ = rows;
}

// ---- rows -------------------------------------------------------------------------------------

void TGridTable::majorChange() {
  if (OnMajorChange) OnMajorChange();
}

void TGridTable::SetRowCount(int rows) {
  rows = std::max(rows, 0);
  if (rows == rowCount_) return;
  if (rows > rowCount_) {
    insertRows(rowCount_, rows - rowCount_);
  } else {
    deleteRows(rows, rowCount_ - rows);
  }
  changed_ = true;
  majorChange();
}

void TGridTable::AddRowGroup() {
  if (!CanAddRowGroup())
    throw EAssignError("No more rows can be added: the table holds at most " + std::to_string(maxRows_) + " rows.");
  insertRows(rowCount_, rowGroup_);
  changed_ = true;
  majorChange();
}

void TGridTable::InsertRowGroup(int row) {
  if (row < 0 || row >= rowCount_) throw std::out_of_range("Grid.Row not in valid range");
  if (!CanAddRowGroup())
    throw EAssignError("No more rows can be added: the table holds at most " + std::to_string(maxRows_) + " rows.");
  insertRows(row / rowGroup_ * rowGroup_, rowGroup_);
  changed_ = true;
  majorChange();
}

void TGridTable::DeleteRowGroup(int row) {
  if (row < 0 || row >= rowCount_) throw std::out_of_range("Grid.Row not in valid range");
  if (!CanDeleteRowGroup())
    throw EAssignError("No rows can be deleted: the table needs at least " + std::to_string(minRows_) + " rows.");
  const int first = row / rowGroup_ * rowGroup_;
  deleteRows(first, std::min(rowGroup_, rowCount_ - first));
  changed_ = true;
  majorChange();
}

void TGridTable::insertRows(int position, int count) {
  for (auto& column : columns_) column->insertRows(position, count);
  rowCount_ += count;
  linkInsertedRows(position, count);
  for (int row = position; row < position + count; ++row) renewNestedTables(row);
  renumberNestedTables(position + count);
}

void TGridTable::deleteRows(int position, int count) {
  for (auto& column : columns_) column->deleteRows(position, count);
  rowCount_ -= count;
  linkAfterDelete(position);
  renumberNestedTables(position);
}

// ---- nested tables ----------------------------------------------------------------------------

int TGridTable::firstColumnChoice(int row) const {
  if (columns_.empty()) return 1;
  const auto* choices = dynamic_cast<const TEnumColumn*>(columns_.front().get());
  return choices != nullptr ? choices->Value(row) : 1;
}

void TGridTable::renewNestedTables(int row) {
  for (int c = 0; c < ColumnCount(); ++c) {
    auto* tableColumn = dynamic_cast<TTableColumn*>(columns_[static_cast<std::size_t>(c)].get());
    if (tableColumn == nullptr) continue;
    TTableColumn::TCell& cell = tableColumn->cellAt(row);
    cell.table.reset();
    cell.object.reset();
    const TGridTable* templ = tableColumn->TemplateFor(firstColumnChoice(row));
    // A template that contains itself, directly or further down, would be copied without end.
    for (const TGridTable* p = this; templ != nullptr && p != nullptr; p = p->parent_)
      if (p == templ || p->templateIdentifier_ == templ->identifier_) templ = nullptr;
    if (templ != nullptr) {
      auto nested = std::make_unique<TGridTable>(*registry_, this);
      nested->CopyDefinitionFrom(*templ);
      nested->id_ = row + 1;
      nested->SetRowCount(nested->minRows_);
      nested->changed_ = false;
      cell.table = std::move(nested);
    } else if (OnInitRow) {
      cell.object = OnInitRow(c, row);
    }
  }
}

void TGridTable::renumberNestedTables(int fromRow) {
  for (auto& column : columns_) {
    auto* tableColumn = dynamic_cast<TTableColumn*>(column.get());
    if (tableColumn == nullptr) continue;
    for (int row = fromRow; row < rowCount_; ++row)
      if (TGridTable* nested = tableColumn->NestedTable(row)) nested->id_ = row + 1;
  }
}

// ---- the top-depth link -----------------------------------------------------------------------

namespace {

// The bottom column of a top-depth column; the definition error when it is not a real column.
TFloatColumn& linkedBottom(std::vector<std::unique_ptr<TColumn>>& columns, std::size_t top) {
  auto* bottom = top + 1 < columns.size() ? dynamic_cast<TFloatColumn*>(columns[top + 1].get()) : nullptr;
  if (bottom == nullptr) throw std::logic_error(kTopDepthNeedsFloat);
  return *bottom;
}

TFloatColumn* topDepthColumn(const std::unique_ptr<TColumn>& column) {
  auto* real = dynamic_cast<TFloatColumn*>(column.get());
  return real != nullptr && real->TopDepth ? real : nullptr;
}

}  // namespace

void TGridTable::linkAfterWrite(int column, int row) {
  const auto c = static_cast<std::size_t>(column);
  auto* written = dynamic_cast<TFloatColumn*>(columns_[c].get());
  if (written == nullptr) return;
  const double value = written->Value(row);
  if (written->TopDepth && row > 0) {
    static_cast<TColumn&>(linkedBottom(columns_, c)).storeFloat(row - 1, value);
    if (OnCellChange) OnCellChange(column + 1, row - 1);
  }
  if (column > 0 && topDepthColumn(columns_[c - 1]) != nullptr && row + 1 < rowCount_) {
    columns_[c - 1]->storeFloat(row + 1, value);
    if (OnCellChange) OnCellChange(column - 1, row + 1);
  }
}

void TGridTable::linkInsertedRows(int position, int count) {
  if (position == 0) return;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (topDepthColumn(columns_[c]) == nullptr) continue;
    TColumn& top = *columns_[c];
    TFloatColumn& bottom = linkedBottom(columns_, c);
    // New rows start and end where the row above ends, so the intervals stay continuous.
    const double depth = bottom.Value(position - 1);
    for (int row = position; row < position + count; ++row) {
      top.storeFloat(row, depth);
      static_cast<TColumn&>(bottom).storeFloat(row, depth);
    }
  }
}

void TGridTable::linkAfterDelete(int position) {
  if (position == 0 || position >= rowCount_) return;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (topDepthColumn(columns_[c]) != nullptr)
      columns_[c]->storeFloat(position, linkedBottom(columns_, c).Value(position - 1));
  }
}

// ---- units ------------------------------------------------------------------------------------

void TGridTable::SetUnits(int units) {
  units = std::clamp(units, 1, 2);
  if (units == units_) return;
  for (std::size_t c = 0; c < columns_.size(); ++c) {
    if (!columns_[c]->convertUnits(units_, units) || rowCount_ == 0) continue;
    changed_ = true;
    if (OnCellChange)
      for (int row = 0; row < rowCount_; ++row) OnCellChange(static_cast<int>(c), row);
  }
  units_ = units;
  majorChange();
}

// ---- columns ----------------------------------------------------------------------------------

TColumn& TGridTable::Column(int column) {
  if (column < 0 || column >= ColumnCount()) indexOutOfBounds(column, 0);
  return *columns_[static_cast<std::size_t>(column)];
}

const TColumn& TGridTable::Column(int column) const { return const_cast<TGridTable*>(this)->Column(column); }

int TGridTable::columnIndex(const TColumn* column) const {
  for (std::size_t c = 0; c < columns_.size(); ++c)
    if (columns_[c].get() == column) return static_cast<int>(c);
  return -1;
}

void TGridTable::adopt(TColumn& column) {
  column.table_ = this;
  column.insertRows(0, rowCount_);
}

TColumn& TGridTable::AddColumn(TColumnClass columnClass) {
  return InsertColumn(ColumnCount(), TColumn::Create(static_cast<int>(columnClass)));
}

TColumn& TGridTable::InsertColumn(int position, std::unique_ptr<TColumn> column) {
  if (position < 0 || position > ColumnCount()) indexOutOfBounds(position, 0);
  if (!column) throw std::invalid_argument("no column to insert");
  TColumn& added = *column;
  adopt(added);
  columns_.insert(columns_.begin() + position, std::move(column));
  if (dynamic_cast<TTableColumn*>(&added) != nullptr)
    for (int row = 0; row < rowCount_; ++row) renewNestedTables(row);
  return added;
}

TColumn& TGridTable::ReplaceColumn(int position, std::unique_ptr<TColumn> column) {
  DeleteColumn(position);
  return InsertColumn(position, std::move(column));
}

void TGridTable::DeleteColumn(int position) {
  if (position < 0 || position >= ColumnCount()) indexOutOfBounds(position, 0);
  columns_.erase(columns_.begin() + position);
}

// ---- cells ------------------------------------------------------------------------------------

void TGridTable::checkCell(int column, int row) const {
  if (column < 0 || column >= ColumnCount() || row < 0 || row >= rowCount_) indexOutOfBounds(column, row);
}

double TGridTable::GetFloatValue(int column, int row) const {
  checkCell(column, row);
  return Column(column).GetFloat(row);
}

int TGridTable::GetIntValue(int column, int row) const {
  checkCell(column, row);
  return Column(column).GetInt(row);
}

std::string TGridTable::GetStringValue(int column, int row) const {
  checkCell(column, row);
  return Column(column).GetValue(row);
}

TGridTable* TGridTable::GetDataValue(int column, int row) const {
  checkCell(column, row);
  const auto* tableColumn = dynamic_cast<const TTableColumn*>(&Column(column));
  return tableColumn != nullptr ? tableColumn->NestedTable(row) : nullptr;
}

template <class Store>
void TGridTable::writeCell(int column, int row, Store store) {
  checkCell(column, row);
  TColumn& target = Column(column);
  int first = row;
  int last = row;
  if (target.SameGroup) {
    first = row / rowGroup_ * rowGroup_;
    last = std::min(first + rowGroup_, rowCount_) - 1;
  }
  for (int r = first; r <= last; ++r) {
    const int oldChoice = column == 0 ? firstColumnChoice(r) : 0;
    store(target, r);
    afterCellWrite(column, r, oldChoice);
  }
}

void TGridTable::afterCellWrite(int column, int row, int oldChoice) {
  changed_ = true;
  linkAfterWrite(column, row);
  // A new choice in the first column selects another template: the row's nested tables
  // start afresh from it.
  if (column == 0 && firstColumnChoice(row) != oldChoice) renewNestedTables(row);
  if (OnCellChange) OnCellChange(column, row);
}

void TGridTable::SetFloatValue(int column, int row, double value) {
  writeCell(column, row, [value](TColumn& c, int r) { c.storeFloat(r, value); });
}

void TGridTable::SetIntValue(int column, int row, int value) {
  writeCell(column, row, [value](TColumn& c, int r) { c.storeInt(r, value); });
}

void TGridTable::SetStringValue(int column, int row, const std::string& text) {
  checkCell(column, row);
  const TCellEntry entry = Column(column).parseEntry(text);
  writeCell(column, row, [&entry](TColumn& c, int r) { c.storeEntry(r, entry); });
}

// ---- editor texts -----------------------------------------------------------------------------

std::vector<std::string> TGridTable::ColumnHeadings(int column) const { return Column(column).DisplayHeadings(units_); }

std::string TGridTable::ButtonCaption(int column, int row) const {
  checkCell(column, row);
  if (OnGetButtonCaption) return OnGetButtonCaption(column, row);
  const TGridTable* nested = GetDataValue(column, row);
  return std::to_string(row + 1) + ": " + (nested != nullptr ? nested->Caption : std::string());
}

std::string TGridTable::Path() const {
  std::string path = parent_ != nullptr ? parent_->Path() : std::string();
  if (id_ != 0) path += " " + std::to_string(id_);
  return path;
}

// ---- change tracking --------------------------------------------------------------------------

bool TGridTable::Changed() const {
  return changed_ || std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->changed(); });
}

void TGridTable::ResetChanged() {
  changed_ = false;
  for (auto& column : columns_) column->resetChanged();
}

// ---- definitions ------------------------------------------------------------------------------

void TGridTable::CopyDefinitionFrom(const TGridTable& source) {
  if (&source == this) return;
  columns_.clear();
  rowCount_ = 0;
  Caption = source.Caption;
  Comments = source.Comments;
  TopLeft = source.TopLeft;
  HelpPicture = source.HelpPicture;
  HardwiredButton = source.HardwiredButton;
  minRows_ = source.minRows_;
  maxRows_ = source.maxRows_;
  rowGroup_ = source.rowGroup_;
  templateIdentifier_ = source.identifier_;
  for (const auto& column : source.columns_) {
    std::unique_ptr<TColumn> copy = column->CloneDefinition();
    adopt(*copy);
    columns_.push_back(std::move(copy));
  }
}

void TGridTable::WriteColumns(TValueWriter& writer) const {
  writer.WriteInteger(ColumnCount());
  for (const auto& column : columns_) {
    writer.WriteInteger(static_cast<int>(column->ClassCode()));
    column->WriteDefinition(writer);
  }
}

void TGridTable::ReadColumns(TValueReader& reader) {
  int count = 0;
  try {
    count = reader.ReadInteger();
  } catch (const EInOutError&) {
    throw EInOutError("Error reading column count");
  }
  if (count < 0) throw EInOutError("Error reading column count");

  auto columnError = [](int column, const std::string& message) {
    return EInOutError("Error occured when creating column " + std::to_string(column) + ": " + message);
  };
  std::vector<std::unique_ptr<TColumn>> read;
  for (int c = 0; c < count; ++c) {
    int classCode = 0;
    try {
      classCode = reader.ReadInteger();
    } catch (const EInOutError& e) {
      throw columnError(c, e.what());
    }
    std::unique_ptr<TColumn> column = TColumn::Create(classCode);
    if (!column) throw EInOutError("Error Column Class not defined");
    try {
      column->ReadDefinition(reader);
    } catch (const std::exception& e) {
      throw columnError(c, e.what());
    }
    read.push_back(std::move(column));
  }
  for (std::size_t c = 0; c < read.size(); ++c) {
    try {
      if (topDepthColumn(read[c]) != nullptr) linkedBottom(read, c);
    } catch (const std::exception& e) {
      throw columnError(static_cast<int>(c), e.what());
    }
  }

  columns_ = std::move(read);
  for (auto& column : columns_) adopt(*column);
  for (int row = 0; row < rowCount_; ++row) renewNestedTables(row);
  changed_ = true;
  majorChange();
}

}  // namespace talmo
