#include "EditorWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QLabel>

#include "EditorFields.h"
#include "NumericField.h"

namespace talmo {

TEditorWindow::TEditorWindow(TEditorHost& host, const QString& caption, QWidget* parent)
    : QWidget(parent), host_(host) {
  setWindowTitle(caption);
}

bool TEditorWindow::CommitToProject() {
  for (TDataEdit* field : findChildren<TDataEdit*>())
    if (field->isEnabled() && !field->CloseQuery()) return false;
  if (!CheckInput()) return false;
  WriteToProject();
  typed_.clear();
  return true;
}

void TEditorWindow::CloseWithoutWriting() {
  discard_ = true;
  CloseEditor(this);
}

bool TEditorWindow::CheckEntries(const std::vector<TEntryRule>& rules) {
  for (const TEntryRule& rule : rules) {
    const bool typed = typed_.contains(rule.field) || (rule.partner && typed_.contains(rule.partner));
    // Enabled fields have accepted their texts before the rules are checked.
    if (!typed || !rule.field->isEnabled() || rule.accepts(rule.field->Number())) continue;
    host_.Dialogs().Information(this, FieldName(rule.field) + " must be " + rule.allowed + ".");
    rule.field->setFocus(Qt::OtherFocusReason);
    rule.field->selectAll();
    return false;
  }
  return true;
}

void TEditorWindow::WatchField(TDataEdit* field) {
  connect(field, &QLineEdit::textEdited, this, [this, field] {
    typed_.insert(field);
    host_.MarkChanged();
  });
}

void TEditorWindow::WatchControls() {
  for (TDataEdit* field : findChildren<TDataEdit*>()) {
    WatchField(field);
    field->SetMessageHandler(
        [this](QWidget* source, const QString& text) { host_.Dialogs().Information(source->window(), text); });
  }
  for (QAbstractButton* button : findChildren<QAbstractButton*>())
    if (button->isCheckable()) connect(button, &QAbstractButton::clicked, this, [this] { host_.MarkChanged(); });
}

void TEditorWindow::ApplyUnits() {
  for (TDataEdit* field : findChildren<TDataEdit*>()) field->SetUnits(host_.Project().Units());
}

void TEditorWindow::closeEvent(QCloseEvent* event) {
  if (discard_ || CommitToProject()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace talmo
