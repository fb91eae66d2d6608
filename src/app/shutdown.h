#pragma once

namespace morvek::app {

class Application;

// FormClose: closes the port, folds the page on screen into the image, runs the limits pass
// and writes the settings and the state file (unless another window owns the configuration
// folder). Runs once.
void FormClose(Application& app);

// A termination signal, whatever box is open: the shutdown saves at once, then every box and
// the window close and every event loop ends, the start-up's and a message box's included.
void Terminate(Application& app);

}  // namespace morvek::app
