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
#include <filesystem>

#include "Errors.h"
#include "LengthVariationEditors.h"
#include "LoadingEditor.h"
#include "ControlOptionsEditor.h"
#include "ExportDialog.h"
#include "PlotAvailability.h"
#include "ProjectResults.h"
#include "ResultLoading.h"
#include "ShaftPropertiesEditor.h"
#include "SimpleEditor.h"
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
  // Editors refer to the project: they go first.
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

bool TMainForm::projectHasDefaultName() const {
  return QFileInfo(QString::fromStdString(project_->FileName)).fileName() == kDefaultProjectName;
}

// ---------------------------------------------------------------- menus and toolbar

QAction* TMainForm::addItem(QMenu* menu, const QString& text, std::function<void()> handler,
                            const QKeySequence& shortcut) {
  QAction* action = menu->addAction(text);
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
  auto* unitGroup = new QActionGroup(this);
  for (auto [text, tag] : {std::pair{"&English Units (lbs, ft, in)", 1}, {"&SI Units (kN, m)", 2}}) {
    QAction* item = addItem(units, text, [this, tag = tag] { SetUnits(tag); });
    item->setCheckable(true);
    unitGroup->addAction(item);
  }
  QMenu* method = dataMenu_->addMenu("Design Method (ASD or LRFD)");
  auto* methodGroup = new QActionGroup(this);
  for (auto [text, tag] : {std::pair{"ASD (Allowable Stress Design)", 2}, {"LRFD (Load Resistance Factor Design)", 1}}) {
    QAction* item = addItem(method, text, [this, tag = tag] { SetDesignMethod(tag); });
    item->setCheckable(true);
    methodGroup->addAction(item);
  }
  addItem(dataMenu_, "&Drilled-Shaft Properties", [this] { showEditor(Editor::ShaftProperties); });
  addNotYetItem(dataMenu_, "Soil &Layer Data");
  addItem(dataMenu_, "&Factor of Safety (Allowable Stress Design)", [this] { showEditor(Editor::FactorOfSafety); });
  QMenu* computation = dataMenu_->addMenu("&Computation Methods");
  auto* computationGroup = new QActionGroup(this);
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
  for (QAction* item : {byLength, byLoad}) {
    item->setCheckable(true);
    computationGroup->addAction(item);
  }
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
  addNotYetItem(computationMenu_, "&View Shaft Elevation");
  addNotYetItem(computationMenu_, "3D View");

  // Graphics: the plot windows come with the plotting work.
  QMenu* graphics = menuBar()->addMenu("&Graphics");
  graphics->setToolTipsVisible(true);
  for (const char* item :
       {"Ultimate &Skin Friction vs Depth", "Ultimate &Tip Resistance vs Depth", "Ultimate Total &Capacity vs Depth",
        "C&ombined Plots vs Depth (initial diameter)", "ASD/LRFD Skin Friction vs Depth ",
        "ASD/LRFD Tip Resistance vs Depth ", "ASD/LRFD Total Capacity vs Depth",
        "Combined Plots vs Depth (initial diameter)", "Axial Load vs Settlement (averaged)",
        "Axial Load vs Settlement (upper bound)", "Axial Load vs Settlement (lower bound)",
        "Combined Plots of Load vs Settlement (initial diameter)", "t-z curves (averaged, initial diameter)",
        "Q-w curves (averaged)", "Additional t-z curves (averaged, initial diameter)",
        "Load Distribution (averaged, initial diameter)"})
    addNotYetItem(graphics, item);
  graphics->addSeparator();
  for (int k = 1; k <= 10; ++k) addNotYetItem(graphics, "Design Chart " + QString::number(k));
  graphics->addSeparator();
  addItem(graphics, "Export Plots to Excel", [this] { ExportPlotsClick(); });
  for (QMenu* menu : {computationMenu_, dataMenu_}) menu->setToolTipsVisible(true);

  // Window
  windowMenu_ = menuBar()->addMenu("&Window");
  addItem(windowMenu_, "&Cascade", [this] { mdi_->cascadeSubWindows(); });
  addItem(windowMenu_, "&Arrange Icons", [this] { mdi_->tileSubWindows(); });
  windowSeparator_ = windowMenu_->addSeparator();

  // Help
  QMenu* help = menuBar()->addMenu("&Help");
  for (const char* manual : {"Talmo 2017 Users Manual.pdf", "TalmoTechnicalManual.bat"}) {
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath(manual);
    addItem(help, QString(manual).startsWith("Talmo 2017") ? "&User's Manual" : "&Technical Manual", [this, file] {
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
  toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  auto button = [this](const QString& text, const QString& hint, const QString& action, bool commitFirst) {
    QAction* target = ActionNamed(action);
    QAction* tool = toolBar_->addAction(text);
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
  QAction* output = toolBar_->addAction("Output");
  output->setToolTip("View Output");
  connect(output, &QAction::triggered, this, [this] { ViewTextFile(projectFile(".tm8o")); });
  actions_.insert("tool:View Output", output);
  button("Profile", "View Soil Profile", "View Shaft Elevation", false);
  button("3D", "3D View", "3D View", false);
  for (const char* hint : {"Combined Plot (Ultimate)", "Combined Plot (LRFD/ASD)", "Load vs. Settlement", "t-z curves",
                           "Q-w curves"}) {
    QAction* tool = toolBar_->addAction(hint);
    tool->setToolTip(QString(hint) + " (" + kNotYet + ")");
    tool->setEnabled(false);
    actions_.insert(QString("tool:") + hint, tool);
  }
}

void TMainForm::UpdateMenuStates() {
  updateFileMenu();
  updateDataMenu();
  updateComputationMenu();
  updateWindowMenu();
  ActionNamed("Export Plots to Excel")->setEnabled(plots_.ShowOutput && QFileInfo::exists(projectFile(".tm8p")));
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
  } else if (QFileInfo::exists(projectFile(".tm8p"))) {
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
}

void TMainForm::ViewTextFile(const QString& fileName) {
  if (dialogs_->StartProgram(wordProcessor_, fileName)) return;
  // The configured program could not start: show the text here rather than nothing at all.
  auto* viewer = new TTextViewer;
  viewer->LoadFile(fileName);
  QMdiSubWindow* window = mdi_->addSubWindow(viewer);
  window->setAttribute(Qt::WA_DeleteOnClose);
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
    if (QFileInfo::exists(projectFile(".tm8p"))) {
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
  TDlgExport dialog(plots_, ExportablePlotRows(plots_, *project_, QFileInfo::exists(projectFile(".tm8p"))),
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
  }
  return nullptr;
}

void TMainForm::showEditor(Editor editor) {
  QPointer<QMdiSubWindow> window = editors_.value(editor);
  // A closed window waits hidden for its deletion: it is gone for the user.
  if (window && window->isHidden()) window = nullptr;
  if (!window) {
    TEditorWindow* widget = makeEditor(editor);
    widget->setAttribute(Qt::WA_DeleteOnClose);
    window = mdi_->addSubWindow(widget);
    window->setAttribute(Qt::WA_DeleteOnClose);
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
