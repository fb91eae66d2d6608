#pragma once

#include <QRect>
#include <QWidget>

namespace morvek::ui {

// Draws the selected cells of the map grid over the grid: a light tint and a frame, so the
// values and the live cell's lime stay visible through it. It takes no mouse event.
class SelectionOverlay : public QWidget {
  Q_OBJECT

 public:
  explicit SelectionOverlay(QWidget* grid);

  // The selected area in the grid's coordinates; an empty rectangle draws nothing.
  void SetArea(const QRect& area);
  const QRect& area() const { return area_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect area_;
};

}  // namespace morvek::ui
