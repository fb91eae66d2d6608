#pragma once

#include <QObject>

#include "pages/bulk_tools.h"

namespace morvek::app {

class Application;
class PageController;

// The bulk tools: Tools "Minus" / "Plus" (F4, F5) and their spin button, the column spin
// buttons under the grid, the injection-angle and the idle-target spin buttons.
class ToolCommands : public QObject {
  Q_OBJECT

 public:
  ToolCommands(Application& app, PageController& page);

  void MapStep(int step);
  void ColumnStep(int column, int step);
  void PositionStep(int step);
  void IdleStep(int step);

 private:
  // Where the engine runs now, on the page shown.
  pages::LiveTarget Live() const;

  Application& app_;
  PageController& page_;
};

}  // namespace morvek::app
