#pragma once

#include <string_view>

#include "i18n/text_table.h"

namespace morvek::i18n {

// Texts of the log analysis window in the four languages of the table.
enum class AnalysisText : std::uint8_t {
  kMenuAnalyzeLogs,  // Tools menu
  kTitle,
  kLogs,
  kAddLogs,
  kRemoveLog,
  kThisRun,  // after the name of the log the window records now
  kMap,
  kTarget,
  kDelay,
  kMinHits,
  kMaxChange,
  kRun,
  kProposal,
  kCoverage,
  kApply,
  kCancel,
  kRejected,
  kLockHint,
  // "%C" covered cells, "%H" changed cells, "%U" readings used, "%R" readings
  kSummary,
  kTipHits,
  kTipMeanAf,
  kTipChange,
  kTipClamped,
  kTipLocked,
  kTipNoData,
  kNoLogs,
  kLogRefused,  // followed by the log's name and the reason
  kNoCoverage,
  kCoupled,  // the maps are coupled: the proposal is for 1A
  // The reasons a reading is left out, in the order of the analysis.
  kReasonReplay,
  kReasonEngineStopped,
  kReasonDataError,
  kReasonLambdaError,
  kReasonLambdaRailed,
  kReasonCoolantCold,
  kReasonAfterStart,
  kReasonAcceleration,
  kReasonFuelCut,
  kReasonLimiter,
  kReasonAutotune,
  kReasonNotSteady,
  kReasonBeforeLogStart,
  kCount
};

std::string_view Text(AnalysisText id, Language language);

}  // namespace morvek::i18n
