#include "analysis/reject_reason.h"

#include <array>

namespace morvek::analysis {

std::string_view ReasonName(RejectReason reason) {
  static constexpr std::array<std::string_view, kRejectReasonCount> kNames{
      "replayed row",
      "engine not running",
      "data error",
      "lambda sensor error",
      "lambda railed",
      "coolant cold",
      "after-start enrichment",
      "acceleration enrichment",
      "fuel cut or overrun",
      "limiter",
      "autotune running",
      "not steady",
      "before the log began"};
  const auto i = static_cast<std::size_t>(reason);
  return i < kNames.size() ? kNames[i] : std::string_view("?");
}

}  // namespace morvek::analysis
