#pragma once

#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// Texts of the program's own additions to the window, in the four languages of the table.
enum class OwnText : std::uint8_t {
  kPendingPages,          // the status bar's list of pages changed but not programmed
  kClosePendingQuestion,  // asked when the window closes with such pages
  kPrintedTo,             // the message line after a printout went to a PDF file, before its path
  kNotPrinted,            // the message line when a printout failed, before where it should go
  kCount
};

std::string_view Text(OwnText id, Language language);

}  // namespace morvek::i18n
