#pragma once

#include <cstdint>

#include "link/device_frame.h"

namespace morvek::sim {

// Faults the simulated controller injects into its replies. Percentages are per reply and
// are drawn from a generator seeded with `seed`, so a run is reproducible.
struct FaultConfig {
  std::uint64_t seed = 1;
  int corrupt_percent = 0;  // one flipped bit: the checksum no longer matches
  int drop_percent = 0;     // no reply at all
  int late_percent = 0;     // the reply leaves `late_ticks` ticks later
  int late_ticks = 0;
  int double_percent = 0;         // the reply leaves twice, the copy 0 to 7 ticks after it
  int wrong_version_percent = 0;  // page 0 and monitor replies report `wrong_version`
  int wrong_version = 83;
  bool silent = false;  // the controller answers nothing
  // When above 0: the controller falls silent for good after this many page replies (a
  // controller switched off in the middle of a transaction).
  int silent_after_page_replies = 0;
};

enum class FaultKind : std::uint8_t { kNone, kCorrupt, kDrop, kLate, kWrongVersion, kSilent };

// What happens to one reply: at most one fault each.
struct FaultDecision {
  FaultKind kind = FaultKind::kNone;
  int late_ticks = 0;
  int corrupt_byte = 0;  // frame byte whose bit is flipped (kCorrupt)
  int corrupt_bit = 0;
  int copy_after_ticks = -1;  // 0 or more: a copy of the reply leaves this many ticks after it
};

// Deterministic decisions for a stream of replies.
class FaultInjector {
 public:
  explicit FaultInjector(const FaultConfig& config = {});

  const FaultConfig& config() const { return config_; }
  // Replaces the configuration and restarts the generator from its seed.
  void Reset(const FaultConfig& config);
  void SetSilent(bool silent) { config_.silent = silent; }

  // Draws the fate of the next reply. `carries_version` is true for replies that report the
  // protocol version (page 0 and monitor frames): only those can get a wrong version.
  FaultDecision Decide(bool carries_version);

  // Applies a kCorrupt decision to a frame.
  static void Corrupt(const FaultDecision& decision, link::DeviceFrame& frame);

 private:
  std::uint64_t Next();
  int Percent() { return static_cast<int>(Next() % 100); }

  FaultConfig config_;
  std::uint64_t state_ = 0;
};

}  // namespace morvek::sim
