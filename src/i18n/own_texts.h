#pragma once

#include <string>
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
  // Opening a parameter file in the window: what is wrong with it, and the user's choice.
  kNotATune,              // followed by the file; nothing was loaded
  kNoKeyLine,             // the reason: no key line at all
  kAndMore,               // "…and %N more" after the first of many equal findings
  kLoadAnyway,            // asked under a file's warnings before its values are used
  kHelpNoViewer,          // F1 without a PDF viewer, followed by the manual's path
  kLoggingEndsForReplay,  // a replay stops logging, followed by the file and the rows kept
  kOutputTestSent,        // %T the test's caption: sent, the answer still to come
  kOutputTestAnswered,    // %T: the controller answered the request that carried it
  kOutputTestNoAnswer,    // %T: no monitor reply after the request
  kOutputTestEngineRuns,  // %T the test, %N the engine speed: asked before firing
  kAnotherInstance,       // %N its process, %F the configuration folder
  kReadOnly,              // status bar of a window that saves nothing
  kClosePendingReadOnly,  // the close question of such a window
  // A finding line: the section %W stands %N times in the file.
  kFindingSectionTwice,

  kNotVerifiedSinceStart,     // the status bar while the controller's contents are not known
  kPendingTabs,               // the status bar before the tabs changed and not programmed
  kCompareLine,               // the message line after a compare read, before the count
  kCompareLineOne,            // after the count: one difference
  kCompareLineFew,            // after the count: 2 to 4 (a form of its own in Czech)
  kCompareLineMany,           // after the count: 0 or 5 and more
  kCloseNotVerifiedQuestion,  // asked when the window closes before the controller was known
  kLogNameTaken,              // a data log asked for under a name that exists, before the name
  kLogParameterName,          // a data log asked for under a name ending in .ign, before the name
  // Why a transfer failed, after "Program error!" and its kin; %P stands for a page number.
  kFailNoReply,
  kFailDiffers,
  kFailHungUp,
  kFailSilent,
  kFailRestarted,
  kFailNeverSaved,
  kFailDiffersAfterSaving,
  kFailStrayWrite,  // a message box of its own
  kFailBackupNotKept,
  kBackupQuestion,  // %R: why the restore point could not be kept
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

// "Compare: 3 differences" in the language, with the noun's form for the count.
std::string CompareLineText(int count, Language language);

}  // namespace morvek::i18n
