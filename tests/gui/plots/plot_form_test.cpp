// Plot windows as a user drives them: the example project run through the main window, every
// enabled plot opened, zoomed with the mouse, a curve toggled from the legend, the plot saved
// as PNG, BMP and SVG and printed to a PDF file; and the four dialogs of the plot window.
#include "PlotForm.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTest>
#include <filesystem>

#include "ActiveLinesDialog.h"
#include "GraphCaptionDialog.h"
#include "LineNamesDialog.h"
#include "MainWindow.h"
#include "SaveAttributesDialog.h"
#include "engine/test_support.h"
#include "gui/fake_editor_host.h"
#include "gui/gui_support.h"

namespace talmo {
namespace {

namespace fs = std::filesystem;

// A depth plot of `lines` straight curves from (0, 0) to (100 + 10 i, 40).
void FillLines(TGraphPlot& plot, int lines) {
  plot.Caption = "Test plot";
  plot.XCaption = "Load";
  plot.XUnits = "F2";
  plot.YCaption = "Depth";
  plot.YUnits = "L2";
  plot.SetLineCount(lines);
  plot.SetCount(2);
  for (int i = 0; i < lines; ++i) plot.Data(i, 1) = {100.0 + 10 * i, 40};
}

// True when a dark pixel lies within one pixel of (x, y).
bool DarkNear(const QImage& image, TPixelPoint at) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (qGray(image.pixel(at.x + dx, at.y + dy)) < 100) return true;
  return false;
}

struct PlotFixture {
  PlotFixture(int lines = 3) {
    FillLines(plot, lines);
    form = std::make_unique<TPlotForm>(plot, dialogs);
    form->resize(900, 600);
    form->show();
    QApplication::processEvents();
  }
  testing::TFakeDialogs dialogs;
  TGraphPlot plot;
  std::unique_ptr<TPlotForm> form;
};

TEST(PlotForm, RunTheExampleAndOpenZoomSaveAndPrintEveryPlot) {
  const QString savedDir = QDir::currentPath();
  test::TempDir dir;
  const fs::path project = dir / "clay_over_sand.tm8d";
  fs::copy_file(fs::path(TALMO_EXAMPLES_DIR) / "clay_over_sand.tm8d", project);
  auto window = std::make_unique<TMainForm>(std::make_unique<testing::TFakeDialogs>());
  window->SetEngineLibrary(TALMO_DLL_PATH);
  window->show();
  window->OpenFileName(QString::fromStdString(project.string()), kFilterCurrent);
  window->CompRunClick();
  ASSERT_TRUE(window->Plots().ShowOutput);
  window->UpdateMenuStates();

  // Every plot with data opens from its item; the design charts of a project without them
  // stay hidden.
  int opened = 0;
  for (TGraphPlot* plot : window->Plots().All()) {
    QAction* item = window->PlotAction(*plot);
    ASSERT_NE(item, nullptr) << plot->Caption;
    if (!item->isEnabled()) continue;
    EXPECT_TRUE(plot->HasSomethingToDraw()) << plot->Caption;
    item->trigger();
    TPlotForm* form = window->PlotWindow(*plot);
    ASSERT_NE(form, nullptr) << plot->Caption;
    EXPECT_TRUE(plot->FormExists);
    ++opened;
  }
  EXPECT_GE(opened, 12);
  EXPECT_FALSE(window->PlotAction(window->Plots().PltChart[0])->isVisible());
  EXPECT_TRUE(window->ActionNamed("tool:Combined Plot (Ultimate)")->isEnabled());

  // Showing an open plot again brings the same window forward; its "&Plot" menu is merged.
  TGraphPlot& combined = window->Plots().pltCombine;
  const auto windows = window->MdiArea()->subWindowList().size();
  window->ActionNamed("tool:Combined Plot (Ultimate)")->trigger();
  EXPECT_EQ(window->MdiArea()->subWindowList().size(), windows);
  TPlotForm* form = window->PlotWindow(combined);
  ASSERT_NE(form, nullptr);
  EXPECT_EQ(window->MdiArea()->activeSubWindow()->widget(), form);
  EXPECT_TRUE(window->menuBar()->actions().contains(form->PlotMenu()->menuAction()));
  EXPECT_EQ(combined.ShowLayers, false);
  EXPECT_TRUE(form->MenuAction("Show Soil Layer")->isVisible());  // the example has two layers
  form->SetShowLayers(true);

  // Zoom in with a rubber band, then out with right clicks back to the full range.
  QApplication::processEvents();
  const TPixelRect g = form->DrawWindow().GraphArea;
  const TFloatRect full = form->MaxLogicBounds();
  QTest::mousePress(form, Qt::LeftButton, {}, QPoint(g.left + 50, g.top + 40));
  QTest::mouseMove(form, QPoint(g.left + 200, g.top + 200));
  QTest::mouseRelease(form, Qt::LeftButton, {}, QPoint(g.left + 200, g.top + 200));
  const TFloatRect zoomed = form->LogicBounds();
  EXPECT_LT(zoomed.Right - zoomed.Left, full.Right - full.Left);
  EXPECT_LT(zoomed.Top, zoomed.Bottom);  // depth still grows downward
  for (int i = 0; i < 8; ++i) QTest::mouseClick(form, Qt::RightButton, {}, QPoint(g.left + 10, g.top + 10));
  EXPECT_DOUBLE_EQ(form->LogicBounds().Right, full.Right);
  EXPECT_DOUBLE_EQ(form->LogicBounds().Bottom, full.Bottom);

  // The pointer read-out goes into the title.
  QTest::mouseMove(form, QPoint(g.left, g.top));
  EXPECT_TRUE(form->windowTitle().startsWith(QString::fromStdString(combined.Caption) + " X: "))
      << form->windowTitle().toStdString();

  // Images of the plot, each of the asked size.
  for (const char* name : {"plot.png", "plot.bmp"}) {
    const QString file = QString::fromStdString((dir / name).string());
    EXPECT_EQ(form->SaveImage(file, QSize(432, 288), 72), "");
    EXPECT_EQ(QImage(file).size(), QSize(432, 288)) << name;
  }
  const QString svg = QString::fromStdString((dir / "plot.svg").string());
  EXPECT_EQ(form->SaveImage(svg, QSize(600, 400), 100), "");
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  EXPECT_EQ(renderer.viewBox(), QRect(0, 0, 600, 400));
  // An image too large to hold is refused with the memory message, and nothing is written.
  const QString huge = QString::fromStdString((dir / "huge.png").string());
  EXPECT_EQ(form->SaveImage(huge, QSize(100000, 100000), 72), "There is not enough memory to complete this task.");
  EXPECT_FALSE(QFile::exists(huge));

  // Printing to a PDF file needs no printer; the window keeps its range and layout.
  const TDrawArea screen = form->DrawWindow();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  const QString pdf = QString::fromStdString((dir / "plot.pdf").string());
  printer.setOutputFileName(pdf);
  form->PrintTo(printer);
  QFile printed(pdf);
  ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
  EXPECT_TRUE(printed.read(5) == "%PDF-");
  EXPECT_EQ(form->DrawWindow().GraphArea, screen.GraphArea);
  EXPECT_TRUE(form->MenuAction("Print...")->isEnabled());

  // Menu rules: no bound curves without a soil tip; chart items follow the defined settlements.
  TProgramData& p = window->Project();
  p.ID2 = 0;
  p.IChart = 1;
  p.NPOINTPD = 2;
  p.PDSETT[0] = 0.25;
  p.IPENT = 1;
  window->UpdateMenuStates();
  EXPECT_FALSE(window->PlotAction(window->Plots().pltUpper)->isEnabled());
  EXPECT_TRUE(window->PlotAction(window->Plots().pltAxial)->isEnabled());
  EXPECT_EQ(window->PlotAction(window->Plots().PltChart[0])->text(), "Design Chart (0.25-in movement)");
  EXPECT_TRUE(window->PlotAction(window->Plots().PltChart[1])->isVisible());
  EXPECT_FALSE(window->PlotAction(window->Plots().PltChart[2])->isVisible());
  EXPECT_EQ(window->PlotAction(combined)->text(), "C&ombined Plots vs Depth (Initial Length)");
  // A new project has no results: every plot item and result button is disabled.
  EXPECT_TRUE(window->FileNewClick());
  EXPECT_FALSE(window->PlotAction(window->Plots().pltTotal)->isEnabled());
  EXPECT_FALSE(window->ActionNamed("tool:Load vs. Settlement")->isEnabled());
  EXPECT_EQ(window->PlotWindow(combined), nullptr);

  window->Project().ResetChanged();
  window.reset();  // closes the plot windows before the plots go
  QDir::setCurrent(savedDir);
}

TEST(PlotForm, LegendDoubleClickHidesTheCurveAndTheDrawingFollows) {
  PlotFixture f;
  TPlotLegend* legend = f.form->Legend();
  ASSERT_EQ(legend->EntryCount(), 3);
  EXPECT_EQ(legend->EntryText(0), "Curve #1");
  QTest::mouseDClick(legend, Qt::LeftButton, {}, QPoint(6, 1 + legend->EntryHeight() / 2));
  EXPECT_FALSE(f.plot.Lines(0).Visible);
  EXPECT_FALSE(f.form->MenuAction("Curve #1")->isChecked());
  f.form->MenuAction("Curve #1")->trigger();  // the curve menu entry turns it on again
  EXPECT_TRUE(f.plot.Lines(0).Visible);

  // The first curve runs from (0, 0) to (100, 40) in black: a point on it is dark in an
  // image, and white once the curve is hidden. x range 0..120 (step 10), depth 0..40.
  const QString file = QDir::temp().filePath("talmo-legend-test.png");
  ASSERT_EQ(f.form->SaveImage(file, QSize(800, 600), 96), "");
  const TDrawArea area = BitmapLayout(800, 600, 96, TLayoutOptions::Of(f.plot, BaseFontHeight(96)));
  const TPixelPoint onCurve = ToScreen(area, f.form->LogicBounds(), true, 37, 14.8);
  EXPECT_TRUE(DarkNear(QImage(file), onCurve));
  f.form->ToggleLine(0);
  ASSERT_EQ(f.form->SaveImage(file, QSize(800, 600), 96), "");
  EXPECT_FALSE(DarkNear(QImage(file), onCurve));
  QFile::remove(file);
}

TEST(PlotForm, ActiveCurvesAndNamesKeepLegendAndMenuInStep) {
  PlotFixture f(25);
  // A plot of 25 curves opens with the first 20 active.
  EXPECT_EQ(f.form->Legend()->EntryCount(), 20);
  EXPECT_FALSE(f.plot.Lines(20).Active);

  // Deactivating the first curve moves every later curve up one legend place.
  QList<bool> active(25, true);
  active[0] = false;
  f.form->ApplyActive(active);
  EXPECT_EQ(f.form->Legend()->EntryCount(), 24);
  EXPECT_EQ(f.form->Legend()->EntryText(0), "Curve #2");
  EXPECT_EQ(f.form->Legend()->EntryLine(0), 1);
  // Renaming the third curve while the first is inactive changes its own entry.
  QStringList names;
  for (int i = 0; i < 25; ++i) names << QString::fromStdString(f.plot.Lines(i).LineName());
  names[2] = "Dia=4 ft";
  f.form->ApplyNames(names);
  EXPECT_EQ(f.form->Legend()->EntryText(1), "Dia=4 ft");
  EXPECT_NE(f.form->MenuAction("Dia=4 ft"), nullptr);
  // Deactivating everything leaves an empty legend and no curve entries; all back again.
  f.form->ApplyActive(QList<bool>(25, false));
  EXPECT_EQ(f.form->Legend()->EntryCount(), 0);
  EXPECT_EQ(f.form->MenuAction("Dia=4 ft"), nullptr);
  f.form->ApplyActive(QList<bool>(25, true));
  EXPECT_EQ(f.form->Legend()->EntryCount(), 25);
}

TEST(PlotForm, CaptionAndFontSizeRelayoutTheWindow) {
  PlotFixture f;
  const int top = f.form->DrawWindow().GraphArea.top;
  TfrmGraphCaption dialog;
  f.plot.UserCaption = "Design chart";
  f.plot.UserCaptionOnTop = true;
  dialog.LoadFrom(f.plot);
  EXPECT_TRUE(dialog.rbTop->isChecked());
  dialog.edtCaption->clear();  // an empty caption removes the title and its room
  dialog.StoreInto(f.plot);
  EXPECT_EQ(f.plot.UserCaption, "");
  f.form->SetSizeFont(20);
  // Font 2x: H = 28, so the graph starts 2H + 12 + 3 = 71 from the top instead of 41.
  EXPECT_EQ(top, 41);
  EXPECT_EQ(f.form->DrawWindow().GraphArea.top, 71);
}

TEST(PlotFormDialogs, SaveAttributesSizesTheImage) {
  TdlgFormat dialog;
  EXPECT_EQ(dialog.PixelsPerInch(), 72);
  EXPECT_EQ(dialog.PixelSize(), QSize(432, 288));  // 6 x 4 in at 72 ppi
  dialog.dePPI->SetNumber(150);
  dialog.deWidth->SetNumber(6.5);
  EXPECT_EQ(dialog.PixelSize(), QSize(975, 600));
  // An inch is below the 2-inch minimum: refused, and the field comes back at 2.
  QStringList messages;
  dialog.deHeight->SetMessageHandler([&](QWidget*, const QString& text) { messages << text; });
  dialog.deHeight->setText("1");
  EXPECT_FALSE(dialog.deHeight->Evaluate());
  EXPECT_FALSE(messages.isEmpty());
}

TEST(PlotFormDialogs, LegendNamesRefuseAnEmptyName) {
  testing::TFakeDialogs dialogs;
  TfrmLineNames dialog({"Curve #1", "Curve #2"}, dialogs);
  EXPECT_EQ(dialog.edLine->text(), "Curve #1");
  dialog.lbLines->setCurrentRow(1);
  EXPECT_EQ(dialog.edLine->text(), "Curve #2");
  EXPECT_EQ(dialog.edLine->palette().color(QPalette::Text), QColor(0, 0, 255));  // palette entry 1
  dialog.edLine->clear();
  EXPECT_FALSE(dialog.StoreEdit());
  EXPECT_EQ(dialogs.messages.value(0), "The line must have a name!");
  EXPECT_EQ(dialog.edLine->text(), "Curve #2");
  dialog.edLine->setText("L = 40 ft");
  EXPECT_TRUE(dialog.StoreEdit());
  EXPECT_EQ(dialog.Names(), (QStringList{"Curve #1", "L = 40 ft"}));
}

TEST(PlotFormDialogs, ActiveCurvesToggleTheSelection) {
  TfrmActiveLines dialog({"A", "B", "C"}, {true, false, true});
  EXPECT_EQ(dialog.lbLines->item(1)->text(), " no  :    B");
  dialog.lbLines->item(0)->setSelected(true);
  dialog.lbLines->item(1)->setSelected(true);
  dialog.ToggleSelected();
  EXPECT_EQ(dialog.Active(), (QList<bool>{false, true, true}));
  EXPECT_EQ(dialog.lbLines->item(1)->text(), " yes :    B");
  dialog.SetAll(false);
  EXPECT_EQ(dialog.Active(), (QList<bool>{false, false, false}));
}

}  // namespace
}  // namespace talmo
