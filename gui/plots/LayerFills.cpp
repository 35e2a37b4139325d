#include "LayerFills.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

namespace talmo {

namespace {

// Deterministic scatter for stipples and pebbles: the same tile every time.
class Scatter {
 public:
  int Next(int bound) {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) % static_cast<unsigned>(bound));
  }

 private:
  unsigned state_ = 20170807u;
};

void Stipple(QPainter& p, int w, int h, int dots, int dotSize) {
  Scatter s;
  for (int i = 0; i < dots; ++i) p.fillRect(s.Next(w), s.Next(h), dotSize, dotSize, Qt::black);
}

void Pebbles(QPainter& p, int w, int h, int count, int size) {
  Scatter s;
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < count; ++i) {
    const int d = size / 2 + s.Next(size);
    p.drawEllipse(s.Next(w - d), s.Next(h - d), d, d * 2 / 3 + 1);
  }
}

// Brick courses: staggered rows of rectangles; `dashedOnly` leaves the head joints out.
void Courses(QPainter& p, int w, int h, bool dashedOnly) {
  const int rows = 3;
  const int rowHeight = h / rows;
  for (int r = 0; r < rows; ++r) {
    const int y = r * rowHeight;
    if (dashedOnly) {
      const int shift = (r % 2) * w / 2;
      p.drawLine(shift, y + rowHeight / 2, shift + w / 3, y + rowHeight / 2);
      continue;
    }
    p.drawLine(0, y, w, y);
    const int joint = (r % 2 == 0) ? w / 4 : 3 * w / 4;
    p.drawLine(joint, y, joint, y + rowHeight);
  }
}

QPixmap Tile(int code, bool print) {
  // Tile sizes: stipples 80 x 80 on screen, courses 30 x 42; on paper 96 x 96, 96 x 69 and 96 x 192.
  QSize size;
  switch (code) {
    case 7: size = print ? QSize(96, 96) : QSize(80, 80); break;
    case 11:
    case 12: size = print ? QSize(96, 192) : QSize(80, 80); break;
    default: size = print ? QSize(96, 69) : QSize(30, 42); break;
  }
  QPixmap tile(size);
  tile.fill(Qt::white);
  QPainter p(&tile);
  p.setPen(QPen(Qt::black, 1));
  const int w = size.width(), h = size.height();
  switch (code) {
    case 7: Stipple(p, w, h, print ? 40 : 90, print ? 2 : 1); break;
    case 8: Courses(p, w, h, true); break;
    case 9: Courses(p, w, h, false); break;
    case 10:
      Courses(p, w, h, false);
      p.drawLine(0, h, w, 0);
      break;
    case 11:
      Stipple(p, w, h, print ? 60 : 70, print ? 2 : 1);
      Pebbles(p, w, h, 5, print ? 16 : 12);
      break;
    case 12: Pebbles(p, w, h, 7, print ? 16 : 12); break;
    default: break;
  }
  return tile;
}

// Hatch lines over the band, `gap` pixels apart: any of horizontal, vertical, rising and
// falling diagonals.
void HatchLines(QPainter& p, const QRect& band, int gap, bool horizontal, bool vertical, bool rising, bool falling) {
  const int l = band.left(), t = band.top(), r = band.right(), b = band.bottom();
  if (horizontal)
    for (int y = t + gap / 2; y <= b; y += gap) p.drawLine(l, y, r, y);
  if (vertical)
    for (int x = l + gap / 2; x <= r; x += gap) p.drawLine(x, t, x, b);
  const int span = band.width() + band.height();
  // Diagonals are laid from the band's left edge; the clip trims them to the band.
  if (rising)
    for (int k = 0; k <= span; k += gap) p.drawLine(l + k - band.height(), b, l + k, t);
  if (falling)
    for (int k = 0; k <= span; k += gap) p.drawLine(l + k - band.height(), t, l + k, b);
}

}  // namespace

void FillLayerBand(QPainter& painter, const QRect& band, int fillCode, bool printTiles, int ppi) {
  if (fillCode < 1 || fillCode > 12) return;
  painter.save();
  painter.setClipRect(band, Qt::IntersectClip);
  if (fillCode >= 7) {
    painter.fillRect(band, QBrush(Tile(fillCode, printTiles)));
  } else {
    painter.setPen(QPen(Qt::black, 0));
    const int gap = std::max(4, ppi / 12);
    HatchLines(painter, band, gap, fillCode == 3 || fillCode == 5, fillCode == 3 || fillCode == 6,
               fillCode == 1 || fillCode == 4, fillCode == 2 || fillCode == 4);
  }
  painter.restore();
}

}  // namespace talmo
