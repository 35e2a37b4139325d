// The editor window of a grid table: entries committed on leaving a cell (and refused with the
// table's messages), Enter navigation, the row buttons, drop-downs and nested-table buttons,
// following the table's rows and unit system, closing, and the project's own tables.
#include "GridTableEditor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "ProjectTables.h"
#include "GridTable.h"
#include "GridTableControl.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

// Columns of the test table.
enum : int { kKind, kCount, kDepth, kLayer };

std::unique_ptr<TGridTable> makeTemplate(TTableRegistry& registry, int identifier, const char* caption) {
  auto table = std::make_unique<TGridTable>(registry);
  table->SetIdentifier(identifier);
  table->Caption = caption;
  table->SetMinRows(2);
  table->SetMaxRows(2);
  auto& value = table->AddColumn<TFloatColumn>();
  value.Headings = {"Value"};
  return table;
}

// A choice column whose choice picks the row's nested table, an integer column limited to
// 0..100, a depth column (L2) and the nested tables; 2 rows of at most 4.
struct TestTables {
  TestTables() {
    stiff = makeTemplate(registry, 901, "Stiff layer");
    soft = makeTemplate(registry, 902, "Soft layer");
    table = std::make_unique<TGridTable>(registry);
    table->Caption = "Test table";
    table->TopLeft = "Row";
    auto& kind = table->AddColumn<TEnumColumn>();
    kind.Headings = {"Kind"};
    kind.Names = {"stiff", "soft"};
    auto& count = table->AddColumn<TIntColumn>();
    count.Headings = {"Blow", "Count"};
    count.Minimum = 0;
    count.Maximum = 100;
    auto& depth = table->AddColumn<TFloatColumn>();
    depth.Headings = {"Depth"};
    depth.UnitsString = "L2";
    auto& layer = table->AddColumn<TTableColumn>();
    layer.Headings = {"Layer", "Data"};
    layer.Templates.AddIdentifier(901);
    layer.Templates.AddIdentifier(902);
    table->SetMaxRows(4);
    table->SetRowCount(2);
  }
  TTableRegistry registry;
  std::unique_ptr<TGridTable> stiff, soft, table;
};

// A shown editor whose messages are recorded instead of shown.
struct Editor {
  explicit Editor(TGridTable& table) : form(table) {
    form.SetMessageHandler([this](QWidget*, const QString& text) { messages << text; });
    form.show();
    QCoreApplication::processEvents();
  }
  TTableGrid& grid() { return *form.Grid(); }
  QPushButton* button(const char* name) { return form.findChild<QPushButton*>(name); }
  QString cell(int row, int column) { return grid().item(row, column)->text(); }
  QString heading(int column) { return grid().horizontalHeaderItem(column)->text(); }
  QWidget* cellWidget(int row, int column) { return grid().cellWidget(row, column); }
  QLineEdit* openEditor() { return qobject_cast<QLineEdit*>(grid().indexWidget(grid().currentIndex())); }

  // Types into a cell's editor as the user does, leaving the editor open.
  QLineEdit* type(int row, int column, const QString& text) {
    grid().setCurrentCell(row, column);
    grid().editItem(grid().item(row, column));
    QLineEdit* editor = openEditor();
    if (editor == nullptr) return nullptr;
    editor->selectAll();
    QTest::keyClicks(editor, text);
    return editor;
  }
  // Types and presses Enter.
  void enter(int row, int column, const QString& text) {
    QLineEdit* editor = type(row, column, text);
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate closes its editor after the key
    QCoreApplication::processEvents();
  }

  TTableForm form;
  QStringList messages;
};

TEST(TableForm, RejectedEntriesKeepTheCellAndTheTypedText) {
  const struct {
    const char* entry;
    const char* message;
  } cases[] = {
      {"150", "Entry must be between 0 and 100."},
      {"2.5", "Entry must be an integer."},
      {"-1", "Entry must be between 0 and 100."},
  };
  for (const auto& c : cases) {
    TestTables t;
    Editor e(*t.table);
    e.enter(0, kCount, c.entry);
    ASSERT_EQ(e.messages.size(), 1) << c.entry;
    EXPECT_EQ(e.messages[0], c.message);
    EXPECT_EQ(e.grid().currentRow(), 0) << c.entry;
    EXPECT_EQ(e.grid().currentColumn(), kCount);
    EXPECT_EQ(e.cell(0, kCount), c.entry);
    EXPECT_EQ(t.table->GetIntValue(kCount, 0), 0);
    // The editor comes back with the typed text, and the cell still cannot be left.
    QCoreApplication::processEvents();
    ASSERT_NE(e.openEditor(), nullptr) << c.entry;
    EXPECT_EQ(e.openEditor()->text(), c.entry);
    e.grid().setCurrentCell(1, kDepth);
    EXPECT_EQ(e.grid().currentRow(), 0);
    EXPECT_EQ(e.messages.size(), 2);
  }
}

TEST(TableForm, AcceptedEntryIsStoredAndEveryTextCellRefreshed) {
  TestTables t;
  // Rows in groups of two with a count shared by the group: the second row shows the value
  // only when the grid is refreshed from the table.
  t.table->SetRowGroup(2);
  t.table->Column(kCount).SameGroup = true;
  t.table->SetRowCount(4);
  t.table->ResetChanged();
  Editor e(*t.table);
  EXPECT_EQ(e.grid().verticalHeaderItem(1)->text(), "1");
  EXPECT_EQ(e.grid().verticalHeaderItem(2)->text(), "2");

  e.enter(0, kCount, "7*2");
  EXPECT_TRUE(e.messages.isEmpty());
  EXPECT_EQ(t.table->GetIntValue(kCount, 1), 14);
  EXPECT_EQ(e.cell(0, kCount), "14");
  EXPECT_EQ(e.cell(1, kCount), "14");
  EXPECT_TRUE(t.table->Changed());
  EXPECT_EQ(e.grid().currentRow(), 1);  // Enter moved down
}

TEST(TableForm, MovingThroughCellsWithoutTypingChangesNothing) {
  TestTables t;
  t.table->ResetChanged();
  Editor e(*t.table);
  for (int i = 0; i < 9; ++i) QTest::keyClick(&e.grid(), Qt::Key_Return);
  EXPECT_FALSE(t.table->Changed());
}

TEST(TableForm, EnterMovesDownThenToTheNextColumnThenBackToTheFirst) {
  const struct {
    int row, column, nextRow, nextColumn;
  } cases[] = {{0, kKind, 1, kKind}, {1, kKind, 0, kCount}, {1, kLayer, 0, kKind}};
  TestTables t;
  Editor e(*t.table);
  for (const auto& c : cases) {
    e.grid().setCurrentCell(c.row, c.column);
    QTest::keyClick(&e.grid(), Qt::Key_Return);
    EXPECT_EQ(e.grid().currentRow(), c.nextRow) << c.row << "," << c.column;
    EXPECT_EQ(e.grid().currentColumn(), c.nextColumn) << c.row << "," << c.column;
  }
}

TEST(TableForm, ClosingCommitsTheOpenEntryFirstAndIsRefusedWhenItFails) {
  TestTables t;
  Editor e(*t.table);
  QLineEdit* editor = e.type(1, kCount, "abc");
  ASSERT_NE(editor, nullptr);
  EXPECT_FALSE(e.form.close());
  EXPECT_TRUE(e.form.isVisible());
  ASSERT_EQ(e.messages.size(), 1);
  EXPECT_TRUE(e.messages[0].startsWith("Entry could not be evaluated")) << e.messages[0].toStdString();

  QCoreApplication::processEvents();
  ASSERT_NE(e.openEditor(), nullptr);
  e.openEditor()->selectAll();
  QTest::keyClicks(e.openEditor(), "40");
  EXPECT_TRUE(e.form.close());
  EXPECT_EQ(t.table->GetIntValue(kCount, 1), 40);
}

TEST(TableForm, FixedRowCountShowsNoRowButtons) {
  TestTables t;
  t.table->SetMaxRows(1);
  t.table->SetRowCount(1);
  Editor e(*t.table);
  for (const char* name : {"addRow", "insertRow", "deleteRow"})
    EXPECT_FALSE(e.button(name)->isVisibleTo(&e.form)) << name;
}

TEST(TableForm, RowButtonsChangeTheRowsAndFollowTheLimits) {
  TestTables t;  // 1 to 4 rows
  t.table->SetMaxRows(3);
  t.table->SetIntValue(kCount, 0, 10);
  t.table->SetIntValue(kCount, 1, 20);
  Editor e(*t.table);
  QPushButton* add = e.button("addRow");
  QPushButton* insert = e.button("insertRow");
  QPushButton* del = e.button("deleteRow");
  EXPECT_TRUE(add->isVisibleTo(&e.form));

  e.grid().setCurrentCell(1, kCount);
  insert->click();
  EXPECT_EQ(t.table->RowCount(), 3);
  EXPECT_EQ(e.grid().rowCount(), 3);
  EXPECT_EQ(e.cell(0, kCount), "10");
  EXPECT_EQ(e.cell(1, kCount), "0");
  EXPECT_EQ(e.cell(2, kCount), "20");
  EXPECT_EQ(e.grid().verticalHeaderItem(2)->text(), "3");
  EXPECT_FALSE(add->isEnabled());
  EXPECT_FALSE(insert->isEnabled());

  e.grid().setCurrentCell(0, kCount);
  del->click();
  EXPECT_EQ(e.cell(0, kCount), "0");
  EXPECT_EQ(e.cell(1, kCount), "20");
  EXPECT_TRUE(add->isEnabled());
  del->click();
  EXPECT_EQ(e.grid().rowCount(), 1);
  EXPECT_FALSE(del->isEnabled());

  add->click();
  EXPECT_EQ(e.grid().rowCount(), 2);
  EXPECT_EQ(e.grid().currentRow(), 1);  // the new row
  EXPECT_TRUE(e.messages.isEmpty());
}

TEST(TableForm, RowButtonsFirstCommitTheOpenEntry) {
  TestTables t;
  Editor e(*t.table);
  e.type(0, kCount, "500");
  e.button("addRow")->click();
  EXPECT_EQ(t.table->RowCount(), 2);
  ASSERT_EQ(e.messages.size(), 1);
  EXPECT_EQ(e.messages[0], "Entry must be between 0 and 100.");
}

TEST(TableForm, FirstColumnChoiceRenewsTheRowsNestedTable) {
  TestTables t;
  Editor e(*t.table);
  auto* button = qobject_cast<QPushButton*>(e.cellWidget(1, kLayer));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->toolTip(), "2: Stiff layer");
  t.table->GetDataValue(kLayer, 1)->SetFloatValue(0, 0, 5.0);

  auto* combo = qobject_cast<QComboBox*>(e.cellWidget(1, kKind));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->count(), 2);
  EXPECT_EQ(combo->maxVisibleItems(), 11);
  QTest::keyClick(combo, Qt::Key_Down);  // the user picks "soft"
  EXPECT_EQ(t.table->GetIntValue(kKind, 1), 2);
  EXPECT_EQ(button->toolTip(), "2: Soft layer");
  EXPECT_EQ(t.table->GetDataValue(kLayer, 1)->Caption, "Soft layer");
  EXPECT_EQ(t.table->GetDataValue(kLayer, 1)->GetFloatValue(0, 0), 0.0);
  EXPECT_EQ(t.table->GetIntValue(kKind, 0), 1);
}

TEST(TableForm, ChoiceIsRefusedWhileTheCurrentEntryIsRejected) {
  TestTables t;
  Editor e(*t.table);
  e.type(0, kCount, "2.5");
  auto* combo = qobject_cast<QComboBox*>(e.cellWidget(1, kKind));
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(e.messages.size(), 1);
  EXPECT_EQ(t.table->GetIntValue(kKind, 1), 1);
  EXPECT_EQ(combo->currentIndex(), 0);
  EXPECT_EQ(e.cell(0, kCount), "2.5");
}

// A nested editor refers to its table: it must close when the table is discarded, and it
// shows its row number as the rows move.
TEST(TableForm, NestedEditorsFollowTheirTablesAndCloseWhenTheyAreDiscarded) {
  TestTables t;
  Editor e(*t.table);
  auto openNested = [&e](int row) {
    qobject_cast<QPushButton*>(e.cellWidget(row, kLayer))->click();
    const auto open = e.form.NestedEditors();
    return open.empty() ? nullptr : open.back();
  };
  TTableForm* nested = openNested(1);
  ASSERT_NE(nested, nullptr);
  EXPECT_FALSE(nested->isModal());
  EXPECT_EQ(nested->windowTitle(), "Stiff layer 2");
  EXPECT_EQ(openNested(1), nested);  // the open editor is brought forward, not doubled

  e.grid().setCurrentCell(0, kCount);
  e.button("insertRow")->click();
  EXPECT_EQ(nested->windowTitle(), "Stiff layer 3");

  QTest::keyClick(qobject_cast<QComboBox*>(e.cellWidget(2, kKind)), Qt::Key_Down);
  EXPECT_TRUE(e.form.NestedEditors().empty());

  nested = openNested(2);
  ASSERT_NE(nested, nullptr);
  e.grid().setCurrentCell(2, kCount);
  e.button("deleteRow")->click();
  EXPECT_TRUE(e.form.NestedEditors().empty());
  QCoreApplication::processEvents();  // the closed editors are freed
  EXPECT_EQ(t.table->RowCount(), 2);
}

TEST(TableForm, NestedEditorOfAModalEditorIsModal) {
  TestTables t;
  QString nestedTitle;
  bool nestedModal = false;
  QTimer::singleShot(0, [&] {
    auto* form = qobject_cast<TTableForm*>(QApplication::activeModalWidget());
    ASSERT_NE(form, nullptr);
    QTimer::singleShot(0, [&, form] {
      auto* nested = qobject_cast<TTableForm*>(QApplication::activeModalWidget());
      if (nested != nullptr && nested != form) {
        nestedTitle = nested->windowTitle();
        nestedModal = nested->isModal();
        nested->reject();
      }
      form->reject();
    });
    qobject_cast<QPushButton*>(form->Grid()->cellWidget(0, kLayer))->click();
  });
  ShowTableEditorModal(*t.table, nullptr);
  EXPECT_EQ(nestedTitle, "Stiff layer 1");
  EXPECT_TRUE(nestedModal);
}

TEST(TableForm, NoEditorOpensForATableWithoutVisibleColumns) {
  TestTables t;
  for (int c = 0; c < t.table->ColumnCount(); ++c) t.table->Column(c).Visible = false;
  EXPECT_FALSE(TTableForm::CanEdit(*t.table));
  bool opened = false;
  QTimer::singleShot(0, [&] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      opened = true;
      dialog->reject();
    }
  });
  ShowTableEditorModal(*t.table, nullptr);
  QCoreApplication::processEvents();
  EXPECT_FALSE(opened);
}

TEST(TableForm, HeadingsAndValuesFollowTheUnitSystem) {
  TestTables t;
  t.table->SetFloatValue(kDepth, 0, 10.0);
  Editor e(*t.table);
  EXPECT_EQ(e.heading(kDepth), "Depth (ft)  \n");
  EXPECT_EQ(e.heading(kCount), "Blow\nCount");
  EXPECT_EQ(e.heading(kKind), "Kind\n");  // one line, filling the heading rows from the top
  t.table->SetUnits(2);
  EXPECT_EQ(e.heading(kDepth), "Depth (m)  \n");
  EXPECT_EQ(e.cell(0, kDepth), "3.048");  // 10 ft x 0.3048 m/ft
}

TEST(TableForm, FollowsRowChangesMadeElsewhereAndKeepsTheOwnersHandlers) {
  TestTables t;
  int majorChanges = 0;
  std::vector<int> changedRows;
  t.table->OnMajorChange = [&majorChanges] { ++majorChanges; };
  t.table->OnCellChange = [&changedRows](int, int row) { changedRows.push_back(row); };
  {
    Editor e(*t.table);
    t.table->AddRowGroup();
    EXPECT_EQ(majorChanges, 1);
    EXPECT_EQ(e.grid().rowCount(), 3);
    t.table->SetIntValue(kCount, 2, 9);
    EXPECT_EQ(changedRows, std::vector<int>{2});
    EXPECT_EQ(e.cell(2, kCount), "9");
  }
  t.table->SetRowCount(1);  // the editor is gone: only the owner hears of it
  EXPECT_EQ(majorChanges, 2);
}

TEST(TableForm, HiddenColumnsAreLeftOut) {
  TestTables t;
  t.table->Column(kCount).Visible = false;
  Editor e(*t.table);
  ASSERT_EQ(e.grid().columnCount(), 3);
  EXPECT_EQ(e.form.ModelColumn(1), kDepth);
  e.enter(0, 1, "2.5");
  EXPECT_TRUE(e.messages.isEmpty());
  EXPECT_EQ(t.table->GetFloatValue(kDepth, 0), 2.5);
}

TEST(TableForm, ModelessEditorComesBackWithAnEntryItCannotTake) {
  TestTables t;
  Editor e(*t.table);
  QWidget elsewhere;
  elsewhere.show();
  e.form.activateWindow();
  QCoreApplication::processEvents();
  if (!e.form.isActiveWindow()) GTEST_SKIP() << "the platform does not activate windows";
  e.type(0, kCount, "150");
  elsewhere.activateWindow();
  QCoreApplication::processEvents();
  ASSERT_EQ(e.messages.size(), 1);
  EXPECT_EQ(e.messages[0], "Entry must be between 0 and 100.");
  QCoreApplication::processEvents();
  EXPECT_TRUE(e.form.isActiveWindow());
  EXPECT_EQ(e.cell(0, kCount), "150");
}

TEST(TableForm, OpensEmbeddedOrAsAnMdiChildWithAtLeastMinRows) {
  TestTables t;
  t.table->SetRowCount(0);
  QWidget host;
  TTableForm embedded(*t.table, &host, TTableForm::TPlacement::Embedded);
  host.show();
  EXPECT_EQ(t.table->RowCount(), 1);
  EXPECT_FALSE(embedded.isWindow());
  EXPECT_TRUE(embedded.isVisible());

  QMdiArea area;
  auto* child = new TTableForm(*t.stiff, nullptr);
  QMdiSubWindow* frame = area.addSubWindow(child);
  area.show();
  frame->show();
  EXPECT_FALSE(child->isWindow());
  EXPECT_TRUE(child->isVisible());
  EXPECT_EQ(child->windowTitle(), "Stiff layer");
}

TEST(TableForm, ShowsTheProjectTables) {
  TProjectTables tables;
  tables.D().SetRowCount(2);
  tables.D().SetIntValue(kLayerSoilType, 1, kSoilClay);
  Editor layers(tables.D());
  EXPECT_EQ(layers.form.windowTitle(), "Soil Layers");
  EXPECT_EQ(layers.grid().TopLeft(), "Layer");
  EXPECT_EQ(layers.grid().rowCount(), 2);
  EXPECT_EQ(layers.heading(kLayerSoilType), "Soil Type\n");
  EXPECT_EQ(layers.heading(kLayerDepth), "Depth at Bottom \nof each Layer (ft)  ");
  EXPECT_EQ(qobject_cast<QComboBox*>(layers.cellWidget(1, kLayerSoilType))->currentText(), "clay (FHWA Spec.)");
  auto* layerButton = qobject_cast<QPushButton*>(layers.cellWidget(1, kLayerData));
  EXPECT_EQ(layerButton->toolTip(), "2: Clay (FHWA Spec.)");
  EXPECT_TRUE(layerButton->text().startsWith("2: Cl")) << layerButton->text().toStdString();

  tables.TblTZDepth().SetRowCount(3);
  Editor depths(tables.TblTZDepth());
  EXPECT_EQ(depths.form.windowTitle(), "Generated t-z curves");
  EXPECT_EQ(depths.grid().columnCount(), 1);
  EXPECT_EQ(depths.heading(0), "Depth (ft)  ");
  EXPECT_GE(depths.grid().columnWidth(0), depths.form.logicalDpiX() / 2);
}

TEST(TableForm, ShowsAtMostTenRowsAndScrollsToAnAddedRow) {
  TProjectTables tables;
  tables.TblTZDepth().SetRowCount(12);
  Editor e(tables.TblTZDepth());
  QTableWidget& grid = e.grid();
  EXPECT_EQ(grid.rowAt(grid.viewport()->height() - 1), 9);
  EXPECT_GT(grid.verticalScrollBar()->maximum(), 0);

  grid.setCurrentCell(0, 0);
  e.button("addRow")->click();
  QCoreApplication::processEvents();
  const int top = grid.rowViewportPosition(12);
  EXPECT_GE(top, 0);
  EXPECT_LE(top + grid.rowHeight(12), grid.viewport()->height());
}

// Not a check: pictures of the editor for a person to look at. Run with
// --gtest_also_run_disabled_tests --gtest_filter=*Picture*; the files go to /tmp/talmo-shots.
TEST(TableForm, DISABLED_Pictures) {
  TProjectTables tables;
  tables.TblTZDepth().SetRowCount(3);
  for (int row = 0; row < 3; ++row) tables.TblTZDepth().SetFloatValue(0, row, 10.0 * (row + 1));
  tables.D().SetRowCount(2);
  tables.D().SetIntValue(kLayerSoilType, 1, kSoilClay);
  tables.D().SetFloatValue(kLayerDepth, 0, 12.5);
  tables.D().SetFloatValue(kLayerDepth, 1, 40.0);
  QDir().mkpath("/tmp/talmo-shots");
  Editor depths(tables.TblTZDepth());
  EXPECT_TRUE(depths.form.grab().save("/tmp/talmo-shots/table-form-tz-depths.png"));
  Editor layers(tables.D());
  EXPECT_TRUE(layers.form.grab().save("/tmp/talmo-shots/table-form-soil-layers.png"));
}

}  // namespace
}  // namespace talmo
