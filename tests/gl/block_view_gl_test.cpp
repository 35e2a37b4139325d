// The 3D view drawn by OpenGL (Mesa's software renderer under a virtual display): the example
// project after a run, its soil, shaft and curve colours in a rendered frame, and the mouse's
// pan, rotation and zoom window worked out by hand for the default view.
#include "BlockView.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QApplication>
#include <cmath>
#include <filesystem>

#include "GLWindow.h"
#include "MainWindow.h"
#include "engine/test_support.h"
#include "gui/fake_editor_host.h"

namespace talmo {
namespace {

namespace fs = std::filesystem;

struct RunProjectFixture {
  RunProjectFixture() {
    project = dir / "clay_over_sand.tm8d";
    fs::copy_file(fs::path(TALMO_EXAMPLES_DIR) / "clay_over_sand.tm8d", project);
    window.SetEngineLibrary(TALMO_DLL_PATH);
    window.resize(1000, 800);
    window.show();
    window.OpenFileName(QString::fromStdString(project.string()), kFilterCurrent);
    window.CompRunClick();
    window.ShowBlockView();
    view = window.BlockView();
    window.MdiArea()->activeSubWindow()->resize(640, 600);
    QApplication::processEvents();
  }
  ~RunProjectFixture() {
    window.Project().ResetChanged();
    window.CloseChildEditors();
    QDir::setCurrent(savedDir);
  }
  QImage frame() { return view->GLWindow()->grabFramebuffer(); }

  QString savedDir = QDir::currentPath();
  test::TempDir dir;
  fs::path project;
  TMainForm window{std::make_unique<testing::TFakeDialogs>()};
  TDlgBlock* view = nullptr;
};

// Pixels of the frame within `tolerance` of a colour on each channel.
int pixelsNear(const QImage& image, QColor colour, int tolerance) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
          std::abs(c.blue() - colour.blue()) <= tolerance)
        ++count;
    }
  return count;
}

TEST(BlockViewGL, RendersSoilShaftAndCurvesInTheirColours) {
  RunProjectFixture f;
  ASSERT_NE(f.view, nullptr);
  ASSERT_NE(f.view->GLWindow(), nullptr) << "no OpenGL under the virtual display";
  ASSERT_TRUE(f.window.Plots().ShowOutput);
  QImage image = f.frame();
  ASSERT_FALSE(image.isNull());
  const int all = image.width() * image.height();
  EXPECT_LT(pixelsNear(image, Qt::white, 0), all * 9 / 10);  // not blank
  // The first layer's face, (0.8, 0.55, 0) at alpha 0.5 over the white background.
  EXPECT_GT(pixelsNear(image, QColor(230, 198, 128), 3), 100);

  // Layer names and depths are written in black over the frame.
  const int darkBefore = pixelsNear(image, Qt::black, 40);
  f.view->Options().ShowSoilLayerLabels = true;
  f.view->Options().ShowSoilLayerDepthLabels = true;
  f.view->ApplyOptions();
  EXPECT_GT(pixelsNear(f.frame(), Qt::black, 40), darkBefore + 100);

  // Without the soil the dark gray shaft shows as it is, and the curves once asked for (the
  // axes go too: their depth axis is red).
  f.view->Options().ShowSoilLayers = false;
  f.view->Options().ShowWaterLevel = false;
  f.view->Options().ShowLocalAxes = false;
  f.view->Options().ShowUltimateEffects = true;
  f.view->ApplyOptions();
  image = f.frame();
  EXPECT_GT(pixelsNear(image, QColor(64, 64, 64), 2), 100);
  EXPECT_GT(pixelsNear(image, QColor(255, 0, 0), 2), 20);  // skin friction
  EXPECT_GT(pixelsNear(image, QColor(0, 0, 255), 2), 20);  // total capacity

  // All three curves switched off: no red any more, even with the curves shown.
  f.view->Options().ShowSkinFriction = f.view->Options().ShowTipResistance = f.view->Options().ShowTotalCapacity =
      false;
  f.view->ApplyOptions();
  EXPECT_EQ(pixelsNear(f.frame(), QColor(255, 0, 0), 2), 0);
}

void drag(TglWindow* gl, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent press(QEvent::MouseButtonPress, from, gl->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton, modifiers);
  QApplication::sendEvent(gl, &press);
  QMouseEvent move(QEvent::MouseMove, to, gl->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, modifiers);
  QApplication::sendEvent(gl, &move);
  QMouseEvent release(QEvent::MouseButtonRelease, to, gl->mapToGlobal(to), Qt::LeftButton, Qt::NoButton, modifiers);
  QApplication::sendEvent(gl, &release);
}

TEST(BlockViewGL, MouseRotatesPansAndZoomsToAWindow) {
  RunProjectFixture f;
  TglWindow* gl = f.view->GLWindow();
  ASSERT_NE(gl, nullptr);
  f.frame();  // the default view's snapshot
  const double w = gl->width(), h = gl->height();
  const TBlockExtents e = f.view->Extents();
  const double fit = BlockFitScale(e, int(w), int(h));

  // Shift keeps the dominant horizontal part: seen from the front, the screen's vertical
  // axis is the model's z axis, so only the angle about z changes, by 60 x 90 / width.
  f.view->SetMouseOption(3);
  drag(gl, {100, 100}, {160, 110}, Qt::ShiftModifier);
  EXPECT_NEAR(f.view->ViewState().angles.x(), 0, 1e-4);
  EXPECT_NEAR(f.view->ViewState().angles.y(), 0, 1e-4);
  EXPECT_NEAR(f.view->ViewState().angles.z(), 60 * 90 / w, 1e-3);
  drag(gl, {100, 100}, {160, 110});  // without Shift both parts turn the model
  EXPECT_GT(std::fabs(f.view->ViewState().angles.x()), 1e-3);
  f.view->RestartView();

  // Panning 50 pixels to the right moves the model 50 / fit model units along x.
  f.frame();
  f.view->SetMouseOption(1);
  drag(gl, {100, 100}, {150, 100});
  EXPECT_NEAR(f.view->ViewState().pan.x(), 50 / fit, 1e-4);
  EXPECT_NEAR(f.view->ViewState().pan.z(), 0, 1e-4);

  // A zoom window of no height leaves the view as it was; a real one zooms by the smaller
  // of height / box height and width / box width.
  f.view->RestartView();
  f.frame();
  f.view->SetMouseOption(4);
  drag(gl, {100, 100}, {200, 100});
  EXPECT_DOUBLE_EQ(f.view->ViewState().zoom, 1);
  EXPECT_FLOAT_EQ(f.view->ViewState().pan.x(), 0);
  drag(gl, {100, 100}, {200, 150});
  EXPECT_NEAR(f.view->ViewState().zoom, std::min(h / 50, w / 100), 1e-9);
}

// An edit of the profile while the view is open reaches the box at the next rebuild: the depth
// of the box is the bottom of the last layer.
TEST(BlockViewGL, TheBoxFollowsAnEditedProfile) {
  RunProjectFixture f;
  f.frame();
  TGridTable& d = f.window.Tables().D();
  const int last = d.RowCount() - 1;
  const double bottom = d.GetFloatValue(kLayerDepth, last);
  EXPECT_DOUBLE_EQ(f.view->Extents().Zmax, bottom);
  d.SetFloatValue(kLayerDepth, last, bottom + 20);
  f.view->ApplyOptions();
  f.frame();
  EXPECT_DOUBLE_EQ(f.view->Extents().Zmax, bottom + 20);
}

}  // namespace
}  // namespace talmo
