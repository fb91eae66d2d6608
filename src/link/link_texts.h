#pragma once

#include <string>

#include "i18n/text_table.h"

namespace morvek::link {

// A language text as a string.
std::string LinkText(i18n::TextId id, i18n::Language language);

// "Unmatched version of PC and Ignition programs!  PC-84, IGN-<version>" in the language.
std::string UnmatchedVersionText(i18n::Language language, int controller_version);

}  // namespace morvek::link
