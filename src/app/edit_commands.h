#pragma once

#include <QObject>
#include <utility>

#include "link/session_owner.h"
#include "model/parameter_image.h"

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

  // After every tick of the session: a controller met again, or on another port, is not known
  // until it is read or verified.
  void AfterLinkTick();
  // Pages the controller sent (a read, an autotune cycle) or was seen to keep (a program)
  // become what the controller is known to hold.
  void ControllerPageArrived(int page);
  void PagesKept(const std::vector<int>& pages);
  // A read or a verify found the controller holding every page of the image; a read is one
  // history entry of its own.
  void ControllerConfirmed(link::ImageSource source);

 private:
  void Connect();
  // Tuning switched off: the session's changes of the map are one entry.
  void TuningEnded();

  Application& app_;
  PageController& page_;
  // A controller answering anew is forgotten before what it sends counts.
  void NoticeLink();

  bool connected_ = true;
  std::pair<int, int> port_{-1, -1};
};

}  // namespace morvek::app
