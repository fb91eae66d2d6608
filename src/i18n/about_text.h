#pragma once

#include <string>

namespace morvek::i18n {

// The About window's version line, "Version - " and the program version; the same in every
// language.
std::string AboutVersionText(int program_version);

}  // namespace morvek::i18n
