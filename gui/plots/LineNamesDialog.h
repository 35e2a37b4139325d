#pragma once
// TfrmLineNames, "Legend": renames the curves. The list shows every curve's name; the edit
// below takes the selected name in the curve's colour and stores it back on Enter or when it
// loses the focus. A curve must keep a name.
#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace talmo {

class TUserDialogs;

class TfrmLineNames : public QDialog {
  Q_OBJECT

 public:
  TfrmLineNames(const QStringList& names, TUserDialogs& dialogs, QWidget* parent = nullptr);
  // The names as the list holds them (after OK: the new names, one per curve in line order).
  QStringList Names() const;
  // Stores the edit's text into the selected entry; an empty text is refused.
  bool StoreEdit();

  QListWidget* lbLines = nullptr;
  QLineEdit* edLine = nullptr;

  void accept() override;

 private:
  void selectEntry(int row);
  bool eventFilter(QObject* watched, QEvent* event) override;

  TUserDialogs& dialogs_;
};

}  // namespace talmo
