#pragma once

namespace morvek::link {

// When a program has been stored. After the pages went out and a first verify pass agreed,
// the controller copies them into its permanent memory and reports that work in the saving
// counter of its monitor frames. This rule watches those frames tick by tick and says when the
// final verify pass may start, or why the program has failed before it could.
class SavingRule {
 public:
  enum class Verdict {
    kWaiting,
    kSaved,          // saving seen to finish, or a controller that reports none stayed alive
    kHungUp,         // the transport reported the device gone
    kSilent,         // no valid frame for the watchdog's 24 ticks
    kRestarted,      // the programming count went down: the controller started afresh
    kNeverFinished,  // the saving counter did not reach 0 in time
  };

  // What one tick saw.
  struct Observation {
    bool frame = false;         // a monitor frame arrived in this tick
    int saving_counter = 0;     // its saving counter (word 148)
    int programming_count = 0;  // its programming count (word 76)
    bool transport_open = true;
    bool connected = true;  // a valid frame within the watchdog's time
  };

  // A controller that reports no saving is given the time a saving takes (3.3 s) and must
  // answer all through it.
  static constexpr int kNoSavingTicks = 60;
  static constexpr int kMinFrames = 5;
  // A saving that has not ended after a minute is not going to.
  static constexpr int kMaxTicks = 1100;

  void Start() { *this = SavingRule(); }
  Verdict Tick(const Observation& seen);

  bool saw_saving() const { return saw_saving_; }
  int frames() const { return frames_; }
  // The programming count of the first and the last frame watched (-1 before the first).
  int first_count() const { return first_count_; }
  int last_count() const { return last_count_; }
  // The progress of the saving, 0..max, from the counter of the last frame.
  int Progress(int max) const;

 private:
  int ticks_ = 0;
  int frames_ = 0;
  bool saw_saving_ = false;
  int counter_ = 0;
  int first_count_ = -1;
  int last_count_ = -1;
};

}  // namespace morvek::link
