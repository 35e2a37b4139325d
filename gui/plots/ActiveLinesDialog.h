#pragma once
// TfrmActiveLines, "Active Curves": which curves take part in the plot window. Each entry
// reads its flag (" yes : " or " no  : "), three blanks and the curve's name; a double-click
// or "Activate/Deactivate Selected" toggles the selected entries.
#include <QDialog>
#include <QList>
#include <QStringList>

class QListWidget;

namespace talmo {

class TfrmActiveLines : public QDialog {
  Q_OBJECT

 public:
  TfrmActiveLines(const QStringList& names, const QList<bool>& active, QWidget* parent = nullptr);
  QList<bool> Active() const { return active_; }

  void ToggleSelected();
  void SetAll(bool active);

  QListWidget* lbLines = nullptr;

 private:
  void refresh(int row);

  QStringList names_;
  QList<bool> active_;
};

}  // namespace talmo
