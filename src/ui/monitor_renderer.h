#pragma once

#include <array>

#include "link/monitor_view.h"

class QLabel;
class QSpinBox;
class QWidget;

namespace morvek::ui {

class Gauge;

// Puts a monitor view on the window's labels and bars, found once by their control names.
// A control the window does not have yet is skipped.
class MonitorRenderer {
 public:
  explicit MonitorRenderer(QWidget& root);

  void Render(const link::MonitorView& view);
  QLabel* label(link::MonitorLabel l) const { return labels_[static_cast<std::size_t>(l)]; }
  Gauge* gauge(link::MonitorGauge g) const { return gauges_[static_cast<std::size_t>(g)]; }

 private:
  std::array<QLabel*, link::kMonitorLabelCount> labels_{};
  // The colour each label was last given from a view: a label's background is set only when
  // its view colour changes, so the live highlight's mark on a monitor label (the learnt gear
  // ratios) is not wiped by every frame.
  std::array<int, link::kMonitorLabelCount> rendered_colours_;
  std::array<Gauge*, link::kMonitorGaugeCount> gauges_{};
  // The limiter edits, coloured while their limiter acts.
  std::array<QSpinBox*, link::kMonitorEditCount> edits_{};
};

}  // namespace morvek::ui
