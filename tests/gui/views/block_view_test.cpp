// The 3D view without OpenGL (the offscreen platform has none): its message instead of a
// crash, the main window's "Show 3D View" menu and navigation controls while the view
// exists, and the combined-plots options window.
#include "BlockView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QRadioButton>
#include <QTest>

#include "GLWindow.h"
#include "MainWindow.h"
#include "PileDiagrams.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"
#include "gui/views/view_fixture.h"

namespace talmo {
namespace {

// Every view of these tests is built as on a machine without OpenGL.
struct NoOpenGL {
  NoOpenGL() { TglWindow::ForceContextAvailable(false); }
  ~NoOpenGL() { TglWindow::ForceContextAvailable(std::nullopt); }
};

bool shows(QWidget& window, const QString& text) {
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->isVisibleTo(&window) && label->text().contains(text)) return true;
  return false;
}

TEST(BlockView, WithoutOpenGLShowsAMessageInsteadOfTheDrawing) {
  NoOpenGL noOpenGL;
  testing::TFakeHost host;
  TMainPlots plots;
  testing::MakeFourLayerBelledProject(host.project);
  TDlgBlock view(host, plots);
  view.show();
  EXPECT_EQ(view.GLWindow(), nullptr);
  ASSERT_NE(view.Message(), nullptr);
  EXPECT_TRUE(view.Message()->text().contains("OpenGL"));
  // The view's state keeps working for the controls.
  view.ApplyOptions();
  view.ZoomIn();
  view.ZoomOut();
  EXPECT_NEAR(view.ViewState().zoom, 1, 1e-9);
  EXPECT_DOUBLE_EQ(view.Extents().G, 37.5);  // 12.5 D: the water at 12 ft is nearer
  EXPECT_DOUBLE_EQ(view.Extents().Zmax, 60);
}

TEST(BlockView, PlatformWithoutOpenGLNeverCrashes) {
  // Whatever this platform offers, the view shows either the drawing or the message.
  testing::TFakeHost host;
  TMainPlots plots;
  TDlgBlock view(host, plots);
  view.show();
  QApplication::processEvents();
  EXPECT_NE(view.GLWindow() == nullptr, view.Message() == nullptr);
}

TEST(BlockView, MainWindowShowsTheMenuAndNavigationOnlyWhileTheViewExists) {
  NoOpenGL noOpenGL;
  TMainForm window(std::make_unique<testing::TFakeDialogs>());
  window.show();
  const QStringList tools = {"Panning", "Zooming", "Rotating", "Zoom Window", "Zoom In", "Zoom Out", "Restart View"};
  EXPECT_FALSE(window.Show3DMenu()->menuAction()->isVisible());
  for (const QString& tool : tools) EXPECT_FALSE(window.ActionNamed("tool:" + tool)->isVisible()) << tool.toStdString();
  ASSERT_TRUE(window.ActionNamed("3D View")->isEnabled());
  window.ActionNamed("tool:3D View")->trigger();
  TDlgBlock* view = window.BlockView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(window.Show3DMenu()->menuAction()->isVisible());
  for (const QString& tool : tools) EXPECT_TRUE(window.ActionNamed("tool:" + tool)->isVisible()) << tool.toStdString();

  // The menu's switches follow the view's options; layer labels need the soil layers.
  emit window.Show3DMenu()->aboutToShow();
  EXPECT_TRUE(window.ActionNamed("Soil Layers")->isChecked());
  EXPECT_TRUE(window.ActionNamed("Layer Labels")->isEnabled());
  EXPECT_FALSE(window.ActionNamed("Combined Plots")->isEnabled());  // no run yet
  window.ActionNamed("Soil Layers")->trigger();
  EXPECT_FALSE(view->Options().ShowSoilLayers);
  EXPECT_FALSE(window.ActionNamed("Layer Labels")->isEnabled());
  EXPECT_FALSE(window.ActionNamed("Layer Depths")->isEnabled());
  window.ActionNamed("Layer Depths")->trigger();  // a disabled item does nothing
  EXPECT_FALSE(view->Options().ShowSoilLayerDepthLabels);

  window.ActionNamed("tool:Rotating")->trigger();
  EXPECT_EQ(view->MouseOption(), 3);
  window.ActionNamed("tool:Zoom In")->trigger();
  EXPECT_NEAR(view->ViewState().zoom, 1.4142, 1e-12);
  window.ActionNamed("tool:Restart View")->trigger();
  EXPECT_EQ(view->ViewState().zoom, 1);

  window.ActionNamed("3D View")->trigger();  // reused, not a second view
  EXPECT_EQ(window.BlockView(), view);
  EXPECT_EQ(window.MdiArea()->subWindowList().size(), 1);

  window.MdiArea()->activeSubWindow()->close();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(window.BlockView(), nullptr);
  EXPECT_FALSE(window.Show3DMenu()->menuAction()->isVisible());
  for (const QString& tool : tools) EXPECT_FALSE(window.ActionNamed("tool:" + tool)->isVisible()) << tool.toStdString();
  window.Project().ResetChanged();
}

TEST(CombinedPlotsOptions, SwitchesApplyAtOnceAndTheSizeFactorSteps) {
  NoOpenGL noOpenGL;
  testing::TFakeHost host;
  TMainPlots plots;
  QWidget mainWindow;
  mainWindow.resize(800, 600);
  TDlgBlock view(host, plots, &mainWindow);
  view.ShowCombinedPlotsOptions();
  TDlgPileDiagrams* options = view.CombinedPlotsOptions();
  ASSERT_NE(options, nullptr);
  auto* showPlots = testing::Control<QCheckBox>(*options, "Show Plots");
  auto* skin = testing::Control<QCheckBox>(*options, "Skin Friction");
  EXPECT_FALSE(showPlots->isChecked());
  EXPECT_FALSE(skin->isEnabled());  // everything waits for "Show Plots"
  showPlots->click();
  EXPECT_TRUE(view.Options().ShowUltimateEffects);
  EXPECT_TRUE(skin->isEnabled());
  skin->click();
  EXPECT_FALSE(view.Options().ShowSkinFriction);
  testing::Control<QRadioButton>(*options, "ASD/LRFD Effects")->click();
  EXPECT_EQ(view.Options().ShowUltimateResults, 1);

  TSizeFactorBox* size = options->SizeFactor();
  size->stepBy(-1);
  EXPECT_DOUBLE_EQ(view.Options().UltimateEffectsFactor, 0.9);
  EXPECT_EQ(size->text(), QLocale().toString(0.9, 'g', QLocale::FloatingPointShortest));
  size->stepBy(1);
  size->stepBy(1);
  EXPECT_DOUBLE_EQ(view.Options().UltimateEffectsFactor, 2);
  QLineEdit* edit = size->findChild<QLineEdit*>();
  testing::Type(edit, "2x");  // not a number: the factor stays, the window says why
  EXPECT_DOUBLE_EQ(view.Options().UltimateEffectsFactor, 2);
  EXPECT_TRUE(shows(*options, "\"2x\" is not a number"));
  testing::Type(edit, "5");
  EXPECT_DOUBLE_EQ(view.Options().UltimateEffectsFactor, 5);

  showPlots->click();  // off again: the curves go and the controls wait
  EXPECT_FALSE(view.Options().ShowUltimateEffects);
  EXPECT_FALSE(size->isEnabled());

  options->close();  // freed; the next request makes a new one
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(view.CombinedPlotsOptions(), nullptr);
  view.ShowCombinedPlotsOptions();
  EXPECT_NE(view.CombinedPlotsOptions(), nullptr);
}

}  // namespace
}  // namespace talmo
