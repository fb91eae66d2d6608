#pragma once

#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// Texts of the program's own additions to the window, in the four languages of the table.
enum class OwnText : std::uint8_t {
  kPendingPages,           // the status bar's list of pages changed but not programmed
  kClosePendingQuestion,   // asked when the window closes with such pages
  kMenuCompareFile,        // File menu: compare the image with a parameter file
  kMenuCompareController,  // File menu: compare the image with the controller
  kCompareTitle,           // the compare window's caption
  kCompareColumnPage,      // its columns
  kCompareColumnField,
  kCompareColumnScreen,
  kCompareController,  // the other side when it is the controller
  kCompareCount,       // "Differences: " before their number
  kCompareEqual,       // no difference at all
  kCompareHint,        // how the list is used
  kCompareTakeOver,    // the button copying the ticked lines
  kCompareClose,
  kCompareReadFailed,  // a compare whose read of the controller failed
  kControllerPage,     // where a reserved byte lives: "controller page " and its number
  kVerifyDiffers,      // a failed verify: the page that differs, then its fields
  kCount
};

std::string_view Text(OwnText id, Language language);

}  // namespace morvek::i18n
