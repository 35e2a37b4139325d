// Takes pictures of the desktop program as a user sees it: the main window with an example
// project and its menus open, its toolbar and menu icons, the export dialog with the run's plots,
// the shaft-properties and design-charts editors in English and SI units, the soil layer editor
// with four layers (English ASD, SI LRFD), the soil property editor of sand, clay, strong rock
// and weak rock, and the elevation and 3D views of a four-layer project with a water table and
// a belled shaft, before and after a run. Run under a display (scripts/screenshots.sh uses
// xvfb-run).
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QToolBar>
#include <cstdio>
#include <functional>

#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPrinter>

#include "BlockView.h"
#include "ElevationView.h"
#include "ExportDialog.h"
#include "GLWindow.h"
#include "MainWindow.h"
#include "SoilLayersEditor.h"
#include "SoilPropertiesEditor.h"
#include "SoilTypeChange.h"
#include "PlotForm.h"
#include "PileDiagrams.h"
#include "PlotAvailability.h"

namespace {

// Messages go to the console; no question ever blocks.
class TConsoleDialogs : public talmo::TDesktopDialogs {
 public:
  Answer AskSaveChanges(QWidget*) override { return Answer::No; }
  void Information(QWidget*, const QString& text) override {
    std::printf("message: %s\n", talmo::MessageText(text).toUtf8().constData());
  }
  bool StartProgram(const QString&, const QString&) override { return false; }
};

void settle() {
  for (int i = 0; i < 20; ++i) {
    QApplication::processEvents();
    QThread::msleep(10);
  }
}

void save(const QPixmap& picture, const QString& folder, const QString& name) {
  const QString file = QDir(folder).filePath(name);
  picture.save(file);
  std::printf("%s\n", file.toUtf8().constData());
  std::fflush(stdout);
}

// The window with one of its menus dropped down.
QPixmap withMenuOpen(talmo::TMainForm& window, QMenu* menu) {
  QAction* title = menu->menuAction();
  const QRect place = window.menuBar()->actionGeometry(title);
  menu->popup(window.menuBar()->mapToGlobal(place.bottomLeft()));
  settle();
  QPixmap picture = window.grab();
  QPainter painter(&picture);
  painter.drawPixmap(window.mapFromGlobal(menu->pos()), menu->grab());
  menu->hide();
  return picture;
}

// Four layers of a typical profile: sand, clay, strong rock and weak rock, in English units.
void fourLayers(talmo::TGridTable& d) {
  using namespace talmo;
  d.SetRowCount(4);
  const int types[] = {kSoilSand, kSoilClay, kSoilStrongRockSideOrTip, kSoilWeakRock};
  const double depths[] = {12, 30, 45, 70};
  // Top and bottom values by column of each layer's own table.
  const std::vector<std::vector<std::pair<double, double>>> values = {
      {{115, 120}, {32, 34}, {12, 18}, {0.5, 0.45}, {0, 0}, {1, 1}, {0, 0}, {0, 0}},
      {{110, 115}, {1000, 1500}, {0, 0}, {0, 0}, {0, 0}},
      {{300000, 350000}, {576000, 576000}, {1, 1}, {0.01, 0.01}, {3, 3}, {2000000, 2500000}, {70, 80}},
      {{200000, 250000}, {1, 2}, {7, 7}, {30, 30}, {3, 3}, {500000, 600000}, {80, 85}},
  };
  for (int row = 0; row < 4; ++row) {
    ChangeSoilType(d, row, types[row]);
    d.SetFloatValue(kLayerDepth, row, depths[row]);
    TGridTable& t = *d.GetDataValue(kLayerData, row);
    for (int c = 0; c < static_cast<int>(values[static_cast<std::size_t>(row)].size()); ++c) {
      const auto [top, bottom] = values[static_cast<std::size_t>(row)][static_cast<std::size_t>(c)];
      t.SetFloatValue(c, 0, top);
      t.SetFloatValue(c, 1, bottom);
    }
  }
  d.SetFloatValue(kLayerMaxSideFriction, 1, 4000);
}

// Opens an example project, runs it, and takes a picture of each plot window, maximised in a
// main window of 1150 x 780, and an image saved from the last one (with its print legend).
void ShootPlots(talmo::TMainForm& window, const QString& work, const QString& example,
                const QList<QPair<talmo::TGraphPlot*, QString>>& shots, const QString& folder,
                const std::function<void(talmo::TProgramData&)>& adjust = {}) {
  const QString project = QDir(work).filePath(example);
  QFile::copy(QString(TALMO_EXAMPLES_DIR) + "/" + example, project);
  window.OpenFileName(project, talmo::kFilterCurrent);
  if (adjust) adjust(window.Project());
  window.CompRunClick();
  window.UpdateMenuStates();
  for (const auto& [plot, name] : shots) {
    if (!plot->HasSomethingToDraw()) {
      std::printf("no data for %s\n", name.toUtf8().constData());
      continue;
    }
    window.ShowPlot(*plot);
    talmo::TPlotForm* form = window.PlotWindow(*plot);
    if (plot->LayerLineCount() > 0) form->SetShowLayers(true);
    settle();
    save(window.grab(), folder, name + ".png");
    form->SaveImage(QDir(folder).filePath(name + "-saved.png"), QSize(900, 600), 100);
    if (name == "plot-combined-clay") save(withMenuOpen(window, form->PlotMenu()), folder, "menu-plot.png");
  }
  window.CloseChildEditors();
}

// What the display shows of the main window and the windows over it. QWidget::grab() leaves
// out the text the 3D view paints over its OpenGL frame, so the views are taken from the screen.
QPixmap onScreen(const talmo::TMainForm& window) {
  settle();
  const QRect place = window.geometry();
  return window.screen()->grabWindow(0, place.x(), place.y(), place.width(), place.height());
}

// A left-button drag over the 3D drawing, as the user turns the model.
void drag(QWidget* target, QPoint from, QPoint to) {
  QMouseEvent press(QEvent::MouseButtonPress, from, target->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent move(QEvent::MouseMove, to, target->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &move);
  QMouseEvent release(QEvent::MouseButtonRelease, to, target->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(target, &release);
  settle();
}

// The elevation and 3D views of the four-layer example, before and after its run.
void shaftViews(talmo::TMainForm& window, const QString& work, const QString& folder) {
  const QString project = QDir(work).filePath("four_layers_belled.tm8d");
  QFile::copy(QString(TALMO_EXAMPLES_DIR) + "/four_layers_belled.tm8d", project);
  window.OpenFileName(project, talmo::kFilterCurrent);
  window.ShowElevationView();
  window.SideViewWindow()->setGeometry(0, 0, 760, 640);
  settle();
  save(window.grab(), folder, "elevation-view.png");
  {
    // The printed page, as "Print" draws it, to PDF.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir(folder).filePath("elevation-print.pdf"));
    static_cast<talmo::TDlgSideView*>(window.SideViewWindow()->widget())->PrintOn(printer);
  }
  window.CloseChildEditors();

  auto show3D = [&window] {
    window.ShowBlockView();
    window.MdiArea()->activeSubWindow()->setGeometry(0, 0, 760, 640);
    settle();
    return window.BlockView();
  };
  talmo::TDlgBlock* view = show3D();
  save(onScreen(window), folder, "3d-view-before-run.png");
  // Turned down and around, with the layer names and depths.
  view->Options().ShowSoilLayerLabels = true;
  view->Options().ShowSoilLayerDepthLabels = true;
  view->ApplyOptions();
  if (QWidget* drawing = view->GLWindow()) {
    view->SetMouseOption(3);
    drag(drawing, {300, 300}, {360, 250});
  }
  save(onScreen(window), folder, "3d-view-before-run-rotated.png");

  window.CompRunClick();  // closes the child windows
  view = show3D();
  view->Options().ShowSoilLayerLabels = true;
  view->Options().ShowSoilLayerDepthLabels = true;
  view->Options().ShowUltimateEffects = true;
  view->Options().ShowUltimateEffectsValues = true;
  view->ApplyOptions();
  settle();
  save(onScreen(window), folder, "3d-view-after-run.png");
  if (QWidget* drawing = view->GLWindow()) {
    view->SetMouseOption(3);
    drag(drawing, {300, 300}, {380, 260});
  }
  view->ShowCombinedPlotsOptions();
  save(onScreen(window), folder, "3d-view-after-run-combined-plots.png");
  view->CombinedPlotsOptions()->close();
  window.CloseChildEditors();
}

}  // namespace

int main(int argc, char** argv) {
  // The pictures never touch the user's own settings (recent files, folders).
  QTemporaryDir settingsHome;
  qputenv("XDG_CONFIG_HOME", settingsHome.path().toUtf8());
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString(argv[1]) : QString("/tmp/talmo-shots");
  QDir().mkpath(folder);
  QTemporaryDir work;
  const QString project = QDir(work.path()).filePath("clay_over_sand.tm8d");
  QFile::copy(QString(TALMO_EXAMPLES_DIR) + "/clay_over_sand.tm8d", project);

  talmo::TMainForm window(std::make_unique<TConsoleDialogs>());
  window.SetEngineLibrary(TALMO_DLL_PATH);
  window.resize(1150, 780);
  window.show();
  window.OpenFileName(project, talmo::kFilterCurrent);
  window.CompRunClick();
  settle();
  save(window.grab(), folder, "main-window.png");
  // The icons: the toolbar at twice its size, and the window with the File menu's icons.
  QToolBar* tools = window.findChild<QToolBar*>();
  const QPixmap toolbar = tools->grab();
  save(toolbar.scaled(toolbar.size() * 2, Qt::KeepAspectRatio, Qt::SmoothTransformation), folder,
       "main-window-icons-toolbar.png");
  save(withMenuOpen(window, window.menuBar()->findChild<QMenu*>()), folder, "main-window-icons.png");
  for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
    QString name = menu->title().remove('&').remove(' ').toLower();
    if (name.isEmpty() || !menu->menuAction()->isVisible()) continue;
    window.UpdateMenuStates();
    save(withMenuOpen(window, menu), folder, "menu-" + name + ".png");
  }
  {
    talmo::TDlgExport dialog(window.Plots(), talmo::ExportablePlotRows(window.Plots(), window.Project(), true),
                             window.Dialogs(), project);
    dialog.show();
    settle();
    save(dialog.grab(), folder, "export-dialog.png");
  }
  window.Project().METHOD = 2;
  window.Project().IChart = 1;
  window.Project().NPOINTPD = 5;
  window.Project().InitPDSET();
  for (int units : {1, 2}) {
    window.SetUnits(units);
    const QString system = units == 1 ? "english" : "si";
    window.ShowEditor(talmo::TMainForm::Editor::ShaftProperties);
    window.MdiArea()->activeSubWindow()->move(0, 0);
    settle();
    save(window.grab(), folder, "shaft-properties-" + system + ".png");
    window.ShowEditor(talmo::TMainForm::Editor::DesignCharts);
    window.MdiArea()->activeSubWindow()->move(0, 0);
    settle();
    save(window.grab(), folder, "design-charts-" + system + ".png");
    window.CloseChildEditors();
  }

  // The soil layers of a new project with four layers, English ASD and SI LRFD.
  window.FileNewClick();
  fourLayers(window.Tables().D());
  window.Project().PD = 40;
  window.Project().DSTART = 3;
  for (int units : {1, 2}) {
    window.SetUnits(units);
    window.SetDesignMethod(units == 1 ? 2 : 1);
    window.ShowEditor(talmo::TMainForm::Editor::SoilLayers);
    window.MdiArea()->activeSubWindow()->move(0, 0);
    settle();
    save(window.grab(), folder, units == 1 ? "soil-layers-english-asd.png" : "soil-layers-si-lrfd.png");
    window.CloseChildEditors();
  }
  // Forty layers: the grid scrolls and no layer can be added.
  window.Tables().D().SetRowCount(talmo::kMaxLayers);
  for (int row = 0; row < talmo::kMaxLayers; ++row) window.Tables().D().SetFloatValue(talmo::kLayerDepth, row, 5.0 * (row + 1));
  window.ShowEditor(talmo::TMainForm::Editor::SoilLayers);
  window.MdiArea()->activeSubWindow()->move(0, 0);
  settle();
  save(window.grab(), folder, "soil-layers-forty.png");
  window.CloseChildEditors();
  window.Tables().D().SetRowCount(4);
  window.SetUnits(1);
  const char* names[] = {"sand", "clay", "strong-rock", "weak-rock"};
  for (int row = 0; row < 4; ++row) {
    const int type = window.Tables().D().GetIntValue(talmo::kLayerSoilType, row);
    talmo::TDlgSoils properties(window, row + 1, type, &window);
    properties.show();
    settle();
    save(properties.grab(), folder, QString("soil-properties-") + names[row] + ".png");
    properties.reject();
  }
  window.Project().ResetChanged();

  talmo::TMainPlots& plots = window.Plots();
  ShootPlots(window, work.path(), "clay_over_sand.tm8d",
             {{&plots.pltCombine, "plot-combined-clay"}, {&plots.pltTz, "plot-tz-clay"}}, folder);
  ShootPlots(window, work.path(), "sand_three_diameters.tm8d",
             {{&plots.pltTotal, "plot-total-sand"}, {&plots.pltCombinedSettle, "plot-load-settlement-sand"},
              {&plots.pltAxial, "plot-load-settlement-trend-sand"}},
             folder);
  ShootPlots(window, work.path(), "design_chart.tm8d", {{&plots.PltChart[0], "plot-design-chart"}}, folder);
  // Elevations instead of depths: the shaft top at elevation 250 ft, the highest at the top.
  ShootPlots(window, work.path(), "clay_over_sand.tm8d", {{&plots.pltTotal, "plot-total-elevation-clay"}}, folder,
             [](talmo::TProgramData& p) {
               p.UseElevation = 1;
               p.ValElevation = 250;
               p.SetChanged();
             });
  shaftViews(window, work.path(), folder);
  window.Project().ResetChanged();
  return 0;
}
