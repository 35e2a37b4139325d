#pragma once
// TGridTable: a non-visual table of typed columns (GridColumns.h), the model behind the grid
// editor. It holds the tabular input of a project: the soil-layer table with one nested table
// per layer, the templates those nested tables are copied from, and the extra t-z depths.
//
// Rows come in groups of RowGroup rows (added, inserted and deleted together). Every change of
// a value goes through the table, which then
//   - writes it to every row of the group when the column has SameGroup,
//   - keeps top/bottom interval columns continuous (TFloatColumn::TopDepth),
//   - renews a row's nested tables when the row's choice in the first column changes,
//   - marks the table changed and raises OnCellChange.
// Text entry (SetStringValue) evaluates the text with the expression evaluator and checks it;
// its failures are EAssignError with the message the user is shown.
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "GridColumns.h"
#include "GridTableRegistry.h"

namespace talmo {

class TGridTable;

// A handle of one cell, as an editor control or a caller keeps it.
class TData {
 public:
  TData(TGridTable& table, int column, int row) : table_(&table), column_(column), row_(row) {}
  double GetFloat() const;
  int GetInt() const;
  TGridTable* GetData() const;
  std::string GetValue() const;
  void SetValue(const std::string& text);
  void SetFloat(double value);
  void SetInt(int value);

 private:
  TGridTable* table_;
  int column_;
  int row_;
};

class TGridTable {
 public:
  // A top-level table (parent nullptr) or a table nested in `parent`. The table registers in
  // `registry` and takes the next free identifier; it starts with the parent's unit system.
  explicit TGridTable(TTableRegistry& registry, TGridTable* parent = nullptr);
  ~TGridTable();
  TGridTable(const TGridTable&) = delete;
  TGridTable& operator=(const TGridTable&) = delete;

  TTableRegistry& Registry() const { return *registry_; }
  TGridTable* Parent() const { return parent_; }

  // Unique among the tables of the registry. Taking the identifier of another table gives that
  // table this one's old identifier; negative values are ignored.
  int Identifier() const { return identifier_; }
  void SetIdentifier(int identifier);
  // Position of a nested table in its parent (row + 1); 0 for a top-level table.
  int ID() const { return id_; }
  void SetID(int id) { id_ = id; }

  std::string Caption;
  std::string Comments;     // a note under the grid
  std::string TopLeft;      // text of the grid's top-left cell
  std::string HelpPicture;  // name of a picture shown under the grid
  // Older column definitions: every choice uses the same template (TTableColumn).
  bool HardwiredButton = false;

  // Fewest rows, at least 1 (0 or less raises EAssignError "Value must be greater than 0").
  int MinRows() const { return minRows_; }
  void SetMinRows(int rows);
  // Most rows; 0 means no limit; equal to MinRows fixes the row count.
  int MaxRows() const { return maxRows_; }
  void SetMaxRows(int rows) { maxRows_ = rows < 0 ? 0 : rows; }
  int RowGroup() const { return rowGroup_; }
  void SetRowGroup(int rows) { rowGroup_ = rows < 1 ? 1 : rows; }

  int RowCount() const { return rowCount_; }
  // Deletes rows from the end or appends rows with their new-row values; below 0 counts as 0.
  void SetRowCount(int rows);
  // Appends rows up to MinRows (as an editor does when it opens, and a reader when it is done).
  void RaiseToMinimumRows() {
    if (rowCount_ < minRows_) SetRowCount(minRows_);
  }
  // The editor's row buttons: whether a group may be added/inserted or deleted.
  bool CanAddRowGroup() const { return maxRows_ == 0 || rowCount_ + rowGroup_ <= maxRows_; }
  bool CanDeleteRowGroup() const { return rowCount_ - rowGroup_ >= minRows_; }
  // Group operations, as the editor's buttons; each raises OnMajorChange. They refuse, with an
  // EAssignError, to pass MaxRows or MinRows; a row outside the rows raises std::out_of_range
  // "Grid.Row not in valid range".
  void AddRowGroup();
  void InsertRowGroup(int row);
  void DeleteRowGroup(int row);
  // Label of a row in the grid: its group number from 1.
  int RowLabel(int row) const { return row / rowGroup_ + 1; }
  // Whether the row count is fixed (the editor then offers no row buttons).
  bool FixedRowCount() const { return minRows_ == maxRows_; }

  // Unit system of the values: 1 English, 2 SI (other codes are clamped). Switching converts
  // every real column by its unit code, passes the system on to nested tables and raises
  // OnMajorChange; the same system changes nothing.
  int Units() const { return units_; }
  void SetUnits(int units);

  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  TColumn& Column(int column);
  const TColumn& Column(int column) const;
  // The column as its class; std::logic_error when it is of another class.
  template <class C>
  C& ColumnAs(int column) {
    C* typed = dynamic_cast<C*>(&Column(column));
    if (typed == nullptr) throw std::logic_error("column " + std::to_string(column) + " is of another class");
    return *typed;
  }
  template <class C>
  const C& ColumnAs(int column) const {
    return const_cast<TGridTable*>(this)->ColumnAs<C>(column);
  }
  template <class C>
  C& AddColumn() {
    return static_cast<C&>(InsertColumn(ColumnCount(), std::make_unique<C>()));
  }
  // New columns are filled to the current row count with their new-row values.
  TColumn& AddColumn(TColumnClass columnClass);
  TColumn& InsertColumn(int position, std::unique_ptr<TColumn> column);
  TColumn& ReplaceColumn(int position, std::unique_ptr<TColumn> column);
  void DeleteColumn(int position);

  // Cells. Out-of-range addresses raise std::out_of_range "Index out of bounds".
  TData GetData(int column, int row) { return TData(*this, column, row); }
  double GetFloatValue(int column, int row) const;
  int GetIntValue(int column, int row) const;
  std::string GetStringValue(int column, int row) const;
  // The nested table of a table column's row, or nullptr.
  TGridTable* GetDataValue(int column, int row) const;
  void SetFloatValue(int column, int row, double value);
  void SetIntValue(int column, int row, int value);
  // Text entry: evaluated (ExpressionEvaluator.h) and checked by column class, then stored.
  //   integer: "Entry must be an integer." / "Entry must be between %d and %d.", then rounded;
  //   choice:  "Value must be an integer." / "Entry must be between 1 and %d.";
  //   real:    stored as evaluated ("Entry must be a finite number." for infinities);
  //   string:  stored as typed.
  void SetStringValue(int column, int row, const std::string& text);

  // Headings of a column as the grid shows them in the table's unit system.
  std::vector<std::string> ColumnHeadings(int column) const;
  // Caption of a table cell's button: "%d: %s" with the row number from 1 and the nested
  // table's caption, unless OnGetButtonCaption supplies the text.
  std::string ButtonCaption(int column, int row) const;
  // " 3" for the layer table of row 3; the parents' paths come first.
  std::string Path() const;
  // Caption of this table's editor window: Caption followed by the path.
  std::string EditorCaption() const { return Caption + Path(); }

  // True when the table's flag is set or any nested table (or owner object) is changed.
  bool Changed() const;
  void SetChanged() { changed_ = true; }
  // Clears the flag here and in every nested table.
  void ResetChanged();

  // Takes over caption, comments, top-left text, help picture, row limits, row group and the
  // column definitions (without values) of a template; the rows are cleared.
  void CopyDefinitionFrom(const TGridTable& source);
  // The column definitions (the `Col` stream): an integer count, then per column its class
  // code, heading lines, Visible, SameGroup and the class's own properties.
  void WriteColumns(TValueWriter& writer) const;
  // Replaces the columns by those of the stream, all or nothing. Failures are EInOutError
  // "Error reading column count", "Error Column Class not defined" or "Error occured when
  // creating column %d: %s" (column from 0 and the inner message).
  void ReadColumns(TValueReader& reader);

  // Events. The model raises OnMajorChange (rows, units), OnCellChange (every value written)
  // and asks OnInitRow, OnGetChanged, OnResetChanged, OnSetUnits and OnGetButtonCaption about
  // owner-supplied cells; the editor raises OnButtonClick, OnHide, OnSetRow and OnResize.
  std::function<void()> OnMajorChange;
  std::function<void(int column, int row)> OnCellChange;
  std::function<void(int column, int row)> OnButtonClick;
  std::function<std::string(int column, int row)> OnGetButtonCaption;
  std::function<bool(int column, int row)> OnGetChanged;
  std::function<void()> OnHide;
  std::function<std::any(int column, int row)> OnInitRow;
  std::function<void(int column, int row)> OnResetChanged;
  std::function<void(int row)> OnSetRow;
  std::function<void(int column, int row, int units)> OnSetUnits;
  std::function<void()> OnResize;

 private:
  friend class TTableColumn;
  void checkCell(int column, int row) const;
  int columnIndex(const TColumn* column) const;
  void adopt(TColumn& column);
  // Writes one value to a cell (and its group) and applies the follow-ups of a change.
  template <class Store>
  void writeCell(int column, int row, Store store);
  void afterCellWrite(int column, int row, int oldChoice);
  void linkAfterWrite(int column, int row);
  void linkInsertedRows(int position, int count);
  void linkAfterDelete(int position);
  // The choice of a row in the first column (1 when the first column is not a choice).
  int firstColumnChoice(int row) const;
  // Replaces the nested tables of a row by fresh copies of its templates.
  void renewNestedTables(int row);
  void renumberNestedTables(int fromRow);
  void insertRows(int position, int count);
  void deleteRows(int position, int count);
  void majorChange();

  TTableRegistry* registry_;
  TGridTable* parent_;
  int identifier_ = 0;
  int templateIdentifier_ = -1;  // identifier of the template this table was copied from
  int id_ = 0;
  int minRows_ = 1;
  int maxRows_ = 0;
  int rowGroup_ = 1;
  int rowCount_ = 0;
  int units_ = 1;
  bool changed_ = false;
  std::vector<std::unique_ptr<TColumn>> columns_;
};

}  // namespace talmo
