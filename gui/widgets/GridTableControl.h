#pragma once
// TTableGrid: the grid control of the grid-table editor (GridTableEditor.h). A QTableWidget whose
// current cell can only be left with the owner's consent (a rejected entry keeps the cell and
// its typed text), where Enter walks down the column and on to the next one, only the current
// cell is edited, and the top-left corner shows a text.
// The guard replaces the selection model, so QTableWidget's own current-cell and selection
// signals stay silent: connect to selectionModel() instead.
#include <QTableWidget>
#include <functional>

class QAbstractButton;

namespace talmo {

class TTableGrid : public QTableWidget {
  Q_OBJECT

 public:
  explicit TTableGrid(QWidget* parent = nullptr);

  // Asked before the current cell (row, column) is left, after an open cell editor has written
  // its text into the cell; false keeps the cell current. Unset: cells are always left.
  std::function<bool(int row, int column)> CanLeaveCell;

  QString TopLeft() const { return topLeft_; }
  void SetTopLeft(const QString& text);

  // Writes the text of an open cell editor into its cell and closes the editor.
  void FlushEditor();
  // Enter: to the next row; from the last row to the first row of the next column; from the
  // last column back to the first.
  void MoveByEnter();
  // Gives the focus back to the current cell and reopens its editor (with the cell's text),
  // once the events in hand are done.
  void ResumeEditing();

  // Whether the current cell may be left now (used by the selection guard).
  bool MayLeave(const QModelIndex& from);

  using QTableWidget::edit;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractButton* corner_ = nullptr;
  QString topLeft_;
};

}  // namespace talmo
