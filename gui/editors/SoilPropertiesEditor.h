#pragma once
// TDlgSoils ("Data for Layer N"): the modal editor of one soil layer's own table, the values at
// the top and at the bottom of the layer. It shows the page of the layer's soil type: a line
// of two numeric fields per parameter, the side friction procedure of sand, the interface
// condition lists of weak rock, notes, "Copy Values From Top To Bottom" and "Close".
//
// Every way of closing (the button, the close box, Escape) first lets the fields accept their
// texts and checks the entries; a rejected field or a failed check keeps the window open and
// writes nothing. Then the values are written into the layer's table.
#include <QDialog>
#include <array>
#include <vector>

#include "EditorWindow.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QRadioButton;

namespace talmo {

class TGridTable;

class TDlgSoils : public QDialog {
  Q_OBJECT

 public:
  // Edits the table of layer `layer` (from 1) of the project's soil-layer table; `soilType` is
  // the layer's type (1 to 9) and selects the page.
  TDlgSoils(TEditorHost& host, int layer, int soilType, QWidget* parent = nullptr);

  // The two fields (top, bottom) of the line editing column `column` of the layer table, or
  // nullptr when the page has no such line.
  std::array<TDataEdit*, 2> Fields(int column) const;
  // The weak-rock interface condition lists (top, bottom); nullptr on other pages.
  std::array<QComboBox*, 2> ConditionLists() const { return conditions_; }
  // The sand page's procedure choices (Ko, Beta, Chen and Kulhawy); empty on other pages.
  const std::vector<QRadioButton*>& Procedures() const { return procedures_; }
  QLabel* Heading() const { return heading_; }

  // Copies every top value into the bottom field of its line.
  void CopyTopToBottom();

 public slots:
  void done(int result) override;

 private:
  struct TLine {
    int column;
    std::array<TDataEdit*, 2> fields;
  };
  TGridTable& table() const;
  void buildLines(QGridLayout* grid, int firstRow);
  void load();
  // The chosen sand procedure code (1 to 3), 0 when none is chosen.
  int procedure() const;
  void applyProcedure();
  bool checkEntries();
  void writeBack();

  TEditorHost& host_;
  int layer_;
  int soilType_;
  QLabel* heading_ = nullptr;
  std::vector<TLine> lines_;
  std::array<QComboBox*, 2> conditions_{};
  std::vector<QRadioButton*> procedures_;
  std::vector<QLabel*> notes_;
};

}  // namespace talmo
