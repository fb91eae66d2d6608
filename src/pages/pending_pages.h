#pragma once

#include <string>

#include "i18n/text_table.h"
#include "model/parameter_image.h"

namespace morvek::pages {

// What the status bar says of the device pages changed on screen and not yet programmed:
// "Not programmed: page 2, 7" in the language; empty when every page is programmed.
std::string PendingPagesText(const model::PageProgramFlags& flags, i18n::Language language);

}  // namespace morvek::pages
