#include "PlotForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRubberBand>
#include <QSvgGenerator>

#include "ActiveLinesDialog.h"
#include "GraphCaptionDialog.h"
#include "LineNamesDialog.h"
#include "SaveAttributesDialog.h"
#include "UserDialogs.h"

namespace talmo {

namespace {

constexpr int kScreenFontHeight = 14;  // the window's base font, Times New Roman 14 pixels
constexpr int kMaxActiveAtOpen = 20;
// Images beyond this many pixels are refused rather than left to fail half-way.
constexpr double kMaxImagePixels = 400e6;
const char* const kNoMemory = "There is not enough memory to complete this task.";

QString Plain(QString text) { return text.remove('&'); }

// The on-screen legend's font: the plot's legend size scaled by its font-size factor (tenths).
QFont LegendFontOf(const TGraphPlot& plot) {
  QFont font("Times New Roman");
  font.setStyleHint(QFont::Serif);
  font.setPointSize(std::max(1, plot.LegendFont * plot.SizeFont / 10));
  return font;
}

}  // namespace

// ---------------------------------------------------------------- legend

TPlotLegend::TPlotLegend(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(false);
  setCursor(Qt::SizeAllCursor);
}

void TPlotLegend::SetEntries(const QList<QPair<QString, int>>& entries, const TGraphPlot& plot) {
  entries_ = entries;
  plot_ = &plot;
  FitSize();
  update();
}

int TPlotLegend::EntryHeight() const { return fontMetrics().height() * 5 / 4; }

void TPlotLegend::FitSize() {
  int widest = 0;
  for (const auto& entry : entries_) widest = std::max(widest, fontMetrics().horizontalAdvance(entry.first + " *"));
  resize(std::max(21, widest + logicalDpiX() / 4), EntryHeight() * static_cast<int>(entries_.size()) + 3);
}

void TPlotLegend::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  for (int k = 0; k < entries_.size(); ++k) {
    const int line = entries_[k].second;
    const bool visible = plot_ && line < plot_->LineCount() && plot_->Lines(line).Visible;
    p.setPen(QColor::fromRgb(static_cast<QRgb>(PaletteColour(k))));
    p.drawText(QRect(4, 1 + k * EntryHeight(), width() - 4, EntryHeight()), Qt::AlignVCenter | Qt::AlignLeft,
               entries_[k].first + (visible ? " *" : ""));
  }
}

void TPlotLegend::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragging_ = true;
  dragPoint_ = event->position().toPoint();
}

void TPlotLegend::MoveInside(QPoint to) {
  if (parentWidget() == nullptr) return;
  const QSize room = parentWidget()->size() - size();
  to.setX(std::clamp(to.x(), 0, std::max(0, room.width())));
  to.setY(std::clamp(to.y(), 0, std::max(0, room.height())));
  move(to);
}

void TPlotLegend::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || parentWidget() == nullptr) return;
  MoveInside(mapToParent(event->position().toPoint() - dragPoint_));
  emit movedByUser();
}

void TPlotLegend::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void TPlotLegend::mouseDoubleClickEvent(QMouseEvent* event) {
  const int k = (event->position().toPoint().y() - 1) / std::max(1, EntryHeight());
  if (k >= 0 && k < entries_.size()) emit lineToggled(entries_[k].second);
}

// ---------------------------------------------------------------- window

TPlotForm::TPlotForm(TGraphPlot& plot, TUserDialogs& dialogs, QWidget* parent)
    : QWidget(parent), plot_(plot), dialogs_(dialogs) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setMinimumSize(200, 150);
  setWindowTitle(QString::fromStdString(plot.Caption));
  logicBounds_ = maxLogicBounds_ = AutoScale(plot);
  for (int i = 0; i < plot.LineCount(); ++i)
    plot.Lines(i).Active = !(plot.LimitActive && i >= kMaxActiveAtOpen);
  legend_ = new TPlotLegend(this);
  legend_->setFont(LegendFontOf(plot));
  connect(legend_, &TPlotLegend::lineToggled, this, &TPlotForm::ToggleLine);
  connect(legend_, &TPlotLegend::movedByUser, this, [this] { legendMovedByUser_ = true; });
  legendAtOpen_ = plot.HasSomethingToDraw() && plot.ShowLegend;
  band_ = new QRubberBand(QRubberBand::Rectangle, this);
  buildMenu();
  rebuildCurves();
  legend_->setVisible(legendAtOpen_);
  resize(900, 600);
  relayout(true);
}

QAction* TPlotForm::MenuAction(const QString& text) const {
  for (QAction* action : menu_->findChildren<QAction*>())
    if (Plain(action->text()) == text) return action;
  return nullptr;
}

void TPlotForm::buildMenu() {
  menu_ = new QMenu("&Plot", this);
  auto checkable = [this](QMenu* menu, const QString& text, std::function<void(bool)> handler) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  checkable(menu_, "Show &Legend", [this](bool on) { SetShowLegend(on); })->setVisible(legendAtOpen_);
  checkable(menu_, "Show &Soil Layer", [this](bool on) { SetShowLayers(on); })
      ->setVisible(plot_.LayerLineCount() > 0);
  checkable(menu_, "Show &Wall Geometry", [this](bool on) {
    plot_.ShowWall = on;
    update();
  })->setVisible(plot_.WallLineCount > 0);
  // Radio submenus: each entry sets a number of the plot.
  auto radio = [this](const QString& title, std::initializer_list<std::pair<const char*, int>> entries,
                      std::function<void(int)> apply) {
    QMenu* sub = menu_->addMenu(title);
    auto* group = new QActionGroup(sub);
    for (const auto& [text, value] : entries) {
      QAction* action = sub->addAction(text);
      action->setCheckable(true);
      action->setData(value);
      group->addAction(action);
      connect(action, &QAction::triggered, this, [apply, value = value] { apply(value); });
    }
    return sub;
  };
  radio("Show &Markers",
        {{"&Never", 0}, {"Every &Increment", 1}, {"Every &2 Increments", 2}, {"Every &3 Incrments", 3},
         {"Every &5 Increments", 5}, {"Every &10 Incements", 10}},
        [this](int n) {
          plot_.Markers = n;
          update();
        });
  QMenu* font = radio("&Font Size",
                      {{"&Default", 10}, {"1.5 * Default", 15}, {"2 * Default", 20}, {"2.5 * Default", 25},
                       {"3 * Default", 30}, {"4 * Default", 40}},
                      [this](int f) { SetSizeFont(f); });
  QMenu* width = radio("&Line Width", {{"&Default", 1}, {"2 * Default", 2}, {"4 * Default", 4}, {"6 * Default", 6},
                                       {"10 * Default", 10}},
                       [this](int w) {
                         plot_.WidthLine = w;
                         update();
                       });
  font->menuAction()->setVisible(plot_.ShowFontWidth);
  width->menuAction()->setVisible(plot_.ShowFontWidth);
  connect(menu_->addAction("&Graph Title"), &QAction::triggered, this, &TPlotForm::GraphTitleClick);
  connect(menu_->addAction("&Edit Legend"), &QAction::triggered, this, &TPlotForm::EditLegendClick);
  connect(menu_->addAction("&Active Curves"), &QAction::triggered, this, &TPlotForm::ActiveCurvesClick);
  menu_->addSeparator();
  // Printing to a PDF file needs no printer, so printing is always offered.
  connect(menu_->addAction("&Print..."), &QAction::triggered, this, &TPlotForm::PrintClick);
  connect(menu_->addAction("P&age Setup"), &QAction::triggered, this, &TPlotForm::PageSetupClick);
  connect(menu_->addAction("&Save To Disk..."), &QAction::triggered, this, &TPlotForm::SaveToDiskClick);
  curveSeparator_ = menu_->addSeparator();
  connect(menu_, &QMenu::aboutToShow, this, &TPlotForm::refreshMenu);
  refreshMenu();
}

void TPlotForm::refreshMenu() {
  MenuAction("Show Legend")->setChecked(plot_.ShowLegend);
  MenuAction("Show Soil Layer")->setChecked(plot_.ShowLayers);
  MenuAction("Show Wall Geometry")->setChecked(plot_.ShowWall);
  MenuAction("Show Wall Geometry")->setEnabled(plot_.ShowLayers);
  auto tick = [this](const QString& submenu, int value) {
    for (QAction* action : MenuAction(submenu)->menu()->actions()) action->setChecked(action->data().toInt() == value);
  };
  tick("Show Markers", plot_.Markers);
  tick("Font Size", plot_.SizeFont);
  tick("Line Width", plot_.WidthLine);
  for (QAction* action : curveActions_) {
    const int line = action->data().toInt();
    action->setChecked(line < plot_.LineCount() && plot_.Lines(line).Visible);
  }
}

// Legend entries and curve menu entries: one per active line, in line order.
void TPlotForm::rebuildCurves() {
  QList<QPair<QString, int>> entries;
  for (int i = 0; i < plot_.LineCount(); ++i) {
    if (!plot_.Lines(i).Active) continue;
    std::string text = plot_.Lines(i).LineName();
    if (plot_.onGetCaption) plot_.onGetCaption(i, text);
    entries.append({QString::fromStdString(text), i});
  }
  legend_->SetEntries(entries, plot_);
  qDeleteAll(curveActions_);
  curveActions_.clear();
  for (const auto& [text, line] : entries) {
    QAction* action = menu_->addAction(text);
    action->setCheckable(true);
    action->setData(line);
    connect(action, &QAction::triggered, this, [this, line = line] { ToggleLine(line); });
    curveActions_ << action;
  }
  refreshMenu();
}

void TPlotForm::relayout(bool placeLegend) {
  drawWindow_ =
      ScreenLayout(width(), height(), logicalDpiX(), logicalDpiY(), TLayoutOptions::Of(plot_, kScreenFontHeight));
  if (placeLegend) {
    const TPixelPoint at = QuietBoxPlace(plot_, drawWindow_, logicBounds_, legend_->width(), legend_->height());
    legend_->move(at.x, at.y);
  }
  legend_->MoveInside(legend_->pos());
  update();
}


TLegendPlacement TPlotForm::legendPlacement() const {
  return {!legendMovedByUser_, static_cast<double>(legend_->x()) / std::max(1, width()),
          static_cast<double>(legend_->y()) / std::max(1, height())};
}

void TPlotForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawPlot(painter, plot_, drawWindow_, logicBounds_);
}

// The legend sits inside the graph where it hides least of the curves (also when the window
// opens maximised) until the user drags it; then it keeps its place.
void TPlotForm::resizeEvent(QResizeEvent*) { relayout(!legendMovedByUser_); }

// ---------------------------------------------------------------- pointer, zoom

void TPlotForm::showReadout(QPoint at) {
  const TFloatPoint d = ToData(drawWindow_, logicBounds_, plot_.XOnTop, drawWindow_.GraphArea.Clamp(pixel(at)));
  setWindowTitle(QString::fromStdString(plot_.Caption + " X: " + ReadoutNumber(d.x) + " Y: " + ReadoutNumber(d.y)));
}

void TPlotForm::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (!drawWindow_.GraphArea.Contains(pixel(at))) return;
  if (event->button() == Qt::LeftButton) {
    zooming_ = true;
    zoomOrigin_ = at;
    band_->setGeometry(QRect(at, QSize()));
    band_->show();
  } else if (event->button() == Qt::RightButton) {
    ZoomOutAt(at);
  }
}

void TPlotForm::mouseMoveEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  showReadout(at);
  if (zooming_) {
    const TPixelPoint c = drawWindow_.GraphArea.Clamp(pixel(at));
    band_->setGeometry(QRect(zoomOrigin_, QPoint(c.x, c.y)).normalized());
  }
}

void TPlotForm::mouseReleaseEvent(QMouseEvent* event) {
  if (!zooming_ || event->button() != Qt::LeftButton) return;
  zooming_ = false;
  band_->hide();
  ZoomInBand(zoomOrigin_, event->position().toPoint());
}

void TPlotForm::ZoomInBand(QPoint press, QPoint release) {
  if (release.x() == press.x() || release.y() == press.y()) return;
  const TPixelRect& g = drawWindow_.GraphArea;
  const TFloatPoint a = ToData(drawWindow_, logicBounds_, plot_.XOnTop, g.Clamp(pixel(press)));
  const TFloatPoint b = ToData(drawWindow_, logicBounds_, plot_.XOnTop, g.Clamp(pixel(release)));
  logicBounds_ = ZoomIn(a, b, maxLogicBounds_, plot_.Yreversed);
  update();
}

void TPlotForm::ZoomOutAt(QPoint at) {
  if (!drawWindow_.GraphArea.Contains(pixel(at))) return;
  const TFloatPoint d = ToData(drawWindow_, logicBounds_, plot_.XOnTop, pixel(at));
  logicBounds_ = ZoomOut(logicBounds_, d, maxLogicBounds_, plot_.Yreversed);
  update();
}

// ---------------------------------------------------------------- settings from the menu

void TPlotForm::ToggleLine(int line) {
  if (line < 0 || line >= plot_.LineCount()) return;
  plot_.Lines(line).Visible = !plot_.Lines(line).Visible;
  legend_->update();
  refreshMenu();
  update();
}

void TPlotForm::ApplyActive(const QList<bool>& active) {
  for (int i = 0; i < plot_.LineCount() && i < active.size(); ++i) plot_.Lines(i).Active = active[i];
  rebuildCurves();
  legend_->MoveInside(legend_->pos());
  update();
}

void TPlotForm::ApplyNames(const QStringList& names) {
  for (int i = 0; i < plot_.LineCount() && i < names.size(); ++i) plot_.Lines(i).fValueS = names[i].toStdString();
  rebuildCurves();
  legend_->MoveInside(legend_->pos());
  update();
}

void TPlotForm::SetSizeFont(int sizeFont) {
  plot_.SizeFont = sizeFont;
  legend_->setFont(LegendFontOf(plot_));
  legend_->FitSize();
  relayout(true);
}

void TPlotForm::SetShowLayers(bool show) {
  plot_.ShowLayers = show;
  relayout(true);
}

void TPlotForm::SetShowLegend(bool show) {
  plot_.ShowLegend = show;
  legend_->setVisible(show && plot_.HasSomethingToDraw());
}

void TPlotForm::closeEvent(QCloseEvent* event) {
  // The plot forgets its window now: the window itself is deleted later.
  plot_.FormExists = false;
  plot_.SetFormCloser(nullptr);
  event->accept();
}

// ---------------------------------------------------------------- dialogs

void TPlotForm::GraphTitleClick() {
  TfrmGraphCaption dialog(this);
  dialog.LoadFrom(plot_);
  dialog.exec();  // the caption is taken however the dialog closes
  dialog.StoreInto(plot_);
  relayout(false);
}

QStringList TPlotForm::lineNames() const {
  QStringList names;
  for (int i = 0; i < plot_.LineCount(); ++i) names << QString::fromStdString(plot_.Lines(i).LineName());
  return names;
}

void TPlotForm::EditLegendClick() {
  TfrmLineNames dialog(lineNames(), dialogs_, this);
  if (dialog.exec() == QDialog::Accepted) ApplyNames(dialog.Names());
}

void TPlotForm::ActiveCurvesClick() {
  QList<bool> active;
  for (int i = 0; i < plot_.LineCount(); ++i) active << plot_.Lines(i).Active;
  TfrmActiveLines dialog(lineNames(), active, this);
  if (dialog.exec() == QDialog::Accepted) ApplyActive(dialog.Active());
}

// ---------------------------------------------------------------- print and save

void TPlotForm::SetPageMargins(int left, int top, int right, int bottom) {
  pageMargins_ = QMarginsF(left / 1000.0, top / 1000.0, right / 1000.0, bottom / 1000.0);
}

void TPlotForm::PrintTo(QPrinter& printer) {
  printer.setDocName(QString::fromStdString(plot_.Caption));
  printer.setFullPage(true);
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QMarginsF minimum = printer.pageLayout().minimumMargins();  // points
  TPageGeometry page;
  page.paperWidth = paper.width();
  page.paperHeight = paper.height();
  page.ppiX = printer.logicalDpiX();
  page.ppiY = printer.logicalDpiY();
  auto thousandths = [](double inches, double minimumPoints) {
    return NearestInt(std::max(inches, minimumPoints / 72.0) * 1000.0);
  };
  page.marginLeft = thousandths(pageMargins_.left(), minimum.left());
  page.marginTop = thousandths(pageMargins_.top(), minimum.top());
  page.marginRight = thousandths(pageMargins_.right(), minimum.right());
  page.marginBottom = thousandths(pageMargins_.bottom(), minimum.bottom());
  const TDrawArea area = PrinterLayout(page, TLayoutOptions::Of(plot_, BaseFontHeight(page.ppiY)));
  QPainter painter(&printer);
  DrawPlot(painter, plot_, area, logicBounds_, legendPlacement());
}

void TPlotForm::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("Print " + QString::fromStdString(plot_.Caption));
  if (dialog.exec() != QDialog::Accepted) return;
  PrintTo(printer);
  update();
}

void TPlotForm::PageSetupClick() {
  QPrinter printer(QPrinter::HighResolution);
  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Inch);
  layout.setMargins(pageMargins_);
  printer.setPageLayout(layout);
  QPageSetupDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  pageMargins_ = printer.pageLayout().margins(QPageLayout::Inch);
}

QString TPlotForm::SaveImage(const QString& fileName, QSize size, int ppi) {
  if (size.width() < 1 || size.height() < 1 || ppi < 1 ||
      static_cast<double>(size.width()) * size.height() > kMaxImagePixels)
    return kNoMemory;
  const TDrawArea area = BitmapLayout(size.width(), size.height(), ppi, TLayoutOptions::Of(plot_, BaseFontHeight(ppi)));
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  const QString cannotWrite = "The file \"" + fileName + "\" could not be written.";
  if (suffix == "svg") {
    QSvgGenerator svg;
    svg.setFileName(fileName);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(ppi);
    svg.setTitle(QString::fromStdString(plot_.Caption));
    QPainter painter;
    if (!painter.begin(&svg)) return cannotWrite;
    DrawPlot(painter, plot_, area, logicBounds_, legendPlacement());
    painter.end();
    return QFileInfo::exists(fileName) ? QString() : cannotWrite;
  }
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return kNoMemory;
  const int dotsPerMetre = NearestInt(ppi / 0.0254);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  {
    QPainter painter(&image);
    DrawPlot(painter, plot_, area, logicBounds_, legendPlacement());
  }
  return image.save(fileName, suffix == "png" ? "PNG" : "BMP") ? QString() : cannotWrite;
}

void TPlotForm::SaveToDiskClick() {
  QString file = dialogs_.SaveFile(this, "Save To Disk", QString::fromStdString(plot_.Caption).trimmed() + ".bmp",
                                   {"Bitmap (*.bmp)", "PNG image (*.png)", "SVG drawing (*.svg)"});
  if (file.isEmpty()) return;
  if (QFileInfo(file).suffix().isEmpty()) file += ".bmp";
  TdlgFormat format(this);
  if (format.exec() != QDialog::Accepted) return;
  const QString message = SaveImage(file, format.PixelSize(), format.PixelsPerInch());
  if (!message.isEmpty()) dialogs_.Information(this, message);
}

}  // namespace talmo
