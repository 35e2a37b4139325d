#include "DrawPlot.h"

#include <QFontMetrics>
#include <QPolygon>
#include <cmath>

#include "LayerFills.h"

namespace talmo {

namespace {

QColor Colour(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

QRect ToQRect(const TPixelRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

QString AxisCaption(const TGraphPlot& plot, const std::string& caption, const std::string& units) {
  if (units.empty()) return QString::fromStdString(caption);
  return QString::fromStdString(caption + " (" + plot.ExpandUnits(units) + ")");
}

// One drawing: the painter, the plot, its layout and range.
class TPlotPainter {
 public:
  TPlotPainter(QPainter& p, const TGraphPlot& plot, const TDrawArea& area, const TFloatRect& bounds)
      : p_(p), plot_(plot), a_(area), b_(bounds) {}

  void Captions();
  void Grid(const TMarkSpacing& m);
  void Curves();
  void PrintLegend(const TLegendPlacement& placement);
  void Layers();
  void Frame();

 private:
  TPixelPoint Screen(double x, double y) const { return ToScreen(a_, b_, plot_.XOnTop, x, y); }
  // Text rotated 90 degrees (reading upward) with its box's left edge at x, centred on cy.
  void UpwardText(const QString& text, int x, int cy) {
    const QFontMetrics fm = p_.fontMetrics();
    p_.save();
    p_.translate(x + fm.ascent(), cy + fm.horizontalAdvance(text) / 2);
    p_.rotate(-90);
    p_.drawText(0, 0, text);
    p_.restore();
  }
  void Marker(int number, TPixelPoint at) {
    QPolygon outline;
    for (const TPixelPoint& v : MarkerOutline(number, a_.ppiX / 32, a_.ppiY / 32))
      outline << QPoint(at.x + v.x, at.y + v.y);
    p_.drawPolygon(outline);
  }

  QPainter& p_;
  const TGraphPlot& plot_;
  const TDrawArea& a_;
  const TFloatRect& b_;
};

void TPlotPainter::Captions() {
  const int H = a_.FontHeight;
  const QRect bounds = ToQRect(a_.Bounds);
  const bool user = !plot_.UserCaption.empty();
  p_.setFont(PlotFont(H, true));
  p_.setPen(Qt::black);
  const int lineHeight = p_.fontMetrics().height();
  const QString x = AxisCaption(plot_, plot_.XCaption, plot_.XUnits);
  if (plot_.XOnTop) {
    const int top = bounds.top() + (user && plot_.UserCaptionOnTop ? H / 8 + H : 0);
    p_.drawText(QRect(bounds.left(), top, bounds.width(), lineHeight), Qt::AlignHCenter | Qt::AlignTop, x);
  } else {
    const int bottom = bounds.bottom() + 1 - (user && !plot_.UserCaptionOnTop ? H / 8 + H : 0);
    p_.drawText(QRect(bounds.left(), bottom - lineHeight, bounds.width(), lineHeight),
                Qt::AlignHCenter | Qt::AlignBottom, x);
  }
  if (user) {
    const int top = plot_.UserCaptionOnTop ? bounds.top() : bounds.bottom() + 1 - lineHeight;
    p_.drawText(QRect(bounds.left(), top, bounds.width(), lineHeight), Qt::AlignHCenter,
                QString::fromStdString(plot_.UserCaption));
  }
  UpwardText(AxisCaption(plot_, plot_.YCaption, plot_.YUnits), bounds.left(), bounds.center().y());
}

void TPlotPainter::Grid(const TMarkSpacing& m) {
  const TPixelRect& g = a_.GraphArea;
  const QPen solid(Qt::black, 0);
  const QPen dotted(Qt::black, 0, Qt::DotLine);
  p_.setFont(PlotFont(a_.FontHeight, false));
  const QFontMetrics fm = p_.fontMetrics();
  const int xTick = a_.ppiY / 16, yTick = a_.ppiX / 16;
  for (int i = m.startX; m.finishX > m.startX && i <= m.finishX; ++i) {
    const double value = i * m.sx;
    const int px = Screen(value, b_.Top).x;
    if (px < g.left || px > g.right) continue;
    const int edge = plot_.XOnTop ? g.top : g.bottom;
    const int inward = plot_.XOnTop ? 1 : -1;
    if (i % 5 == 0) {
      p_.setPen(dotted);
      p_.drawLine(px, g.top, px, g.bottom);
      const QString label = QString::fromStdString(TickLabel(value));
      const int w = fm.horizontalAdvance(label);
      const int top = plot_.XOnTop ? g.top - fm.height() - a_.ppiY / 32 : g.bottom + a_.ppiY / 16;
      p_.setPen(Qt::black);
      p_.drawText(px - w / 2, top + fm.ascent(), label);
    }
    p_.setPen(solid);
    p_.drawLine(px, edge, px, edge + inward * xTick);
  }
  for (int i = m.startY; m.finishY > m.startY && i <= m.finishY; ++i) {
    const double value = i * m.sy;
    const int py = Screen(b_.Left, value).y;
    if (py < g.top || py > g.bottom) continue;
    if (i % 5 == 0) {
      p_.setPen(dotted);
      p_.drawLine(g.left, py, g.right, py);
      p_.setPen(Qt::black);
      UpwardText(QString::fromStdString(TickLabel(value)), g.left - fm.height() - a_.ppiX / 32, py);
    }
    p_.setPen(solid);
    p_.drawLine(g.left, py, g.left + yTick, py);
  }
}

void TPlotPainter::Curves() {
  if (plot_.LineCount() == 0 || plot_.Lines(0).Count() < 2) return;
  p_.save();
  p_.setClipRect(ToQRect(a_.GraphArea).adjusted(0, 0, 1, 1));
  p_.setBrush(Qt::NoBrush);
  const int width = CurvePenWidth(a_.ppiX, plot_.WidthLine);
  const std::size_t every = plot_.Markers > 0 ? static_cast<std::size_t>(plot_.Markers) : 0;
  int colour = 0;
  QPolygon run;
  QList<QLine> markerEdges;
  for (int i = 0; i < plot_.LineCount(); ++i) {
    const TLine& line = plot_.Lines(i);
    if (!line.Active) continue;
    const int slot = colour++;
    if (!line.Visible) continue;
    // A one-pixel pen takes the painter's fast path for thin lines.
    QPen pen(Colour(PaletteColour(slot)), width == 1 ? 0 : width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p_.setPen(pen);
    const std::vector<TPixelPoint> marker = every ? MarkerOutline(i + 1, a_.ppiX / 32, a_.ppiY / 32)
                                                  : std::vector<TPixelPoint>{};
    run.clear();
    markerEdges.clear();
    const auto& points = line.Points();
    for (std::size_t k = 0; k < points.size(); ++k) {
      const TFloatPoint& q = points[k];
      // A point that is no number breaks the polyline instead of sending it to a far corner.
      if (!std::isfinite(q.x) || !std::isfinite(q.y)) {
        if (run.size() > 1) p_.drawPolyline(run);
        run.clear();
        continue;
      }
      const TPixelPoint at = Screen(q.x, q.y);
      // Points on the same pixel as the one before add nothing to the picture.
      const QPoint pixel(at.x, at.y);
      const bool repeated = !run.isEmpty() && run.constLast() == pixel;
      if (!repeated) run << pixel;
      if (every && k % every == 0 && !repeated) {
        for (std::size_t v = 0; v < marker.size(); ++v) {
          const TPixelPoint& from = marker[v];
          const TPixelPoint& to = marker[(v + 1) % marker.size()];
          markerEdges << QLine(at.x + from.x, at.y + from.y, at.x + to.x, at.y + to.y);
        }
      }
    }
    if (run.size() > 1) p_.drawPolyline(run);
    // All markers of a curve in one call: thousands of points stay quick to paint.
    if (!markerEdges.isEmpty()) p_.drawLines(markerEdges);
  }
  p_.restore();
}

void TPlotPainter::PrintLegend(const TLegendPlacement& placement) {
  struct Entry {
    QString text;
    int slot, line;
  };
  QList<Entry> entries;
  int slot = 0;
  for (int i = 0; i < plot_.LineCount(); ++i) {
    const TLine& line = plot_.Lines(i);
    if (!line.Active) continue;
    if (line.Visible) entries.append({QString::fromStdString(line.LineName()), slot, i});
    ++slot;
  }
  if (entries.isEmpty()) return;
  p_.setFont(PlotFont(a_.FontHeight, false));
  const QFontMetrics fm = p_.fontMetrics();
  int widest = 0;
  for (const Entry& e : entries) widest = std::max(widest, fm.horizontalAdvance(e.text));
  const int gapX = a_.ppiX / 16, gapY = a_.ppiY / 32;
  // Marker, gap, text and a margin of one gap on either side.
  const int w = widest + 4 * gapX;
  const int h = static_cast<int>(entries.size()) * (fm.height() + gapY) + gapY;
  const TPixelRect& B = a_.Bounds;
  int x = B.left + static_cast<int>(B.Width() * placement.fx);
  int y = B.top + static_cast<int>(B.Height() * placement.fy);
  if (placement.automatic) {
    const TPixelPoint quiet = QuietBoxPlace(plot_, a_, b_, w, h);
    x = quiet.x;
    y = quiet.y;
  }
  // The box stays on the surface whatever the window's proportions were.
  x = std::clamp(x, B.left, std::max(B.left, B.right - w - 1));
  y = std::clamp(y, B.top, std::max(B.top, B.bottom - h - 1));
  p_.setPen(QPen(Qt::black, 0));
  p_.setBrush(Qt::white);
  p_.drawRect(x, y, w, h);
  p_.setBrush(Qt::NoBrush);
  int top = y + gapY;
  for (const Entry& e : entries) {
    // The marker is the one the curve itself carries (its line's number), so the two agree
    // even when earlier curves are switched off.
    p_.setPen(QPen(Qt::black, 0));
    Marker(e.line + 1, {x + gapX, top + fm.height() / 2});
    p_.setPen(Colour(PaletteColour(e.slot)));
    p_.drawText(x + 2 * gapX, top + fm.ascent(), e.text);
    top += fm.height() + gapY;
  }
}

void TPlotPainter::Layers() {
  const QRect column = ToQRect(a_.LayersArea);
  if (plot_.LayerLineCount() == 0 || column.width() <= 0) return;
  p_.save();
  p_.setClipRect(column.adjusted(0, 0, 1, 1));
  const bool printTiles = a_.PrintLegend && !a_.MessedUp;
  const QFont nameFont = PlotFont(PlotFontHeight(BaseFontHeight(a_.ppiY), 10), false);
  int top = Screen(b_.Left, plot_.LayersTop).y;
  for (int i = 0; i < plot_.LayerLineCount(); ++i) {
    const TLine& layer = plot_.LayerLines(i);
    if (layer.Count() < 1) continue;
    const TFloatPoint& q = layer[0];
    const bool last = i == plot_.LayerLineCount() - 1;
    const int bottom = Screen(b_.Left, q.y).y + (last ? 0 : 1);
    const QRect band(QPoint(column.left(), std::min(top, bottom)), QPoint(column.right() - 1, std::max(top, bottom)));
    p_.fillRect(band, Qt::white);
    FillLayerBand(p_, band, static_cast<int>(std::lround(q.x)), printTiles, a_.ppiX);
    p_.setPen(QPen(Qt::black, 0));
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(band);
    p_.setFont(nameFont);
    const QString name = QString::fromStdString(layer.LineName());
    const QFontMetrics fm = p_.fontMetrics();
    QRect label(0, 0, fm.horizontalAdvance(name) + 4, fm.height());
    // A layer reaching below the graph is named in the part that shows.
    label.moveCenter(band.intersected(column).center());
    p_.fillRect(label, Qt::white);
    p_.drawText(label, Qt::AlignCenter, name);
    top = bottom;
  }
  p_.restore();
}

void TPlotPainter::Frame() {
  p_.setPen(QPen(Qt::black, 0));
  p_.setBrush(Qt::NoBrush);
  const TPixelRect& g = a_.GraphArea;
  p_.drawRect(g.left, g.top, g.Width(), g.Height());
}

}  // namespace

int BaseFontHeight(int ppiY) { return std::max(1, NearestInt(14.0 * ppiY / 96.0)); }

QFont PlotFont(int pixelHeight, bool bold) {
  QFont font("Times New Roman");
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(1, pixelHeight));
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

void DrawPlot(QPainter& painter, const TGraphPlot& plot, const TDrawArea& area, const TFloatRect& bounds,
              const TLegendPlacement& legend) {
  const QRect whole = ToQRect(area.Bounds);
  painter.fillRect(whole, Qt::white);
  if (area.Bounds.Width() < area.ppiX || area.Bounds.Height() < area.ppiY) return;
  painter.save();
  TPlotPainter draw(painter, plot, area, bounds);
  draw.Captions();
  const TMarkSpacing marks = ComputeMarkSpacing(area, bounds);
  if (marks.valid) draw.Grid(marks);
  draw.Curves();
  if (area.PrintLegend) draw.PrintLegend(legend);
  if (plot.ShowLayers) draw.Layers();
  draw.Frame();
  painter.restore();
}

}  // namespace talmo
