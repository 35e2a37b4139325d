#pragma once
// Building blocks shared by the project editors: a numeric field with its label on a grid row,
// stacked lines of explanatory text, loading and reading a field without surprises, and
// closing an editor from its own "Close" button.
#include <QString>
#include <QStringList>
#include <optional>

class QGridLayout;
class QWidget;

namespace talmo {

class TDataEdit;
struct TEntryRule;

// A numeric field on row `row` of `grid`: its label in column 0, the field in column 1. `units`
// is the unit code the label shows ("L2", "F2", "" for none); `largest` the highest value the
// field accepts (none when omitted).
TDataEdit* AddNumberField(QGridLayout* grid, int row, const QString& caption, const QString& units,
                          std::optional<double> largest = std::nullopt);

// Lines of explanatory text stacked in one widget, a label per line.
QWidget* NoteLines(const QStringList& lines);

// Shows a stored value without pulling it inside the field's limits: a value beyond them is
// then reported when the window is left instead of being changed unseen.
void ShowNumber(TDataEdit* field, double value);

// The field's value, or `fallback` when its text is not a number. Only a disabled field can
// hold such a text when the editor writes back (enabled fields have been validated), and its
// project value then stays as it was.
double ReadNumber(const TDataEdit* field, double fallback);

// The field as the user sees it named: the text of the label that leads to it (caption and
// unit, "&" removed), else its caption.
QString FieldName(const TDataEdit* field);

// Limits on typed values (TEditorWindow::CheckEntries). `zeroMeans` names what an entry of 0
// stands for where 0 is also accepted ("0 for the default").
TEntryRule GreaterThanZero(TDataEdit* field, const QString& zeroMeans = {});
TEntryRule NotNegative(TDataEdit* field);
TEntryRule AtLeast(TDataEdit* field, double lowest);
// `field` not above the value of `maximum`, which the message calls `maximumName`.
TEntryRule NotAbove(TDataEdit* field, TDataEdit* maximum, const QString& maximumName);

// Closes an editor: the frame of the main window's child window when it has one, else itself.
// The editor's close handling (write back, or stay open on a rejected field) applies.
void CloseEditor(QWidget* editor);

}  // namespace talmo
