#pragma once
// The common ground of the project editors (shaft properties, computation methods, options,
// title ...): each is a child window of the main window that loads its fields from the
// project when it becomes active and writes them back when it loses the focus or closes.
// A numeric field that rejects its text keeps the window open and active and nothing is
// written. Every edit of a field marks the project changed.
#include <QSet>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

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

// A limit on a value the user typed, beyond the field's own minimum and maximum: `accepts`
// tells whether the value is allowed and `allowed` says in words what is ("greater than 0").
// A limit that compares with another field names it as `partner`; typing in either field
// brings the limit into play.
struct TEntryRule {
  TDataEdit* field;
  std::function<bool(double)> accepts;
  QString allowed;
  TDataEdit* partner = nullptr;
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
  // Closes the window without writing its fields: the caller has committed the active editor,
  // and the fields of an inactive one are what it wrote when it lost the focus (writing them
  // again could undo what another editor stored since).
  void CloseWithoutWriting();

 protected:
  virtual void WriteToProject() = 0;
  // Checks what the numeric fields do not (a table of values, say) after they have accepted
  // their texts and before anything is written; false keeps the window open and writes
  // nothing, the editor having told the user why.
  virtual bool CheckInput() { return true; }
  // Checks the rules whose field (or partner) the user typed in since the last write: values
  // loaded from the project stand as they are. The first broken rule is reported with the
  // field's label and what it allows, the focus goes to the field and false is returned.
  bool CheckEntries(const std::vector<TEntryRule>& rules);
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

 private:
  QSet<const TDataEdit*> typed_;  // fields the user typed in since the last write
  bool discard_ = false;
};

}  // namespace talmo
