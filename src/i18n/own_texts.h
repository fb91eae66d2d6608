#pragma once

#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// Texts of the program's own additions to the window, in the four languages of the table.
enum class OwnText : std::uint8_t {
  kPendingPages,          // the status bar's list of pages changed but not programmed
  kClosePendingQuestion,  // asked when the window closes with such pages
  // The restore points: the File menu item, the dialog and its messages.
  kMenuRestorePoints,
  kRestorePointsTitle,
  kColumnTime,
  kColumnKind,
  kColumnPort,
  kColumnController,
  kColumnPages,
  kKindRead,
  kKindVerify,
  kKindProgram,
  kButtonLoad,
  kButtonExport,
  kButtonClose,
  kRestorePointNotStored,  // followed by the system's reason
  kRestorePointUnreadable,
  // What reading a parameter file met. In the finding lines %W stands for the keyword and
  // element, %X for what the file writes, %U for the value used, %R for a range, %N for a count.
  kFileFindingsHeading,
  kFindingNotANumber,
  kFindingBeyondField,
  kFindingOutsideRange,
  kFindingMissingSection,
  kFindingBeforeBike,
  kFindingIgnoredText,
  kFindingNotCarried,
  kFindingEndOfFile,  // kFindingNotANumber when the file itself ended the section
  kCount
};

std::string_view Text(OwnText id, Language language);

}  // namespace morvek::i18n
