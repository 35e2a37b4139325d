#include "ShaftPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace talmo {

TShaftPicture::TShaftPicture(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
}

void TShaftPicture::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(8, 8, -8, -8);
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(box);

  // Proportions of the drawing, as fractions of the frame.
  const double cx = box.center().x();
  const double halfShaft = box.width() * 0.14;
  const double halfBell = box.width() * 0.32;
  const double ground = box.top() + box.height() * 0.12;
  const double upperZone = ground + box.height() * 0.14;
  const double bellTop = box.top() + box.height() * 0.62;
  const double bellSide = box.top() + box.height() * 0.78;
  const double base = box.top() + box.height() * 0.86;
  const double lowerZone = bellTop - box.height() * 0.1;

  const QColor ink = palette().color(QPalette::WindowText);
  p.setPen(QPen(ink, 1.5));
  p.drawLine(QPointF(box.left() + 4, ground), QPointF(box.right() - 4, ground));
  for (double x = box.left() + 8; x < box.right() - 4; x += 10)
    p.drawLine(QPointF(x, ground), QPointF(x - 6, ground - 6));

  QPainterPath shaft;
  shaft.moveTo(cx - halfShaft, ground);
  shaft.lineTo(cx - halfShaft, bellTop);
  shaft.lineTo(cx - halfBell, bellSide);
  shaft.lineTo(cx - halfBell, base);
  shaft.lineTo(cx + halfBell, base);
  shaft.lineTo(cx + halfBell, bellSide);
  shaft.lineTo(cx + halfShaft, bellTop);
  shaft.lineTo(cx + halfShaft, ground);
  shaft.closeSubpath();
  p.fillPath(shaft, palette().color(QPalette::Midlight));
  p.drawPath(shaft);

  // The zones without skin friction, hatched beside the shaft.
  QBrush hatch(ink, Qt::BDiagPattern);
  p.fillRect(QRectF(QPointF(cx - halfShaft, ground), QPointF(cx + halfShaft, upperZone)), hatch);
  p.fillRect(QRectF(QPointF(cx - halfShaft, lowerZone), QPointF(cx + halfShaft, bellTop)), hatch);

  p.setPen(ink);
  const QFontMetricsF fm(font());
  const auto label = [&](const QString& text, QPointF at) { p.drawText(at, text); };
  label("B", QPointF(cx - fm.horizontalAdvance("B") / 2, (upperZone + lowerZone) / 2 + fm.ascent() / 2));
  label("Bb", QPointF(cx - fm.horizontalAdvance("Bb") / 2, base + fm.height()));
  label("Ang", QPointF(cx - halfBell - fm.horizontalAdvance("Ang") - 2, (bellTop + bellSide) / 2 + fm.ascent() / 2));
  label("Lue", QPointF(cx + halfShaft + 4, (ground + upperZone) / 2 + fm.ascent() / 2));
  label("Lle", QPointF(cx + halfShaft + 4, (lowerZone + bellTop) / 2 + fm.ascent() / 2));
}

}  // namespace talmo
