#pragma once

namespace morvek::app {

class Application;

// FormCreate: builds on the window the constructor made, fills the image with the defaults,
// restores the settings and the image of the last run, applies the language, opens the port
// and shows the first texts, in an order later steps rely on.
void FormCreate(Application& app);

}  // namespace morvek::app
