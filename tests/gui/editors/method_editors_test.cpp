// The computation-method editors: shaft length and design load with the type of loading,
// water table and factors of safety, multiple shaft lengths, and the design charts with their
// table of defined settlements.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLocale>
#include <QRadioButton>
#include <QToolButton>

#include "LengthVariationEditors.h"
#include "LoadingEditor.h"
#include "SettlementTable.h"
#include "SimpleEditor.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

using testing::Control;
using testing::Field;
using testing::TFakeHost;
using testing::Type;

const QString kLength = "Enter the proposed &length";
const QString kLoad = "Enter the &design load";
const QString kReduction = "&Reduction factor for uplift loading";

TEST(LoadingEditors, APositiveValueOfOneQuantityClearsTheOther) {
  struct Case {
    TLoadingQuantity quantity;
    QString caption;
    QString entry;
    double pd, lpd;  // stored afterwards, starting from PD 60 and LPD 500
    bool accepted;
  } cases[] = {
      {TLoadingQuantity::DesignLoad, kLoad, "500", 0, 500, true},
      {TLoadingQuantity::ShaftLength, kLength, "45", 45, 0, true},
      // Neither a length nor a load of 0 is meant: refused, both stay.
      {TLoadingQuantity::DesignLoad, kLoad, "0", 60, 500, false},
      {TLoadingQuantity::ShaftLength, kLength, "0", 60, 500, false},
  };
  for (const Case& c : cases) {
    TFakeHost host;
    host.project.PD = 60;
    host.project.LPD = 500;
    TLoadingEditor editor(host, c.quantity);
    editor.LoadFromProject();
    Type(Field(editor, c.caption), c.entry);
    ASSERT_EQ(editor.CommitToProject(), c.accepted);
    EXPECT_EQ(host.project.PD, c.pd) << c.entry.toStdString();
    EXPECT_EQ(host.project.LPD, c.lpd) << c.entry.toStdString();
  }
}

TEST(LoadingEditors, CaptionsAndLabelsFollowTheQuantityAndUnits) {
  struct Case {
    TLoadingQuantity quantity;
    int units;
    QString title;
    QString caption;
    QString label;
  } cases[] = {
      {TLoadingQuantity::ShaftLength, 1, "Drilled Shaft Length", kLength, "Enter the proposed &length (ft)"},
      {TLoadingQuantity::ShaftLength, 2, "Drilled Shaft Length", kLength, "Enter the proposed &length (m)"},
      {TLoadingQuantity::DesignLoad, 1, "Specification of Design Load", kLoad, "Enter the &design load (tons)"},
      {TLoadingQuantity::DesignLoad, 2, "Specification of Design Load", kLoad, "Enter the &design load (kN)"},
  };
  for (const Case& c : cases) {
    TFakeHost host;
    host.project.SetUnits(c.units);
    TLoadingEditor editor(host, c.quantity);
    editor.LoadFromProject();
    EXPECT_EQ(editor.windowTitle(), c.title);
    EXPECT_EQ(Field(editor, c.caption)->EditLabel()->text(), c.label);
  }
}

TEST(LoadingEditors, TypeOfLoadingAndReductionFactor) {
  TFakeHost host;
  host.project.KCYCL = 2;
  host.project.RCYCL = 0.7;
  TLoadingEditor editor(host, TLoadingQuantity::ShaftLength);
  editor.show();
  editor.LoadFromProject();
  auto* compression = Control<QRadioButton>(editor, "C&ompression");
  auto* uplift = Control<QRadioButton>(editor, "&Uplift ");
  TDataEdit* reduction = Field(editor, kReduction);
  EXPECT_TRUE(uplift->isChecked());
  EXPECT_TRUE(reduction->isEnabled());
  EXPECT_EQ(reduction->text(), "0.7");

  Type(reduction, "1.5");
  EXPECT_FALSE(editor.CommitToProject());
  EXPECT_EQ(host.dialogs.messages, QStringList{"Entry must be less than or equal to 1"});

  // Compression stores 1.0 whatever the disabled field shows.
  Type(reduction, "abc");
  compression->click();
  EXPECT_FALSE(reduction->isEnabled());
  EXPECT_GT(host.changes, 0);
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.KCYCL, 1);
  EXPECT_EQ(host.project.RCYCL, 1.0);

  editor.LoadFromProject();
  uplift->click();
  Type(reduction, "0.5");
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.KCYCL, 2);
  EXPECT_EQ(host.project.RCYCL, 0.5);
}

TEST(SimpleEditors, LoadAndStoreTheirValues) {
  TFakeHost host;
  host.project.SetUnits(2);
  host.project.WTD = 1.5;
  TSimpleEditor water(host, TSimpleEditorKind::WaterTable);
  TSimpleEditor safety(host, TSimpleEditorKind::FactorOfSafety);
  EXPECT_EQ(water.windowTitle(), "Water Table");
  EXPECT_EQ(safety.windowTitle(), "Factor of Safety (F.S.)");
  water.LoadFromProject();
  safety.LoadFromProject();
  TDataEdit* depth = Field(water, "&Depth of water table");
  EXPECT_EQ(depth->EditLabel()->text(), "&Depth of water table (m)");
  EXPECT_EQ(depth->text(), "1.5");
  TDataEdit* side = Field(safety, "The F.S. applied to the ultimate &side friction");
  TDataEdit* base = Field(safety, "The F.S. applied to the ultimate &base capacity");
  EXPECT_EQ(side->text(), "2.5");
  EXPECT_EQ(base->EditLabel()->text(), "The F.S. applied to the ultimate &base capacity");

  Type(depth, "2.25");
  Type(side, "2");
  Type(base, "3.5");
  ASSERT_TRUE(water.CommitToProject());
  ASSERT_TRUE(safety.CommitToProject());
  EXPECT_EQ(host.project.WTD, 2.25);
  EXPECT_EQ(host.project.FST, 2);
  EXPECT_EQ(host.project.FSB, 3.5);
}

TEST(VaryLength, TheBoxEnablesTheLengthsAndSetsIPENT) {
  TFakeHost host;
  host.project.IPENT = 1;
  host.project.PD = 60;
  host.project.PDMIN = 30;
  host.project.PDINCR = 5;
  TfrmVaryLength editor(host);
  editor.LoadFromProject();
  auto* box = Control<QCheckBox>(editor, "Evaluate Shaft Lengths (for Specified Diameter)");
  TDataEdit* maximum = Field(editor, "Maximum shaft &length ");
  EXPECT_TRUE(box->isChecked());
  EXPECT_TRUE(maximum->isEnabled());
  EXPECT_EQ(Field(editor, "Minimum &shaft length ")->text(), "30");
  EXPECT_EQ(Field(editor, "Shaft length increment")->EditLabel()->text(), "Shaft length increment (ft)");
  Type(Field(editor, "Shaft length increment"), "2");
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.PDINCR, 2);

  // Unticked: the fields and notes are disabled, and a text left unfinished in a field is not
  // stored but does not hold the window either.
  Type(maximum, "8*");
  box->click();
  EXPECT_FALSE(maximum->isEnabled());
  EXPECT_FALSE(Control<QLabel>(editor, "- default: 70% maximum shaft length")->isEnabled());
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.IPENT, 0);
  EXPECT_EQ(host.project.PD, 60);
  EXPECT_TRUE(host.dialogs.messages.isEmpty());
}

TEST(LengthVariation, TickingOneEvaluationClearsTheOther) {
  TFakeHost host;
  host.project.IPENT = 1;
  host.project.IChart = 1;  // as a hand-edited file may set them
  TfrmVaryLength lengths(host);
  lengths.LoadFromProject();
  ASSERT_TRUE(lengths.CommitToProject());
  EXPECT_EQ(host.project.IPENT, 1);
  EXPECT_EQ(host.project.IChart, 0);

  TfrmDesignChart charts(host);
  charts.LoadFromProject();
  Control<QCheckBox>(charts, "Compute ASD/LRFD Design Charts")->click();
  ASSERT_TRUE(charts.CommitToProject());
  EXPECT_EQ(host.project.IChart, 1);
  EXPECT_EQ(host.project.IPENT, 0);
}

// The design-charts editor of a project with charts on and the given settlements.
struct ChartFixture {
  explicit ChartFixture(int units = 1) {
    host.project.SetUnits(units);
    host.project.IChart = 1;
    host.project.NPOINTPD = 5;
    host.project.PDSETT = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
    editor.LoadFromProject();
  }
  QString heading() const { return table()->horizontalHeaderItem(1)->text(); }
  TSettlementTable* table() const { return editor.Settlements(); }
  QString cell(int row) const { return table()->SettlementItem(row)->text(); }

  TFakeHost host;
  TfrmDesignChart editor{host};
};

TEST(DesignChart, LoadShowsThePointsAndTheirSettlements) {
  ChartFixture english(1);
  EXPECT_EQ(english.heading(), "Settlement (in)");
  EXPECT_EQ(english.table()->horizontalHeaderItem(0)->text(), "N");
  EXPECT_EQ(english.table()->ShownRows(), 5);
  EXPECT_EQ(english.cell(0), "0.1");
  EXPECT_EQ(english.cell(4), "0.5");
  EXPECT_EQ(english.cell(5), "1");  // rows beyond the points start at 1
  EXPECT_EQ(english.table()->item(9, 0)->text(), "10");
  EXPECT_EQ(english.editor.PointsField()->text(), "5");
  EXPECT_EQ(Field(english.editor, "Shaft diameter increment")->EditLabel()->text(), "Shaft diameter increment (ft)");

  ChartFixture si(2);
  EXPECT_EQ(si.heading(), "Settlement (m)");
  EXPECT_EQ(Field(si.editor, "Maximum shaft &length ")->EditLabel()->text(), "Maximum shaft &length  (m)");
}

TEST(DesignChart, FewerPointsKeepTheFirstSettlements) {
  ChartFixture f;
  Type(f.editor.PointsField(), "3");
  EXPECT_EQ(f.table()->ShownRows(), 3);
  f.table()->SettlementItem(2)->setText("0.35");
  EXPECT_GT(f.host.changes, 0);
  ASSERT_TRUE(f.editor.CommitToProject());
  EXPECT_EQ(f.host.project.NPOINTPD, 3);
  const std::array<double, 5> expected{0.1, 0.2, 0.35, 0.4, 0.5};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(f.host.project.PDSETT[i], expected[i]) << i;
}

TEST(DesignChart, SettlementsUseTheDecimalPointInEveryLocale) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  ChartFixture f(2);
  f.host.project.PDSETT[0] = 0.00254;
  f.editor.LoadFromProject();
  EXPECT_EQ(f.cell(0), "0.00254");
  f.table()->SettlementItem(1)->setText("0.15");
  f.table()->SettlementItem(2)->setText("0,2");  // the decimal comma is not a number here
  const bool committed = f.editor.CommitToProject();
  QLocale::setDefault(before);
  EXPECT_FALSE(committed);
  EXPECT_EQ(f.host.dialogs.messages, QStringList{"Settlement 3 is not a number."});
  EXPECT_EQ(f.table()->Settlement(1), 0.15);
}

TEST(DesignChart, ArrowsStepTheNumberOfPointsWithinOneToTen) {
  ChartFixture f;
  for (int i = 0; i < 7; ++i) f.editor.UpArrow()->click();
  EXPECT_EQ(f.editor.PointsField()->text(), "10");
  EXPECT_EQ(f.table()->ShownRows(), 10);
  Type(f.editor.PointsField(), "2");
  for (int i = 0; i < 3; ++i) f.editor.DownArrow()->click();
  EXPECT_EQ(f.editor.PointsField()->text(), "1");
  EXPECT_EQ(f.table()->ShownRows(), 1);
  // Texts that are not a whole number of 1 to 10 leave the table as it is.
  for (const char* text : {"11", "2.5", "2*", "0"}) {
    f.editor.PointsField()->setText(text);
    EXPECT_EQ(f.table()->ShownRows(), 1) << text;
  }
  Type(f.editor.PointsField(), "11");
  EXPECT_FALSE(f.editor.CommitToProject());
  EXPECT_EQ(f.host.dialogs.messages, QStringList{"Entry must be less than or equal to 10"});
}

TEST(DesignChart, ASettlementThatIsNotANumberIsReportedAndNothingStored) {
  for (const char* bad : {"abc", "", "1..2", "nan", "inf"}) {
    ChartFixture f;
    f.editor.show();
    Type(Field(f.editor, "Maximum shaft &length "), "80");
    f.table()->SettlementItem(1)->setText(bad);
    EXPECT_FALSE(f.editor.close()) << bad;
    EXPECT_TRUE(f.editor.isVisible());
    EXPECT_EQ(f.host.dialogs.messages, QStringList{"Settlement 2 is not a number."}) << bad;
    EXPECT_EQ(f.table()->currentRow(), 1);
    EXPECT_EQ(f.host.project.PD, 0);
    EXPECT_EQ(f.host.project.PDSETT[0], 0.1);
  }
}

TEST(DesignChart, ProjectReadWithoutChartsShowsNoPointsUntilOneIsEntered) {
  TFakeHost host;
  host.project.NPOINTPD = 0;  // as read from a file without design charts
  TfrmDesignChart editor(host);
  editor.LoadFromProject();
  EXPECT_EQ(editor.PointsField()->text(), "0");
  EXPECT_EQ(editor.Settlements()->ShownRows(), 0);
  EXPECT_FALSE(editor.PointsField()->isEnabled());
  ASSERT_TRUE(editor.CommitToProject());  // charts off: nothing to ask
  EXPECT_EQ(host.project.NPOINTPD, 0);

  // Charts on with no points: the field asks for at least one.
  Control<QCheckBox>(editor, "Compute ASD/LRFD Design Charts")->click();
  EXPECT_TRUE(editor.PointsField()->isEnabled());
  EXPECT_TRUE(editor.Settlements()->isEnabled());
  EXPECT_FALSE(editor.CommitToProject());
  EXPECT_EQ(host.dialogs.messages, QStringList{"Entry must be greater than or equal to 1"});
  EXPECT_EQ(editor.Settlements()->ShownRows(), 1);
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.IChart, 1);
  EXPECT_EQ(host.project.NPOINTPD, 1);
  EXPECT_EQ(host.project.PDSETT[0], 1);
}

TEST(DesignChart, UntickedChartsDisableEverythingAndKeepBadCellsOut) {
  ChartFixture f;
  f.table()->SettlementItem(0)->setText("x");
  f.table()->SettlementItem(1)->setText("0.25");
  Control<QCheckBox>(f.editor, "Compute ASD/LRFD Design Charts")->click();
  for (QWidget* w :
       {static_cast<QWidget*>(f.editor.PointsField()), static_cast<QWidget*>(f.table()),
        static_cast<QWidget*>(f.editor.UpArrow()), static_cast<QWidget*>(Field(f.editor, "Shaft diameter increment"))})
    EXPECT_FALSE(w->isEnabled());
  ASSERT_TRUE(f.editor.CommitToProject());
  EXPECT_EQ(f.host.project.IChart, 0);
  EXPECT_EQ(f.host.project.PDSETT[0], 0.1);
  EXPECT_EQ(f.host.project.PDSETT[1], 0.25);
}

}  // namespace
}  // namespace talmo
