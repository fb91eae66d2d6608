#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "i18n/text_table.h"

namespace morvek::pages {

// The printed page is a picture of the window in a clean state: the editing aids (spinners,
// spin buttons, tool bar, status bar, gauges) are left off the paper. These are their names;
// the edit boxes of the spinners stay, so the values are printed.
const std::vector<std::string>& PrintHiddenControls();

// The stamp on the message line of a printout: the language's "Date and time of printing:"
// text, the date, four blanks and the time, both already formatted as the system shows them.
std::string PrintStamp(i18n::Language language, std::string_view date, std::string_view time);

}  // namespace morvek::pages
