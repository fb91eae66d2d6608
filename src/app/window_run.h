#pragma once

#include <functional>

#include "app/application.h"

namespace morvek::ui {
class QtPrompts;
}

namespace morvek::app {

// The window's whole run over `options`: the application, its answer to termination signals
// and to an exit() from inside Qt, the start-up, the window and its event loop. `shown` runs
// once the window is up. Returns the event loop's exit code.
int RunWindow(const ApplicationOptions& options, ui::QtPrompts& prompts,
              const std::function<void(Application&)>& shown = {});

}  // namespace morvek::app
