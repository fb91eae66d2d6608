// The program's start as morvek runs it (the whole start-up sequence, then the window shown),
// around a simulated controller in memory so no port is needed. Prints when the window is
// shown, then quits without the shutdown.

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "app/application.h"
#include "shown_stamp.h"
#include "sim/controller_model.h"
#include "sim/in_memory_transport.h"
#include "ui/prompts.h"

namespace {

class SilentPrompts : public morvek::ui::Prompts {
 public:
  void Message(const std::string&) override {}
  morvek::ui::Answer Confirm(const std::string&) override { return morvek::ui::Answer::kNo; }
  std::optional<std::string> OpenFileName(const std::string&) override { return {}; }
  std::optional<std::string> SaveFileName(const std::string&) override { return {}; }
};

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer stages;
  stages.start();
  QApplication qt(argc, argv);
  const qint64 qt_ms = stages.elapsed();
  morvek::sim::ControllerModel controller;
  morvek::sim::InMemoryTransport transport(controller);
  SilentPrompts prompts;
  morvek::app::ApplicationOptions options;
  options.transport = &transport;
  options.prompts = &prompts;
  const char* config = std::getenv("MORVEK_CONFIG_DIR");
  options.config_directory = config != nullptr ? config : ".";
  options.program_directory = options.config_directory;
  options.run_timer = false;
  options.build_pages_after_show = true;
  morvek::app::Application app(options);
  const qint64 built_ms = stages.elapsed();
  app.Start();
  const qint64 started_ms = stages.elapsed();
  app.window().show();
  QApplication::processEvents();
  PrintShownStamp();
  // Where the time went, for the one who wants to make it shorter.
  std::fprintf(
      stderr, "QApplication %lld ms, window and commands %lld ms, start-up %lld ms, show %lld ms\n",
      qt_ms, built_ms - qt_ms, started_ms - built_ms, stages.elapsed() - started_ms);
  app.set_shut_down();
  return 0;
}
