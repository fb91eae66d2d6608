#pragma once

#include <QWidget>

namespace morvek::ui {

// A pair of small arrow buttons with separate up and down events (no value of its own).
class SpinButton : public QWidget {
  Q_OBJECT

 public:
  SpinButton(const QString& name, QWidget* parent = nullptr);

 signals:
  void upClicked();
  void downClicked();
};

}  // namespace morvek::ui
