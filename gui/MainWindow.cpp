#include "MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <QToolButton>
#include <filesystem>

#include "ActionIcons.h"
#include "Errors.h"
#include "LengthVariationEditors.h"
#include "LoadingEditor.h"
#include "Manuals.h"
#include "ControlOptionsEditor.h"
#include "BlockView.h"
#include "ElevationView.h"
#include "ExportDialog.h"
#include "PlotAvailability.h"
#include "PlotForm.h"
#include "ProjectResults.h"
#include "ResultLoading.h"
#include "ShaftPropertiesEditor.h"
#include "SimpleEditor.h"
#include "SoilLayersEditor.h"
#include "TextViewer.h"
#include "TitleEditor.h"

namespace talmo {

namespace {

const QStringList kOpenFilters = {"TALMO 2017(*.tm8d)", "TALMO 2012(*.tmd)", "TALMO 6.0(*.tmd)", "All Files(*)"};
const QStringList kSaveFilters = {"TALMO 2017(*.tm8d)", "All File(*)"};
const char* const kNotYet = "Not available yet";

QString plain(const QString& menuText) {
  QString text = menuText;
  return text.remove('&');
}

std::string toStd(const QString& text) { return text.toStdString(); }

}  // namespace

TMainForm::TMainForm(std::unique_ptr<TUserDialogs> dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs ? std::move(dialogs) : std::make_unique<TDesktopDialogs>()) {
  project_ = std::make_unique<TProgramData>(tables_);
  mdi_ = new QMdiArea(this);
  setCentralWidget(mdi_);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::onSubWindowActivated);
  connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::mergePlotMenu);
  setAcceptDrops(true);
  engineLibrary_ = QString::fromStdString(
      FindEngineLibrary(QCoreApplication::applicationDirPath().toStdString()).string());
  readSettings();
  buildMenus();
  buildToolBar();
  updateCaption();
  updateResultButtons();
  resize(1000, 700);
}

TMainForm::~TMainForm() {
  // The 3D view outlives this object's own part of the destruction: it must not call back.
  if (blockView_ && blockView_->widget()) blockView_->widget()->disconnect(this);
  // Editors refer to the project and plot windows to their plots: they go first.
  if (mergedPlotMenu_) menuBar()->removeAction(mergedPlotMenu_->menuAction());
  mergedPlotMenu_ = nullptr;
  for (TGraphPlot* plot : plots_.All()) plot->Hide();
  CloseChildEditors();
  mdi_->closeAllSubWindows();
}

// ---------------------------------------------------------------- settings and caption

void TMainForm::readSettings() {
  QSettings settings("Brovik", "Talmo");
  settings.beginGroup("2017.8.7");
  wordProcessor_ = settings.value("Word Processor").toString();
  if (wordProcessor_.isEmpty()) wordProcessor_ = "xdg-open";
  curDir_ = settings.value("Directory").toString();
  if (curDir_.isEmpty()) curDir_ = QCoreApplication::applicationDirPath();
  for (int i = 0; i < TRecentFiles::kCapacity; ++i)
    recent_.SetEntry(i, toStd(settings.value("File" + QString::number(i + 1)).toString()));
  // Empty slots of a hand-edited store are skipped.
  const auto compacted = recent_.Compacted();
  for (int i = 0; i < TRecentFiles::kCapacity; ++i) recent_.SetEntry(i, compacted[i]);
}

void TMainForm::storeSettings() const {
  QSettings settings("Brovik", "Talmo");
  settings.beginGroup("2017.8.7");
  settings.setValue("Word Processor", wordProcessor_);
  settings.setValue("Directory", curDir_);
  for (int i = 0; i < TRecentFiles::kCapacity; ++i)
    settings.setValue("File" + QString::number(i + 1), QString::fromStdString(recent_.Entry(i)));
}

void TMainForm::updateCaption() {
  QString name = QFileInfo(QString::fromStdString(project_->FileName)).fileName();
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  setWindowTitle("TALMO 2017.8.7 - " + name);
}

void TMainForm::showLrfdColumns() {
  const bool lrfd = project_->NLRFD == 1;
  TGridTable& layers = tables_.D();
  layers.Column(kLayerSideFactor).Visible = lrfd;
  layers.Column(kLayerTipFactor).Visible = lrfd;
}

QString TMainForm::projectFile(const char* extension) const {
  return QString::fromStdString(ChangeFileExt(project_->FileName, extension).string());
}

bool TMainForm::plotFileExists() const { return QFileInfo::exists(projectFile(".tm8p")); }

bool TMainForm::projectHasDefaultName() const {
  return QFileInfo(QString::fromStdString(project_->FileName)).fileName() == kDefaultProjectName;
}

// ---------------------------------------------------------------- menus and toolbar

QAction* TMainForm::addItem(QMenu* menu, const QString& text, std::function<void()> handler,
                            const QKeySequence& shortcut) {
  QAction* action = menu->addAction(CommandIcon(plain(text)), text);
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  connect(action, &QAction::triggered, this, [this, handler] { runGuarded(handler); });
  actions_.insert(plain(text), action);
  return action;
}

QAction* TMainForm::addNotYetItem(QMenu* menu, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setEnabled(false);
  action->setToolTip(kNotYet);
  action->setStatusTip(kNotYet);
  actions_.insert(plain(text), action);
  return action;
}

void TMainForm::makeExclusive(std::initializer_list<QAction*> items) {
  auto* group = new QActionGroup(this);
  for (QAction* item : items) {
    item->setCheckable(true);
    group->addAction(item);
  }
}

QAction* TMainForm::ActionNamed(const QString& text) const { return actions_.value(text, nullptr); }

void TMainForm::buildMenus() {
  // File
  fileMenu_ = menuBar()->addMenu("&File");
  addItem(fileMenu_, "&New", [this] { FileNewClick(); }, QKeySequence("Ctrl+N"));
  addItem(fileMenu_, "&Open...", [this] { FileOpenClick(); }, QKeySequence("Ctrl+O"));
  addItem(fileMenu_, "&Save", [this] { FileSaveClick(); }, QKeySequence("Ctrl+S"));
  addItem(fileMenu_, "Save &As...", [this] { FileSaveAsClick(); });
  fileMenu_->addSeparator();
  for (int i = 0; i < TRecentFiles::kCapacity; ++i) {
    QAction* action = fileMenu_->addAction(QString());
    connect(action, &QAction::triggered, this, [this, i] {
      const QString file = QString::fromStdString(recent_.Entry(i));
      runGuarded([this, file] {
        if (ReadyToReplaceProject()) OpenByExtension(file);
      });
    });
    recentActions_ << action;
  }
  recentSeparator_ = fileMenu_->addSeparator();
  addItem(fileMenu_, "E&xit", [this] { close(); });

  // Data
  dataMenu_ = menuBar()->addMenu("Da&ta");
  addItem(dataMenu_, "&Title", [this] { showEditor(Editor::Title); });
  QMenu* units = dataMenu_->addMenu("&Units");
  makeExclusive({addItem(units, "&English Units (lbs, ft, in)", [this] { SetUnits(1); }),
                 addItem(units, "&SI Units (kN, m)", [this] { SetUnits(2); })});
  QMenu* method = dataMenu_->addMenu("Design Method (ASD or LRFD)");
  makeExclusive({addItem(method, "ASD (Allowable Stress Design)", [this] { SetDesignMethod(2); }),
                 addItem(method, "LRFD (Load Resistance Factor Design)", [this] { SetDesignMethod(1); })});
  addItem(dataMenu_, "&Drilled-Shaft Properties", [this] { showEditor(Editor::ShaftProperties); });
  addItem(dataMenu_, "Soil &Layer Data", [this] { showEditor(Editor::SoilLayers); });
  addItem(dataMenu_, "&Factor of Safety (Allowable Stress Design)", [this] { showEditor(Editor::FactorOfSafety); });
  QMenu* computation = dataMenu_->addMenu("&Computation Methods");
  QAction* byLength = addItem(computation, "Specify the shaft length", [this] {
    project_->METHOD = 2;
    MarkChanged();
    closeEditor(Editor::DesignLoad);
    showEditor(Editor::ShaftLength);
  });
  QAction* byLoad = addItem(computation, "Specify the design load", [this] {
    project_->METHOD = 1;
    MarkChanged();
    closeEditor(Editor::ShaftLength);
    showEditor(Editor::DesignLoad);
  });
  makeExclusive({byLength, byLoad});
  addItem(dataMenu_, "&Water Table", [this] { showEditor(Editor::WaterTable); });
  addItem(dataMenu_, "Evaluate Multiple Shaft Lengths", [this] { showEditor(Editor::MultipleLengths); })
      ->setCheckable(true);
  addItem(dataMenu_, "ASD/LRFD Design Charts", [this] { showEditor(Editor::DesignCharts); })->setCheckable(true);
  addItem(dataMenu_, "Control &Options...", [this] { showEditor(Editor::Options); });

  // Computation
  computationMenu_ = menuBar()->addMenu("&Computation");
  addItem(computationMenu_, "&Run Analysis", [this] { CompRunClick(); });
  addItem(computationMenu_, "Edit I&nput Text", [this] { ViewTextFile(QString::fromStdString(project_->FileName)); });
  addItem(computationMenu_, "Edit &Processor-Run Notes", [this] { ViewTextFile(projectFile(".tm8r")); });
  addItem(computationMenu_, "Edit &Output Text", [this] { ViewTextFile(projectFile(".tm8o")); });
  addItem(computationMenu_, "&View Shaft Elevation", [this] { ShowElevationView(); });
  addItem(computationMenu_, "3D View", [this] { ShowBlockView(); });

  // Graphics: one item per plot; each opens the plot's window or brings it to the front.
  QMenu* graphics = menuBar()->addMenu("&Graphics");
  graphicsMenu_ = graphics;
  graphics->setToolTipsVisible(true);
  TMainPlots& p = plots_;
  const std::pair<const char*, TGraphPlot*> items[] = {
      {"Ultimate &Skin Friction vs Depth", &p.pltSkin},
      {"Ultimate &Tip Resistance vs Depth", &p.pltTip},
      {"Ultimate Total &Capacity vs Depth", &p.pltTotal},
      {"C&ombined Plots vs Depth (initial diameter)", &p.pltCombine},
      {"ASD/LRFD Skin Friction vs Depth ", &p.FSpltSkin},
      {"ASD/LRFD Tip Resistance vs Depth ", &p.FSpltTip},
      {"ASD/LRFD Total Capacity vs Depth", &p.FSpltTotal},
      {"Combined Plots vs Depth (initial diameter)", &p.pltCombineD},
      {"Axial Load vs Settlement (averaged)", &p.pltAxial},
      {"Axial Load vs Settlement (upper bound)", &p.pltUpper},
      {"Axial Load vs Settlement (lower bound)", &p.pltLower},
      {"Combined Plots of Load vs Settlement (initial diameter)", &p.pltCombinedSettle},
      {"t-z curves (averaged, initial diameter)", &p.pltTz},
      {"Q-w curves (averaged)", &p.pltQw},
      {"Additional t-z curves (averaged, initial diameter)", &p.pltTzAdd},
      {"Load Distribution (averaged, initial diameter)", &p.pltLoad},
  };
  const auto all = plots_.All();
  auto addPlotItem = [this, graphics, &all](const QString& text, TGraphPlot* plot) {
    QAction* action = addItem(graphics, text, [this, plot] { ShowPlot(*plot); });
    // The plot's row in the fixed list, which the availability rule is written for.
    const int row = static_cast<int>(std::find(all.begin(), all.end(), plot) - all.begin());
    plotItems_.append({action, plot, row});
  };
  for (const auto& [text, plot] : items) addPlotItem(text, plot);
  chartSeparator_ = graphics->addSeparator();
  for (int k = 1; k <= 10; ++k)
    addPlotItem("Design Chart " + QString::number(k), &p.PltChart[static_cast<std::size_t>(k - 1)]);
  graphics->addSeparator();
  addItem(graphics, "Export Plots to Excel", [this] { ExportPlotsClick(); });
  for (QMenu* menu : {computationMenu_, dataMenu_}) menu->setToolTipsVisible(true);

  // Window
  windowMenu_ = menuBar()->addMenu("&Window");
  addItem(windowMenu_, "&Cascade", [this] { mdi_->cascadeSubWindows(); });
  addItem(windowMenu_, "&Arrange Icons", [this] { mdi_->tileSubWindows(); });
  windowSeparator_ = windowMenu_->addSeparator();

  build3DMenu();

  // Help
  QMenu* help = menuBar()->addMenu("&Help");
  // The manuals are HTML pages, opened in the desktop's default viewer.
  for (auto [text, manual] : {std::pair{"&User's Manual", kUsersManual}, {"&Technical Manual", kTechnicalManual}}) {
    const QString file = QString::fromStdString(
        FindManual(QCoreApplication::applicationDirPath().toStdString(), manual).string());
    addItem(help, text, [this, file] {
      if (!QFileInfo::exists(file) || !dialogs_->OpenDocument(file))
        dialogs_->Information(this, "The manual \"" + file + "\" could not be opened.");
    });
  }
  addItem(help, "&About...", [this] {
    QMessageBox::about(this, "About Talmo 2017",
                       "Talmo 2017\nVersion 2017.8.7\n\nAxial capacity and load-settlement of drilled shafts.");
  });

  // Before a top-level menu opens, the active editor writes its fields into the project, so
  // the menu's states reflect what the user typed.
  for (QMenu* menu : {fileMenu_, dataMenu_, computationMenu_, windowMenu_, graphics, help}) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      CommitActiveEditor();
      UpdateMenuStates();
    });
  }
  UpdateMenuStates();
}

void TMainForm::buildToolBar() {
  toolBar_ = addToolBar("Tools");
  // Icons with the short text under them; the hints are the tooltips.
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  auto button = [this](const QString& text, const QString& hint, const QString& action, bool commitFirst) {
    QAction* target = ActionNamed(action);
    QAction* tool = toolBar_->addAction(CommandIcon(hint), text);
    tool->setToolTip(hint);
    if (target == nullptr || !target->isEnabled()) {
      tool->setEnabled(false);
      tool->setToolTip(hint + " (" + kNotYet + ")");
    }
    connect(tool, &QAction::triggered, this, [this, target, commitFirst] {
      if (commitFirst && !CommitActiveEditor()) return;
      if (target) target->trigger();
    });
    actions_.insert("tool:" + hint, tool);
    return tool;
  };
  button("New", "New File", "New", true);
  button("Open", "Open File", "Open...", true);
  button("Save", "Save File", "Save", true);
  toolBar_->addSeparator();
  button("Title", "Title", "Title", false);
  button("Shaft", "Drilled Shaft Properties", "Drilled-Shaft Properties", false);
  button("Layers", "Soil Layer Data", "Soil Layer Data", false);
  button("F.S.", "Factor of Safety (ASD)", "Factor of Safety (Allowable Stress Design)", false);
  toolBar_->addSeparator();
  button("Run", "Run Data File", "Run Analysis", true);
  QAction* output = toolBar_->addAction(CommandIcon("View Output"), "Output");
  output->setToolTip("View Output");
  connect(output, &QAction::triggered, this, [this] { ViewTextFile(projectFile(".tm8o")); });
  actions_.insert("tool:View Output", output);
  button("Profile", "View Soil Profile", "View Shaft Elevation", false);
  button("3D", "3D View", "3D View", false);
  // Result buttons: each shows one plot, enabled with its Graphics item.
  for (auto [text, hint, plot] : {std::tuple{"Ultimate", "Combined Plot (Ultimate)", &plots_.pltCombine},
                                  {"LRFD/ASD", "Combined Plot (LRFD/ASD)", &plots_.pltCombineD},
                                  {"Load-Settl.", "Load vs. Settlement", &plots_.pltAxial},
                                  {"t-z", "t-z curves", &plots_.pltTz},
                                  {"Q-w", "Q-w curves", &plots_.pltQw}}) {
    QAction* tool = toolBar_->addAction(CommandIcon(hint), text);
    tool->setToolTip(hint);
    connect(tool, &QAction::triggered, this, [this, plot = plot] { runGuarded([this, plot] { ShowPlot(*plot); }); });
    actions_.insert(QString("tool:") + hint, tool);
  }
  build3DTools();
}

// The navigation controls of the 3D view: four mouse modes, then three one-click steps.
void TMainForm::build3DTools() {
  navigationTools_ << toolBar_->addSeparator();
  // Icons only (the names are the tooltips): the row still fits beside the other buttons.
  auto iconOnly = [this](QAction* tool) {
    if (auto* button = qobject_cast<QToolButton*>(toolBar_->widgetForAction(tool)))
      button->setToolButtonStyle(Qt::ToolButtonIconOnly);
  };
  auto* modes = new QActionGroup(this);
  for (auto [text, option] : {std::pair{"Panning", 1}, {"Zooming", 2}, {"Rotating", 3}, {"Zoom Window", 4}}) {
    QAction* tool = toolBar_->addAction(CommandIcon(text), text);
    iconOnly(tool);
    tool->setCheckable(true);
    modes->addAction(tool);
    connect(tool, &QAction::triggered, this, [this, option = option] {
      if (TDlgBlock* view = BlockView()) view->SetMouseOption(option);
    });
    actions_.insert(QString("tool:") + text, tool);
    navigationTools_ << tool;
  }
  const std::pair<const char*, void (TDlgBlock::*)()> steps[] = {
      {"Zoom In", &TDlgBlock::ZoomIn}, {"Zoom Out", &TDlgBlock::ZoomOut}, {"Restart View", &TDlgBlock::RestartView}};
  for (auto [text, step] : steps) {
    QAction* tool = toolBar_->addAction(CommandIcon(text), text);
    iconOnly(tool);
    connect(tool, &QAction::triggered, this, [this, step = step] {
      if (TDlgBlock* view = BlockView()) (view->*step)();
    });
    actions_.insert(QString("tool:") + text, tool);
    navigationTools_ << tool;
  }
  show3DControls(false);
}

// "Show 3D View": the display switches of the 3D view, shown while the view exists.
void TMainForm::build3DMenu() {
  show3DMenu_ = menuBar()->addMenu("Show 3D View");
  const std::pair<const char*, bool TBlockOptions::*> switches[] = {
      {"Shaft", &TBlockOptions::ShowShaft},
      {"Water Level", &TBlockOptions::ShowWaterLevel},
      {"Soil Layers", &TBlockOptions::ShowSoilLayers},
      {"Layer Labels", &TBlockOptions::ShowSoilLayerLabels},
      {"Layer Depths", &TBlockOptions::ShowSoilLayerDepthLabels},
      {"Global Axes", &TBlockOptions::ShowLocalAxes}};
  for (auto [text, option] : switches) {
    QAction* item = addItem(show3DMenu_, text, [this, option = option] {
      if (TDlgBlock* view = BlockView()) {
        view->Options().*option = !(view->Options().*option);
        view->ApplyOptions();
      }
      update3DMenu();
    });
    item->setCheckable(true);
  }
  show3DMenu_->addSeparator();
  addItem(show3DMenu_, "Combined Plots", [this] {
    if (TDlgBlock* view = BlockView()) view->ShowCombinedPlotsOptions();
  });
  connect(show3DMenu_, &QMenu::aboutToShow, this, &TMainForm::update3DMenu);
  show3DMenu_->menuAction()->setVisible(false);
}

void TMainForm::update3DMenu() {
  TDlgBlock* view = BlockView();
  if (view == nullptr) return;
  const TBlockOptions& o = view->Options();
  const std::pair<const char*, bool> checks[] = {{"Shaft", o.ShowShaft},
                                                 {"Water Level", o.ShowWaterLevel},
                                                 {"Soil Layers", o.ShowSoilLayers},
                                                 {"Layer Labels", o.ShowSoilLayerLabels},
                                                 {"Layer Depths", o.ShowSoilLayerDepthLabels},
                                                 {"Global Axes", o.ShowLocalAxes}};
  for (auto [text, checked] : checks) ActionNamed(text)->setChecked(checked);
  ActionNamed("Layer Labels")->setEnabled(o.ShowSoilLayers);
  ActionNamed("Layer Depths")->setEnabled(o.ShowSoilLayers);
  ActionNamed("Combined Plots")
      ->setEnabled(plots_.ShowOutput && o.ShowShaft && plotFileExists());
}

void TMainForm::show3DControls(bool shown) {
  show3DMenu_->menuAction()->setVisible(shown);
  for (QAction* tool : navigationTools_) tool->setVisible(shown);
}

void TMainForm::UpdateMenuStates() {
  updateGraphicsMenu();
  updateFileMenu();
  updateDataMenu();
  updateComputationMenu();
  updateWindowMenu();
  ActionNamed("Export Plots to Excel")->setEnabled(plots_.ShowOutput && plotFileExists());
}

void TMainForm::updateFileMenu() {
  const QString current = QDir::currentPath();
  const int count = recent_.Count();
  for (int i = 0; i < TRecentFiles::kCapacity; ++i) {
    QAction* action = recentActions_[i];
    const bool shown = i < count;
    action->setVisible(shown);
    if (shown)
      action->setText(QString::number(i + 1) + " " +
                      QString::fromStdString(TRecentFiles::DisplayPath(recent_.Entry(i), toStd(current))));
  }
  recentSeparator_->setVisible(count > 0);
}

void TMainForm::updateDataMenu() {
  const TProgramData& p = *project_;
  ActionNamed("English Units (lbs, ft, in)")->setChecked(p.Units() == 1);
  ActionNamed("SI Units (kN, m)")->setChecked(p.Units() == 2);
  ActionNamed("ASD (Allowable Stress Design)")->setChecked(p.NLRFD == 2);
  ActionNamed("LRFD (Load Resistance Factor Design)")->setChecked(p.NLRFD == 1);
  ActionNamed("Factor of Safety (Allowable Stress Design)")->setEnabled(p.NLRFD == 2);
  ActionNamed("Specify the shaft length")->setChecked(p.METHOD == 2);
  ActionNamed("Specify the design load")->setChecked(p.METHOD == 1);
  QAction* lengths = ActionNamed("Evaluate Multiple Shaft Lengths");
  QAction* charts = ActionNamed("ASD/LRFD Design Charts");
  if (p.METHOD == 1) {
    lengths->setEnabled(false);
    charts->setEnabled(false);
  } else {
    // The two evaluations exclude each other; a file that sets both leaves both open so the
    // user can switch one off.
    const bool both = p.IPENT != 0 && p.IChart != 0;
    lengths->setChecked(p.IPENT == 1);
    lengths->setEnabled(p.IChart == 0 || both);
    charts->setChecked(p.IChart == 1);
    charts->setEnabled(p.IPENT == 0 || both);
  }
  if (QAction* safetyTool = actions_.value("tool:Factor of Safety (ASD)")) safetyTool->setEnabled(p.NLRFD == 2);
}

void TMainForm::updateComputationMenu() {
  ActionNamed("Edit Input Text")->setEnabled(QFileInfo::exists(QString::fromStdString(project_->FileName)));
  ActionNamed("Edit Processor-Run Notes")->setEnabled(QFileInfo::exists(projectFile(".tm8r")));
  ActionNamed("Edit Output Text")->setEnabled(QFileInfo::exists(projectFile(".tm8o")));
}

void TMainForm::updateWindowMenu() {
  for (QAction* action : windowActions_) windowMenu_->removeAction(action);
  qDeleteAll(windowActions_);
  windowActions_.clear();
  const auto windows = mdi_->subWindowList();
  for (QMdiSubWindow* window : windows.mid(0, 50)) {
    QAction* action = windowMenu_->addAction(window->windowTitle());
    connect(action, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
      if (window) mdi_->setActiveSubWindow(window);
    });
    windowActions_ << action;
  }
  windowSeparator_->setVisible(!windows.isEmpty());
}

void TMainForm::updateResultButtons() {
  const bool output = QFileInfo::exists(projectFile(".tm8o"));
  actions_.value("tool:View Output")->setEnabled(output);
  updateGraphicsMenu();
}

void TMainForm::updateGraphicsMenu() {
  const TProgramData& p = *project_;
  const bool plotFile = plotFileExists();
  for (const TPlotItem& item : plotItems_)
    item.action->setEnabled(PlotCommandEnabled(plots_, item.row, p, plotFile) && item.plot->HasSomethingToDraw());
  // The combined items name what their curve is: the first diameter, or the first length.
  const QString first = p.IPENT == 1 ? "(Initial Length)" : "(Initial Diameter)";
  PlotAction(plots_.pltCombine)->setText("C&ombined Plots vs Depth " + first);
  PlotAction(plots_.pltCombineD)->setText("Combined Plots vs Depth " + first);
  PlotAction(plots_.pltCombinedSettle)
      ->setText("Combined Plots of Load vs Settlement " + first);
  const bool charts = p.IChart == 1;
  chartSeparator_->setVisible(charts);
  for (int k = 0; k < 10; ++k) {
    QAction* chart = PlotAction(plots_.PltChart[static_cast<std::size_t>(k)]);
    chart->setVisible(charts && p.NPOINTPD > k);
    if (!charts) chart->setEnabled(false);
    if (charts && p.NPOINTPD > k)
      chart->setText("Design Chart (" + QString::fromStdString(PlotNumberText(p.PDSETT[static_cast<std::size_t>(k)])) +
                     (p.Units() == 2 ? "-m" : "-in") + " movement)");
  }
  // The result buttons follow the items that show the same plots.
  const std::pair<const char*, const TGraphPlot*> buttons[] = {{"Combined Plot (Ultimate)", &plots_.pltCombine},
                                                               {"Combined Plot (LRFD/ASD)", &plots_.pltCombineD},
                                                               {"Load vs. Settlement", &plots_.pltAxial},
                                                               {"t-z curves", &plots_.pltTz},
                                                               {"Q-w curves", &plots_.pltQw}};
  for (const auto& [hint, plot] : buttons)
    if (QAction* tool = actions_.value(QString("tool:") + hint))
      tool->setEnabled(PlotAction(*plot)->isEnabled());
}

// ---------------------------------------------------------------- plot windows

void TMainForm::ShowPlot(TGraphPlot& plot) {
  QPointer<QMdiSubWindow> window = plotWindows_.value(&plot);
  if (!plot.FormExists || !window || window->isHidden()) {
    window = addChildWindow(new TPlotForm(plot, *dialogs_));
    plotWindows_.insert(&plot, window);
    plot.FormExists = true;
    // Hide (and the plot's end) closes the window at once.
    plot.SetFormCloser([window] {
      if (window) delete window.data();
    });
    window->showMaximized();
  } else if (window->isMinimized()) {
    window->showNormal();
  }
  mdi_->setActiveSubWindow(window);
}

QAction* TMainForm::PlotAction(const TGraphPlot& plot) const {
  for (const TPlotItem& item : plotItems_)
    if (item.plot == &plot) return item.action;
  return nullptr;
}

TPlotForm* TMainForm::PlotWindow(const TGraphPlot& plot) const {
  QPointer<QMdiSubWindow> window = plotWindows_.value(&plot);
  if (!plot.FormExists || !window || window->isHidden()) return nullptr;
  return qobject_cast<TPlotForm*>(window->widget());
}

void TMainForm::mergePlotMenu(QMdiSubWindow* window) {
  auto* form = window ? qobject_cast<TPlotForm*>(window->widget()) : nullptr;
  QMenu* menu = form ? form->PlotMenu() : nullptr;
  if (menu == mergedPlotMenu_) return;
  if (mergedPlotMenu_) menuBar()->removeAction(mergedPlotMenu_->menuAction());
  mergedPlotMenu_ = menu;
  if (menu) menuBar()->insertMenu(windowMenu_->menuAction(), menu);
}

QMdiSubWindow* TMainForm::addChildWindow(QWidget* widget) {
  widget->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow* window = mdi_->addSubWindow(widget);
  window->setAttribute(Qt::WA_DeleteOnClose);
  return window;
}

// ---------------------------------------------------------------- commands

void TMainForm::runGuarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& e) {
    dialogs_->Information(this, QString::fromStdString(e.what()));
  }
}

bool TMainForm::ReadyToReplaceProject() { return CommitActiveEditor() && AskToSave(); }

bool TMainForm::CommitActiveEditor() {
  QMdiSubWindow* window = mdi_->activeSubWindow();
  if (window == nullptr) window = lastActive_;
  if (window == nullptr) return true;
  auto* editor = qobject_cast<TEditorWindow*>(window->widget());
  return editor == nullptr || editor->CommitToProject();
}

void TMainForm::onSubWindowActivated(QMdiSubWindow* window) {
  if (window == lastActive_) return;
  if (lastActive_) {
    auto* previous = qobject_cast<TEditorWindow*>(lastActive_->widget());
    if (previous && !previous->CommitToProject()) {
      // A field refused its text: the editor stays in front until it is corrected.
      QPointer<QMdiSubWindow> back = lastActive_;
      QMetaObject::invokeMethod(this, [this, back] {
        if (back) mdi_->setActiveSubWindow(back);
      }, Qt::QueuedConnection);
      return;
    }
  }
  lastActive_ = window;
  if (window) {
    if (auto* editor = qobject_cast<TEditorWindow*>(window->widget())) editor->LoadFromProject();
    // The views follow the project's edits when they come to the front.
    if (auto* block = qobject_cast<TDlgBlock*>(window->widget())) block->ApplyOptions();
    else if (auto* side = qobject_cast<TDlgSideView*>(window->widget())) side->update();
  }
}

bool TMainForm::AskToSave() {
  if (!project_->Changed()) return true;
  switch (dialogs_->AskSaveChanges(this)) {
    case TUserDialogs::Answer::Cancel: return false;
    case TUserDialogs::Answer::No: return true;
    case TUserDialogs::Answer::Yes: break;
  }
  // A cancelled Save As or a failed save cancels the command that asked.
  return FileSaveClick() && !projectHasDefaultName();
}

void TMainForm::CloseChildEditors() {
  lastActive_ = nullptr;
  for (QMdiSubWindow* window : mdi_->subWindowList()) {
    if (auto* editor = qobject_cast<TEditorWindow*>(window->widget()))
      editor->CloseWithoutWriting();
    else
      window->close();
  }
}

void TMainForm::replaceProject(std::unique_ptr<TProgramData> project) {
  project_ = std::move(project);
  updateCaption();
  clearResults();
  showLrfdColumns();
  UpdateMenuStates();
}

void TMainForm::clearResults() {
  plots_.ShowOutput = false;
  plots_.showtzcurves = false;
  plots_.showloadcurves = false;
  updateResultButtons();
}

bool TMainForm::FileNewClick() {
  if (!ReadyToReplaceProject()) return false;
  CloseChildEditors();
  project_.reset();
  replaceProject(std::make_unique<TProgramData>(tables_));
  return true;
}

bool TMainForm::FileOpenClick() {
  if (!ReadyToReplaceProject()) return false;
  int filterIndex = 1;
  const QString file = dialogs_->OpenFile(this, curDir_, kOpenFilters, filterIndex);
  if (file.isEmpty()) return false;
  OpenFileName(file, filterIndex);
  return true;
}

void TMainForm::OpenFileName(const QString& fileName, int filterIndex) {
  CloseChildEditors();
  project_.reset();
  const QFileInfo info(fileName);
  const QString path = info.absoluteFilePath();
  QDir::setCurrent(info.absolutePath());
  curDir_ = info.absolutePath();
  TProjectLoad load;
  {
    NumericLocaleGuard decimalPoint;
    load = TProgramData::CreateFromFile(tables_, toStd(path), filterIndex);
  }
  if (!load.error.empty()) {
    // What was read is kept for the user to see, but under the default name: saving it (Run
    // Analysis saves first) must never write the partial project over the file it came from.
    load.project->FileName = toStd(QDir(curDir_).filePath(kDefaultProjectName));
  }
  replaceProject(std::move(load.project));
  if (!load.error.empty()) {
    dialogs_->Information(this, QString::fromStdString(load.error) + "\r\rThe project was read only in part. It is named " +
                                    kDefaultProjectName + " now, so that saving it asks for a file name and \"" +
                                    path + "\" stays as it is.");
  } else if (plotFileExists()) {
    loadResults(false);
  }
  updateResultButtons();
  recordRecentFile(path);
}

void TMainForm::OpenByExtension(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == "tm8d") OpenFileName(fileName, kFilterCurrent);
  else if (suffix == "tmd") OpenFileName(fileName, kFilterNewerOld);
}

void TMainForm::recordRecentFile(const QString& fileName) {
  recent_.Record(toStd(fileName));
  storeSettings();
  updateFileMenu();
}

bool TMainForm::FileSaveClick() {
  if (!CommitActiveEditor()) return false;
  const QFileInfo info(QString::fromStdString(project_->FileName));
  if (projectHasDefaultName() || info.suffix().toLower() != "tm8d") return FileSaveAsClick();
  return writeProject();
}

bool TMainForm::FileSaveAsClick() {
  if (!CommitActiveEditor()) return false;
  const QString file = askSaveAsName();
  bool saved = false;
  if (!file.isEmpty()) {
    const std::string previous = project_->FileName;
    project_->FileName = toStd(file);
    saved = writeProject();
    if (saved) {
      curDir_ = QFileInfo(file).absolutePath();
      storeSettings();
    } else {
      project_->FileName = previous;  // the project stays with the file it was last saved to
    }
    updateCaption();
  }
  clearResults();
  CloseChildEditors();
  return saved;
}

QString TMainForm::askSaveAsName() {
  const QFileInfo info(QString::fromStdString(project_->FileName));
  const QString proposedName = info.completeBaseName() + ".tm8d";
  const QString chosen = dialogs_->SaveFile(this, "Save " + proposedName + " As",
                                            QDir(curDir_).filePath(proposedName), kSaveFilters);
  if (chosen.isEmpty()) return {};
  QString file = QFileInfo(chosen).absoluteFilePath();
  if (!QFileInfo(file).suffix().isEmpty()) return file;  // the dialog asked about this very name
  // The completed name was never shown to the dialog: ask before replacing that file.
  file += ".tm8d";
  if (QFileInfo::exists(file) && !dialogs_->ConfirmReplace(this, file)) return {};
  return file;
}

bool TMainForm::writeProject() {
  try {
    project_->Save();
  } catch (const std::exception& e) {
    // The project stays changed and the window open; the user can save elsewhere.
    dialogs_->Information(this, "The project could not be saved to \"" + QString::fromStdString(project_->FileName) +
                                    "\".\r" + QString::fromStdString(e.what()));
    return false;
  }
  updateComputationMenu();
  return true;
}

void TMainForm::SetUnits(int units) {
  // A refused field keeps its editor as it is; the active system is no change at all.
  if (!CommitActiveEditor() || units == project_->Units()) return;
  project_->SetUnits(units);
  MarkChanged();
  for (QMdiSubWindow* window : mdi_->subWindowList())
    if (auto* editor = qobject_cast<TEditorWindow*>(window->widget())) editor->LoadFromProject();
}

void TMainForm::SetDesignMethod(int nlrfd) {
  if (nlrfd == project_->NLRFD) return;  // the active method: nothing changes
  project_->NLRFD = nlrfd;
  MarkChanged();
  showLrfdColumns();
  UpdateMenuStates();
  // An open layer editor shows or hides its two resistance-factor columns.
  if (QPointer<QMdiSubWindow> window = editors_.value(Editor::SoilLayers); window && !window->isHidden())
    if (auto* editor = qobject_cast<TEditorWindow*>(window->widget()); editor && editor->CommitToProject())
      editor->LoadFromProject();
}

void TMainForm::ViewTextFile(const QString& fileName) {
  if (dialogs_->StartProgram(wordProcessor_, fileName)) return;
  // The configured program could not start: show the text here rather than nothing at all.
  auto* viewer = new TTextViewer;
  viewer->LoadFile(fileName);
  QMdiSubWindow* window = addChildWindow(viewer);
  window->resize(800, 500);
  window->show();
  statusBar()->showMessage("An error occurred in running the Word Processor \"" + wordProcessor_ +
                           "\"; the file is shown here instead.", 10000);
}

void TMainForm::loadResults(bool afterRun) {
  clearResults();
  try {
    const TPlotLoadResult result = ReadPlotData(plots_, toStd(projectFile(".tm8p")), afterRun,
                                                    ResultSettingsOf(*project_), SoilLayersOf(tables_));
    if (result.ID2) project_->ID2 = *result.ID2;
    if (!result.message.empty()) dialogs_->Information(this, QString::fromStdString(result.message));
  } catch (const EFOpenError& e) {
    if (afterRun) dialogs_->Information(this, QString::fromStdString(e.what()));
  }
  updateResultButtons();
}

void TMainForm::CompRunClick() {
  // The engine reads the file on disk: nothing runs unless what the user sees was saved there.
  if (!FileSaveClick() || projectHasDefaultName()) return;
  const std::filesystem::path project = toStd(QFileInfo(QString::fromStdString(project_->FileName)).absoluteFilePath());
  const TEngineRunResult result = runner_.Run(project, toStd(engineLibrary_), [](bool busy) {
    if (busy) {
      QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
      QApplication::restoreOverrideCursor();
    }
  });
  dialogs_->Information(this, QString::fromStdString(result.message));
  if (result.ran) {
    if (plotFileExists()) {
      loadResults(true);
    } else {
      clearResults();
    }
    CloseChildEditors();
  }
  curDir_ = QString::fromStdString(project.parent_path().string());
  updateComputationMenu();
  updateResultButtons();
}

void TMainForm::ExportPlotsClick() {
  // The workbook goes beside the project by default, named after it.
  TDlgExport dialog(plots_, ExportablePlotRows(plots_, *project_, plotFileExists()),
                    *dialogs_, projectFile(".xlsx"), this);
  dialog.exec();
}

// ---------------------------------------------------------------- editors

TEditorWindow* TMainForm::makeEditor(Editor editor) {
  switch (editor) {
    case Editor::Title: return new TdlgTitle(*this);
    case Editor::ShaftProperties: return new TfrmShaftpeneta(*this);
    case Editor::FactorOfSafety: return new TSimpleEditor(*this, TSimpleEditorKind::FactorOfSafety);
    case Editor::ShaftLength: return new TLoadingEditor(*this, TLoadingQuantity::ShaftLength);
    case Editor::DesignLoad: return new TLoadingEditor(*this, TLoadingQuantity::DesignLoad);
    case Editor::WaterTable: return new TSimpleEditor(*this, TSimpleEditorKind::WaterTable);
    case Editor::MultipleLengths: return new TfrmVaryLength(*this);
    case Editor::DesignCharts: return new TfrmDesignChart(*this);
    case Editor::Options: return new TDlgOptions(*this);
    case Editor::SoilLayers: return new TDlgSoilLayers(*this);
  }
  return nullptr;
}

void TMainForm::showEditor(Editor editor) {
  QPointer<QMdiSubWindow> window = editors_.value(editor);
  // A closed window waits hidden for its deletion: it is gone for the user.
  if (window && window->isHidden()) window = nullptr;
  if (!window) {
    TEditorWindow* widget = makeEditor(editor);
    window = addChildWindow(widget);
    editors_.insert(editor, window);
    widget->LoadFromProject();
  }
  window->showNormal();
  mdi_->setActiveSubWindow(window);
}

void TMainForm::closeEditor(Editor editor) {
  QPointer<QMdiSubWindow> window = editors_.value(editor);
  if (window && !window->isHidden()) window->close();
}

// ---------------------------------------------------------------- views

QMdiSubWindow* TMainForm::showView(QPointer<QMdiSubWindow>& slot, const std::function<QWidget*()>& make,
                                   QSize size) {
  // A closed window waits hidden for its deletion: it is gone for the user.
  if (slot && slot->isHidden()) slot = nullptr;
  if (!slot) {
    slot = addChildWindow(make());
    slot->resize(size);
  }
  slot->showNormal();
  mdi_->setActiveSubWindow(slot);
  return slot;
}

void TMainForm::ShowElevationView() {
  showView(sideView_, [this] { return new TDlgSideView(*this); }, QSize(760, 600));
}

void TMainForm::ShowBlockView() {
  showView(blockView_, [this] {
    auto* view = new TDlgBlock(*this, plots_);
    connect(view, &QObject::destroyed, this, [this] { show3DControls(BlockView() != nullptr); });
    return view;
  }, QSize(720, 640));
  show3DControls(true);
  update3DMenu();
}

TDlgBlock* TMainForm::BlockView() const {
  return blockView_ && !blockView_->isHidden() ? qobject_cast<TDlgBlock*>(blockView_->widget()) : nullptr;
}

// ---------------------------------------------------------------- window events

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!ReadyToReplaceProject()) {
    event->ignore();
    return;
  }
  storeSettings();
  CloseChildEditors();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
  const auto urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.first().isLocalFile()) return;
  const QString file = urls.first().toLocalFile();  // only the first dropped file counts
  event->acceptProposedAction();
  runGuarded([this, file] {
    QDir::setCurrent(QFileInfo(file).absolutePath());
    curDir_ = QFileInfo(file).absolutePath();
    if (ReadyToReplaceProject()) OpenByExtension(file);
  });
}

void TMainForm::Startup(const QStringList& arguments) {
  bool opened = false;
  if (!arguments.isEmpty()) {
    QString file = arguments.first();
    if (!file.contains('.')) file += ".tm8d";
    if (QFileInfo::exists(file)) {
      OpenByExtension(QFileInfo(file).absoluteFilePath());
      opened = true;
    }
  }
  if (!opened) replaceProject(std::make_unique<TProgramData>(tables_));
  updateCaption();
  showLrfdColumns();
}

}  // namespace talmo
