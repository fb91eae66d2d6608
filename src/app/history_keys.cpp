#include "app/history_keys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace morvek::app {

HistoryKeys::HistoryKeys(QWidget& window, QAction& undo, QAction& redo, QObject* parent)
    : QObject(parent), window_(window), undo_(undo), redo_(redo) {
  // A box asks to keep a key by accepting the ShortcutOverride sent to the focus widget; only
  // a filter over the whole application sees that event before the box does.
  QCoreApplication::instance()->installEventFilter(this);
}

bool HistoryKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != &window_) return false;
  if (qobject_cast<QAbstractSpinBox*>(widget) == nullptr &&
      qobject_cast<QLineEdit*>(widget) == nullptr)
    return false;
  const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
  for (const QAction* action : {&undo_, &redo_}) {
    if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
      // Not overridden: the shortcut goes to the action.
      event->ignore();
      return true;
    }
  }
  return false;
}

}  // namespace morvek::app
