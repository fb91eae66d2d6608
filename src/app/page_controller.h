#pragma once

#include <QObject>

#include "pages/page_commands.h"
#include "pages/page_editor.h"
#include "pages/page_values.h"
#include "ui/page_binder.h"

namespace morvek::app {

class Application;

// The page on screen: copies its controls into page values, runs the one edit path of the
// editing pages over them and shows the outcome. Every user edit of a page control arrives
// here; the commands of the menus use it to refresh the page and to finish their change.
class PageController : public QObject {
  Q_OBJECT

 public:
  explicit PageController(Application& app);

  pages::PageEditor& pages() { return pages_; }
  pages::PageValues& values() { return values_; }

  // RefreshActivePage: the page's controls from the image.
  void Refresh();
  // CollectActivePage alone (before a transfer and at shutdown).
  void Collect();
  // A control of the page changed: collect, then the common end of an edit.
  void Edit();
  // Reads the page's controls into the values (before a command that takes them).
  void ReadControls();
  // Shows the values and what the change asks for: a message, programming, the undo state.
  void Finish(const pages::ChangeResult& result);
  // Undo / Redo enabled exactly when a step exists.
  void UpdateHistoryCommands();
  // The "Programming after change" and "Tuning on" boxes, as the history reads them.
  void SyncCheckBoxes();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show(const pages::RefreshReport& report);
  void ConnectControls();
  void ConnectPage(int page);

  Application& app_;
  pages::PageEditor pages_;
  pages::PageValues values_;
  ui::PageBinder binder_;
  bool showing_ = false;
};

}  // namespace morvek::app
