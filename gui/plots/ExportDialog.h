#pragma once
// TDlgExport ("Export to Excel"): the user picks which of the offered plots go into one
// spreadsheet workbook, with or without point markers in the charts; the workbook is written
// to a file of the user's choice and opened with the desktop's spreadsheet program.
#include <QDialog>
#include <vector>

#include "MainPlots.h"
#include "UserDialogs.h"

class QCheckBox;
class QListWidget;
class QPushButton;

namespace talmo {

class TDlgExport : public QDialog {
  Q_OBJECT

 public:
  // `rows`: the offered plots as positions in TMainPlots::All, in that order. `proposedFile`:
  // the workbook the save dialog proposes first.
  TDlgExport(TMainPlots& plots, std::vector<int> rows, TUserDialogs& dialogs, const QString& proposedFile,
             QWidget* parent = nullptr);

  // Empties the list and offers the plots of `rows` again, each checked.
  void Refill(std::vector<int> rows);

  void SelectAllClick() { setAllChecked(true); }
  void UnselectAllClick() { setAllChecked(false); }
  // Asks where to save, writes the checked plots and opens the workbook; every outcome is
  // told in an information box.
  void GenerateClick();

  QListWidget* PlotList() const { return list_; }
  QCheckBox* MarkersBox() const { return markers_; }
  QPushButton* GenerateButton() const { return generate_; }
  // Position in TMainPlots::All of each list entry.
  const std::vector<int>& indices() const { return indices_; }
  int nplotst() const { return static_cast<int>(indices_.size()); }
  bool more255() const { return more255_; }

 private:
  void setAllChecked(bool checked);
  void updateGenerateButton();

  TMainPlots& plots_;
  TUserDialogs& dialogs_;
  QString proposedFile_;
  std::vector<int> indices_;
  bool more255_ = false;
  QListWidget* list_ = nullptr;
  QCheckBox* markers_ = nullptr;
  QPushButton* generate_ = nullptr;
};

}  // namespace talmo
