// The shaft properties editor: labels in both unit systems, load and write-back, the largest
// values, and the maximum diameter that multiple shaft lengths make unavailable.
#include <gtest/gtest.h>

#include "ShaftPropertiesEditor.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

using testing::Field;
using testing::TFakeHost;
using testing::Type;

const QString kMinDiameter = "Minimum Shaft Diameter, B, to be Considered";
const QString kMaxDiameter = "Maximum Shaft Diameter, B, to be Considered";
const QString kBottom = "Lenght of Bottom Portion of Shaft without Skin Friction, Lle";
const QString kModulus = "&Modulus of Elasticity of Drilled Shaft ";

TEST(ShaftProperties, LabelsShowTheUnitsOfTheProject) {
  struct Case {
    int units;
    QString caption;
    QString label;
  } cases[] = {
      {1, kMinDiameter, "Minimum Shaft Diameter, B, to be Considered (ft)"},
      {2, kMinDiameter, "Minimum Shaft Diameter, B, to be Considered (m)"},
      {1, kModulus, "&Modulus of Elasticity of Drilled Shaft  (lbs/in\u00b2)"},
      {2, kModulus, "&Modulus of Elasticity of Drilled Shaft  (kN/m\u00b2)"},
      {2, "&Angle of Bell with Respect to Vertical,  Ang ", "&Angle of Bell with Respect to Vertical,  Ang  (deg)"},
      {2, "&Ratio of Base Diameter to Shaft Diameter,  Bb/B", "&Ratio of Base Diameter to Shaft Diameter,  Bb/B"},
      {1, kBottom, "Length of Bottom Portion of Shaft without Skin Friction, Lle (ft)"},
      {2, kBottom, "Length of Bottom Portion of Shaft without Skin Friction, Lle (m)"},
  };
  for (const Case& c : cases) {
    TFakeHost host;
    host.project.SetUnits(c.units);
    TfrmShaftpeneta editor(host);
    editor.LoadFromProject();
    TDataEdit* field = Field(editor, c.caption);
    ASSERT_NE(field, nullptr);
    auto* label = qobject_cast<QLabel*>(field->EditLabel());
    if (!label) {  // the bottom zone's label keeps its own spelling; it is the field's buddy
      for (QLabel* candidate : editor.findChildren<QLabel*>())
        if (candidate->buddy() == field) label = candidate;
    }
    ASSERT_NE(label, nullptr) << c.caption.toStdString();
    EXPECT_EQ(label->text(), c.label);
  }
}

TEST(ShaftProperties, LoadsAndWritesTheSevenValues) {
  TFakeHost host;
  TProgramData& p = host.project;
  p.DSTART = 3;
  p.DIALIM = 5;
  p.RATIO = 2.5;
  p.BELANGL = 30;
  p.TOPLENG = 5;
  p.BS = 4;
  p.EPILE = 4000000;
  TfrmShaftpeneta editor(host);
  editor.LoadFromProject();
  EXPECT_EQ(Field(editor, kMinDiameter)->text(), "3");
  EXPECT_EQ(Field(editor, kModulus)->text(), "4000000");

  Type(Field(editor, kMinDiameter), "2.5");
  Type(Field(editor, kMaxDiameter), "4*1.5");
  Type(Field(editor, "Length of &Upper Exclusion Zone without Skin Friction, Lue"), "150");  // no largest value
  Type(Field(editor, kBottom), "2");
  EXPECT_GT(host.changes, 0);
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(p.DSTART, 2.5);
  EXPECT_EQ(p.DIALIM, 6);
  EXPECT_EQ(p.RATIO, 2.5);
  EXPECT_EQ(p.BELANGL, 30);
  EXPECT_EQ(p.TOPLENG, 150);
  EXPECT_EQ(p.BS, 2);
  EXPECT_EQ(p.EPILE, 4000000);
  EXPECT_TRUE(host.dialogs.messages.isEmpty());
}

TEST(ShaftProperties, ValueAboveTheLargestKeepsTheWindowOpenAndWritesNothing) {
  struct Case {
    QString caption;
    QString entry;
    QString message;
  } cases[] = {
      {kMinDiameter, "31", "Entry must be less than or equal to 30"},
      {"&Angle of Bell with Respect to Vertical,  Ang ", "91", "Entry must be less than or equal to 90"},
      {kBottom, "101", "Entry must be less than or equal to 100"},
      {kModulus, "3e8+1", "Entry must be less than or equal to 3E8"},
  };
  for (const Case& c : cases) {
    TFakeHost host;
    host.project.DSTART = 2;
    TfrmShaftpeneta editor(host);
    editor.show();
    editor.LoadFromProject();
    Type(Field(editor, kMaxDiameter), "4");
    Type(Field(editor, c.caption), c.entry);
    EXPECT_FALSE(editor.close()) << c.entry.toStdString();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(host.dialogs.messages, QStringList{c.message});
    EXPECT_EQ(host.project.DSTART, 2);
    EXPECT_EQ(host.project.DIALIM, 0);  // the valid field was not written either
  }
}

TEST(ShaftProperties, StoredValueBeyondTheLargestIsReportedNotChangedUnseen) {
  TFakeHost host;
  host.project.DSTART = 35;  // from a hand-edited file
  TfrmShaftpeneta editor(host);
  editor.LoadFromProject();
  EXPECT_EQ(Field(editor, kMinDiameter)->text(), "35");
  EXPECT_FALSE(editor.CommitToProject());
  EXPECT_EQ(host.dialogs.messages, QStringList{"Entry must be less than or equal to 30"});
  EXPECT_EQ(host.project.DSTART, 35);
}

TEST(ShaftProperties, MultipleLengthsOfASpecifiedLengthUseOneDiameter) {
  struct Case {
    int method;
    int ipent;
    bool maxEditable;
  } cases[] = {{2, 1, false}, {2, 0, true}, {1, 1, true}, {1, 0, true}};
  for (const Case& c : cases) {
    TFakeHost host;
    host.project.METHOD = c.method;
    host.project.IPENT = c.ipent;
    host.project.DIALIM = 4;
    TfrmShaftpeneta editor(host);
    editor.show();
    editor.LoadFromProject();
    TDataEdit* maxDiameter = Field(editor, kMaxDiameter);
    EXPECT_EQ(maxDiameter->isEnabled(), c.maxEditable) << c.method << c.ipent;
    EXPECT_EQ(maxDiameter->EditLabel()->isEnabled(), c.maxEditable);
    EXPECT_EQ(testing::Control<QLabel>(editor, "(Enter 0 if same as minimum)")->isVisible(), c.maxEditable);
    ASSERT_TRUE(editor.CommitToProject());
    EXPECT_EQ(host.project.DIALIM, 4);
  }
}

}  // namespace
}  // namespace talmo
