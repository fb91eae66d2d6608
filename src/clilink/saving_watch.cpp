#include "clilink/saving_watch.h"

namespace morvek::clilink {

SavingWatch::Verdict SavingWatch::Tick(bool frame, int saving_counter, bool connected) {
  ++ticks_;
  if (frame) {
    alive_ = true;
    if (saving_counter != 0) {
      saw_saving_ = true;
    } else if (saw_saving_) {
      return Verdict::kSaved;
    }
  }
  if (!connected) return saw_saving_ ? Verdict::kLostWhileSaving : Verdict::kLostBeforeSaving;
  if (!saw_saving_ && alive_ && ticks_ >= kSavingStartTicks) return Verdict::kSaved;
  return Verdict::kWaiting;
}

}  // namespace morvek::clilink
