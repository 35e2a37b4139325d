#include "NumericField.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <algorithm>
#include <cmath>

#include "Errors.h"
#include "ExpressionEvaluator.h"
#include "UnitCodes.h"
#include "UserDialogs.h"

namespace talmo {

namespace {

constexpr double kIntMin = -2147483648.0;
constexpr double kIntMax = 2147483647.0;

void showInformation(QWidget* field, const QString& text) {
  QMessageBox::information(field ? field->window() : nullptr, QStringLiteral("Information"), text);
}

}  // namespace

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent), messageHandler_(showInformation) {
  setText(QStringLiteral("0"));
}

double TDataEdit::Number() const { return EvaluateExpression(text().toStdString()); }

void TDataEdit::SetNumber(double value) {
  value = std::clamp(value, minVal_, maxVal_);
  setText(FormatNumber(value));
}

QString TDataEdit::FormatNumber(double value) const {
  return QString::fromStdString(talmo::FormatNumber(value, hex_));
}

void TDataEdit::SetMaxVal(double value) {
  if (value < minVal_) value = minVal_;
  if (integerOnly_) value = std::clamp(value, kIntMin, kIntMax);
  maxVal_ = value;
  if (const std::optional<double> current = typedNumber(); current && *current > maxVal_) SetNumber(maxVal_);
}

void TDataEdit::SetMinVal(double value) {
  if (value > maxVal_) value = maxVal_;
  if (integerOnly_) value = std::clamp(value, kIntMin, kIntMax);
  minVal_ = value;
  if (const std::optional<double> current = typedNumber(); current && *current < minVal_) SetNumber(minVal_);
}

std::optional<double> TDataEdit::typedNumber() const {
  try {
    return Number();
  } catch (const EAssignError&) {
    return std::nullopt;  // the text is not a number yet: a new limit has nothing to move
  }
}

void TDataEdit::SetIntegerOnly(bool on) {
  integerOnly_ = on;
  if (on) {
    SetMaxVal(maxVal_);
    SetMinVal(minVal_);
  }
}

void TDataEdit::SetHex(bool on) { hex_ = on; }

void TDataEdit::SetCaption(const QString& caption) {
  caption_ = caption;
  UpdateLabel();
}

void TDataEdit::SetUnitsString(const QString& units) {
  unitsString_ = units;
  UpdateLabel();
}

void TDataEdit::SetUnits(int units) {
  units_ = std::clamp(units, 1, 3);
  UpdateLabel();
}

void TDataEdit::SetEditLabel(QLabel* label) {
  label_ = label;
  if (label_) label_->setBuddy(this);
  UpdateLabel();
}

void TDataEdit::UpdateLabel() {
  if (!label_) return;
  label_->setEnabled(isEnabled());
  QString text = caption_;
  if (!unitsString_.isEmpty())
    text += " (" + QString::fromStdString(ExpandUnitsString(unitsString_.toStdString(), units_)) + ")";
  label_->setText(text);
}

void TDataEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) UpdateLabel();
}

void TDataEdit::report(const QString& text) {
  validating_ = true;
  if (messageHandler_) messageHandler_(this, text);
  validating_ = false;
  takeFocusBack();
}

void TDataEdit::takeFocusBack() {
  if (isVisible()) setFocus(Qt::OtherFocusReason);
}

bool TDataEdit::Evaluate() {
  if (validating_) return ok_;
  ok_ = false;
  double value = 0.0;
  try {
    value = Number();
  } catch (const EAssignError& e) {
    report(integerOnly_ ? QStringLiteral("Entry must be a valid integer.") : MessageText(QString::fromUtf8(e.what())));
    return false;
  }
  if (integerOnly_ && value != std::trunc(value)) {
    report(QStringLiteral("Entry must be an integer."));
    return false;
  }
  if (value < minVal_) {
    SetNumber(minVal_);
    report("Entry must be greater than or equal to " + FormatNumber(minVal_));
    return false;
  }
  if (value > maxVal_) {
    SetNumber(maxVal_);
    report("Entry must be less than or equal to " + FormatNumber(maxVal_));
    return false;
  }
  setText(FormatNumber(value));
  ok_ = true;
  emit numberAccepted(value);
  return true;
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // A message box of our own takes the focus while it is shown: that is not the user leaving.
  if (!validating_ && event->reason() != Qt::PopupFocusReason) Evaluate();
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Evaluate();
    selectAll();
    event->accept();
    return;
  }
  // Typing an operator over a fully selected number extends the number instead of replacing it.
  static const QString kOperators = QStringLiteral("+-/*^=%!");
  const QString typed = event->text();
  if (typed.size() == 1 && kOperators.contains(typed[0]) && hasSelectedText() && selectedText() == text()) {
    deselect();
    end(false);
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace talmo
