#pragma once

#include <string>

#include "i18n/text_table.h"
#include "model/editor.h"

namespace morvek::pages {

// What the status bar says of the controller: "Not verified since start" until a read, a
// verify or a whole program has settled every page, and "Not programmed: Bike, Inj-1A" for
// the tabs whose values differ from what the controller holds (or, where that is not known
// yet, from what the program started with), in the language. Empty when the controller is
// known to hold the image on screen.
std::string PendingPagesText(const model::Editor& editor, i18n::Language language);

}  // namespace morvek::pages
