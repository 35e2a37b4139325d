#include "EditorWindow.h"

#include <QAbstractButton>
#include <QCloseEvent>

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
  return true;
}

void TEditorWindow::WatchField(TDataEdit* field) {
  connect(field, &QLineEdit::textEdited, this, [this] { host_.MarkChanged(); });
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
  if (CommitToProject()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace talmo
