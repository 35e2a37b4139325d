#pragma once
// The main window as the user meets it, with scripted answers to its questions: a copy of the
// example project in a fresh folder, the real engine library, and the window shown.
#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <filesystem>

#include "MainWindow.h"
#include "NumericField.h"
#include "engine/test_support.h"
#include "gui/fake_editor_host.h"

namespace talmo::testing {

namespace fs = std::filesystem;

// Scripted answers for the questions the file commands ask.
class TScriptedDialogs : public testing::TFakeDialogs {
 public:
  Answer AskSaveChanges(QWidget*) override {
    ++questions;
    return answer;
  }
  QString SaveFile(QWidget*, const QString&, const QString&, const QStringList&) override {
    ++saveDialogs;
    return saveAs;
  }
  bool StartProgram(const QString& program, const QString& file) override {
    started << program + " " + file;
    return programStarts;
  }
  Answer answer = Answer::No;
  int questions = 0;
  int saveDialogs = 0;
  QString saveAs;  // what the Save As dialog answers ("" is cancelled)
  bool programStarts = true;
  QStringList started;
};

struct MainWindowFixture {
  MainWindowFixture() {
    auto scripted = std::make_unique<TScriptedDialogs>();
    dialogs = scripted.get();
    window = std::make_unique<TMainForm>(std::move(scripted));
    window->SetEngineLibrary(TALMO_DLL_PATH);
    window->show();
    project = dir / "clay_over_sand.tm8d";
    fs::copy_file(fs::path(TALMO_EXAMPLES_DIR) / "clay_over_sand.tm8d", project);
  }
  ~MainWindowFixture() {
    window->Project().ResetChanged();
    window.reset();
    QDir::setCurrent(savedDir);
  }
  // The numeric field of the active editor with this caption.
  TDataEdit* field(const QString& caption) {
    if (QMdiSubWindow* active = window->MdiArea()->activeSubWindow()) return Field(*active, caption);
    ADD_FAILURE() << "no active window for the field " << caption.toStdString();
    return nullptr;
  }
  QString path(const char* extension) const {
    return QString::fromStdString(fs::path(project).replace_extension(extension).string());
  }

  QString savedDir = QDir::currentPath();
  test::TempDir dir;
  fs::path project;
  TScriptedDialogs* dialogs = nullptr;
  std::unique_ptr<TMainForm> window;
};

}  // namespace talmo::testing
