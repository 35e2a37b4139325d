// Takes pictures of the desktop program as a user sees it: the main window with an example
// project and its menus open, the export dialog with the run's plots, and the shaft-properties and design-charts editors in English
// and SI units. Run under a display (scripts/screenshots.sh uses xvfb-run).
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "ExportDialog.h"
#include "MainWindow.h"
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
  for (QMenu* menu : window.menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
    QString name = menu->title().remove('&').remove(' ').toLower();
    if (name.isEmpty()) continue;
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
  window.Project().ResetChanged();
  return 0;
}
