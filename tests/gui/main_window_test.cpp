// The main window as a user drives it: open a project, edit it in several editors, save,
// run the real engine library, and the file commands' questions and menu rules.
#include "MainWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QTimer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QTest>
#include <clocale>
#include <filesystem>
#include <functional>

#include "ExportDialog.h"
#include "NumericField.h"
#include "SoilLayersEditor.h"
#include "SoilPropertiesEditor.h"
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
  // The soil layers are entered from the menu and from the toolbar.
  QAction* layers = f.window->ActionNamed("Soil Layer Data");
  ASSERT_NE(layers, nullptr);
  EXPECT_TRUE(layers->isEnabled());
  EXPECT_TRUE(f.window->ActionNamed("tool:Soil Layer Data")->isEnabled());
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
  EXPECT_NEAR(f.window->Project().WTD, 3.048, 1e-9);  // 10 ft x 0.3048 m/ft
  EXPECT_EQ(f.field("&Depth of water table")->text(), "3.048");
}

}  // namespace
}  // namespace talmo

namespace talmo {
namespace {

// The soil property editor of row `row`, filled by `fill` while it is shown modally and then
// closed with its "Close" button.
void editLayer(TDlgSoilLayers& layers, int row, const std::function<void(TDlgSoils&)>& fill) {
  bool filled = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<TDlgSoils*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    fill(*dialog);
    testing::Control<QPushButton>(*dialog, "Close")->click();
    filled = !dialog->isVisible();
  });
  layers.EditButton(row)->click();
  EXPECT_TRUE(filled) << "layer " << row + 1;
}

void typeTopAndBottom(TDlgSoils& dialog, int column, const QString& top, const QString& bottom) {
  testing::Type(dialog.Fields(column)[0], top);
  testing::Type(dialog.Fields(column)[1], bottom);
}

TEST(MainWindow, AProjectEnteredInTheEditorsIsSavedAsWrittenByHandAndRuns) {
  MainWindowFixture f;
  TMainForm& w = *f.window;
  ASSERT_TRUE(w.FileNewClick());
  auto active = [&w] { return w.MdiArea()->activeSubWindow()->widget(); };

  w.ShowEditor(TMainForm::Editor::Title);
  testing::Type(active()->findChild<QLineEdit*>(), "Three layers entered in the editors");
  w.ShowEditor(TMainForm::Editor::ShaftProperties);
  testing::Type(f.field("Minimum Shaft Diameter, B, to be Considered"), "3");
  testing::Type(f.field("Length of &Upper Exclusion Zone without Skin Friction, Lue"), "5");
  testing::Type(f.field("&Modulus of Elasticity of Drilled Shaft "), "4e6");
  w.ActionNamed("Specify the shaft length")->trigger();
  testing::Type(f.field("Enter the proposed &length"), "40");
  w.ShowEditor(TMainForm::Editor::WaterTable);
  testing::Type(f.field("&Depth of water table"), "10");

  w.ActionNamed("tool:Soil Layer Data")->trigger();
  auto* layers = qobject_cast<TDlgSoilLayers*>(active());
  ASSERT_NE(layers, nullptr);
  testing::Control<QPushButton>(*layers, "Add Layer")->click();
  testing::Control<QPushButton>(*layers, "Add Layer")->click();
  const int types[] = {kSoilSand, kSoilClay, kSoilWeakRock};
  const char* depths[] = {"15", "35", "60"};
  for (int row = 0; row < 3; ++row) {
    layers->TypeList(row)->setCurrentIndex(types[row] - 1);
    emit layers->TypeList(row)->activated(types[row] - 1);
    testing::Type(layers->Field(row, kLayerDepth), depths[row]);
  }
  testing::Type(layers->Field(1, kLayerMaxSideFriction), "4000");
  editLayer(*layers, 0, [](TDlgSoils& d) {
    typeTopAndBottom(d, sand::UnitWeight, "115", "120");
    typeTopAndBottom(d, sand::FrictionAngle, "32", "34");
    typeTopAndBottom(d, sand::BlowCounts, "12", "18");
    typeTopAndBottom(d, sand::Ko, "0.5", "0.45");
  });
  editLayer(*layers, 1, [](TDlgSoils& d) {
    typeTopAndBottom(d, clay::UnitWeight, "110", "115");
    typeTopAndBottom(d, clay::Cohesion, "1000", "1500");
  });
  editLayer(*layers, 2, [](TDlgSoils& d) {
    const std::pair<int, const char*> top[] = {{weakrock::RockStrength, "200000"}, {weakrock::Slump, "7"},
                                               {weakrock::InterfaceFrictionAngle, "30"}, {weakrock::SocketDiameter, "3"},
                                               {weakrock::Modulus, "500000"}, {weakrock::RQD, "80"}};
    for (const auto& [column, value] : top) testing::Type(d.Fields(column)[0], value);
    d.ConditionLists()[0]->setCurrentIndex(0);
    testing::Control<QPushButton>(d, "Copy Values From Top To Bottom")->click();
    d.ConditionLists()[1]->setCurrentIndex(1);
    testing::Type(d.Fields(weakrock::RockStrength)[1], "250000");
    testing::Type(d.Fields(weakrock::Modulus)[1], "600000");
    testing::Type(d.Fields(weakrock::RQD)[1], "85");
  });

  // The toolbar's Save commits the active editor first; a new project is saved under a name.
  const fs::path saved = f.dir / "three_layers.tm8d";
  f.dialogs->saveAs = QString::fromStdString(saved.string());
  w.ActionNamed("tool:Save File")->trigger();
  ASSERT_TRUE(fs::exists(saved)) << f.dialogs->messages.join("\n").toStdString();
  EXPECT_EQ(test::readFile(saved), test::readFile(fs::path(TALMO_FIXTURES_DIR) / "gui/fixtures/three_layers.tm8d"));

  w.CompRunClick();
  ASSERT_EQ(f.dialogs->messages.value(f.dialogs->messages.size() - 1),
            "Computations are completed.\rPlease, check output file for results or error messages.");
  // The report's soil echo shows the values as they were entered (E10.3 fields).
  const std::string report = test::readFile(fs::path(saved).replace_extension(".tm8o"));
  const auto echo = [](const std::string& label, const char* value) {
    return "       " + label + std::string(50 - label.size(), ' ') + "= " + value;
  };
  for (const std::string& echoed :
       {std::string("LAYER NO  1----SAND"), echo("SOIL UNIT WEIGHT, LB/CU FT", "0.120E+03"),
        echo("BLOWS PER FOOT FROM STANDARD PENETRATION TEST", "0.180E+02"),
        echo("INTERNAL FRICTION ANGLE, DEG.", "0.320E+02"), echo("LATERAL EARTH-PRESSURE COEFFICIENT - Ko", "0.450E+00"),
        std::string("LAYER NO  2----CLAY"), echo("UNDRAINED SHEAR STRENGTH, LB/SQ FT", "0.150E+04"),
        echo("MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", "0.400E+04"), echo("DEPTH, FT", "0.350E+02"),
        std::string("LAYER NO  3----WEAK ROCK"), echo("UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT", "0.250E+06"),
        echo("SLUMP OF CONCRETE, IN", "0.700E+01"), echo("ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.", "0.600E+06"),
        echo("ROCK QUALITY DESIGNATION (RQD) %", "0.850E+02"), echo("DEPTH, FT", "0.600E+02")})
    EXPECT_NE(report.find(echoed), std::string::npos) << echoed;
}

TEST(MainWindow, AnSIProjectGetsItsLayersFromTheEditorsAndRunsInSI) {
  MainWindowFixture f;
  TMainForm& w = *f.window;
  ASSERT_TRUE(w.FileNewClick());
  w.SetUnits(2);
  TProgramData& p = w.Project();
  p.Title = "SI sand";
  p.DSTART = 1;
  p.PD = 12;
  p.EPILE = 27800000;
  w.ActionNamed("Soil Layer Data")->trigger();
  auto* layers = qobject_cast<TDlgSoilLayers*>(w.MdiArea()->activeSubWindow()->widget());
  ASSERT_NE(layers, nullptr);
  EXPECT_EQ(layers->Heading(kLayerDepth), "Depth at Bottom * \n of each layer (m) ");
  testing::Type(layers->Field(0, kLayerDepth), "20");
  editLayer(*layers, 0, [](TDlgSoils& d) {
    EXPECT_EQ(d.Fields(sand::UnitWeight)[0]->EditLabel()->text(), "1. Total Unit Weight (kN/m^3)");
    typeTopAndBottom(d, sand::UnitWeight, "18", "19");
    typeTopAndBottom(d, sand::BlowCounts, "15", "20");
    typeTopAndBottom(d, sand::Ko, "0.5", "0.5");
  });
  const fs::path saved = f.dir / "si_sand.tm8d";
  f.dialogs->saveAs = QString::fromStdString(saved.string());
  w.ActionNamed("tool:Save File")->trigger();
  const std::string text = test::readFile(saved);
  EXPECT_NE(text.find("\r\n1 20 \r\n0.0 18 0 0 15 0 0 1 1 \r\n0.0 19 0 0 20 0 0 1 1 \r\n1 \r\n0.5 0.5 \r\n"),
            std::string::npos)
      << text;

  w.CompRunClick();
  const std::string report = test::readFile(fs::path(saved).replace_extension(".tm8o"));
  for (const char* echoed : {"       SOIL UNIT WEIGHT, KN/CU M                         = 0.190E+02",
                             "       DEPTH, M                                          = 0.200E+02"})
    EXPECT_NE(report.find(echoed), std::string::npos) << echoed;
}

}  // namespace
}  // namespace talmo
