#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "model/map_geometry.h"

namespace morvek::ui {

// A map drawn as a surface over its rpm and throttle axes, in the heat colours, with the live
// operating point as a marker on it. Drag to turn, the wheel to zoom. Painted with QPainter
// alone, so it draws offscreen as on screen.
class Map3DView : public QWidget {
  Q_OBJECT

 public:
  struct Surface {
    std::array<int, model::kMapCells> cells{};
    std::array<int, model::kMapColumns> rpm{};
    // Values are drawn divided by this (microseconds as milliseconds).
    int divisor = 1;
    QString title;
    QString rpm_axis;
    QString tps_axis;
    QString value_axis;
  };

  explicit Map3DView(QWidget* parent = nullptr);

  void SetSurface(const Surface& surface);
  // The cell the engine runs in; nothing while it stands.
  void SetLive(std::optional<std::pair<int, int>> row_column);
  const std::optional<std::pair<int, int>>& live() const { return live_; }

  // Turn (degrees about the upright axis) and tilt (degrees above the map's plane, 5 ... 89).
  void SetAngles(double turn, double tilt);
  double turn() const { return turn_; }
  double tilt() const { return tilt_; }
  double zoom() const { return zoom_; }
  // Where the live marker was drawn last, in the widget; empty when none was.
  QPointF marker_position() const { return marker_; }

  QSize sizeHint() const override { return {720, 520}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct Projected {
    QPointF at;
    double depth = 0;
  };
  Projected Project(double column, double row, int value) const;

  Surface surface_;
  int lowest_ = 0;
  int highest_ = 0;
  std::optional<std::pair<int, int>> live_;
  double turn_ = -35;
  double tilt_ = 35;
  double zoom_ = 1;
  QPoint drag_from_;
  QPointF marker_;
};

}  // namespace morvek::ui
