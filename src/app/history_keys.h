#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace morvek::app {

// Ctrl+Z and Ctrl+Alt+Z belong to the program's Undo and Redo wherever the cursor is in the
// window, value boxes and map cells included. Enter has already put a box's value into the
// image, so the box's own text undo would have nothing to give; the box is kept from taking
// the keys before the menu's shortcuts see them.
class HistoryKeys : public QObject {
  Q_OBJECT

 public:
  HistoryKeys(QWidget& window, QAction& undo, QAction& redo, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& window_;
  QAction& undo_;
  QAction& redo_;
};

}  // namespace morvek::app
