#include "GridTableEditor.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QAbstractItemView>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>

#include "GridTable.h"
#include "GridTableControl.h"
#include "UserDialogs.h"

namespace talmo {

namespace {

constexpr int kMaxVisibleRows = 10;
constexpr int kDropDownRows = 11;

void showInformation(QWidget* window, const QString& text) {
  QMessageBox::information(window, QStringLiteral("Information"), text);
}

QString text(const std::string& s) { return QString::fromStdString(s); }

bool isChoice(const TColumn& column) { return column.ClassCode() == TColumnClass::Enum; }
bool isNested(const TColumn& column) { return column.ClassCode() == TColumnClass::Table; }

std::vector<int> visibleColumns(const TGridTable& table) {
  std::vector<int> columns;
  for (int c = 0; c < table.ColumnCount(); ++c)
    if (table.Column(c).Visible) columns.push_back(c);
  return columns;
}

// The narrowest a grid column may be, in pixels: real columns half an inch, string columns
// their own minimum.
int minimumColumnWidth(const TColumn& column, int dpi) {
  if (column.ClassCode() == TColumnClass::Float) return dpi / 2;
  if (const auto* strings = dynamic_cast<const TStringColumn*>(&column))
    return static_cast<int>(strings->MinWidth * dpi);
  return 0;
}

QPushButton* rowButton(const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setAutoDefault(false);  // Enter belongs to the grid
  return button;
}

}  // namespace

// The form follows its table through the table's change events. The events hold one handler
// each, so the form chains in front of the owner's handler and puts it back when it closes.
struct TMajorChangeHook {
  std::function<void()> previous;
  QPointer<TTableForm> form;
  void operator()() const {
    if (previous) previous();
    if (form) form->tableMajorChange();
  }
};

struct TCellChangeHook {
  std::function<void(int, int)> previous;
  QPointer<TTableForm> form;
  void operator()(int column, int row) const {
    if (previous) previous(column, row);
    if (form) form->tableCellChange(column, row);
  }
};

namespace {

// Restores the handler that `form` chained in front of, when the form's hook is still the
// outermost one; otherwise the hook stays in the chain and does nothing once the form is gone.
template <class Hook, class Event>
void unhook(Event& event, const TTableForm* form) {
  const Hook* hook = event.template target<Hook>();
  if (hook == nullptr || hook->form.data() != form) return;
  Event previous = hook->previous;
  event = std::move(previous);
}

}  // namespace

// ---- life ----------------------------------------------------------------------------------

TTableForm::TTableForm(TGridTable& table, QWidget* parent, TPlacement placement)
    : QDialog(parent), table_(&table), embedded_(placement == TPlacement::Embedded), messageHandler_(showInformation) {
  if (embedded_) setWindowFlags(Qt::Widget);
  if (table.RowCount() < table.MinRows()) table.SetRowCount(table.MinRows());

  const int margin = std::max(1, logicalDpiX() / 20);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(margin, margin, margin, margin);
  layout->setSpacing(margin);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // the window fits grid, buttons and notes

  grid_ = new TTableGrid(this);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->horizontalHeader()->setTextElideMode(Qt::ElideNone);  // headings are multi-line
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->CanLeaveCell = [this](int row, int column) { return commitCell(row, column); };
  // Rows are as tall as the drop-downs and buttons they carry.
  {
    QComboBox comboProbe;
    QPushButton buttonProbe;
    rowHeight_ = std::max({grid_->verticalHeader()->defaultSectionSize(), comboProbe.sizeHint().height(),
                           buttonProbe.sizeHint().height()});
  }
  grid_->verticalHeader()->setDefaultSectionSize(rowHeight_);
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
    if (!rebuilding_ && !tableGone_ && current.isValid() && table_->OnSetRow) table_->OnSetRow(current.row());
  });
  layout->addWidget(grid_);

  rowButtons_ = new QWidget(this);
  auto* buttons = new QHBoxLayout(rowButtons_);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(margin);
  addRow_ = rowButton(QStringLiteral("&Add Row"), rowButtons_);
  insertRow_ = rowButton(QStringLiteral("&Insert Row"), rowButtons_);
  deleteRow_ = rowButton(QStringLiteral("&Delete Row"), rowButtons_);
  addRow_->setObjectName(QStringLiteral("addRow"));
  insertRow_->setObjectName(QStringLiteral("insertRow"));
  deleteRow_->setObjectName(QStringLiteral("deleteRow"));
  for (QPushButton* button : {addRow_, insertRow_, deleteRow_}) buttons->addWidget(button);
  buttons->addStretch();
  connect(addRow_, &QPushButton::clicked, this, &TTableForm::addRow);
  connect(insertRow_, &QPushButton::clicked, this, &TTableForm::insertRow);
  connect(deleteRow_, &QPushButton::clicked, this, &TTableForm::deleteRow);
  layout->addWidget(rowButtons_);

  comments_ = new QLabel(this);
  comments_->setObjectName(QStringLiteral("comments"));
  comments_->setWordWrap(true);
  layout->addWidget(comments_);
  picture_ = new QLabel(this);
  layout->addWidget(picture_);

  hookTable();
  Rebuild();
  if (grid_->rowCount() > 0 && grid_->columnCount() > 0) grid_->setCurrentCell(0, 0);
}

TTableForm::~TTableForm() {
  grid_->CanLeaveCell = nullptr;  // nothing is committed while the window is taken apart
  if (!tableGone_) unhookTable();
}

bool TTableForm::CanEdit(const TGridTable& table) { return !visibleColumns(table).empty(); }

void TTableForm::hookTable() {
  table_->OnMajorChange = TMajorChangeHook{table_->OnMajorChange, this};
  table_->OnCellChange = TCellChangeHook{table_->OnCellChange, this};
}

void TTableForm::unhookTable() {
  unhook<TMajorChangeHook>(table_->OnMajorChange, this);
  unhook<TCellChangeHook>(table_->OnCellChange, this);
}

void TTableForm::tableMajorChange() {
  if (changing_ || tableGone_) return;
  checkNestedEditors();
  Rebuild();
}

void TTableForm::tableCellChange(int column, int row) {
  if (changing_ || tableGone_) return;
  if (column == 0) checkNestedEditors();  // the row's nested tables may have been renewed
  if (grid_->rowCount() == table_->RowCount() && columns_ == visibleColumns(*table_)) {
    refreshRow(row);
  } else {
    Rebuild();
  }
}

// ---- building ------------------------------------------------------------------------------

void TTableForm::Rebuild() {
  if (tableGone_) return;
  QScopedValueRollback<bool> guard(rebuilding_, true);
  grid_->FlushEditor();
  const int currentRow = grid_->currentRow();
  const int currentColumn = grid_->currentColumn();

  columns_ = visibleColumns(*table_);
  const int columnCount = static_cast<int>(columns_.size());
  const int rowCount = table_->RowCount();
  grid_->setRowCount(0);  // every cell and control is made afresh
  grid_->setColumnCount(columnCount);
  grid_->setRowCount(rowCount);

  // Headings: one heading row per line, lines filling the rows from the top; each column as
  // wide as its widest line plus two blanks.
  const int dpi = logicalDpiX();
  const QFontMetrics headingMetrics = grid_->horizontalHeader()->fontMetrics();
  std::vector<std::vector<std::string>> headings;
  std::size_t headingRows = 0;
  for (int c : columns_) {
    headings.push_back(table_->ColumnHeadings(c));
    headingRows = std::max(headingRows, headings.back().size());
  }
  for (int i = 0; i < columnCount; ++i) {
    QStringList lines;
    int width = headingMetrics.horizontalAdvance(QStringLiteral("  "));
    for (const std::string& line : headings[static_cast<std::size_t>(i)]) {
      lines << text(line);
      width = std::max(width, headingMetrics.horizontalAdvance(lines.back() + QStringLiteral("  ")));
    }
    while (static_cast<std::size_t>(lines.size()) < headingRows) lines << QString();
    grid_->setHorizontalHeaderItem(i, new QTableWidgetItem(lines.join('\n')));
    grid_->setColumnWidth(i, std::max(width, minimumColumnWidth(table_->Column(ModelColumn(i)), dpi)));
  }

  // Row labels: the row's group number; the corner holds the top-left text.
  const QString topLeft = text(table_->TopLeft);
  grid_->SetTopLeft(topLeft);
  const QFontMetrics labelMetrics = grid_->verticalHeader()->fontMetrics();
  grid_->verticalHeader()->setMinimumWidth(
      std::max(labelMetrics.horizontalAdvance(topLeft + QStringLiteral("  ")), dpi / 3));
  for (int row = 0; row < rowCount; ++row) {
    grid_->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(table_->RowLabel(row))));
    populateRow(row);
    refreshRow(row);
  }

  if (rowCount > 0 && columnCount > 0 && currentRow >= 0 && currentColumn >= 0)
    grid_->setCurrentCell(std::min(currentRow, rowCount - 1), std::min(currentColumn, columnCount - 1));
  layoutGrid();
  updateRowButtons();
  updateNotes();
  refreshCaption();
  if (table_->OnResize) table_->OnResize();
}

void TTableForm::populateRow(int row) {
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    const TColumn& column = table_->Column(ModelColumn(i));
    auto* item = new QTableWidgetItem;
    if (isChoice(column) || isNested(column)) item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid_->setItem(row, i, item);
    if (isChoice(column)) {
      auto* combo = new QComboBox;
      combo->setMaxVisibleItems(kDropDownRows);
      for (const std::string& name : static_cast<const TEnumColumn&>(column).Names) combo->addItem(text(name));
      // The list opens as wide as its longest name, whatever the column's width.
      combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0) + combo->view()->frameWidth() * 2);
      connect(combo, &QComboBox::activated, this, [this, row, i](int index) { choose(row, i, index); });
      grid_->setCellWidget(row, i, combo);
    } else if (isNested(column)) {
      auto* button = new QPushButton;
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, row, i] { openNested(row, i); });
      grid_->setCellWidget(row, i, button);
    }
  }
}

void TTableForm::refreshRow(int row) {
  if (tableGone_ || row < 0 || row >= grid_->rowCount() || row >= table_->RowCount()) return;
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    const int c = ModelColumn(i);
    const TColumn& column = table_->Column(c);
    if (isChoice(column)) {
      auto* combo = qobject_cast<QComboBox*>(grid_->cellWidget(row, i));
      if (combo == nullptr) continue;
      const QSignalBlocker blocker(combo);
      const int choice = table_->GetIntValue(c, row);
      combo->setCurrentIndex(choice >= 1 && choice <= combo->count() ? choice - 1 : -1);
    } else if (isNested(column)) {
      auto* button = qobject_cast<QPushButton*>(grid_->cellWidget(row, i));
      if (button == nullptr) continue;
      // The column is only as wide as its heading: the caption is cut short at its end (the
      // row number and the start of the caption stay readable) and shown whole as a tip.
      const QString caption = text(table_->ButtonCaption(c, row));
      const int room = grid_->columnWidth(i) - 2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin);
      button->setText(button->fontMetrics().elidedText(caption, Qt::ElideRight, room));
      button->setToolTip(caption);
    } else if (QTableWidgetItem* item = grid_->item(row, i)) {
      item->setText(text(table_->GetStringValue(c, row)));
    }
  }
}

void TTableForm::refreshAll() {
  if (grid_->rowCount() != table_->RowCount() || columns_ != visibleColumns(*table_)) {
    Rebuild();
    return;
  }
  for (int row = 0; row < grid_->rowCount(); ++row) refreshRow(row);
}

void TTableForm::layoutGrid() {
  // At most ten rows show; more scroll, with room for the scroll bar.
  const int rows = grid_->rowCount();
  const int shownRows = std::clamp(rows, 1, kMaxVisibleRows);
  const QHeaderView* labels = grid_->verticalHeader();
  int width = 2 * grid_->frameWidth() + std::max(labels->minimumWidth(), labels->sizeHint().width());
  for (int i = 0; i < grid_->columnCount(); ++i) width += grid_->columnWidth(i);
  if (rows > kMaxVisibleRows) width += grid_->verticalScrollBar()->sizeHint().width();
  const int height = 2 * grid_->frameWidth() + grid_->horizontalHeader()->sizeHint().height() + shownRows * rowHeight_;
  grid_->setFixedSize(width, height);
}

void TTableForm::updateRowButtons() {
  rowButtons_->setVisible(!table_->FixedRowCount());
  addRow_->setEnabled(table_->CanAddRowGroup());
  insertRow_->setEnabled(table_->CanAddRowGroup());
  deleteRow_->setEnabled(table_->CanDeleteRowGroup());
}

void TTableForm::updateNotes() {
  const QString comments = text(table_->Comments);
  comments_->setText(comments);
  comments_->setVisible(!comments.isEmpty());
  if (!comments.isEmpty()) {
    // Wrapped to the grid's width so the window stays as wide as the grid.
    const int width = std::max(grid_->width(), rowButtons_->sizeHint().width());
    comments_->setFixedWidth(width);
    comments_->setFixedHeight(comments_->heightForWidth(width));
  }
  const QPixmap picture(text(table_->HelpPicture));
  picture_->setPixmap(picture);
  picture_->setVisible(!table_->HelpPicture.empty() && !picture.isNull());
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void TTableForm::refreshCaption() {
  if (tableGone_) return;
  setWindowTitle(text(table_->EditorCaption()));
  for (const TNestedEditor& open : nested_)
    if (open.form) open.form->refreshCaption();
}

// ---- entries -------------------------------------------------------------------------------

bool TTableForm::isTextCell(int row, int gridColumn) const {
  if (row < 0 || gridColumn < 0 || row >= grid_->rowCount() || row >= table_->RowCount() ||
      gridColumn >= static_cast<int>(columns_.size()) || grid_->item(row, gridColumn) == nullptr)
    return false;
  const int c = ModelColumn(gridColumn);
  if (c >= table_->ColumnCount()) return false;
  const TColumn& column = table_->Column(c);
  return !isChoice(column) && !isNested(column);
}

bool TTableForm::commitCell(int row, int gridColumn) {
  if (rebuilding_ || tableGone_ || !isTextCell(row, gridColumn)) return true;
  const int c = ModelColumn(gridColumn);
  const std::string entry = grid_->item(row, gridColumn)->text().toStdString();
  if (entry == table_->GetStringValue(c, row)) return true;  // only moved through, nothing typed
  try {
    QScopedValueRollback<bool> guard(changing_, true);
    table_->SetStringValue(c, row, entry);
  } catch (const std::exception& e) {
    report(MessageText(QString::fromUtf8(e.what())));
    grid_->ResumeEditing();
    return false;
  }
  refreshAll();  // grouped and linked cells show their new values too
  return true;
}

bool TTableForm::CommitCurrentCell() {
  if (tableGone_) return true;
  grid_->FlushEditor();
  return commitCell(grid_->currentRow(), grid_->currentColumn());
}

void TTableForm::report(const QString& message) {
  QScopedValueRollback<bool> guard(reporting_, true);
  if (messageHandler_) messageHandler_(this, message);
}

// ---- changes of the form's own ---------------------------------------------------------------

template <class Change>
bool TTableForm::changeTable(Change change) {
  if (tableGone_ || !CommitCurrentCell()) return false;
  bool changed = true;
  try {
    QScopedValueRollback<bool> guard(changing_, true);
    change();
  } catch (const std::exception& e) {
    report(MessageText(QString::fromUtf8(e.what())));
    changed = false;
  }
  checkNestedEditors();
  refreshAll();  // rebuilds when the rows changed
  return changed;
}

void TTableForm::addRow() {
  const int column = std::max(grid_->currentColumn(), 0);
  if (!changeTable([this] { table_->AddRowGroup(); })) return;
  // The first row of the new group becomes current and is scrolled into view.
  const int row = std::max(table_->RowCount() - table_->RowGroup(), 0);
  grid_->setCurrentCell(row, column);
  grid_->scrollTo(grid_->model()->index(row, column));
}

void TTableForm::insertRow() {
  const int row = grid_->currentRow();
  const int column = std::max(grid_->currentColumn(), 0);
  if (!changeTable([this, row] { table_->InsertRowGroup(row); })) return;
  grid_->setCurrentCell(row / table_->RowGroup() * table_->RowGroup(), column);
}

void TTableForm::deleteRow() {
  const int row = grid_->currentRow();
  changeTable([this, row] { table_->DeleteRowGroup(row); });
}

void TTableForm::choose(int row, int gridColumn, int index) {
  const int c = ModelColumn(gridColumn);
  if (changeTable([this, c, row, index] { table_->SetIntValue(c, row, index + 1); })) return;
  // Refused: the drop-down shows the stored choice again (the row's other cells keep
  // whatever the user typed).
  if (auto* combo = qobject_cast<QComboBox*>(grid_->cellWidget(row, gridColumn))) {
    const QSignalBlocker blocker(combo);
    const int choice = table_->GetIntValue(c, row);
    combo->setCurrentIndex(choice >= 1 && choice <= combo->count() ? choice - 1 : -1);
  }
}

// ---- nested tables -------------------------------------------------------------------------

void TTableForm::openNested(int row, int gridColumn) {
  if (tableGone_ || !CommitCurrentCell()) return;
  const int c = ModelColumn(gridColumn);
  if (table_->OnButtonClick) {  // the owner handles its own objects
    table_->OnButtonClick(c, row);
    return;
  }
  TGridTable* nested = table_->GetDataValue(c, row);
  if (nested == nullptr || !CanEdit(*nested)) return;
  for (const TNestedEditor& open : nested_) {
    if (open.form && !open.form->tableGone_ && open.table == nested && open.identifier == nested->Identifier()) {
      open.form->raise();
      open.form->activateWindow();
      return;
    }
  }
  auto* form = new TTableForm(*nested, this);
  form->SetMessageHandler(messageHandler_);
  nested_.push_back({form, nested, nested->Identifier()});
  if (window()->isModal()) {
    const QPointer<TTableForm> editor(form);
    editor->exec();
    delete editor.data();
  } else {
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
  }
}

std::vector<TTableForm*> TTableForm::NestedEditors() const {
  std::vector<TTableForm*> open;
  for (const TNestedEditor& editor : nested_)
    if (editor.form && !editor.form->tableGone_) open.push_back(editor.form.data());
  return open;
}

void TTableForm::checkNestedEditors() {
  if (tableGone_) return;
  auto stillHeld = [this](const TNestedEditor& open) {
    for (int c = 0; c < table_->ColumnCount(); ++c) {
      if (!isNested(table_->Column(c))) continue;
      for (int row = 0; row < table_->RowCount(); ++row) {
        const TGridTable* nested = table_->GetDataValue(c, row);
        if (nested != nullptr && nested == open.table && nested->Identifier() == open.identifier) return true;
      }
    }
    return false;
  };
  for (const TNestedEditor& open : nested_) {
    if (!open.form || open.form->tableGone_) continue;
    if (stillHeld(open)) {
      open.form->refreshCaption();
    } else {
      open.form->abandon();
    }
  }
  std::erase_if(nested_, [](const TNestedEditor& open) { return !open.form || open.form->tableGone_; });
}

bool TTableForm::closeNestedEditors() {
  for (TTableForm* editor : NestedEditors())
    if (!editor->close()) return false;
  return true;
}

void TTableForm::abandon() {
  tableGone_ = true;
  for (const TNestedEditor& open : nested_)
    if (open.form) open.form->abandon();
  nested_.clear();
  reject();
}

// ---- closing -------------------------------------------------------------------------------

void TTableForm::done(int result) {
  if (!tableGone_) {
    if (!CommitCurrentCell() || !closeNestedEditors()) return;
    if (table_->OnHide) table_->OnHide();
  }
  QDialog::done(result);
}

void TTableForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || isActiveWindow()) return;
  if (embedded_ || isModal() || !isVisible() || tableGone_ || reporting_ || rebuilding_) return;
  // A modeless editor does not let the user go elsewhere with an entry it cannot take.
  // Taken back once the activation change in hand is over.
  if (!CommitCurrentCell()) {
    QTimer::singleShot(0, this, [this] {
      raise();
      activateWindow();
    });
  }
}

void ShowTableEditorModal(TGridTable& table, QWidget* parent) {
  if (!TTableForm::CanEdit(table)) return;
  TTableForm form(table, parent);
  form.exec();
}

}  // namespace talmo
