// Values no engineer means (a negative diameter, a factor of safety of 0, a minimum length
// above the maximum ...) are refused where they are typed, with the field and what it allows;
// the editor stays open and writes nothing. Values loaded from the project stand until typed.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "ControlOptionsEditor.h"
#include "LengthVariationEditors.h"
#include "LoadingEditor.h"
#include "ShaftPropertiesEditor.h"
#include "SimpleEditor.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

using testing::Field;
using testing::TFakeHost;
using testing::Type;

using EditorMaker = std::function<std::unique_ptr<TEditorWindow>(TEditorHost&)>;

template <class T, class... Args>
EditorMaker make(Args... args) {
  return [=](TEditorHost& host) { return std::make_unique<T>(host, args...); };
}

const QString kMinDiameter = "Minimum Shaft Diameter, B, to be Considered";
const QString kMaxDiameter = "Maximum Shaft Diameter, B, to be Considered";
const QString kMaxLength = "Maximum shaft &length ";
const QString kMinLength = "Minimum &shaft length ";

TEST(EntryLimits, RefusedWithTheFieldAndWhatItAllows) {
  struct Case {
    EditorMaker editor;
    QString caption;
    QString entry;
    QString message;
  } cases[] = {
      {make<TfrmShaftpeneta>(), kMinDiameter, "-3",
       "Minimum Shaft Diameter, B, to be Considered (ft) must be greater than 0."},
      {make<TfrmShaftpeneta>(), kMaxDiameter, "2.5",
       "Maximum Shaft Diameter, B, to be Considered (ft) must be 0 (same as minimum) or not below the minimum "
       "diameter (3)."},
      // Typing the minimum checks the maximum (4) against it.
      {make<TfrmShaftpeneta>(), kMinDiameter, "5",
       "Maximum Shaft Diameter, B, to be Considered (ft) must be 0 (same as minimum) or not below the minimum "
       "diameter (5)."},
      {make<TfrmShaftpeneta>(), "&Modulus of Elasticity of Drilled Shaft ", "0",
       "Modulus of Elasticity of Drilled Shaft (lbs/in\u00b2) must be greater than 0."},
      {make<TfrmShaftpeneta>(), "Lenght of Bottom Portion of Shaft without Skin Friction, Lle", "-1",
       "Length of Bottom Portion of Shaft without Skin Friction, Lle (ft) must be 0 or greater."},
      {make<TSimpleEditor>(TSimpleEditorKind::FactorOfSafety), "The F.S. applied to the ultimate &base capacity", "0",
       "The F.S. applied to the ultimate base capacity must be at least 1."},
      {make<TSimpleEditor>(TSimpleEditorKind::WaterTable), "&Depth of water table", "-5",
       "Depth of water table (ft) must be 0 or greater (a depth below the ground surface)."},
      {make<TLoadingEditor>(TLoadingQuantity::ShaftLength), "Enter the proposed &length", "-40",
       "Enter the proposed length (ft) must be greater than 0."},
      {make<TDlgOptions>(), "Output Increment", "0", "Output Increment (ft) must be greater than 0."},
      {make<TfrmVaryLength>(), kMinLength, "70", "Minimum shaft length (ft) must be at most the maximum shaft length (60)."},
      {make<TfrmVaryLength>(), kMaxLength, "20", "Minimum shaft length (ft) must be at most the maximum shaft length (20)."},
      {make<TfrmVaryLength>(), "Shaft length increment", "-3",
       "Shaft length increment (ft) must be greater than 0, or 0 for the default."},
      {make<TfrmDesignChart>(), kMaxLength, "0", "Maximum shaft length (ft) must be greater than 0."},
      {make<TfrmDesignChart>(), "Shaft diameter increment", "-0.5",
       "Shaft diameter increment (ft) must be greater than 0, or 0 for the default."},
  };
  for (const Case& c : cases) {
    TFakeHost host;
    TProgramData& p = host.project;
    p.DSTART = 3;
    p.DIALIM = 4;
    p.EPILE = 4e6;
    p.PD = 60;
    p.PDMIN = 30;
    p.IPENT = 1;
    p.IChart = 1;
    p.METHOD = 1;  // keeps the maximum diameter editable
    const TProgramData before = p;
    std::unique_ptr<TEditorWindow> editor = c.editor(host);
    editor->show();
    editor->LoadFromProject();
    Type(Field(*editor, c.caption), c.entry);
    EXPECT_FALSE(editor->close()) << c.entry.toStdString();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(host.dialogs.messages, QStringList{c.message});
    for (double TProgramData::*value : {&TProgramData::DSTART, &TProgramData::DIALIM, &TProgramData::EPILE,
                                        &TProgramData::PD, &TProgramData::PDMIN, &TProgramData::PINC,
                                        &TProgramData::FSB, &TProgramData::WTD})
      EXPECT_EQ(p.*value, before.*value) << c.message.toStdString();
  }
}

TEST(EntryLimits, LoadedValuesStandUntilTypedAndACorrectionIsTaken) {
  TFakeHost host;  // a new project: no diameter and no modulus yet
  TfrmShaftpeneta editor(host);
  editor.LoadFromProject();
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_TRUE(host.dialogs.messages.isEmpty());

  Type(Field(editor, kMinDiameter), "-3");
  EXPECT_FALSE(editor.CommitToProject());
  Type(Field(editor, kMinDiameter), "3");
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.DSTART, 3);
  EXPECT_EQ(host.project.DIALIM, 0);  // 0: the same as the minimum
}

}  // namespace
}  // namespace talmo
