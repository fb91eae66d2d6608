#include "link/saving_rule.h"

#include <algorithm>

namespace morvek::link {
namespace {

constexpr int kSavingScale = 2756;  // the counter's value when a saving starts

}  // namespace

SavingRule::Verdict SavingRule::Tick(const Observation& seen) {
  ++ticks_;
  // The transport knows at once when the device went away; the watchdog only after 24 ticks.
  if (!seen.transport_open) return Verdict::kHungUp;
  if (seen.frame) {
    ++frames_;
    if (first_count_ < 0) first_count_ = seen.programming_count;
    // The count only grows while the controller keeps running; a smaller one is a controller
    // that has restarted, whatever its saving counter says now.
    if (last_count_ >= 0 && seen.programming_count < last_count_) return Verdict::kRestarted;
    last_count_ = seen.programming_count;
    counter_ = seen.saving_counter;
    if (seen.saving_counter != 0) {
      saw_saving_ = true;
    } else if (saw_saving_) {
      return Verdict::kSaved;
    }
  }
  if (!seen.connected) return Verdict::kSilent;
  if (ticks_ >= kMaxTicks) return Verdict::kNeverFinished;
  if (!saw_saving_ && ticks_ >= kNoSavingTicks && frames_ >= kMinFrames) return Verdict::kSaved;
  return Verdict::kWaiting;
}

int SavingRule::Progress(int max) const {
  if (!saw_saving_) return 0;
  return std::clamp(max * (kSavingScale - counter_) / kSavingScale, 0, max);
}

}  // namespace morvek::link
