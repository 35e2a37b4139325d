#pragma once
// Editors that vary the shaft: "Multiple Shaft Lengths" (TfrmVaryLength, IPENT) evaluates a
// range of lengths for the specified diameter; "ASD/LRFD Design Charts" (TfrmDesignChart,
// IChart) computes charts over ranges of lengths and diameters for defined settlements. Both
// edit the maximum and minimum length and the length increment through TLengthFields.
#include <memory>
#include <vector>

#include "EditorWindow.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QToolButton;

namespace talmo {

class TSettlementTable;

// The rows "Maximum shaft length", "Minimum shaft length" and "Shaft length increment" (PD,
// PDMIN, PDINCR) with their notes, on three rows of a grid.
class TLengthFields {
 public:
  // Adds the rows to `grid` from `row` on; `minimumDefault` is the minimum length's default note.
  TLengthFields(QGridLayout* grid, int row, const QString& minimumDefault);
  void Load(const TProgramData& p) const;
  void Store(TProgramData& p) const;
  // A positive maximum; minimum and increment positive or 0 for their defaults, the minimum
  // not above the maximum.
  std::vector<TEntryRule> Rules() const;

  static constexpr int kRows = 3;

 private:
  TDataEdit* maximum_;
  TDataEdit* minimum_;
  TDataEdit* increment_;
};

class TfrmVaryLength : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TfrmVaryLength(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;

 protected:
  bool CheckInput() override;
  void WriteToProject() override;

 private:
  QCheckBox* evaluate_ = nullptr;
  QWidget* lengthsPanel_ = nullptr;  // the fields and their notes, enabled by the box
  std::unique_ptr<TLengthFields> lengths_;
};

class TfrmDesignChart : public TEditorWindow {
  Q_OBJECT

 public:
  explicit TfrmDesignChart(TEditorHost& host, QWidget* parent = nullptr);

  void LoadFromProject() override;
  // The controls of "Number of Points", for tests and the main window's screenshots.
  TDataEdit* PointsField() const { return points_; }
  TSettlementTable* Settlements() const { return settlements_; }
  QToolButton* UpArrow() const { return up_; }
  QToolButton* DownArrow() const { return down_; }

 protected:
  bool CheckInput() override;
  void WriteToProject() override;

 private:
  void enableByBox();
  void pointsEdited();
  void stepPoints(int step);
  // "Number of Points" as a count of 0 to 10; `fallback` when its text is not a number.
  int pointCount(int fallback) const;

  QCheckBox* compute_ = nullptr;
  QGroupBox* variation_ = nullptr;
  QGroupBox* settlementsGroup_ = nullptr;
  std::unique_ptr<TLengthFields> lengths_;
  TDataEdit* diameterIncrement_ = nullptr;
  TDataEdit* points_ = nullptr;
  QToolButton* up_ = nullptr;
  QToolButton* down_ = nullptr;
  TSettlementTable* settlements_ = nullptr;
};

}  // namespace talmo
