#include "ui/tool_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace morvek::ui {
namespace {

const QColor kOutline(60, 64, 72);

// Each glyph is drawn on a 24-unit square.
void DrawPage(QPainter& p) {
  QPainterPath page;
  page.moveTo(5, 2);
  page.lineTo(14, 2);
  page.lineTo(19, 7);
  page.lineTo(19, 22);
  page.lineTo(5, 22);
  page.closeSubpath();
  p.setBrush(Qt::white);
  p.drawPath(page);
  p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
}

void DrawFolder(QPainter& p) {
  QPainterPath back;
  back.moveTo(2, 5);
  back.lineTo(9, 5);
  back.lineTo(11, 7);
  back.lineTo(21, 7);
  back.lineTo(21, 20);
  back.lineTo(2, 20);
  back.closeSubpath();
  p.setBrush(QColor(224, 176, 60));
  p.drawPath(back);
  QPainterPath front;
  front.moveTo(2, 20);
  front.lineTo(5, 10);
  front.lineTo(23, 10);
  front.lineTo(21, 20);
  front.closeSubpath();
  p.setBrush(QColor(248, 206, 96));
  p.drawPath(front);
}

void DrawDisk(QPainter& p) {
  p.setBrush(QColor(52, 101, 164));
  p.drawRoundedRect(QRectF(3, 3, 18, 18), 1.5, 1.5);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(6, 3, 12, 7));
  p.setBrush(QColor(200, 204, 210));
  p.drawRect(QRectF(7, 14, 10, 7));
}

void DrawPrinter(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 2, 10, 7));
  p.setBrush(QColor(150, 154, 160));
  p.drawRoundedRect(QRectF(2, 8, 20, 10), 2, 2);
  p.setBrush(Qt::white);
  p.drawRect(QRectF(7, 14, 10, 8));
  p.setPen(QPen(kOutline, 1));
  p.drawLine(QPointF(9, 17), QPointF(15, 17));
  p.drawLine(QPointF(9, 19.5), QPointF(15, 19.5));
}

// A bent arrow: back to the left for undo, mirrored for redo.
void DrawArrow(QPainter& p, bool forward) {
  if (forward) {
    p.translate(24, 0);
    p.scale(-1, 1);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(40, 120, 60), 3, Qt::SolidLine, Qt::RoundCap));
  QPainterPath bend;
  bend.moveTo(8, 9);
  bend.lineTo(14, 9);
  bend.cubicTo(24, 9, 24, 21, 14, 21);
  bend.lineTo(10, 21);
  p.drawPath(bend);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 120, 60));
  p.drawPolygon(QPolygonF({QPointF(2, 9), QPointF(10, 2.5), QPointF(10, 15.5)}));
}

class ToolIconEngine : public QIconEngine {
 public:
  explicit ToolIconEngine(ToolGlyph glyph) : glyph_(glyph) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    if (mode != QIcon::Disabled) {
      Draw(*painter, rect);
      return;
    }
    // A disabled button's picture is faded as a whole, as the style fades its text: drawn
    // first, then laid on at a third of its strength, so overlapping parts fade alike.
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatioF() : 1;
    QPixmap layer(rect.size() * scale);
    layer.setDevicePixelRatio(scale);
    layer.fill(Qt::transparent);
    {
      QPainter on_layer(&layer);
      Draw(on_layer, QRect(QPoint(0, 0), rect.size()));
    }
    painter->save();
    painter->setOpacity(0.35);
    painter->drawPixmap(rect.topLeft(), layer);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return picture;
  }

  QIconEngine* clone() const override { return new ToolIconEngine(glyph_); }

 private:
  void Draw(QPainter& painter, const QRect& rect) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(rect.width(), rect.height());
    painter.translate(rect.x() + (rect.width() - side) / 2.0,
                      rect.y() + (rect.height() - side) / 2.0);
    painter.scale(side / 24.0, side / 24.0);
    painter.setPen(QPen(kOutline, 1.2));
    switch (glyph_) {
      case ToolGlyph::kOpen:
        DrawFolder(painter);
        break;
      case ToolGlyph::kNew:
        DrawPage(painter);
        break;
      case ToolGlyph::kSave:
        DrawDisk(painter);
        break;
      case ToolGlyph::kPrint:
        DrawPrinter(painter);
        break;
      case ToolGlyph::kUndo:
      case ToolGlyph::kRedo:
        DrawArrow(painter, glyph_ == ToolGlyph::kRedo);
        break;
    }
    painter.restore();
  }

  ToolGlyph glyph_;
};

}  // namespace

QIcon ToolIcon(ToolGlyph glyph) { return QIcon(new ToolIconEngine(glyph)); }

}  // namespace morvek::ui
