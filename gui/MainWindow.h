#pragma once
// TMainForm: the program's frame window. It owns the project and its grid tables, the plot
// models filled after a run, the settings (word processor, working folder, recent files),
// the menus and the toolbar; every editor and viewer is a child window in its MDI area,
// created on first use and reused until closed.
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMap>
#include <QPointer>
#include <functional>
#include <memory>

#include "ProgramData.h"
#include "EditorWindow.h"
#include "EngineRun.h"
#include "MainPlots.h"
#include "RecentFiles.h"
#include "UserDialogs.h"

class QAction;
class QActionGroup;
class QMdiArea;

class QMenu;
class QToolBar;

namespace talmo {

class TPlotForm;
class TDlgBlock;

inline constexpr const char* kDefaultProjectName = "NewShaft.tm8d";

class TMainForm : public QMainWindow, public TEditorHost {
  Q_OBJECT

 public:
  // `dialogs` answers the questions and shows the messages (the desktop's dialogs by default).
  explicit TMainForm(std::unique_ptr<TUserDialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Opens the project named on the command line (".tm8d" is appended to a name without a
  // dot) when it exists, else starts a new project.
  void Startup(const QStringList& arguments);

  // TEditorHost
  TProgramData& Project() override { return *project_; }
  TProjectTables& Tables() override { return tables_; }
  void MarkChanged() override { project_->SetChanged(); }
  QString WordProcessor() const override { return wordProcessor_; }
  void SetWordProcessor(const QString& program) override { wordProcessor_ = program; }
  TUserDialogs& Dialogs() override { return *dialogs_; }

  TMainPlots& Plots() { return plots_; }
  const TRecentFiles& RecentFiles() const { return recent_; }
  QString CurDir() const { return curDir_; }
  QMdiArea* MdiArea() const { return mdi_; }
  // Where the engine library is looked for (beside the program by default).
  void SetEngineLibrary(const QString& path) { engineLibrary_ = path; }

  // File commands. Each first lets the active editor write its fields into the project and
  // returns false when the command did not happen: an editor refused its content, the user
  // cancelled, or a save failed (the failure has been shown, the project stays changed).
  bool FileNewClick();
  bool FileOpenClick();
  bool FileSaveClick();
  bool FileSaveAsClick();
  void OpenFileName(const QString& fileName, int filterIndex);
  // Opens an editor (created on first use, then brought to the front).
  enum class Editor {
    Title, ShaftProperties, FactorOfSafety, ShaftLength, DesignLoad, WaterTable, MultipleLengths,
    DesignCharts, Options, SoilLayers
  };
  void ShowEditor(Editor editor) { showEditor(editor); }
  // The editor's window while it is open, else nullptr.
  QMdiSubWindow* EditorWindow(Editor editor) const { return editors_.value(editor); }
  // Opens a recent or dropped file by its extension (.tm8d current format, .tmd older).
  void OpenByExtension(const QString& fileName);
  // The run of one analysis.
  void CompRunClick();
  // Asks about unsaved changes; false when the user cancelled or the save did not happen.
  bool AskToSave();
  // Before the project is replaced or the program closes: commits the active editor and asks
  // about unsaved changes; false when the command must stop.
  bool ReadyToReplaceProject();
  // Lets the active editor write its fields into the project; false when a field refused.
  bool CommitActiveEditor();
  // Closes every child window without letting editors write: commit the active one first.
  void CloseChildEditors();
  // Switches the project's unit system and refreshes open editors.
  void SetUnits(int units);
  void SetDesignMethod(int nlrfd);
  // The elevation view (created on first use, then brought to the front).
  void ShowElevationView();
  QMdiSubWindow* SideViewWindow() const { return sideView_; }
  // The 3D view: its menu and navigation controls show while it exists.
  void ShowBlockView();
  TDlgBlock* BlockView() const;
  QMenu* Show3DMenu() const { return show3DMenu_; }
  // Opens the export of plots to a workbook ("Export Plots to Excel").
  void ExportPlotsClick();
  // Shows a text file in the word processor, or in the built-in viewer when it cannot start.
  void ViewTextFile(const QString& fileName);

  // Opens the plot's window, or brings it to the front when it is already open.
  void ShowPlot(TGraphPlot& plot);
  // The Graphics item that shows the plot.
  QAction* PlotAction(const TGraphPlot& plot) const;
  // The plot's window while it is open, else nullptr.
  TPlotForm* PlotWindow(const TGraphPlot& plot) const;

  // The action of a menu item by its text without "&" (tests and the toolbar use it).
  QAction* ActionNamed(const QString& text) const;
  // Recomputes the enabled, ticked and visible states of every menu item (as when the menus open).
  void UpdateMenuStates();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void buildMenus();
  void buildToolBar();
  QAction* addItem(QMenu* menu, const QString& text, std::function<void()> handler,
                   const QKeySequence& shortcut = {});
  QAction* addNotYetItem(QMenu* menu, const QString& text);
  // Makes the items checkable, with one of them ticked at a time.
  void makeExclusive(std::initializer_list<QAction*> items);
  void updateFileMenu();
  void updateDataMenu();
  void updateComputationMenu();
  void updateWindowMenu();
  void updateResultButtons();
  void updateGraphicsMenu();
  void mergePlotMenu(QMdiSubWindow* window);
  // Puts `widget` in a child window of its own; closing the window deletes both.
  QMdiSubWindow* addChildWindow(QWidget* widget);
  void updateCaption();
  void showLrfdColumns();
  void readSettings();
  void storeSettings() const;
  void clearResults();
  void loadResults(bool afterRun);
  void replaceProject(std::unique_ptr<TProgramData> project);
  void recordRecentFile(const QString& fileName);
  TEditorWindow* makeEditor(Editor editor);
  void showEditor(Editor editor);
  void closeEditor(Editor editor);
  void onSubWindowActivated(QMdiSubWindow* window);
  void build3DMenu();
  void build3DTools();
  void update3DMenu();
  void show3DControls(bool shown);
  QMdiSubWindow* showView(QPointer<QMdiSubWindow>& slot, const std::function<QWidget*()>& make, QSize size);
  void runGuarded(const std::function<void()>& command);
  QString projectFile(const char* extension) const;
  bool plotFileExists() const;  // the plot data of the last run beside the project file
  bool projectHasDefaultName() const;
  // The file Save As writes ("" when cancelled), with ".tm8d" added to a name without an
  // extension; replacing an existing file under that name has been confirmed.
  QString askSaveAsName();
  // Saves the project; a failure is shown with the file and the reason and gives false.
  bool writeProject();

  std::unique_ptr<TUserDialogs> dialogs_;
  TProjectTables tables_;
  std::unique_ptr<TProgramData> project_;
  TMainPlots plots_;
  TRecentFiles recent_;
  TEngineRunner runner_;
  QString wordProcessor_;
  QString curDir_;
  QString engineLibrary_;

  QMdiArea* mdi_ = nullptr;
  QPointer<QMdiSubWindow> lastActive_;
  QMap<Editor, QPointer<QMdiSubWindow>> editors_;
  QPointer<QMdiSubWindow> sideView_;
  QPointer<QMdiSubWindow> blockView_;
  QMenu* show3DMenu_ = nullptr;
  QList<QAction*> navigationTools_;
  QMap<QString, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QMenu* dataMenu_ = nullptr;
  QMenu* computationMenu_ = nullptr;
  QMenu* windowMenu_ = nullptr;
  QMenu* graphicsMenu_ = nullptr;
  QAction* chartSeparator_ = nullptr;
  // Graphics items with the plot each opens and its row in TMainPlots::All.
  struct TPlotItem {
    QAction* action;
    TGraphPlot* plot;
    int row;
  };
  QList<TPlotItem> plotItems_;
  QMap<const TGraphPlot*, QPointer<QMdiSubWindow>> plotWindows_;
  QPointer<QMenu> mergedPlotMenu_;  // the active plot window's "&Plot" menu in the menu bar
  QList<QAction*> recentActions_;
  QAction* recentSeparator_ = nullptr;
  QAction* windowSeparator_ = nullptr;
  QList<QAction*> windowActions_;
  QToolBar* toolBar_ = nullptr;
};

}  // namespace talmo
