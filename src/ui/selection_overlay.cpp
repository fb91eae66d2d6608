#include "ui/selection_overlay.h"

#include <QPainter>

namespace morvek::ui {

SelectionOverlay::SelectionOverlay(QWidget* grid) : QWidget(grid) {
  setObjectName(QStringLiteral("SelectionOverlay"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

void SelectionOverlay::SetArea(const QRect& area) {
  if (area == area_) return;
  // Only the old and the new frame need painting.
  update(area_.adjusted(-3, -3, 3, 3));
  area_ = area;
  update(area_.adjusted(-3, -3, 3, 3));
}

void SelectionOverlay::paintEvent(QPaintEvent*) {
  if (area_.isEmpty()) return;
  QPainter p(this);
  p.fillRect(area_, QColor(40, 110, 235, 55));
  QPen pen(QColor(20, 80, 220));
  pen.setWidth(2);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  p.drawRect(area_.adjusted(1, 1, -1, -1));
}

}  // namespace morvek::ui
