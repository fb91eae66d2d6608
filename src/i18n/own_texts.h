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
  kFindingEndOfFile,    // kFindingNotANumber when the file itself ended the section
  kStartLogging,        // Tools menu: record every monitor frame into a data log
  kStopLogging,         // Tools menu
  kLiveCharts,          // Tools menu and the chart window's title
  kLoggingRows,         // status bar while logging, followed by the row count
  kLogFilter,           // file dialogs: the data log type
  kLogCannotBeWritten,  // followed by the file and the reason
  kLogStopped,          // followed by the file, the reason and kLogRowsKept
  kLogRowsKept,         // followed by the row count
  kLogCannotBeRead,     // followed by the file and the reason
  kOpenLog,             // chart window button
  kReplay,              // chart window button
  kStopReplay,          // chart window button while a replay runs
  kLiveView,            // chart window button: back to the last 60 s
  kChartRpm,            // series and axis names of the charts
  kChartThrottle,
  kChartLambda,
  kChartInjection,
  kChartAdvance,
  kChartTime,
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
  kPrintedTo,          // the message line after a printout went to a PDF file, before its path
  kNotPrinted,         // the message line when a printout failed, before where it should go
  // Words of the live monitor lines, each followed by " = " and its value.
  kLiveRpmSpeed,
  kLiveIdleCorrection,
  kLiveWaterCorrection,
  kLiveAirCorrection,
  kLivePressureCorrection,
  kLiveStartCorrection,
  kLiveVoltageCorrection,
  kLiveAccCorrection,
  kLivePinEngine14,
  kLivePinEngine23,  // these two are followed by " - " and yes or no
  kLivePinBody11,
  kLivePickupRunning,  // after the pick-up's name and " - "
  kLivePickupNoSignal,
  kLiveSensorError,  // a sensor line's value when the sensor fails
  kLiveBaseAdvance,  // the advance lines while the controller runs on its base advance
  kCount
};

std::string_view Text(OwnText id, Language language);

}  // namespace morvek::i18n
