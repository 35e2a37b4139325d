#pragma once
// TDataEdit: the numeric entry field of every editor. It accepts a number or an arithmetic
// expression, evaluates it when the user leaves the field or presses Enter, checks it against
// a minimum, a maximum and (optionally) being whole, and rewrites the text as the number.
// Its label shows the caption and the unit, with unit codes expanded for the project's
// unit system ("Depth of water table (ft)" or "(m)").
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <optional>



namespace talmo {

class TDataEdit : public QLineEdit {
  Q_OBJECT

 public:
  // How a failed entry is reported; the default shows an information box.
  using MessageHandler = std::function<void(QWidget* field, const QString& text)>;

  explicit TDataEdit(QWidget* parent = nullptr);

  // Reading evaluates the text (EAssignError on a bad entry); writing clamps the value into
  // [MinVal, MaxVal] and shows it.
  double Number() const;
  void SetNumber(double value);

  double MinVal() const { return minVal_; }
  double MaxVal() const { return maxVal_; }
  // A minimum above the maximum becomes the maximum (and the reverse); with IntegerOnly both
  // limits stay inside the 32-bit range. The current number is moved inside the new limits.
  void SetMinVal(double value);
  void SetMaxVal(double value);
  bool IntegerOnly() const { return integerOnly_; }
  void SetIntegerOnly(bool on);
  bool Hex() const { return hex_; }
  void SetHex(bool on);

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);
  QString UnitsString() const { return unitsString_; }
  void SetUnitsString(const QString& units);
  int Units() const { return units_; }
  // 1 English, 2 SI, 3 unit codes shown as written; other values are clamped into 1..3.
  void SetUnits(int units);
  QLabel* EditLabel() const { return label_; }
  // The label (not owned) that shows the caption; it also becomes the field's buddy so its
  // accelerator focuses the field.
  void SetEditLabel(QLabel* label);

  // The number as the field shows it ("$00FF" in hexadecimal mode).
  QString FormatNumber(double value) const;

  // Validates the text now; true when it was accepted. A failure is reported and the focus
  // returns to the field.
  bool Evaluate();
  // Validation before a dialog accepts its values.
  bool CloseQuery() { return Evaluate(); }

  void SetMessageHandler(MessageHandler handler) { messageHandler_ = std::move(handler); }

 signals:
  // The text was accepted as a (possibly new) number.
  void numberAccepted(double value);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateLabel();
  std::optional<double> typedNumber() const;
  void report(const QString& text);
  void takeFocusBack();

  double minVal_ = -1.1897314953572318E100;
  double maxVal_ = 1.1897314953572318E100;
  bool integerOnly_ = false;
  bool hex_ = false;
  QString caption_;
  QString unitsString_;
  int units_ = 1;
  QPointer<QLabel> label_;
  bool ok_ = false;
  bool validating_ = false;  // a message box steals the focus; don't validate twice
  MessageHandler messageHandler_;
};

}  // namespace talmo
