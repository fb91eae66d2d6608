#pragma once

#include <cstdint>
#include <string_view>

namespace morvek::analysis {

// Why a lambda reading says nothing about the map. A reading is counted under the first
// reason that applies, in this order.
enum class RejectReason : std::uint8_t {
  kReplay,          // the row was played back from a log, not measured
  kEngineStopped,   // engine not running or below the rpm floor
  kDataError,       // the controller flags a data or sensor error
  kLambdaError,     // the lambda sensor reports an error or nothing
  kLambdaRailed,    // the reading sits at an end of the sensor's characteristic
  kCoolantCold,     // coolant below the floor: the engine still wants its cold enrichment
  kAfterStart,      // after-start enrichment active
  kAcceleration,    // acceleration enrichment active
  kFuelCut,         // no injection, or throttle closed while the rpm falls
  kLimiter,         // a rev limiter cuts ignition or fuel
  kAutotune,        // the controller tunes the map itself
  kNotSteady,       // throttle or rpm moved too fast within the delay window
  kBeforeLogStart,  // the operating point the reading belongs to lies before the log began
  kCount
};

inline constexpr int kRejectReasonCount = static_cast<int>(RejectReason::kCount);

// A stable English name for reports and scripts ("acceleration enrichment").
std::string_view ReasonName(RejectReason reason);

}  // namespace morvek::analysis
