#pragma once

namespace morvek::app {

class Application;

// The layout hub over the page on screen: the image, the active page and the window's flags
// ("Ms", "Tuning on", the controller's output-test inhibit) laid out on the window.
void RunLayoutHub(Application& app);

}  // namespace morvek::app
