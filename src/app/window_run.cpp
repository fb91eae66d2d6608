#include "app/window_run.h"

#include <QApplication>

#include "app/exit_saver.h"
#include "app/shutdown.h"
#include "app/termination_signals.h"
#include "ui/prompts.h"

namespace morvek::app {

int RunWindow(const ApplicationOptions& options, ui::QtPrompts& prompts,
              const std::function<void(Application&)>& shown) {
  Application app(options);
  TerminationSignals termination([&app] { Terminate(app); });
  const ExitSaver saver(app);
  prompts.set_parent(&app.window());
  app.Start();
  // Ended during the start-up (a signal under a start-up message, or the user chose to quit
  // rather than share the configuration folder): no event loop is entered.
  if (app.shut_down()) return 0;
  app.window().show();
  if (shown) shown(app);
  return QApplication::exec();
}

}  // namespace morvek::app
