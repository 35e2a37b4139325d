#include "EditorFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <exception>

#include "NumericField.h"

namespace talmo {

TDataEdit* AddNumberField(QGridLayout* grid, int row, const QString& caption, const QString& units,
                          std::optional<double> largest) {
  auto* label = new QLabel;
  auto* field = new TDataEdit;
  field->SetCaption(caption);
  field->SetUnitsString(units);
  field->SetEditLabel(label);
  if (largest) field->SetMaxVal(*largest);
  const int charWidth = field->fontMetrics().averageCharWidth();
  field->setMinimumWidth(charWidth * 12);  // room for a number such as 300000000
  field->setMaximumWidth(charWidth * 18);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  return field;
}

QWidget* NoteLines(const QStringList& lines) {
  auto* notes = new QWidget;
  auto* column = new QVBoxLayout(notes);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  for (const QString& line : lines) column->addWidget(new QLabel(line));
  return notes;
}

void ShowNumber(TDataEdit* field, double value) { field->setText(field->FormatNumber(value)); }

double ReadNumber(const TDataEdit* field, double fallback) {
  try {
    return field->Number();
  } catch (const std::exception&) {
    return fallback;
  }
}

void CloseEditor(QWidget* editor) {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
    frame->close();
  else
    editor->close();
}

}  // namespace talmo
