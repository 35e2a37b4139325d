#include "ElevationView.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

namespace talmo {

namespace {

// Hatch of each soil type's band.
struct THatch {
  Qt::BrushStyle style;
  QColor colour;
};

THatch hatchOf(int type) {
  switch (type) {
    case kSoilSand: return {Qt::VerPattern, QColor(192, 192, 192)};
    case kSoilClay: return {Qt::FDiagPattern, QColor(128, 128, 0)};
    case kSoilShale: return {Qt::DiagCrossPattern, QColor(128, 0, 128)};
    case kSoilStrongRockSideOrTip:
    case kSoilStrongRock: return {Qt::CrossPattern, QColor(166, 202, 240)};
    case kSoilDecomposedRock: return {Qt::CrossPattern, QColor(128, 0, 0)};
    case kSoilWeakRock: return {Qt::CrossPattern, QColor(0, 255, 255)};
    case kSoilGravellySand: return {Qt::DiagCrossPattern, QColor(0, 0, 255)};
    case kSoilGravel: return {Qt::DiagCrossPattern, QColor(255, 0, 255)};
    default: return {Qt::NoBrush, Qt::black};
  }
}

// Hatches a band with lines 8 screen pixels apart (`scale` device pixels per screen pixel).
// Drawn as lines rather than a pattern brush, so that a printed page has the spacing of the
// screen rather than 8 printer dots.
void hatchBand(QPainter& painter, const QRectF& band, const THatch& hatch, double scale) {
  if (hatch.style == Qt::NoBrush) return;
  const double step = 8 * scale;
  const double h = band.height();
  painter.save();
  painter.setClipRect(band);
  painter.setPen(QPen(hatch.colour, scale > 1 ? scale : 0));
  const bool vertical = hatch.style == Qt::VerPattern || hatch.style == Qt::CrossPattern;
  const bool falling = hatch.style == Qt::FDiagPattern || hatch.style == Qt::DiagCrossPattern;
  const bool rising = hatch.style == Qt::DiagCrossPattern;
  for (double x = band.left() - h; x < band.right() + step; x += step) {
    if (vertical && x >= band.left()) painter.drawLine(QPointF(x, band.top()), QPointF(x, band.bottom()));
    if (falling) painter.drawLine(QPointF(x, band.top()), QPointF(x + h, band.bottom()));
    if (rising) painter.drawLine(QPointF(x, band.bottom()), QPointF(x + h, band.top()));
  }
  if (hatch.style == Qt::CrossPattern)
    for (double y = band.top(); y < band.bottom(); y += step)
      painter.drawLine(QPointF(band.left(), y), QPointF(band.right(), y));
  painter.restore();
}

// Where the profile goes on a surface: the screen window or a printed page.
struct TElevationLayout {
  std::function<QPointF(TViewPoint)> map;  // model point to device point
  double bandLeft = 0, bandRight = 0;      // device x range of the soil bands
  double textX = 0;
  QString depthUnit;                       // appended to the depths of the band texts
  double strokeStart = 0, strokeStep = 0, strokeEnd = 0, strokeSize = 0;  // ground strokes
  double penWidth = 0;                     // 0: cosmetic one-pixel lines
  double hatchScale = 1;                   // device pixels per screen pixel (hatch spacing)
};

void drawProfile(QPainter& painter, const TShaftProfile& s, const TElevationLayout& layout, bool omitHatches) {
  QPen pen(Qt::black, layout.penWidth);
  painter.setPen(pen);
  const double offset = 2 * s.D;
  auto row = [&](double depth) { return layout.map({0, depth + offset}).y(); };
  const int textHeight = painter.fontMetrics().height();
  for (std::size_t i = 0; i < s.layers.size(); ++i) {
    const double top = s.LayerTop(i), bottom = s.layers[i].bottomDepth;
    const QRectF band(QPointF(layout.bandLeft, row(top)), QPointF(layout.bandRight, row(bottom)));
    if (!omitHatches) hatchBand(painter, band, hatchOf(s.layers[i].type), layout.hatchScale);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(band);
    if (i == 0) {
      // The ground surface with its strokes below.
      const double ground = row(0);
      painter.drawLine(QPointF(layout.bandLeft, ground), QPointF(layout.bandRight, ground));
      for (double x = layout.strokeStart; x + layout.strokeSize < layout.strokeEnd; x += layout.strokeStep)
        painter.drawLine(QPointF(x, ground), QPointF(x + layout.strokeSize, ground + layout.strokeSize));
    }
  }
  if (s.W > 0) {
    // The water table: a blue line with the usual inverted triangle above it.
    const double water = row(s.W);
    const double size = std::max(6.0, layout.strokeSize);
    const double x = layout.bandLeft + (layout.bandRight - layout.bandLeft) * 0.9;
    painter.setPen(QPen(Qt::blue, layout.penWidth));
    painter.drawLine(QPointF(layout.bandLeft, water), QPointF(layout.bandRight, water));
    painter.setBrush(Qt::blue);
    painter.drawPolygon(QPolygonF({QPointF(x - size, water - 1.6 * size), QPointF(x + size, water - 1.6 * size),
                                   QPointF(x, water)}));
    const QString text = QString("Water table %1%2").arg(s.W, 0, 'f', 2).arg(layout.depthUnit);
    painter.drawText(QPointF(x - 1.5 * size - painter.fontMetrics().horizontalAdvance(text), water - 0.4 * size), text);
    painter.setPen(pen);
  }
  for (const TShaftPart& part : ElevationParts(s)) {
    const auto& c = part.corners;
    painter.setBrush(QColor(part.fill.red, part.fill.green, part.fill.blue));
    painter.drawPolygon(QPolygonF({layout.map(c[0]), layout.map(c[1]), layout.map(c[3]), layout.map(c[2])}));
  }
  // The layer texts last, so that the shaft never hides them.
  for (std::size_t i = 0; i < s.layers.size(); ++i) {
    const double top = s.LayerTop(i), bottom = s.layers[i].bottomDepth;
    painter.drawText(QPointF(layout.textX, row(top) + textHeight),
                     QString("Layer %1; depth= %2 - %3%4; %5")
                         .arg(i + 1)
                         .arg(top, 0, 'f', 2)
                         .arg(bottom, 0, 'f', 2)
                         .arg(layout.depthUnit)
                         .arg(QString::fromStdString(ElevationSoilName(s.layers[i].type))));
  }
}

}  // namespace

// The drawing area: the profile mapped through the model window, and the depth read-out.
class TElevationCanvas : public QWidget {
 public:
  explicit TElevationCanvas(TDlgSideView& view) : QWidget(&view), view_(view) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    setMinimumSize(120, 120);
  }

 protected:
  // The profile is read from the project once per paint and once per pointer move.
  void paintEvent(QPaintEvent*) override {
    const TShaftProfile profile = view_.Profile();
    const auto window = view_.ModelWindowOf(profile);
    if (!window) return;
    QPainter painter(this);
    const double w = width(), h = height();
    const TViewRect r = *window;
    TElevationLayout layout;
    layout.map = [=](TViewPoint p) {
      return QPointF(std::nearbyint(w * (p.x - r.Left) / (r.Right - r.Left)),
                     std::nearbyint(h * (p.y - r.Top) / (r.Bottom - r.Top)));
    };
    layout.bandRight = w;
    layout.textX = 10;
    layout.strokeStart = 20;
    layout.strokeStep = 20;
    layout.strokeEnd = w - 25 + 5;
    layout.strokeSize = 5;
    drawProfile(painter, profile, layout, false);
  }

  void mouseMoveEvent(QMouseEvent* event) override {
    const TShaftProfile profile = view_.Profile();
    const auto window = view_.ModelWindowOf(profile);
    if (!window) return;
    const double y = window->Top + event->position().y() / height() * (window->Bottom - window->Top);
    view_.setWindowTitle(QString("  Depth: %1").arg(y - 2 * profile.D, 0, 'f', 1));
  }

 private:
  TDlgSideView& view_;
};

TDlgSideView::TDlgSideView(TEditorHost& host, QWidget* parent) : QWidget(parent), host_(host) {
  setWindowTitle("Elevation View");
  canvas_ = new TElevationCanvas(*this);
  auto* print = new QPushButton("Print");
  omitHatches_ = new QCheckBox("Omit Hatches");
  omitHatches_->setToolTip("Click to omit hatches from printing");
  auto* close = new QPushButton("Close");
  connect(print, &QPushButton::clicked, this, &TDlgSideView::PrintClick);
  connect(close, &QPushButton::clicked, this, [this] {
    // Inside the main window the frame closes; the view goes with it.
    if (parentWidget()) parentWidget()->close();
    else this->close();
  });
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(print);
  buttons->addWidget(omitHatches_);
  buttons->addWidget(close);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 4, 0);
  layout->addWidget(canvas_, 1);
  layout->addLayout(buttons);
  resize(560, 520);
}

QWidget* TDlgSideView::Canvas() const { return canvas_; }

bool TDlgSideView::OmitHatches() const { return omitHatches_->isChecked(); }

std::optional<TViewRect> TDlgSideView::ModelWindow() const { return ModelWindowOf(Profile()); }

std::optional<TViewRect> TDlgSideView::ModelWindowOf(const TShaftProfile& s) const {
  return ElevationWindow(ElevationExtent(s, ElevationParts(s)), canvas_->width(), canvas_->height());
}

void TDlgSideView::PrintClick() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  PrintOn(printer);
}

void TDlgSideView::PrintOn(QPrinter& printer) const {
  printer.setPageOrientation(QPageLayout::Landscape);
  printer.setDocName("Soil-Pile Profile");
  const TShaftProfile s = Profile();
  // The whole depth range, from two diameters above the ground down to the deeper of the
  // shaft tip and the last layer, fills 80% of the page height.
  const double range = ElevationExtent(s, ElevationParts(s)).Bottom;
  if (!(range > 0)) return;
  QPainter painter(&printer);
  const QRect page = painter.viewport();
  const double w = page.width(), h = page.height();
  const double scale = 0.8 * h / range;
  TElevationLayout layout;
  layout.map = [=](TViewPoint p) { return QPointF(w / 2 + p.x * scale, 0.1 * h + p.y * scale); };
  layout.bandLeft = 0.1 * w;
  layout.bandRight = 0.9 * w;
  layout.textX = 0.15 * w;
  layout.depthUnit = host_.Project().Units() == 2 ? " m" : " ft";
  layout.strokeStart = 0.14 * w;
  layout.strokeStep = 0.02 * w;
  layout.strokeEnd = 0.84 * w;
  layout.strokeSize = 0.01 * w;
  layout.penWidth = 12;
  layout.hatchScale = printer.resolution() / 96.0;
  QFont font = canvas_->font();
  painter.setFont(QFont(font, &printer));
  drawProfile(painter, s, layout, OmitHatches());
}

}  // namespace talmo
