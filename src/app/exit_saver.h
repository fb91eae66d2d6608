#pragma once

namespace morvek::app {

class Application;

// Qt ends the process with exit() when the X display goes away, without returning from the
// event loop. While an ExitSaver lives, such an exit still runs the shutdown, so the settings
// and the state file are written as on a close.
class ExitSaver {
 public:
  explicit ExitSaver(Application& app);
  ~ExitSaver();
  ExitSaver(const ExitSaver&) = delete;
  ExitSaver& operator=(const ExitSaver&) = delete;
};

}  // namespace morvek::app
