// The soil property editor of one layer: the page of each soil type, labels in both unit
// systems, the sand procedures and their Ko check on every way of closing, the weak-rock
// condition lists, copying top to bottom, and the limits of the fields.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "SoilPropertiesEditor.h"
#include "SoilTypeChange.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

using testing::Control;
using testing::TFakeHost;
using testing::Type;

// A project whose layer 1 is of `soilType`.
struct OneLayer {
  explicit OneLayer(int soilType, int units = 1) {
    host.project.SetUnits(units);
    ChangeSoilType(host.tables.D(), 0, soilType);
  }
  TGridTable& values() { return *host.tables.D().GetDataValue(kLayerData, 0); }
  TFakeHost host;
};

TEST(SoilProperties, EachTypeShowsItsPageWithUnits) {
  struct Case {
    int type, units;
    QString heading;
    int column;
    QString label;
  } cases[] = {
      {kSoilSand, 1, "Sand (FHWA Spec.)", sand::UnitWeight, "1. Total Unit Weight (lbs/ft^3)"},
      {kSoilSand, 2, "Sand (FHWA Spec.)", sand::FrictionAngle, "6. Friction Angle (***) (Deg)"},
      {kSoilClay, 1, "Clay (FHWA Spec.)", clay::Cohesion, "2. Cohesion (lbs/ft^2)"},
      {kSoilShale, 2, "Shale (Reese and Aurora)", clay::Cohesion, "2. Cohesion (kN/m^2)"},
      {kSoilStrongRockSideOrTip, 1, "Strong Rock (FHWA Spec. - use either side friction or end bearing)",
       rock::Modulus, "6. Elastic Modulus (lbs/in^2)"},
      {kSoilStrongRock, 2, "Strong Rock (FHWA Spec. - side friction plus end bearing)", rock::DiscontinuitySpacing,
       "3. Discontinuity Spacing (m)"},
      {kSoilDecomposedRock, 1, "Decomposed Rock/Gravel (FHWA Spec.)", decomposed::YoungModulus,
       "6. Young Modulus (optional) (lbs/in^2)"},
      {kSoilWeakRock, 1, "Weak Rock (FHWA Spec.)", weakrock::Slump, "3. Concrete Slump (in)"},
      {kSoilWeakRock, 2, "Weak Rock (FHWA Spec.)", weakrock::Slump, "3. Concrete Slump (m)"},
      {kSoilGravel, 1, "Gravel (Rollins et al)", gravel::Beta, "3. Beta Value"},
  };
  for (const Case& c : cases) {
    OneLayer layer(c.type, c.units);
    TDlgSoils dialog(layer.host, 1, c.type);
    EXPECT_EQ(dialog.windowTitle(), "Data for Layer 1");
    EXPECT_EQ(dialog.Heading()->text(), c.heading);
    TDataEdit* top = dialog.Fields(c.column)[0];
    ASSERT_NE(top, nullptr) << c.label.toStdString();
    EXPECT_EQ(top->EditLabel()->text(), c.label);
    EXPECT_EQ(dialog.ConditionLists()[0] != nullptr, c.type == kSoilWeakRock);
    EXPECT_EQ(dialog.Procedures().size(), c.type == kSoilSand ? 3u : 0u);
  }
}

TEST(SoilProperties, SandProcedureDecidesWhichCoefficientIsKept) {
  OneLayer layer(kSoilSand);
  TGridTable& t = layer.values();
  for (int row = 0; row < 2; ++row) {
    t.SetFloatValue(sand::Ko, row, 0.5);
    t.SetFloatValue(sand::InterfaceAngle, row, 28);
    t.SetFloatValue(sand::StressExponent, row, 0.6);
  }
  TDlgSoils dialog(layer.host, 1, kSoilSand);
  ASSERT_TRUE(dialog.Procedures()[0]->isChecked());  // the stored Ko method
  EXPECT_FALSE(dialog.Fields(sand::Beta)[0]->isEnabled());
  EXPECT_TRUE(dialog.Fields(sand::Ko)[1]->isEnabled());

  dialog.Procedures()[1]->setChecked(true);  // Beta method
  EXPECT_TRUE(dialog.Fields(sand::Beta)[0]->isEnabled());
  EXPECT_FALSE(dialog.Fields(sand::Ko)[0]->isEnabled());
  EXPECT_FALSE(dialog.Fields(sand::InterfaceAngle)[0]->isEnabled());
  Type(dialog.Fields(sand::Beta)[0], "0.8");
  Type(dialog.Fields(sand::Beta)[1], "0.6");
  Type(dialog.Fields(sand::BlowCounts)[0], "14");
  dialog.show();
  Control<QPushButton>(dialog, "Close")->click();
  EXPECT_FALSE(dialog.isVisible());
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(t.GetIntValue(sand::Method, row), sand::BetaMethod);
    EXPECT_EQ(t.GetFloatValue(sand::Ko, row), 0);
    EXPECT_EQ(t.GetFloatValue(sand::InterfaceAngle, row), 0);
    EXPECT_EQ(t.GetFloatValue(sand::StressExponent, row), 0);
  }
  EXPECT_EQ(t.GetFloatValue(sand::Beta, kLayerTop), 0.8);
  EXPECT_EQ(t.GetFloatValue(sand::Beta, kLayerBottom), 0.6);
  EXPECT_EQ(t.GetIntValue(sand::BlowCounts, kLayerTop), 14);
  EXPECT_GT(layer.host.changes, 0);
}

TEST(SoilProperties, KoMethodWithoutKoKeepsTheWindowOpenHoweverItIsClosed) {
  const QString koMessage =
      "Coefficient of Lateral Earth Pressure, Ko,\rshould be greater than zero while using Ko Method\rPlease Check!";
  OneLayer layer(kSoilSand);
  layer.values().SetIntValue(sand::Method, 0, sand::ChenKulhawyMethod);
  layer.values().SetIntValue(sand::Method, 1, sand::ChenKulhawyMethod);
  TDlgSoils dialog(layer.host, 1, kSoilSand);
  dialog.show();
  dialog.Procedures()[0]->setChecked(true);
  Control<QPushButton>(dialog, "Close")->click();
  dialog.reject();  // Escape
  dialog.close();   // the close box
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(layer.host.dialogs.messages, QStringList({koMessage, koMessage, koMessage}));
  EXPECT_EQ(layer.values().GetIntValue(sand::Method, 1), sand::ChenKulhawyMethod);  // nothing written

  Type(dialog.Fields(sand::Ko)[1], "0.4");
  dialog.close();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(layer.values().GetIntValue(sand::Method, 1), sand::KoMethod);
  EXPECT_EQ(layer.values().GetFloatValue(sand::Ko, 1), 0.4);
}

TEST(SoilProperties, WeakRockConditionsAreStoredAndCopied) {
  OneLayer layer(kSoilWeakRock);
  TDlgSoils dialog(layer.host, 1, kSoilWeakRock);
  dialog.show();
  dialog.ConditionLists()[0]->setCurrentIndex(2);
  dialog.ConditionLists()[1]->setCurrentIndex(0);
  Type(dialog.Fields(weakrock::RockStrength)[0], "150000");
  dialog.accept();
  EXPECT_EQ(layer.values().GetIntValue(weakrock::InterfaceCondition, kLayerTop), 3);
  EXPECT_EQ(layer.values().GetIntValue(weakrock::InterfaceCondition, kLayerBottom), 1);
  EXPECT_EQ(layer.values().GetFloatValue(weakrock::RockStrength, kLayerTop), 150000);

  TDlgSoils again(layer.host, 1, kSoilWeakRock);
  EXPECT_EQ(again.ConditionLists()[0]->currentText(), "3");
  EXPECT_EQ(again.Fields(weakrock::RockStrength)[1]->text(), "0");
  Control<QPushButton>(again, "Copy Values From Top To Bottom")->click();
  EXPECT_EQ(again.ConditionLists()[1]->currentText(), "3");
  EXPECT_EQ(again.Fields(weakrock::RockStrength)[1]->text(), "150000");
}

TEST(SoilProperties, StrengthsWeightsAndBlowCountsAreChecked) {
  struct Case {
    int type, column;
    QString entry, message;
  } cases[] = {
      {kSoilClay, clay::UnitWeight, "-110", "Entry must be greater than or equal to 0"},
      {kSoilClay, clay::Cohesion, "-1", "Entry must be greater than or equal to 0"},
      {kSoilClay, clay::BlowCounts, "150", "Entry must be less than or equal to 100"},
      {kSoilSand, sand::BlowCounts, "12.5", "Entry must be an integer."},
      {kSoilDecomposedRock, decomposed::BlowCounts, "-3", "Entry must be greater than or equal to 0"},
      {kSoilStrongRock, rock::RockStrength, "-5000", "Entry must be greater than or equal to 0"},
      {kSoilGravellySand, gravel::BlowCounts, "-1", "Entry must be greater than or equal to 0"},
  };
  for (const Case& c : cases) {
    OneLayer layer(c.type);
    if (c.type == kSoilSand) layer.values().SetFloatValue(sand::Ko, 0, 0.5);
    TDlgSoils dialog(layer.host, 1, c.type);
    dialog.show();
    Type(dialog.Fields(c.column)[1], c.entry);
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible()) << c.entry.toStdString();
    EXPECT_EQ(layer.host.dialogs.messages, QStringList{c.message});
    EXPECT_EQ(layer.values().GetFloatValue(c.column, kLayerBottom), 0);
    dialog.Fields(c.column)[1]->setText("0");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
  }
}

}  // namespace
}  // namespace talmo
