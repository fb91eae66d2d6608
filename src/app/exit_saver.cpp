#include "app/exit_saver.h"

#include <cstdlib>

#include "app/application.h"
#include "app/shutdown.h"

namespace morvek::app {
namespace {

Application* running = nullptr;

extern "C" void SaveAtExit() {
  if (running != nullptr) FormClose(*running);
}

}  // namespace

ExitSaver::ExitSaver(Application& app) {
  static const bool registered = std::atexit(SaveAtExit) == 0;
  (void)registered;
  running = &app;
}

ExitSaver::~ExitSaver() { running = nullptr; }

}  // namespace morvek::app
