#pragma once

#include <QWidget>

namespace morvek::ui {

// The contents of TabSheet_Monitor: inputs, outputs, advance, injection and the gear and
// programming values, each a label named after its control. Texts and colours come from the
// monitor view.
class MonitorPage : public QWidget {
  Q_OBJECT

 public:
  explicit MonitorPage(QWidget* parent = nullptr);
};

}  // namespace morvek::ui
