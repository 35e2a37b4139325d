#pragma once
// TDlgSoilLayers ("Soill Layers"): the list of soil layers. One row per layer with its soil
// type, the depth of its bottom, the optional limits of side friction and end bearing and, for
// LRFD, the two resistance factors; the "Edit Layer N" button of a row opens the layer's own
// values (TDlgSoils). Layers are added, inserted and deleted here, up to 40.
//
// Type, layer tables and the row structure live in the project's soil-layer table D and change
// there at once; the numeric fields are written back when the window loses the focus or
// closes, after every field has accepted its text and, once the user has worked on the
// profile, the profile has passed its checks (each layer deeper than the one above; a warning
// when the last layer ends less than two shaft diameters below the shaft bottom).
#include <QString>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "EditorWindow.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace talmo {

class TDlgSoilLayers : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TDlgSoilLayers(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;

  // The rows as shown (for tests and screenshots).
  int LayerCount() const { return static_cast<int>(rows_.size()); }
  QComboBox* TypeList(int row) const { return rows_.at(static_cast<std::size_t>(row)).type; }
  // The field of a numeric column of D (depth, limits, factors) in a row.
  TDataEdit* Field(int row, int layerColumn) const;
  QPushButton* EditButton(int row) const { return rows_.at(static_cast<std::size_t>(row)).edit; }
  // The heading lines of a column of D as shown.
  QString Heading(int layerColumn) const;

  // The buttons below the grid.
  void AddLayerClick();
  void InsertLayerClick();
  void DeleteLayerClick();
  // Opens the soil property editor of a row (from 0) modally.
  void EditLayerClick(int row);

 protected:
  void WriteToProject() override;
  bool CheckInput() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static constexpr int kNumberColumns = 5;  // depth, two limits, two factors
  struct TRow {
    QLabel* label = nullptr;
    QComboBox* type = nullptr;
    std::array<TDataEdit*, kNumberColumns> fields{};
    QPushButton* edit = nullptr;
  };
  TRow makeRow(int row);
  void removeLastRow();
  void fillRow(int row);
  void showColumns();
  void updateButtons();
  void fitWindow();
  // Scrolls the grid so that a control of a row shows.
  void scrollTo(QWidget* control);
  // Lets every field accept its text and stores the rows in D, without the profile checks:
  // done before the rows of D move.
  bool storeRows();
  void chooseType(int row, int index);
  // Identifiers of the layer tables of D's rows. A table gets a new identifier whenever it is
  // made afresh, so a list that differs from the one shown means that D was replaced or reset
  // behind the window (a new or opened project while this window refused to close).
  std::vector<int> layerTables() const;
  // Shows D afresh when it changed behind the window; true when it did.
  bool reloadIfStale();

  std::vector<TRow> rows_;
  std::vector<int> shownTables_;  // layerTables() as the rows show them
  std::vector<QLabel*> headings_;  // two per grid column
  int currentRow_ = 0;             // the row the user last worked in
  bool profileEdited_ = false;     // depths typed or layers added, inserted or deleted since the last write
  bool lrfd_ = false;
  // The depths the last-layer warning was given for: the same profile passes the second time.
  std::optional<std::pair<double, double>> warned_;
  std::optional<std::pair<int, bool>> fittedFor_;  // layer count and LRFD columns of the last fit

  QScrollArea* scroll_ = nullptr;
  QWidget* gridHolder_ = nullptr;
  QGridLayout* grid_ = nullptr;
  QPushButton* add_ = nullptr;
  QPushButton* insert_ = nullptr;
  QPushButton* delete_ = nullptr;
  QCheckBox* confirm_ = nullptr;
};

}  // namespace talmo
