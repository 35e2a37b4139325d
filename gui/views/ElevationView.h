#pragma once
// TDlgSideView ("Elevation View"): a vertical section of the project as entered, the soil
// layers as hatched coloured bands with their depths and names, the ground surface, the water
// table and the shaft to true scale in its four coloured parts. It reads only the project
// (never the results, never writing back), so it works before any run, and it draws what the
// project holds at the moment it paints, so edits of the layers and the shaft show as soon as
// it is shown again. "Print" draws the profile on a landscape page.
#include <QWidget>

#include "EditorWindow.h"
#include "ShaftViewGeometry.h"

class QCheckBox;
class QPainter;
class QPrinter;

namespace talmo {

class TElevationCanvas;

class TDlgSideView : public QWidget {
  Q_OBJECT

 public:
  explicit TDlgSideView(TEditorHost& host, QWidget* parent = nullptr);

  // The profile and model window drawn now (empty window: nothing to draw, read-out off).
  TShaftProfile Profile() const { return ShaftProfileOf(host_.Project()); }
  std::optional<TViewRect> ModelWindow() const;
  // The model window of a profile already read from the project.
  std::optional<TViewRect> ModelWindowOf(const TShaftProfile& profile) const;
  // The drawing area (without the buttons).
  QWidget* Canvas() const;
  // Draws the profile on a landscape page of `printer` titled "Soil-Pile Profile".
  void PrintOn(QPrinter& printer) const;
  // "Print": the print dialog, then the page.
  void PrintClick();
  bool OmitHatches() const;

 private:
  TEditorHost& host_;
  TElevationCanvas* canvas_;
  QCheckBox* omitHatches_;
};

}  // namespace talmo
