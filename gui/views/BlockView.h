#pragma once
// TDlgBlock ("3-D View"): the project in three dimensions through a TglWindow: the soil
// layers as translucent coloured blocks, the water table as a translucent plane with water
// symbols, the faceted shaft with its excluded portions, bell and rims, labels of layers and
// depths, global axes, and after a run the combined capacity curves beside the shaft. The
// mouse pans, zooms, rotates and zooms to a window. Without a usable OpenGL context the view
// shows a message in its window instead.
//
// Model coordinates: x and y horizontal, z up; the ground is z = 0, depth d lies at z = -d,
// the shaft axis is x = y = 0.
#include <QMatrix4x4>
#include <QPointer>
#include <QWidget>

#include "EditorWindow.h"
#include "MainPlots.h"
#include "ShaftViewGeometry.h"

class QLabel;

namespace talmo {

class TglWindow;
class TDlgPileDiagrams;

// Display options (defaults when the window is created).
struct TBlockOptions {
  bool ShowShaft = true;
  bool ShowWaterLevel = true;
  bool ShowSoilLayers = true;
  bool ShowSoilLayerLabels = false;
  bool ShowSoilLayerDepthLabels = false;
  bool ShowLocalAxes = true;
  bool ShowUltimateEffects = false;  // the combined capacity curves
  bool ShowSkinFriction = true;
  bool ShowTipResistance = true;
  bool ShowTotalCapacity = true;
  bool ShowUltimateEffectsValues = false;  // label each curve's largest value
  int ShowUltimateResults = 0;             // 0 ultimate curves, 1 ASD/LRFD curves
  double UltimateEffectsFactor = 1.0;
};

// Pan, zoom and rotation of the view.
struct TBlockViewState {
  QVector3D angles;  // degrees about the model's x, y and z axes
  double zoom = 1.0;
  QVector3D pan;     // model units
};

class TDlgBlock : public QWidget {
  Q_OBJECT

 public:
  TDlgBlock(TEditorHost& host, TMainPlots& plots, QWidget* parent = nullptr);
  ~TDlgBlock() override;

  TBlockOptions& Options() { return options_; }
  // Rebuilds the drawing after an option or the project changed, and repaints.
  void ApplyOptions();
  // Mouse mode: 1 pan, 2 zoom, 3 rotate, 4 zoom window; 0 does nothing.
  void SetMouseOption(int option);
  int MouseOption() const { return mouseOption_; }
  void ZoomIn();
  void ZoomOut();
  void RestartView();
  const TBlockViewState& ViewState() const { return state_; }
  const TBlockExtents& Extents() const { return extents_; }
  // The combined-plots options window (created on first request, then shown again).
  void ShowCombinedPlotsOptions();
  TDlgPileDiagrams* CombinedPlotsOptions() const;

  // The drawing control, or nullptr when OpenGL is not available (then Message() shows why).
  TglWindow* GLWindow() const { return gl_; }
  QLabel* Message() const { return message_; }

 private:
  void showNoOpenGL();
  void paintFrame();
  void setUp();
  void compileWaterAndSoil();
  void compileShaftAndCurves();
  void drawAxes();
  void drawZoomBox();
  void mouseDown();
  void mouseMove();
  void mouseUp();
  // A screen displacement (pixels, y up) turned into model units through the press snapshot.
  QVector3D toModel(double dx, double dy) const;

  TEditorHost& host_;
  TMainPlots& plots_;
  TglWindow* gl_ = nullptr;
  QLabel* message_ = nullptr;
  TBlockOptions options_;
  TBlockViewState state_;
  TShaftProfile profile_;
  TBlockExtents extents_;
  bool extentsKnown_ = false;
  double fitScale_ = 1.0;
  int mouseOption_ = 0;
  QMatrix4x4 snapshot_;
  // At the last press: pointer, view state, snapshot; the zoom-window drag.
  QPoint press_;
  TBlockViewState pressState_;
  QMatrix4x4 pressSnapshot_;
  QPoint boxCorner_;
  bool draggingBox_ = false;
  bool dragging_ = false;
  QPointer<TDlgPileDiagrams> pileDiagrams_;
};

}  // namespace talmo
