#pragma once
// TPlotForm: one plot as a child window. It paints the plot with DrawPlot, keeps a movable
// legend (double-click toggles a curve), shows the pointer's data coordinates in its title,
// zooms in with a rubber band and out with a right click, and prints the plot or saves it as
// an image (BMP, PNG, SVG) through the same drawing laid out for the page or the image. Its
// "&Plot" menu is merged into the main window's menu bar while it is active.
#include <QPageLayout>
#include <QPointer>
#include <QWidget>

#include "DrawPlot.h"
#include "PlotLayout.h"
#include "PlotModel.h"

class QAction;
class QMenu;
class QPrinter;
class QRubberBand;

namespace talmo {

class TUserDialogs;

// The on-screen legend: one entry per active curve in the curve's colour, " *" after the
// name while the curve is shown.
class TPlotLegend : public QWidget {
  Q_OBJECT

 public:
  explicit TPlotLegend(QWidget* parent);
  // Entries: the legend text and the line index of every active curve, in line order.
  void SetEntries(const QList<QPair<QString, int>>& entries, const TGraphPlot& plot);
  int EntryCount() const { return static_cast<int>(entries_.size()); }
  QString EntryText(int k) const { return entries_.value(k).first; }
  int EntryLine(int k) const { return entries_.value(k).second; }
  int EntryHeight() const;
  // Fits the box to its entries.
  void FitSize();
  // Moves the box to `to` (parent coordinates), kept wholly inside the parent.
  void MoveInside(QPoint to);

 signals:
  void lineToggled(int line);
  void movedByUser();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QList<QPair<QString, int>> entries_;
  const TGraphPlot* plot_ = nullptr;
  bool dragging_ = false;
  QPoint dragPoint_;
};

class TPlotForm : public QWidget {
  Q_OBJECT

 public:
  TPlotForm(TGraphPlot& plot, TUserDialogs& dialogs, QWidget* parent = nullptr);

  TGraphPlot& Data() const { return plot_; }
  QMenu* PlotMenu() const { return menu_; }
  TPlotLegend* Legend() const { return legend_; }
  const TFloatRect& LogicBounds() const { return logicBounds_; }
  const TFloatRect& MaxLogicBounds() const { return maxLogicBounds_; }
  const TDrawArea& DrawWindow() const { return drawWindow_; }
  // The menu entry with this text (without "&"), searched through the submenus.
  QAction* MenuAction(const QString& text) const;

  // Zoom in to the band between two pixels; zoom out around a pixel of the graph.
  void ZoomInBand(QPoint press, QPoint release);
  void ZoomOutAt(QPoint at);
  // Shows or hides a curve (legend double-click and curve menu entries).
  void ToggleLine(int line);
  // Applies the active-curves and legend-names dialogs' results.
  void ApplyActive(const QList<bool>& active);
  void ApplyNames(const QStringList& names);
  void SetSizeFont(int sizeFont);
  void SetShowLayers(bool show);
  void SetShowLegend(bool show);

  // Draws the plot into an image file of `size` pixels at `ppi`: BMP or PNG by the file's
  // extension, SVG for ".svg". Returns an empty text, or the message to show.
  QString SaveImage(const QString& fileName, QSize size, int ppi);
  // Lays out one page for the printer and draws the plot on it.
  void PrintTo(QPrinter& printer);
  // Page margins in thousandths of an inch (left, top, right, bottom).
  void SetPageMargins(int left, int top, int right, int bottom);

  // Menu commands with their dialogs.
  void PrintClick();
  void PageSetupClick();
  void SaveToDiskClick();
  void GraphTitleClick();
  void EditLegendClick();
  void ActiveCurvesClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenu();
  void refreshMenu();
  void rebuildCurves();
  void relayout(bool placeLegend);
  QStringList lineNames() const;
  TLegendPlacement legendPlacement() const;
  TPixelPoint pixel(QPoint p) const { return {p.x(), p.y()}; }
  void showReadout(QPoint at);

  TGraphPlot& plot_;
  TUserDialogs& dialogs_;
  TFloatRect logicBounds_;
  TFloatRect maxLogicBounds_;
  TDrawArea drawWindow_;
  TPlotLegend* legend_ = nullptr;
  bool legendAtOpen_ = false;
  bool legendMovedByUser_ = false;  // until then the legend follows the graph's corner
  QMenu* menu_ = nullptr;
  QList<QAction*> curveActions_;
  QAction* curveSeparator_ = nullptr;
  QRubberBand* band_ = nullptr;
  bool zooming_ = false;
  QPoint zoomOrigin_;
  QMarginsF pageMargins_{1.0, 1.0, 1.0, 1.0};  // inches
};

}  // namespace talmo
