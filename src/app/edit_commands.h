#pragma once

#include <QObject>

namespace morvek::app {

class Application;
class PageController;

// The editing commands of the menus, the tool bar and the page buttons: New, New for actual
// page, the bike box, the injection-map mode, Undo, Redo and the live-value buttons.
class EditCommands : public QObject {
  Q_OBJECT

 public:
  EditCommands(Application& app, PageController& page);

  void New(bool active_page_only);
  void BikeChosen(int item);
  void JetMode(int mode);
  void Undo();
  void Redo();
  // Shows a page as the page control's change does, without collecting the page left.
  void SwitchToPage(int page);

 private:
  void Connect();

  Application& app_;
  PageController& page_;
};

}  // namespace morvek::app
