#include "sim/fault_injector.h"

namespace morvek::sim {

FaultInjector::FaultInjector(const FaultConfig& config) { Reset(config); }

void FaultInjector::Reset(const FaultConfig& config) {
  config_ = config;
  state_ = config.seed;
}

// SplitMix64: fixed arithmetic, identical results on every platform and library.
std::uint64_t FaultInjector::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

FaultDecision FaultInjector::Decide(bool carries_version) {
  FaultDecision decision;
  if (config_.silent) {
    decision.kind = FaultKind::kSilent;
    return decision;
  }
  // Every reply draws the same number of values, so one reply's fate never shifts the
  // draws of the next: changing one percentage keeps the other faults where they were.
  const int drop = Percent();
  const int corrupt = Percent();
  const int late = Percent();
  const int version = Percent();
  const std::uint64_t where = Next();
  if (drop < config_.drop_percent) {
    decision.kind = FaultKind::kDrop;
  } else if (corrupt < config_.corrupt_percent) {
    decision.kind = FaultKind::kCorrupt;
    decision.corrupt_byte = static_cast<int>(where % link::kFrameSize);
    decision.corrupt_bit = static_cast<int>((where >> 8) % 8);
  } else if (carries_version && version < config_.wrong_version_percent) {
    decision.kind = FaultKind::kWrongVersion;
  } else if (late < config_.late_percent && config_.late_ticks > 0) {
    decision.kind = FaultKind::kLate;
    decision.late_ticks = config_.late_ticks;
  }
  // Drawn from bits the other faults do not use, so doubling leaves them where they were.
  if (decision.kind != FaultKind::kDrop &&
      static_cast<int>((where >> 16) % 100) < config_.double_percent)
    decision.copy_after_ticks = static_cast<int>((where >> 24) % 8);
  return decision;
}

void FaultInjector::Corrupt(const FaultDecision& decision, link::DeviceFrame& frame) {
  auto& bytes = frame.bytes();
  bytes[static_cast<std::size_t>(decision.corrupt_byte)] ^=
      static_cast<std::uint8_t>(1u << decision.corrupt_bit);
}

}  // namespace morvek::sim
