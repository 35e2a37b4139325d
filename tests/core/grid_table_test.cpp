// The grid-table model: row groups and limits, text entry and its messages, nested tables from
// templates, unit switching, change tracking, the top-depth link and identifiers.
#include "GridTable.h"

#include <gtest/gtest.h>

#include "Errors.h"

namespace talmo {
namespace {

std::string entryError(TGridTable& table, int column, int row, const std::string& text) {
  try {
    table.SetStringValue(column, row, text);
  } catch (const EAssignError& e) {
    return e.what();
  }
  return "(accepted)";
}

std::vector<double> columnValues(const TGridTable& t, int column) {
  std::vector<double> values;
  for (int row = 0; row < t.RowCount(); ++row) values.push_back(t.GetFloatValue(column, row));
  return values;
}

TEST(GridTableRows, RowCountGroupsAndLimits) {
  TTableRegistry registry;
  TGridTable t(registry);
  auto& value = t.AddColumn<TFloatColumn>();
  value.Default = 7;
  t.SetRowGroup(2);
  t.SetMinRows(2);
  t.SetMaxRows(6);
  int majorChanges = 0;
  t.OnMajorChange = [&] { ++majorChanges; };

  t.SetRowCount(-5);
  EXPECT_EQ(t.RowCount(), 0);
  t.AddRowGroup();
  t.AddRowGroup();
  ASSERT_EQ(t.RowCount(), 4);
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{7, 7, 7, 7}));
  for (int row = 0; row < 4; ++row) t.SetFloatValue(0, row, row + 1);
  EXPECT_EQ(t.RowLabel(3), 2);

  // Row 3 lies in the second group: the new group goes before it.
  t.InsertRowGroup(3);
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{1, 2, 7, 7, 3, 4}));
  EXPECT_FALSE(t.CanAddRowGroup());
  EXPECT_THROW(t.AddRowGroup(), EAssignError);

  t.DeleteRowGroup(0);
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{7, 7, 3, 4}));
  t.DeleteRowGroup(2);
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{7, 7}));
  // The last group of a table whose minimum is one group is not offered for deletion.
  EXPECT_FALSE(t.CanDeleteRowGroup());
  EXPECT_THROW(t.DeleteRowGroup(0), EAssignError);
  EXPECT_EQ(majorChanges, 5);

  try {
    t.InsertRowGroup(2);
    FAIL() << "a row past the end was accepted";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "Grid.Row not in valid range");
  }
}

TEST(GridTableRows, MinimumRowsAndFixedCount) {
  TTableRegistry registry;
  TGridTable t(registry);
  try {
    t.SetMinRows(0);
    FAIL() << "a minimum of 0 rows was accepted";
  } catch (const EAssignError& e) {
    EXPECT_STREQ(e.what(), "Value must be greater than 0");
  }
  t.SetMaxRows(1);
  EXPECT_TRUE(t.FixedRowCount());  // MinRows 1 and MaxRows 1: no row buttons
  t.SetRowCount(1);
  EXPECT_FALSE(t.CanAddRowGroup());
  EXPECT_FALSE(t.CanDeleteRowGroup());
}

TEST(GridTableEntry, TextIsEvaluatedAndCheckedByColumnClass) {
  TTableRegistry registry;
  TGridTable t(registry);
  auto& limited = t.AddColumn<TIntColumn>();
  limited.Minimum = 0;
  limited.Maximum = 100;
  t.AddColumn<TIntColumn>();
  auto& choice = t.AddColumn<TEnumColumn>();
  choice.Names = {"a", "b", "c"};
  t.AddColumn<TFloatColumn>();
  t.AddColumn<TStringColumn>();
  t.SetRowCount(1);

  struct Case {
    int column;
    const char* text;
    const char* error;  // nullptr: accepted
    const char* stored;
  } cases[] = {
      {0, "150", "Entry must be between 0 and 100.", "0"},
      {0, "2.5", "Entry must be an integer.", "0"},
      {0, "-1", "Entry must be between 0 and 100.", "0"},
      {0, "3*0.1*10", nullptr, "3"},
      {0, "50+50", nullptr, "100"},
      {1, "-2.5", "Entry must be an integer.", "0"},
      {1, "-2147483648", nullptr, "-2147483648"},
      {1, "2147483648", "Entry must be between -2147483648 and 2147483647.", "-2147483648"},
      {2, "1.5", "Value must be an integer.", "1"},
      {2, "4", "Entry must be between 1 and 3.", "1"},
      {2, "1+2", nullptr, "3"},
      {3, "2*3.5", nullptr, "7"},
      {3, "1/3", nullptr, "0.33333333"},
      {4, "any text 1+2", nullptr, "any text 1+2"},
  };
  for (const Case& c : cases) {
    const std::string result = entryError(t, c.column, 0, c.text);
    EXPECT_EQ(result, c.error != nullptr ? c.error : "(accepted)") << c.text;
    EXPECT_EQ(t.GetStringValue(c.column, 0), c.stored) << c.text;
  }
  // The evaluator's own messages reach the caller unchanged.
  EXPECT_EQ(entryError(t, 3, 0, "2*"), "Entry could not be evaluated:\rinvalid expression");
}

TEST(GridTableEntry, SameGroupWritesTheWholeGroup) {
  TTableRegistry registry;
  TGridTable t(registry);
  t.SetRowGroup(2);
  t.AddColumn<TFloatColumn>().SameGroup = true;
  t.AddColumn<TFloatColumn>();
  t.SetRowCount(4);
  std::vector<std::pair<int, int>> reported;
  t.OnCellChange = [&](int column, int row) { reported.emplace_back(column, row); };

  t.SetStringValue(0, 3, "5");
  t.SetFloatValue(1, 3, 6);
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{0, 0, 5, 5}));
  EXPECT_EQ(columnValues(t, 1), (std::vector<double>{0, 0, 0, 6}));
  EXPECT_EQ(reported, (std::vector<std::pair<int, int>>{{0, 2}, {0, 3}, {1, 3}}));
}

// Two layer templates and a layer table that picks one per row by its first column.
class NestedTables : public ::testing::Test {
 protected:
  NestedTables() {
    for (int id : {1, 2}) {
      auto& templ = *templates_.emplace_back(std::make_unique<TGridTable>(registry));
      templ.SetIdentifier(id);
      templ.Caption = id == 1 ? "Sand" : "Clay";
      templ.SetMinRows(2);
      templ.SetMaxRows(2);
      auto& weight = templ.AddColumn<TFloatColumn>();
      weight.UnitsString = "F/L2^3";
      weight.Default = id;
    }
    layers.AddColumn<TEnumColumn>().Names = {"sand", "clay"};
    auto& data = layers.AddColumn<TTableColumn>();
    data.Templates.AddIdentifier(1);
    data.Templates.AddIdentifier(2);
    layers.SetRowCount(3);
  }
  TGridTable& nested(int row) { return *layers.GetDataValue(1, row); }

  TTableRegistry registry;
  std::vector<std::unique_ptr<TGridTable>> templates_;
  TGridTable layers{registry};
};

TEST_F(NestedTables, EachRowGetsAFreshCopyOfItsTemplate) {
  for (int row = 0; row < 3; ++row) {
    ASSERT_NE(layers.GetDataValue(1, row), nullptr);
    EXPECT_EQ(nested(row).Caption, "Sand");
    EXPECT_EQ(nested(row).ID(), row + 1);
    EXPECT_EQ(nested(row).RowCount(), 2);
    EXPECT_EQ(nested(row).GetFloatValue(0, 1), 1.0);
    EXPECT_EQ(nested(row).Parent(), &layers);
  }
  EXPECT_EQ(nested(2).EditorCaption(), "Sand 3");
  EXPECT_EQ(layers.ButtonCaption(1, 2), "3: Sand");
  layers.OnGetButtonCaption = [](int, int row) { return "Edit Layer " + std::to_string(row + 1); };
  EXPECT_EQ(layers.ButtonCaption(1, 2), "Edit Layer 3");
  // Copies are tables of their own, with identifiers of their own.
  EXPECT_NE(nested(0).Identifier(), 1);
  EXPECT_EQ(registry.FindByIdentifier(1), templates_[0].get());
}

TEST_F(NestedTables, ANewChoiceReplacesTheNestedTable) {
  nested(1).SetFloatValue(0, 0, 125);
  layers.SetIntValue(0, 1, 1);  // the same choice keeps the values
  EXPECT_EQ(nested(1).GetFloatValue(0, 0), 125);

  layers.SetStringValue(0, 1, "2");
  EXPECT_EQ(nested(1).Caption, "Clay");
  EXPECT_EQ(nested(1).GetFloatValue(0, 0), 2.0);  // the clay template's default, not 125
  EXPECT_EQ(nested(1).ID(), 2);
}

TEST_F(NestedTables, InsertedAndDeletedRowsRenumberTheNestedTables) {
  nested(1).SetFloatValue(0, 0, 125);
  layers.InsertRowGroup(0);
  ASSERT_EQ(layers.RowCount(), 4);
  for (int row = 0; row < 4; ++row) EXPECT_EQ(nested(row).ID(), row + 1);
  EXPECT_EQ(nested(2).GetFloatValue(0, 0), 125);  // moved down with its row

  layers.DeleteRowGroup(1);
  EXPECT_EQ(nested(1).GetFloatValue(0, 0), 125);
  EXPECT_EQ(nested(1).ID(), 2);
  EXPECT_EQ(nested(2).ID(), 3);
}

TEST_F(NestedTables, UnitsReachTheNestedTables) {
  nested(0).SetFloatValue(0, 0, 10);  // kN/m3 after the switch below, from pcf
  layers.SetUnits(2);
  // 1 kN/m3 = 224.8089237 lbs / 3.280839895^3 ft3 = 6.3658800 pcf
  EXPECT_NEAR(nested(0).GetFloatValue(0, 0), 10 / 6.3658800, 1e-6);
  EXPECT_EQ(nested(0).Units(), 2);
  // A row added in SI starts in SI.
  layers.AddRowGroup();
  EXPECT_EQ(nested(3).Units(), 2);
}

TEST_F(NestedTables, ChangesOfNestedTablesCountForTheParent) {
  layers.ResetChanged();
  EXPECT_FALSE(layers.Changed());
  nested(2).SetFloatValue(0, 1, 3);
  EXPECT_TRUE(layers.Changed());
  layers.ResetChanged();
  EXPECT_FALSE(nested(2).Changed());
  EXPECT_FALSE(layers.Changed());
}

TEST(GridTableTemplates, ATemplateThatContainsItselfIsNotCopiedWithoutEnd) {
  TTableRegistry registry;
  TGridTable templ(registry);
  templ.SetIdentifier(5);
  auto& inner = templ.AddColumn<TTableColumn>();
  inner.Templates.AddIdentifier(5);
  templ.SetRowCount(1);
  EXPECT_EQ(templ.GetDataValue(0, 0), nullptr);

  TGridTable user(registry);
  user.AddColumn<TTableColumn>().Templates.AddIdentifier(5);
  user.SetRowCount(1);
  ASSERT_NE(user.GetDataValue(0, 0), nullptr);
  EXPECT_EQ(user.GetDataValue(0, 0)->GetDataValue(0, 0), nullptr);
}

TEST(GridTableTemplates, OwnerObjectsStandInWhereThereIsNoTemplate) {
  TTableRegistry registry;
  TGridTable t(registry);
  t.AddColumn<TTableColumn>();
  bool dirty = false;
  std::vector<int> unitsSeen;
  t.OnInitRow = [](int, int row) { return std::any(row * 10); };
  t.OnGetChanged = [&](int, int) { return dirty; };
  t.OnResetChanged = [&](int, int) { dirty = false; };
  t.OnSetUnits = [&](int, int, int units) { unitsSeen.push_back(units); };
  t.SetRowCount(2);
  t.ResetChanged();
  EXPECT_EQ(std::any_cast<int>(t.ColumnAs<TTableColumn>(0).Object(1)), 10);
  dirty = true;
  EXPECT_TRUE(t.Changed());
  t.ResetChanged();
  EXPECT_FALSE(dirty);
  t.SetUnits(2);
  EXPECT_EQ(unitsSeen, (std::vector<int>{2, 2}));
}

TEST(GridTableUnits, RealColumnsConvertByTheirUnitCode) {
  TTableRegistry registry;
  TGridTable t(registry);
  auto& depth = t.AddColumn<TFloatColumn>();
  depth.Headings = {"Depth at Bottom ", "of each Layer"};
  depth.UnitsString = "L2";
  t.AddColumn<TFloatColumn>().UnitsString = "F/L2^2";
  t.AddColumn<TFloatColumn>().Headings = {"Factor"};  // no unit code: never converted
  t.SetRowCount(1);
  t.SetFloatValue(0, 0, 10);
  t.SetFloatValue(1, 0, 2088.5434);
  t.SetFloatValue(2, 0, 0.9);
  EXPECT_EQ(t.ColumnHeadings(0), (std::vector<std::string>{"Depth at Bottom ", "of each Layer (ft)  "}));

  int majorChanges = 0;
  t.OnMajorChange = [&] { ++majorChanges; };
  t.SetUnits(1);  // the system it already has
  EXPECT_EQ(majorChanges, 0);
  EXPECT_EQ(t.GetFloatValue(0, 0), 10);

  t.SetUnits(2);
  EXPECT_NEAR(t.GetFloatValue(0, 0), 3.048, 1e-9);
  EXPECT_NEAR(t.GetFloatValue(1, 0), 100.0, 1e-4);  // 20.885434 psf per kN/m2
  EXPECT_EQ(t.GetFloatValue(2, 0), 0.9);
  EXPECT_EQ(t.ColumnHeadings(0).back(), "of each Layer (m)  ");
  EXPECT_EQ(majorChanges, 1);

  t.SetUnits(5);  // clamped to SI: nothing to do
  t.SetUnits(0);  // clamped to English
  EXPECT_NEAR(t.GetFloatValue(0, 0), 10, 1e-12);
}

TEST(GridTableLink, TopAndBottomColumnsStayContinuous) {
  TTableRegistry registry;
  TGridTable t(registry);
  t.AddColumn<TFloatColumn>().TopDepth = true;
  t.AddColumn<TFloatColumn>();
  t.SetRowCount(3);
  t.SetFloatValue(1, 0, 5);  // bottom of row 0 is the top of row 1
  t.SetFloatValue(0, 2, 9);  // top of row 2 is the bottom of row 1
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{0, 5, 9}));
  EXPECT_EQ(columnValues(t, 1), (std::vector<double>{5, 9, 0}));

  t.InsertRowGroup(1);  // starts and ends at the bottom of row 0
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{0, 5, 5, 9}));
  EXPECT_EQ(columnValues(t, 1), (std::vector<double>{5, 5, 9, 0}));

  t.DeleteRowGroup(2);  // the row after it now starts where row 1 ends
  EXPECT_EQ(columnValues(t, 0), (std::vector<double>{0, 5, 5}));
  EXPECT_EQ(columnValues(t, 1), (std::vector<double>{5, 5, 0}));

  t.ReplaceColumn(1, std::make_unique<TIntColumn>());
  try {
    t.SetFloatValue(0, 1, 1);
    FAIL() << "a top-depth column without a real column after it was accepted";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "If column if a topdepth then the next column must be a float column");
  }
}

TEST(GridTableIdentity, IdentifiersAreUniqueAndSwapped) {
  TTableRegistry registry;
  TGridTable a(registry);
  TGridTable b(registry);
  EXPECT_EQ(a.Identifier(), 1);
  EXPECT_EQ(b.Identifier(), 2);
  a.SetIdentifier(2);  // b takes a's old identifier
  EXPECT_EQ(a.Identifier(), 2);
  EXPECT_EQ(b.Identifier(), 1);
  a.SetIdentifier(-4);
  EXPECT_EQ(a.Identifier(), 2);
  b.SetIdentifier(3);
  TGridTable c(registry);  // the counter skips identifiers set by hand
  EXPECT_EQ(c.Identifier(), 4);
  {
    TGridTable gone(registry);
    EXPECT_EQ(registry.Count(), 4);
  }
  EXPECT_EQ(registry.Count(), 3);
  EXPECT_EQ(registry.FindByIdentifier(3), &b);
}

TEST(GridTableCells, HandlesAndBounds) {
  TTableRegistry registry;
  TGridTable t(registry);
  t.AddColumn<TIntColumn>();
  t.AddColumn<TStringColumn>().Default = "none";
  t.SetRowCount(1);
  TData cell = t.GetData(0, 0);
  cell.SetValue("6*7");
  EXPECT_EQ(cell.GetInt(), 42);
  EXPECT_EQ(cell.GetFloat(), 42.0);
  cell.SetFloat(2.6);  // set in code: rounded to the nearest integer
  EXPECT_EQ(cell.GetValue(), "3");
  EXPECT_EQ(t.GetStringValue(1, 0), "none");
  EXPECT_THROW(t.GetFloatValue(1, 0), std::logic_error);
  EXPECT_THROW(t.GetIntValue(0, 1), std::out_of_range);
  EXPECT_THROW(t.SetFloatValue(2, 0, 1), std::out_of_range);
}

}  // namespace
}  // namespace talmo
