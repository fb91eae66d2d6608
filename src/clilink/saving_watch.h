#pragma once

namespace morvek::clilink {

// A program is done only once the controller has stored the pages in its permanent memory.
// After the verify pass the controller reports that work in the saving counter of its monitor
// frames; this watch decides, tick by tick, whether it was seen to save or the link was lost
// first.
class SavingWatch {
 public:
  enum class Verdict { kWaiting, kSaved, kLostBeforeSaving, kLostWhileSaving };

  // Ticks a controller that reports no saving is given to show it is alive (and to start).
  static constexpr int kSavingStartTicks = 60;

  // One tick after the verify pass: `frame` tells whether a monitor frame arrived in this tick
  // (with its saving counter), `connected` whether the link still counts as connected.
  Verdict Tick(bool frame, int saving_counter, bool connected);

  bool saw_saving() const { return saw_saving_; }

 private:
  int ticks_ = 0;
  bool alive_ = false;  // a monitor frame arrived after the verify pass
  bool saw_saving_ = false;
};

}  // namespace morvek::clilink
