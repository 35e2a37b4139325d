// The main window as a user drives it: open a project, edit it in several editors, save,
// run the real engine library, and the file commands' questions and menu rules.
#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QTest>
#include <clocale>
#include <filesystem>

#include "ExportDialog.h"
#include "NumericField.h"
#include "TextViewer.h"
#include "engine/test_support.h"
#include "gui/gui_support.h"
#include "gui/main_window_fixture.h"

namespace talmo {
namespace {

namespace fs = std::filesystem;
using testing::MainWindowFixture;

TEST(MainWindow, EditSaveRunAndLoadTheResults) {
  MainWindowFixture f;
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - Clay_over_sand.tm8d");
  EXPECT_FALSE(f.window->Project().Changed());
  f.window->UpdateMenuStates();
  EXPECT_FALSE(f.window->ActionNamed("Export Plots to Excel")->isEnabled());  // no results yet

  f.window->ShowEditor(TMainForm::Editor::WaterTable);
  TDataEdit* water = f.field("&Depth of water table");
  ASSERT_NE(water, nullptr);
  water->setFocus();
  water->selectAll();
  QTest::keyClicks(water, "12.5");
  f.window->ShowEditor(TMainForm::Editor::ShaftProperties);  // the water table editor writes back
  EXPECT_DOUBLE_EQ(f.window->Project().WTD, 12.5);
  EXPECT_TRUE(f.window->Project().Changed());

  TDataEdit* modulus = f.field("&Modulus of Elasticity of Drilled Shaft ");
  ASSERT_NE(modulus, nullptr);
  modulus->setFocus();
  modulus->selectAll();
  QTest::keyClicks(modulus, "4e6");

  std::setlocale(LC_NUMERIC, "C.UTF-8");
  const std::string localeBefore = std::setlocale(LC_NUMERIC, nullptr);
  f.window->CompRunClick();
  EXPECT_EQ(std::setlocale(LC_NUMERIC, nullptr), localeBefore);
  std::setlocale(LC_NUMERIC, "C");

  ASSERT_FALSE(f.dialogs->messages.isEmpty());
  EXPECT_EQ(f.dialogs->messages.last(),
            "Computations are completed.\rPlease, check output file for results or error messages.");
  EXPECT_TRUE(f.window->Plots().ShowOutput);
  EXPECT_GT(f.window->Plots().pltTotal.LineCount(), 0);
  EXPECT_FALSE(f.window->Project().Changed());
  EXPECT_TRUE(QFileInfo::exists(f.path(".tm8o")));
  EXPECT_FALSE(QFileInfo::exists(f.path(".tm8w")));
  EXPECT_EQ(f.window->MdiArea()->subWindowList().size(), 0);  // editors close after a run

  // The saved project carries both edits.
  const std::string saved = test::readFile(f.project);
  EXPECT_NE(saved.find(" 4000000"), std::string::npos) << saved;
  EXPECT_NE(saved.find(" 12.5 "), std::string::npos) << saved;

  f.window->UpdateMenuStates();
  EXPECT_TRUE(f.window->ActionNamed("Edit Output Text")->isEnabled());

  // The export offers every plot of the run, in the fixed order, beginning with skin friction.
  ASSERT_TRUE(f.window->ActionNamed("Export Plots to Excel")->isEnabled());
  QStringList offered;
  QTimer::singleShot(0, [&offered] {
    auto* dialog = qobject_cast<TDlgExport*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    for (int i = 0; i < dialog->PlotList()->count(); ++i) offered << dialog->PlotList()->item(i)->text();
    dialog->accept();
  });
  f.window->ActionNamed("Export Plots to Excel")->trigger();
  EXPECT_EQ(offered.size(), 15);
  EXPECT_EQ(offered.value(0), "Ultimate Skin Friction vs Depth");
  f.dialogs->programStarts = false;  // no word processor: the built-in viewer shows the report
  f.window->ActionNamed("Edit Output Text")->trigger();
  auto* viewer = qobject_cast<TTextViewer*>(f.window->MdiArea()->subWindowList().value(0)->widget());
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->toPlainText().contains("clay"));
}

TEST(MainWindow, AProjectSwitchedToSIRunsAndReportsInSI) {
  MainWindowFixture f;
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  f.window->SetUnits(2);
  f.window->CompRunClick();
  EXPECT_EQ(f.dialogs->messages.value(f.dialogs->messages.size() - 1),
            "Computations are completed.\rPlease, check output file for results or error messages.");
  EXPECT_TRUE(f.window->Plots().ShowOutput);
  EXPECT_EQ(f.window->Plots().pltTotal.Units(), 2);
  EXPECT_NE(test::readFile(f.path(".tm8o").toStdString()).find("( KN )"), std::string::npos);
  // Depths come back in metres: the 40 ft example shaft ends at 12.192 m.
  TGraphPlot& total = f.window->Plots().pltTotal;
  EXPECT_NEAR(total.Data(0, total.Count() - 1).y, 12.19, 0.01);
}

TEST(MainWindow, AMissingEngineLibraryIsReported) {
  MainWindowFixture f;
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  f.window->SetEngineLibrary(QString::fromStdString((f.dir / "missing.so").string()));
  std::setlocale(LC_NUMERIC, "C.UTF-8");
  f.window->CompRunClick();
  EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), "C.UTF-8");
  std::setlocale(LC_NUMERIC, "C");
  ASSERT_FALSE(f.dialogs->messages.isEmpty());
  EXPECT_EQ(f.dialogs->messages.last(), "Attempt to initialize DLL failed");
  EXPECT_FALSE(f.window->Plots().ShowOutput);
}

TEST(MainWindow, UnsavedChangesAreAskedAboutAndCancelStopsTheCommand) {
  MainWindowFixture f;
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  f.window->MarkChanged();
  f.dialogs->answer = TUserDialogs::Answer::Cancel;
  EXPECT_FALSE(f.window->FileNewClick());
  EXPECT_EQ(f.dialogs->questions, 1);
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - Clay_over_sand.tm8d");

  // Saving a new project asks for a name; cancelling leaves it unsaved under the default name.
  f.dialogs->answer = TUserDialogs::Answer::No;
  EXPECT_TRUE(f.window->FileNewClick());
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - NewShaft.tm8d");
  f.dialogs->saveAs = "";
  EXPECT_FALSE(f.window->FileSaveClick());
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - NewShaft.tm8d");
  f.dialogs->saveAs = QString::fromStdString((f.dir / "second").string());
  EXPECT_TRUE(f.window->FileSaveClick());
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - Second.tm8d");
  EXPECT_TRUE(fs::exists(f.dir / "second.tm8d"));
}

TEST(MainWindow, DataMenuFollowsTheProject) {
  MainWindowFixture f;
  TProgramData& p = f.window->Project();
  struct Case {
    int method, ipent, ichart, nlrfd;
    bool lengthsEnabled, chartsEnabled, fsEnabled;
  } cases[] = {
      {1, 0, 0, 2, false, false, true},
      {2, 0, 0, 2, true, true, true},
      {2, 1, 0, 1, true, false, false},
      {2, 0, 1, 2, false, true, true},
      {2, 1, 1, 2, true, true, true},  // both set by a file: either can be switched off
  };
  for (const Case& c : cases) {
    p.METHOD = c.method;
    p.IPENT = c.ipent;
    p.IChart = c.ichart;
    p.NLRFD = c.nlrfd;
    f.window->UpdateMenuStates();
    EXPECT_EQ(f.window->ActionNamed("Evaluate Multiple Shaft Lengths")->isEnabled(), c.lengthsEnabled);
    EXPECT_EQ(f.window->ActionNamed("ASD/LRFD Design Charts")->isEnabled(), c.chartsEnabled);
    EXPECT_EQ(f.window->ActionNamed("Factor of Safety (Allowable Stress Design)")->isEnabled(), c.fsEnabled);
    EXPECT_EQ(f.window->ActionNamed("tool:Factor of Safety (ASD)")->isEnabled(), c.fsEnabled);
  }
  // Items whose windows come later are present but disabled, and say so.
  QAction* layers = f.window->ActionNamed("Soil Layer Data");
  ASSERT_NE(layers, nullptr);
  EXPECT_FALSE(layers->isEnabled());
  EXPECT_EQ(layers->toolTip(), "Not available yet");
}

TEST(MainWindow, CommandLineNameWithoutExtensionAndRecentFiles) {
  MainWindowFixture f;
  QDir::setCurrent(QString::fromStdString(f.dir.path().string()));
  f.window->Startup({"clay_over_sand"});
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - Clay_over_sand.tm8d");
  EXPECT_EQ(f.window->RecentFiles().Entry(0), fs::absolute(f.project).string());
  const std::string second = f.window->RecentFiles().Entry(1);
  f.window->OpenByExtension(QString::fromStdString(f.project.string()));  // opening again changes nothing
  EXPECT_EQ(f.window->RecentFiles().Entry(0), fs::absolute(f.project).string());
  EXPECT_EQ(f.window->RecentFiles().Entry(1), second);
}

TEST(MainWindow, SwitchingUnitsConvertsAndReloadsOpenEditors) {
  MainWindowFixture f;
  f.window->Project().WTD = 10;
  f.window->ShowEditor(TMainForm::Editor::WaterTable);
  f.window->SetUnits(2);
  EXPECT_NEAR(f.window->Project().WTD, 3.048, 1e-9);
  EXPECT_EQ(f.field("&Depth of water table")->text(), "3.048");
}

}  // namespace
}  // namespace talmo
