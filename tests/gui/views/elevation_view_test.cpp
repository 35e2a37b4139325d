// The elevation view as a user sees it: the shaft parts in their colours at their depths, the
// depth read-out, edits shown on the next paint, a printed PDF page, and the main window's
// command that opens one view and reuses it.
#include "ElevationView.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include "MainWindow.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"
#include "gui/views/view_fixture.h"

namespace talmo {
namespace {

struct ElevationFixture {
  ElevationFixture() {
    testing::MakeFourLayerBelledProject(host.project);
    view.Canvas()->setFixedSize(400, 600);
    view.show();
  }
  // Colour of the drawing at model depth `depth` on the shaft axis.
  QColor onAxis(const QImage& image, double depth) const {
    // Extent 7.5 ft across (bell 2.5 x 3) and 66 ft down (6 + 60): the 400 x 600 area
    // maps the 66 ft onto its height, 600 / 66 pixels per ft.
    const int row = static_cast<int>((depth + 6) * 600 / 66);
    return image.pixelColor(200, row);
  }
  testing::TFakeHost host;
  TDlgSideView view{host};
};

TEST(ElevationView, DrawsTheShaftPartsInTheirColoursAtTheirDepths) {
  ElevationFixture f;
  auto window = f.view.ModelWindow();
  ASSERT_TRUE(window);
  EXPECT_NEAR(window->Bottom, 66, 1e-9);
  const QImage image = f.view.Canvas()->grab().toImage();
  EXPECT_EQ(f.onAxis(image, -3), QColor(Qt::white));         // above the ground
  EXPECT_EQ(f.onAxis(image, 2.5), QColor(255, 0, 0));        // excluded top, 0 to 5 ft
  EXPECT_EQ(f.onAxis(image, 25), QColor(128, 128, 128));     // effective shaft, 5 to 39.75 ft
  EXPECT_EQ(f.onAxis(image, 41.25), QColor(0, 0, 255));      // excluded bottom, 39.75 to 42.75 ft
  EXPECT_EQ(f.onAxis(image, 44), QColor(128, 128, 128));     // bell, 42.75 to 45 ft

  // An edit of the shaft shows on the next paint: no excluded bottom any more.
  f.host.project.BS = 0;
  EXPECT_EQ(f.onAxis(f.view.Canvas()->grab().toImage(), 41.25), QColor(128, 128, 128));
}

TEST(ElevationView, ReadsOutTheDepthUnderThePointer) {
  ElevationFixture f;
  // Row 300 of 600 is y = 33 ft in the model, 27 ft below the ground.
  QMouseEvent move(QEvent::MouseMove, QPointF(100, 300), f.view.Canvas()->mapToGlobal(QPointF(100, 300)),
                   Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(f.view.Canvas(), &move);
  EXPECT_EQ(f.view.windowTitle(), "  Depth: 27.0");
}

TEST(ElevationView, PrintsALandscapePdfPageAndAnEmptyProfileDrawsNothing) {
  ElevationFixture f;
  QTemporaryDir dir;
  const QString pdf = dir.filePath("profile.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  f.view.PrintOn(printer);
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(4) == "%PDF");
  EXPECT_GT(file.size(), 2000);
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_EQ(printer.docName(), "Soil-Pile Profile");

  f.host.project.DSTART = 0;
  f.host.project.PD = 0;
  for (int i = 0; i < 4; ++i) f.host.project.Tables().D().SetFloatValue(kLayerDepth, i, 0);
  EXPECT_FALSE(f.view.ModelWindow());
  f.view.Canvas()->grab();  // paints nothing, no failure
}

TEST(ElevationView, MainWindowOpensOneViewAndReusesIt) {
  TMainForm window(std::make_unique<testing::TFakeDialogs>());
  window.show();
  QAction* command = window.ActionNamed("View Shaft Elevation");
  ASSERT_NE(command, nullptr);
  EXPECT_TRUE(command->isEnabled());
  EXPECT_TRUE(window.ActionNamed("tool:View Soil Profile")->isEnabled());
  command->trigger();
  command->trigger();
  ASSERT_NE(window.SideViewWindow(), nullptr);
  EXPECT_EQ(window.MdiArea()->subWindowList().size(), 1);
  EXPECT_EQ(window.MdiArea()->activeSubWindow(), window.SideViewWindow());
  window.Project().ResetChanged();
}

}  // namespace
}  // namespace talmo
