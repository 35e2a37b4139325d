#pragma once
// The typed columns of a grid table. A column holds its definition (headings, visibility,
// limits, unit code, choices, templates) and one value per row. Values are changed through the
// owning TGridTable, which keeps row groups, the top-depth link, nested tables and change
// events consistent; the column classes only store, convert and parse.
#include <any>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GridTableRegistry.h"

namespace talmo {

class TGridTable;
class TValueReader;
class TValueWriter;

// Class codes of the column definition stream.
enum class TColumnClass : int { Enum = 0, Int = 1, Float = 2, Table = 3, String = 4 };

// A text entry after evaluation and checks, ready to be stored in any row.
struct TCellEntry {
  double number = 0.0;
  std::string text;
};

class TColumn {
 public:
  virtual ~TColumn();
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;

  // The column class of the definition stream; nullptr from Create for an unknown code.
  virtual TColumnClass ClassCode() const = 0;
  static std::unique_ptr<TColumn> Create(int classCode);

  std::vector<std::string> Headings;  // one text per heading row
  bool Visible = true;
  // A value written to one row goes to every row of that row's group.
  bool SameGroup = false;

  virtual int RowCount() const = 0;
  // Text form of a cell: numbers in general format, strings as stored.
  virtual std::string GetValue(int row) const = 0;
  // Numeric value of a cell. String and table columns hold no numbers (std::logic_error).
  virtual double GetFloat(int row) const;
  virtual int GetInt(int row) const;

  // Headings as the grid shows them in a unit system (a real column adds its unit label).
  virtual std::vector<std::string> DisplayHeadings(int /*units*/) const { return Headings; }

  // A column of the same class and definition, without rows.
  std::unique_ptr<TColumn> CloneDefinition() const;

  void WriteDefinition(TValueWriter& writer) const;
  // Reads what follows the class code. Errors propagate as EInOutError.
  void ReadDefinition(TValueReader& reader);

  // The table this column belongs to (nullptr before it is added).
  TGridTable* Table() const { return table_; }

 protected:
  TColumn() = default;
  virtual std::unique_ptr<TColumn> cloneEmpty() const = 0;
  virtual void copyProperties(const TColumn& from) = 0;
  virtual void writeProperties(TValueWriter& writer) const = 0;
  virtual void readProperties(TValueReader& reader) = 0;

  // Rows are inserted with the column's new-row value and deleted by the table.
  virtual void insertRows(int position, int count) = 0;
  virtual void deleteRows(int position, int count) = 0;
  // Evaluates and checks a text entry (EAssignError with the user's message).
  virtual TCellEntry parseEntry(const std::string& text) const = 0;
  virtual void storeEntry(int row, const TCellEntry& entry) = 0;
  virtual void storeFloat(int row, double value);
  virtual void storeInt(int row, int value);
  // Converts stored values from one unit system to another; returns true when any value of
  // the column is subject to conversion (its rows are then reported as changed).
  virtual bool convertUnits(int /*fromUnits*/, int /*toUnits*/) { return false; }
  virtual bool changed() const { return false; }
  virtual void resetChanged() {}

 private:
  friend class TGridTable;
  TGridTable* table_ = nullptr;
};

// Storage shared by the columns that hold one plain value per row.
template <class T>
class TValueColumn : public TColumn {
 public:
  int RowCount() const override { return static_cast<int>(values_.size()); }
  const T& Value(int row) const { return values_.at(static_cast<std::size_t>(row)); }

 protected:
  virtual T newRowValue() const = 0;
  void insertRows(int position, int count) override {
    values_.insert(values_.begin() + position, static_cast<std::size_t>(count), newRowValue());
  }
  void deleteRows(int position, int count) override {
    values_.erase(values_.begin() + position, values_.begin() + position + count);
  }
  T& cell(int row) { return values_.at(static_cast<std::size_t>(row)); }

  std::vector<T> values_;
};

// Storage and access shared by the columns that hold a whole number per row (choices and
// integers); reals written into them are rounded to the nearest whole number.
class TWholeNumberColumn : public TValueColumn<int> {
 public:
  std::string GetValue(int row) const override { return std::to_string(Value(row)); }
  double GetFloat(int row) const override { return Value(row); }
  int GetInt(int row) const override { return Value(row); }

 protected:
  void storeEntry(int row, const TCellEntry& entry) override;
  void storeFloat(int row, double value) override;
  void storeInt(int row, int value) override { cell(row) = value; }
};

// A choice from a list of names; the value is the 1-based position of the choice.
class TEnumColumn : public TWholeNumberColumn {
 public:
  TColumnClass ClassCode() const override { return TColumnClass::Enum; }
  std::vector<std::string> Names;


 protected:
  int newRowValue() const override { return 1; }
  std::unique_ptr<TColumn> cloneEmpty() const override { return std::make_unique<TEnumColumn>(); }
  void copyProperties(const TColumn& from) override;
  void writeProperties(TValueWriter& writer) const override;
  void readProperties(TValueReader& reader) override;
  TCellEntry parseEntry(const std::string& text) const override;
};

class TIntColumn : public TWholeNumberColumn {
 public:
  TColumnClass ClassCode() const override { return TColumnClass::Int; }
  int Default = 0;
  int Minimum = INT_MIN;
  int Maximum = INT_MAX;


 protected:
  int newRowValue() const override { return Default; }
  std::unique_ptr<TColumn> cloneEmpty() const override { return std::make_unique<TIntColumn>(); }
  void copyProperties(const TColumn& from) override;
  void writeProperties(TValueWriter& writer) const override;
  void readProperties(TValueReader& reader) override;
  TCellEntry parseEntry(const std::string& text) const override;
};

// A real value with a unit code ("L2", "F/L2^2", ...) that is converted when the table
// switches unit systems.
class TFloatColumn : public TValueColumn<double> {
 public:
  TColumnClass ClassCode() const override { return TColumnClass::Float; }
  std::string UnitsString;
  double Default = 0.0;
  // This column holds the top of an interval whose bottom is the next (real) column; the
  // table keeps the rows continuous.
  bool TopDepth = false;

  std::string GetValue(int row) const override;
  double GetFloat(int row) const override { return Value(row); }
  int GetInt(int row) const override;
  // The last heading line reads "heading (unit names)  " when the column has a unit code.
  std::vector<std::string> DisplayHeadings(int units) const override;

 protected:
  double newRowValue() const override { return Default; }
  std::unique_ptr<TColumn> cloneEmpty() const override { return std::make_unique<TFloatColumn>(); }
  void copyProperties(const TColumn& from) override;
  void writeProperties(TValueWriter& writer) const override;
  void readProperties(TValueReader& reader) override;
  TCellEntry parseEntry(const std::string& text) const override;
  void storeEntry(int row, const TCellEntry& entry) override { cell(row) = entry.number; }
  void storeFloat(int row, double value) override { cell(row) = value; }
  void storeInt(int row, int value) override { cell(row) = value; }
  bool convertUnits(int fromUnits, int toUnits) override;
};

class TStringColumn : public TValueColumn<std::string> {
 public:
  TColumnClass ClassCode() const override { return TColumnClass::String; }
  std::string Default;
  double MinWidth = 0.0;  // narrowest grid column, in inches

  std::string GetValue(int row) const override { return Value(row); }

 protected:
  std::string newRowValue() const override { return Default; }
  std::unique_ptr<TColumn> cloneEmpty() const override { return std::make_unique<TStringColumn>(); }
  void copyProperties(const TColumn& from) override;
  void writeProperties(TValueWriter& writer) const override;
  void readProperties(TValueReader& reader) override;
  TCellEntry parseEntry(const std::string& text) const override { return {0.0, text}; }
  void storeEntry(int row, const TCellEntry& entry) override { cell(row) = entry.text; }
};

// A nested table per row, a fresh copy of the row's template: entry (v - 1) of Templates, v
// being the row's choice in the table's first column (1 when that is not a choice column).
// Without a template the owner's OnInitRow may supply an object of its own.
class TTableColumn : public TColumn {
 public:
  TTableColumn();
  ~TTableColumn() override;
  TColumnClass ClassCode() const override { return TColumnClass::Table; }

  TGridTableList Templates;
  // Older definitions name one template by its registry position: it serves every choice when
  // the table's HardwiredButton is set, otherwise choice k uses the table with identifier k.
  std::optional<int> LegacyTemplateIndex;

  int RowCount() const override { return static_cast<int>(cells_.size()); }
  // The nested table of a row (nullptr when the row has none).
  TGridTable* NestedTable(int row) const;
  // The owner-supplied object of a row (empty when there is none).
  const std::any& Object(int row) const;
  // The template for a choice of the first column (1-based), or nullptr.
  TGridTable* TemplateFor(int choice) const;
  // The nested table's caption, or empty.
  std::string GetValue(int row) const override;

 protected:
  std::unique_ptr<TColumn> cloneEmpty() const override { return std::make_unique<TTableColumn>(); }
  void copyProperties(const TColumn& from) override;
  void writeProperties(TValueWriter& writer) const override;
  void readProperties(TValueReader& reader) override;
  void insertRows(int position, int count) override;
  void deleteRows(int position, int count) override;
  TCellEntry parseEntry(const std::string& text) const override;
  void storeEntry(int, const TCellEntry&) override {}
  bool convertUnits(int fromUnits, int toUnits) override;
  bool changed() const override;
  void resetChanged() override;

 private:
  friend class TGridTable;
  struct TCell {
    std::unique_ptr<TGridTable> table;
    std::any object;
  };
  TCell& cellAt(int row) { return cells_.at(static_cast<std::size_t>(row)); }
  // Number of choices of the table's first column (1 when it is not a choice column).
  int choiceCount() const;
  std::vector<TCell> cells_;
};

}  // namespace talmo
