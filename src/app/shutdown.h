#pragma once

namespace morvek::app {

class Application;

// FormClose: closes the port, folds the page on screen into the image, runs the limits pass
// and writes the settings and the state file. Runs once.
void FormClose(Application& app);

}  // namespace morvek::app
