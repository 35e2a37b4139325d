// The file commands as the user starts them (shortcuts, menu items, closing the window): what
// the user typed reaches the file, and nothing is replaced, overwritten or run when the active
// editor refuses its content, a save is cancelled or fails, or a project did not load.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QTest>
#include <functional>

#include "gui/gui_support.h"
#include "gui/main_window_fixture.h"

namespace talmo {
namespace {

namespace fs = std::filesystem;
using testing::MainWindowFixture;
using Answer = TUserDialogs::Answer;

const QString kWaterTable = "&Depth of water table";
const char* const kCompleted = "Computations are completed.\rPlease, check output file for results or error messages.";

// The project as a file holds it.
double storedWaterTable(const fs::path& file) {
  TProjectTables tables;
  const TProjectLoad load = TProgramData::CreateFromFile(tables, file.string(), kFilterCurrent);
  EXPECT_EQ(load.error, "") << file;
  return load.project->WTD;
}

// Opens the example, shows the water-table editor and types `entry` into its field, which
// keeps the focus, the window being the active one as under the user's hands.
TDataEdit* typeWaterTable(MainWindowFixture& f, const QString& entry) {
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  f.window->activateWindow();
  EXPECT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
  f.window->ShowEditor(TMainForm::Editor::WaterTable);
  TDataEdit* field = f.field(kWaterTable);
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);  // a minus typed over a selection would extend it
  QTest::keyClicks(field, entry);
  return field;
}

// Ctrl+key where the keyboard focus is (the window itself when no editor is open).
void pressCtrl(MainWindowFixture& f, Qt::Key key) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target ? target : f.window.get(), key, Qt::ControlModifier);
}

TEST(FileCommands, ShortcutsCommitTheActiveEditorFirst) {
  struct Case {
    Qt::Key key;
    Answer answer;
    double onDisk;  // the example holds 15
    QString caption;
  } cases[] = {
      {Qt::Key_S, Answer::Cancel, 33, "TALMO 2017.8.7 - Clay_over_sand.tm8d"},
      {Qt::Key_N, Answer::Yes, 33, "TALMO 2017.8.7 - NewShaft.tm8d"},
      {Qt::Key_O, Answer::Cancel, 15, "TALMO 2017.8.7 - Clay_over_sand.tm8d"},
  };
  for (const Case& c : cases) {
    MainWindowFixture f;
    f.dialogs->answer = c.answer;
    typeWaterTable(f, "33");
    pressCtrl(f, c.key);
    EXPECT_EQ(storedWaterTable(f.project), c.onDisk) << c.key;
    EXPECT_EQ(f.window->windowTitle(), c.caption);
    if (c.key == Qt::Key_O) {
      // Cancelled at the question: the typed value is in the project, still to be saved.
      EXPECT_EQ(f.dialogs->questions, 1);
      EXPECT_EQ(f.window->Project().WTD, 33);
      EXPECT_TRUE(f.window->Project().Changed());
      EXPECT_EQ(f.dialogs->openFolder, "");  // the open dialog was not shown
    } else {
      EXPECT_FALSE(f.window->Project().Changed()) << c.key;
    }
  }
}

// A copy of the example dropped on the main window from a file manager.
void dropFile(MainWindowFixture& f) {
  const fs::path dropped = f.dir / "dropped.tm8d";
  fs::copy_file(fs::path(TALMO_EXAMPLES_DIR) / "clay_over_sand.tm8d", dropped, fs::copy_options::overwrite_existing);
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QString::fromStdString(dropped.string()))});
  QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f.window.get(), &enter);
  QDropEvent drop(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f.window.get(), &drop);
}

// The first entry of the File menu's recent files.
void openFirstRecentFile(MainWindowFixture& f) {
  for (QAction* action : f.window->findChildren<QAction*>())
    if (action->text().startsWith("1 ")) return action->trigger();
  ADD_FAILURE() << "no recent file";
}

// The commands that save, replace or run the project, as the user starts them.
struct Command {
  const char* name;
  std::function<void(MainWindowFixture&)> run;
  bool asksToSave;  // asks about unsaved changes first
};

const Command kCommands[] = {
    {"Ctrl+S", [](MainWindowFixture& f) { pressCtrl(f, Qt::Key_S); }, true},
    {"Ctrl+N", [](MainWindowFixture& f) { pressCtrl(f, Qt::Key_N); }, true},
    {"Ctrl+O", [](MainWindowFixture& f) { pressCtrl(f, Qt::Key_O); }, true},
    {"Save As", [](MainWindowFixture& f) { f.window->ActionNamed("Save As...")->trigger(); }, false},
    {"Run Analysis", [](MainWindowFixture& f) { f.window->ActionNamed("Run Analysis")->trigger(); }, true},
    {"recent file", openFirstRecentFile, true},
    {"dropped file", dropFile, true},
    {"close", [](MainWindowFixture& f) { EXPECT_FALSE(f.window->close()); }, true},
    {"SI units", [](MainWindowFixture& f) { f.window->ActionNamed("SI Units (kN, m)")->trigger(); }, false},
};

TEST(FileCommands, AnEditorThatRefusesItsContentStopsEveryCommand) {
  for (const Command& command : kCommands) {
    MainWindowFixture f;
    f.dialogs->answer = Answer::Yes;
    f.dialogs->saveAs = QString::fromStdString((f.dir / "elsewhere.tm8d").string());
    typeWaterTable(f, "-5");
    command.run(f);
    EXPECT_EQ(f.dialogs->messages,
              QStringList{"Depth of water table (ft) must be 0 or greater (a depth below the ground surface)."})
        << command.name;
    EXPECT_TRUE(f.window->isVisible()) << command.name;
    EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - Clay_over_sand.tm8d") << command.name;
    EXPECT_EQ(f.window->Project().Units(), 1) << command.name;
    EXPECT_EQ(f.window->Project().WTD, 15) << command.name;  // nothing written...
    EXPECT_EQ(f.field(kWaterTable)->text(), "-5");           // ...and nothing lost
    EXPECT_EQ(storedWaterTable(f.project), 15);
    EXPECT_EQ(f.dialogs->questions + f.dialogs->saveDialogs, 0) << command.name;
    EXPECT_FALSE(fs::exists(f.dir / "elsewhere.tm8d"));
    EXPECT_FALSE(QFileInfo::exists(f.path(".tm8o"))) << command.name;
  }
}

TEST(FileCommands, ASaveThatDoesNotHappenCancelsTheCommandThatAsked) {
  enum class Failure { SaveAsCancelled, FolderRemoved };
  for (const Failure failure : {Failure::SaveAsCancelled, Failure::FolderRemoved}) {
    for (const Command& command : kCommands) {
      if (!command.asksToSave) continue;
      MainWindowFixture f;
      QString caption;
      if (failure == Failure::SaveAsCancelled) {
        // Saving a project read from an older file always goes through Save As.
        const fs::path old = f.dir / "older.tmd";
        fs::copy_file(fs::path(TALMO_FIXTURES_DIR) / "core/fixtures/newer_old_format.tmd", old);
        f.window->OpenFileName(QString::fromStdString(old.string()), kFilterNewerOld);
        caption = "TALMO 2017.8.7 - Older.tmd";
      } else {
        const fs::path folder = f.dir / "removed";
        fs::create_directory(folder);
        f.project = folder / "clay_over_sand.tm8d";
        fs::copy_file(fs::path(TALMO_EXAMPLES_DIR) / "clay_over_sand.tm8d", f.project);
        f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
        fs::remove_all(folder);
        caption = "TALMO 2017.8.7 - Clay_over_sand.tm8d";
      }
      f.window->activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(f.window.get()));
      f.window->Project().WTD = 21;
      f.window->MarkChanged();
      f.dialogs->answer = Answer::Yes;
      f.dialogs->saveAs = "";
      f.dialogs->messages.clear();
      command.run(f);

      const std::string what = command.name + std::string(failure == Failure::FolderRemoved ? " (removed)" : "");
      EXPECT_TRUE(f.window->isVisible()) << what;
      EXPECT_EQ(f.window->windowTitle(), caption) << what;
      EXPECT_EQ(f.window->Project().WTD, 21) << what;
      EXPECT_TRUE(f.window->Project().Changed()) << what;
      EXPECT_EQ(f.dialogs->openFolder, "") << what;
      EXPECT_FALSE(f.dialogs->messages.contains(kCompleted)) << what;
      if (failure == Failure::FolderRemoved) {
        ASSERT_EQ(f.dialogs->messages.size(), 1) << what;
        EXPECT_TRUE(f.dialogs->messages[0].startsWith("The project could not be saved to \"" +
                                                      QString::fromStdString(f.project.string()) + "\".\rCannot "))
            << f.dialogs->messages[0].toStdString();
        EXPECT_FALSE(fs::exists(f.project.parent_path()));
      } else {
        EXPECT_EQ(f.dialogs->saveDialogs, 1) << what;
        EXPECT_FALSE(fs::exists(f.dir / "older.tm8d")) << what;
      }
    }
  }
}

TEST(FileCommands, SaveAsAsksBeforeReplacingTheCompletedName) {
  MainWindowFixture f;
  const fs::path other = f.dir / "other.tm8d";
  fs::copy_file(f.project, other);
  f.window->Project().WTD = 44;
  f.window->MarkChanged();
  f.dialogs->saveAs = QString::fromStdString((f.dir / "other").string());

  f.dialogs->replaceAnswer = false;
  EXPECT_FALSE(f.window->FileSaveAsClick());
  EXPECT_EQ(f.dialogs->replaceQuestions, QStringList{QString::fromStdString(other.string())});
  EXPECT_EQ(storedWaterTable(other), 15);
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - NewShaft.tm8d");
  EXPECT_TRUE(f.window->Project().Changed());

  f.dialogs->replaceAnswer = true;
  EXPECT_TRUE(f.window->FileSaveAsClick());
  EXPECT_EQ(f.dialogs->replaceQuestions.size(), 2);
  EXPECT_EQ(storedWaterTable(other), 44);
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - Other.tm8d");

  // A name with its extension was shown to the dialog, which asked about it itself.
  f.dialogs->saveAs = QString::fromStdString(other.string());
  EXPECT_TRUE(f.window->FileSaveAsClick());
  EXPECT_EQ(f.dialogs->replaceQuestions.size(), 2);
}

TEST(FileCommands, AProjectThatFailedToLoadIsNeverSavedOverItsSource) {
  MainWindowFixture f;
  const std::string whole = test::readFile(f.project);
  const std::string cut = whole.substr(0, whole.find("2 20"));  // ends before the layers
  test::writeFile(f.project, cut);
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  EXPECT_EQ(f.window->windowTitle(), "TALMO 2017.8.7 - NewShaft.tm8d");
  ASSERT_EQ(f.dialogs->messages.size(), 1);
  EXPECT_TRUE(f.dialogs->messages[0].startsWith("This file either invalid or incomplete.\r\rThe project was read only "
                                                "in part. It is named NewShaft.tm8d now"))
      << f.dialogs->messages[0].toStdString();
  EXPECT_EQ(f.window->Project().WTD, 15);  // what was read stays to be seen

  // Run Analysis saves first: it asks for a name, and cancelled, runs nothing.
  f.dialogs->saveAs = "";
  f.window->CompRunClick();
  EXPECT_EQ(f.dialogs->saveDialogs, 1);
  EXPECT_EQ(test::readFile(f.project), cut);
  EXPECT_FALSE(QFileInfo::exists(f.path(".tm8o")));
}

TEST(FileCommands, ChoosingTheActiveUnitSystemChangesNothing) {
  MainWindowFixture f;
  f.window->OpenFileName(QString::fromStdString(f.project.string()), kFilterCurrent);
  f.window->ActionNamed("English Units (lbs, ft, in)")->trigger();
  f.window->ActionNamed("ASD (Allowable Stress Design)")->trigger();
  EXPECT_FALSE(f.window->Project().Changed());
  f.window->ActionNamed("SI Units (kN, m)")->trigger();
  EXPECT_TRUE(f.window->Project().Changed());
  EXPECT_NEAR(f.window->Project().WTD, 15 * 0.3048, 1e-9);
}

}  // namespace
}  // namespace talmo
