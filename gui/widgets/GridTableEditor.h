#pragma once
// TTableForm: the editor window of a grid table (GridTable.h). It shows the table's visible
// columns in a grid with one heading row per heading line, the row-group numbers down the
// left, drop-down lists for choice columns and buttons that open the editors of nested
// tables; text cells are committed when the user leaves them (a rejected entry keeps the cell),
// and the "&Add Row", "&Insert Row" and "&Delete Row" buttons change the rows in groups.
// The form follows the table: row, unit and definition changes made elsewhere rebuild it, and
// nested editors whose table is discarded (row deleted, first-column choice changed) close.
//
// One class serves every placement: a dialog window over its parent (shown modeless with
// show(), added to an MDI area, or modal with exec()), or a borderless part of another window.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

class QLabel;
class QPushButton;

namespace talmo {

class TGridTable;
class TTableGrid;

class TTableForm : public QDialog {
  Q_OBJECT

 public:
  // How a rejected entry or a refused row change is reported; the default shows an
  // information box over the editor.
  using MessageHandler = std::function<void(QWidget* window, const QString& text)>;
  enum class TPlacement { Window, Embedded };

  // The table must outlive the form (its owner closes the editors before discarding it).
  // Opening raises the table's row count to at least MinRows.
  explicit TTableForm(TGridTable& table, QWidget* parent = nullptr, TPlacement placement = TPlacement::Window);
  ~TTableForm() override;

  // An editor opens only for a table with a visible column.
  static bool CanEdit(const TGridTable& table);

  TGridTable& Table() const { return *table_; }
  TTableGrid* Grid() const { return grid_; }
  // The model column shown in a grid column.
  int ModelColumn(int gridColumn) const { return columns_.at(static_cast<std::size_t>(gridColumn)); }

  // Commits the text of the current cell; on failure the message is shown, the cell keeps the
  // focus and its text, and false is returned. A host of an embedded form calls this before it
  // takes the values.
  bool CommitCurrentCell();
  // Rebuilds grid, headings, controls and size from the table.
  void Rebuild();

  // The handler is passed on to the editors of nested tables opened from here.
  void SetMessageHandler(MessageHandler handler) { messageHandler_ = std::move(handler); }

  // The editors of nested tables opened from this one and still open.
  std::vector<TTableForm*> NestedEditors() const;

 public slots:
  // Closing commits the current cell and closes the nested editors first; it is refused when
  // either fails.
  void done(int result) override;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  friend struct TMajorChangeHook;
  friend struct TCellChangeHook;
  struct TNestedEditor {
    QPointer<TTableForm> form;
    const TGridTable* table;  // compared, never dereferenced: it may be gone
    int identifier;           // tells a new table at a reused address from the old one
  };

  void hookTable();
  void unhookTable();
  void tableMajorChange();
  void tableCellChange(int column, int row);

  bool commitCell(int row, int gridColumn);
  bool isTextCell(int row, int gridColumn) const;
  void refreshRow(int row);
  void refreshAll();
  void populateRow(int row);
  void layoutGrid();
  void updateRowButtons();
  void updateNotes();
  void report(const QString& text);

  // Runs a change of the table made by this form: the current cell is committed first, model
  // errors are reported, and the form is brought in line afterwards. False when nothing changed.
  template <class Change>
  bool changeTable(Change change);
  void addRow();
  void insertRow();
  void deleteRow();
  void choose(int row, int gridColumn, int index);
  void openNested(int row, int gridColumn);

  // Closes the nested editors whose tables are no longer in this table; the others take
  // their new captions (a row number may have moved).
  void checkNestedEditors();
  bool closeNestedEditors();
  void refreshCaption();
  // The table is gone: close without touching it (nested editors first).
  void abandon();

  TGridTable* table_;
  const bool embedded_;
  bool tableGone_ = false;
  bool rebuilding_ = false;
  bool changing_ = false;   // a change of this form's own is under way
  bool reporting_ = false;  // a message is shown; its box takes the activation
  MessageHandler messageHandler_;
  std::vector<int> columns_;  // model column of each grid column
  int rowHeight_ = 0;
  std::vector<TNestedEditor> nested_;

  TTableGrid* grid_;
  QPushButton* addRow_;
  QPushButton* insertRow_;
  QPushButton* deleteRow_;
  QWidget* rowButtons_;
  QLabel* comments_;
  QLabel* picture_;
};

// Opens the editor of `table` modally over `parent`; nothing opens when the table has no
// visible column.
void ShowTableEditorModal(TGridTable& table, QWidget* parent);

}  // namespace talmo
