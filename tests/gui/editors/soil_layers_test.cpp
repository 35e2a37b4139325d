// The soil layer editor: headings in both unit systems, the LRFD columns, adding, inserting
// and deleting layers with their own tables, the 40-layer limit, type changes, write-back and
// the checks of the profile that keep the window open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "SoilLayersEditor.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

using testing::Control;
using testing::TFakeHost;
using testing::Type;

// Picks a soil type as the user does with the drop-down.
void choose(QComboBox* list, int index) {
  list->setCurrentIndex(index);
  emit list->activated(index);
}

// The value of column `column` at the top of layer `row`'s own table.
double topValue(TFakeHost& host, int row, int column) {
  return host.tables.D().GetDataValue(kLayerData, row)->GetFloatValue(column, kLayerTop);
}

// Three layers typed into the editor: sand to 10, clay to 20, weak rock to 30, each with the
// depth times 10 as its first top value.
void enterThreeLayers(TFakeHost& host, TDlgSoilLayers& editor) {
  editor.LoadFromProject();
  editor.AddLayerClick();
  editor.AddLayerClick();
  const int types[] = {kSoilSand, kSoilClay, kSoilWeakRock};
  for (int row = 0; row < 3; ++row) {
    choose(editor.TypeList(row), types[row] - 1);
    Type(editor.Field(row, kLayerDepth), QString::number(10 * (row + 1)));
    host.tables.D().GetDataValue(kLayerData, row)->SetFloatValue(0, kLayerTop, 100.0 * (row + 1));
  }
  ASSERT_TRUE(editor.CommitToProject());
}

TEST(SoilLayers, HeadingsAndFactorColumnsFollowTheProject) {
  struct Case {
    int units, nlrfd;
    QString depth, stress;
    bool factors;
  } cases[] = {
      {1, 2, "Depth at Bottom * \n of each layer (ft) ", "Max. Side Friction ** \n       (lb/ft^2)    ", false},
      {2, 1, "Depth at Bottom * \n of each layer (m) ", "Max. Side Friction ** \n       (kN/m^2)    ", true},
  };
  for (const Case& c : cases) {
    TFakeHost host;
    host.project.SetUnits(c.units);
    host.project.NLRFD = c.nlrfd;
    TDlgSoilLayers editor(host);
    editor.LoadFromProject();
    EXPECT_EQ(editor.windowTitle(), "Soill Layers");
    EXPECT_EQ(editor.Heading(kLayerDepth), c.depth);
    EXPECT_EQ(editor.Heading(kLayerMaxSideFriction), c.stress);
    EXPECT_EQ(editor.Heading(kLayerSideFactor), "LRFD Res. Factor\n (Side Friction) ");
    EXPECT_EQ(!editor.Field(0, kLayerSideFactor)->isHidden(), c.factors);
    EXPECT_EQ(!editor.Field(0, kLayerTipFactor)->isHidden(), c.factors);
    EXPECT_EQ(editor.TypeList(0)->count(), 9);
    EXPECT_EQ(editor.TypeList(0)->itemText(2), "shale (Reese &Aurora)");
    EXPECT_EQ(editor.EditButton(0)->text(), "Edit Layer 1");
  }

  // Switching to LRFD shows the factors, 1 for the new rows, and they are stored.
  TFakeHost host;
  TDlgSoilLayers editor(host);
  editor.LoadFromProject();
  editor.AddLayerClick();
  host.project.NLRFD = 1;
  editor.LoadFromProject();
  ASSERT_FALSE(editor.Field(1, kLayerTipFactor)->isHidden());
  EXPECT_EQ(editor.Field(1, kLayerTipFactor)->text(), "1");
  Type(editor.Field(1, kLayerTipFactor), "0.55");
  Type(editor.Field(0, kLayerDepth), "5");
  Type(editor.Field(1, kLayerDepth), "9");
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.tables.D().GetFloatValue(kLayerTipFactor, 1), 0.55);
  EXPECT_EQ(host.tables.D().GetFloatValue(kLayerSideFactor, 1), 1.0);
}

TEST(SoilLayers, DeletingAndInsertingMoveWholeLayers) {
  TFakeHost host;
  TDlgSoilLayers editor(host);
  enterThreeLayers(host, editor);
  TGridTable& d = host.tables.D();

  // Deleting layer 2 of 3 moves layer 3, with its own values, into row 2.
  editor.show();
  editor.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&editor));
  editor.Field(1, kLayerDepth)->setFocus();  // the row the user works in
  QApplication::processEvents();
  host.dialogs.answerYes = false;
  editor.DeleteLayerClick();
  EXPECT_EQ(d.RowCount(), 3);  // "No" keeps the layer
  host.dialogs.answerYes = true;
  editor.DeleteLayerClick();
  EXPECT_EQ(host.dialogs.yesNoQuestions,
            QStringList({"Do you want to delete soil layer in row 2", "Do you want to delete soil layer in row 2"}));
  ASSERT_EQ(d.RowCount(), 2);
  ASSERT_EQ(editor.LayerCount(), 2);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 1), kSoilWeakRock);
  EXPECT_EQ(d.GetFloatValue(kLayerDepth, 1), 30);
  EXPECT_EQ(topValue(host, 1, weakrock::RockStrength), 300);
  EXPECT_EQ(editor.TypeList(1)->currentIndex(), kSoilWeakRock - 1);
  EXPECT_EQ(editor.Field(1, kLayerDepth)->text(), "30");
  EXPECT_EQ(editor.EditButton(1)->text(), "Edit Layer 2");

  // Inserting before layer 1 makes the old layer 1 the second layer with all its values.
  editor.TypeList(0)->setFocus();
  QApplication::processEvents();
  editor.InsertLayerClick();
  ASSERT_EQ(d.RowCount(), 3);
  EXPECT_EQ(d.GetIntValue(kLayerSoilType, 0), kSoilSand);
  EXPECT_EQ(d.GetFloatValue(kLayerDepth, 0), 0);
  EXPECT_EQ(topValue(host, 0, sand::UnitWeight), 0);
  EXPECT_EQ(d.GetFloatValue(kLayerDepth, 1), 10);
  EXPECT_EQ(topValue(host, 1, sand::UnitWeight), 100);
  EXPECT_EQ(editor.Field(1, kLayerDepth)->text(), "10");
  EXPECT_EQ(d.GetDataValue(kLayerData, 2)->ID(), 3);
}

TEST(SoilLayers, LayerCountStaysWithinOneToForty) {
  TFakeHost host;
  TDlgSoilLayers editor(host);
  editor.LoadFromProject();
  QPushButton* add = Control<QPushButton>(editor, "Add Layer");
  QPushButton* insert = Control<QPushButton>(editor, "Insert Layer");
  QPushButton* remove = Control<QPushButton>(editor, "Delete Layer");
  // One layer cannot be deleted: a project needs at least one.
  EXPECT_FALSE(remove->isEnabled());
  host.tables.D().SetRowCount(kMaxLayers - 1);
  editor.LoadFromProject();
  EXPECT_TRUE(add->isEnabled());
  EXPECT_TRUE(remove->isEnabled());
  add->click();
  EXPECT_EQ(host.tables.D().RowCount(), kMaxLayers);
  EXPECT_FALSE(add->isEnabled());
  EXPECT_FALSE(insert->isEnabled());
  EXPECT_EQ(editor.LayerCount(), kMaxLayers);
  EXPECT_EQ(editor.EditButton(kMaxLayers - 1)->text(), "Edit Layer 40");
}

TEST(SoilLayers, ATypeChangeKeepsTheSharedValues) {
  TFakeHost host;
  TDlgSoilLayers editor(host);
  editor.LoadFromProject();
  TGridTable* sandTable = host.tables.D().GetDataValue(kLayerData, 0);
  sandTable->SetFloatValue(sand::UnitWeight, kLayerBottom, 118);
  sandTable->SetFloatValue(sand::FrictionAngle, kLayerBottom, 33);
  const int changesBefore = host.changes;
  choose(editor.TypeList(0), kSoilGravel - 1);
  EXPECT_GT(host.changes, changesBefore);
  const TGridTable* gravelTable = host.tables.D().GetDataValue(kLayerData, 0);
  EXPECT_EQ(gravelTable->Caption, "Gravel (Rollins et al)");
  EXPECT_EQ(gravelTable->GetFloatValue(gravel::UnitWeight, kLayerBottom), 118);
  EXPECT_EQ(gravelTable->GetFloatValue(gravel::Beta, kLayerBottom), 0);
}

TEST(SoilLayers, AProfileThatCannotBeRightKeepsTheWindowOpen) {
  TFakeHost host;
  TDlgSoilLayers editor(host);
  // A project as loaded (a new one: one layer to depth 0) stands until the user works on it.
  editor.LoadFromProject();
  EXPECT_TRUE(editor.CommitToProject());
  EXPECT_TRUE(host.dialogs.messages.isEmpty());
  enterThreeLayers(host, editor);
  TGridTable& d = host.tables.D();
  struct Case {
    int row;
    QString depth;
    QString message;
  } cases[] = {
      {2, "15", "The bottom of layer 3 (15 ft) must be deeper than the bottom of layer 2 (20 ft)."},
      {1, "10", "The bottom of layer 2 (10 ft) must be deeper than the bottom of layer 1 (10 ft)."},
      {0, "0", "The bottom of layer 1 must be below the ground surface: its depth must be greater than 0."},
      {0, "-2", "Entry must be greater than or equal to 0"},
      {0, "2*", "Entry could not be evaluated:\ninvalid expression"},
  };
  for (const Case& c : cases) {
    host.dialogs.messages.clear();
    Type(editor.Field(c.row, kLayerDepth), c.depth);
    EXPECT_FALSE(editor.CommitToProject()) << c.depth.toStdString();
    EXPECT_EQ(host.dialogs.messages, QStringList{c.message});
    EXPECT_EQ(d.GetFloatValue(kLayerDepth, c.row), 10.0 * (c.row + 1));  // nothing written
    Type(editor.Field(c.row, kLayerDepth), QString::number(10 * (c.row + 1)));
  }

  // A last layer that ends less than two diameters below the shaft is warned about once.
  host.project.PD = 25;
  host.project.DSTART = 2;
  host.project.DIALIM = 3;
  host.dialogs.messages.clear();
  Type(editor.Field(2, kLayerDepth), "30");
  EXPECT_FALSE(editor.CommitToProject());
  EXPECT_EQ(host.dialogs.messages,
            QStringList{"Warning: the bottom of the last layer (30 ft) should be deeper than the shaft bottom plus "
                        "two pile diameters (31 ft)."});
  EXPECT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.dialogs.messages.size(), 1);
  Type(editor.Field(2, kLayerDepth), "31");
  EXPECT_TRUE(editor.CommitToProject());
  EXPECT_EQ(d.GetFloatValue(kLayerDepth, 2), 31);
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

TEST(SoilLayers, RowsOfAReplacedProjectAreNeverWrittenIntoTheNewOne) {
  TFakeHost host;
  TDlgSoilLayers editor(host);
  enterThreeLayers(host, editor);
  Type(editor.Field(2, kLayerDepth), "25");  // typed, then the project is replaced
  // File New or Open resets the tables while this window stays open.
  host.tables.D().SetRowCount(0);
  host.tables.D().SetRowCount(1);
  host.tables.D().SetFloatValue(kLayerDepth, 0, 7);
  EXPECT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.tables.D().RowCount(), 1);
  EXPECT_EQ(host.tables.D().GetFloatValue(kLayerDepth, 0), 7);
  EXPECT_EQ(editor.LayerCount(), 1);
  EXPECT_EQ(editor.Field(0, kLayerDepth)->text(), "7");
}

}  // namespace
}  // namespace talmo
