#include "GridTableControl.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QTimer>

namespace talmo {

namespace {

// Every move of the current cell (keys, mouse, Tab, programmatic) passes through the selection
// model: refusing here is the one place that keeps a rejected cell current.
class TCellGuard : public QItemSelectionModel {
 public:
  TCellGuard(QAbstractItemModel* model, TTableGrid* grid) : QItemSelectionModel(model, grid), grid_(grid) {}

  void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override {
    const QModelIndex from = currentIndex();
    if (from.isValid() && index != from && !grid_->MayLeave(from)) return;
    QItemSelectionModel::setCurrentIndex(index, command);
  }

 private:
  TTableGrid* grid_;
};

}  // namespace

TTableGrid::TTableGrid(QWidget* parent) : QTableWidget(parent) {
  QItemSelectionModel* original = selectionModel();
  setSelectionModel(new TCellGuard(model(), this));
  delete original;
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  // The corner shows the table's top-left text instead of selecting everything.
  setCornerButtonEnabled(false);
  corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_ != nullptr) corner_->installEventFilter(this);
}

void TTableGrid::SetTopLeft(const QString& text) {
  topLeft_ = text;
  if (corner_ != nullptr) corner_->update();
}

bool TTableGrid::MayLeave(const QModelIndex& from) {
  if (!CanLeaveCell) return true;
  FlushEditor();
  return CanLeaveCell(from.row(), from.column());
}

void TTableGrid::FlushEditor() {
  if (state() != QAbstractItemView::EditingState) return;
  // indexWidget() also returns the editor open on an index (cell widgets never put the grid
  // in the editing state).
  QWidget* editor = indexWidget(currentIndex());
  if (editor == nullptr) return;
  commitData(editor);
  // Hiding an editor that still holds the focus of an inactive window passes the focus on as
  // a Tab would, which moves the current cell: not while the cell is being committed.
  const bool tabs = tabKeyNavigation();
  setTabKeyNavigation(false);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
  setTabKeyNavigation(tabs);
}

void TTableGrid::MoveByEnter() {
  const int row = currentRow();
  const int column = currentColumn();
  if (rowCount() == 0 || columnCount() == 0) return;
  if (row < 0 || column < 0) {
    setCurrentCell(0, 0);
  } else if (row + 1 < rowCount()) {
    setCurrentCell(row + 1, column);
  } else {
    setCurrentCell(0, column + 1 < columnCount() ? column + 1 : 0);
  }
}

void TTableGrid::ResumeEditing() {
  QTimer::singleShot(0, this, [this] {
    setFocus(Qt::OtherFocusReason);
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
    if (current.flags() & Qt::ItemIsEditable) edit(current);
  });
}

void TTableGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // While a cell is edited its editor closes first and closeEditor() moves on.
    if (state() != QAbstractItemView::EditingState) MoveByEnter();
    event->accept();  // Enter must not reach a dialog's default button
    return;
  }
  QTableWidget::keyPressEvent(event);
}

void TTableGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  // The delegate closes an editor with SubmitModelCache when Enter was pressed in it; the same
  // editor may be closed twice (the delegate's close is queued), so move only once.
  const bool enter = hint == QAbstractItemDelegate::SubmitModelCache && editor != nullptr &&
                     indexWidget(currentIndex()) == editor;
  QTableWidget::closeEditor(editor, hint);
  if (enter) MoveByEnter();
}

bool TTableGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
  // A click on another cell that could not become current must not open an editor there.
  if (index != currentIndex()) return false;
  return QTableWidget::edit(index, trigger, event);
}

bool TTableGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == corner_ && event->type() == QEvent::Paint) {
    QPainter painter(corner_);
    QStyleOptionHeader option;
    option.initFrom(corner_);
    // The corner button is disabled (it selects nothing); its text reads as a heading.
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.rect = corner_->rect();
    option.text = topLeft_;
    option.textAlignment = Qt::AlignCenter;
    option.position = QStyleOptionHeader::OnlyOneSection;
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner_);
    return true;
  }
  return QTableWidget::eventFilter(watched, event);
}

}  // namespace talmo
