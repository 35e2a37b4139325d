#include "EditorFields.h"

#include <QGridLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <exception>

#include "EditorWindow.h"
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

QString FieldName(const TDataEdit* field) {
  QString name = field->Caption();
  // The label may have been detached from the field's caption; its buddy link stays.
  if (QWidget* window = field->window())
    for (const QLabel* label : window->findChildren<QLabel*>())
      if (label->buddy() == field) name = label->text();
  return name.remove('&').simplified();
}

TEntryRule GreaterThanZero(TDataEdit* field, const QString& zeroMeans) {
  if (zeroMeans.isEmpty()) return {field, [](double v) { return v > 0; }, QStringLiteral("greater than 0")};
  return {field, [](double v) { return v >= 0; }, "greater than 0, or 0 " + zeroMeans};
}

TEntryRule NotNegative(TDataEdit* field) {
  return {field, [](double v) { return v >= 0; }, QStringLiteral("0 or greater")};
}

TEntryRule AtLeast(TDataEdit* field, double lowest) {
  return {field, [lowest](double v) { return v >= lowest; }, "at least " + field->FormatNumber(lowest)};
}

TEntryRule NotAbove(TDataEdit* field, TDataEdit* maximum, const QString& maximumName) {
  // The maximum has accepted its text before the rules are checked.
  const double limit = ReadNumber(maximum, 0);
  return {field, [limit](double v) { return v <= limit; },
          "at most the " + maximumName + " (" + field->FormatNumber(limit) + ")", maximum};
}

void CloseEditor(QWidget* editor) {
  if (auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget()))
    frame->close();
  else
    editor->close();
}

}  // namespace talmo
