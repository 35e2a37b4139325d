// Control options, project title and the t-z printing choice; and what every project editor
// shares: its caption as window title and a usable minimum size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <memory>

#include "LengthVariationEditors.h"
#include "LoadingEditor.h"
#include "ControlOptionsEditor.h"
#include "ShaftPropertiesEditor.h"
#include "SimpleEditor.h"
#include "TZCurvePrinting.h"
#include "TitleEditor.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

using testing::Control;
using testing::Field;
using testing::TFakeHost;
using testing::Type;

const QString kInterpolated = "Use linear interpolation from zero at ground to ";
const QString kElevationBox = "Use Elevation instead of Depth for Label of Vertical Axis";

TEST(Options, LoadsAndStoresEveryControl) {
  TFakeHost host;
  TProgramData& p = host.project;
  p.SetUnits(2);
  p.IMOD = 0;
  p.PINC = 0.5;
  p.UseElevation = 1;
  p.ValElevation = 102.5;
  p.PrintTZCurves = 1;
  host.wordProcessor = "/usr/bin/gedit";
  TDlgOptions editor(host);
  editor.LoadFromProject();
  EXPECT_EQ(editor.windowTitle(), "Control Options");
  EXPECT_EQ(editor.TextEditorField()->text(), "/usr/bin/gedit");
  EXPECT_TRUE(Control<QRadioButton>(editor, "Use maximum values at any depth")->isChecked());
  EXPECT_EQ(Field(editor, "Output Increment")->EditLabel()->text(), "Output Increment (m)");
  EXPECT_EQ(Field(editor, "Output Increment")->text(), "0.5");
  EXPECT_TRUE(editor.ElevationField()->isEnabled());
  EXPECT_EQ(editor.ElevationField()->text(), "102.5");
  EXPECT_TRUE(editor.TzChoice()->EditDepthsButton()->isEnabled());

  Control<QRadioButton>(editor, kInterpolated)->click();
  Type(Field(editor, "Output Increment"), "2");
  Type(editor.TextEditorField(), "kate");
  editor.TzChoice()->Box()->click();
  EXPECT_FALSE(editor.TzChoice()->EditDepthsButton()->isEnabled());
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(p.IMOD, 1);
  EXPECT_EQ(p.PINC, 2);
  EXPECT_EQ(p.PrintTZCurves, 0);
  EXPECT_EQ(host.wordProcessor, "kate");
}

TEST(Options, UntickingElevationKeepsTheElevation) {
  TFakeHost host;
  host.project.UseElevation = 1;
  host.project.ValElevation = 250;
  TDlgOptions editor(host);
  editor.LoadFromProject();
  Type(editor.ElevationField(), "abc");  // left unfinished; the field is disabled next
  editor.ElevationBox()->click();
  EXPECT_FALSE(editor.ElevationField()->isEnabled());
  EXPECT_FALSE(editor.ElevationField()->EditLabel()->isEnabled());
  EXPECT_GT(host.changes, 0);
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.UseElevation, 0);
  EXPECT_EQ(host.project.ValElevation, 250);
}

TEST(Options, BrowseReplacesTheTextEditorOnlyWhenAFileIsChosen) {
  TFakeHost host;
  TDlgOptions editor(host);
  editor.LoadFromProject();
  host.dialogs.chosenFile = "";
  editor.BrowseClick();
  EXPECT_EQ(editor.TextEditorField()->text(), "xdg-open");
  EXPECT_EQ(host.dialogs.openFolder, "xdg-open");
  EXPECT_EQ(host.dialogs.openFilters, (QStringList{"Programs (*)", "All Files (*)"}));
  host.dialogs.chosenFile = "/usr/bin/mousepad";
  Control<QPushButton>(editor, "&Browse...")->click();
  EXPECT_EQ(editor.TextEditorField()->text(), "/usr/bin/mousepad");
}

TEST(Options, CloseButtonClosesTheChildWindowUnlessAFieldRefuses) {
  TFakeHost host;
  QMdiArea area;
  auto* editor = new TDlgOptions(host);
  QMdiSubWindow* frame = area.addSubWindow(editor);
  area.show();
  editor->LoadFromProject();
  QPushButton* close = Control<QPushButton>(*editor, "Close");
  Type(Field(*editor, "Output Increment"), "2/0");
  close->click();
  EXPECT_TRUE(frame->isVisible());
  ASSERT_EQ(host.dialogs.messages.size(), 1);
  EXPECT_EQ(host.project.PINC, 1);
  Type(Field(*editor, "Output Increment"), "2.5");
  close->click();
  EXPECT_FALSE(frame->isVisible());
  EXPECT_EQ(host.project.PINC, 2.5);
}

TEST(Title, HoldsAtMostEightyCharacters) {
  TFakeHost host;
  TdlgTitle editor(host);
  editor.LoadFromProject();
  EXPECT_EQ(editor.TitleField()->text(), "New Pile");
  Type(editor.TitleField(), QString(81, 'x'));
  EXPECT_EQ(editor.TitleField()->text(), QString(80, 'x'));
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.Title, std::string(80, 'x'));
  EXPECT_EQ(host.changes, 1);
}

TEST(Title, MarksTheProjectChangedOnlyWhenTheTitleChanges) {
  TFakeHost host;
  TdlgTitle editor(host);
  editor.LoadFromProject();
  ASSERT_TRUE(editor.CommitToProject());
  Type(editor.TitleField(), "New Pile");  // typed again, the same text
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.changes, 0);
  EXPECT_FALSE(host.project.Changed());
}

TEST(Title, LongerTitleFromAFileStaysWholeUntilEdited) {
  TFakeHost host;
  const std::string longTitle(90, 't');
  host.project.Title = longTitle;
  TdlgTitle editor(host);
  editor.LoadFromProject();
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.Title, longTitle);
  EXPECT_EQ(host.changes, 0);
}

TEST(TZPrint, TheBoxEnablesEditDepthsAndIsStored) {
  TFakeHost host;
  TDlgTZPrint editor(host);
  editor.LoadFromProject();
  EXPECT_EQ(editor.windowTitle(), "Option of Printing t-z Curves");
  QCheckBox* box = Control<QCheckBox>(editor, "&Print Internally-Generated");
  ASSERT_EQ(box, editor.Choice()->Box());
  EXPECT_FALSE(editor.Choice()->EditDepthsButton()->isEnabled());
  box->click();
  EXPECT_TRUE(editor.Choice()->EditDepthsButton()->isEnabled());
  EXPECT_EQ(host.changes, 1);
  ASSERT_TRUE(editor.CommitToProject());
  EXPECT_EQ(host.project.PrintTZCurves, 1);
  EXPECT_NE(Control<QLabel>(editor, "t-z Curves for Verification"), nullptr);
}

TEST(TZPrint, EditDepthsShowsTheDepthTableModally) {
  TFakeHost host;
  TDlgTZPrint editor(host);
  host.project.PrintTZCurves = 1;
  editor.LoadFromProject();
  QString shown;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      shown = modal->windowTitle();
      modal->close();
    }
  });
  editor.Choice()->EditDepthsButton()->click();
  EXPECT_FALSE(shown.isEmpty());
  EXPECT_EQ(shown, QString::fromStdString(host.tables.TblTZDepth().Caption));
}

TEST(ProjectEditors, TitleIsTheCaptionAndTheMinimumSizeShowsTheControls) {
  TFakeHost host;
  using Make = std::function<std::unique_ptr<TEditorWindow>()>;
  const std::pair<QString, Make> editors[] = {
      {"Drilled-Shaft Properties", [&] { return std::make_unique<TfrmShaftpeneta>(host); }},
      {"Drilled Shaft Length", [&] { return std::make_unique<TLoadingEditor>(host, TLoadingQuantity::ShaftLength); }},
      {"Specification of Design Load",
       [&] { return std::make_unique<TLoadingEditor>(host, TLoadingQuantity::DesignLoad); }},
      {"Water Table", [&] { return std::make_unique<TSimpleEditor>(host, TSimpleEditorKind::WaterTable); }},
      {"Factor of Safety (F.S.)",
       [&] { return std::make_unique<TSimpleEditor>(host, TSimpleEditorKind::FactorOfSafety); }},
      {"Multiple Shaft Lengths", [&] { return std::make_unique<TfrmVaryLength>(host); }},
      {"ASD/LRFD Design Charts", [&] { return std::make_unique<TfrmDesignChart>(host); }},
      {"Control Options", [&] { return std::make_unique<TDlgOptions>(host); }},
      {"Project Title", [&] { return std::make_unique<TdlgTitle>(host); }},
      {"Option of Printing t-z Curves", [&] { return std::make_unique<TDlgTZPrint>(host); }},
  };
  for (const auto& [caption, make] : editors) {
    std::unique_ptr<TEditorWindow> editor = make();
    editor->LoadFromProject();
    editor->show();
    EXPECT_EQ(editor->windowTitle(), caption);
    const QSize minimum = editor->minimumSizeHint();
    EXPECT_GE(editor->width(), minimum.width()) << caption.toStdString();
    // Every field is at least as wide as a number and every label shows its whole text.
    for (TDataEdit* field : editor->findChildren<TDataEdit*>())
      EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance("300000000")) << caption.toStdString();
    for (QLabel* label : editor->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->text().contains('\n')) continue;
      EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(QString(label->text()).remove('&')) - 1)
          << caption.toStdString() << ": " << label->text().toStdString();
    }
  }
}

}  // namespace
}  // namespace talmo
