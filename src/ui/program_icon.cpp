#include "ui/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace morvek::ui {

namespace {

// Drawn on a 256-unit square; strokes get no thinner than about 1.3 pixels, so the dial still
// reads at 16 pixels.
constexpr double kUnits = 256.0;

double Stroke(double units, double scale) { return std::max(units, 1.3 / scale); }

}  // namespace

QImage PaintProgramIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = size / kUnits;
  p.scale(scale, scale);

  // The tile: a rounded square, a shade lighter at the top.
  QLinearGradient tile(0, 8, 0, 248);
  tile.setColorAt(0, QColor(58, 66, 80));
  tile.setColorAt(1, QColor(28, 32, 40));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

  // The dial: 240 degrees of arc, open at the bottom, the last 50 degrees red.
  const QRectF dial(40, 46, 176, 176);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(236, 238, 242), Stroke(22, scale), Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, 10 * 16, 200 * 16);
  p.setPen(QPen(QColor(230, 30, 30), Stroke(22, scale), Qt::SolidLine, Qt::FlatCap));
  p.drawArc(dial, -30 * 16, 40 * 16);

  // Tick marks inside the arc, left out where they would blur into one another.
  if (size >= 48) {
    p.setPen(QPen(QColor(236, 238, 242), 7, Qt::SolidLine, Qt::FlatCap));
    p.save();
    p.translate(dial.center());
    for (int angle = -210; angle <= 30; angle += 30) {
      p.save();
      p.rotate(angle);
      p.drawLine(QPointF(58, 0), QPointF(72, 0));
      p.restore();
    }
    p.restore();
  }

  // The needle, from the hub toward the red zone.
  const QPointF hub = dial.center();
  p.save();
  p.translate(hub);
  p.rotate(-25);
  // At the smallest sizes the needle widens so that it still covers whole pixels.
  const double tip = Stroke(2.5, scale * 2.5);
  const double base = Stroke(9, scale * 1.5);
  QPainterPath needle;
  needle.moveTo(-10, -base);
  needle.lineTo(80, -tip);
  needle.lineTo(80, tip);
  needle.lineTo(-10, base);
  needle.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 230, 0));
  p.drawPath(needle);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(236, 238, 242));
  p.drawEllipse(hub, 15, 15);

  // Below the hub, a fuel drop: the other half of what the program tunes.
  if (size >= 22) {
    QPainterPath drop;
    drop.moveTo(128, 162);
    drop.cubicTo(146, 186, 152, 196, 152, 206);
    drop.arcTo(QRectF(104, 182, 48, 48), 0, -180);
    drop.cubicTo(104, 196, 110, 186, 128, 162);
    p.setBrush(QColor(255, 196, 0));
    p.drawPath(drop);
  }
  return image;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : kProgramIconSizes)
    icon.addPixmap(QPixmap::fromImage(PaintProgramIcon(size)));
  return icon;
}

}  // namespace morvek::ui
