#pragma once
// The common ground of the project editors (shaft properties, computation methods, options,
// title ...): each is a child window of the main window that loads its fields from the
// project when it becomes active and writes them back when it loses the focus or closes.
// A numeric field that rejects its text keeps the window open and active and nothing is
// written. Every edit of a field marks the project changed.
#include <QString>
#include <QWidget>

#include "ProgramData.h"
#include "UserDialogs.h"

namespace talmo {

class TDataEdit;

// What an editor needs of the main window.
class TEditorHost {
 public:
  virtual ~TEditorHost() = default;
  virtual TProgramData& Project() = 0;
  virtual TProjectTables& Tables() = 0;
  // Marks the project changed (the main window's changed flag).
  virtual void MarkChanged() = 0;
  virtual QString WordProcessor() const = 0;
  virtual void SetWordProcessor(const QString& program) = 0;
  virtual TUserDialogs& Dialogs() = 0;
};

class TEditorWindow : public QWidget {
  Q_OBJECT

 public:
  TEditorWindow(TEditorHost& host, const QString& caption, QWidget* parent = nullptr);

  // Fills the fields from the project and gives every numeric field the project's unit
  // system. Called when the window becomes active and when the unit system changes.
  virtual void LoadFromProject() = 0;
  // Lets every numeric field accept its text; when all do, writes the fields into the project
  // and returns true. A rejected field has reported its message and holds the focus.
  bool CommitToProject();

 protected:
  virtual void WriteToProject() = 0;
  // Checks what the numeric fields do not (a table of values, say) after they have accepted
  // their texts and before anything is written; false keeps the window open and writes
  // nothing, the editor having told the user why.
  virtual bool CheckInput() { return true; }
  // Makes `field` a field of this editor: its edits mark the project changed.
  void WatchField(TDataEdit* field);
  // Watches every numeric field of the window (WatchField), lets a click on any check box or
  // radio button mark the project changed, and sends the fields' messages to the host's
  // dialogs. Call once the window's controls exist.
  void WatchControls();
  // Gives every numeric field of the window the project's unit system.
  void ApplyUnits();
  void closeEvent(QCloseEvent* event) override;

  TEditorHost& host_;
};

}  // namespace talmo
